// Pixel helpers for the painting tests: colours of an off-screen canvas
// (0xAARRGGBB, premultiplied) and of the decoded resource pictures.
#pragma once

#include <windows.h>

#include <memory>

#include "CMemDC.h"
#include "CPngImage.h"

inline int ChannelR(DWORD argb) { return (argb >> 16) & 0xFF; }
inline int ChannelG(DWORD argb) { return (argb >> 8) & 0xFF; }
inline int ChannelB(DWORD argb) { return argb & 0xFF; }
inline int ChannelA(DWORD argb) { return (argb >> 24) & 0xFF; }

// The picture's own pixel (straight alpha turned premultiplied, as drawn into
// a cleared canvas), obtained by drawing it alone.
class CPictureProbe {
public:
  explicit CPictureProbe(LPCWSTR name) {
    m_Image.LoadFromResource(GetModuleHandleW(nullptr), name);
    int w = m_Image.GetWidth(), h = m_Image.GetHeight();
    if (w > 0 && h > 0) {
      m_pCanvas.reset(new CMemDC(w, h));
      m_Image.Draw(m_pCanvas->GetSafeHdc(), 0, 0);
    }
  }
  bool Loaded() const { return m_pCanvas != nullptr; }
  int Width() const { return m_Image.GetWidth(); }
  int Height() const { return m_Image.GetHeight(); }
  DWORD At(int x, int y) const { return m_pCanvas ? m_pCanvas->GetARGB(x, y) : 0; }

private:
  CPngImage m_Image;
  std::unique_ptr<CMemDC> m_pCanvas;
};

// Same colour within a small tolerance per channel (GDI+ rounding).
inline bool SameColour(DWORD a, DWORD b, int tolerance = 2) {
  return abs(ChannelR(a) - ChannelR(b)) <= tolerance && abs(ChannelG(a) - ChannelG(b)) <= tolerance &&
         abs(ChannelB(a) - ChannelB(b)) <= tolerance && abs(ChannelA(a) - ChannelA(b)) <= tolerance;
}

// Counts the pixels of the rectangle (x, y, w, h) where two canvases differ
// by more than the tolerance.
inline int CountDifferences(const CMemDC& a, const CMemDC& b, int x, int y, int w, int h,
                            int tolerance = 2) {
  int count = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i)
      if (!SameColour(a.GetARGB(i, j), b.GetARGB(i, j), tolerance)) ++count;
  return count;
}
