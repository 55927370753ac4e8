// CUIMenu: a pop-up menu whose entries are all drawn by the skin - texts,
// bitmaps and separators (see CUIMenuKernel). Each entry is backed by a
// record taken from one of three process-wide free pools, one per kind, and
// given back when the menu is destroyed, so that menus built and torn down
// on every right-click do not allocate each time. User-interface thread
// only: the pools have no lock.
#pragma once

#include <windows.h>

#include "KovArray.h"
#include "SkinctlApi.h"
#include "UIMenuItem.h"
#include "UIMenuKernel.h"

class CWnd;

class SKINCTL_API CUIMenu {
 public:
  CUIMenu();
  virtual ~CUIMenu();
  CUIMenu(const CUIMenu&) = delete;
  CUIMenu& operator=(const CUIMenu&) = delete;

  // An empty pop-up menu; false when the menu already has one or the system
  // refuses.
  bool CreateMenu();

  // A text (copied) or bitmap (referenced, not owned) entry with command id
  // and flags (MF_OWNERDRAW is added). False for MF_SEPARATOR in the flags
  // and when no record can be had.
  bool AppendMenuW(UINT nIDNewItem, LPCWSTR lpszNewItem, UINT nFlags);
  bool AppendMenuW(UINT nIDNewItem, HBITMAP hBitmap, UINT nFlags);
  // The same at a position (nPosition with MF_BYPOSITION in the flags, else
  // before the entry of that command).
  bool InsertMenuW(UINT nIDNewItem, LPCWSTR lpszNewItem, UINT nPosition, UINT nFlags);
  bool InsertMenuW(UINT nIDNewItem, HBITMAP hBitmap, UINT nPosition, UINT nFlags);
  bool AppendSeparator();
  bool InsertSeparator(UINT nPosition);
  // Entries are not modified in place: always false.
  bool ModifyMenuW(UINT nIDItem, LPCWSTR lpszNewItem, UINT nPosition, UINT nFlags);
  bool ModifyMenuW(UINT nIDItem, HBITMAP hBitmap, UINT nPosition, UINT nFlags);

  // The previous state as 1 (checked, or greyed/disabled) or 0; (UINT)-1
  // when there is no such entry.
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  bool RemoveMenu(UINT nPosition, UINT nFlags);
  bool SetDefaultItem(UINT uItem, int fByPos);

  // Shows the menu (right button tracking) at a screen point, or at the
  // cursor; commands reach pWnd as WM_COMMAND. False when there is no menu
  // or no window to send commands to.
  bool TrackPopupMenu(int x, int y, CWnd* pWnd);
  bool TrackPopupMenu(CWnd* pWnd);

  // Destroys the menu and gives every record back to its pool; true.
  bool DestroyMenu();

  HMENU GetSafeHMenu() const { return m_MenuKernel.GetSafeHmenu(); }
  operator HMENU() const { return GetSafeHMenu(); }

  static CKovArray<CUIMenuItem*> m_MenuItemImage;
  static CKovArray<CUIMenuItem*> m_MenuItemString;
  static CKovArray<CUIMenuItem*> m_MenuItemSeparator;

 protected:
  CKovArray<CUIMenuItem*> m_MenuItem;  // the records of this menu's entries
  CUIMenuKernel m_MenuKernel;

 private:
  // A record of the kind from its pool (the last one given back) or newly
  // made, listed as this menu's; null for an unknown kind or no memory.
  CUIMenuItem* AcitveMenuItem(enMenuItemType type);
  // Clears a record and gives it back to its pool.
  void FreeMenuItem(CUIMenuItem* record);
  // Takes a record of the kind, fills it with the text or the bitmap and
  // adds the entry, appended (append) or inserted at nPosition.
  bool AddEntry(enMenuItemType type, UINT nIDNewItem, LPCWSTR text, HBITMAP bitmap, bool append, UINT nPosition,
                UINT nFlags);
  static CKovArray<CUIMenuItem*>* PoolOf(enMenuItemType type);
};
