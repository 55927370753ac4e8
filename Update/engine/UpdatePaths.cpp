#include "UpdatePaths.h"

#include <stdarg.h>
#include <stdio.h>

#include "CString.h"

LPCWSTR GetModuleDirectory() {
  static wchar_t directory[kUpdatePathSize];
  static bool known = false;
  if (!known) {
    wchar_t path[kUpdatePathSize] = {0};
    GetModuleFileNameW(nullptr, path, kUpdatePathSize - 1);
    path[kUpdatePathSize - 1] = 0;
    wchar_t* slash = wcsrchr(path, L'\\');
    if (slash) *slash = 0;
    AfxFormatBuffer(directory, kUpdatePathSize, L"%s", path);
    known = true;
  }
  return directory;
}

void GetDownLoadFolder(wchar_t (&path)[kUpdatePathSize]) {
  AfxFormatBuffer(path, kUpdatePathSize, L"%s\\DownLoad", GetModuleDirectory());
}

void GetUpdateListPath(wchar_t (&path)[kUpdatePathSize]) {
  AfxFormatBuffer(path, kUpdatePathSize, L"%s\\Update\\Update.VQD", GetModuleDirectory());
}

void GetUpdateListReadPath(wchar_t (&path)[kUpdatePathSize]) {
  AfxFormatBuffer(path, kUpdatePathSize, L"%s/Update/Update.VQD", GetModuleDirectory());
}

bool FormatWhole(wchar_t* buf, size_t count, LPCWSTR format, ...) {
  if (!buf || count == 0) return false;
  va_list args;
  va_start(args, format);
  const int n = _vsnwprintf(buf, count, format, args);
  va_end(args);
  if (n < 0 || static_cast<size_t>(n) >= count) {
    buf[0] = 0;
    return false;
  }
  buf[n] = 0;
  return true;
}
