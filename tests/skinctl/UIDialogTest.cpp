// The skinned dialog: system buttons by style, their layout and hit tests,
// presses, the hover fade timer, the rounded region, the painting, and the
// layered companion window following the dialog.
#include <gtest/gtest.h>

#include "CDC.h"
#include "CMemDC.h"
#include "CPngImage.h"
#include "SkinTestSupport.h"
#include "UIDialog.h"
#include "UIResourceManager.h"

namespace {

const UINT kAllButtons = 201, kNoSysMenu = 202, kCloseOnly = 203, kWithControls = 204;

// Opens the protected state for the tests and records what reached it.
class TestDialog : public CUIDialog {
 public:
  TestDialog(UINT id, CWnd* parent) : CUIDialog(id, parent) {}

  BYTE State(int i) const { return m_bButtonState[i]; }
  BYTE Hover() const { return m_nHover; }
  BYTE Pressed() const { return m_nPressed; }
  bool TimerRunning() const { return m_bTimerRunning != 0; }
  WORD Fade(int i) const { return m_nFade[i]; }
  CRect Button(int i) const { return CRect(m_rcButton[i]); }
  CUILayered& Layered() { return m_Layered; }
  void Paint(CDC* dc, int cx, int cy) { PaintDialog(dc, cx, cy); }

  void OnDrawClientArea(CDC* dc, int cx, int cy) override {
    ++drawn;
    drawnSize = CSize(cx, cy);
    drawnFont = GetCurrentObject(dc->GetSafeHdc(), OBJ_FONT);
    dc->FillSolidRect(60, 60, 2, 2, RGB(1, 200, 3));
  }

  int closes = 0;
  int drawn = 0;
  CSize drawnSize;
  HGDIOBJ drawnFont = nullptr;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CLOSE) {
      ++closes;
      return 0;
    }
    return CUIDialog::WindowProc(message, wParam, lParam);
  }
};

void Pump(DWORD ms = 0) {
  const DWORD until = GetTickCount() + ms;
  do {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    if (ms) Sleep(5);
  } while (ms && static_cast<int>(until - GetTickCount()) > 0);
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }
POINT Centre(const CRect& r) { return r.CenterPoint(); }

class SkinnedDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { resources.SetUIResource(_UIRenderInfo()); }
  void Open(TestDialog& dialog, UINT id, CWnd* parent = nullptr) {
    ASSERT_TRUE(dialog.Create(id, parent));
    // Not activated: Wine without a window manager takes seconds to hand
    // activation on when an active window goes.
    dialog.ShowWindow(SW_SHOWNOACTIVATE);
    Pump();
  }
  CSize Client(CWnd& w) {
    CRect r;
    w.GetClientRect(&r);
    return r.Size();
  }
  CUIRenderManager render;
  CUIResourceManager resources;
};

TEST_F(SkinnedDialogTest, AllThreeButtonsWithSystemMenuAndBoxes) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  EXPECT_FALSE(dialog.GetStyle() & WS_CAPTION);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.State(i), CUIDialog::STATE_SHOWN | CUIDialog::STATE_NOT_HOVERED) << i;

  // Right-aligned 14 pixels from the edge, 2 pixels apart, 23 x 23 at y 5.
  const int cx = Client(dialog).cx;
  EXPECT_EQ(dialog.Button(0), CRect(cx - 23 - 14, 5, cx - 14, 28));
  EXPECT_EQ(dialog.Button(1), CRect(cx - 46 - 2 - 14, 5, cx - 23 - 2 - 14, 28));
  EXPECT_EQ(dialog.Button(2), CRect(cx - 69 - 4 - 14, 5, cx - 46 - 4 - 14, 28));

  EXPECT_EQ(dialog.HitTest(Centre(dialog.Button(0))), HTCLOSE);
  EXPECT_EQ(dialog.HitTest(Centre(dialog.Button(1))), HTMAXBUTTON);
  EXPECT_EQ(dialog.HitTest(Centre(dialog.Button(2))), HTMINBUTTON);
  EXPECT_EQ(dialog.HitTest(CPoint(40, 34)), HTCAPTION);
  EXPECT_EQ(dialog.HitTest(CPoint(40, 35)), HTCLIENT);
  EXPECT_EQ(dialog.HitTest(CPoint(cx - 13, 10)), HTCAPTION);  // right of the close button
}

