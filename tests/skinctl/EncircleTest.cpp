// Window frames drawn from eight pieces: tiling along the edges with a
// clipped last tile, corners last, the three bitmap drawing forms, the
// recolouring of bitmap pieces, and the library's own frames.
#include <gtest/gtest.h>

#include "CDC.h"
#include "CRect.h"
#include "CWnd.h"
#include "EncircleBMP.h"
#include "EncirclePNG.h"
#include "SkinTestSupport.h"
#include "UIRenderManager.h"

namespace {

const COLORREF kBack = RGB(1, 2, 3);

struct Piece {
  const wchar_t* file;
  int width, height;
  COLORREF body, marker;  // marker: the first column (top/bottom) or row (sides) of a tile
};

// Piece order: TL, TM, TR, ML, MR, BL, BM, BR.
const Piece kPieces[ENCIRCLE_PIECES] = {
    {L"tl.bmp", 4, 3, RGB(255, 0, 0), RGB(255, 0, 0)},     {L"tm.bmp", 5, 3, RGB(0, 90, 0), RGB(0, 200, 0)},
    {L"tr.bmp", 3, 3, RGB(0, 0, 160), RGB(0, 0, 160)},     {L"ml.bmp", 2, 4, RGB(90, 90, 0), RGB(200, 200, 0)},
    {L"mr.bmp", 2, 4, RGB(0, 90, 90), RGB(0, 200, 200)},   {L"bl.bmp", 4, 2, RGB(120, 0, 120), RGB(120, 0, 120)},
    {L"bm.bmp", 5, 2, RGB(60, 60, 60), RGB(160, 160, 160)}, {L"br.bmp", 3, 2, RGB(250, 128, 0), RGB(250, 128, 0)},
};
const COLORREF kKey = RGB(255, 0, 255);

class BitmapFrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new std::wstring(MakeTempFolder(L"skin_frame"));
    for (int i = 0; i < ENCIRCLE_PIECES; ++i) {
      const Piece& p = kPieces[i];
      const bool sides = i == ENCIRCLE_MID_LEFT || i == ENCIRCLE_MID_RIGHT;
      WriteBmp(*folder + L"\\" + p.file, p.width, p.height, [&](int x, int y) {
        if (i == ENCIRCLE_TOP_LEFT && x == 1 && y == 1) return kKey;  // one keyed pixel
        return (sides ? y : x) == 0 ? p.marker : p.body;
      });
      paths[i] = *folder + L"\\" + p.file;
    }
  }
  static void TearDownTestSuite() { delete folder; }

  void SetUp() override {
    for (int i = 0; i < ENCIRCLE_PIECES; ++i) resource.lpszImage[i] = paths[i].c_str();
    ASSERT_TRUE(frame.InitEncircleResource(resource, nullptr));
  }

  static std::wstring* folder;
  static std::wstring paths[ENCIRCLE_PIECES];
  _EncircleResource resource;
  CEncircleBMP frame;
};
std::wstring* BitmapFrameTest::folder = nullptr;
std::wstring BitmapFrameTest::paths[ENCIRCLE_PIECES];

TEST_F(BitmapFrameTest, MeasuresTheEdgePieces) {
  _EncircleInfo info = {};
  EXPECT_TRUE(frame.GetEncircleInfo(info));
  EXPECT_EQ(info.nTop, 3);
  EXPECT_EQ(info.nBottom, 2);
  EXPECT_EQ(info.nLeft, 2);
  EXPECT_EQ(info.nRight, 2);
  CRect window(10, 20, 110, 80), inner;
  EXPECT_TRUE(frame.GetEncircleRect(window, inner));
  EXPECT_EQ(inner, CRect(12, 23, 108, 78));
}

