// CProfileSection: one section of an INI file read with a single profile
// call, for looking up many keys of a large file (a manifest lists thousands
// of entries, and each single-key profile call reads the file anew). Values
// come out as GetPrivateProfileStringW gives them: keys match without regard
// to case, the first of repeated keys wins, and one pair of enclosing quotes
// is dropped.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <string>
#include <unordered_map>

class CProfileSection {
public:
  // False when the section is missing or empty (every lookup then gives "").
  bool Load(LPCWSTR file, LPCWSTR section);
  // The value, or "" when the key is not there.
  LPCWSTR Get(LPCWSTR key) const;
  bool Has(LPCWSTR key) const;
  size_t GetCount() const { return m_Values.size(); }

private:
  static std::wstring Fold(const wchar_t* key, size_t length);
  std::unordered_map<std::wstring, std::wstring> m_Values;
};
