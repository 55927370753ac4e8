// The module handle of the skinned control library itself, where its own
// bitmaps, PNG pictures and cursor live.
#pragma once

#include <windows.h>

HINSTANCE SkinctlModule();