TEST_F(BitmapFrameTest, TilesEdgesWithAClippedLastTileAndDrawsCornersLast) {
  TestCanvas canvas(23, 17, kBack);
  CDC* dc = CDC::FromHandle(canvas.dc());
  CRect r(2, 1, 21, 15);
  ASSERT_TRUE(frame.DrawEncircleFrame(dc, r));

  // Top: tiles from x = 6 every 5 pixels; the third is cut to 2 pixels and
  // ends flush with the top-right corner at x = 18.
  for (int x : {6, 11, 16}) EXPECT_EQ(canvas.At(x, 1), kPieces[ENCIRCLE_TOP_MID].marker) << x;
  for (int x : {7, 10, 15, 17}) EXPECT_EQ(canvas.At(x, 3), kPieces[ENCIRCLE_TOP_MID].body) << x;
  for (int x = 18; x < 21; ++x) EXPECT_EQ(canvas.At(x, 1), kPieces[ENCIRCLE_TOP_RIGHT].body) << x;
  // Bottom: the same along y = 13.
  for (int x : {6, 11, 16}) EXPECT_EQ(canvas.At(x, 13), kPieces[ENCIRCLE_BOTTOM_MID].marker) << x;
  EXPECT_EQ(canvas.At(17, 14), kPieces[ENCIRCLE_BOTTOM_MID].body);
  EXPECT_EQ(canvas.At(18, 14), kPieces[ENCIRCLE_BOTTOM_RIGHT].body);
  // Sides: tiles from y = 4 every 4 rows; the last is one row high.
  for (int y : {4, 8, 12}) {
    EXPECT_EQ(canvas.At(2, y), kPieces[ENCIRCLE_MID_LEFT].marker) << y;
    EXPECT_EQ(canvas.At(19, y), kPieces[ENCIRCLE_MID_RIGHT].marker) << y;
  }
  EXPECT_EQ(canvas.At(3, 11), kPieces[ENCIRCLE_MID_LEFT].body);
  EXPECT_EQ(canvas.At(20, 11), kPieces[ENCIRCLE_MID_RIGHT].body);
  EXPECT_EQ(canvas.At(2, 13), kPieces[ENCIRCLE_BOTTOM_LEFT].body);
  // Corners whole, at the rectangle's corners.
  EXPECT_EQ(canvas.At(2, 1), kPieces[ENCIRCLE_TOP_LEFT].body);
  EXPECT_EQ(canvas.At(5, 3), kPieces[ENCIRCLE_TOP_LEFT].body);
  EXPECT_EQ(canvas.At(3, 2), kKey);  // the opaque form copies the key colour too
  EXPECT_EQ(canvas.At(5, 14), kPieces[ENCIRCLE_BOTTOM_LEFT].body);
  EXPECT_EQ(canvas.At(20, 3), kPieces[ENCIRCLE_TOP_RIGHT].body);
  EXPECT_EQ(canvas.At(20, 14), kPieces[ENCIRCLE_BOTTOM_RIGHT].body);
  // Inside and outside the frame nothing is touched.
  for (int y = 4; y < 13; ++y)
    for (int x = 4; x < 19; ++x) ASSERT_EQ(canvas.At(x, y), kBack) << x << "," << y;
  for (int x = 0; x < 23; ++x) {
    EXPECT_EQ(canvas.At(x, 0), kBack);
    EXPECT_EQ(canvas.At(x, 15), kBack);
  }
  for (int y = 0; y < 17; ++y) {
    EXPECT_EQ(canvas.At(1, y), kBack);
    EXPECT_EQ(canvas.At(21, y), kBack);
  }
}

TEST_F(BitmapFrameTest, ARectangleNarrowerThanTheCornersGetsOnlyCorners) {
  TestCanvas canvas(5, 10, kBack);
  CRect r(0, 0, 5, 10);
  ASSERT_TRUE(frame.DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      EXPECT_NE(canvas.At(x, y), kPieces[ENCIRCLE_TOP_MID].body);
      EXPECT_NE(canvas.At(x, y), kPieces[ENCIRCLE_TOP_MID].marker);
    }
  EXPECT_EQ(canvas.At(1, 0), kPieces[ENCIRCLE_TOP_LEFT].body);
  // The corners overlap; the top-right one is drawn after the top-left one.
  EXPECT_EQ(canvas.At(2, 0), kPieces[ENCIRCLE_TOP_RIGHT].body);
  EXPECT_EQ(canvas.At(4, 2), kPieces[ENCIRCLE_TOP_RIGHT].body);
  EXPECT_EQ(canvas.At(0, 9), kPieces[ENCIRCLE_BOTTOM_LEFT].body);
  EXPECT_EQ(canvas.At(4, 9), kPieces[ENCIRCLE_BOTTOM_RIGHT].body);
}

