#include "UpdatePaths.h"

#include <string.h>
#include <wctype.h>

#include "CString.h"

namespace {

bool IsSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

// CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension.
bool IsDeviceName(LPCWSTR segment, size_t length) {
  size_t base = 0;
  while (base < length && segment[base] != L'.') ++base;
  wchar_t upper[5] = {0};
  if (base < 3 || base > 4) return false;
  for (size_t i = 0; i < base; ++i) upper[i] = static_cast<wchar_t>(towupper(segment[i]));
  if (base == 3)
    return wcscmp(upper, L"CON") == 0 || wcscmp(upper, L"PRN") == 0 || wcscmp(upper, L"AUX") == 0 ||
           wcscmp(upper, L"NUL") == 0;
  return (wcsncmp(upper, L"COM", 3) == 0 || wcsncmp(upper, L"LPT", 3) == 0) && upper[3] >= L'1' &&
         upper[3] <= L'9';
}

bool IsSafeSegment(LPCWSTR segment, size_t length) {
  if (length == 0) return false;
  for (size_t i = 0; i < length; ++i) {
    const wchar_t c = segment[i];
    if (c < 0x20 || wcschr(L"<>:\"|?*", c)) return false;
  }
  // Windows drops trailing dots and spaces, so "..", ". ." and "a." would
  // not name what they seem to.
  const wchar_t last = segment[length - 1];
  if (last == L'.' || last == L' ') return length == 1 && last == L'.';
  return !IsDeviceName(segment, length);
}

}  // namespace

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

bool IsSafeRelativeName(LPCWSTR name) {
  if (!name || !name[0] || IsSeparator(name[0])) return false;
  const size_t length = wcslen(name);
  if (length >= kUpdatePathSize) return false;
  size_t start = 0;
  for (size_t i = 0; i <= length; ++i) {
    if (i == length || IsSeparator(name[i])) {
      if (!IsSafeSegment(name + start, i - start)) return false;
      start = i + 1;
    }
  }
  return true;
}

void GetSafeLastSegment(LPCWSTR path, bool cutQuery, wchar_t (&name)[kUpdatePathSize]) {
  name[0] = 0;
  if (!path) return;
  size_t end = wcsnlen(path, 4 * kUpdatePathSize);
  if (cutQuery) {
    const wchar_t* query = wcsrchr(path, L'?');
    if (query) end = static_cast<size_t>(query - path);
  }
  size_t start = end;
  while (start > 0 && !IsSeparator(path[start - 1])) --start;
  const size_t length = end - start;
  if (length == 0 || length >= kUpdatePathSize) return;
  if (!IsSafeSegment(path + start, length) || (length == 1 && path[start] == L'.')) return;
  memcpy(name, path + start, length * sizeof(wchar_t));
  name[length] = 0;
}
