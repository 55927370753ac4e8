// The checks a manifest or update-list entry passes before the updater uses
// it: its relative name stays inside the installation, the last segment of a
// URL path is usable as a file name, and its checksum is MD5 text. Plain
// C++ over wide characters, no Windows.
#pragma once

#include <stddef.h>

// Every path of the updater is built in buffers of this many characters
// (the terminator included).
const int kUpdatePathSize = 260;

// A name that stays inside the module directory: relative, no "..", no
// drive, UNC or device name, no characters that Windows reads specially,
// shorter than a path buffer. Empty names are not safe.
bool IsSafeRelativeName(const wchar_t* name);

// The last segment of a path ("/" or "\" separated), as a file name that is
// safe to place in one folder; empty when there is none or it is not safe.
// A query (from the last "?") is cut first when cutQuery is set.
void GetSafeLastSegment(const wchar_t* path, bool cutQuery, wchar_t (&name)[kUpdatePathSize]);

// 32 hexadecimal digits, either case.
bool IsChecksumText(const wchar_t* text);
// Two checksums name the same digest: equal without regard to the case of
// their hexadecimal digits. Null or empty never matches.
bool IsSameChecksum(const wchar_t* a, const wchar_t* b);