TEST_F(BitmapFrameTest, KeyedAndBlendedFormsLeaveTheKeyColourOut) {
  {
    TestCanvas canvas(23, 17, kBack);
    CRect r(2, 1, 21, 15);
    ASSERT_TRUE(frame.DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r, kKey));
    EXPECT_EQ(canvas.At(3, 2), kBack);
    EXPECT_EQ(canvas.At(2, 1), kPieces[ENCIRCLE_TOP_LEFT].body);
    EXPECT_EQ(canvas.At(6, 1), kPieces[ENCIRCLE_TOP_MID].marker);
  }
  {
    TestCanvas canvas(23, 17, RGB(0, 0, 0));
    CRect r(2, 1, 21, 15);
    ASSERT_TRUE(frame.DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r, kKey, 128));
    EXPECT_EQ(canvas.At(3, 2), RGB(0, 0, 0));
    const COLORREF half = canvas.At(2, 1);  // red at about half strength over black
    EXPECT_NEAR(GetRValue(half), 128, 2);
    EXPECT_EQ(GetGValue(half), 0);
    EXPECT_EQ(GetBValue(half), 0);
  }
}

TEST_F(BitmapFrameTest, TheKeyStaysTransparentUnderAnotherScheme) {
  CUIRenderManager render;
  _UIRenderInfo blue;
  blue.hue = 240;
  blue.saturation = 0.1;
  render.SetUIRenderInfo(blue);
  // The skin's key, and a key of the caller's own (which the scheme would
  // otherwise turn blue).
  for (COLORREF key : {kKey, kPieces[ENCIRCLE_TOP_MID].marker}) {
    TestCanvas keyed(23, 17, kBack);
    CRect r(2, 1, 21, 15);
    ASSERT_TRUE(frame.DrawEncircleFrame(CDC::FromHandle(keyed.dc()), r, key));
    TestCanvas blended(23, 17, kBack);
    ASSERT_TRUE(frame.DrawEncircleFrame(CDC::FromHandle(blended.dc()), r, key, 200));
    const POINT at = key == kKey ? POINT{3, 2} : POINT{6, 1};
    EXPECT_EQ(keyed.At(at.x, at.y), kBack);
    EXPECT_EQ(blended.At(at.x, at.y), kBack);
    EXPECT_NE(keyed.At(2, 1), kBack);  // the rest is drawn, recoloured
  }
}

TEST_F(BitmapFrameTest, PiecesAreRecolouredByTheRegisteredSchemeAtEveryDrawing) {
  TestCanvas canvas(23, 17, kBack);
  CRect r(2, 1, 21, 15);
  {
    CUIRenderManager render;
    _UIRenderInfo green;
    green.hue = 120;
    render.SetUIRenderInfo(green);
    frame.DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r);
    EXPECT_EQ(canvas.At(2, 1), RGB(0, 255, 0));  // pure red became pure green
  }
  frame.DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r);
  EXPECT_EQ(canvas.At(2, 1), RGB(255, 0, 0));  // no scheme any more: the file's own colour
}

TEST_F(BitmapFrameTest, MissingPiecesDrawNothingAndCountAsZero) {
  _EncircleResource partial = resource;
  partial.lpszImage[ENCIRCLE_TOP_MID] = L"C:\\no\\such\\piece.bmp";
  CEncircleBMP broken;
  broken.InitEncircleResource(partial, nullptr);
  _EncircleInfo info = {};
  broken.GetEncircleInfo(info);
  EXPECT_EQ(info.nTop, 0);
  TestCanvas canvas(23, 17, kBack);
  CRect r(2, 1, 21, 15);
  EXPECT_TRUE(broken.DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r));
  EXPECT_EQ(canvas.At(8, 1), kBack);
  EXPECT_EQ(canvas.At(2, 1), kPieces[ENCIRCLE_TOP_LEFT].body);
}

