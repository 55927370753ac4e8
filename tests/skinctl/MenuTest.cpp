// Skinned pop-up menus: item records recycled through the three pools,
// entries refused and reported, the entries measured and drawn through a
// real tracked menu (and a chosen entry's command), the drawn states of an
// entry, the colours with and without a render manager, and the growable
// array the pools are made of.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

#include "CBitImage.h"
#include "ControlHost.h"
#include "UIMenu.h"

namespace {

// Opens the menu's records for the tests.
class TestMenu : public CUIMenu {
 public:
  int Records() const { return m_MenuItem.GetSize(); }
  CUIMenuItem* Record(int i) const { return m_MenuItem[i]; }
};

struct PoolSizes {
  int images, strings, separators;
  static PoolSizes Now() {
    return {CUIMenu::m_MenuItemImage.GetSize(), CUIMenu::m_MenuItemString.GetSize(),
            CUIMenu::m_MenuItemSeparator.GetSize()};
  }
};

ULONG_PTR ItemData(HMENU menu, UINT position) {
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA | MIIM_FTYPE;
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return 0;
  return (info.fType & MFT_OWNERDRAW) ? info.dwItemData : 0;
}

// A host that keeps what its menus were measured at and, while one of its
// menus is open, runs steps one timer tick apart inside the menu's own loop
// (so that keys posted by one step are handled before the next), then
// closes the menu.
class MenuHost : public ControlHost {
 public:
  std::vector<MEASUREITEMSTRUCT> measured;
  std::vector<std::function<void()>> whileOpen;

  void Track(TestMenu& menu) {
    m_nStep = 0;
    ::SetTimer(m_hWnd, kStepTimer, 100, nullptr);
    CPoint at(60, 60);
    ClientToScreen(&at);
    EXPECT_TRUE(menu.TrackPopupMenu(at.x, at.y, this));
    ::KillTimer(m_hWnd, kStepTimer);
    EXPECT_GE(m_nStep, whileOpen.size()) << "the menu closed before its steps ran";
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_MEASUREITEM) {
      LRESULT result = ControlHost::WindowProc(message, wParam, lParam);
      measured.push_back(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return result;
    }
    if (message == WM_TIMER && wParam == kStepTimer) {
      if (m_nStep < whileOpen.size()) {
        whileOpen[m_nStep++]();
      } else {
        ::KillTimer(m_hWnd, kStepTimer);
        ++m_nStep;
        ::EndMenu();
      }
      return 0;
    }
    return ControlHost::WindowProc(message, wParam, lParam);
  }

 private:
  static constexpr UINT_PTR kStepTimer = 77;
  size_t m_nStep = 0;
};

// Keys as the user presses them, for the open menu to read.
void PostKeys(HWND window, std::initializer_list<WPARAM> keys) {
  for (WPARAM key : keys) {
    ::PostMessageW(window, WM_KEYDOWN, key, 1);
    ::PostMessageW(window, WM_KEYUP, key, 0xC0000001);
  }
}

HWND OpenMenuWindow() { return FindWindowW(L"#32768", nullptr); }

// A 16 x 10 bitmap of one colour.
HBITMAP MakeBitmap(COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 10);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT all = {0, 0, 16, 10};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

int TextWidth(const wchar_t* text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, SkinDefaultFont());
  SIZE size = {};
  GetTextExtentPoint32W(screen, text, lstrlenW(text), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

class MenuTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Open()); }
  MenuHost host;
};

