#include "SkinTestSupport.h"

TestDib MakeDib(int width, int height, int bpp, bool topDown, const RGBQUAD* palette, int entries) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info = {};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = topDown ? -height : height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bpp);
  info.header.biCompression = BI_RGB;
  if (bpp <= 8) {
    const int count = 1 << bpp;
    info.header.biClrUsed = count;
    for (int i = 0; i < count; ++i) {
      if (palette && i < entries) {
        info.colours[i] = palette[i];
      } else {
        const BYTE v = static_cast<BYTE>(i * 255 / (count - 1));
        info.colours[i] = RGBQUAD{v, v, v, 0};
      }
    }
  }
  TestDib dib;
  void* bits = nullptr;
  dib.bitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
  dib.bits = static_cast<BYTE*>(bits);
  dib.width = width;
  dib.height = height;
  dib.bpp = bpp;
  dib.stride = ((width * bpp + 31) / 32) * 4;
  dib.topDown = topDown;
  return dib;
}

TestCanvas::TestCanvas(int width, int height, COLORREF fill) : m_dib(MakeDib(width, height, 32, true)) {
  m_dc = CreateCompatibleDC(nullptr);
  m_old = SelectObject(m_dc, m_dib.bitmap);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      BYTE* p = m_dib.Row(y) + x * 4;
      p[0] = GetBValue(fill);
      p[1] = GetGValue(fill);
      p[2] = GetRValue(fill);
      p[3] = 0;
    }
}

TestCanvas::~TestCanvas() {
  SelectObject(m_dc, m_old);
  DeleteDC(m_dc);
  DeleteObject(m_dib.bitmap);
}

COLORREF TestCanvas::At(int x, int y) const {
  GdiFlush();
  const BYTE* p = m_dib.Row(y) + x * 4;
  return RGB(p[2], p[1], p[0]);
}

BYTE TestCanvas::AlphaAt(int x, int y) const {
  GdiFlush();
  return m_dib.Row(y)[x * 4 + 3];
}

std::wstring MakeTempFolder(const wchar_t* name) {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  std::wstring folder = std::wstring(base) + name + L"_" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}