TEST_F(BitmapFrameTest, CopiesCarryNamesAndSizes) {
  CEncircleBMP copy(frame);
  CEncircleBMP assigned;
  assigned = frame;
  for (CEncircleBMP* f : {&copy, &assigned}) {
    _EncircleInfo info = {};
    f->GetEncircleInfo(info);
    EXPECT_EQ(info.nTop, 3);
    TestCanvas canvas(23, 17, kBack);
    CRect r(2, 1, 21, 15);
    f->DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r);
    EXPECT_EQ(canvas.At(6, 1), kPieces[ENCIRCLE_TOP_MID].marker);
  }
}

TEST(FramePlacement, MovesAWindowInsideTheFrame) {
  CEncircleBMP frame;
  ASSERT_TRUE(frame.InitDefaultResource());
  _EncircleInfo info = {};
  frame.GetEncircleInfo(info);
  EXPECT_EQ(info.nTop, 25);
  EXPECT_EQ(info.nBottom, 2);
  EXPECT_EQ(info.nLeft, 2);
  EXPECT_EQ(info.nRight, 2);

  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
  CWnd child;
  ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 1));
  CRect outer(10, 20, 110, 90);
  EXPECT_TRUE(frame.SetWindowPos(&child, outer));
  CRect placed;
  child.GetWindowRect(&placed);
  parent.ScreenToClient(&placed);
  EXPECT_EQ(placed, CRect(12, 45, 108, 88));

  HDWP batch = BeginDeferWindowPos(1);
  CRect other(0, 0, 50, 60);
  EXPECT_TRUE(frame.DeferWindowPos(&child, batch, other));
  EndDeferWindowPos(batch);
  child.GetWindowRect(&placed);
  parent.ScreenToClient(&placed);
  EXPECT_EQ(placed, CRect(2, 25, 48, 58));

  EXPECT_FALSE(frame.SetWindowPos(nullptr, outer));
  CWnd unbound;
  EXPECT_FALSE(frame.SetWindowPos(&unbound, outer));
}

TEST(FramePlacement, ABatchOutgrowingItsCountStaysTheCallers) {
  CEncircleBMP frame;
  ASSERT_TRUE(frame.InitDefaultResource());
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
  CWnd children[3];
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(children[i].CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 10, 10), &parent, 10 + i));

  // Announced for one window, given three: the handle the caller ends the
  // batch with is the one the system last returned.
  HDWP batch = BeginDeferWindowPos(1);
  for (int i = 0; i < 3; ++i) {
    CRect outer(100 * i, 0, 100 * i + 50, 60);
    EXPECT_TRUE(frame.DeferWindowPos(&children[i], &batch, outer));
    ASSERT_NE(batch, nullptr);
  }
  EXPECT_TRUE(EndDeferWindowPos(batch));
  for (int i = 0; i < 3; ++i) {
    CRect placed;
    children[i].GetWindowRect(&placed);
    parent.ScreenToClient(&placed);
    EXPECT_EQ(placed, CRect(100 * i + 2, 25, 100 * i + 48, 58)) << i;
  }

  // No batch, or one the system does not know: nothing is claimed, and the
  // caller is not left holding a handle to end.
  CRect outer(0, 0, 50, 60);
  HDWP none = nullptr;
  EXPECT_FALSE(frame.DeferWindowPos(&children[0], &none, outer));
  EXPECT_FALSE(frame.DeferWindowPos(&children[0], static_cast<HDWP*>(nullptr), outer));
  EXPECT_FALSE(frame.DeferWindowPos(&children[0], none, outer));
  HDWP stale = BeginDeferWindowPos(1);
  ASSERT_TRUE(EndDeferWindowPos(stale));
  EXPECT_FALSE(frame.DeferWindowPos(&children[0], &stale, outer));
  EXPECT_EQ(stale, nullptr);
  HDWP live = BeginDeferWindowPos(1);
  EXPECT_FALSE(frame.DeferWindowPos(nullptr, &live, outer));
  EXPECT_NE(live, nullptr);
  EndDeferWindowPos(live);
}

