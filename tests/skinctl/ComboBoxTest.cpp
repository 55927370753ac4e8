// Skinned combo boxes on real windows: the edit field and the list taken
// over and placed, where a click opens the list in both styles, the painting
// of an enabled, a disabled and a recoloured box, the drop button's hover,
// and the owner-drawn list's items and border.
#include <gtest/gtest.h>

#include "CBitImage.h"
#include "ControlHost.h"
#include "UIComboBox.h"
#include "UIDialog.h"

namespace {

// Opens the protected state for the tests.
class TestCombo : public CUIComboBox {
 public:
  bool Hovered() const { return m_bHover != 0; }
  int ButtonWidth() const { return m_nButtonWidth; }
  CUIEdit& Edit() { return m_Edit; }
  CUIComboBoxList& List() { return m_List; }
  bool OverButton(CPoint p) { return VerdictOverButton(p); }
};

HINSTANCE SkinctlHandle() { return GetModuleHandleW(L"Skinctl.dll"); }

class ComboBoxTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Open()); }
  void TearDown() override {
    for (TestCombo* c : {&editable, &listOnly})
      if (c->m_hWnd && c->GetDroppedState()) c->ShowDropDown(FALSE);
  }
  void Make(TestCombo& combo, DWORD style, int y = 20) {
    ASSERT_TRUE(combo.Create(WS_VISIBLE | WS_VSCROLL | style, CRect(20, y, 180, y + 150), &host, 300));
    for (const wchar_t* item : {L"Spades", L"Hearts", L"Diamonds", L"Clubs"}) combo.AddString(item);
  }
  CSize Client(CWnd& w) {
    CRect r;
    w.GetClientRect(&r);
    return r.Size();
  }
  // A click as the box receives it, at a client point.
  void Click(TestCombo& combo, CPoint p) {
    combo.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    combo.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    Pump();
  }

  ControlHost host;
  TestCombo editable, listOnly;
};

TEST_F(ComboBoxTest, TheEditFieldAndTheListAreTakenOverAndPlaced) {
  Make(editable, CBS_DROPDOWN);
  EXPECT_EQ(editable.ButtonWidth(), 16);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(editable.GetComboBoxInfo(&info));
  EXPECT_EQ(editable.Edit().m_hWnd, info.hwndItem);
  EXPECT_EQ(editable.List().m_hWnd, info.hwndList);
  EXPECT_EQ(CWnd::FromHandlePermanent(info.hwndItem), &editable.Edit());
  const CSize size = Client(editable);
  CRect field;
  editable.Edit().GetWindowRect(&field);
  editable.ScreenToClient(&field);
  EXPECT_EQ(field, CRect(6, (size.cy - 12) / 2, 6 + size.cx - 16 - 10, (size.cy - 12) / 2 + 12));
  // Placed again after a resize.
  editable.SetWindowPos(nullptr, 0, 0, 220, 150, SWP_NOMOVE | SWP_NOZORDER);
  editable.Edit().GetWindowRect(&field);
  EXPECT_EQ(field.Width(), Client(editable).cx - 26);

  // A list-only box has a list and no edit field.
  Make(listOnly, CBS_DROPDOWNLIST, 80);
  EXPECT_EQ(listOnly.Edit().m_hWnd, nullptr);
  EXPECT_NE(listOnly.List().m_hWnd, nullptr);
}

TEST_F(ComboBoxTest, AListOnlyBoxOpensOnAClickAnywhere) {
  Make(listOnly, CBS_DROPDOWNLIST);
  const CSize size = Client(listOnly);
  for (CPoint p : {CPoint(3, size.cy / 2), CPoint(size.cx / 2, 0), CPoint(size.cx - 2, size.cy - 1)}) {
    EXPECT_TRUE(listOnly.OverButton(p));
    Click(listOnly, p);
    EXPECT_TRUE(listOnly.GetDroppedState()) << p.x << "," << p.y;
    Click(listOnly, p);
    EXPECT_FALSE(listOnly.GetDroppedState()) << p.x << "," << p.y;
  }
  EXPECT_FALSE(listOnly.OverButton(CPoint(size.cx, 3)));
}

TEST_F(ComboBoxTest, AnEditableBoxOpensOnlyOnItsButton) {
  Make(editable, CBS_DROPDOWN);
  const CSize size = Client(editable);
  const int left = size.cx - 16 - 1;
  // Inside the edit field, and on the button's column at y = 0: nothing.
  for (CPoint p : {CPoint(20, size.cy / 2), CPoint(left - 1, size.cy / 2), CPoint(left + 5, 0)}) {
    Click(editable, p);
    EXPECT_FALSE(editable.GetDroppedState()) << p.x << "," << p.y;
  }
  // A real click on the edit field reaches the field, not the box.
  CRect field;
  editable.Edit().GetClientRect(&field);
  editable.Edit().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(field.Width() / 2, 5));
  editable.Edit().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(field.Width() / 2, 5));
  EXPECT_FALSE(editable.GetDroppedState());
  // The button itself, from its left edge to the last column.
  for (CPoint p : {CPoint(left, 1), CPoint(size.cx - 1, size.cy - 1)}) {
    Click(editable, p);
    EXPECT_TRUE(editable.GetDroppedState()) << p.x << "," << p.y;
    Click(editable, p);
    EXPECT_FALSE(editable.GetDroppedState()) << p.x << "," << p.y;
  }
}

