// The splitter, the tab control and the hyperlink on real windows: dragging
// within the range and what the sink is told, a release in place, a drag
// ended by a lost capture; the flat tabs; the hyperlink's size, colours,
// underline and notifications.
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "UIHyperLink.h"
#include "UISplitter.h"
#include "UITabCtrl.h"

namespace {

struct Moves : ISplitterEvent {
  void OnSplitterMove(UINT nID, int x, int y) override { calls.push_back({static_cast<int>(nID), x, y}); }
  struct Call {
    int id, x, y;
  };
  std::vector<Call> calls;
};

class SplitterTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Open());
    HWND bar = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 200, 20, 6, 200, host.m_hWnd,
                               reinterpret_cast<HMENU>(500), nullptr, nullptr);
    ASSERT_TRUE(splitter.SubclassWindow(bar));
    splitter.SetSplitterRange(100, 400);
    splitter.SetSplitterEvent(&sink);
  }
  // A press on the bar and a release at x (parent coordinates), as the bar
  // receives them while it holds the capture.
  void Drag(int releaseX, int releaseY = 100) {
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 50));
    CPoint at(releaseX, releaseY);
    host.ClientToScreen(&at);
    splitter.ScreenToClient(&at);
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  }
  CRect Placed() {
    CRect r;
    splitter.GetWindowRect(&r);
    host.ScreenToClient(&r);
    return r;
  }
  ControlHost host;
  CUISplitter splitter;
  Moves sink;
};

TEST_F(SplitterTest, SetUpAsAnOwnerDrawnNotifyingStatic) {
  const DWORD style = splitter.GetStyle();
  EXPECT_EQ(style & SS_TYPEMASK, static_cast<DWORD>(SS_OWNERDRAW));
  EXPECT_TRUE(style & SS_NOTIFY);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_TRUE(style & WS_CLIPSIBLINGS);
  // Painted in the scheme's colour, or in a fixed one.
  EXPECT_EQ(Capture(splitter.m_hWnd).At(3, 100), render.RenderColor(0.99, 0.42));
  splitter.SetSplitterColor(RGB(9, 99, 199));
  EXPECT_EQ(Capture(splitter.m_hWnd).At(3, 100), RGB(9, 99, 199));
  // The sizing cursor over the bar.
  splitter.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(splitter.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZEWE));
}

TEST_F(SplitterTest, AReleaseOutsideTheRangeStopsAtItsEdge) {
  Drag(50);
  EXPECT_EQ(Placed().left, 100);
  EXPECT_EQ(Placed().Width(), 6);
  ASSERT_EQ(sink.calls.size(), 1u);
  EXPECT_EQ(sink.calls[0].id, 500);
  EXPECT_EQ(sink.calls[0].x, 103);
  EXPECT_EQ(sink.calls[0].y, 120);  // the bar's centre across
  EXPECT_EQ(GetCapture(), nullptr);

  Drag(1000);
  EXPECT_EQ(Placed().left, 394);
  ASSERT_EQ(sink.calls.size(), 2u);
  EXPECT_EQ(sink.calls[1].x, 397);
  Drag(250);
  EXPECT_EQ(Placed().left, 247);
  EXPECT_EQ(sink.calls.back().x, 250);
}

TEST_F(SplitterTest, AReleaseInPlaceTellsNobody) {
  Drag(203);
  EXPECT_EQ(Placed().left, 200);
  EXPECT_TRUE(sink.calls.empty());
  // Nor does a click without a press.
  splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(sink.calls.empty());
}

TEST_F(SplitterTest, AHorizontalBarMovesUpAndDown) {
  CUISplitter bar;
  HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, 150, 300, 4, host.m_hWnd,
                               reinterpret_cast<HMENU>(501), nullptr, nullptr);
  ASSERT_TRUE(bar.SubclassWindow(plain));
  bar.SetSplitterType(SPLITTER_HORIZONTAL);
  bar.SetSplitterRange(50, 250);
  bar.SetSplitterEvent(&sink);
  bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 2));
  bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, static_cast<WORD>(2 - 120)));  // parent y 32, below the minimum
  CRect r;
  bar.GetWindowRect(&r);
  host.ScreenToClient(&r);
  EXPECT_EQ(r.top, 50);
  ASSERT_EQ(sink.calls.size(), 1u);
  EXPECT_EQ(sink.calls[0].y, 52);
  EXPECT_EQ(sink.calls[0].x, 170);
  bar.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(bar.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZENS));
}

