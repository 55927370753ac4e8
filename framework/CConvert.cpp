#include "CConvert.h"

CW2A::CW2A(LPCWSTR psz, UINT nCodePage) {
  if (!psz || !*psz) return;
  int n = WideCharToMultiByte(nCodePage, 0, psz, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return;
  m_s.resize(static_cast<size_t>(n));
  WideCharToMultiByte(nCodePage, 0, psz, -1, &m_s[0], n, nullptr, nullptr);
  m_s.resize(static_cast<size_t>(n - 1));
}

CA2W::CA2W(LPCSTR psz, UINT nCodePage, int nLength) {
  if (!psz || nLength == 0) return;
  int n = MultiByteToWideChar(nCodePage, 0, psz, nLength, nullptr, 0);
  if (n <= 0) return;
  m_s.resize(static_cast<size_t>(n));
  MultiByteToWideChar(nCodePage, 0, psz, nLength, &m_s[0], n);
  // A length of -1 counted the terminator.
  if (nLength < 0 && !m_s.empty() && m_s.back() == L'\0') m_s.pop_back();
}
