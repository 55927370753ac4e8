#include "COffscreenCanvas.h"

#include <algorithm>
#include <vector>

#include "CException.h"

COffscreenCanvas::COffscreenCanvas(int width, int height)
    : m_nWidth(width), m_nHeight(height), m_hDC(nullptr), m_hBitmap(nullptr), m_hOldBitmap(nullptr),
      m_pBits(nullptr) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  m_hDC = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  if (m_hDC != nullptr && width > 0 && height > 0) {
    m_hBitmap = CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  }
  if (m_hBitmap == nullptr || bits == nullptr) {
    if (m_hBitmap != nullptr) {
      DeleteObject(m_hBitmap);
    }
    if (m_hDC != nullptr) {
      DeleteDC(m_hDC);
    }
    AfxThrowMemoryException();
  }
  m_pBits = static_cast<DWORD*>(bits);
  m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
}

COffscreenCanvas::~COffscreenCanvas() {
  SelectObject(m_hDC, m_hOldBitmap);
  DeleteObject(m_hBitmap);
  DeleteDC(m_hDC);
}

COffscreenCanvas& COffscreenCanvas::Reuse(std::unique_ptr<COffscreenCanvas>& kept, int width, int height) {
  if (kept == nullptr || kept->m_nWidth != width || kept->m_nHeight != height) {
    kept.reset(new COffscreenCanvas(width, height));
  } else {
    GdiFlush();
    std::fill(kept->m_pBits, kept->m_pBits + static_cast<size_t>(width) * height, 0);
  }
  return *kept;
}

void COffscreenCanvas::Clear(HRGN region) {
  DWORD size = GetRegionData(region, 0, nullptr);
  if (size == 0) {
    return;
  }
  std::vector<BYTE> buffer(size);
  RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (GetRegionData(region, size, data) == 0) {
    return;
  }
  GdiFlush();
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  for (DWORD i = 0; i < data->rdh.nCount; ++i) {
    int left = rects[i].left < 0 ? 0 : rects[i].left;
    int right = rects[i].right > m_nWidth ? m_nWidth : rects[i].right;
    int top = rects[i].top < 0 ? 0 : rects[i].top;
    int bottom = rects[i].bottom > m_nHeight ? m_nHeight : rects[i].bottom;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        m_pBits[y * m_nWidth + x] = 0;
      }
    }
  }
}

void COffscreenCanvas::CopyTo(HDC dc) const {
  BitBlt(dc, 0, 0, m_nWidth, m_nHeight, m_hDC, 0, 0, SRCCOPY);
}

DWORD COffscreenCanvas::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight) {
    return 0;
  }
  GdiFlush();
  return m_pBits[y * m_nWidth + x];
}
