#include "OffscreenImage.h"

#include <vector>

OffscreenImage::OffscreenImage(int width, int height, int bitsPerPixel)
    : m_nWidth(width), m_nHeight(height), m_nBitsPerPixel(bitsPerPixel), m_hBitmap(nullptr), m_pBits(nullptr),
      m_hOld(nullptr) {
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  m_hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
  if (m_hBitmap == nullptr) return;
  HDC dc = ::CreateCompatibleDC(nullptr);
  if (dc == nullptr) return;
  m_hOld = ::SelectObject(dc, m_hBitmap);
  m_DC.Attach(dc);
}

OffscreenImage::~OffscreenImage() {
  HDC dc = m_DC.Detach();
  if (dc) {
    ::SelectObject(dc, m_hOld);
    ::DeleteDC(dc);
  }
  if (m_hBitmap) ::DeleteObject(m_hBitmap);
}

void OffscreenImage::SetOpaque(const RECT& area) {
  if (m_pBits == nullptr || m_nBitsPerPixel != 32) return;
  RECT r;
  const RECT whole = {0, 0, m_nWidth, m_nHeight};
  if (!::IntersectRect(&r, &area, &whole)) return;
  ::GdiFlush();
  for (int y = r.top; y < r.bottom; ++y) {
    BYTE* row = GetBits() + static_cast<size_t>(y) * GetPitch();
    for (int x = r.left; x < r.right; ++x) row[x * 4 + 3] = 255;
  }
}

void OffscreenImage::ClearRegion(HRGN region) {
  if (m_pBits == nullptr || m_nBitsPerPixel != 32 || region == nullptr) return;
  const DWORD size = ::GetRegionData(region, 0, nullptr);
  if (size == 0) return;
  std::vector<BYTE> data(size);
  RGNDATA* rgn = reinterpret_cast<RGNDATA*>(data.data());
  if (::GetRegionData(region, size, rgn) == 0) return;
  ::GdiFlush();
  const RECT whole = {0, 0, m_nWidth, m_nHeight};
  const RECT* rects = reinterpret_cast<const RECT*>(rgn->Buffer);
  for (DWORD i = 0; i < rgn->rdh.nCount; ++i) {
    RECT r;
    if (!::IntersectRect(&r, &rects[i], &whole)) continue;
    for (int y = r.top; y < r.bottom; ++y)
      memset(GetBits() + static_cast<size_t>(y) * GetPitch() + r.left * 4, 0, static_cast<size_t>(r.right - r.left) * 4);
  }
}
