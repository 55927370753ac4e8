// CMemDC: a memory DC with a 32-bit top-down DIB section selected, for
// composing off screen and for reading or writing pixels directly
// (0xAARRGGBB, GetPitch bytes per row, row 0 at the top).
#pragma once

#include "CDC.h"

class CMemDC : public CDC {
public:
  CMemDC() = default;
  // Compatible with pRefDC (the screen when null); check IsValid().
  CMemDC(CDC* pRefDC, int cx, int cy) { Create(pRefDC, cx, cy); }
  ~CMemDC() override { Release(); }

  // FALSE (nothing made) when the size is empty or the system refuses.
  BOOL Create(CDC* pRefDC, int cx, int cy);
  void Release();
  BOOL IsValid() const { return m_hBitmap != nullptr; }

  DWORD* GetBits() const { return m_pBits; }
  int GetPitch() const { return m_size.cx * 4; }
  CSize GetSize() const { return m_size; }
  HBITMAP GetBitmap() const { return m_hBitmap; }
  // Fills the bitmap with one 0xAARRGGBB value, alpha included.
  void Clear(DWORD argb);

private:
  HBITMAP m_hBitmap = nullptr;
  HGDIOBJ m_hOldBitmap = nullptr;
  DWORD* m_pBits = nullptr;
  CSize m_size;
};
