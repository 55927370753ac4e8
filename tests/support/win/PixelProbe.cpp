#include "PixelProbe.h"

namespace testwin {

std::vector<uint32_t> Capture(HDC hdc, int x, int y, int w, int h) {
  std::vector<uint32_t> px;
  if (w <= 0 || h <= 0) return px;
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return px;
  HDC mem = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, w, h, hdc, x, y, SRCCOPY);
  GdiFlush();
  const uint32_t* p = static_cast<const uint32_t*>(bits);
  px.assign(p, p + static_cast<size_t>(w) * h);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(dib);
  return px;
}

}  // namespace testwin
