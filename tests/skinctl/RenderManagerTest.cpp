// The colour scheme: conversions, the offset rule, scheme colours, the
// registered instance, and recolouring of images of every supported depth.
#include <gtest/gtest.h>

#include "CImage.h"
#include "SkinTestSupport.h"
#include "UIRenderManager.h"

namespace {

void ExpectRgb(const COLORRGB& c, int r, int g, int b) {
  EXPECT_EQ(c.red, r);
  EXPECT_EQ(c.green, g);
  EXPECT_EQ(c.blue, b);
}

_UIRenderInfo Scheme(WORD hue, double saturation, double brightness) {
  _UIRenderInfo info;
  info.hue = hue;
  info.saturation = saturation;
  info.brightness = brightness;
  return info;
}

TEST(RenderConversion, RgbToHsbOfTheCornerColours) {
  COLORHSB black = CUIRenderManager::RGBToHSB(RGB(0, 0, 0));
  EXPECT_EQ(black.hue, 0);
  EXPECT_DOUBLE_EQ(black.saturation, 0.0);
  EXPECT_DOUBLE_EQ(black.brightness, 0.0);

  COLORHSB white = CUIRenderManager::RGBToHSB(RGB(255, 255, 255));
  EXPECT_EQ(white.hue, 0);
  EXPECT_DOUBLE_EQ(white.saturation, 0.0);
  EXPECT_DOUBLE_EQ(white.brightness, 1.0);

  COLORHSB blue = CUIRenderManager::RGBToHSB(RGB(0, 0, 255));
  EXPECT_EQ(blue.hue, 240);
  EXPECT_DOUBLE_EQ(blue.saturation, 1.0);
  EXPECT_DOUBLE_EQ(blue.brightness, 1.0);

  COLORHSB grey = CUIRenderManager::RGBToHSB(RGB(90, 90, 90));
  EXPECT_EQ(grey.hue, 0);
  EXPECT_DOUBLE_EQ(grey.saturation, 0.0);
  EXPECT_NEAR(grey.brightness, 90 / 255.0, 1e-12);

  EXPECT_EQ(CUIRenderManager::RGBToHSB(RGB(0, 255, 0)).hue, 120);
  EXPECT_EQ(CUIRenderManager::RGBToHSB(RGB(255, 0, 0)).hue, 0);
}

TEST(RenderConversion, RgbToHsbReadsRedFromTheLowByteAndTruncatesTheHue) {
  // Red with a little more blue than green: just below 360, truncated.
  EXPECT_EQ(CUIRenderManager::RGBToHSB(RGB(255, 0, 1)).hue, 359);
  // Red with a little green: just above 0.
  EXPECT_EQ(CUIRenderManager::RGBToHSB(RGB(255, 4, 0)).hue, 0);
  EXPECT_EQ(CUIRenderManager::RGBToHSB(RGB(255, 5, 0)).hue, 1);
  // The order of the channels matters: 0x0000FF is red, not blue.
  EXPECT_EQ(CUIRenderManager::RGBToHSB(0x000000FF).hue, 0);
  EXPECT_EQ(CUIRenderManager::RGBToHSB(0x00FF0000).hue, 240);

  COLORHSB half = CUIRenderManager::RGBToHSB(RGB(200, 100, 100));
  EXPECT_EQ(half.hue, 0);
  EXPECT_NEAR(half.saturation, 0.5, 1e-12);
}

TEST(RenderConversion, HsbToRgbSectorsAndTheWrapAt360) {
  ExpectRgb(CUIRenderManager::HSBToRGB(0, 1, 1), 255, 0, 0);
  ExpectRgb(CUIRenderManager::HSBToRGB(360, 1, 1), 255, 0, 0);
  ExpectRgb(CUIRenderManager::HSBToRGB(60, 1, 1), 255, 255, 0);
  ExpectRgb(CUIRenderManager::HSBToRGB(120, 1, 1), 0, 255, 0);
  ExpectRgb(CUIRenderManager::HSBToRGB(180, 1, 1), 0, 255, 255);
  ExpectRgb(CUIRenderManager::HSBToRGB(240, 1, 1), 0, 0, 255);
  ExpectRgb(CUIRenderManager::HSBToRGB(300, 1, 1), 255, 0, 255);
  // Sector 3 halfway: (p, q, v) = (0, 0.5, 1) -> green truncated to 127.
  ExpectRgb(CUIRenderManager::HSBToRGB(210, 1, 1), 0, 127, 255);
}

TEST(RenderConversion, HsbToRgbClampsAndTruncates) {
  ExpectRgb(CUIRenderManager::HSBToRGB(500, 1, 1), 255, 0, 0);  // hue above 360 counts as 360
  ExpectRgb(CUIRenderManager::HSBToRGB(120, 2.0, 1.5), 0, 255, 0);
  ExpectRgb(CUIRenderManager::HSBToRGB(120, -1.0, 0.5), 127, 127, 127);
  ExpectRgb(CUIRenderManager::HSBToRGB(120, 1.0, -3.0), 0, 0, 0);
  ExpectRgb(CUIRenderManager::HSBToRGB(77, 0.0, 0.999), 254, 254, 254);
}

TEST(RenderConversion, RoundTripsKeepSaturationAndBrightness) {
  for (int r = 0; r < 256; r += 51)
    for (int g = 0; g < 256; g += 51)
      for (int b = 0; b < 256; b += 51) {
        COLORHSB hsb = CUIRenderManager::RGBToHSB(RGB(r, g, b));
        COLORRGB back = CUIRenderManager::HSBToRGB(hsb.hue, hsb.saturation, hsb.brightness);
        COLORHSB again = CUIRenderManager::RGBToHSB(back);
        EXPECT_NEAR(again.brightness, hsb.brightness, 1.0 / 255 + 1e-9) << r << "," << g << "," << b;
        EXPECT_NEAR(again.saturation, hsb.saturation, 0.02) << r << "," << g << "," << b;
      }
}

TEST(RenderOffset, MovesTowardsTheEnds) {
  EXPECT_DOUBLE_EQ(CUIRenderManager::ApplyOffset(0.3, 1.0), 1.0);
  EXPECT_DOUBLE_EQ(CUIRenderManager::ApplyOffset(0.3, -1.0), 0.0);
  EXPECT_DOUBLE_EQ(CUIRenderManager::ApplyOffset(0.3, 0.0), 0.3);
  EXPECT_DOUBLE_EQ(CUIRenderManager::ApplyOffset(0.5, 0.5), 0.75);
  EXPECT_DOUBLE_EQ(CUIRenderManager::ApplyOffset(0.5, -0.5), 0.25);
  EXPECT_DOUBLE_EQ(CUIRenderManager::ApplyOffset(0.0, 0.4), 0.4);
}

TEST(RenderColours, DefaultSchemeIsThePlainConversion) {
  CUIRenderManager render;
  _UIRenderInfo info = render.GetUIRenderInfo();
  EXPECT_EQ(info.hue, 203);
  EXPECT_EQ(info.saturation, 0.0);
  EXPECT_EQ(info.brightness, 0.0);
  for (double s = 0; s <= 1.0; s += 0.25)
    for (double b = 0; b <= 1.0; b += 0.25) EXPECT_EQ(render.RenderColor(s, b), COLORREF(CUIRenderManager::HSBToRGB(203, s, b)));
}

TEST(RenderColours, OffsetsApplyAndAPositiveSaturationTintsGreys) {
  CUIRenderManager render;
  render.SetUIRenderInfo(Scheme(120, 0.5, -0.5));
  // saturation 0 -> 0.5, brightness 0.8 -> 0.4, hue of the scheme.
  EXPECT_EQ(render.RenderColor(0.0, 0.8), COLORREF(CUIRenderManager::HSBToRGB(120, 0.5, 0.4)));
  // The given hue, saturation 0 -> 0.5 and brightness 1 -> 0.5.
  ExpectRgb(render.CompoundColor(0, 0.0, 1.0), 127, 63, 63);
  render.SetUIRenderInfo(Scheme(0, 0.5, 0.0));
  ExpectRgb(render.CompoundColor(0, 0.0, 1.0), 255, 127, 127);
  EXPECT_EQ(COLORREF(render.CompoundColor(0, 0.0, 1.0)), RGB(255, 127, 127));
}

TEST(RenderRegistration, FirstInstanceWinsAndOnlyItClearsTheStatic) {
  ASSERT_EQ(CUIRenderManager::GetInstance(), nullptr);
  {
    CUIRenderManager first;
    EXPECT_EQ(CUIRenderManager::GetInstance(), &first);
    {
      CUIRenderManager second;
      CUIRenderManager copy(first);
      EXPECT_EQ(CUIRenderManager::GetInstance(), &first);
    }
    EXPECT_EQ(CUIRenderManager::GetInstance(), &first);
  }
  EXPECT_EQ(CUIRenderManager::GetInstance(), nullptr);
}

TEST(RenderRegistration, CopiesAreIndependentValues) {
  CUIRenderManager a;
  a.SetUIRenderInfo(Scheme(10, 0.25, -0.25));
  CUIRenderManager b(a);
  EXPECT_EQ(b.GetUIRenderInfo().hue, 10);
  b.SetUIRenderInfo(Scheme(20, 0, 0));
  EXPECT_EQ(a.GetUIRenderInfo().hue, 10);
  a = b;
  EXPECT_EQ(a.GetUIRenderInfo().hue, 20);
}

// ------------------------------------------------------------ images

// Fills a DIB with a pattern of varied colours (and, for 32 bits, alphas).
void Pattern(TestDib& dib) {
  for (int y = 0; y < dib.height; ++y) {
    BYTE* row = dib.Row(y);
    for (int x = 0; x < dib.stride; ++x) row[x] = static_cast<BYTE>((x * 37 + y * 91 + 13) & 0xFF);
  }
}

class RenderImageTest : public ::testing::Test {
 protected:
  CImage image;
  TestDib Attach(int width, int height, int bpp, bool topDown, const RGBQUAD* palette = nullptr, int entries = 0) {
    TestDib dib = MakeDib(width, height, bpp, topDown, palette, entries);
    Pattern(dib);
    if (bpp == 16)
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) reinterpret_cast<WORD*>(dib.Row(y))[x] &= 0x7FFF;
    image.Attach(dib.bitmap);
    return dib;
  }
  std::vector<RGBQUAD> ColourTable() {
    std::vector<RGBQUAD> table(256);
    HDC dc = image.GetDC();
    table.resize(GetDIBColorTable(dc, 0, 256, table.data()));
    image.ReleaseDC();
    return table;
  }
};