TEST_F(MenuTest, DestroyedMenusGiveTheirRecordsToThePoolsLastInFirstOut) {
  const PoolSizes before = PoolSizes::Now();
  HBITMAP bitmap = MakeBitmap(RGB(200, 40, 40));
  std::vector<ULONG_PTR> strings;
  {
    TestMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    EXPECT_FALSE(menu.CreateMenu());  // it has one
    ASSERT_TRUE(menu.AppendMenuW(101, L"Fold", 0));
    ASSERT_TRUE(menu.AppendSeparator());
    ASSERT_TRUE(menu.AppendMenuW(102, L"Call", 0));
    ASSERT_TRUE(menu.AppendMenuW(103, bitmap, 0));
    ASSERT_TRUE(menu.InsertSeparator(0));
    ASSERT_TRUE(menu.InsertMenuW(104, L"Raise", 1, MF_BYPOSITION));
    ASSERT_EQ(GetMenuItemCount(menu), 6);
    // Every entry carries its record as item data, of the right kind.
    const enMenuItemType kinds[] = {MIT_SEPARATOR, MIT_STRING, MIT_STRING, MIT_SEPARATOR, MIT_STRING, MIT_IMAGE};
    for (UINT i = 0; i < 6; ++i) {
      const auto* record = reinterpret_cast<const CUIMenuItem*>(ItemData(menu, i));
      ASSERT_NE(record, nullptr);
      EXPECT_EQ(record->m_eType, kinds[i]) << i;
    }
    EXPECT_EQ(static_cast<const CUIMenuString*>(reinterpret_cast<CUIMenuItem*>(ItemData(menu, 1)))->m_sText,
              L"Raise");
    for (int i = 0; i < menu.Records(); ++i)
      if (menu.Record(i)->m_eType == MIT_STRING) strings.push_back(reinterpret_cast<ULONG_PTR>(menu.Record(i)));
    ASSERT_EQ(strings.size(), 3u);
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_EQ(menu.GetSafeHMenu(), nullptr);
    EXPECT_EQ(menu.Records(), 0);
    const PoolSizes after = PoolSizes::Now();
    EXPECT_EQ(after.strings - before.strings, 3);
    EXPECT_EQ(after.images - before.images, 1);
    EXPECT_EQ(after.separators - before.separators, 2);
    // Given back cleared.
    EXPECT_EQ(static_cast<CUIMenuImage*>(CUIMenu::m_MenuItemImage[after.images - 1])->m_hBitmap, nullptr);
    for (int i = before.strings; i < after.strings; ++i)
      EXPECT_TRUE(static_cast<CUIMenuString*>(CUIMenu::m_MenuItemString[i])->m_sText.IsEmpty());
  }
  // The next menu takes the last string given back first.
  TestMenu next;
  ASSERT_TRUE(next.CreateMenu());
  ASSERT_TRUE(next.AppendMenuW(201, L"Check", 0));
  ASSERT_TRUE(next.AppendMenuW(202, L"Bet", 0));
  EXPECT_EQ(ItemData(next, 0), strings[2]);
  EXPECT_EQ(ItemData(next, 1), strings[1]);
  EXPECT_EQ(PoolSizes::Now().strings - before.strings, 1);
  DeleteObject(bitmap);
}

TEST_F(MenuTest, TheDestructorRecyclesAsDestroyMenuDoes) {
  auto* menu = new TestMenu;
  ASSERT_TRUE(menu->CreateMenu());
  ASSERT_TRUE(menu->AppendMenuW(1, L"One", 0));
  ASSERT_TRUE(menu->AppendSeparator());
  const PoolSizes before = PoolSizes::Now();
  HMENU handle = menu->GetSafeHMenu();
  delete menu;
  EXPECT_FALSE(IsMenu(handle));
  EXPECT_EQ(PoolSizes::Now().strings - before.strings, 1);
  EXPECT_EQ(PoolSizes::Now().separators - before.separators, 1);
}

