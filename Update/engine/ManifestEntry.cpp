#include "ManifestEntry.h"

#include <string.h>
#include <wchar.h>

namespace {

bool IsSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

// CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an extension.
bool IsDeviceName(const wchar_t* segment, size_t length) {
  size_t base = 0;
  while (base < length && segment[base] != L'.') ++base;
  wchar_t upper[5] = {0};
  if (base < 3 || base > 4) return false;
  for (size_t i = 0; i < base; ++i) upper[i] = AsciiUpper(segment[i]);
  if (base == 3)
    return wcscmp(upper, L"CON") == 0 || wcscmp(upper, L"PRN") == 0 || wcscmp(upper, L"AUX") == 0 ||
           wcscmp(upper, L"NUL") == 0;
  return (wcsncmp(upper, L"COM", 3) == 0 || wcsncmp(upper, L"LPT", 3) == 0) && upper[3] >= L'1' &&
         upper[3] <= L'9';
}

bool IsSafeSegment(const wchar_t* segment, size_t length) {
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

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  c = AsciiUpper(c);
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace

bool IsSafeRelativeName(const wchar_t* name) {
  if (!name || !name[0] || IsSeparator(name[0])) return false;
  const size_t length = wcsnlen(name, kUpdatePathSize);
  if (length >= static_cast<size_t>(kUpdatePathSize)) return false;
  size_t start = 0;
  for (size_t i = 0; i <= length; ++i) {
    if (i == length || IsSeparator(name[i])) {
      if (!IsSafeSegment(name + start, i - start)) return false;
      start = i + 1;
    }
  }
  return true;
}

void GetSafeLastSegment(const wchar_t* path, bool cutQuery, wchar_t (&name)[kUpdatePathSize]) {
  name[0] = 0;
  if (!path) return;
  size_t end = wcsnlen(path, 4 * kUpdatePathSize);
  if (cutQuery) {
    for (size_t i = end; i > 0; --i) {
      if (path[i - 1] == L'?') {
        end = i - 1;
        break;
      }
    }
  }
  size_t start = end;
  while (start > 0 && !IsSeparator(path[start - 1])) --start;
  const size_t length = end - start;
  if (length == 0 || length >= static_cast<size_t>(kUpdatePathSize)) return;
  if (!IsSafeSegment(path + start, length) || (length == 1 && path[start] == L'.')) return;
  memcpy(name, path + start, length * sizeof(wchar_t));
  name[length] = 0;
}

bool IsChecksumText(const wchar_t* text) {
  if (!text) return false;
  for (int i = 0; i < 32; ++i)
    if (HexDigit(text[i]) < 0) return false;
  return text[32] == 0;
}

bool IsSameChecksum(const wchar_t* a, const wchar_t* b) {
  if (!a || !b || !a[0]) return false;
  for (;; ++a, ++b) {
    if (AsciiUpper(*a) != AsciiUpper(*b)) return false;
    if (!*a) return true;
  }
}
