#include "PixelBuffer.h"

HBITMAP CreateTopDownDib32(int width, int height, void** bits) {
  *bits = nullptr;
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HBITMAP dib = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
  if (dib == nullptr) *bits = nullptr;
  return dib;
}

ScopedMemoryDC::ScopedMemoryDC(HDC compatible, HBITMAP bitmap)
    : m_hDC(::CreateCompatibleDC(compatible)), m_hOld(nullptr) {
  if (m_hDC && bitmap) m_hOld = ::SelectObject(m_hDC, bitmap);
}

ScopedMemoryDC::~ScopedMemoryDC() {
  if (m_hDC == nullptr) return;
  if (m_hOld) ::SelectObject(m_hDC, m_hOld);
  ::DeleteDC(m_hDC);
}

ScopedDib32::ScopedDib32(HDC compatible, int width, int height)
    : m_hBitmap(CreateTopDownDib32(width, height, &m_pBits)), m_hDC(nullptr), m_hOld(nullptr) {
  if (m_hBitmap == nullptr) return;
  m_hDC = ::CreateCompatibleDC(compatible);
  if (m_hDC) m_hOld = ::SelectObject(m_hDC, m_hBitmap);
}

ScopedDib32::~ScopedDib32() {
  if (m_hDC) {
    if (m_hOld) ::SelectObject(m_hDC, m_hOld);
    ::DeleteDC(m_hDC);
  }
  if (m_hBitmap) ::DeleteObject(m_hBitmap);
}

bool ReadPixels32(HDC source, int sx, int sy, int cx, int cy, std::vector<RGBQUAD>& pixels) {
  pixels.clear();
  if (source == nullptr || cx <= 0 || cy <= 0) return false;
  ScopedDib32 copy(source, cx, cy);
  if (!copy || !::BitBlt(copy.GetDC(), 0, 0, cx, cy, source, sx, sy, SRCCOPY)) return false;
  ::GdiFlush();
  pixels.assign(copy.GetBits(), copy.GetBits() + static_cast<size_t>(cx) * cy);
  return true;
}
