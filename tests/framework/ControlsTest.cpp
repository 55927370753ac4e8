// The control wrappers on real system controls: owner-draw callbacks reached
// through reflection, notifications travelling from a control through its
// parent back to the control object, and the data calls.
#include <gtest/gtest.h>

#include <vector>

#include "CButton.h"
#include "CComboBox.h"
#include "CEdit.h"
#include "CHeaderCtrl.h"
#include "CListBox.h"
#include "CListCtrl.h"
#include "CMemDC.h"
#include "CMenu.h"
#include "CRichEditCtrl.h"
#include "CScrollBar.h"
#include "CStatic.h"
#include "CTabCtrl.h"
#include "MessagePump.h"

namespace {

// One visible parent for the whole run (each visible top-level window costs
// time when it goes, under a display without a window manager).
CWnd& Host() {
  static CWnd* host = [] {
    auto* w = new CWnd;
    w->CreateEx(0, nullptr, L"controls", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
    return w;
  }();
  return *host;
}

class COwnerButton : public CButton {
public:
  std::vector<UINT> states;
  void DrawItem(LPDRAWITEMSTRUCT d) override {
    states.push_back(d->itemState);
    FillRect(d->hDC, &d->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
};

TEST(CButtonOwnerDraw, DrawItemRunsForThePaintWithTheItemState) {
  COwnerButton b;
  ASSERT_TRUE(b.Create(L"b", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 40, 20), &Host(), 10));
  CMemDC dc(nullptr, 40, 20);
  dc.Clear(0xFFFFFFFF);
  b.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.m_hDC), PRF_CLIENT);
  ASSERT_EQ(b.states.size(), 1u);
  EXPECT_EQ(dc.GetPixel(5, 5), RGB(0, 0, 0));
  b.EnableWindow(FALSE);  // may repaint at once
  b.states.clear();
  b.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.m_hDC), PRF_CLIENT);
  ASSERT_EQ(b.states.size(), 1u);
  EXPECT_TRUE(b.states[0] & ODS_DISABLED);
  // The style keeps the owner-draw type when other bits change.
  b.SetButtonStyle((b.GetButtonStyle() & 0xFFF4) | BS_OWNERDRAW);
  EXPECT_EQ(b.GetStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
}

TEST(CButtonState, CheckBoxes) {
  CButton box;
  ASSERT_TRUE(box.Create(L"c", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 30, 80, 50), &Host(), 11));
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
  box.SendMessage(BM_CLICK);
  EXPECT_EQ(box.GetCheck(), BST_CHECKED);
  box.SetCheck(BST_UNCHECKED);
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
}

class COwnerList : public CListBox {
public:
  int measured = 0, drawn = 0, compared = 0;
  std::vector<ULONG_PTR> deleted;
  void MeasureItem(LPMEASUREITEMSTRUCT m) override {
    ++measured;
    m->itemHeight = 10 + static_cast<UINT>(m->itemData);
  }
  void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
  int CompareItem(LPCOMPAREITEMSTRUCT c) override {
    ++compared;
    return c->itemData1 < c->itemData2 ? -1 : (c->itemData1 > c->itemData2 ? 1 : 0);
  }
  void DeleteItem(LPDELETEITEMSTRUCT d) override { deleted.push_back(d->itemData); }
};

TEST(CListBoxOwnerDraw, MeasureCompareDrawAndDeleteReachTheObject) {
  COwnerList list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_SORT, CRect(0, 60, 100, 160), &Host(), 12));
  // Without LBS_HASSTRINGS the "string" is the item data.
  list.AddString(reinterpret_cast<LPCWSTR>(5));
  list.AddString(reinterpret_cast<LPCWSTR>(2));
  list.AddString(reinterpret_cast<LPCWSTR>(8));
  EXPECT_EQ(list.measured, 3);
  EXPECT_GT(list.compared, 0);
  EXPECT_EQ(list.GetItemData(0), 2u);  // sorted by CompareItem
  EXPECT_EQ(list.GetItemData(2), 8u);
  EXPECT_EQ(list.GetItemHeight(2), 18);
  CMemDC dc(nullptr, 100, 100);
  list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.m_hDC), PRF_CLIENT);
  list.Invalidate();
  list.UpdateWindow();
  EXPECT_GT(list.drawn, 0);
  list.ResetContent();
  EXPECT_EQ(list.deleted.size(), 3u);
  list.DestroyWindow();
}

