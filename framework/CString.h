// CString: a UTF-16 string value with the operations the programs use.
// Formatting is bounded: Format/AppendFormat measure first and cap the result
// at CString::kMaxFormat characters; AfxFormatBuffer writes into a fixed
// buffer, truncating and always terminating. Both use the Windows C runtime's
// conventions, so "%s" takes a wide string.
#pragma once

#include <windows.h>
#include <stdarg.h>
#include <string>

class CString {
public:
  static const int kMaxFormat = 1 << 20;

  CString() = default;
  CString(const CString&) = default;
  CString(CString&&) = default;
  CString(LPCWSTR psz);
  CString(LPCWSTR pch, int nLength);
  CString(wchar_t ch, int nRepeat = 1);
  // Narrow text is taken as the ANSI code page.
  explicit CString(const char* psz);

  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) = default;
  CString& operator=(LPCWSTR psz);
  CString& operator=(wchar_t ch);

  int GetLength() const { return static_cast<int>(m_s.size()); }
  bool IsEmpty() const { return m_s.empty(); }
  void Empty() { m_s.clear(); }
  wchar_t GetAt(int i) const { return m_s.at(static_cast<size_t>(i)); }
  void SetAt(int i, wchar_t ch) { m_s.at(static_cast<size_t>(i)) = ch; }
  wchar_t operator[](int i) const { return GetAt(i); }
  LPCWSTR GetString() const { return m_s.c_str(); }
  operator LPCWSTR() const { return m_s.c_str(); }

  CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
  CString& operator+=(LPCWSTR psz);
  CString& operator+=(wchar_t ch) { m_s += ch; return *this; }

  int Compare(LPCWSTR psz) const;
  int CompareNoCase(LPCWSTR psz) const;

  CString Mid(int iFirst) const;
  CString Mid(int iFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;

  // -1 when not found.
  int Find(wchar_t ch, int iStart = 0) const;
  int Find(LPCWSTR psz, int iStart = 0) const;
  int ReverseFind(wchar_t ch) const;
  int FindOneOf(LPCWSTR pszCharSet) const;

  int Replace(wchar_t chOld, wchar_t chNew);
  int Replace(LPCWSTR pszOld, LPCWSTR pszNew);
  int Remove(wchar_t ch);
  int Insert(int iIndex, LPCWSTR psz);
  int Insert(int iIndex, wchar_t ch);
  int Delete(int iIndex, int nCount = 1);

  CString& MakeUpper();
  CString& Trim();
  CString& Trim(LPCWSTR pszTargets);
  CString& TrimLeft();
  CString& TrimLeft(LPCWSTR pszTargets);
  CString& TrimRight();
  CString& TrimRight(LPCWSTR pszTargets);

  // Next token after iStart; iStart becomes -1 after the last one.
  CString Tokenize(LPCWSTR pszTokens, int& iStart) const;

  void Format(LPCWSTR pszFormat, ...);
  void FormatV(LPCWSTR pszFormat, va_list args);
  void AppendFormat(LPCWSTR pszFormat, ...);
  void AppendFormatV(LPCWSTR pszFormat, va_list args);

  // Direct access: room for nMinLength characters plus the terminator. The
  // length is fixed again by ReleaseBuffer (-1 = up to the first zero).
  LPWSTR GetBuffer(int nMinLength);
  LPWSTR GetBuffer() { return GetBuffer(0); }
  LPWSTR GetBufferSetLength(int nLength);
  void ReleaseBuffer(int nNewLength = -1);

  const std::wstring& str() const { return m_s; }

private:
  std::wstring m_s;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCWSTR b);
CString operator+(LPCWSTR a, const CString& b);
CString operator+(const CString& a, wchar_t b);
CString operator+(wchar_t a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
inline bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
inline bool operator!=(LPCWSTR a, const CString& b) { return !(a == b); }
inline bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }

// Formats into buf (count characters including the terminator), cutting what
// does not fit; returns the number of characters written (without the
// terminator). A null or zero-sized buffer gets nothing.
int AfxFormatBuffer(wchar_t* buf, size_t count, LPCWSTR pszFormat, ...);
int AfxFormatBufferV(wchar_t* buf, size_t count, LPCWSTR pszFormat, va_list args);