TEST_F(MenuTest, RefusedEntriesAddNothing) {
  TestMenu menu;
  // No menu yet: nothing to add to, and no record kept.
  const PoolSizes before = PoolSizes::Now();
  EXPECT_FALSE(menu.AppendMenuW(1, L"Early", 0));
  EXPECT_FALSE(menu.AppendSeparator());
  EXPECT_EQ(menu.Records(), 0);
  // The record taken for it is back in its pool (one more when the pool was
  // empty and it had to be made).
  EXPECT_EQ(PoolSizes::Now().strings, std::max(before.strings, 1));
  ASSERT_TRUE(menu.CreateMenu());
  const PoolSizes ready = PoolSizes::Now();
  HBITMAP bitmap = MakeBitmap(RGB(0, 0, 0));
  EXPECT_FALSE(menu.AppendMenuW(1, L"Line", MF_SEPARATOR));
  EXPECT_FALSE(menu.AppendMenuW(1, bitmap, MF_SEPARATOR));
  EXPECT_FALSE(menu.InsertMenuW(1, L"Line", 0, MF_BYPOSITION | MF_SEPARATOR));
  EXPECT_FALSE(menu.ModifyMenuW(1, L"Other", 0, 0));
  EXPECT_FALSE(menu.ModifyMenuW(1, bitmap, 0, 0));
  EXPECT_EQ(GetMenuItemCount(menu), 0);
  EXPECT_EQ(menu.Records(), 0);
  EXPECT_EQ(PoolSizes::Now().strings, ready.strings);
  EXPECT_EQ(PoolSizes::Now().images, ready.images);
  // Flags that would make the system read the record as a bitmap or a
  // sub-menu are dropped: the entry stays owner-drawn with its record.
  ASSERT_TRUE(menu.AppendMenuW(7, L"Plain", MF_BITMAP));
  EXPECT_NE(ItemData(menu, 0), 0u);
  EXPECT_EQ(GetMenuItemID(menu, 0), 7u);
  DeleteObject(bitmap);
}

TEST_F(MenuTest, StatesAreReportedAsOneOrZero) {
  TestMenu menu;
  ASSERT_TRUE(menu.CreateMenu());
  ASSERT_TRUE(menu.AppendMenuW(11, L"Sound", 0));
  ASSERT_TRUE(menu.AppendMenuW(12, L"Music", 0));
  EXPECT_EQ(menu.CheckMenuItem(11, MF_CHECKED), 0u);
  EXPECT_EQ(menu.CheckMenuItem(11, MF_UNCHECKED), 1u);
  EXPECT_EQ(menu.EnableMenuItem(12, MF_GRAYED), 0u);
  EXPECT_EQ(menu.EnableMenuItem(12, MF_ENABLED), 1u);
  // An entry that is not there is not reported as checked or disabled.
  EXPECT_EQ(menu.CheckMenuItem(99, MF_CHECKED), static_cast<UINT>(-1));
  EXPECT_EQ(menu.EnableMenuItem(99, MF_GRAYED), static_cast<UINT>(-1));
  EXPECT_TRUE(menu.SetDefaultItem(1, TRUE));
  EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 1u);
  EXPECT_TRUE(menu.RemoveMenu(0, MF_BYPOSITION));
  EXPECT_EQ(GetMenuItemCount(menu), 1);
  EXPECT_EQ(menu.Records(), 2);  // the removed entry's record goes back with the menu
  // Nothing to show, or no window for the commands.
  TestMenu empty;
  EXPECT_FALSE(empty.TrackPopupMenu(&host));
  EXPECT_FALSE(menu.TrackPopupMenu(10, 10, nullptr));
}