TEST_F(SkinnedDialogTest, NoSystemMenuMeansNoButtonsAndNoFade) {
  TestDialog dialog(kNoSysMenu, nullptr);
  Open(dialog, kNoSysMenu);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.State(i), 0) << i;
  const int cx = Client(dialog).cx;
  EXPECT_EQ(dialog.HitTest(CPoint(cx - 25, 15)), HTCAPTION);
  dialog.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cx - 25, 15));
  EXPECT_FALSE(dialog.TimerRunning());
  EXPECT_EQ(dialog.Hover(), CUIDialog::BUTTON_NONE);
}

TEST_F(SkinnedDialogTest, BoxesClearedOnAnOwnedDialogLeaveOnlyClose) {
  CWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, L"STATIC", L"owner", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
  TestDialog dialog(kCloseOnly, &owner);
  Open(dialog, kCloseOnly, &owner);
  EXPECT_EQ(dialog.State(CUIDialog::BUTTON_CLOSE), CUIDialog::STATE_SHOWN | CUIDialog::STATE_NOT_HOVERED);
  EXPECT_EQ(dialog.State(CUIDialog::BUTTON_MAXIMIZE), 0);
  EXPECT_EQ(dialog.State(CUIDialog::BUTTON_MINIMIZE), 0);
  EXPECT_EQ(dialog.HitTest(Centre(dialog.Button(1))), HTCAPTION);
  dialog.DestroyWindow();
}

TEST_F(SkinnedDialogTest, WithoutAParentMinimiseStaysAndMaximiseIsDisabled) {
  TestDialog dialog(kCloseOnly, nullptr);
  Open(dialog, kCloseOnly);
  EXPECT_EQ(dialog.State(CUIDialog::BUTTON_MINIMIZE), CUIDialog::STATE_SHOWN | CUIDialog::STATE_NOT_HOVERED);
  EXPECT_EQ(dialog.State(CUIDialog::BUTTON_MAXIMIZE), CUIDialog::STATE_SHOWN | CUIDialog::STATE_DISABLED);
  // A disabled button neither presses nor hovers.
  const POINT max = Centre(dialog.Button(1));
  dialog.SendMessage(WM_MOUSEMOVE, 0, At(max));
  EXPECT_EQ(dialog.Hover(), CUIDialog::BUTTON_NONE);
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(max));
  EXPECT_EQ(dialog.Pressed(), CUIDialog::BUTTON_NONE);
  dialog.SendMessage(WM_LBUTTONUP, 0, At(max));
}

TEST_F(SkinnedDialogTest, AClosePressReleasedOutsideDoesNotClose) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  const POINT close = Centre(dialog.Button(0));
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(close));
  EXPECT_EQ(dialog.Pressed(), CUIDialog::BUTTON_CLOSE);
  EXPECT_EQ(GetCapture(), dialog.m_hWnd);
  dialog.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 80));
  Pump(50);
  EXPECT_EQ(dialog.closes, 0);
  EXPECT_EQ(dialog.Pressed(), CUIDialog::BUTTON_NONE);
  EXPECT_NE(GetCapture(), dialog.m_hWnd);

  // Released on another button: still nothing.
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(close));
  dialog.SendMessage(WM_LBUTTONUP, 0, At(Centre(dialog.Button(2))));
  Pump(50);
  EXPECT_EQ(dialog.closes, 0);
  EXPECT_FALSE(dialog.IsIconic());

  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(close));
  dialog.SendMessage(WM_LBUTTONUP, 0, At(close));
  Pump(50);
  EXPECT_EQ(dialog.closes, 1);
}