TEST(CListBoxText, TextOfItemsAndBadIndices) {
  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_HASSTRINGS, CRect(100, 60, 200, 160), &Host(), 13));
  list.AddString(L"first");
  list.InsertString(0, L"zero");
  CString s;
  EXPECT_EQ(list.GetText(1, s), 5);
  EXPECT_STREQ(s, L"first");
  EXPECT_EQ(list.GetText(7, s), LB_ERR);
  EXPECT_TRUE(s.IsEmpty());
  list.SetItemData(0, 99);
  EXPECT_EQ(list.GetItemData(0), 99u);
}

class COwnerCombo : public CComboBox {
public:
  int measuredDuringCreate = 0;
  bool created = false;
  void MeasureItem(LPMEASUREITEMSTRUCT m) override {
    if (!created) ++measuredDuringCreate;
    m->itemHeight = 21;
  }
};

TEST(CComboBoxOwnerDraw, MeasureItemArrivesWhileTheControlIsCreated) {
  COwnerCombo combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                           CRect(210, 0, 330, 200), &Host(), 14));
  combo.created = true;
  EXPECT_GT(combo.measuredDuringCreate, 0);
  EXPECT_EQ(combo.GetItemHeight(0), 21);
  combo.AddString(L"alpha");
  combo.AddString(L"beta");
  CString s;
  EXPECT_EQ(combo.GetLBText(1, s), 4);
  EXPECT_STREQ(s, L"beta");
  EXPECT_EQ(combo.GetLBText(5, s), CB_ERR);
  COMBOBOXINFO info;
  EXPECT_TRUE(combo.GetComboBoxInfo(&info));
  EXPECT_NE(info.hwndList, nullptr);
  EXPECT_FALSE(combo.GetDroppedState());
}

class CSortingList : public CListCtrl {
public:
  std::vector<int> clicks;

protected:
  BOOL OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult) override {
    if (pNMHDR->code != LVN_COLUMNCLICK) return FALSE;
    clicks.push_back(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    *pResult = 0;
    return TRUE;
  }
};

class CLockedHeader : public CHeaderCtrl {
public:
  int refused = 0;

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_NOTIFY) {
      auto* hdr = reinterpret_cast<NMHEADERW*>(lParam);
      if ((hdr->hdr.code == HDN_BEGINTRACKW || hdr->hdr.code == HDN_BEGINTRACKA) && hdr->iItem < 1) {
        ++refused;
        *pResult = TRUE;
        return TRUE;
      }
    }
    return CHeaderCtrl::OnChildNotify(message, wParam, lParam, pResult);
  }
};

TEST(CListCtrlReport, ItemsTextDataAndTheColumnClickComingBack) {
  CSortingList list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 170, 300, 290), &Host(), 15));
  EXPECT_EQ(list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100), 0);
  EXPECT_EQ(list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 80), 1);
  EXPECT_EQ(list.InsertItem(0, L"a.png"), 0);
  list.SetItemText(0, 1, L"12");
  CString longText(L'x', 700);
  list.InsertItem(1, longText);
  EXPECT_STREQ(list.GetItemText(0, 1), L"12");
  EXPECT_EQ(list.GetItemText(1, 0).GetLength(), 700);
  EXPECT_TRUE(list.SetItemData(1, 0xABCD));
  EXPECT_EQ(list.GetItemData(1), 0xABCDu);
  EXPECT_EQ(list.GetItemCount(), 2);
  CRect sub;
  EXPECT_TRUE(list.GetSubItemRect(0, 1, LVIR_BOUNDS, sub));
  EXPECT_EQ(sub.Width(), 80);

  CLockedHeader header;
  ASSERT_TRUE(header.SubclassWindow(list.GetHeaderCtrl()->m_hWnd));
  EXPECT_EQ(list.GetHeaderCtrl(), &header);
  EXPECT_EQ(header.GetItemCount(), 2);

  // A click on the second column header: header -> list view -> parent,
  // and back to the list object as a reflected LVN_COLUMNCLICK.
  CRect item;
  ASSERT_TRUE(header.GetItemRect(1, &item));
  LPARAM at = MAKELPARAM(item.left + 10, item.top + 3);
  header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
  header.SendMessage(WM_LBUTTONUP, 0, at);
  EXPECT_EQ(list.clicks, std::vector<int>{1});

  // Tracking the divider of the first column is refused by the header object.
  NMHEADERW track = {};
  track.hdr = {header.m_hWnd, static_cast<UINT_PTR>(header.GetDlgCtrlID()), static_cast<UINT>(HDN_BEGINTRACKW)};
  track.iItem = 0;
  EXPECT_EQ(list.SendMessage(WM_NOTIFY, track.hdr.idFrom, reinterpret_cast<LPARAM>(&track)), TRUE);
  EXPECT_EQ(header.refused, 1);
  header.UnsubclassWindow();
  EXPECT_NE(list.GetHeaderCtrl(), &header);
}

