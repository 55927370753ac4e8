// CW2A / CA2W: text conversions between UTF-16 and a code page (the ANSI
// code page unless another is named), held for the life of the object. The
// one pair of code-page converters: copy into a fixed buffer with CopyTo,
// which refuses a text that does not fit whole rather than cutting it.
#pragma once

#include <windows.h>

#include <string>

class CW2A {
public:
  // nLength: the units to convert, or -1 for the whole 0-ended text.
  explicit CW2A(LPCWSTR psz, UINT nCodePage = CP_ACP, int nLength = -1);
  operator LPSTR() { return &m_s[0]; }
  operator LPCSTR() const { return m_s.c_str(); }
  // Bytes without the terminator.
  int GetLength() const { return static_cast<int>(m_s.size()); }
  // The text and its terminator into pszBuffer (nSize bytes): FALSE, with
  // the buffer emptied, when they do not fit.
  BOOL CopyTo(LPSTR pszBuffer, int nSize) const;

private:
  std::string m_s;
};

class CA2W {
public:
  // nLength: the bytes to convert, or -1 for the whole 0-ended text.
  explicit CA2W(LPCSTR psz, UINT nCodePage = CP_ACP, int nLength = -1);
  operator LPWSTR() { return &m_s[0]; }
  operator LPCWSTR() const { return m_s.c_str(); }
  int GetLength() const { return static_cast<int>(m_s.size()); }
  // The text and its terminator into pszBuffer (nSize units): FALSE, with
  // the buffer emptied, when they do not fit.
  BOOL CopyTo(LPWSTR pszBuffer, int nSize) const;

private:
  std::wstring m_s;
};
