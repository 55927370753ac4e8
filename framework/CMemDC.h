// CMemDC: the off-screen 32-bit image - a memory DC with a 32-bit top-down
// DIB section selected, for composing a picture off screen, reading or
// writing its pixels directly (0xAARRGGBB, GetPitch bytes per row, row 0 at
// the top) and putting it on a window or a layered window in one blit.
//
// GDI leaves the alpha byte of what it draws at 0, which per-pixel alpha
// (UpdateLayeredWindow, AlphaBlend with AC_SRC_ALPHA) reads as transparent:
// SetOpaque marks such areas opaque; ClearRegion makes areas fully
// transparent. What GDI+ draws carries premultiplied alpha already.
#pragma once

#include "CDC.h"

class CMemDC : public CDC {
public:
  CMemDC() = default;
  // Compatible with pRefDC (the screen when null); check IsValid().
  CMemDC(CDC* pRefDC, int cx, int cy) { Create(pRefDC, cx, cy); }
  CMemDC(int cx, int cy) { Create(nullptr, cx, cy); }
  ~CMemDC() override { Release(); }

  // FALSE (nothing made) when the size is empty or the system refuses.
  BOOL Create(CDC* pRefDC, int cx, int cy);
  void Release();
  BOOL IsValid() const { return m_hBitmap != nullptr; }

  DWORD* GetBits() const { return m_pBits; }
  int GetPitch() const { return m_size.cx * 4; }
  CSize GetSize() const { return m_size; }
  int GetWidth() const { return m_size.cx; }
  int GetHeight() const { return m_size.cy; }
  HBITMAP GetBitmap() const { return m_hBitmap; }
  // The pixel at (x, y) as 0xAARRGGBB, alpha included; 0 outside the image.
  DWORD GetARGB(int x, int y) const;

  // Fills the bitmap with one 0xAARRGGBB value, alpha included.
  void Clear(DWORD argb);
  // Makes every pixel inside the region (image coordinates) 0, fully
  // transparent; the parts outside the image are ignored.
  void ClearRegion(HRGN hRgn);
  // Sets the alpha byte of every pixel inside the rectangle to 255, keeping
  // the colour; the parts outside the image are ignored.
  void SetOpaque(const RECT& rect);
  // Copies the whole image to (x, y) of another DC.
  BOOL CopyTo(HDC hDestDC, int x = 0, int y = 0) const;

private:
  // The rectangle clipped to the image; FALSE when nothing is left.
  BOOL ClipToImage(const RECT& rect, RECT* pClipped) const;

  HBITMAP m_hBitmap = nullptr;
  HGDIOBJ m_hOldBitmap = nullptr;
  DWORD* m_pBits = nullptr;
  CSize m_size;
};
