// CW2A / CA2W: text conversions between UTF-16 and a code page (the ANSI
// code page unless another is named), held for the life of the object.
#pragma once

#include <windows.h>

#include <string>

class CW2A {
public:
  explicit CW2A(LPCWSTR psz, UINT nCodePage = CP_ACP);
  operator LPSTR() { return &m_s[0]; }
  operator LPCSTR() const { return m_s.c_str(); }
  // Bytes without the terminator.
  int GetLength() const { return static_cast<int>(m_s.size()); }

private:
  std::string m_s;
};

class CA2W {
public:
  explicit CA2W(LPCSTR psz, UINT nCodePage = CP_ACP, int nLength = -1);
  operator LPWSTR() { return &m_s[0]; }
  operator LPCWSTR() const { return m_s.c_str(); }
  int GetLength() const { return static_cast<int>(m_s.size()); }

private:
  std::wstring m_s;
};
