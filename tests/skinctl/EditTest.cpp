// Skinned edits on real windows: the shared colours of the enabled and the
// disabled state, the flat two-line frame with and without a client edge,
// scroll bars kept, and CUIEditEx with colours of its own falling back to the
// shared ones.
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "UIEditEx.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrey = RGB(125, 125, 125);
const COLORREF kBorder = RGB(92, 100, 105);

class EditTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Open()); }
  // A real edit control of the given styles, subclassed by edit.
  void Attach(CUIEdit& edit, DWORD style, DWORD exStyle, const wchar_t* text = L"Skinned") {
    HWND plain = CreateWindowExW(exStyle, L"EDIT", text, WS_CHILD | WS_VISIBLE | style, 20, 20, 160, 40, host.m_hWnd,
                                 reinterpret_cast<HMENU>(200), nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    ASSERT_TRUE(edit.SubclassWindow(plain));
    edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(SkinDefaultFont()), TRUE);
  }
  // The colour a fully covered text pixel has: the darkest one.
  static COLORREF Ink(const WindowPixels& shot) {
    COLORREF ink = CLR_INVALID;
    int darkest = 256 * 3;
    for (int y = 0; y < shot.height; ++y)
      for (int x = 0; x < shot.width; ++x) {
        const COLORREF c = shot.At(x, y);
        const int sum = GetRValue(c) + GetGValue(c) + GetBValue(c);
        if (sum < darkest) darkest = sum, ink = c;
      }
    return ink;
  }
  ControlHost host;
};

TEST_F(EditTest, EnabledAndDisabledTakeTheSharedColours) {
  CUIEdit edit;
  Attach(edit, 0, WS_EX_CLIENTEDGE, L"HHHHHH");
  WindowPixels shot = Capture(edit.m_hWnd);
  EXPECT_EQ(shot.At(shot.width - 3, shot.height - 3), kWhite);
  EXPECT_TRUE(Near(Ink(shot), RGB(10, 10, 10), 12));

  // Disabled: dark grey text on grey.
  edit.EnableWindow(FALSE);
  shot = Capture(edit.m_hWnd);
  EXPECT_EQ(shot.At(shot.width - 3, shot.height - 3), kGrey);
  EXPECT_TRUE(Near(Ink(shot), RGB(50, 50, 50), 12));
  TestCanvas canvas(4, 4, 0);
  const LRESULT brush = host.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.dc()),
                                         reinterpret_cast<LPARAM>(edit.m_hWnd));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), CUIEdit::m_UIAttribute.m_brDisable.GetSafeHandle());
  EXPECT_EQ(GetBkColor(canvas.dc()), kGrey);
  EXPECT_EQ(GetTextColor(canvas.dc()), RGB(50, 50, 50));
}

