#include "UIMenu.h"

#include <new>

#include "CWnd.h"

CKovArray<CUIMenuItem*> CUIMenu::m_MenuItemImage;
CKovArray<CUIMenuItem*> CUIMenu::m_MenuItemString;
CKovArray<CUIMenuItem*> CUIMenu::m_MenuItemSeparator;

namespace {

// Flags that would make the system read the item data as something else
// than the record: every entry is owner-drawn and has a command id.
const UINT kForeignTypeFlags = MF_BITMAP | MF_POPUP;

}  // namespace

CUIMenu::CUIMenu() {}

CUIMenu::~CUIMenu() { DestroyMenu(); }

bool CUIMenu::CreateMenu() {
  if (m_MenuKernel.GetSafeHmenu() != nullptr) return false;
  HMENU menu = ::CreatePopupMenu();
  if (menu == nullptr) return false;
  if (m_MenuKernel.Attach(menu)) return true;
  ::DestroyMenu(menu);
  return false;
}

// ------------------------------------------------------------------ records

CKovArray<CUIMenuItem*>* CUIMenu::PoolOf(enMenuItemType type) {
  switch (type) {
    case MIT_IMAGE: return &m_MenuItemImage;
    case MIT_STRING: return &m_MenuItemString;
    case MIT_SEPARATOR: return &m_MenuItemSeparator;
  }
  return nullptr;
}

CUIMenuItem* CUIMenu::AcitveMenuItem(enMenuItemType type) {
  CKovArray<CUIMenuItem*>* pool = PoolOf(type);
  if (pool == nullptr) return nullptr;
  CUIMenuItem* record = pool->RemoveLast();
  if (record == nullptr) {
    switch (type) {
      case MIT_IMAGE: record = new (std::nothrow) CUIMenuImage(); break;
      case MIT_STRING: record = new (std::nothrow) CUIMenuString(); break;
      case MIT_SEPARATOR: record = new (std::nothrow) CUIMenuSeparator(); break;
    }
    if (record == nullptr) return nullptr;
  }
  if (m_MenuItem.Add(record) < 0) {
    // The pool has room for it: it came from there, or the pool grows.
    if (pool->Add(record) < 0) delete record;
    return nullptr;
  }
  return record;
}

void CUIMenu::FreeMenuItem(CUIMenuItem* record) {
  if (record == nullptr) return;
  switch (record->m_eType) {
    case MIT_IMAGE: static_cast<CUIMenuImage*>(record)->m_hBitmap = nullptr; break;
    case MIT_STRING: static_cast<CUIMenuString*>(record)->m_sText.Empty(); break;
    case MIT_SEPARATOR: break;
  }
  CKovArray<CUIMenuItem*>* pool = PoolOf(record->m_eType);
  // A record the pool cannot take is let go rather than kept by no one.
  if (pool == nullptr || pool->Add(record) < 0) delete record;
}

// ------------------------------------------------------------------ entries

bool CUIMenu::AddEntry(enMenuItemType type, UINT nIDNewItem, LPCWSTR text, HBITMAP bitmap, bool append,
                       UINT nPosition, UINT nFlags) {
  if (type != MIT_SEPARATOR && (nFlags & MF_SEPARATOR)) return false;
  CUIMenuItem* record = AcitveMenuItem(type);
  if (record == nullptr) return false;
  bool filled = true;
  if (type == MIT_STRING) {
    try {
      static_cast<CUIMenuString*>(record)->m_sText = text ? text : L"";
    } catch (const std::bad_alloc&) {
      filled = false;
    }
  } else if (type == MIT_IMAGE) {
    static_cast<CUIMenuImage*>(record)->m_hBitmap = bitmap;
  }
  const UINT flags = (nFlags & ~kForeignTypeFlags) | MF_OWNERDRAW;
  const LPCWSTR data = reinterpret_cast<LPCWSTR>(record);
  HMENU menu = m_MenuKernel.GetSafeHmenu();
  const bool added = filled && (append ? ::AppendMenuW(menu, flags, nIDNewItem, data)
                                       : ::InsertMenuW(menu, nPosition, flags, nIDNewItem, data));
  if (!added) {
    // No entry refers to it: back to its pool at once.
    FreeMenuItem(m_MenuItem.RemoveLast());
    return false;
  }
  return true;
}

