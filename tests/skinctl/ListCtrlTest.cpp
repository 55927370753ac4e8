// The skinned report list and its header on real windows: the set-up a
// created list gets, rows bound to data pointers (inserted, updated and
// deleted by pointer, unknown pointers and a list without columns left
// alone, long texts cut), sorting by real header clicks, the column lock
// against real divider drags, and the painted rows and header.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CBitImage.h"
#include "ControlHost.h"
#include "UIListCtrl.h"

namespace {

struct Player {
  std::wstring name;
  std::wstring table;
  bool fillWholeBuffer = false;  // writes every character it is given, no terminator
};

// A list of players: column 0 the name, column 1 the table.
class PlayerList : public CUIListCtrl {
 public:
  int insertAt = -1;  // -1: the base's choice
  bool Ascending() const { return m_bSortAscending != 0; }
  void SortBy(LPARAM a, LPARAM b, WORD column, bool ascending, int* result) {
    *result = SortItemData(a, b, column, ascending);
  }

 protected:
  void ConstructString(void* pData, WORD nColumn, wchar_t* pBuffer, WORD nSize) override {
    const Player* p = static_cast<const Player*>(pData);
    const std::wstring& text = nColumn == 0 ? p->name : p->table;
    if (p->fillWholeBuffer) {
      for (WORD i = 0; i < nSize; ++i) pBuffer[i] = text.empty() ? L'x' : text[i % text.size()];
      return;
    }
    lstrcpynW(pBuffer, text.c_str(), nSize);
  }
  int GetInsertIndex(void* pData) override { return insertAt < 0 ? CUIListCtrl::GetInsertIndex(pData) : insertAt; }
};

class ListCtrlTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Open(420, 320)); }

  void Make(bool columns = true) {
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS, CRect(10, 10, 410, 310),
                            &host, 400));
    if (!columns) return;
    list.InsertColumn(0, L"Player", LVCFMT_LEFT, 120);
    list.InsertColumn(1, L"Table", LVCFMT_LEFT, 100);
    list.InsertColumn(2, L"Notes", LVCFMT_LEFT, 100);
  }
  std::vector<std::wstring> Column(int column) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < list.GetItemCount(); ++i) texts.push_back(list.GetItemText(i, column).GetString());
    return texts;
  }
  HWND Header() { return reinterpret_cast<HWND>(list.SendMessage(LVM_GETHEADER)); }
  CRect HeaderItem(int i) {
    CRect r;
    Header_GetItemRect(Header(), i, &r);
    return r;
  }
  // A click on a column's header as the header receives it.
  void ClickColumn(int i) {
    const CPoint at = HeaderItem(i).CenterPoint();
    ::SendMessageW(Header(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    ::SendMessageW(Header(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    Pump();
  }
  // Drags the divider right of column i by dx pixels.
  void DragDivider(int i, int dx) {
    const CRect r = HeaderItem(i);
    const int y = r.Height() / 2;
    ::SendMessageW(Header(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right - 1, y));
    ::SendMessageW(Header(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.right - 1 + dx / 2, y));
    ::SendMessageW(Header(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.right - 1 + dx, y));
    ::SendMessageW(Header(), WM_LBUTTONUP, 0, MAKELPARAM(r.right - 1 + dx, y));
    Pump();
  }

  ControlHost host;
  PlayerList list;
};

TEST_F(ListCtrlTest, SetUpTakesTheSkinsColoursStylesAndHeader) {
  Make();
  EXPECT_EQ(list.GetBkColor(), RGB(229, 249, 255));
  EXPECT_EQ(static_cast<COLORREF>(list.SendMessage(LVM_GETTEXTBKCOLOR)), RGB(229, 249, 255));
  EXPECT_EQ(static_cast<COLORREF>(list.SendMessage(LVM_GETTEXTCOLOR)), RGB(10, 10, 10));
  EXPECT_EQ(list.GetExtendedStyle(),
            static_cast<DWORD>(LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_INFOTIP));
  // The header belongs to the list's header object and writes in a 13-point
  // font of the skin's face.
  EXPECT_EQ(CWnd::FromHandlePermanent(Header()), &list.GetSkinHeader());
  LOGFONTW font = {};
  ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Header(), WM_GETFONT, 0, 0)), sizeof font, &font));
  EXPECT_STREQ(font.lfFaceName, L"\u5B8B\u4F53");
  const LONG thirteen = font.lfHeight;
  list.GetSkinHeader().SetItemHeight(200);
  ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(Header(), WM_GETFONT, 0, 0)), sizeof font, &font));
  EXPECT_LT(font.lfHeight, thirteen);  // both negative: a larger size
  // The shared record: colours and the three header pieces.
  const CUIListCtrlAttr& attr = CUIListCtrl::m_UIAttribute;
  EXPECT_EQ(attr.m_crHeaderText, RGB(254, 254, 254));
  EXPECT_EQ(attr.m_HeaderLeft.GetWidth(), 1);
  EXPECT_EQ(attr.m_HeaderBody.GetWidth(), 29);
  EXPECT_EQ(attr.m_HeaderRight.GetWidth(), 1);
  EXPECT_EQ(attr.m_HeaderBody.GetHeight(), 20);
}