TEST_F(MenuTest, ARealMenuIsMeasuredAndDrawnByTheSkin) {
  TestMenu menu;
  HBITMAP bitmap = MakeBitmap(RGB(200, 40, 40));
  ASSERT_TRUE(menu.CreateMenu());
  ASSERT_TRUE(menu.AppendMenuW(301, L"Leave the table", 0));
  ASSERT_TRUE(menu.AppendSeparator());
  ASSERT_TRUE(menu.AppendMenuW(302, bitmap, 0));
  ASSERT_TRUE(menu.AppendMenuW(303, L"Stand up", MF_GRAYED));

  const CUIMenuAttr& attr = CUIMenuKernel::m_UIAttribute;
  WindowPixels open;
  std::vector<CRect> items;
  // The last entry - the disabled one - highlighted from the keyboard.
  host.whileOpen.push_back([&] { PostKeys(host.m_hWnd, {VK_UP}); });
  host.whileOpen.push_back([&] {
    HWND window = OpenMenuWindow();
    ASSERT_NE(window, nullptr);
    for (UINT i = 0; i < 4; ++i) {
      CRect r;
      ASSERT_TRUE(GetMenuItemRect(nullptr, menu, i, &r));
      ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
      items.push_back(r);
    }
    open = Capture(window);
  });
  host.Track(menu);
  ASSERT_EQ(items.size(), 4u);

  // Measured: text + 33 by 22, the separator 3 high, the bitmap + 33 by + 6.
  ASSERT_GE(host.measured.size(), 4u);
  const MEASUREITEMSTRUCT* m = &host.measured[host.measured.size() - 4];
  EXPECT_EQ(m[0].itemWidth, static_cast<UINT>(TextWidth(L"Leave the table") + 33));
  EXPECT_EQ(m[0].itemHeight, 22u);
  EXPECT_EQ(m[1].itemWidth, 0u);
  EXPECT_EQ(m[1].itemHeight, 3u);
  EXPECT_EQ(m[2].itemWidth, 16u + 33);
  EXPECT_EQ(m[2].itemHeight, 10u + 6);
  EXPECT_EQ(items[0].Height(), 22);
  EXPECT_EQ(items[1].Height(), 3);

  // Drawn: the left column and the item background, the separator line,
  // the bitmap 30 pixels in, and no selection frame on a disabled entry.
  const CRect& text = items[0];
  EXPECT_EQ(open.At(text.left + 5, text.top + 2), attr.m_crLeftBack);
  EXPECT_EQ(open.At(text.right - 4, text.top + 2), attr.m_crItemBack);
  EXPECT_EQ(open.At(items[1].left + 40, items[1].top + 1), attr.m_crSeparator);
  EXPECT_EQ(open.At(items[1].left + 10, items[1].top + 1), attr.m_crLeftBack);
  EXPECT_EQ(open.At(items[1].left + 26, items[1].top + 1), attr.m_crItemBack);
  EXPECT_EQ(open.At(items[2].left + 30 + 8, items[2].top + 3 + 5), RGB(200, 40, 40));
  const CRect& grey = items[3];
  EXPECT_EQ(open.At(grey.left + 1, grey.top + 1), attr.m_crLeftBack);
  EXPECT_EQ(open.At(grey.right - 4, grey.top + 3), attr.m_crItemBack);
  int greyInk = 0;
  for (int y = grey.top; y < grey.bottom; ++y)
    for (int x = grey.left + 30; x < grey.right; ++x)
      if (open.At(x, y) == GetSysColor(COLOR_GRAYTEXT)) ++greyInk;
  EXPECT_GT(greyInk, 5);
  DeleteObject(bitmap);
}

TEST_F(MenuTest, AChosenEntrySendsItsCommand) {
  TestMenu menu;
  ASSERT_TRUE(menu.CreateMenu());
  ASSERT_TRUE(menu.AppendMenuW(401, L"Deal", 0));
  ASSERT_TRUE(menu.AppendSeparator());
  ASSERT_TRUE(menu.AppendMenuW(402, L"Shuffle", 0));
  // Down twice (over the separator) and Enter: the menu closes by itself.
  host.whileOpen.push_back([&] { PostKeys(host.m_hWnd, {VK_DOWN, VK_DOWN, VK_RETURN}); });
  host.commands.clear();
  host.Track(menu);
  Pump();
  ASSERT_FALSE(host.commands.empty());
  EXPECT_EQ(host.commands.back().first, 402);
}

