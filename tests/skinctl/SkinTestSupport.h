// Helpers of the skin tests: DIB sections of any depth and orientation, an
// off-screen 32-bit canvas with a DC, and pixel access.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "CRect.h"

// Rectangles read as rectangles in failure messages.
inline void PrintTo(const CRect& r, std::ostream* os) {
  *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

// A DIB section owning its bits; topDown chooses the row order in memory.
struct TestDib {
  HBITMAP bitmap = nullptr;
  BYTE* bits = nullptr;
  int width = 0;
  int height = 0;
  int bpp = 0;
  int stride = 0;  // bytes per row in memory (always positive)
  bool topDown = false;

  // The memory of the pixel row y (0 = top row of the picture).
  BYTE* Row(int y) const { return bits + static_cast<size_t>(topDown ? y : height - 1 - y) * stride; }
  std::vector<BYTE> Bytes() const { return std::vector<BYTE>(bits, bits + static_cast<size_t>(stride) * height); }
};

// palette: entries for depths <= 8 (null: a grey ramp). The caller owns the
// bitmap (or hands it to an image).
TestDib MakeDib(int width, int height, int bpp, bool topDown, const RGBQUAD* palette = nullptr, int entries = 0);

// A 32-bit top-down canvas with a memory DC, filled with one colour.
class TestCanvas {
 public:
  TestCanvas(int width, int height, COLORREF fill);
  ~TestCanvas();
  TestCanvas(const TestCanvas&) = delete;
  TestCanvas& operator=(const TestCanvas&) = delete;

  HDC dc() const { return m_dc; }
  // RGB of a pixel (alpha ignored).
  COLORREF At(int x, int y) const;
  BYTE AlphaAt(int x, int y) const;
  int width() const { return m_dib.width; }
  int height() const { return m_dib.height; }

 private:
  TestDib m_dib;
  HDC m_dc = nullptr;
  HGDIOBJ m_old = nullptr;
};

// Writes a 24-bit BMP file of width x height; colour(x, y) gives each pixel.
template <class Colour>
bool WriteBmp(const std::wstring& path, int width, int height, Colour colour);

// A fresh folder under the temporary directory.
std::wstring MakeTempFolder(const wchar_t* name);

#include "SkinTestSupport.inl"
