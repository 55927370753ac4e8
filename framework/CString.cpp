#include "CString.h"

#include <wchar.h>
#include <algorithm>

#include "CConvert.h"

namespace {

const wchar_t kWhitespace[] = L" \t\r\n\v\f";

bool IsIn(wchar_t ch, LPCWSTR set) { return set && ch && wcschr(set, ch) != nullptr; }

size_t Clamp(int i, size_t size) {
  if (i < 0) return 0;
  return std::min(static_cast<size_t>(i), size);
}

}  // namespace

CString::CString(LPCWSTR psz) {
  if (psz) m_s = psz;
}

CString::CString(LPCWSTR pch, int nLength) {
  if (pch && nLength > 0) m_s.assign(pch, static_cast<size_t>(nLength));
}

CString::CString(wchar_t ch, int nRepeat) {
  if (nRepeat > 0) m_s.assign(static_cast<size_t>(nRepeat), ch);
}

CString::CString(const char* psz) : m_s(static_cast<LPCWSTR>(CA2W(psz))) {}

CString& CString::operator=(LPCWSTR psz) {
  if (psz) m_s = psz; else m_s.clear();
  return *this;
}

CString& CString::operator=(wchar_t ch) {
  m_s.assign(1, ch);
  return *this;
}

CString& CString::operator+=(LPCWSTR psz) {
  if (psz) m_s += psz;
  return *this;
}

int CString::Compare(LPCWSTR psz) const { return wcscmp(m_s.c_str(), psz ? psz : L""); }

int CString::CompareNoCase(LPCWSTR psz) const { return _wcsicmp(m_s.c_str(), psz ? psz : L""); }

CString CString::Mid(int iFirst) const { return Mid(iFirst, GetLength()); }

CString CString::Mid(int iFirst, int nCount) const {
  size_t first = Clamp(iFirst, m_s.size());
  size_t count = Clamp(nCount, m_s.size() - first);
  return CString(m_s.c_str() + first, static_cast<int>(count));
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  size_t count = Clamp(nCount, m_s.size());
  return CString(m_s.c_str() + (m_s.size() - count), static_cast<int>(count));
}

