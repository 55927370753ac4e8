// Skinned push and check buttons on real windows: the owner-draw set-up on
// both paths, sizing to a strip frame and stretching, the hover fade and its
// reversal, the frame each state shows, the colour-keyed shape under any
// scheme, the built-in strip as fallback, strip files, the PNG foreground
// over the parent's background, and a paint with no room to compose in.
#include <gtest/gtest.h>

#include "CBitImage.h"
#include "ControlHost.h"
#include "SkinTestSupport.h"
#include "UICheckButton.h"

namespace {

const COLORREF kFrames[5] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200), RGB(200, 200, 30),
                             RGB(120, 120, 120)};
const int kFrameW = 30, kFrameH = 20;

HINSTANCE SkinctlHandle() { return GetModuleHandleW(L"Skinctl.dll"); }

// Opens the fade state for the tests.
template <class Base>
class Probe : public Base {
 public:
  WORD Fade() const { return this->m_nFade; }
  bool Hovered() const { return this->m_bHover != 0; }
  bool Renders() const { return this->m_bRender != 0; }
};
using TestButton = Probe<CUIButton>;
using TestCheckButton = Probe<CUICheckButton>;

class ButtonTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Open()); }
  // A button with the test strip (resource 300 of this program; no key
  // unless asked), created at (x, y).
  template <class T>
  void Make(T& button, int x, int y, DWORD style = BS_PUSHBUTTON, bool key = false) {
    ASSERT_TRUE(button.Create(L"", WS_VISIBLE | style, CRect(x, y, x + 50, y + 30), &host, 100));
    ASSERT_TRUE(button.SetButtonImage(300u, GetModuleHandleW(nullptr), false, key));
  }
  // The colour in the middle of the button as it shows on screen.
  COLORREF Middle(CWnd& button) {
    const WindowPixels shot = Capture(button.m_hWnd);
    return shot.At(shot.width / 2, shot.height / 2);
  }
  // Puts the real pointer at a client point of the window (or far away).
  void PointerAt(CWnd* w, POINT p) {
    if (w) w->ClientToScreen(&p);
    SetCursorPos(p.x, p.y);
    Pump(20);
  }

  ControlHost host;
};

TEST_F(ButtonTest, OwnerDrawnWhenAttachedAndWhenCreated) {
  // Created: the style is switched in WM_CREATE.
  CUIButton created;
  ASSERT_TRUE(created.Create(L"OK", WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(10, 10, 80, 34), &host, 101));
  EXPECT_EQ(created.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  EXPECT_EQ(reinterpret_cast<HFONT>(created.SendMessage(WM_GETFONT)), SkinDefaultFont());

  // Attached: a radio button too becomes owner-drawn (all type bits replaced).
  for (DWORD style : {static_cast<DWORD>(BS_PUSHBUTTON), static_cast<DWORD>(BS_RADIOBUTTON),
                      static_cast<DWORD>(BS_AUTOCHECKBOX)}) {
    HWND plain = CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, 50, 60, 20,
                                 host.m_hWnd, nullptr, nullptr, nullptr);
    CUIButton attached;
    ASSERT_TRUE(attached.SubclassWindow(plain));
    EXPECT_EQ(attached.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW)) << style;
    EXPECT_TRUE(attached.GetStyle() & WS_TABSTOP);
    attached.DestroyWindow();
    DestroyWindow(plain);
  }
}

