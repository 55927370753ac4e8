// The image library: PNG pictures from files and resources drawn with their
// alpha, bitmaps from resources drawn opaque, colour-keyed, blended and with
// constant alpha, regions cut from a bitmap's pixels, and copies.
// Runs in the folder of the skin's generated pictures.
#include <gtest/gtest.h>

#include "CBitImage.h"
#include "CDC.h"
#include "CPngImage.h"
#include "CRgn.h"
#include "SkinTestSupport.h"

namespace {

const COLORREF kKey = RGB(255, 0, 255);

// The skin library's module, for its resources only.
class SkinResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    module = LoadLibraryExW(L"Skinctl.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  }
  static void TearDownTestSuite() {
    if (module) FreeLibrary(module);
  }
  static HINSTANCE module;
};
HINSTANCE SkinResources::module = nullptr;

TEST(PngImage, LoadsFromAFileAndFailsCleanly) {
  CPngImage png;
  EXPECT_TRUE(png.IsNull());
  ASSERT_TRUE(png.LoadImageW(L"SKIN_WND_LOGO.png"));
  EXPECT_FALSE(png.IsNull());
  EXPECT_EQ(png.GetWidth(), 28);
  EXPECT_EQ(png.GetHeight(), 28);

  EXPECT_FALSE(png.LoadImageW(L"no-such-picture.png"));
  EXPECT_TRUE(png.IsNull());
  // Other formats decode through GDI+ at once.
  ASSERT_TRUE(png.LoadImageW(L"skin_2011.bmp"));
  EXPECT_EQ(png.GetWidth(), 345);
  EXPECT_FALSE(png.DrawImage(static_cast<CDC*>(nullptr), 0, 0));
}

TEST(PngImage, DrawsWithPerPixelAlpha) {
  CPngImage corner;
  ASSERT_TRUE(corner.LoadImageW(L"SKIN_WND_TL.png"));
  TestCanvas canvas(40, 40, RGB(10, 20, 30));
  ASSERT_TRUE(corner.DrawImage(CDC::FromHandle(canvas.dc()), 2, 3));
  EXPECT_EQ(canvas.At(2, 3), RGB(10, 20, 30));   // fully transparent corner pixel
  EXPECT_EQ(canvas.At(1, 20), RGB(10, 20, 30));  // left of the picture
  const COLORREF inside = canvas.At(2 + 20, 3 + 20);
  EXPECT_NE(inside, RGB(10, 20, 30));
  // An opaque pixel looks the same over any background.
  TestCanvas white(40, 40, RGB(255, 255, 255));
  corner.DrawImage(CDC::FromHandle(white.dc()), 2, 3);
  EXPECT_EQ(white.At(22, 23), inside);
  EXPECT_NE(white.At(2, 3), canvas.At(2, 3));
}

TEST(PngImage, DrawsASourcePartAndKeepsItInsideThePicture) {
  CPngImage logo;
  ASSERT_TRUE(logo.LoadImageW(L"SKIN_WND_LOGO.png"));
  TestCanvas whole(28, 28, RGB(0, 0, 0));
  logo.DrawImage(CDC::FromHandle(whole.dc()), 0, 0);
  TestCanvas part(40, 40, RGB(0, 0, 0));
  ASSERT_TRUE(logo.DrawImage(CDC::FromHandle(part.dc()), 5, 6, 10, 8, 14, 12));
  EXPECT_EQ(part.At(5, 6), whole.At(14, 12));
  EXPECT_EQ(part.At(14, 13), whole.At(23, 19));
  EXPECT_EQ(part.At(15, 6), RGB(0, 0, 0));
  EXPECT_EQ(part.At(5, 14), RGB(0, 0, 0));
  // Asking for more than the picture holds draws what there is.
  TestCanvas over(40, 40, RGB(0, 0, 0));
  EXPECT_TRUE(logo.DrawImage(CDC::FromHandle(over.dc()), 0, 0, 100, 100, 20, 20));
  EXPECT_EQ(over.At(7, 7), whole.At(27, 27));
  EXPECT_EQ(over.At(8, 8), RGB(0, 0, 0));
  EXPECT_FALSE(logo.DrawImage(CDC::FromHandle(over.dc()), 0, 0, 10, 10, 28, 0));
}

TEST_F(SkinResources, PngFromAModuleResource) {
  ASSERT_NE(module, nullptr);
  CPngImage png;
  ASSERT_TRUE(png.LoadImageW(module, L"SKIN_WND_TM"));
  EXPECT_EQ(png.GetWidth(), 44);
  EXPECT_EQ(png.GetHeight(), 34);
  EXPECT_FALSE(png.LoadImageW(module, L"NO_SUCH_PICTURE"));
  EXPECT_TRUE(png.IsNull());
  // The same picture from the file draws the same pixels.
  ASSERT_TRUE(png.LoadImageW(module, L"SKIN_WND_LOGO"));
  CPngImage file;
  ASSERT_TRUE(file.LoadImageW(L"SKIN_WND_LOGO.png"));
  TestCanvas a(28, 28, RGB(9, 9, 9)), b(28, 28, RGB(9, 9, 9));
  png.DrawImage(CDC::FromHandle(a.dc()), 0, 0);
  file.DrawImage(CDC::FromHandle(b.dc()), 0, 0);
  for (int y = 0; y < 28; ++y)
    for (int x = 0; x < 28; ++x) ASSERT_EQ(a.At(x, y), b.At(x, y));
}

TEST_F(SkinResources, BitmapFromAResourceIsADibSection) {
  CBitImage strip;
  ASSERT_TRUE(strip.LoadFromResource(module, 2011u));
  EXPECT_EQ(strip.GetWidth(), 345);
  EXPECT_EQ(strip.GetHeight(), 20);
  EXPECT_EQ(strip.GetBPP(), 24);
  EXPECT_NE(strip.GetBits(), nullptr);
  EXPECT_FALSE(strip.LoadFromResource(module, 1999u));
  EXPECT_TRUE(strip.IsNull());
  ASSERT_TRUE(strip.LoadFromResource(module, MAKEINTRESOURCEW(2032)));
  EXPECT_EQ(strip.GetWidth(), 256);
  EXPECT_EQ(strip.GetHeight(), 48);
}

TEST_F(SkinResources, OpaqueKeyedBlendedAndAlphaDrawing) {
  CBitImage strip;
  ASSERT_TRUE(strip.LoadFromResource(module, 2011u));
  TestCanvas reference(345, 20, RGB(0, 0, 0));
  EXPECT_NE(strip.BitBlt(reference.dc(), 0, 0, SRCCOPY), 0);
  EXPECT_EQ(reference.At(0, 0), kKey);  // the rounded corner is keyed out
  const COLORREF body = reference.At(30, 10);
  const COLORREF pressed = reference.At(69 + 30, 10);

  TestCanvas part(30, 30, RGB(0, 0, 0));
  EXPECT_NE(strip.BitBlt(part.dc(), 2, 3, 10, 10, 69 + 25, 5, SRCCOPY), 0);
  EXPECT_EQ(part.At(2, 3), reference.At(94, 5));
  EXPECT_EQ(part.At(12, 3), RGB(0, 0, 0));

  TestCanvas keyed(80, 30, RGB(7, 7, 7));
  CDC* dc = CDC::FromHandle(keyed.dc());
  ASSERT_TRUE(strip.TransDrawImage(dc, 0, 0, 69, 20, 0, 0, kKey));
  EXPECT_EQ(keyed.At(0, 0), RGB(7, 7, 7));
  EXPECT_EQ(keyed.At(30, 10), body);
  // Stretched part: one frame onto twice its width.
  TestCanvas stretched(140, 20, RGB(7, 7, 7));
  ASSERT_TRUE(strip.TransDrawImage(CDC::FromHandle(stretched.dc()), 0, 0, 138, 20, 69, 0, 69, 20, kKey));
  EXPECT_EQ(stretched.At(0, 0), RGB(7, 7, 7));
  EXPECT_EQ(stretched.At(60, 10), pressed);

  TestCanvas blended(80, 30, RGB(0, 0, 0));
  ASSERT_TRUE(strip.BlendDrawImage(CDC::FromHandle(blended.dc()), 0, 0, 69, 20, 0, 0, kKey, 128));
  EXPECT_EQ(blended.At(0, 0), RGB(0, 0, 0));
  EXPECT_NEAR(GetRValue(blended.At(30, 10)), GetRValue(body) * 128 / 255, 2);
  EXPECT_NEAR(GetBValue(blended.At(30, 10)), GetBValue(body) * 128 / 255, 2);

  TestCanvas faded(80, 30, RGB(0, 0, 0));
  ASSERT_TRUE(strip.AlphaDrawImage(CDC::FromHandle(faded.dc()), 0, 0, 69, 20, 0, 0, 69, 20, 255));
  EXPECT_EQ(faded.At(0, 0), kKey);  // no key here
  EXPECT_EQ(faded.At(30, 10), body);
  TestCanvas none(80, 30, RGB(3, 4, 5));
  strip.AlphaDrawImage(CDC::FromHandle(none.dc()), 0, 0, 69, 20, 0, 0, 69, 20, 0);
  EXPECT_EQ(none.At(30, 10), RGB(3, 4, 5));
}

TEST_F(SkinResources, RegionOfTheNonKeyPixels) {
  CBitImage strip;
  ASSERT_TRUE(strip.LoadFromResource(module, 2011u));
  CRgn region;
  ASSERT_TRUE(strip.CreateImageRegion(region, kKey));
  HRGN h = static_cast<HRGN>(region.GetSafeHandle());
  EXPECT_FALSE(PtInRegion(h, 0, 0));
  EXPECT_FALSE(PtInRegion(h, 344, 19));
  EXPECT_TRUE(PtInRegion(h, 0, 10));
  EXPECT_TRUE(PtInRegion(h, 30, 0));
  EXPECT_TRUE(PtInRegion(h, 344, 10));
  EXPECT_FALSE(PtInRegion(h, 345, 10));
  RECT box;
  GetRgnBox(h, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 345);
  EXPECT_EQ(box.bottom, 20);
  // A key that does not occur gives the whole rectangle.
  ASSERT_TRUE(strip.CreateImageRegion(region, RGB(1, 2, 3)));
  EXPECT_TRUE(PtInRegion(static_cast<HRGN>(region.GetSafeHandle()), 0, 0));
}

TEST_F(SkinResources, CopiesOwnTheirPixels) {
  CBitImage original;
  ASSERT_TRUE(original.LoadFromResource(module, 2026u));
  CBitImage copy(original);
  CBitImage assigned;
  assigned = original;
  ASSERT_FALSE(copy.IsNull());
  EXPECT_EQ(copy.GetWidth(), 40);
  EXPECT_EQ(copy.GetBPP(), original.GetBPP());
  EXPECT_NE(static_cast<HBITMAP>(copy), static_cast<HBITMAP>(original));
  TestCanvas before(40, 20, 0);
  copy.BitBlt(before.dc(), 0, 0, SRCCOPY);
  // Paint the original over; the copies keep their pixels.
  TestCanvas a(40, 20, 0);
  HDC dc = original.GetDC();
  PatBlt(dc, 0, 0, 40, 20, BLACKNESS);
  original.ReleaseDC();
  copy.BitBlt(a.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(a.At(10, 10), before.At(10, 10));
  EXPECT_NE(a.At(10, 10), RGB(0, 0, 0));
  TestCanvas b(40, 20, 0);
  assigned.BitBlt(b.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(b.At(10, 10), before.At(10, 10));
}

}  // namespace