TEST_F(SplitterTest, ADragEndsWithoutMovingWhenTheCaptureOrFocusGoes) {
  splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 50));
  EXPECT_EQ(GetCapture(), splitter.m_hWnd);
  host.SetCapture();  // another window takes the mouse (a message box would)
  splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-150, 50));
  EXPECT_EQ(Placed().left, 200);
  EXPECT_TRUE(sink.calls.empty());
  ReleaseCapture();

  splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 50));
  splitter.SendMessage(WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-150, 50));
  EXPECT_EQ(Placed().left, 200);
  EXPECT_TRUE(sink.calls.empty());
}

// ------------------------------------------------------------------ tab control

TEST(TabControlTest, PaintsFlatTabsAndThePageFrame) {
  CUIRenderManager render;
  CUIResourceManager resources;
  resources.SetUIResource(_UIRenderInfo());
  ControlHost host;
  ASSERT_TRUE(host.Open());
  CUITabCtrl tabs;
  ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(10, 10, 310, 210), &host, 600));
  tabs.InsertItem(0, L"Lobby");
  tabs.InsertItem(1, L"Tables");
  tabs.SetCurSel(1);
  const COLORREF border = RGB(145, 168, 183), back = RGB(250, 250, 250);
  WindowPixels shot = Capture(tabs.m_hWnd);
  EXPECT_EQ(shot.At(0, 100), border);
  EXPECT_EQ(shot.At(150, CUITabCtrl::PAGE_TOP), border);
  EXPECT_EQ(shot.At(shot.width - 1, 100), border);
  EXPECT_EQ(shot.At(150, 100), back);
  CRect first, second;
  tabs.GetItemRect(0, &first);
  tabs.GetItemRect(1, &second);
  // Outlines on the tabs' left edges with rounded corners; only the
  // unselected tab is closed along its bottom.
  EXPECT_EQ(shot.At(first.left, first.top + 4), border);
  EXPECT_EQ(shot.At(first.left, first.top), back);
  EXPECT_EQ(shot.At(first.left + 2, first.top), border);
  EXPECT_EQ(shot.At(first.left + 1, first.bottom - 1), border);
  if (second.bottom - 1 != CUITabCtrl::PAGE_TOP) {
    EXPECT_EQ(shot.At(second.left + 4, second.bottom - 1), back);
  }

  tabs.SetTabCtrlColor(RGB(20, 20, 20), RGB(200, 0, 0));
  shot = Capture(tabs.m_hWnd);
  EXPECT_EQ(shot.At(150, 100), RGB(20, 20, 20));
  EXPECT_EQ(shot.At(0, 100), RGB(200, 0, 0));
}

// ------------------------------------------------------------------ hyperlink

class HyperLinkTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Open()); }
  CSize Extent(const wchar_t* text, HFONT font, bool underline) {
    LOGFONTW face = {};
    GetObjectW(font, sizeof face, &face);
    face.lfUnderline = underline;
    HFONT used = CreateFontIndirectW(&face);
    HDC dc = GetDC(host.m_hWnd);
    HGDIOBJ old = SelectObject(dc, used);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    SelectObject(dc, old);
    ReleaseDC(host.m_hWnd, dc);
    DeleteObject(used);
    return CSize(size);
  }
  CSize Size(CWnd& w) {
    CRect r;
    w.GetWindowRect(&r);
    return r.Size();
  }
  // How many pixels of the link show the given colour.
  int Count(CWnd& link, COLORREF colour) {
    const WindowPixels shot = Capture(link.m_hWnd);
    int n = 0;
    for (int y = 0; y < shot.height; ++y)
      for (int x = 0; x < shot.width; ++x) n += shot.At(x, y) == colour;
    return n;
  }
  ControlHost host;
};

