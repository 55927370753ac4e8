// GDI wrappers on real device contexts: memory-DC pixels, selection and
// restoring, regions and clipping, blending, a paint DC in a live window.
#include <gtest/gtest.h>

#include "AfxThreadState.h"
#include "CBrush.h"
#include "CClientDC.h"
#include "CFont.h"
#include "CMemDC.h"
#include "CPaintDC.h"
#include "CPen.h"
#include "CRgn.h"
#include "CWnd.h"
#include "MessagePump.h"
#include "PixelProbe.h"

namespace {

DWORD PixelAt(const CMemDC& dc, int x, int y) {
  GdiFlush();
  return dc.GetBits()[y * dc.GetSize().cx + x] & 0xFFFFFF;
}

TEST(CMemDCPixels, FillsLandInTheTopDownBits) {
  CMemDC dc(nullptr, 8, 4);
  ASSERT_TRUE(dc.IsValid());
  EXPECT_EQ(dc.GetPitch(), 32);
  dc.Clear(0xFF000000);
  dc.FillSolidRect(0, 0, 8, 1, RGB(10, 20, 30));
  EXPECT_EQ(PixelAt(dc, 0, 0), 0x0A141Eu);
  EXPECT_EQ(PixelAt(dc, 7, 0), 0x0A141Eu);
  EXPECT_EQ(PixelAt(dc, 0, 1), 0u);  // row 0 is the top
  EXPECT_EQ(dc.GetPixel(3, 0), RGB(10, 20, 30));
  // FillSolidRect leaves the background colour as it was.
  dc.SetBkColor(RGB(1, 1, 1));
  dc.FillSolidRect(CRect(0, 3, 2, 4), RGB(200, 0, 0));
  EXPECT_EQ(dc.GetBkColor(), RGB(1, 1, 1));
  dc.Clear(0xFF112233);
  EXPECT_EQ(dc.GetPixel(5, 2), RGB(0x11, 0x22, 0x33));
  EXPECT_EQ(dc.GetBits()[0] >> 24, 0xFFu);
}

TEST(CMemDCPixels, EmptySizesMakeNothing) {
  CMemDC dc;
  EXPECT_FALSE(dc.Create(nullptr, 0, 10));
  EXPECT_FALSE(dc.IsValid());
  EXPECT_EQ(dc.m_hDC, nullptr);
  EXPECT_TRUE(dc.Create(nullptr, 2, 2));
  dc.Release();
  EXPECT_EQ(dc.GetBits(), nullptr);
}

TEST(CMemDCPixels, OpaqueBodyTransparentRegionAndCopy) {
  CMemDC image(20, 10);
  ASSERT_TRUE(image.IsValid());
  EXPECT_EQ(image.GetWidth(), 20);
  EXPECT_EQ(image.GetHeight(), 10);
  image.FillSolidRect(0, 0, 20, 10, RGB(200, 100, 50));  // GDI leaves alpha at 0
  image.SetOpaque(CRect(2, 2, 18, 8));
  image.SetOpaque(CRect(-5, -5, 1, 1));  // clipped to the image
  CRgn hole;
  ASSERT_TRUE(hole.CreateRectRgn(5, 3, 15, 7));
  image.ClearRegion(static_cast<HRGN>(hole.GetSafeHandle()));
  CRgn beyond;
  ASSERT_TRUE(beyond.CreateRectRgn(19, 9, 400, 400));
  image.ClearRegion(static_cast<HRGN>(beyond.GetSafeHandle()));
  image.ClearRegion(nullptr);
  EXPECT_EQ(image.GetARGB(0, 0), 0xFFC86432u);  // the clipped corner
  EXPECT_EQ(image.GetARGB(1, 2), 0x00C86432u);  // outside: untouched
  EXPECT_EQ(image.GetARGB(2, 2), 0xFFC86432u);  // opaque body
  EXPECT_EQ(image.GetARGB(17, 7), 0xFFC86432u);
  EXPECT_EQ(image.GetARGB(18, 7), 0x00C86432u);
  EXPECT_EQ(image.GetARGB(5, 3), 0u);  // cleared: transparent and black
  EXPECT_EQ(image.GetARGB(14, 6), 0u);
  EXPECT_EQ(image.GetARGB(15, 6), 0xFFC86432u);
  EXPECT_EQ(image.GetARGB(19, 9), 0u);
  EXPECT_EQ(image.GetARGB(20, 0), 0u);  // outside the image
  EXPECT_EQ(image.GetARGB(0, -1), 0u);

  CMemDC target(30, 20);
  target.Clear(0xFF000000);
  EXPECT_TRUE(image.CopyTo(target, 4, 6));
  EXPECT_EQ(target.GetARGB(4 + 2, 6 + 2), 0xFFC86432u);
  EXPECT_EQ(target.GetARGB(3, 6), 0xFF000000u);
  CMemDC none;
  EXPECT_FALSE(none.CopyTo(target));
  EXPECT_EQ(none.GetARGB(0, 0), 0u);
}

TEST(CDCSelection, PenAndBrushDrawAndTheOldOnesComeBack) {
  CMemDC dc(nullptr, 20, 20);
  dc.Clear(0);
  CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
  CBrush brush(RGB(0, 0, 255));
  HGDIOBJ stockPen = GetCurrentObject(dc, OBJ_PEN);
  CPen* oldPen = dc.SelectObject(&pen);
  CBrush* oldBrush = dc.SelectObject(&brush);
  ASSERT_NE(oldPen, nullptr);
  EXPECT_EQ(oldPen->m_hObject, stockPen);
  dc.Rectangle(2, 2, 12, 12);
  EXPECT_EQ(PixelAt(dc, 2, 2), 0xFF0000u);    // border
  EXPECT_EQ(PixelAt(dc, 6, 6), 0x0000FFu);    // interior
  EXPECT_EQ(PixelAt(dc, 15, 15), 0u);
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), stockPen);
  // The wrapper for a stock object does not own it.
  AfxDeleteTempMaps();
  EXPECT_NE(GetObjectType(stockPen), 0u);
}

