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

 private:
  int m_nWidth;
  int m_nHeight;
  int m_nBitsPerPixel;
  HBITMAP m_hBitmap;
  void* m_pBits;
  CDC m_DC;
  HGDIOBJ m_hOld;
};