TEST_F(SkinnedDialogTest, APressWhoseCaptureIsTakenComesBackUpAndDoesNothing) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  CWnd other;
  ASSERT_TRUE(other.CreateEx(0, L"STATIC", L"other", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
  const POINT close = Centre(dialog.Button(0));
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(close));
  ASSERT_EQ(dialog.Pressed(), CUIDialog::BUTTON_CLOSE);
  // Another window takes the mouse, as a message box or a switch to another
  // program does mid-press.
  other.SetCapture();
  EXPECT_EQ(dialog.Pressed(), CUIDialog::BUTTON_NONE);
  ::ReleaseCapture();
  dialog.SendMessage(WM_LBUTTONUP, 0, At(close));
  Pump(50);
  EXPECT_EQ(dialog.closes, 0);

  // Dropped with nobody taking it over.
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(close));
  ASSERT_EQ(dialog.Pressed(), CUIDialog::BUTTON_CLOSE);
  ::ReleaseCapture();
  EXPECT_EQ(dialog.Pressed(), CUIDialog::BUTTON_NONE);

  // The button is drawn up again: as the untouched close button.
  CMemDC pressed(Client(dialog).cx, Client(dialog).cy), now(Client(dialog).cx, Client(dialog).cy);
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(close));
  dialog.Paint(&pressed, pressed.GetWidth(), pressed.GetHeight());
  other.SetCapture();
  ::ReleaseCapture();
  dialog.Paint(&now, now.GetWidth(), now.GetHeight());
  const CRect button = dialog.Button(0);
  int differing = 0;
  for (int y = button.top; y < button.bottom; ++y)
    for (int x = button.left; x < button.right; ++x) differing += pressed.GetARGB(x, y) != now.GetARGB(x, y);
  EXPECT_GT(differing, 0);

  // A normal press and release still closes.
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(close));
  dialog.SendMessage(WM_LBUTTONUP, 0, At(close));
  Pump(50);
  EXPECT_EQ(dialog.closes, 1);
  other.DestroyWindow();
}

TEST_F(SkinnedDialogTest, MaximiseTogglesAndMinimiseIconifies) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  POINT max = Centre(dialog.Button(1));
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(max));
  dialog.SendMessage(WM_LBUTTONUP, 0, At(max));
  Pump(50);
  EXPECT_TRUE(dialog.IsZoomed());
  max = Centre(dialog.Button(1));  // laid out again for the new size
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(max));
  dialog.SendMessage(WM_LBUTTONUP, 0, At(max));
  Pump(50);
  EXPECT_FALSE(dialog.IsZoomed());
  const POINT min = Centre(dialog.Button(2));
  dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(min));
  dialog.SendMessage(WM_LBUTTONUP, 0, At(min));
  Pump(50);
  EXPECT_TRUE(dialog.IsIconic());
}

