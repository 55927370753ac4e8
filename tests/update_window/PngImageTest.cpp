// CPngImage over GDI+ alone (no Prismdraw beside this program): the shipped
// pictures, missing resources, and unscaled partial drawing.
#include <gtest/gtest.h>

#include "PixelAssert.h"

namespace {

HMODULE Self() { return GetModuleHandleW(nullptr); }

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

TEST(PngImage, DrawPartWithNoWidthDrawsNothing) {
  CPngImage line;
  ASSERT_TRUE(line.LoadFromResource(Self(), L"PROGRESS_LINE"));
  CMemDC canvas(20, 20);
  line.DrawPart(canvas.GetSafeHdc(), 0, 0, 0, 17, 0, 17);
  line.DrawPart(canvas.GetSafeHdc(), 0, 0, -5, 17, 0, 17);
  EXPECT_EQ(0u, canvas.GetARGB(0, 8));
}

}  // namespace