bool CUIMenu::AppendMenuW(UINT nIDNewItem, LPCWSTR lpszNewItem, UINT nFlags) {
  return AddEntry(MIT_STRING, nIDNewItem, lpszNewItem, nullptr, true, 0, nFlags);
}

bool CUIMenu::AppendMenuW(UINT nIDNewItem, HBITMAP hBitmap, UINT nFlags) {
  return AddEntry(MIT_IMAGE, nIDNewItem, nullptr, hBitmap, true, 0, nFlags);
}

bool CUIMenu::InsertMenuW(UINT nIDNewItem, LPCWSTR lpszNewItem, UINT nPosition, UINT nFlags) {
  return AddEntry(MIT_STRING, nIDNewItem, lpszNewItem, nullptr, false, nPosition, nFlags);
}

bool CUIMenu::InsertMenuW(UINT nIDNewItem, HBITMAP hBitmap, UINT nPosition, UINT nFlags) {
  return AddEntry(MIT_IMAGE, nIDNewItem, nullptr, hBitmap, false, nPosition, nFlags);
}

// Separators are owner-drawn separators: the menu skips them when the keys
// move the highlight and never sends a command for them.
bool CUIMenu::AppendSeparator() { return AddEntry(MIT_SEPARATOR, 0, nullptr, nullptr, true, 0, MF_SEPARATOR); }

bool CUIMenu::InsertSeparator(UINT nPosition) {
  return AddEntry(MIT_SEPARATOR, 0, nullptr, nullptr, false, nPosition, MF_BYPOSITION | MF_SEPARATOR);
}

bool CUIMenu::ModifyMenuW(UINT, LPCWSTR, UINT, UINT) { return false; }

bool CUIMenu::ModifyMenuW(UINT, HBITMAP, UINT, UINT) { return false; }

// ------------------------------------------------------------------ state

UINT CUIMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  const DWORD previous = ::CheckMenuItem(m_MenuKernel.GetSafeHmenu(), nIDCheckItem, nCheck);
  if (previous == static_cast<DWORD>(-1)) return static_cast<UINT>(-1);
  return previous != 0 ? 1 : 0;
}

UINT CUIMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  const BOOL previous = ::EnableMenuItem(m_MenuKernel.GetSafeHmenu(), nIDEnableItem, nEnable);
  if (previous == -1) return static_cast<UINT>(-1);
  return previous != 0 ? 1 : 0;
}

bool CUIMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
  // The entry's record stays listed and goes back to its pool with the menu.
  return ::RemoveMenu(m_MenuKernel.GetSafeHmenu(), nPosition, nFlags) != FALSE;
}

bool CUIMenu::SetDefaultItem(UINT uItem, int fByPos) {
  return ::SetMenuDefaultItem(m_MenuKernel.GetSafeHmenu(), uItem, fByPos ? TRUE : FALSE) != FALSE;
}

bool CUIMenu::TrackPopupMenu(int x, int y, CWnd* pWnd) {
  if (m_MenuKernel.GetSafeHmenu() == nullptr || pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd())) return false;
  // A menu dismissed without a choice has been shown all the same.
  m_MenuKernel.TrackPopupMenu(TPM_RIGHTBUTTON, x, y, pWnd);
  return true;
}

bool CUIMenu::TrackPopupMenu(CWnd* pWnd) {
  POINT cursor = {};
  ::GetCursorPos(&cursor);
  return TrackPopupMenu(cursor.x, cursor.y, pWnd);
}

bool CUIMenu::DestroyMenu() {
  m_MenuKernel.DestroyMenu();
  for (int i = 0; i < m_MenuItem.GetSize(); ++i) FreeMenuItem(m_MenuItem[i]);
  m_MenuItem.RemoveAll();
  return true;
}