TEST_F(SkinnedDialogTest, HoverFadeRunsUpToEightAndBackThenStopsTheTimer) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  const POINT close = Centre(dialog.Button(0));
  dialog.SendMessage(WM_MOUSEMOVE, 0, At(close));
  EXPECT_EQ(dialog.Hover(), CUIDialog::BUTTON_CLOSE);
  EXPECT_EQ(dialog.State(0), CUIDialog::STATE_SHOWN);
  EXPECT_TRUE(dialog.TimerRunning());
  Pump(90);
  EXPECT_GT(dialog.Fade(0), 0);
  for (int i = 0; i < 100 && dialog.TimerRunning(); ++i) Pump(20);
  EXPECT_FALSE(dialog.TimerRunning());
  EXPECT_EQ(dialog.Fade(0), CUIDialog::FADE_STEPS);
  // Moving within the same button changes nothing.
  dialog.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(close.x + 1, close.y));
  EXPECT_FALSE(dialog.TimerRunning());

  // Onto the minimise button: close fades out while minimise fades in.
  dialog.SendMessage(WM_MOUSEMOVE, 0, At(Centre(dialog.Button(2))));
  EXPECT_EQ(dialog.Hover(), CUIDialog::BUTTON_MINIMIZE);
  EXPECT_EQ(dialog.State(0), CUIDialog::STATE_SHOWN | CUIDialog::STATE_NOT_HOVERED);
  EXPECT_TRUE(dialog.TimerRunning());
  for (int i = 0; i < 100 && dialog.TimerRunning(); ++i) Pump(20);
  EXPECT_EQ(dialog.Fade(0), 0);
  EXPECT_EQ(dialog.Fade(2), CUIDialog::FADE_STEPS);

  // The pointer leaving the window through the button fades it out as well.
  dialog.SendMessage(WM_MOUSELEAVE);
  EXPECT_EQ(dialog.Hover(), CUIDialog::BUTTON_NONE);
  EXPECT_EQ(dialog.State(2), CUIDialog::STATE_SHOWN | CUIDialog::STATE_NOT_HOVERED);
  EXPECT_TRUE(dialog.TimerRunning());
  for (int i = 0; i < 100 && dialog.TimerRunning(); ++i) Pump(20);
  EXPECT_EQ(dialog.Fade(2), 0);
  dialog.SendMessage(WM_MOUSEMOVE, 0, At(Centre(dialog.Button(2))));
  for (int i = 0; i < 100 && dialog.TimerRunning(); ++i) Pump(20);

  // Off all buttons: the last one fades out and the timer stops again.
  dialog.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(40, 80));
  EXPECT_EQ(dialog.Hover(), CUIDialog::BUTTON_NONE);
  EXPECT_TRUE(dialog.TimerRunning());
  for (int i = 0; i < 100 && dialog.TimerRunning(); ++i) Pump(20);
  EXPECT_FALSE(dialog.TimerRunning());
  EXPECT_EQ(dialog.Fade(2), 0);
}

