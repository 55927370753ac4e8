#ifndef __CC_STD_C_WIN32_H__
#define __CC_STD_C_WIN32_H__

// Windows: gettimeofday, struct timeval and struct timezone, which POSIX
// systems declare in <sys/time.h>. MinGW-w64 has them there as well.
#if defined(__MINGW32__)
#include <sys/time.h>
#else
#error "this engine's Windows build is made with MinGW-w64"
#endif

#endif
