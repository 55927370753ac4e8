// An off-screen drawing surface: a memory DC with a 32-bit top-down DIB
// section selected into it. Pixels are BGRA; what GDI+ draws into it carries
// premultiplied alpha, as UpdateLayeredWindow wants. Failure to get the DC or
// the bitmap raises the framework's out-of-memory exception.
#pragma once

#include <windows.h>

#include <memory>

class COffscreenCanvas {
public:
  COffscreenCanvas(int width, int height);
  ~COffscreenCanvas();
  COffscreenCanvas(const COffscreenCanvas&) = delete;
  COffscreenCanvas& operator=(const COffscreenCanvas&) = delete;

  // A window's back buffer kept in `kept`: made anew only when the size
  // changes, otherwise wholly cleared to transparent for the next painting.
  static COffscreenCanvas& Reuse(std::unique_ptr<COffscreenCanvas>& kept, int width, int height);

  HDC GetDC() const { return m_hDC; }
  int GetWidth() const { return m_nWidth; }
  int GetHeight() const { return m_nHeight; }
  // Makes every pixel inside region fully transparent (0, 0, 0, 0).
  void Clear(HRGN region);
  // Copies the whole surface to (0, 0) of dc.
  void CopyTo(HDC dc) const;
  // The pixel at (x, y) as 0xAARRGGBB; 0 outside the surface.
  DWORD GetPixel(int x, int y) const;

private:
  int m_nWidth;
  int m_nHeight;
  HDC m_hDC;
  HBITMAP m_hBitmap;
  HGDIOBJ m_hOldBitmap;
  DWORD* m_pBits;
};