TEST_F(EditTest, TheFrameLinesFollowTheClientEdge) {
  // With a client edge: the border colour outside, the background inside.
  CUIEdit edged;
  Attach(edged, 0, WS_EX_CLIENTEDGE);
  WindowPixels frame = Capture(edged.m_hWnd, true);
  for (POINT p : {POINT{0, 0}, POINT{80, 0}, POINT{0, 20}, POINT{frame.width - 1, 20}, POINT{80, frame.height - 1}})
    EXPECT_EQ(frame.At(p.x, p.y), kBorder) << p.x << "," << p.y;
  for (POINT p : {POINT{1, 1}, POINT{80, 1}, POINT{1, 20}, POINT{frame.width - 2, 20}, POINT{80, frame.height - 2}})
    EXPECT_EQ(frame.At(p.x, p.y), kWhite) << p.x << "," << p.y;
  // Disabled: the disabled border and background.
  edged.EnableWindow(FALSE);
  edged.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  frame = Capture(edged.m_hWnd, true);
  EXPECT_EQ(frame.At(80, 0), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(frame.At(80, 1), kGrey);

  // A non-client edge other than the client edge: both lines in the
  // background colour. (A plain WS_BORDER would not do: the edit control
  // takes that style off its window and draws the line in its client area.)
  CUIEdit plain;
  Attach(plain, 0, WS_EX_STATICEDGE);
  plain.SetWindowPos(nullptr, 20, 100, 160, 40, SWP_NOZORDER);
  frame = Capture(plain.m_hWnd, true);
  EXPECT_EQ(frame.At(0, 0), kWhite);
  EXPECT_EQ(frame.At(80, 0), kWhite);
  EXPECT_EQ(frame.At(frame.width - 1, frame.height - 1), kWhite);
}

TEST_F(EditTest, AMultiLineEditKeepsItsScrollBar) {
  CUIEdit edit;
  Attach(edit, ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE, L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8");
  CRect client;
  edit.GetClientRect(&client);
  const WindowPixels frame = Capture(edit.m_hWnd, true);
  // The bar lies between the client area and the right frame lines; it is
  // painted (not left in the host's colour) and the frame is still ours.
  const int barX = 2 + client.Width() + 4;
  EXPECT_NE(frame.At(barX, frame.height / 2), ControlHost::kBack);
  EXPECT_NE(frame.At(barX, frame.height / 2), CLR_INVALID);
  EXPECT_EQ(frame.At(frame.width - 1, frame.height / 2), kBorder);
}

TEST_F(EditTest, AnEditExMadeBeforeAnySchemeUsesTheSharedColours) {
  // As before the first scheme: the shared record is still empty.
  CUIEditAttr& shared = CUIEdit::m_UIAttribute;
  for (COLORREF* c : {&shared.m_crEnableBack, &shared.m_crDisableBack, &shared.m_crEnableText, &shared.m_crDisableText,
                      &shared.m_crEnableBorder, &shared.m_crDisableBorder})
    *c = CLR_INVALID;
  shared.m_brEnable.DeleteObject();
  shared.m_brDisable.DeleteObject();
  CUIEditEx edit;
  // Nothing to paint with yet: painting keeps the system's colours.
  Attach(edit, 0, WS_EX_CLIENTEDGE, L"HHHHHH");
  Capture(edit.m_hWnd, true);

  resources.SetUIResource(_UIRenderInfo());
  WindowPixels shot = Capture(edit.m_hWnd);
  EXPECT_EQ(shot.At(shot.width - 3, shot.height - 3), kWhite);
  EXPECT_TRUE(Near(Ink(shot), RGB(10, 10, 10), 12));
  WindowPixels frame = Capture(edit.m_hWnd, true);
  EXPECT_EQ(frame.At(80, 0), kBorder);
  EXPECT_EQ(frame.At(80, 1), kWhite);

  // Colours of its own for the enabled state; the disabled state still
  // shared.
  edit.SetEnableColor(RGB(200, 0, 0), RGB(230, 240, 200), RGB(0, 120, 0));
  shot = Capture(edit.m_hWnd);
  EXPECT_EQ(shot.At(shot.width - 3, shot.height - 3), RGB(230, 240, 200));
  EXPECT_TRUE(Near(Ink(shot), RGB(200, 0, 0), 12));
  frame = Capture(edit.m_hWnd, true);
  EXPECT_EQ(frame.At(80, 0), RGB(0, 120, 0));
  EXPECT_EQ(frame.At(80, 1), RGB(230, 240, 200));
  edit.EnableWindow(FALSE);
  shot = Capture(edit.m_hWnd);
  EXPECT_EQ(shot.At(shot.width - 3, shot.height - 3), kGrey);
  edit.SetDisableColor(RGB(0, 0, 90), RGB(180, 180, 220), RGB(0, 0, 0));
  shot = Capture(edit.m_hWnd);
  EXPECT_EQ(shot.At(shot.width - 3, shot.height - 3), RGB(180, 180, 220));
  EXPECT_TRUE(Near(Ink(shot), RGB(0, 0, 90), 12));
}

}  // namespace