// Draws one entry of a menu onto a canvas as the system asks for it.
struct DrawnEntry {
  TestCanvas canvas{120, 22, RGB(0, 0, 0)};
  void Draw(CUIMenuKernel& kernel, ULONG_PTR data, UINT state) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hDC = canvas.dc();
    dis.rcItem = {0, 0, 120, 22};
    dis.itemData = data;
    kernel.DrawItem(&dis);
  }
  int Count(COLORREF colour, int left = 0) const {
    int n = 0;
    for (int y = 0; y < 22; ++y)
      for (int x = left; x < 120; ++x)
        if (canvas.At(x, y) == colour) ++n;
    return n;
  }
};

class DrawingMenu : public TestMenu {
 public:
  CUIMenuKernel& Kernel() { return m_MenuKernel; }
};

TEST_F(MenuTest, EntryStatesAreDrawnApart) {
  DrawingMenu menu;
  ASSERT_TRUE(menu.CreateMenu());
  ASSERT_TRUE(menu.AppendMenuW(501, L"Auto play", 0));
  const ULONG_PTR data = ItemData(menu, 0);
  const CUIMenuAttr& attr = CUIMenuKernel::m_UIAttribute;

  DrawnEntry selected;
  selected.Draw(menu.Kernel(), data, ODS_SELECTED);
  EXPECT_EQ(selected.canvas.At(1, 1), attr.m_crSelectedFrame);
  EXPECT_EQ(selected.canvas.At(118, 20), attr.m_crSelectedFrame);
  EXPECT_EQ(selected.canvas.At(2, 2), attr.m_crSelectedFill);
  EXPECT_EQ(selected.canvas.At(0, 0), attr.m_crLeftBack);
  EXPECT_GT(selected.Count(attr.m_crSelectedText, 30), 5);

  // Selected and disabled: no frame, no fill, grey text.
  DrawnEntry disabled;
  disabled.Draw(menu.Kernel(), data, ODS_SELECTED | ODS_GRAYED);
  EXPECT_EQ(disabled.canvas.At(1, 1), attr.m_crLeftBack);
  EXPECT_EQ(disabled.canvas.At(118, 20), attr.m_crItemBack);
  EXPECT_EQ(disabled.Count(attr.m_crSelectedFrame), 0);
  EXPECT_EQ(disabled.Count(attr.m_crSelectedText, 30), 0);
  EXPECT_GT(disabled.Count(GetSysColor(COLOR_GRAYTEXT), 30), 5);

  // Checked: the check-mark frame of the state at (1, 1).
  CBitImage strip;
  ASSERT_TRUE(strip.LoadFromResource(GetModuleHandleW(L"Skinctl.dll"), 2026u));
  CPoint ink(-1, -1);  // a pixel of the mark itself
  for (int y = 0; y < 20 && ink.x < 0; ++y)
    for (int x = 0; x < 20 && ink.x < 0; ++x)
      if (strip.GetPixel(x, y) != strip.GetPixel(0, 0)) ink = CPoint(x, y);
  ASSERT_GE(ink.x, 0);
  DrawnEntry checked, checkedSelected, checkedDisabled;
  checked.Draw(menu.Kernel(), data, ODS_CHECKED);
  checkedSelected.Draw(menu.Kernel(), data, ODS_CHECKED | ODS_SELECTED);
  checkedDisabled.Draw(menu.Kernel(), data, ODS_CHECKED | ODS_SELECTED | ODS_DISABLED);
  EXPECT_EQ(checked.canvas.At(1 + ink.x, 1 + ink.y), strip.GetPixel(ink.x, ink.y));
  EXPECT_EQ(checkedSelected.canvas.At(1 + ink.x, 1 + ink.y), strip.GetPixel(20 + ink.x, ink.y));
  EXPECT_EQ(checkedDisabled.canvas.At(1 + ink.x, 1 + ink.y), strip.GetPixel(ink.x, ink.y));
  // Other kinds of item drawing and entries without a record are left alone.
  DrawnEntry none;
  none.Draw(menu.Kernel(), 0, ODS_SELECTED);
  EXPECT_EQ(none.Count(RGB(0, 0, 0)), 120 * 22);
}