TEST(CDCText, APointFontMeasuresAndDraws) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, L"Tahoma"));
  LOGFONTW lf;
  ASSERT_GT(font.GetLogFont(&lf), 0);
  EXPECT_LT(lf.lfHeight, 0);
  CMemDC dc(nullptr, 120, 30);
  dc.Clear(0xFFFFFFFF);
  CFont* old = dc.SelectObject(&font);
  CSize one = dc.GetTextExtent(L"W");
  CSize many = dc.GetTextExtent(CString(L"WWWW"));
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(many.cx, one.cx * 3);
  EXPECT_EQ(dc.GetTextExtent(L"", 0).cx, 0);
  dc.SetTextColor(RGB(0, 0, 0));
  dc.SetBkMode(TRANSPARENT);
  CRect rc(0, 0, 120, 30);
  dc.DrawText(CString(L"Hello"), &rc, DT_LEFT | DT_TOP | DT_SINGLELINE);
  int dark = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) dark += PixelAt(dc, x, y) < 0x808080 ? 1 : 0;
  EXPECT_GT(dark, 10);
  dc.SelectObject(old);
}

TEST(CRgnShapes, CombineTestAndClip) {
  CRgn outer, hole, ring;
  ASSERT_TRUE(outer.CreateRectRgn(0, 0, 20, 20));
  ASSERT_TRUE(hole.CreateRectRgn(5, 5, 15, 15));
  ASSERT_TRUE(ring.CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(ring.CombineRgn(&outer, &hole, RGN_DIFF), COMPLEXREGION);
  EXPECT_TRUE(ring.PtInRegion(1, 1));
  EXPECT_FALSE(ring.PtInRegion(10, 10));
  CRect box;
  ring.GetRgnBox(&box);
  EXPECT_EQ(box, CRect(0, 0, 20, 20));
  CRgn empty;
  EXPECT_EQ(empty.CombineRgn(&outer, &hole, RGN_OR), ERROR);  // no region to receive it

  CMemDC dc(nullptr, 20, 20);
  dc.Clear(0);
  dc.SelectClipRgn(&ring);
  dc.FillSolidRect(0, 0, 20, 20, RGB(0, 255, 0));
  EXPECT_EQ(PixelAt(dc, 1, 1), 0x00FF00u);
  EXPECT_EQ(PixelAt(dc, 10, 10), 0u);
  dc.SelectClipRgn(nullptr);
  CBrush red(RGB(255, 0, 0));
  EXPECT_TRUE(dc.FillRgn(&hole, &red));
  EXPECT_EQ(PixelAt(dc, 10, 10), 0xFF0000u);
  ring.OffsetRgn(100, 0);
  EXPECT_TRUE(ring.PtInRegion(101, 1));
}

TEST(CDCBlits, CopyAndConstantAlphaBlend) {
  CMemDC src(nullptr, 4, 4), dst(nullptr, 4, 4);
  src.Clear(0xFFFFFFFF);
  dst.Clear(0xFF000000);
  EXPECT_TRUE(dst.BitBlt(0, 0, 2, 2, &src, 0, 0, SRCCOPY));
  EXPECT_EQ(PixelAt(dst, 1, 1), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(dst, 3, 3), 0u);
  BLENDFUNCTION half = {AC_SRC_OVER, 0, 128, 0};
  EXPECT_TRUE(dst.AlphaBlend(2, 2, 2, 2, &src, 0, 0, 2, 2, half));
  DWORD p = PixelAt(dst, 3, 3);
  EXPECT_NEAR(static_cast<int>(p & 0xFF), 128, 2);
  EXPECT_FALSE(dst.AlphaBlend(0, 0, 1, 1, nullptr, 0, 0, 1, 1, half));
}

class CPaintedWnd : public CWnd {
public:
  int paints = 0;
  COLORREF colour = RGB(0, 128, 255);

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT: OnPaint(); return 0;
      case WM_ERASEBKGND: return TRUE;
      default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

private:
  void OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, colour);
    ++paints;
  }
};

TEST(CPaintDCWindow, PaintingAWindowReachesItsPixels) {
  CPaintedWnd w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, L"paint", WS_POPUP | WS_VISIBLE, CRect(0, 0, 40, 30), nullptr, 0));
  w.RedrawWindow();
  EXPECT_TRUE(testwin::PumpUntil([&] { return w.paints > 0; }, 2000));
  {
    CClientDC dc(&w);
    ASSERT_NE(dc.m_hDC, nullptr);
    auto px = testwin::Capture(dc, 0, 0, 40, 30);
    ASSERT_EQ(px.size(), 1200u);
    EXPECT_EQ(testwin::At(px, 40, 20, 15), testwin::Rgb(RGB(0, 128, 255)));
  }
  // Nothing to paint after validation: no further WM_PAINT.
  int before = w.paints;
  testwin::PumpFor(50);
  EXPECT_EQ(w.paints, before);
}

}  // namespace
