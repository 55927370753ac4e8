// CImage over DIB sections: orientation and pitch, bits per pixel, colour
// tables, pictures decoded from real PNG and BMP files and resources,
// drawing with and without alpha, saving.
#include <gtest/gtest.h>

#include <cstring>

#include "CImage.h"
#include "CMemDC.h"
#include "TempFolder.h"

namespace {

const BYTE* Px(const CImage& img, int x, int y) { return static_cast<const BYTE*>(img.GetPixelAddress(x, y)); }

TEST(CImageCreate, BottomUpByDefaultWithANegativePitch) {
  CImage img;
  EXPECT_TRUE(img.IsNull());
  ASSERT_TRUE(img.Create(3, 5, 24));
  EXPECT_EQ(img.GetWidth(), 3);
  EXPECT_EQ(img.GetHeight(), 5);
  EXPECT_EQ(img.GetBPP(), 24);
  EXPECT_EQ(img.GetPitch(), -12);  // 9 bytes rounded to 12
  EXPECT_TRUE(img.IsDIBSection());
  DIBSECTION ds;
  ASSERT_EQ(GetObjectW(static_cast<HBITMAP>(img), sizeof(ds), &ds), static_cast<int>(sizeof(ds)));
  // GetBits is the top row, the last one in memory.
  EXPECT_EQ(static_cast<BYTE*>(img.GetBits()), static_cast<BYTE*>(ds.dsBm.bmBits) + 4 * 12);
  img.SetPixel(1, 0, RGB(1, 2, 3));
  GdiFlush();
  EXPECT_EQ(Px(img, 1, 0)[0], 3);
  EXPECT_EQ(Px(img, 1, 0)[2], 1);
  EXPECT_EQ(img.GetPixel(1, 0), RGB(1, 2, 3));
  EXPECT_EQ(img.GetPixelAddress(3, 0), nullptr);
}

TEST(CImageCreate, ANegativeHeightIsTopDown) {
  CImage img;
  ASSERT_TRUE(img.Create(2, -3, 32, CImage::createAlphaChannel));
  EXPECT_EQ(img.GetHeight(), 3);
  EXPECT_EQ(img.GetPitch(), 8);
  EXPECT_TRUE(img.HasAlphaChannel());
  CImage noAlpha;
  ASSERT_TRUE(noAlpha.Create(2, 2, 32));
  EXPECT_FALSE(noAlpha.HasAlphaChannel());
  CImage bad;
  EXPECT_FALSE(bad.Create(2, 2, 7));
  EXPECT_FALSE(bad.Create(0, 2, 24));
  EXPECT_TRUE(bad.IsNull());
}

TEST(CImageColourTable, ReadWriteAndItsEffectOnDrawing) {
  CImage img;
  ASSERT_TRUE(img.Create(2, 1, 8));
  EXPECT_TRUE(img.IsIndexed());
  EXPECT_EQ(img.GetMaxColorTableEntries(), 256);
  RGBQUAD table[2] = {{0, 0, 255, 0}, {0, 255, 0, 0}};  // red, green
  img.SetColorTable(0, 2, table);
  RGBQUAD back[2] = {};
  img.GetColorTable(0, 2, back);
  EXPECT_EQ(memcmp(table, back, sizeof(table)), 0);
  static_cast<BYTE*>(img.GetPixelAddress(0, 0))[0] = 0;
  static_cast<BYTE*>(img.GetPixelAddress(1, 0))[0] = 1;
  CMemDC dc(nullptr, 2, 1);
  ASSERT_TRUE(img.BitBlt(dc, 0, 0));
  EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(1, 0), RGB(0, 255, 0));
  // Changing the table recolours without touching the indices.
  RGBQUAD blue = {255, 0, 0, 0};
  img.SetColorTable(1, 1, &blue);
  img.BitBlt(dc, 0, 0);
  EXPECT_EQ(dc.GetPixel(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(Px(img, 1, 0)[0], 1);
  CImage rgb;
  ASSERT_TRUE(rgb.Create(1, 1, 24));
  EXPECT_EQ(rgb.GetMaxColorTableEntries(), 0);
}

TEST(CImageLoad, AnRGBAPngKeepsStraightAlpha) {
  CImage img;
  ASSERT_EQ(img.Load(L"rgba4x3.png"), S_OK);
  EXPECT_EQ(img.GetWidth(), 4);
  EXPECT_EQ(img.GetHeight(), 3);
  EXPECT_EQ(img.GetBPP(), 32);
  EXPECT_TRUE(img.HasAlphaChannel());
  EXPECT_LT(img.GetPitch(), 0);
  const BYTE* red = Px(img, 0, 0);
  EXPECT_EQ(red[2], 255);
  EXPECT_EQ(red[3], 255);
  const BYTE* blue = Px(img, 2, 0);
  EXPECT_EQ(blue[0], 255);
  const BYTE* halfRed = Px(img, 0, 1);
  EXPECT_EQ(halfRed[2], 255);
  EXPECT_EQ(halfRed[3], 128);
  EXPECT_EQ(Px(img, 1, 1)[3], 0);
  EXPECT_EQ(Px(img, 3, 2)[3], 1);

  img.PremultiplyAlpha();
  EXPECT_EQ(Px(img, 0, 1)[2], 128);
  EXPECT_EQ(Px(img, 0, 0)[2], 255);
  CMemDC dc(nullptr, 4, 3);
  dc.Clear(0xFFFFFFFF);
  ASSERT_TRUE(img.Draw(dc, 0, 0));
  EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 255, 255));  // transparent
  COLORREF mixed = dc.GetPixel(0, 1);
  EXPECT_NEAR(GetRValue(mixed), 255, 2);
  EXPECT_NEAR(GetGValue(mixed), 127, 3);
}

