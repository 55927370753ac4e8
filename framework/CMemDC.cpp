#include "CMemDC.h"

#include <algorithm>

BOOL CMemDC::Create(CDC* pRefDC, int cx, int cy) {
  Release();
  if (cx <= 0 || cy <= 0) return FALSE;
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = cx;
  bi.bmiHeader.biHeight = -cy;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC ref = pRefDC ? pRefDC->m_hDC : nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(ref, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!hBitmap) return FALSE;
  if (!CreateCompatibleDC(pRefDC)) {
    ::DeleteObject(hBitmap);
    return FALSE;
  }
  m_hBitmap = hBitmap;
  m_pBits = static_cast<DWORD*>(bits);
  m_size = CSize(cx, cy);
  m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
  return TRUE;
}

void CMemDC::Release() {
  if (m_hDC && m_hOldBitmap) ::SelectObject(m_hDC, m_hOldBitmap);
  DeleteDC();
  if (m_hBitmap) ::DeleteObject(m_hBitmap);
  m_hBitmap = nullptr;
  m_hOldBitmap = nullptr;
  m_pBits = nullptr;
  m_size = CSize();
}

void CMemDC::Clear(DWORD argb) {
  if (!m_pBits) return;
  ::GdiFlush();
  std::fill(m_pBits, m_pBits + static_cast<size_t>(m_size.cx) * m_size.cy, argb);
}
