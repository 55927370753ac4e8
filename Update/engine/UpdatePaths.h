// The updater's fixed places: everything lives under the module directory
// (the folder of the executable), built in 260-character buffers.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include "ManifestEntry.h"

// The executable's path up to, not including, its last "\" (the whole path
// when it has none). Computed once.
LPCWSTR GetModuleDirectory();

// "<dir>\DownLoad", the holding folder of downloads.
void GetDownLoadFolder(wchar_t (&path)[kUpdatePathSize]);
// "<dir>\Update\Update.VQD" written by the check; the manager reads it in the
// "/" form, which names the same file.
void GetUpdateListPath(wchar_t (&path)[kUpdatePathSize]);
void GetUpdateListReadPath(wchar_t (&path)[kUpdatePathSize]);

// Formats into buf (count characters with the terminator) only when the
// whole text fits; otherwise buf is left empty and the result is false. A
// path or URL that does not fit is refused, never cut and used.
bool FormatWhole(wchar_t* buf, size_t count, LPCWSTR format, ...);
