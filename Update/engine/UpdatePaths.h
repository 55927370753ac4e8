// The updater's fixed places: everything lives under the module directory
// (the folder of the executable), built in 260-character buffers.
#pragma once

#include <winsock2.h>
#include <windows.h>

const int kUpdatePathSize = 260;

// The executable's path up to, not including, its last "\" (the whole path
// when it has none). Computed once.
LPCWSTR GetModuleDirectory();

// "<dir>\DownLoad", the holding folder of downloads.
void GetDownLoadFolder(wchar_t (&path)[kUpdatePathSize]);
// "<dir>\Update\Update.VQD" written by the check; the manager reads it in the
// "/" form, which names the same file.
void GetUpdateListPath(wchar_t (&path)[kUpdatePathSize]);
void GetUpdateListReadPath(wchar_t (&path)[kUpdatePathSize]);

// A name from a manifest or update list that stays inside the module
// directory: relative, no "..", no drive, UNC or device name, no characters
// that Windows reads specially. Empty names are not safe.
bool IsSafeRelativeName(LPCWSTR name);

// The last segment of a path ("/" or "\" separated), as a file name that is
// safe to place in one folder; empty when there is none or it is not safe.
// A query (from the last "?") is cut first when cutQuery is set.
void GetSafeLastSegment(LPCWSTR path, bool cutQuery, wchar_t (&name)[kUpdatePathSize]);
