// CVirtualButton: the three frames of its strip, hit-testing and the command
// it sends its owner on a click.
#include <gtest/gtest.h>

#include "PixelAssert.h"
#include "CVirtualButton.h"

namespace {

class VirtualButton : public ::testing::Test {
protected:
  // One owner window for the suite: creating and mapping windows is slow under Wine.
  static void SetUpTestSuite() {
    s_hOwner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  static void TearDownTestSuite() { DestroyWindow(s_hOwner); }
  void SetUp() override {
    m_hOwner = s_hOwner;
    ASSERT_NE(nullptr, m_hOwner);
    m_Button.Setup(m_hOwner, 400, 150, 8);
    ASSERT_TRUE(m_Button.LoadImage(GetModuleHandleW(nullptr), L"BT_CLOSE"));
  }
  void TearDown() override {
    ReleaseCapture();
    TakeCommands(400);
  }
  // Commands posted to the owner so far.
  int TakeCommands(UINT id) {
    int count = 0;
    MSG msg;
    while (PeekMessageW(&msg, m_hOwner, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
      if (LOWORD(msg.wParam) == id && msg.lParam == 0) ++count;
    }
    return count;
  }

  static HWND s_hOwner;
  HWND m_hOwner = nullptr;
  CVirtualButton m_Button;
};

HWND VirtualButton::s_hOwner = nullptr;

POINT Pt(int x, int y) { return POINT{x, y}; }

TEST_F(VirtualButton, TakesOneFrameOfItsStrip) {
  RECT rc = m_Button.GetRect();
  EXPECT_EQ(150, rc.left);
  EXPECT_EQ(8, rc.top);
  EXPECT_EQ(173, rc.right);
  EXPECT_EQ(31, rc.bottom);
  EXPECT_TRUE(m_Button.HitTest(Pt(150, 8)));
  EXPECT_TRUE(m_Button.HitTest(Pt(172, 30)));
  EXPECT_FALSE(m_Button.HitTest(Pt(173, 20)));
  EXPECT_FALSE(m_Button.HitTest(Pt(160, 7)));
}

TEST_F(VirtualButton, DrawsTheFrameOfItsState) {
  CPictureProbe strip(L"BT_CLOSE");
  ASSERT_TRUE(strip.Loaded());
  DWORD centre[3];
  for (int state = 0; state < 3; ++state) {
    CMemDC canvas(200, 40);
    if (state == CVirtualButton::STATE_HOT) m_Button.OnMouseMove(Pt(160, 20));
    if (state == CVirtualButton::STATE_PRESSED) m_Button.OnLButtonDown(Pt(160, 20));
    ASSERT_EQ(state, m_Button.GetState());
    m_Button.Draw(canvas.GetSafeHdc());
    // A point on the ring of the circle, off the cross: it tells the frames apart.
    for (int dy = 0; dy < 23; dy += 5) {
      EXPECT_TRUE(SameColour(strip.At(state * 23 + 4, dy), canvas.GetARGB(150 + 4, 8 + dy)));
    }
    centre[state] = canvas.GetARGB(150 + 5, 8 + 11);
    EXPECT_EQ(0u, canvas.GetARGB(149, 19));
    EXPECT_EQ(0u, canvas.GetARGB(173, 19));
  }
  EXPECT_FALSE(SameColour(centre[0], centre[1], 10));
  EXPECT_FALSE(SameColour(centre[1], centre[2], 10));
}

TEST_F(VirtualButton, ClickPostsItsCommandToTheOwner) {
  EXPECT_TRUE(m_Button.OnLButtonDown(Pt(160, 20)));
  EXPECT_EQ(m_hOwner, GetCapture());
  EXPECT_TRUE(m_Button.OnLButtonUp(Pt(161, 21)));
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(CVirtualButton::STATE_HOT, m_Button.GetState());
  EXPECT_EQ(1, TakeCommands(400));
}

TEST_F(VirtualButton, ReleaseOutsideOrPressOutsideSendsNothing) {
  EXPECT_FALSE(m_Button.OnLButtonDown(Pt(10, 20)));
  EXPECT_FALSE(m_Button.OnLButtonUp(Pt(160, 20)));
  EXPECT_TRUE(m_Button.OnLButtonDown(Pt(160, 20)));
  // Dragged off while held: it no longer looks pressed, and letting go there is no click.
  EXPECT_TRUE(m_Button.OnMouseMove(Pt(190, 20)));
  EXPECT_EQ(CVirtualButton::STATE_NORMAL, m_Button.GetState());
  EXPECT_TRUE(m_Button.OnLButtonUp(Pt(190, 20)));
  EXPECT_EQ(0, TakeCommands(400));
}

TEST_F(VirtualButton, HoverComesAndGoes) {
  EXPECT_TRUE(m_Button.OnMouseMove(Pt(160, 20)));
  EXPECT_EQ(CVirtualButton::STATE_HOT, m_Button.GetState());
  EXPECT_FALSE(m_Button.OnMouseMove(Pt(161, 20)));
  EXPECT_TRUE(m_Button.OnMouseMove(Pt(10, 20)));
  EXPECT_EQ(CVirtualButton::STATE_NORMAL, m_Button.GetState());
  m_Button.OnMouseMove(Pt(160, 20));
  EXPECT_TRUE(m_Button.OnMouseLeave());
  EXPECT_EQ(CVirtualButton::STATE_NORMAL, m_Button.GetState());
}

}  // namespace
