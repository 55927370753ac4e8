#include "CMemDC.h"

#include <algorithm>
#include <vector>

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
  if (!hBitmap || !bits) {
    if (hBitmap) ::DeleteObject(hBitmap);
    return FALSE;
  }
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

DWORD CMemDC::GetARGB(int x, int y) const {
  if (!m_pBits || x < 0 || y < 0 || x >= m_size.cx || y >= m_size.cy) return 0;
  ::GdiFlush();
  return m_pBits[static_cast<size_t>(y) * m_size.cx + x];
}

void CMemDC::Clear(DWORD argb) {
  if (!m_pBits) return;
  ::GdiFlush();
  std::fill(m_pBits, m_pBits + static_cast<size_t>(m_size.cx) * m_size.cy, argb);
}

BOOL CMemDC::ClipToImage(const RECT& rect, RECT* pClipped) const {
  const RECT whole = {0, 0, m_size.cx, m_size.cy};
  return m_pBits && ::IntersectRect(pClipped, &rect, &whole);
}

void CMemDC::ClearRegion(HRGN hRgn) {
  if (!m_pBits || !hRgn) return;
  const DWORD size = ::GetRegionData(hRgn, 0, nullptr);
  if (size == 0) return;
  std::vector<BYTE> data(size);
  auto* rgn = reinterpret_cast<RGNDATA*>(data.data());
  if (::GetRegionData(hRgn, size, rgn) == 0) return;
  ::GdiFlush();
  const auto* rects = reinterpret_cast<const RECT*>(rgn->Buffer);
  for (DWORD i = 0; i < rgn->rdh.nCount; ++i) {
    RECT r;
    if (!ClipToImage(rects[i], &r)) continue;
    for (int y = r.top; y < r.bottom; ++y) {
      DWORD* row = m_pBits + static_cast<size_t>(y) * m_size.cx;
      std::fill(row + r.left, row + r.right, 0u);
    }
  }
}

void CMemDC::SetOpaque(const RECT& rect) {
  RECT r;
  if (!ClipToImage(rect, &r)) return;
  ::GdiFlush();
  for (int y = r.top; y < r.bottom; ++y) {
    DWORD* row = m_pBits + static_cast<size_t>(y) * m_size.cx;
    for (int x = r.left; x < r.right; ++x) row[x] |= 0xFF000000u;
  }
}

BOOL CMemDC::CopyTo(HDC hDestDC, int x, int y) const {
  if (!m_hDC || !hDestDC) return FALSE;
  return ::BitBlt(hDestDC, x, y, m_size.cx, m_size.cy, m_hDC, 0, 0, SRCCOPY);
}
