// Numbers in text and bounded formatting.
#pragma once

#include "StagecraftExport.h"

// Expands the number-unit words of ANSI (code page 936) text into zeros:
// "3万" becomes "30000", "2千万" becomes "20000000". The result lives in a
// library buffer valid until the next call.
STAGECRAFT_API const char* TzConverString(const char* ansi);

// Replaces every occurrence of find with replace, first to last. A replacement
// shorter than find is searched again with the text around it, so the result
// holds find nowhere ("aab", "ab", "b" gives "b"); a longer or equal one is
// searched again only with the text after it, so the work always ends and
// grows with the length of the result. position is -1 on return. The result
// lives in a library buffer valid until the next call.
STAGECRAFT_API const char* TzReplaceStringWithString(const char* text, const char* find, const char* replace,
                                                     int& position);

// Skips to the first decimal digit (stopping at the terminator or at a byte
// with its high bit set) and reads the digits that follow. consumed grows by
// the characters skipped and read.
STAGECRAFT_API int SwitchStringToValue(const char* text, int& consumed);

// Zeroes size bytes of buffer and formats into them, truncated to size - 1
// characters and always terminated.
STAGECRAFT_API void TzNewChar(char* buffer, unsigned short size, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 3, 4)))
#endif
    ;