TEST_F(SkinnedDialogTest, TheWindowIsClippedToARoundedRectangleInsetByFive) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  const CSize size = Client(dialog);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(dialog.GetWindowRgn(region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  // A round-rectangle region stops one pixel short of its far corner, so
  // the region is inset by five pixels on every side.
  EXPECT_EQ(CRect(box), CRect(5, 5, size.cx - 5, size.cy - 5));
  EXPECT_TRUE(PtInRegion(region, 20, 20));
  EXPECT_TRUE(PtInRegion(region, size.cx - 6, size.cy / 2));
  EXPECT_FALSE(PtInRegion(region, size.cx - 5, size.cy / 2));
  EXPECT_FALSE(PtInRegion(region, 4, size.cy / 2));
  EXPECT_FALSE(PtInRegion(region, 5, 5));  // the rounded corner
  DeleteObject(region);
}

TEST_F(SkinnedDialogTest, TheCompanionCoversTheWindowAndFollowsIt) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  HWND companion = dialog.Layered().m_hWnd;
  ASSERT_NE(companion, nullptr);
  EXPECT_TRUE(GetWindowLongW(companion, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(GetWindow(companion, GW_OWNER), dialog.m_hWnd);
  EXPECT_EQ(dialog.Layered().m_pOwner, &dialog);
  EXPECT_TRUE(IsWindowVisible(companion));

  auto same = [&] {
    CRect a, b;
    dialog.GetWindowRect(&a);
    GetWindowRect(companion, &b);
    return a == b;
  };
  EXPECT_TRUE(same());
  dialog.SetWindowPos(nullptr, 40, 50, 300, 200, SWP_NOZORDER);
  Pump();
  EXPECT_TRUE(same());

  // Its region is the 5-pixel margin: the rounded hole lets the dialog through.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(companion, region), ERROR);
  const CSize size = Client(dialog);
  EXPECT_TRUE(PtInRegion(region, 2, 2));
  EXPECT_TRUE(PtInRegion(region, size.cx - 2, size.cy / 2));
  EXPECT_FALSE(PtInRegion(region, 20, 20));
  EXPECT_FALSE(PtInRegion(region, size.cx - 8, size.cy - 8));
  EXPECT_FALSE(PtInRegion(region, size.cx / 2, size.cy - 6));
  DeleteObject(region);

  dialog.ShowWindow(SW_HIDE);
  Pump();
  EXPECT_FALSE(IsWindowVisible(companion));
  dialog.ShowWindow(SW_SHOWNOACTIVATE);
  Pump();
  EXPECT_TRUE(IsWindowVisible(companion));

  // Closing the companion closes the dialog.
  SendMessageW(companion, WM_CLOSE, 0, 0);
  Pump(30);
  EXPECT_EQ(dialog.closes, 1);
}

TEST_F(SkinnedDialogTest, PaintsFrameBackgroundButtonsAndClientAreaLast) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  const CSize size = Client(dialog);
  TestCanvas canvas(size.cx, size.cy, RGB(0, 0, 0));
  dialog.drawn = 0;
  dialog.Paint(CDC::FromHandle(canvas.dc()), size.cx, size.cy);
  EXPECT_EQ(dialog.drawn, 1);
  EXPECT_EQ(dialog.drawnSize, size);
  EXPECT_EQ(dialog.drawnFont, SkinDefaultFont());  // the hook draws with the skin's font
  EXPECT_EQ(canvas.At(60, 60), RGB(1, 200, 3));
  EXPECT_EQ(canvas.At(100, 50), RGB(250, 250, 250));  // inside the frame
  EXPECT_NE(canvas.At(10, 20), RGB(0, 0, 0));          // caption drawn

  // The close button is frame 0 of its strip while nothing hovers.
  CBitImage strip;
  ASSERT_TRUE(strip.LoadFromResource(GetModuleHandleW(L"Skinctl.dll"), 2031u));
  TestCanvas alone(23, 23, RGB(0, 0, 0));
  strip.BitBlt(alone.dc(), 0, 0, 23, 23, 0, 0, SRCCOPY);
  const CRect close = dialog.Button(0);
  for (int y = 0; y < 23; y += 4)
    for (int x = 0; x < 23; x += 4) ASSERT_EQ(canvas.At(close.left + x, close.top + y), alone.At(x, y)) << x << "," << y;
}

TEST_F(SkinnedDialogTest, ASchemeChangeRepaintsTheDialogAtOnce) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  Pump(50);
  const int before = dialog.drawn;
  _UIRenderInfo green;
  green.hue = 120;
  resources.SetUIResource(green);
  EXPECT_GT(dialog.drawn, before);
  // Setting the title repaints as well.
  const int titled = dialog.drawn;
  dialog.SetWindowText(L"Another title");
  EXPECT_GT(dialog.drawn, titled);
}

TEST_F(SkinnedDialogTest, ALongTitleStopsShortOfTheButtons) {
  TestDialog dialog(kAllButtons, nullptr);
  Open(dialog, kAllButtons);
  const CSize size = Client(dialog);
  TestCanvas bare(size.cx, size.cy, RGB(0, 0, 0));
  dialog.SetWindowText(L"");
  dialog.Paint(CDC::FromHandle(bare.dc()), size.cx, size.cy);
  TestCanvas titled(size.cx, size.cy, RGB(0, 0, 0));
  dialog.SetWindowText(L"A title far too long for the caption of this little dialog, going on and on and on");
  dialog.Paint(CDC::FromHandle(titled.dc()), size.cx, size.cy);

  int changed = 0;
  for (int y = 10; y < 34; ++y)
    for (int x = 0; x < size.cx; ++x) {
      if (titled.At(x, y) == bare.At(x, y)) continue;
      ++changed;
      // Text and halo stay within (47 .. cx - 95 + 1).
      ASSERT_GE(x, 47) << y;
      ASSERT_LE(x, size.cx - 95) << y;
    }
  EXPECT_GT(changed, 50);
}