TEST_F(ButtonTest, ACustomStripSizesTheButtonToOneFrameAndAnotherSizeStretches) {
  TestButton button;
  Make(button, 10, 10);
  CRect r;
  button.GetWindowRect(&r);
  EXPECT_EQ(r.Size(), CSize(kFrameW, kFrameH));
  // The same from a module resource: the library's drop strip, 5 x 18 x 16.
  TestButton fromModule;
  ASSERT_TRUE(fromModule.Create(L"", WS_VISIBLE, CRect(100, 10, 200, 60), &host, 102));
  ASSERT_TRUE(fromModule.SetButtonImage(2025u, SkinctlHandle(), false, false));
  fromModule.GetWindowRect(&r);
  EXPECT_EQ(r.Size(), CSize(18, 16));

  // Sized to 3 x 2 frames afterwards: the frame fills the whole client area.
  button.SetWindowPos(nullptr, 0, 0, kFrameW * 3, kFrameH * 2, SWP_NOMOVE | SWP_NOZORDER);
  const WindowPixels shot = Capture(button.m_hWnd);
  ASSERT_EQ(shot.width, kFrameW * 3);
  for (POINT p : {POINT{2, 2}, POINT{45, 20}, POINT{kFrameW * 3 - 3, kFrameH * 2 - 3}})
    EXPECT_EQ(shot.At(p.x, p.y), kFrames[0]) << p.x << "," << p.y;
}

TEST_F(ButtonTest, TheHoverFadeRunsToEightAndReversesFromWhereItIs) {
  TestButton button;
  Make(button, 20, 20);
  // The real pointer over the button, so that no leave comes yet.
  PointerAt(&button, CPoint(5, 5));
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(button.Hovered());
  // Half-way the button shows a blend of the normal and the hover frame.
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() >= 3; }, 2000));
  const WORD at = button.Fade();
  const COLORREF mid = Middle(button);
  const WORD after = button.Fade();
  if (at == after && at < 8) {
    const int a = at * 255 / 8;
    EXPECT_NEAR(GetRValue(mid), (GetRValue(kFrames[0]) * (255 - a) + GetRValue(kFrames[3]) * a) / 255, 3);
    EXPECT_NEAR(GetGValue(mid), (GetGValue(kFrames[0]) * (255 - a) + GetGValue(kFrames[3]) * a) / 255, 3);
  }
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() == 8; }, 2000));
  Pump(100);
  EXPECT_EQ(button.Fade(), 8);  // the timer stopped at 8
  EXPECT_EQ(Middle(button), kFrames[3]);

  // The pointer leaves: the system's leave notice starts the fade out.
  PointerAt(nullptr, CPoint(5, 700));
  ASSERT_TRUE(testwin::PumpUntil([&] { return !button.Hovered(); }, 2000));
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() <= 5; }, 2000));
  // Back in before it ends: up again from the value it had reached.
  PointerAt(&button, CPoint(6, 6));
  const WORD turned = button.Fade();
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
  EXPECT_GT(turned, 0);
  WORD lowest = turned;
  ASSERT_TRUE(testwin::PumpUntil(
      [&] {
        if (button.Fade() < lowest) lowest = button.Fade();
        return button.Fade() == 8;
      },
      2000));
  EXPECT_GE(lowest + 1, turned);  // at most the one step already under way
  PointerAt(nullptr, CPoint(5, 700));
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() == 0; }, 2000));
  EXPECT_EQ(Middle(button), kFrames[0]);
}

TEST_F(ButtonTest, EachStateShowsItsFrame) {
  TestButton button;
  Make(button, 20, 20);
  EXPECT_EQ(Middle(button), kFrames[0]);
  // Pressed shows frame 1, also while a fade is running.
  PointerAt(&button, CPoint(5, 5));
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() >= 2; }, 2000));
  button.SetState(TRUE);
  if (button.Fade() < 8) {
    EXPECT_EQ(Middle(button), kFrames[1]);
  }
  button.SetState(FALSE);
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() == 8; }, 2000));
  EXPECT_EQ(Middle(button), kFrames[3]);
  PointerAt(nullptr, CPoint(5, 700));
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() == 0; }, 2000));
  button.EnableWindow(FALSE);
  EXPECT_EQ(Middle(button), kFrames[4]);

  // A check button: checked shows frame 2, whatever else holds.
  TestCheckButton check;
  Make(check, 120, 20, BS_AUTOCHECKBOX);
  EXPECT_EQ(Middle(check), kFrames[0]);
  check.SetCheck(1);
  EXPECT_EQ(check.GetCheck(), 1);
  EXPECT_EQ(Middle(check), kFrames[2]);
  check.EnableWindow(FALSE);
  EXPECT_EQ(Middle(check), kFrames[2]);
  check.SetCheck(0);
  EXPECT_EQ(Middle(check), kFrames[4]);
  check.EnableWindow(TRUE);
  check.SetState(TRUE);
  EXPECT_EQ(Middle(check), kFrames[1]);
}