TEST_F(MenuTest, ColoursComeFromTheSchemeOrFromTheSkinsOwn) {
  const double pairs[7][2] = {{0.99, 0.29}, {1.95, 0.75}, {0.35, 0.93}, {0.95, 0.90},
                              {0.0, 1.0},   {0.13, 0.98}, {0.66, 0.87}};
  auto colours = [](const CUIMenuAttr& a) {
    return std::vector<COLORREF>{a.m_crText,      a.m_crSelectedText, a.m_crLeftBack,     a.m_crSeparator,
                                 a.m_crItemBack, a.m_crSelectedFill, a.m_crSelectedFrame};
  };
  _UIRenderInfo green;
  green.hue = 120;
  green.brightness = -0.1;
  resources.SetUIResource(green);
  std::vector<COLORREF> expected;
  for (const auto& p : pairs) expected.push_back(render.RenderColor(p[0], p[1]));
  EXPECT_EQ(colours(CUIMenuKernel::m_UIAttribute), expected);

  // Without a render manager: the colours of the skin's own scheme, not
  // black on black.
  CUIMenuAttr own;
  EXPECT_EQ(colours(own), std::vector<COLORREF>(7, 0));
  EXPECT_TRUE(own.Initialization(nullptr));
  expected.clear();
  for (const auto& p : pairs) expected.push_back(CUIRenderManager::HSBToRGB(203, p[0], p[1]));
  EXPECT_EQ(colours(own), expected);
  EXPECT_NE(own.m_crText, own.m_crItemBack);
  resources.SetUIResource(_UIRenderInfo());
}

// A host that applies a scheme before (or without) making a render manager.
TEST(MenuColoursTest, ASchemeAppliedWithoutARenderManagerGivesTheSkinsOwnColours) {
  ASSERT_EQ(CUIRenderManager::GetInstance(), nullptr);
  CUIResourceManager resources;
  resources.SetUIResource(_UIRenderInfo());
  const CUIMenuAttr& attr = CUIMenuKernel::m_UIAttribute;
  EXPECT_EQ(attr.m_crText, static_cast<COLORREF>(CUIRenderManager::HSBToRGB(203, 0.99, 0.29)));
  EXPECT_EQ(attr.m_crItemBack, RGB(255, 255, 255));
  EXPECT_EQ(attr.m_crSelectedFrame, static_cast<COLORREF>(CUIRenderManager::HSBToRGB(203, 0.66, 0.87)));
}

TEST(KovArrayTest, GrowsBySteps) {
  CKovArray<void*> a;
  EXPECT_EQ(a.GetAt(0), nullptr);
  EXPECT_EQ(a.RemoveLast(), nullptr);
  int x = 0;
  EXPECT_EQ(a.Add(&x), 0);
  EXPECT_EQ(a.GetCapacity(), 1 + 4);  // an eighth of nothing, at least 4
  for (int i = 1; i < 100; ++i) a.Add(&x);
  EXPECT_GE(a.GetCapacity(), 100);
  EXPECT_LE(a.GetCapacity(), 100 + 12);  // an eighth of 99 past the size asked for
  const int capacity = a.GetCapacity();
  a.RemoveAll();
  EXPECT_EQ(a.GetSize(), 0);
  EXPECT_EQ(a.GetCapacity(), capacity);  // block kept
  ASSERT_TRUE(a.SetSize(3));
  EXPECT_EQ(a.GetAt(2), nullptr);  // new elements zeroed, whatever was there
  EXPECT_FALSE(a.SetSize(-1));
  CKovArray<void*> stepped;
  stepped.SetGrowBy(50);
  stepped.Add(&x);
  EXPECT_EQ(stepped.GetCapacity(), 51);
  EXPECT_FALSE(stepped.SetAt(1, &x));
  EXPECT_TRUE(stepped.SetAt(0, nullptr));
}

}  // namespace
