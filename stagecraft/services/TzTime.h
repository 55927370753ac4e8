// Wall-clock time in seconds and milliseconds.
#pragma once

#include "StagecraftExport.h"

STAGECRAFT_API long TzSystemTimeNowSec();
STAGECRAFT_API long TzSystemSecond();
// Seconds * 1000 + microseconds / 1000 in 32-bit arithmetic: it wraps, so only
// differences between nearby readings mean anything.
STAGECRAFT_API long TzMillisecondNow();