TEST_F(RenderImageTest, DefaultSchemeLeavesEveryDepthByteForByte) {
  CUIRenderManager render;
  for (int bpp : {1, 4, 8, 16, 24, 32}) {
    for (bool topDown : {false, true}) {
      TestDib dib = Attach(13, 7, bpp, topDown);
      const std::vector<BYTE> before = dib.Bytes();
      const std::vector<RGBQUAD> table = bpp <= 8 ? ColourTable() : std::vector<RGBQUAD>();
      render.RenderImage(image);
      EXPECT_EQ(dib.Bytes(), before) << bpp << " bits";
      if (bpp <= 8) {
        const std::vector<RGBQUAD> after = ColourTable();
        ASSERT_EQ(after.size(), table.size());
        EXPECT_EQ(memcmp(after.data(), table.data(), table.size() * sizeof(RGBQUAD)), 0);
      }
      image.Destroy();
    }
  }
}

TEST_F(RenderImageTest, PaletteImagesKeepTheirIndicesAndTintTheirTable) {
  CUIRenderManager render;
  render.SetUIRenderInfo(Scheme(120, 0.0, 0.0));
  for (int bpp : {1, 4, 8}) {
    RGBQUAD palette[256];
    const int count = 1 << bpp;
    for (int i = 0; i < count; ++i) palette[i] = RGBQUAD{static_cast<BYTE>(i), 0, static_cast<BYTE>(255 - i), 0};
    palette[0] = RGBQUAD{0, 0, 255, 0};  // pure red
    TestDib dib = Attach(9, 5, bpp, false, palette, count);
    const std::vector<BYTE> indices = dib.Bytes();
    render.RenderImage(image);
    EXPECT_EQ(dib.Bytes(), indices) << bpp << " bits";
    const std::vector<RGBQUAD> table = ColourTable();
    ASSERT_EQ(static_cast<int>(table.size()), count);
    // Pure red became pure green: saturation and brightness kept, hue taken.
    EXPECT_EQ(table[0].rgbRed, 0);
    EXPECT_EQ(table[0].rgbGreen, 255);
    EXPECT_EQ(table[0].rgbBlue, 0);
    for (const RGBQUAD& q : table) {
      COLORHSB hsb = CUIRenderManager::RGBToHSB(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
      if (hsb.saturation > 0.05) {
        EXPECT_NEAR(hsb.hue, 120, 1) << bpp << " bits";
      }
    }
    image.Destroy();
  }
}

TEST_F(RenderImageTest, TrueColourPixelsTakeTheHueAndKeepSaturationBrightnessAndAlpha) {
  CUIRenderManager render;
  render.SetUIRenderInfo(Scheme(240, 0.0, 0.0));
  for (int bpp : {24, 32}) {
    for (bool topDown : {false, true}) {
      TestDib dib = Attach(11, 6, bpp, topDown);
      const std::vector<BYTE> before = dib.Bytes();
      render.RenderImage(image);
      const int bytes = bpp / 8;
      for (int y = 0; y < dib.height; ++y)
        for (int x = 0; x < dib.width; ++x) {
          const size_t at = static_cast<size_t>(topDown ? y : dib.height - 1 - y) * dib.stride + x * bytes;
          const BYTE* was = &before[at];
          const BYTE* now = dib.Row(y) + x * bytes;
          COLORHSB in = CUIRenderManager::RGBToHSB(RGB(was[2], was[1], was[0]));
          COLORRGB expect = CUIRenderManager::HSBToRGB(240, in.saturation, in.brightness);
          EXPECT_EQ(now[2], expect.red);
          EXPECT_EQ(now[1], expect.green);
          EXPECT_EQ(now[0], expect.blue);
          if (bytes == 4) {
            EXPECT_EQ(now[3], was[3]) << "alpha at " << x << "," << y;
          }
        }
      // Row padding past the last pixel is not touched.
      if (bpp == 24) {
        for (int y = 0; y < dib.height; ++y) {
          const size_t pad = static_cast<size_t>(topDown ? y : dib.height - 1 - y) * dib.stride + dib.stride - 1;
          EXPECT_EQ(dib.Row(y)[dib.stride - 1], before[pad]);
        }
      }
      image.Destroy();
    }
  }
}

TEST_F(RenderImageTest, SixteenBitPixelsKeepFullAndZeroIntensity) {
  CUIRenderManager render;
  render.SetUIRenderInfo(Scheme(120, 0.0, 0.0));
  TestDib dib = Attach(4, 2, 16, true);
  WORD* row0 = reinterpret_cast<WORD*>(dib.Row(0));
  WORD* row1 = reinterpret_cast<WORD*>(dib.Row(1));
  row0[0] = 0x7C00;  // full red
  row0[1] = 0x7FFF;  // white
  row0[2] = 0x0000;  // black
  row0[3] = 0x8000 | 0x001F;  // blue with bit 15 set
  row1[0] = 0x4210;  // mid grey (16, 16, 16)
  render.RenderImage(image);
  EXPECT_EQ(row0[0], 0x03E0);  // full green
  EXPECT_EQ(row0[1], 0x7FFF);
  EXPECT_EQ(row0[2], 0x0000);
  EXPECT_EQ(row0[3], 0x03E0);  // bit 15 written as 0
  EXPECT_EQ(row1[0], 0x4210);  // greys stay grey without a saturation offset
}

TEST_F(RenderImageTest, TheColourKeyStaysUnderAnyScheme) {
  CUIRenderManager render;
  render.SetUIRenderInfo(Scheme(120, 0.3, -0.2));
  // The skin's key at every depth that has one, another colour beside it.
  for (int bpp : {16, 24, 32}) {
    TestDib dib = Attach(3, 2, bpp, true);
    if (bpp == 16) {
      reinterpret_cast<WORD*>(dib.Row(0))[0] = 0x7C1F;  // 31, 0, 31
      reinterpret_cast<WORD*>(dib.Row(0))[1] = 0x7C00;
    } else {
      BYTE* p = dib.Row(0);
      p[0] = 255, p[1] = 0, p[2] = 255;
      p[bpp / 8 + 0] = 0, p[bpp / 8 + 1] = 0, p[bpp / 8 + 2] = 255;
    }
    render.RenderImage(image);
    if (bpp == 16) {
      EXPECT_EQ(reinterpret_cast<WORD*>(dib.Row(0))[0], 0x7C1F);
      EXPECT_NE(reinterpret_cast<WORD*>(dib.Row(0))[1], 0x7C00);
    } else {
      const BYTE* p = dib.Row(0);
      EXPECT_EQ(RGB(p[2], p[1], p[0]), SKIN_COLOR_KEY) << bpp;
      EXPECT_NE(RGB(p[bpp / 8 + 2], p[bpp / 8 + 1], p[bpp / 8]), RGB(255, 0, 0)) << bpp;
    }
    image.Destroy();
  }
  // A palette entry of the key colour, and a key of the caller's choosing.
  RGBQUAD palette[2] = {{255, 0, 255, 0}, {0, 200, 0, 0}};
  Attach(2, 2, 1, false, palette, 2);
  render.RenderImage(image);
  std::vector<RGBQUAD> table = ColourTable();
  EXPECT_EQ(RGB(table[0].rgbRed, table[0].rgbGreen, table[0].rgbBlue), SKIN_COLOR_KEY);
  image.Destroy();
  Attach(2, 2, 1, false, palette, 2);
  render.RenderImage(image, RGB(0, 200, 0));
  table = ColourTable();
  EXPECT_EQ(RGB(table[1].rgbRed, table[1].rgbGreen, table[1].rgbBlue), RGB(0, 200, 0));
  EXPECT_NE(RGB(table[0].rgbRed, table[0].rgbGreen, table[0].rgbBlue), SKIN_COLOR_KEY);
}

TEST_F(RenderImageTest, EmptyImageIsLeftAlone) {
  CUIRenderManager render;
  render.SetUIRenderInfo(Scheme(120, 0.5, 0.5));
  CImage empty;
  render.RenderImage(empty);
  EXPECT_TRUE(empty.IsNull());
}

}  // namespace
