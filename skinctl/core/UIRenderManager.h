// The colour scheme of the whole skin: hue/saturation/brightness conversions,
// scheme colours for the controls and in-place recolouring of skin images.
#pragma once

#include <windows.h>

#include "SkinctlApi.h"

class CImage;
class CDC;

// The colour that skin bitmaps use for "transparent". Recolouring never
// moves it, so a keyed picture stays keyed under any scheme.
const COLORREF SKIN_COLOR_KEY = RGB(255, 0, 255);

// A colour as three bytes, red first.
struct SKINCTL_API COLORRGB {
  BYTE red;
  BYTE green;
  BYTE blue;

  operator COLORREF() const { return static_cast<COLORREF>(red | (green << 8) | (blue << 16)); }
};

// Hue in degrees (0-360), saturation and brightness in 0-1.
struct SKINCTL_API COLORHSB {
  WORD hue;
  double saturation;
  double brightness;
};

// The scheme: a hue and two offsets in -1 ... +1 applied to every saturation
// and brightness. The default is the skin's own colouring.
struct SKINCTL_API _UIRenderInfo {
  WORD hue = 203;
  double saturation = 0.0;
  double brightness = 0.0;

  bool IsDefault() const { return hue == 203 && saturation == 0.0 && brightness == 0.0; }
};

class SKINCTL_API CUIRenderManager {
 public:
  CUIRenderManager();
  CUIRenderManager(const CUIRenderManager& other);
  CUIRenderManager& operator=(const CUIRenderManager& other);
  virtual ~CUIRenderManager();

  // The registered (first living) instance; null when there is none.
  static CUIRenderManager* GetInstance();

  _UIRenderInfo GetUIRenderInfo() const;
  void SetUIRenderInfo(const _UIRenderInfo& info);

  static COLORHSB RGBToHSB(COLORREF color);
  static COLORRGB HSBToRGB(WORD hue, double saturation, double brightness);

  // Moves x (0-1) towards 1 for a positive offset, towards 0 for a negative one.
  static double ApplyOffset(double value, double offset);

  // The given hue with the scheme's offsets applied to saturation and brightness.
  COLORRGB CompoundColor(WORD hue, double saturation, double brightness) const;
  // The scheme's hue with its offsets applied: the colour of a control part.
  COLORREF RenderColor(double saturation, double brightness) const;

  // Tints every pixel (or palette entry) of the image to the scheme's hue,
  // keeping its own saturation and brightness; pixels of the colour key
  // (SKIN_COLOR_KEY, or the given one) stay as they are.
  void RenderImage(CImage& image) const;
  void RenderImage(CImage& image, COLORREF key) const;
  // Looks at the bitmap selected into the context; changes nothing.
  void RenderImage(CDC* dc) const;

  // The pixel and colour-table passes of RenderImage, on raw DIB memory.
  // bits points at the first byte of row 0; pitch may be negative.
  void RenderPixels(BYTE* bits, int pitch, int width, int height, int bitsPerPixel,
                    COLORREF key = SKIN_COLOR_KEY) const;
  void RenderColorTable(RGBQUAD* table, int count, COLORREF key = SKIN_COLOR_KEY) const;

  static CUIRenderManager* m_pUIRenderManager;

 protected:
  _UIRenderInfo m_UIRenderInfo;

 private:
  // The tinted colour, or the colour itself when it is the key.
  COLORRGB TintColor(BYTE red, BYTE green, BYTE blue, COLORREF key) const;
};