TEST_F(HyperLinkTest, SizesItselfToItsText) {
  CUIHyperLink link;
  ASSERT_TRUE(link.Create(L"Play now", WS_VISIBLE, CRect(20, 20, 300, 60), &host, 700));
  EXPECT_TRUE(link.IsAutoRectify());
  EXPECT_TRUE(link.IsUnderline());
  EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
  EXPECT_EQ(Size(link), Extent(L"Play now", SkinDefaultFont(), true));
  CRect r;
  link.GetWindowRect(&r);
  host.ScreenToClient(&r);
  EXPECT_EQ(r.TopLeft(), CPoint(20, 20));

  link.SetWindowText(L"Join the table");
  EXPECT_EQ(Size(link), Extent(L"Join the table", SkinDefaultFont(), true));
  // With auto-size off a new text keeps the window's size.
  link.SetAutoRectify(false);
  const CSize kept = Size(link);
  link.SetWindowText(L"Go");
  EXPECT_EQ(Size(link), kept);
  link.SetAutoRectify(true);
  EXPECT_EQ(Size(link), Extent(L"Go", SkinDefaultFont(), true));

  // Attached to a dialog's static: the same.
  HWND plain = CreateWindowExW(0, L"STATIC", L"Rules", WS_CHILD | WS_VISIBLE, 20, 80, 200, 30, host.m_hWnd,
                               reinterpret_cast<HMENU>(701), nullptr, nullptr);
  CUIHyperLink attached;
  ASSERT_TRUE(attached.SubclassWindow(plain));
  EXPECT_TRUE(attached.GetStyle() & SS_NOTIFY);
  EXPECT_EQ(Size(attached), Extent(L"Rules", SkinDefaultFont(), true));
}

TEST_F(HyperLinkTest, ColoursForNormalVisitedAndHover) {
  CUIHyperLink link;
  ASSERT_TRUE(link.Create(L"WWWW", WS_VISIBLE, CRect(20, 20, 300, 60), &host, 700));
  const CUIHyperLinkAttribute& shared = CUIHyperLink::m_UIAttribute;
  EXPECT_GT(Count(link, shared.m_crBackground), 0);
  EXPECT_GT(Count(link, shared.m_crNormal), 0);
  link.SetVisited(true);
  EXPECT_TRUE(link.IsVisiteded());
  EXPECT_GT(Count(link, shared.m_crVisited), 0);
  EXPECT_EQ(Count(link, shared.m_crNormal), 0);
  // Hovered, a visited link shows the hover colour.
  POINT inside = {2, 2};
  link.ClientToScreen(&inside);
  SetCursorPos(inside.x, inside.y);
  link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_GT(Count(link, shared.m_crHover), 0);
  EXPECT_EQ(Count(link, shared.m_crVisited), 0);
  // The pointer leaves: visited again.
  SetCursorPos(5, 700);
  ASSERT_TRUE(testwin::PumpUntil([&] { return Count(link, shared.m_crVisited) > 0; }, 2000));

  // Colours of its own.
  link.SetHyperLinkTextColor(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
  link.SetBackGroundColor(RGB(220, 230, 240));
  EXPECT_GT(Count(link, RGB(7, 8, 9)), 0);
  EXPECT_GT(Count(link, RGB(220, 230, 240)), 0);
}

TEST_F(HyperLinkTest, UnderlinedWhileTheFlagIsSet) {
  CUIHyperLink link;
  ASSERT_TRUE(link.Create(L"o o o o", WS_VISIBLE, CRect(20, 20, 300, 60), &host, 700));
  link.SetAutoRectify(false);
  link.SetWindowPos(nullptr, 0, 0, 150, 30, SWP_NOMOVE | SWP_NOZORDER);
  // An underline is a long row of text colour; the letters alone have none.
  auto longestRun = [&] {
    const WindowPixels shot = Capture(link.m_hWnd);
    int best = 0;
    for (int y = 0; y < shot.height; ++y) {
      int run = 0;
      for (int x = 0; x < shot.width; ++x) {
        run = shot.At(x, y) == CUIHyperLink::m_UIAttribute.m_crNormal ? run + 1 : 0;
        if (run > best) best = run;
      }
    }
    return best;
  };
  EXPECT_GT(longestRun(), 25);
  link.SetUnderLine(false);
  EXPECT_FALSE(link.IsUnderline());
  EXPECT_LT(longestRun(), 10);
}

TEST_F(HyperLinkTest, AClickReachesTheParentAndTheCursorIsAHand) {
  CUIHyperLink link;
  ASSERT_TRUE(link.Create(L"Help", WS_VISIBLE, CRect(20, 20, 300, 60), &host, 702));
  // The mouse is the link's own, not passed through to the parent.
  POINT inside = {2, 2};
  link.ClientToScreen(&inside);
  EXPECT_EQ(link.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
  link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  Pump();
  bool clicked = false;
  for (auto& c : host.commands) clicked |= c.first == 702 && c.second == STN_CLICKED;
  EXPECT_TRUE(clicked);
  EXPECT_TRUE(link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), LoadCursorW(GetModuleHandleW(L"Skinctl.dll"), MAKEINTRESOURCEW(2000)));
}

}  // namespace
