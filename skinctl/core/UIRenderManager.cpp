#include "UIRenderManager.h"

#include <cstring>

#include "CDC.h"
#include "CImage.h"

CUIRenderManager* CUIRenderManager::m_pUIRenderManager = nullptr;

namespace {

// Clamps to 0-1; anything that is not a number counts as 0.
double Unit(double value) {
  if (!(value >= 0.0)) return 0.0;
  return value > 1.0 ? 1.0 : value;
}

BYTE ToByte(double channel) { return static_cast<BYTE>(static_cast<int>(channel * 255.0)); }

// 5-bit component <-> byte; full intensity stays full, zero stays zero.
BYTE Widen5(unsigned component) { return static_cast<BYTE>((component << 3) | (component >> 2)); }
unsigned Narrow5(BYTE value) { return value >> 3; }

}  // namespace

CUIRenderManager::CUIRenderManager() {
  if (m_pUIRenderManager == nullptr) m_pUIRenderManager = this;
}

CUIRenderManager::CUIRenderManager(const CUIRenderManager& other) : m_UIRenderInfo(other.m_UIRenderInfo) {
  if (m_pUIRenderManager == nullptr) m_pUIRenderManager = this;
}

CUIRenderManager& CUIRenderManager::operator=(const CUIRenderManager& other) {
  m_UIRenderInfo = other.m_UIRenderInfo;
  return *this;
}

CUIRenderManager::~CUIRenderManager() {
  if (m_pUIRenderManager == this) m_pUIRenderManager = nullptr;
}

CUIRenderManager* CUIRenderManager::GetInstance() { return m_pUIRenderManager; }

_UIRenderInfo CUIRenderManager::GetUIRenderInfo() const { return m_UIRenderInfo; }

void CUIRenderManager::SetUIRenderInfo(const _UIRenderInfo& info) {
  m_UIRenderInfo.hue = info.hue;
  m_UIRenderInfo.saturation = info.saturation;
  m_UIRenderInfo.brightness = info.brightness;
}

COLORHSB CUIRenderManager::RGBToHSB(COLORREF color) {
  const double r = GetRValue(color) / 255.0;
  const double g = GetGValue(color) / 255.0;
  const double b = GetBValue(color) / 255.0;
  double max = r > g ? r : g;
  if (b > max) max = b;
  double min = r < g ? r : g;
  if (b < min) min = b;

  COLORHSB hsb = {0, 0.0, max};
  hsb.saturation = max == 0.0 ? 0.0 : 1.0 - min / max;
  if (max == min) return hsb;  // grey: no hue

  const double range = max - min;
  double hue;
  if (max == r) {
    hue = (g - b) * 60.0 / range;
    if (g < b) hue += 360.0;
  } else if (max == g) {
    hue = (b - r) * 60.0 / range + 120.0;
  } else {
    hue = (r - g) * 60.0 / range + 240.0;
  }
  hsb.hue = static_cast<WORD>(static_cast<int>(hue));
  return hsb;
}

COLORRGB CUIRenderManager::HSBToRGB(WORD hue, double saturation, double brightness) {
  const double s = Unit(saturation);
  const double v = Unit(brightness);
  if (hue > 360) hue = 360;

  double red = v, green = v, blue = v;
  if (s != 0.0) {
    const double f = hue / 60.0;
    const int sector = static_cast<int>(f);
    const double t = f - sector;
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - t * s);
    const double u = v * (1.0 - (1.0 - t) * s);
    switch (sector) {
      case 1: red = q; green = v; blue = p; break;
      case 2: red = p; green = v; blue = u; break;
      case 3: red = p; green = q; blue = v; break;
      case 4: red = u; green = p; blue = v; break;
      case 5: red = v; green = p; blue = q; break;
      default: red = v; green = u; blue = p; break;  // sectors 0 and 6
    }
  }
  COLORRGB rgb = {ToByte(red), ToByte(green), ToByte(blue)};
  return rgb;
}