TEST_F(ButtonTest, TheKeyedCornersLieOutsideTheWindowUnderAnyScheme) {
  _UIRenderInfo green;
  green.hue = 120;
  green.saturation = 0.2;
  resources.SetUIResource(green);
  TestButton button;
  Make(button, 40, 40, BS_PUSHBUTTON, true);
  button.SetRenderImage(true);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(button.GetWindowRgn(region), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, kFrameW - 1, kFrameH - 1));
  EXPECT_TRUE(PtInRegion(region, 1, 0));
  EXPECT_TRUE(PtInRegion(region, kFrameW / 2, kFrameH / 2));
  DeleteObject(region);

  // The parent shows through at the corners; inside, the recoloured frame.
  const WindowPixels shot = Capture(button.m_hWnd);
  EXPECT_EQ(shot.At(0, 0), ControlHost::kBack);
  EXPECT_EQ(shot.At(kFrameW - 1, 0), ControlHost::kBack);
  const COLORHSB tinted = CUIRenderManager::RGBToHSB(shot.At(kFrameW / 2, kFrameH / 2));
  EXPECT_NEAR(tinted.hue, 120, 2);

}

TEST_F(ButtonTest, AModuleWithoutAStripKeepsTheBuiltInOne) {
  TestButton button;
  ASSERT_TRUE(button.Create(L"", WS_VISIBLE, CRect(10, 10, 79, 30), &host, 100));
  ASSERT_TRUE(button.SetButtonImage(static_cast<LPCWSTR>(nullptr), nullptr, SkinctlHandle(), false, false));
  CRect r;
  button.GetClientRect(&r);
  EXPECT_EQ(r.Size(), CSize(69, 20));  // not resized: no strip of its own
  CBitImage builtIn;
  ASSERT_TRUE(builtIn.LoadFromResource(SkinctlHandle(), 2011u));
  const WindowPixels shot = Capture(button.m_hWnd);
  for (POINT p : {POINT{34, 10}, POINT{5, 15}, POINT{60, 4}})
    EXPECT_EQ(shot.At(p.x, p.y), builtIn.GetPixel(p.x, p.y)) << p.x << "," << p.y;

  // A strip file that does not load: false, and the built-in strip stays.
  EXPECT_FALSE(button.SetButtonImage(L"C:\\no such folder\\strip.bmp", nullptr, false, false));
  EXPECT_EQ(Capture(button.m_hWnd).At(34, 10), builtIn.GetPixel(34, 10));
}

TEST_F(ButtonTest, AStripFileIsUsedAndAnOverlongPathRefused) {
  const std::wstring file = WriteStrip(L"frames.bmp", 12, 10, kFrames, false);
  TestButton button;
  ASSERT_TRUE(button.Create(L"", WS_VISIBLE, CRect(10, 10, 79, 30), &host, 100));
  ASSERT_TRUE(button.SetButtonImage(file.c_str(), nullptr, false, false));
  CRect r;
  button.GetClientRect(&r);
  EXPECT_EQ(r.Size(), CSize(12, 10));
  EXPECT_EQ(Middle(button), kFrames[0]);
  // Longer than the button keeps: refused rather than cut, and forgotten.
  const std::wstring overlong = file.substr(0, file.size() - 4) + std::wstring(300, L'x') + L".bmp";
  EXPECT_FALSE(button.SetButtonImage(overlong.c_str(), nullptr, false, false));
  CBitImage builtIn;
  ASSERT_TRUE(builtIn.LoadFromResource(SkinctlHandle(), 2011u));
  button.SetWindowPos(nullptr, 0, 0, 69, 20, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Capture(button.m_hWnd).At(34, 10), builtIn.GetPixel(34, 10));
  // A later resource strip is not shadowed by an earlier file.
  ASSERT_TRUE(button.SetButtonImage(file.c_str(), nullptr, false, false));
  ASSERT_TRUE(button.SetButtonImage(300u, GetModuleHandleW(nullptr), false, false));
  button.GetClientRect(&r);
  EXPECT_EQ(r.Size(), CSize(kFrameW, kFrameH));
}

