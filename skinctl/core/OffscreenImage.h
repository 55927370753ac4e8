// OffscreenImage: a DIB section of a given depth with a memory DC selected
// onto it, for composing a picture off screen and putting it on a window in
// one blit. Everything is released with the object.
#pragma once

#include <windows.h>

#include "CDC.h"

class OffscreenImage {
 public:
  OffscreenImage(int width, int height, int bitsPerPixel);
  ~OffscreenImage();
  OffscreenImage(const OffscreenImage&) = delete;
  OffscreenImage& operator=(const OffscreenImage&) = delete;

  explicit operator bool() const { return m_DC.GetSafeHdc() != nullptr; }
  HDC GetDC() const { return m_DC.GetSafeHdc(); }
  CDC* GetCDC() { return &m_DC; }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  // Row 0 first, rows of GetPitch() bytes (top-down).
  BYTE* GetBits() const { return static_cast<BYTE*>(m_pBits); }
  int GetPitch() const { return ((m_nWidth * m_nBitsPerPixel + 31) / 32) * 4; }
  // 32-bit images: marks the pixels of a rectangle fully opaque. GDI leaves
  // the alpha byte of what it draws at 0, which per-pixel alpha reads as
  // transparent.
  void SetOpaque(const RECT& area);
  // 32-bit images: makes the pixels of a region fully transparent.
  void ClearRegion(HRGN region);

 private:
  int m_nWidth;
  int m_nHeight;
  int m_nBitsPerPixel;
  HBITMAP m_hBitmap;
  void* m_pBits;
  CDC m_DC;
  HGDIOBJ m_hOld;
};