class CMenuSpy : public CMenu {
public:
  UINT measuredId = 0, drawnId = 0;
  void MeasureItem(LPMEASUREITEMSTRUCT m) override {
    measuredId = m->itemID;
    m->itemHeight = 30;
  }
  void DrawItem(LPDRAWITEMSTRUCT d) override { drawnId = d->itemID; }
};

TEST(CMenuOwnerDraw, AWindowRoutesItemCallbacksToTheMenuObject) {
  CMenuSpy menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_OWNERDRAW, 501, reinterpret_cast<LPCWSTR>(1));
  CWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, L"o", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 501, 0, 0, 1};
  owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  EXPECT_EQ(menu.measuredId, 501u);
  EXPECT_EQ(mis.itemHeight, 30u);
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_MENU;
  dis.itemID = 501;
  dis.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
  owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
  EXPECT_EQ(menu.drawnId, 501u);
  HMENU h = menu.m_hMenu;
  EXPECT_EQ(CMenu::FromHandlePermanent(h), &menu);
  menu.DestroyMenu();
  EXPECT_EQ(CMenu::FromHandlePermanent(h), nullptr);
  EXPECT_FALSE(IsMenu(h));
}

class CScrollSpy : public CScrollBar {
public:
  std::vector<UINT> codes;

protected:
  BOOL OnScrollReflect(UINT, UINT nSBCode, UINT) override {
    codes.push_back(nSBCode);
    return TRUE;
  }
};

TEST(CScrollBarControl, RangeAndReflectedScrolling) {
  CScrollSpy bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 0, 120, 16), &Host(), 16));
  SCROLLINFO si = {};
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = 99;
  si.nPage = 10;
  si.nPos = 30;
  bar.SetScrollInfo(&si);
  SCROLLINFO back = {};
  ASSERT_TRUE(bar.GetScrollInfo(&back));
  EXPECT_EQ(back.nMax, 99);
  EXPECT_EQ(back.nPos, 30);
  EXPECT_EQ(bar.GetScrollPos(), 30);
  Host().SendMessage(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(bar.m_hWnd));
  EXPECT_EQ(bar.codes, std::vector<UINT>{SB_LINERIGHT});
}

TEST(CTabAndStatic, ItemsSelectionAndOwnerDrawnStatic) {
  CTabCtrl tab;
  ASSERT_TRUE(tab.Create(WS_VISIBLE, CRect(0, 0, 200, 40), &Host(), 17));
  EXPECT_EQ(tab.InsertItem(0, L"One"), 0);
  EXPECT_EQ(tab.InsertItem(1, L"Two"), 1);
  EXPECT_EQ(tab.GetItemCount(), 2);
  tab.SetCurSel(1);
  EXPECT_EQ(tab.GetCurSel(), 1);
  CRect rc;
  EXPECT_TRUE(tab.GetItemRect(0, &rc));
  EXPECT_GT(rc.Width(), 0);

  class COwnerStatic : public CStatic {
  public:
    int drawn = 0;
    void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
  } label;
  ASSERT_TRUE(label.Create(L"", WS_VISIBLE | SS_OWNERDRAW, CRect(0, 50, 50, 70), &Host(), 18));
  CMemDC dc(nullptr, 50, 20);
  label.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.m_hDC), PRF_CLIENT);
  label.Invalidate();
  label.UpdateWindow();
  EXPECT_GT(label.drawn, 0);
}

TEST(CEditAndRichEdit, SelectionReplaceAndTheOleInterface) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(0, 80, 150, 100), &Host(), 19));
  edit.SetWindowText(L"hello world");
  edit.SetSel(6, 11);
  int a = 0, b = 0;
  edit.GetSel(a, b);
  EXPECT_EQ(a, 6);
  EXPECT_EQ(b, 11);
  edit.ReplaceSel(L"there");
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(text, L"hello there");

  CRichEditCtrl rich;
  ASSERT_TRUE(rich.Create(WS_VISIBLE | ES_MULTILINE, CRect(0, 110, 200, 200), &Host(), 20));
  rich.SetEventMask(ENM_LINK);
  EXPECT_EQ(rich.GetEventMask(), static_cast<DWORD>(ENM_LINK));
  rich.ReplaceSel(L"abc def");
  EXPECT_EQ(rich.GetTextLength(), 7);
  CString range;
  EXPECT_EQ(rich.GetTextRange(4, 7, range), 3);
  EXPECT_STREQ(range, L"def");
  rich.SetSel(0, 3);
  long s = 0, e = 0;
  rich.GetSel(s, e);
  EXPECT_EQ(e, 3);
  IRichEditOle* ole = rich.GetIRichEditOle();
  ASSERT_NE(ole, nullptr);
  ole->Release();
}

}  // namespace