TEST_F(ButtonTest, APngForegroundIsComposedOverTheParentsBackground) {
  TestButton button;
  ASSERT_TRUE(button.Create(L"", WS_VISIBLE, CRect(60, 60, 110, 90), &host, 100));
  EXPECT_FALSE(button.SetBackImage(nullptr));
  ASSERT_TRUE(button.SetButtonImage(300u, L"FOREGROUND", GetModuleHandleW(nullptr), false, false));
  // Before any snapshot: the foreground straight over the frame.
  WindowPixels shot = Capture(button.m_hWnd);
  EXPECT_EQ(shot.At(5, 10), RGB(255, 255, 255));
  EXPECT_EQ(shot.At(kFrameW - 5, 10), kFrames[0]);

  // With the parent's background taken: it replaces the frame under the
  // foreground's transparent half.
  // The host's picture of its background: a colour, one pixel marked at
  // (20, 5) of the button (the button sits at 60, 60 of the parent).
  const COLORREF backdrop = RGB(70, 20, 110);
  TestCanvas background(400, 300, backdrop);
  SetPixel(background.dc(), 80, 65, RGB(1, 2, 3));
  ASSERT_TRUE(button.SetBackImage(CDC::FromHandle(background.dc())));
  shot = Capture(button.m_hWnd);
  EXPECT_EQ(shot.At(5, 10), RGB(255, 255, 255));
  EXPECT_EQ(shot.At(kFrameW - 5, 10), backdrop);
  EXPECT_EQ(shot.At(kFrameW / 2, 0), backdrop);
  EXPECT_EQ(shot.At(20, 5), RGB(1, 2, 3));
  // Pressed: frame 1 composed the same way.
  button.SetState(TRUE);
  shot = Capture(button.m_hWnd);
  EXPECT_EQ(shot.At(kFrameW - 5, 10), backdrop);
  EXPECT_EQ(shot.At(5, 10), RGB(255, 255, 255));
}

TEST_F(ButtonTest, AFadeWithNoRoomToComposeSkipsThePaint) {
  TestButton button;
  Make(button, 10, 10);
  PointerAt(&button, CPoint(4, 4));
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() >= 1; }, 2000));
  button.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_LT(button.Fade(), 8);
  // No off-screen image can be made for an empty button: nothing is drawn
  // and nothing is thrown.
  TestCanvas canvas(8, 8, RGB(1, 2, 3));
  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = button.m_hWnd;
  item.hDC = canvas.dc();
  button.DrawItem(&item);
  EXPECT_EQ(canvas.At(0, 0), RGB(1, 2, 3));
  PointerAt(nullptr, CPoint(5, 700));
}

TEST_F(ButtonTest, DestroyingTheWindowResetsTheHoverAndAllowsANewOne) {
  TestButton button;
  Make(button, 10, 10);
  PointerAt(&button, CPoint(4, 4));
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  ASSERT_TRUE(testwin::PumpUntil([&] { return button.Fade() >= 2; }, 2000));
  EXPECT_FALSE(button.Renders());
  button.DestroyWindow();
  EXPECT_FALSE(button.Hovered());
  EXPECT_EQ(button.Fade(), 0);
  EXPECT_TRUE(button.Renders());
  PointerAt(nullptr, CPoint(5, 700));
  // No caption: a 30 x 20 frame has its middle under the text otherwise.
  ASSERT_TRUE(button.Create(L"", WS_VISIBLE, CRect(10, 10, 60, 40), &host, 100));
  EXPECT_EQ(Middle(button), kFrames[0]);
}

}  // namespace
