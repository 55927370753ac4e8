#include "base/CCConsole.h"

#include <stdarg.h>
#include <stdio.h>

NS_CC_BEGIN

void log(const char* format, ...)
{
    if (format == nullptr)
        return;
    char buf[16 * 1024];
    va_list args;
    va_start(args, format);
    vsnprintf(buf, sizeof(buf), format, args);
    va_end(args);
    fprintf(stderr, "%s\n", buf);
    fflush(stderr);
}

NS_CC_END
