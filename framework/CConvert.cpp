#include "CConvert.h"

namespace {

template <class Char>
BOOL CopyWhole(const std::basic_string<Char>& text, Char* buffer, int size) {
  if (!buffer || size <= 0) return FALSE;
  if (text.size() >= static_cast<size_t>(size)) {
    buffer[0] = 0;
    return FALSE;
  }
  text.copy(buffer, text.size());
  buffer[text.size()] = 0;
  return TRUE;
}

}  // namespace

CW2A::CW2A(LPCWSTR psz, UINT nCodePage, int nLength) {
  if (!psz || nLength == 0) return;
  int n = WideCharToMultiByte(nCodePage, 0, psz, nLength, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return;
  m_s.resize(static_cast<size_t>(n));
  WideCharToMultiByte(nCodePage, 0, psz, nLength, &m_s[0], n, nullptr, nullptr);
  // A length of -1 counted the terminator.
  if (nLength < 0 && !m_s.empty() && m_s.back() == '\0') m_s.pop_back();
}

BOOL CW2A::CopyTo(LPSTR pszBuffer, int nSize) const { return CopyWhole(m_s, pszBuffer, nSize); }

CA2W::CA2W(LPCSTR psz, UINT nCodePage, int nLength) {
  if (!psz || nLength == 0) return;
  int n = MultiByteToWideChar(nCodePage, 0, psz, nLength, nullptr, 0);
  if (n <= 0) return;
  m_s.resize(static_cast<size_t>(n));
  MultiByteToWideChar(nCodePage, 0, psz, nLength, &m_s[0], n);
  // A length of -1 counted the terminator.
  if (nLength < 0 && !m_s.empty() && m_s.back() == L'\0') m_s.pop_back();
}

BOOL CA2W::CopyTo(LPWSTR pszBuffer, int nSize) const { return CopyWhole(m_s, pszBuffer, nSize); }
