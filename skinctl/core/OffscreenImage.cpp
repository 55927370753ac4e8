#include "OffscreenImage.h"

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
