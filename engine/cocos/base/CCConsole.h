#ifndef __CC_CONSOLE_H__
#define __CC_CONSOLE_H__

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Writes one formatted line to the standard error stream (at most 16 KiB,
// longer text is cut).
void CC_DLL log(const char* format, ...) CC_FORMAT_PRINTF(1, 2);

NS_CC_END

#endif
