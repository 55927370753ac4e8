// The gallery's list and menu part: a skinned report list of a few hundred
// players, more columns than fit (so both scroll bars show), bound to the
// player records it holds; and a skinned pop-up menu over it with text,
// bitmap and separator entries, a checked and a disabled one, shown on
// request and held open until closed.
#pragma once

#include <windows.h>

#include <vector>

#include "UIListCtrl.h"
#include "UIMenu.h"

class CGalleryPlayerList : public CUIListCtrl {
 public:
  struct Player {
    wchar_t name[24];
    const wchar_t* game;
    int table;
    int seat;
    int score;
    const wchar_t* status;
  };

 protected:
  void ConstructString(void* pData, WORD nColumn, wchar_t* pBuffer, WORD nSize) override;
  int SortItemData(LPARAM pData1, LPARAM pData2, WORD nColumn, bool bAscending) override;
};

class CGalleryListMenu {
 public:
  enum { ROWS = 300 };
  enum Command { CMD_JOIN = 2101, CMD_WATCH, CMD_INVITE, CMD_CHIPS, CMD_SORT, CMD_LEAVE };

  CGalleryListMenu();
  ~CGalleryListMenu();
  CGalleryListMenu(const CGalleryListMenu&) = delete;
  CGalleryListMenu& operator=(const CGalleryListMenu&) = delete;

  // The list in the parent's client area; false when it cannot be made.
  bool Create(CWnd* pParent, const CRect& area, UINT nID);
  void Place(const CRect& area);

  // Builds the menu and tracks it at a screen point (null: over the list,
  // its first entry highlighted); returns when the menu closes (commands go
  // to pOwner).
  void ShowMenu(CWnd* pOwner, const POINT* pAt = nullptr);
  bool IsList(HWND hWnd) const { return hWnd != nullptr && hWnd == m_List.m_hWnd; }
  bool IsMenuShowing() const { return m_bShowing; }
  // Whether the open menu's window is on screen.
  static bool MenuOnScreen();
  static void CloseMenu();

 private:
  void FillRows();
  HBITMAP ChipsBitmap();

  CGalleryPlayerList m_List;
  CUIMenu m_Menu;
  std::vector<CGalleryPlayerList::Player> m_Players;
  HBITMAP m_hChips;
  bool m_bShowing;
};