TEST_F(SkinnedDialogTest, LabelsAndButtonsTakeTheSkinsTextColourAndBrush) {
  TestDialog dialog(kWithControls, nullptr);
  Open(dialog, kWithControls);
  HWND label = GetDlgItem(dialog.m_hWnd, 1000);
  HWND edit = GetDlgItem(dialog.m_hWnd, 1001);
  ASSERT_TRUE(label && edit);
  TestCanvas canvas(4, 4, 0);
  SetBkMode(canvas.dc(), OPAQUE);
  const LRESULT brush = dialog.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.dc()),
                                           reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), CUIDialog::m_UIAttribute.m_brBackground.GetSafeHandle());
  EXPECT_EQ(GetTextColor(canvas.dc()), RGB(10, 10, 10));
  EXPECT_EQ(GetBkMode(canvas.dc()), TRANSPARENT);

  // Edits keep the system's colours.
  SetTextColor(canvas.dc(), RGB(1, 1, 1));
  const LRESULT other = dialog.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(canvas.dc()),
                                           reinterpret_cast<LPARAM>(edit));
  EXPECT_NE(reinterpret_cast<HGDIOBJ>(other), CUIDialog::m_UIAttribute.m_brBackground.GetSafeHandle());
  EXPECT_NE(GetTextColor(canvas.dc()), RGB(10, 10, 10));
}

class LayeredCompanionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(owner.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(100, 100, 300, 200), nullptr, 0));
    ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 50), &owner, 7));
    CRect rect(100, 100, 300, 200);
    ASSERT_TRUE(layered.CreateLayered(&owner, rect));
  }
  bool In(int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(layered.m_hWnd, region);
    const bool in = PtInRegion(region, x, y) != FALSE;
    DeleteObject(region);
    return in;
  }
  CWnd owner, child;
  CUILayered layered;
};

TEST_F(LayeredCompanionTest, CreatedOwnedAndLayeredOverTheRectangle) {
  EXPECT_EQ(layered.m_pOwner, &owner);
  EXPECT_EQ(GetWindow(layered.m_hWnd, GW_OWNER), owner.m_hWnd);
  EXPECT_TRUE(GetWindowLongW(layered.m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  CRect r;
  layered.GetWindowRect(&r);
  EXPECT_EQ(r, CRect(100, 100, 300, 200));
  CUILayered orphan;
  CRect any(0, 0, 10, 10);
  EXPECT_FALSE(orphan.CreateLayered(nullptr, any));
  CWnd unbound;
  EXPECT_FALSE(orphan.CreateLayered(&unbound, any));
}

TEST_F(LayeredCompanionTest, RegionLeavesOutTheHoleAndWhenAskedTheOwnersChildren) {
  TestCanvas canvas(200, 100, RGB(9, 9, 9));
  CRect hole(50, 10, 150, 90);
  CPoint round(0, 0);
  ASSERT_TRUE(layered.InitLayeredArea(CDC::FromHandle(canvas.dc()), 255, hole, round, true));
  EXPECT_TRUE(In(10, 10));
  EXPECT_FALSE(In(30, 30));  // the child
  EXPECT_FALSE(In(100, 50));  // the hole
  EXPECT_TRUE(In(160, 50));
  EXPECT_TRUE(In(100, 95));

  CRect none;
  ASSERT_TRUE(layered.InitLayeredArea(CDC::FromHandle(canvas.dc()), 255, none, round, false));
  EXPECT_TRUE(In(30, 30));
  EXPECT_TRUE(In(100, 50));
  EXPECT_FALSE(In(200, 50));
  EXPECT_FALSE(layered.InitLayeredArea(static_cast<CDC*>(nullptr), 255, none, round, false));
}

TEST_F(LayeredCompanionTest, APictureBecomesTheContentAtItsOwnSize) {
  CPngImage logo;
  ASSERT_TRUE(logo.LoadImageW(GetModuleHandleW(L"Skinctl.dll"), L"SKIN_WND_LOGO"));
  CRect none;
  CPoint round(0, 0);
  ASSERT_TRUE(layered.InitLayeredArea(logo, 200, none, round, false));
  EXPECT_TRUE(In(27, 27));
  EXPECT_FALSE(In(28, 10));
  CPngImage empty;
  EXPECT_FALSE(layered.InitLayeredArea(empty, 200, none, round, false));
}

}  // namespace