// ------------------------------------------------------------ PNG frame

HINSTANCE Skinctl() { return GetModuleHandleW(L"Skinctl.dll"); }

_EncircleResource DialogPieces() {
  static const wchar_t* names[ENCIRCLE_PIECES] = {L"SKIN_WND_TL", L"SKIN_WND_TM", L"SKIN_WND_TR", L"SKIN_WND_ML",
                                                  L"SKIN_WND_MR", L"SKIN_WND_BL", L"SKIN_WND_BM", L"SKIN_WND_BR"};
  _EncircleResource resource;
  for (int i = 0; i < ENCIRCLE_PIECES; ++i) resource.lpszImage[i] = names[i];
  return resource;
}

TEST(PngFrame, TheDialogFrameIs34Over37And1Wide) {
  CEncirclePNG frame;
  _EncircleResource resource = DialogPieces();
  ASSERT_TRUE(frame.InitEncircleResource(resource, Skinctl()));
  _EncircleInfo info = {};
  frame.GetEncircleInfo(info);
  EXPECT_EQ(info.nTop, 34);
  EXPECT_EQ(info.nBottom, 37);
  EXPECT_EQ(info.nLeft, 1);
  EXPECT_EQ(info.nRight, 1);
  CRect window(0, 0, 200, 100), inner;
  frame.GetEncircleRect(window, inner);
  EXPECT_EQ(inner, CRect(1, 34, 199, 63));
}

TEST(PngFrame, DrawsEachPieceWithItsOwnAlphaWhereTheLayoutPutsIt) {
  CEncirclePNG frame;
  _EncircleResource resource = DialogPieces();
  frame.InitEncircleResource(resource, Skinctl());
  TestCanvas canvas(200, 100, RGB(30, 40, 50));
  CRect r(0, 0, 200, 100);
  ASSERT_TRUE(frame.DrawEncircleFrame(CDC::FromHandle(canvas.dc()), r));

  // Each piece alone on the same background, for comparison.
  auto alone = [](const wchar_t* name, int x, int y) {
    CPngImage piece;
    EXPECT_TRUE(piece.LoadImageW(Skinctl(), name));
    TestCanvas one(piece.GetWidth(), piece.GetHeight(), RGB(30, 40, 50));
    piece.DrawImage(CDC::FromHandle(one.dc()), 0, 0);
    return one.At(x, y);
  };
  EXPECT_EQ(canvas.At(0, 0), alone(L"SKIN_WND_TL", 0, 0));  // the rounded corner lets the background through
  EXPECT_EQ(canvas.At(0, 0), RGB(30, 40, 50));
  EXPECT_EQ(canvas.At(20, 20), alone(L"SKIN_WND_TL", 20, 20));
  EXPECT_EQ(canvas.At(37 + 44 + 3, 10), alone(L"SKIN_WND_TM", 3, 10));
  EXPECT_EQ(canvas.At(199 - 5, 30), alone(L"SKIN_WND_TR", 18 - 6, 30));
  EXPECT_EQ(canvas.At(0, 50), alone(L"SKIN_WND_ML", 0, 50 - 34));
  EXPECT_EQ(canvas.At(199, 50), alone(L"SKIN_WND_MR", 0, 0));
  EXPECT_EQ(canvas.At(100, 99 - 36 + 10), alone(L"SKIN_WND_BM", (100 - 17) % 30, 10));
  EXPECT_EQ(canvas.At(190, 90), alone(L"SKIN_WND_BR", 190 - 184, 90 - 63));
  EXPECT_EQ(canvas.At(100, 50), RGB(30, 40, 50));  // inside: untouched
}

}  // namespace
