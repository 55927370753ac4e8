// Conversions between the ANSI code page (936 on the target systems), UTF-8
// and arrays of 16-bit Unicode units ended by a 0 unit.
#pragma once

#include <string>

#include "StagecraftExport.h"

// ANSI <-> UTF-8 through the platform's code-page conversion.
STAGECRAFT_API std::string AnsiToUtf8(std::string ansi);
STAGECRAFT_API std::string Utf8ToAnsi(std::string utf8);
STAGECRAFT_API std::string TzConverUtf8(std::string ansi);

// One character: decodes at utf8 into *out and returns the bytes used.
// A sequence cut short by the terminator stops before it. Bytes that are no
// character (stray or invalid bytes, longer forms of one-byte characters,
// surrogate halves, four-byte forms) give U+FFFD, never the unit 0.
STAGECRAFT_API int TzConverUtf8ToUnicode(wchar_t* out, const char* utf8);
// One unit: 1 byte below 0x80, otherwise 3 bytes; returns the count.
STAGECRAFT_API int TzConverUnicodeToUtf8(char* out, wchar_t unit);

// Zeroes count units of out and decodes utf8 into it, one character per unit;
// at most count - 1 characters, so the result stays terminated.
STAGECRAFT_API unsigned short TzConverUtf8ToUnicodeWithArray(wchar_t* out, int count, const char* utf8);
// Encodes units up to the 0 unit; writes no terminator (out is zeroed by the
// caller) and trusts out to hold it all: prefer the bounded form below.
STAGECRAFT_API void TzConverUnicodeToUtf8WithArray(char* out, wchar_t* units);
// Encodes units up to the 0 unit into out, size bytes with the terminator:
// returns the bytes written without it, or -1 with out empty when the text
// does not fit (or out is null or size is not positive).
STAGECRAFT_API int TzConverUnicodeToUtf8WithArray(char* out, int size, const wchar_t* units);
// Encodes units into at most 1023 bytes.
STAGECRAFT_API std::string TzConverUnicodeToUtf8(wchar_t* units);

STAGECRAFT_API int TzGetUnicodeArrayLength(wchar_t* units);
STAGECRAFT_API int TzGetUnicodeArrayLengthWithUtf8(const char* utf8);