TEST_F(ComboBoxTest, PaintsFlatWithTheDropButtonFrames) {
  CBitImage strip;
  ASSERT_TRUE(strip.LoadFromResource(SkinctlHandle(), 2025u));
  Make(editable, CBS_DROPDOWN);
  const CSize size = Client(editable);
  WindowPixels shot = Capture(editable.m_hWnd);
  EXPECT_EQ(shot.At(0, size.cy / 2), RGB(92, 100, 105));
  EXPECT_EQ(shot.At(size.cx / 2, 0), RGB(92, 100, 105));
  EXPECT_EQ(shot.At(2, 2), RGB(255, 255, 255));
  // The 18 x 16 frame stretched to 16 x (h - 2) at (w - 17, 1): the middle
  // column of frame 0.
  // In the middle of the arrow (row 8 of 16), whatever the stretch rounds to.
  const int top = 1 + (size.cy - 2) / 2;
  const CPoint arrow(size.cx - 17 + 8, top);
  EXPECT_TRUE(Near(shot.At(arrow.x, arrow.y), strip.GetPixel(9, 8), 6));

  // Disabled: the dialog's background behind the field, the disabled frame.
  editable.EnableWindow(FALSE);
  shot = Capture(editable.m_hWnd);
  EXPECT_EQ(shot.At(2, size.cy - 3), CUIDialog::m_UIAttribute.m_crBackground);
  EXPECT_TRUE(Near(shot.At(arrow.x, arrow.y), strip.GetPixel(4 * 18 + 9, 8), 6));
  EXPECT_EQ(shot.At(0, size.cy / 2), CUIComboBox::m_UIAttribute.m_crDisableBorder);

  // The render flag colours the border from the scheme.
  editable.EnableWindow(TRUE);
  _UIRenderInfo green;
  green.hue = 120;
  resources.SetUIResource(green);
  editable.SetRenderImage(true);
  shot = Capture(editable.m_hWnd);
  EXPECT_EQ(shot.At(0, size.cy / 2), render.RenderColor(0.77, 0.65));
  EXPECT_NEAR(CUIRenderManager::RGBToHSB(shot.At(arrow.x, arrow.y)).hue, 120, 3);
  // Without the border flag the border takes the background colour.
  editable.SetDrawBorad(false);
  shot = Capture(editable.m_hWnd);
  EXPECT_EQ(shot.At(0, size.cy / 2), RGB(255, 255, 255));
}

TEST_F(ComboBoxTest, AListOnlyBoxWritesItsSelection) {
  Make(listOnly, CBS_DROPDOWNLIST);
  listOnly.SetCurSel(2);
  const WindowPixels shot = Capture(listOnly.m_hWnd);
  // Some ink in the text area, none right of it.
  int ink = 0;
  for (int y = 2; y < shot.height - 2; ++y)
    for (int x = 4; x < 80; ++x)
      if (GetRValue(shot.At(x, y)) < 128) ++ink;
  EXPECT_GT(ink, 10);
  EXPECT_EQ(shot.At(110, shot.height / 2), RGB(255, 255, 255));
}

TEST_F(ComboBoxTest, TheDropButtonShowsHoverWhileThePointerIsOnIt) {
  Make(editable, CBS_DROPDOWN);
  const CSize size = Client(editable);
  CPoint over(size.cx - 8, size.cy / 2);
  CPoint screen = over;
  editable.ClientToScreen(&screen);
  SetCursorPos(screen.x, screen.y);
  editable.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
  EXPECT_TRUE(editable.Hovered());
  Pump(50);
  EXPECT_TRUE(editable.Hovered());
  CBitImage strip;
  ASSERT_TRUE(strip.LoadFromResource(SkinctlHandle(), 2025u));
  const COLORREF shown = Capture(editable.m_hWnd).At(size.cx - 17 + 8, 1 + (size.cy - 2) / 2);
  EXPECT_TRUE(Near(shown, strip.GetPixel(3 * 18 + 9, 8), 6));
  EXPECT_FALSE(Near(shown, strip.GetPixel(9, 8), 6));
  // The pointer goes: the timer notices and the hover ends.
  SetCursorPos(5, 700);
  ASSERT_TRUE(testwin::PumpUntil([&] { return !editable.Hovered(); }, 2000));
}

TEST_F(ComboBoxTest, AnOwnerDrawnListDrawsFlatItems) {
  Make(listOnly, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);
  listOnly.SetCurSel(1);
  listOnly.ShowDropDown(TRUE);
  ASSERT_TRUE(listOnly.GetDroppedState());
  HWND list = listOnly.List().m_hWnd;
  // Highlight the second item as the pointer would.
  ::SendMessageW(list, LB_SETCURSEL, 1, 0);
  const WindowPixels inside = Capture(list);
  CRect first, second;
  ::SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  ::SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  EXPECT_EQ(inside.At(first.right - 2, first.top + 1), RGB(255, 255, 255));
  EXPECT_EQ(inside.At(second.right - 2, second.top + 1), RGB(10, 36, 106));
  // Text in white on the selection, in black elsewhere.
  bool white = false, black = false;
  for (int x = 4; x < 60; ++x)
    for (int y = 0; y < second.Height(); ++y) {
      if (inside.At(x, second.top + y) == RGB(255, 255, 255)) white = true;
      if (inside.At(x, first.top + y) == RGB(0, 0, 0)) black = true;
    }
  EXPECT_TRUE(white);
  EXPECT_TRUE(black);
  // The list's own border in the box's border colour.
  const WindowPixels whole = Capture(list, true);
  EXPECT_EQ(whole.At(0, whole.height / 2), CUIComboBox::m_UIAttribute.m_crBorder);
  EXPECT_EQ(whole.At(whole.width / 2, whole.height - 1), CUIComboBox::m_UIAttribute.m_crBorder);
  listOnly.ShowDropDown(FALSE);
}

}  // namespace
