// Numbers in text and bounded formatting.
#pragma once

#include "StagecraftExport.h"

// Expands the number-unit words of ANSI (code page 936) text into zeros:
// "3万" becomes "30000", "2千万" becomes "20000000". The result lives in a
// library buffer valid until the next call.
STAGECRAFT_API const char* TzConverString(const char* ansi);

// Replaces every occurrence of find with replace, also those a replacement
// forms with the text around it, until the text is longer than one pass over
// the original could make it. position is set to the index of the first
// occurrence (or -1) and is -1 on return. The result lives in a
// library buffer valid until the next call.
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
