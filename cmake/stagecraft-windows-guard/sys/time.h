// Seen first by Stagecraft's Windows build. The engine's Windows builds give
// gettimeofday and struct timeval through "platform/CCStdC.h" (there is no
// <sys/time.h> with every Windows compiler): only that way in is let through.
#ifndef __CC_STD_C_WIN32_H__
#error "Stagecraft takes gettimeofday and struct timeval from \"platform/CCStdC.h\""
#endif
#include_next <sys/time.h>