double CUIRenderManager::ApplyOffset(double value, double offset) {
  if (offset > 0.0) return value + (1.0 - value) * offset;
  if (offset < 0.0) return value + value * offset;
  return value;
}

COLORRGB CUIRenderManager::CompoundColor(WORD hue, double saturation, double brightness) const {
  return HSBToRGB(hue, ApplyOffset(saturation, m_UIRenderInfo.saturation),
                  ApplyOffset(brightness, m_UIRenderInfo.brightness));
}

COLORREF CUIRenderManager::RenderColor(double saturation, double brightness) const {
  return CompoundColor(m_UIRenderInfo.hue, saturation, brightness);
}

COLORRGB CUIRenderManager::TintColor(BYTE red, BYTE green, BYTE blue, COLORREF key) const {
  if (RGB(red, green, blue) == key) return COLORRGB{red, green, blue};
  const COLORHSB hsb = RGBToHSB(RGB(red, green, blue));
  return CompoundColor(m_UIRenderInfo.hue, hsb.saturation, hsb.brightness);
}

void CUIRenderManager::RenderColorTable(RGBQUAD* table, int count, COLORREF key) const {
  for (int i = 0; i < count; ++i) {
    const COLORRGB c = TintColor(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, key);
    table[i].rgbRed = c.red;
    table[i].rgbGreen = c.green;
    table[i].rgbBlue = c.blue;
  }
}

void CUIRenderManager::RenderPixels(BYTE* bits, int pitch, int width, int height, int bitsPerPixel,
                                    COLORREF key) const {
  const int bytes = bitsPerPixel / 8;
  if (bits == nullptr || (bytes != 2 && bytes != 3 && bytes != 4)) return;
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) {
      BYTE* p = bits + static_cast<ptrdiff_t>(y) * pitch + static_cast<ptrdiff_t>(x) * bytes;
      if (bytes == 2) {
        WORD pixel;
        std::memcpy(&pixel, p, sizeof pixel);
        const COLORRGB c =
            TintColor(Widen5((pixel >> 10) & 0x1F), Widen5((pixel >> 5) & 0x1F), Widen5(pixel & 0x1F), key);
        pixel = static_cast<WORD>((Narrow5(c.red) << 10) | (Narrow5(c.green) << 5) | Narrow5(c.blue));
        std::memcpy(p, &pixel, sizeof pixel);
      } else {
        const COLORRGB c = TintColor(p[2], p[1], p[0], key);
        p[0] = c.blue;
        p[1] = c.green;
        p[2] = c.red;
      }
    }
  }
}

void CUIRenderManager::RenderImage(CImage& image) const { RenderImage(image, SKIN_COLOR_KEY); }

void CUIRenderManager::RenderImage(CImage& image, COLORREF key) const {
  if (image.IsNull() || m_UIRenderInfo.IsDefault()) return;
  const int bpp = image.GetBPP();
  if (bpp <= 8) {
    // Palette image: only the colour table changes, the indices stay.
    RGBQUAD table[256];
    const UINT wanted = 1u << bpp;
    HDC dc = image.GetDC();
    const UINT count = ::GetDIBColorTable(dc, 0, wanted, table);
    image.ReleaseDC();
    if (count == 0) return;
    RenderColorTable(table, static_cast<int>(count), key);
    dc = image.GetDC();
    ::SetDIBColorTable(dc, 0, count, table);
    image.ReleaseDC();
    return;
  }
  RenderPixels(static_cast<BYTE*>(image.GetBits()), image.GetPitch(), image.GetWidth(), image.GetHeight(), bpp, key);
}

void CUIRenderManager::RenderImage(CDC* dc) const {
  // Only looks at the selected bitmap; recolouring a bitmap through a device
  // context is not defined.
  if (dc == nullptr || dc->GetSafeHdc() == nullptr) return;
  BITMAP info = {};
  HGDIOBJ bitmap = ::GetCurrentObject(dc->GetSafeHdc(), OBJ_BITMAP);
  if (bitmap) ::GetObjectW(bitmap, sizeof info, &info);
}
