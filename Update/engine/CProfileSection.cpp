#include "CProfileSection.h"

#include <wctype.h>

#include <memory>
#include <new>

namespace {
const DWORD kFirstSize = 1 << 16;
const DWORD kMaxSize = 1 << 26;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
}  // namespace

std::wstring CProfileSection::Fold(const wchar_t* key, size_t length) {
  std::wstring folded(key, length);
  for (wchar_t& c : folded) c = static_cast<wchar_t>(towlower(c));
  return folded;
}

bool CProfileSection::Load(LPCWSTR file, LPCWSTR section) {
  m_Values.clear();
  std::unique_ptr<wchar_t[]> buffer;
  DWORD size = kFirstSize;
  DWORD got = 0;
  for (;;) {
    buffer.reset(new (std::nothrow) wchar_t[size]);
    if (!buffer) return false;
    got = GetPrivateProfileSectionW(section, buffer.get(), size, file);
    // size - 2 means the section did not fit.
    if (got < size - 2 || size >= kMaxSize) break;
    size *= 2;
  }
  for (const wchar_t* line = buffer.get(); line < buffer.get() + got && *line; line += wcslen(line) + 1) {
    const wchar_t* equals = wcschr(line, L'=');
    if (!equals) continue;
    const wchar_t* keyEnd = equals;
    while (keyEnd > line && IsBlank(keyEnd[-1])) --keyEnd;
    const wchar_t* value = equals + 1;
    while (IsBlank(*value)) ++value;
    size_t length = wcslen(value);
    while (length > 0 && IsBlank(value[length - 1])) --length;
    if (length >= 2 && (value[0] == L'"' || value[0] == L'\'') && value[length - 1] == value[0]) {
      ++value;
      length -= 2;
    }
    // emplace keeps the first of repeated keys.
    m_Values.emplace(Fold(line, static_cast<size_t>(keyEnd - line)), std::wstring(value, length));
  }
  return !m_Values.empty();
}

LPCWSTR CProfileSection::Get(LPCWSTR key) const {
  const auto it = m_Values.find(Fold(key, wcslen(key)));
  return it == m_Values.end() ? L"" : it->second.c_str();
}

bool CProfileSection::Has(LPCWSTR key) const { return m_Values.count(Fold(key, wcslen(key))) != 0; }