TEST(CImageLoad, PalettePicturesStayIndexed) {
  CImage img;
  ASSERT_EQ(img.Load(L"palette3x2.png"), S_OK);
  EXPECT_EQ(img.GetBPP(), 8);
  EXPECT_TRUE(img.IsIndexed());
  RGBQUAD table[4];
  img.GetColorTable(0, 4, table);
  EXPECT_EQ(table[1].rgbGreen, 128);
  EXPECT_EQ(table[3].rgbRed, 250);
  EXPECT_EQ(Px(img, 0, 0)[0], 0);
  EXPECT_EQ(Px(img, 2, 0)[0], 2);
  EXPECT_EQ(Px(img, 0, 1)[0], 3);
}

TEST(CImageLoad, OpaquePicturesFromFileAndResources) {
  CImage rgb;
  ASSERT_EQ(rgb.Load(L"rgb2x2.png"), S_OK);
  EXPECT_EQ(rgb.GetBPP(), 24);
  EXPECT_FALSE(rgb.HasAlphaChannel());
  EXPECT_EQ(rgb.GetPixel(1, 1), RGB(1, 2, 3));

  CImage png;
  ASSERT_EQ(png.Load(GetModuleHandleW(nullptr), L"RGBA_PNG", L"PNG"), S_OK);
  EXPECT_EQ(png.GetWidth(), 4);
  EXPECT_TRUE(png.HasAlphaChannel());
  EXPECT_EQ(Px(png, 0, 1)[3], 128);

  CImage bmp;
  bmp.LoadFromResource(GetModuleHandleW(nullptr), L"RGB_BITMAP");
  ASSERT_FALSE(bmp.IsNull());
  EXPECT_TRUE(bmp.IsDIBSection());
  EXPECT_EQ(bmp.GetBPP(), 24);
  EXPECT_EQ(bmp.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(bmp.GetPixel(2, 1), RGB(128, 128, 128));

  CImage file;
  ASSERT_EQ(file.Load(L"rgb3x2.bmp"), S_OK);
  EXPECT_EQ(file.GetPixel(1, 0), RGB(0, 255, 0));
}

TEST(CImageLoad, FailuresLeaveTheImageEmpty) {
  testwin::TempFolder tmp;
  CImage img;
  ASSERT_TRUE(img.Create(2, 2, 24));
  EXPECT_NE(img.Load(tmp.File(L"missing.png").c_str()), S_OK);
  EXPECT_TRUE(img.IsNull());
  EXPECT_NE(img.Load(tmp.Write(L"junk.png", "not a picture at all").c_str()), S_OK);
  EXPECT_TRUE(img.IsNull());
  EXPECT_NE(img.Load(tmp.Write(L"empty.png", "").c_str()), S_OK);
  EXPECT_NE(img.Load(GetModuleHandleW(nullptr), L"NO_SUCH", L"PNG"), S_OK);
  img.LoadFromResource(GetModuleHandleW(nullptr), 4242u);
  EXPECT_TRUE(img.IsNull());
}

TEST(CImageHandles, AttachDetachAndTheCountedDC) {
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 5, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  CImage img;
  img.Attach(dib);
  EXPECT_EQ(img.GetWidth(), 5);
  EXPECT_EQ(img.GetPitch(), 20);  // top-down bitmap
  EXPECT_EQ(img.GetBits(), bits);
  HDC a = img.GetDC();
  HDC b = img.GetDC();
  EXPECT_EQ(a, b);
  EXPECT_EQ(GetCurrentObject(a, OBJ_BITMAP), dib);
  img.ReleaseDC();
  EXPECT_EQ(GetCurrentObject(a, OBJ_BITMAP), dib);
  img.ReleaseDC();
  img.ReleaseDC();  // one too many: ignored
  EXPECT_EQ(img.Detach(), dib);
  EXPECT_TRUE(img.IsNull());
  EXPECT_TRUE(DeleteObject(dib));  // not selected anywhere any more
}

TEST(CImageSave, PngRoundTripKeepsPixelsAndAlpha) {
  testwin::TempFolder tmp;
  CImage src;
  ASSERT_EQ(src.Load(L"rgba4x3.png"), S_OK);
  std::wstring out = tmp.File(L"copy.png");
  ASSERT_EQ(src.Save(out.c_str()), S_OK);
  CImage back;
  ASSERT_EQ(back.Load(out.c_str()), S_OK);
  EXPECT_TRUE(back.HasAlphaChannel());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      if (Px(src, x, y)[3] == 0) continue;  // colour of invisible pixels is free
      EXPECT_EQ(memcmp(Px(src, x, y), Px(back, x, y), 4), 0) << x << "," << y;
    }
  CImage empty;
  EXPECT_NE(empty.Save(tmp.File(L"none.png").c_str()), S_OK);
}

}  // namespace