TEST_F(ListCtrlTest, ItsScrollBarsAreTheSkins) {
  Make();
  EXPECT_NE(GetPropW(list.m_hWnd, L"PROP_SkinSB"), nullptr);
  std::vector<Player> players(60, Player{L"Ann", L"Table 1"});
  for (Player& p : players) list.InsertDataItem(&p);
  list.SetColumnWidth(2, 400);  // wider than the list: both bars
  const WindowPixels whole = Capture(list.m_hWnd, true);
  CRect client;
  list.GetClientRect(&client);
  ASSERT_EQ(client.Width(), whole.width - 16);
  ASSERT_EQ(client.Height(), whole.height - 16);
  // The up arrow and the left arrow, normal, from the sheet's first column.
  CBitImage sheet;
  ASSERT_TRUE(sheet.LoadFromResource(GetModuleHandleW(L"Skinctl.dll"), 2032u));
  for (int y = 2; y < 14; y += 5)
    for (int x = 2; x < 14; x += 5) {
      EXPECT_TRUE(Near(whole.At(client.right + x, y), sheet.GetPixel(x, y), 4)) << x << "," << y;
      EXPECT_TRUE(Near(whole.At(x, client.bottom + y), sheet.GetPixel(x, 16 + y), 4)) << x << "," << y;
    }
  // The list's own scrolling reaches the skinned state.
  list.EnsureVisible(59, FALSE);
  EXPECT_GT(GetScrollPos(list.m_hWnd, SB_VERT), 0);
}

TEST_F(ListCtrlTest, ASubclassedListGetsTheSameSetUp) {
  HWND existing = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, 10, 10,
                                  300, 200, host.m_hWnd, reinterpret_cast<HMENU>(401), nullptr, nullptr);
  ASSERT_NE(existing, nullptr);
  ASSERT_TRUE(list.SubclassWindow(existing));
  EXPECT_EQ(list.GetBkColor(), RGB(229, 249, 255));
  EXPECT_EQ(CWnd::FromHandlePermanent(Header()), &list.GetSkinHeader());
  list.InsertColumn(0, L"Player", LVCFMT_LEFT, 120);
  Player ann{L"Ann", L"Table 3"};
  list.InsertDataItem(&ann);
  EXPECT_EQ(list.GetItemText(0, 0), L"Ann");
}

