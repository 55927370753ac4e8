// Small GDI helpers shared by the image classes: a 32-bit top-down DIB
// section, a memory DC holding a bitmap for the length of a scope, and the
// pixels of a part of a device context read out as 32-bit BGRA.
#pragma once

#include <windows.h>

#include <vector>

// A 32-bit top-down DIB section; *bits receives its memory. Null on failure.
HBITMAP CreateTopDownDib32(int width, int height, void** bits);

class ScopedMemoryDC {
 public:
  ScopedMemoryDC(HDC compatible, HBITMAP bitmap);
  ~ScopedMemoryDC();
  ScopedMemoryDC(const ScopedMemoryDC&) = delete;
  ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;

  operator HDC() const { return m_hDC; }
  explicit operator bool() const { return m_hDC != nullptr && m_hOld != nullptr; }

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};

// A 32-bit top-down DIB with its memory DC, freed at the end of the scope.
class ScopedDib32 {
 public:
  ScopedDib32(HDC compatible, int width, int height);
  ~ScopedDib32();
  ScopedDib32(const ScopedDib32&) = delete;
  ScopedDib32& operator=(const ScopedDib32&) = delete;

  explicit operator bool() const { return m_pBits != nullptr && m_hDC != nullptr; }
  HDC GetDC() const { return m_hDC; }
  RGBQUAD* GetBits() const { return static_cast<RGBQUAD*>(m_pBits); }

 private:
  HBITMAP m_hBitmap;
  void* m_pBits;
  HDC m_hDC;
  HGDIOBJ m_hOld;
};

// The part (sx, sy, cx, cy) of a device context as rows of BGRA, top first.
bool ReadPixels32(HDC source, int sx, int sy, int cx, int cy, std::vector<RGBQUAD>& pixels);

inline bool SameColour(const RGBQUAD& pixel, COLORREF key) {
  return pixel.rgbRed == GetRValue(key) && pixel.rgbGreen == GetGValue(key) && pixel.rgbBlue == GetBValue(key);
}
