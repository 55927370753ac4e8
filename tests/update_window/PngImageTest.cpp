// CPngImage over GDI+ alone (no Prismdraw beside this program): the shipped
// pictures, missing resources, and unscaled partial drawing.
#include <gtest/gtest.h>

#include <objidl.h>
#include <gdiplus.h>

#include "PixelAssert.h"

namespace {

HMODULE Self() { return GetModuleHandleW(nullptr); }

// What GDI+ itself draws of a resource picture: the rectangle (srcX, srcY,
// w, h) onto (x, y) of dc, unscaled.
void DrawWithGdiplus(HDC dc, LPCWSTR name, int x, int y, int w, int h, int srcX, int srcY) {
  using namespace Gdiplus::DllExports;
  HRSRC info = FindResourceW(Self(), name, L"PNG");
  ASSERT_NE(nullptr, info);
  const DWORD size = SizeofResource(Self(), info);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(copy), LockResource(LoadResource(Self(), info)), size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  ASSERT_EQ(S_OK, CreateStreamOnHGlobal(copy, TRUE, &stream));
  Gdiplus::GpImage* image = nullptr;
  ASSERT_EQ(Gdiplus::Ok, GdipLoadImageFromStream(stream, &image));
  Gdiplus::GpGraphics* graphics = nullptr;
  ASSERT_EQ(Gdiplus::Ok, GdipCreateFromHDC(dc, &graphics));
  GdipDrawImageRectRectI(graphics, image, x, y, w, h, srcX, srcY, w, h, Gdiplus::UnitPixel, nullptr, nullptr,
                         nullptr);
  GdipDeleteGraphics(graphics);
  GdipDisposeImage(image);
  stream->Release();
}

TEST(PngImage, ShippedPicturesHaveTheirSizes) {
  struct { LPCWSTR name; int w, h; } pictures[] = {
      {L"UPDATE_FRAME_BACK", 414, 235}, {L"PROGRESS_LINE", 304, 34}, {L"PROGRESS_POINT", 26, 26},
      {L"BT_CLOSE", 69, 23},            {L"STATUS_IMAGE", 330, 69},
  };
  for (const auto& p : pictures) {
    CPngImage image;
    EXPECT_TRUE(image.LoadFromResource(Self(), p.name)) << p.name;
    EXPECT_EQ(p.w, image.GetWidth()) << p.name;
    EXPECT_EQ(p.h, image.GetHeight()) << p.name;
  }
}

TEST(PngImage, MissingResourceLeavesAnEmptyPicture) {
  CPngImage image;
  EXPECT_FALSE(image.LoadFromResource(Self(), L"NO_SUCH_PICTURE"));
  EXPECT_EQ(0, image.GetWidth());
  EXPECT_EQ(0, image.GetHeight());
  CMemDC canvas(8, 8);
  image.Draw(canvas.GetSafeHdc(), 0, 0);
  image.DrawPart(canvas.GetSafeHdc(), 0, 0, 8, 8, 0, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(0u, canvas.GetARGB(x, y));
}

TEST(PngImage, SecondLoadKeepsTheFirstPicture) {
  CPngImage image;
  ASSERT_TRUE(image.LoadFromResource(Self(), L"PROGRESS_POINT"));
  EXPECT_FALSE(image.LoadFromResource(Self(), L"UPDATE_FRAME_BACK"));
  EXPECT_EQ(26, image.GetWidth());
}

TEST(PngImage, DrawIsUnscaledAtItsOffset) {
  CPictureProbe probe(L"PROGRESS_POINT");
  ASSERT_TRUE(probe.Loaded());
  CPngImage image;
  ASSERT_TRUE(image.LoadFromResource(Self(), L"PROGRESS_POINT"));
  CMemDC canvas(40, 40);
  image.Draw(canvas.GetSafeHdc(), 10, 5);
  for (int y = 0; y < 26; y += 3)
    for (int x = 0; x < 26; x += 3) EXPECT_TRUE(SameColour(probe.At(x, y), canvas.GetARGB(10 + x, 5 + y)));
  EXPECT_EQ(0u, canvas.GetARGB(9, 5));
  EXPECT_EQ(0u, canvas.GetARGB(36, 31));
  // The knob is opaque in its middle.
  EXPECT_EQ(255, ChannelA(canvas.GetARGB(23, 18)));
}

TEST(PngImage, DrawPartCopiesTheSourceRectangleOnly) {
  CPictureProbe probe(L"PROGRESS_LINE");
  ASSERT_TRUE(probe.Loaded());
  CPngImage line;
  ASSERT_TRUE(line.LoadFromResource(Self(), L"PROGRESS_LINE"));
  CMemDC canvas(320, 20);
  // 100 pixels of the lower (filled) half.
  line.DrawPart(canvas.GetSafeHdc(), 3, 2, 100, 17, 0, 17);
  for (int x = 0; x < 100; x += 7) {
    EXPECT_TRUE(SameColour(probe.At(x, 17 + 8), canvas.GetARGB(3 + x, 2 + 8))) << x;
  }
  EXPECT_EQ(0u, canvas.GetARGB(3 + 100, 2 + 8));
  // The two halves really differ: empty track above, filled below.
  EXPECT_FALSE(SameColour(probe.At(50, 8), probe.At(50, 17 + 8), 20));
}

// The kept premultiplied pixels are blended exactly as GDI+ blends the
// decoded picture, over transparent, opaque and half-transparent ground.
TEST(PngImage, DrawingMatchesGdiplusOverAnyGround) {
  struct { LPCWSTR name; int w, h, srcX, srcY; } parts[] = {
      {L"UPDATE_FRAME_BACK", 414, 235, 0, 0}, {L"PROGRESS_LINE", 180, 17, 0, 17}, {L"PROGRESS_POINT", 26, 26, 0, 0},
      {L"BT_CLOSE", 23, 23, 46, 0},
  };
  const DWORD grounds[] = {0x00000000, 0xFF204060, 0x80402010};
  for (const auto& p : parts) {
    CPngImage image;
    ASSERT_TRUE(image.LoadFromResource(Self(), p.name)) << p.name;
    for (DWORD ground : grounds) {
      CMemDC ours(p.w + 10, p.h + 10), theirs(p.w + 10, p.h + 10);
      ours.Clear(ground);
      theirs.Clear(ground);
      image.DrawPart(ours.GetSafeHdc(), 4, 6, p.w, p.h, p.srcX, p.srcY);
      DrawWithGdiplus(theirs.GetSafeHdc(), p.name, 4, 6, p.w, p.h, p.srcX, p.srcY);
      EXPECT_EQ(0, CountDifferences(ours, theirs, 0, 0, p.w + 10, p.h + 10, 0)) << p.name << " over " << ground;
    }
  }
}

// A source rectangle reaching past the picture draws the part inside it,
// where it would have been, and nothing for the rest.
TEST(PngImage, DrawPartBeyondThePictureDrawsThePartInside) {
  CPictureProbe probe(L"PROGRESS_POINT");
  ASSERT_TRUE(probe.Loaded());
  CPngImage knob;
  ASSERT_TRUE(knob.LoadFromResource(Self(), L"PROGRESS_POINT"));
  CMemDC canvas(60, 60);
  knob.DrawPart(canvas.GetSafeHdc(), 10, 10, 40, 40, -10, 13);
  // Source (0, 13) lands at (20, 10); source column -1 and row 26 do not exist.
  EXPECT_TRUE(SameColour(probe.At(13, 13), canvas.GetARGB(33, 10), 0));
  EXPECT_TRUE(SameColour(probe.At(0, 25), canvas.GetARGB(20, 22), 0));
  EXPECT_EQ(0u, canvas.GetARGB(19, 12));
  EXPECT_EQ(0u, canvas.GetARGB(30, 23));
  knob.DrawPart(canvas.GetSafeHdc(), 0, 0, 5, 5, 26, 26);
  EXPECT_EQ(0u, canvas.GetARGB(0, 0));
}

TEST(PngImage, DrawPartWithNoWidthDrawsNothing) {
  CPngImage line;
  ASSERT_TRUE(line.LoadFromResource(Self(), L"PROGRESS_LINE"));
  CMemDC canvas(20, 20);
  line.DrawPart(canvas.GetSafeHdc(), 0, 0, 0, 17, 0, 17);
  line.DrawPart(canvas.GetSafeHdc(), 0, 0, -5, 17, 0, 17);
  EXPECT_EQ(0u, canvas.GetARGB(0, 8));
}

}  // namespace