TEST_F(ListCtrlTest, RowsFollowTheirDataPointers) {
  Make();
  Player ann{L"Ann", L"Table 3"}, bob{L"Bob", L"Table 1"}, cid{L"Cid", L"Table 2"};
  list.InsertDataItem(&ann);
  list.InsertDataItem(&bob);
  list.insertAt = 0;
  list.InsertDataItem(&cid);
  EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Cid", L"Ann", L"Bob"}));
  EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"Table 2", L"Table 3", L"Table 1"}));
  EXPECT_EQ(list.GetItemData(1), reinterpret_cast<DWORD_PTR>(&ann));

  bob.table = L"Table 9";
  list.UpdateDataItem(&bob);
  EXPECT_EQ(list.GetItemText(2, 1), L"Table 9");

  // Pointers the list does not hold, and null, change nothing.
  Player stranger{L"Zed", L"Table 0"};
  list.UpdateDataItem(&stranger);
  list.DeleteDataItem(&stranger);
  list.UpdateDataItem(nullptr);
  list.DeleteDataItem(nullptr);
  list.InsertDataItem(nullptr);
  EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Cid", L"Ann", L"Bob"}));
  EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"Table 2", L"Table 3", L"Table 9"}));

  list.DeleteDataItem(&ann);
  EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Cid", L"Bob"}));
}

TEST_F(ListCtrlTest, AListWithoutColumnsOrWindowIgnoresInserts) {
  Player ann{L"Ann", L"Table 3"};
  list.InsertDataItem(&ann);  // no window yet
  Make(false);
  list.InsertDataItem(&ann);
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListCtrlTest, TextsAreCutAt255Characters) {
  Make();
  Player longName{std::wstring(300, L'a') + L"z", std::wstring(255, L'b')};
  list.InsertDataItem(&longName);
  EXPECT_EQ(list.GetItemText(0, 0), CString(std::wstring(255, L'a').c_str()));
  EXPECT_EQ(list.GetItemText(0, 1).GetLength(), 255);
  // A text callback that fills the whole buffer still gives a 255-character
  // text, not whatever lies behind the buffer.
  Player greedy{L"abc", L"def", true};
  list.InsertDataItem(&greedy);
  EXPECT_EQ(list.GetItemText(1, 0).GetLength(), 255);
  greedy.name = L"q";
  list.UpdateDataItem(&greedy);
  EXPECT_EQ(list.GetItemText(1, 0), CString(std::wstring(255, L'q').c_str()));
}

TEST_F(ListCtrlTest, HeaderClicksSortDescendingThenAscending) {
  Make();
  Player players[] = {{L"Bob", L"Table 2"}, {L"Dan", L"Table 1"}, {L"Ann", L"Table 4"}, {L"Cid", L"Table 3"}};
  for (Player& p : players) list.InsertDataItem(&p);

  ClickColumn(0);
  EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Dan", L"Cid", L"Bob", L"Ann"}));
  ClickColumn(0);
  EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Ann", L"Bob", L"Cid", L"Dan"}));
  // One direction flag for all columns: the next click, on another column,
  // sorts descending again.
  ClickColumn(1);
  EXPECT_EQ(Column(1), (std::vector<std::wstring>{L"Table 4", L"Table 3", L"Table 2", L"Table 1"}));
  EXPECT_EQ(Column(0), (std::vector<std::wstring>{L"Ann", L"Cid", L"Bob", L"Dan"}));
  // Rows keep their data through the sorts.
  for (int i = 0; i < list.GetItemCount(); ++i)
    EXPECT_EQ(reinterpret_cast<Player*>(list.GetItemData(i))->name, Column(0)[i]);
  EXPECT_TRUE(list.Ascending());

  // Outside a sort the base comparison finds the rows by their data.
  int order = 0;
  list.SortBy(reinterpret_cast<LPARAM>(&players[2]), reinterpret_cast<LPARAM>(&players[0]), 0, true, &order);
  EXPECT_LT(order, 0);
  list.SortBy(reinterpret_cast<LPARAM>(&players[2]), reinterpret_cast<LPARAM>(&players[0]), 0, false, &order);
  EXPECT_GT(order, 0);
}