int CString::Find(wchar_t ch, int iStart) const {
  if (iStart < 0 || static_cast<size_t>(iStart) > m_s.size()) return -1;
  size_t pos = m_s.find(ch, static_cast<size_t>(iStart));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(LPCWSTR psz, int iStart) const {
  if (!psz || iStart < 0 || static_cast<size_t>(iStart) > m_s.size()) return -1;
  size_t pos = m_s.find(psz, static_cast<size_t>(iStart));
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const {
  size_t pos = m_s.rfind(ch);
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::FindOneOf(LPCWSTR pszCharSet) const {
  if (!pszCharSet || !*pszCharSet) return -1;
  size_t pos = m_s.find_first_of(pszCharSet);
  return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int CString::Replace(wchar_t chOld, wchar_t chNew) {
  int n = 0;
  for (wchar_t& c : m_s) {
    if (c == chOld) {
      c = chNew;
      ++n;
    }
  }
  return n;
}

int CString::Replace(LPCWSTR pszOld, LPCWSTR pszNew) {
  if (!pszOld || !*pszOld) return 0;
  std::wstring from(pszOld), to(pszNew ? pszNew : L"");
  int n = 0;
  size_t pos = 0;
  while ((pos = m_s.find(from, pos)) != std::wstring::npos) {
    m_s.replace(pos, from.size(), to);
    pos += to.size();
    ++n;
  }
  return n;
}

int CString::Remove(wchar_t ch) {
  size_t before = m_s.size();
  m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
  return static_cast<int>(before - m_s.size());
}

int CString::Insert(int iIndex, LPCWSTR psz) {
  if (psz) m_s.insert(Clamp(iIndex, m_s.size()), psz);
  return GetLength();
}

int CString::Insert(int iIndex, wchar_t ch) {
  m_s.insert(Clamp(iIndex, m_s.size()), 1, ch);
  return GetLength();
}

int CString::Delete(int iIndex, int nCount) {
  size_t first = Clamp(iIndex, m_s.size());
  if (nCount > 0) m_s.erase(first, Clamp(nCount, m_s.size() - first));
  return GetLength();
}

CString& CString::MakeUpper() {
  if (!m_s.empty()) CharUpperBuffW(&m_s[0], static_cast<DWORD>(m_s.size()));
  return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(LPCWSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }
CString& CString::TrimLeft() { return TrimLeft(kWhitespace); }
CString& CString::TrimRight() { return TrimRight(kWhitespace); }

CString& CString::TrimLeft(LPCWSTR pszTargets) {
  size_t i = 0;
  while (i < m_s.size() && IsIn(m_s[i], pszTargets)) ++i;
  m_s.erase(0, i);
  return *this;
}

CString& CString::TrimRight(LPCWSTR pszTargets) {
  size_t n = m_s.size();
  while (n > 0 && IsIn(m_s[n - 1], pszTargets)) --n;
  m_s.resize(n);
  return *this;
}

CString CString::Tokenize(LPCWSTR pszTokens, int& iStart) const {
  if (iStart < 0 || static_cast<size_t>(iStart) >= m_s.size()) {
    iStart = -1;
    return CString();
  }
  size_t pos = static_cast<size_t>(iStart);
  while (pos < m_s.size() && IsIn(m_s[pos], pszTokens)) ++pos;
  if (pos >= m_s.size()) {
    iStart = -1;
    return CString();
  }
  size_t end = pos;
  while (end < m_s.size() && !IsIn(m_s[end], pszTokens)) ++end;
  iStart = static_cast<int>(end < m_s.size() ? end + 1 : end);
  return CString(m_s.c_str() + pos, static_cast<int>(end - pos));
}

void CString::Format(LPCWSTR pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::FormatV(LPCWSTR pszFormat, va_list args) {
  m_s.clear();
  AppendFormatV(pszFormat, args);
}

void CString::AppendFormat(LPCWSTR pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  AppendFormatV(pszFormat, args);
  va_end(args);
}

void CString::AppendFormatV(LPCWSTR pszFormat, va_list args) {
  if (!pszFormat) return;
  va_list measure;
  va_copy(measure, args);
  int need = _vscwprintf(pszFormat, measure);
  va_end(measure);
  if (need <= 0) return;
  if (need > kMaxFormat) need = kMaxFormat;
  size_t old = m_s.size();
  m_s.resize(old + static_cast<size_t>(need) + 1);
  int written = AfxFormatBufferV(&m_s[old], static_cast<size_t>(need) + 1, pszFormat, args);
  m_s.resize(old + static_cast<size_t>(written));
}

LPWSTR CString::GetBuffer(int nMinLength) {
  if (nMinLength > 0 && static_cast<size_t>(nMinLength) > m_s.size()) {
    size_t len = m_s.size();
    m_s.resize(static_cast<size_t>(nMinLength));
    std::fill(m_s.begin() + static_cast<std::ptrdiff_t>(len), m_s.end(), L'\0');
  }
  return &m_s[0];
}

LPWSTR CString::GetBufferSetLength(int nLength) {
  m_s.resize(nLength > 0 ? static_cast<size_t>(nLength) : 0);
  return &m_s[0];
}

void CString::ReleaseBuffer(int nNewLength) {
  size_t n = nNewLength < 0 ? wcsnlen(m_s.c_str(), m_s.size()) : Clamp(nNewLength, m_s.size());
  m_s.resize(n);
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, LPCWSTR b) { CString r(a); r += b; return r; }
CString operator+(LPCWSTR a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
CString operator+(wchar_t a, const CString& b) { CString r(a); r += b; return r; }

int AfxFormatBuffer(wchar_t* buf, size_t count, LPCWSTR pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  int n = AfxFormatBufferV(buf, count, pszFormat, args);
  va_end(args);
  return n;
}

int AfxFormatBufferV(wchar_t* buf, size_t count, LPCWSTR pszFormat, va_list args) {
  if (!buf || count == 0) return 0;
  buf[0] = L'\0';
  if (!pszFormat) return 0;
  // The runtime's bounded formatter leaves the buffer unterminated when the
  // text is cut; the last character is kept for the terminator.
  int n = _vsnwprintf(buf, count - 1, pszFormat, args);
  buf[count - 1] = L'\0';
  if (n < 0 || static_cast<size_t>(n) >= count) return static_cast<int>(wcslen(buf));
  buf[n] = L'\0';
  return n;
}