TEST_F(ListCtrlTest, LockedColumnsCannotBeResizedByDragging) {
  Make();
  list.GetSkinHeader().SetLockCount(2);
  for (int i = 0; i < 3; ++i) {
    const int before = list.GetColumnWidth(i);
    DragDivider(i, 30);
    if (i < 2)
      EXPECT_EQ(list.GetColumnWidth(i), before) << "column " << i;
    else
      EXPECT_EQ(list.GetColumnWidth(i), before + 30) << "column " << i;
  }
  // Unlocked, the first column follows the drag too.
  list.GetSkinHeader().SetLockCount(0);
  const int before = list.GetColumnWidth(0);
  DragDivider(0, -20);
  EXPECT_EQ(list.GetColumnWidth(0), before - 20);
}

TEST_F(ListCtrlTest, PaintsRowsAndHeaderInTheSkin) {
  Make();
  Player players[] = {{L"Ann", L"Table 1"}, {L"Bob", L"Table 2"}, {L"Cid", L"Table 3"}};
  for (Player& p : players) list.InsertDataItem(&p);
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  const WindowPixels shot = Capture(list.m_hWnd);
  CRect row0, row1, row2;
  list.GetItemRect(0, &row0, LVIR_BOUNDS);
  list.GetItemRect(1, &row1, LVIR_BOUNDS);
  list.GetItemRect(2, &row2, LVIR_BOUNDS);
  // Backgrounds at the far right of each row, past every text.
  EXPECT_EQ(shot.At(row0.left + 300, row0.top + 1), RGB(229, 249, 255));
  EXPECT_EQ(shot.At(row1.left + 300, row1.top + 1), RGB(212, 208, 200));
  // Below the rows the list's own background.
  EXPECT_EQ(shot.At(200, row2.bottom + 40), RGB(229, 249, 255));
  // Dark text ink inside the first cell, 5 pixels in at the earliest.
  int ink = 0, early = 0;
  for (int y = row0.top; y < row0.bottom; ++y)
    for (int x = row0.left; x < row0.left + 60; ++x)
      if (GetGValue(shot.At(x, y)) < 100) (x < row0.left + 5 ? early : ink)++;
  EXPECT_GT(ink, 5);
  EXPECT_EQ(early, 0);

  // The header: its body image in the middle of a column, the edge pieces
  // at the column's edges, pale text in the middle.
  const CUIListCtrlAttr& attr = CUIListCtrl::m_UIAttribute;
  const WindowPixels header = Capture(Header());
  const CRect first = HeaderItem(0);
  EXPECT_TRUE(Near(header.At(first.left + 10, first.Height() - 3), attr.m_HeaderBody.GetPixel(10, 17), 4));
  EXPECT_TRUE(Near(header.At(first.left, 10), attr.m_HeaderLeft.GetPixel(0, 10), 4));
  EXPECT_TRUE(Near(header.At(first.right - 1, 10), attr.m_HeaderRight.GetPixel(0, 10), 4));
  int pale = 0;
  for (int y = 0; y < first.Height(); ++y)
    for (int x = first.left + 20; x < first.right - 20; ++x)
      if (Near(header.At(x, y), RGB(254, 254, 254), 40)) ++pale;
  EXPECT_GT(pale, 5);
}

TEST_F(ListCtrlTest, ASchemeRecoloursTheHeader) {
  _UIRenderInfo green;
  green.hue = 120;
  resources.SetUIResource(green);
  Make();
  const CRect first = HeaderItem(0);
  const COLORREF body = Capture(Header()).At(first.left + 10, first.Height() / 2);
  EXPECT_NEAR(CUIRenderManager::RGBToHSB(body).hue, 120, 3);
  // Without a render manager the pieces keep the skin's own colours.
  resources.SetUIResource(_UIRenderInfo());
  CUIListCtrlAttr plain(CUIListCtrl::m_UIAttribute);
  EXPECT_TRUE(plain.Initialization(nullptr));
  EXPECT_EQ(plain.m_HeaderBody.GetPixel(3, 10), CUIListCtrl::m_UIAttribute.m_HeaderBody.GetPixel(3, 10));
}

}  // namespace
