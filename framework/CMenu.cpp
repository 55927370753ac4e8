#include "CMenu.h"

#include "AfxResource.h"
#include "AfxThreadState.h"
#include "CWnd.h"

namespace {

bool HoldsCommand(HMENU hMenu, UINT nItemID) {
  return hMenu && ::GetMenuState(hMenu, nItemID, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

// The registered menu at or below hMenu that holds the command directly.
CMenu* FindInTree(HMENU hMenu, UINT nItemID, int depth) {
  if (!hMenu || depth > 8) return nullptr;
  int count = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i) {
    if (HMENU sub = ::GetSubMenu(hMenu, i)) {
      if (CMenu* found = FindInTree(sub, nItemID, depth + 1)) return found;
    } else if (::GetMenuItemID(hMenu, i) == nItemID) {
      return CMenu::FromHandlePermanent(hMenu);
    }
  }
  return nullptr;
}

}  // namespace

namespace {

void SetMenuData(HMENU hMenu, ULONG_PTR data) {
  MENUINFO mi = {};
  mi.cbSize = sizeof(mi);
  mi.fMask = MIM_MENUDATA;
  mi.dwMenuData = data;
  ::SetMenuInfo(hMenu, &mi);
}

ULONG_PTR GetMenuData(HMENU hMenu) {
  MENUINFO mi = {};
  mi.cbSize = sizeof(mi);
  mi.fMask = MIM_MENUDATA;
  return ::GetMenuInfo(hMenu, &mi) ? mi.dwMenuData : 0;
}

}  // namespace

CMenu::~CMenu() {
  DestroyMenu();
  m_dwSignature = 0;
}

CMenu* CMenu::FromMenuData(HMENU hMenu) {
  auto* pMenu = reinterpret_cast<CMenu*>(GetMenuData(hMenu));
  return (pMenu && pMenu->m_dwSignature == kSignature && pMenu->m_hMenu == hMenu) ? pMenu : nullptr;
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu) {
  if (!hMenu) return nullptr;
  auto& map = AfxGetThreadState()->permanentMenus;
  auto it = map.find(hMenu);
  return it != map.end() ? it->second : FromMenuData(hMenu);
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
  if (!hMenu) return nullptr;
  if (CMenu* pMenu = FromHandlePermanent(hMenu)) return pMenu;
  auto& slot = AfxGetThreadState()->tempMenus[hMenu];
  if (!slot) {
    slot.reset(new CMenu());
    slot->m_hMenu = hMenu;
  }
  return slot.get();
}

CMenu* CMenu::FindOwnerOfItem(HMENU hTracking, HMENU hMenuBar, UINT nItemID) {
  if (CMenu* pMenu = FindInTree(hTracking, nItemID, 0)) return pMenu;
  if (CMenu* pMenu = FindInTree(hMenuBar, nItemID, 0)) return pMenu;
  for (auto& entry : AfxGetThreadState()->permanentMenus) {
    if (HoldsCommand(entry.first, nItemID)) return entry.second;
  }
  return nullptr;
}

BOOL CMenu::Attach(HMENU hMenu) {
  if (m_hMenu || !hMenu) return FALSE;
  m_hMenu = hMenu;
  m_bOwned = true;
  AfxGetThreadState()->permanentMenus[hMenu] = this;
  SetMenuData(hMenu, reinterpret_cast<ULONG_PTR>(this));
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU h = m_hMenu;
  if (h && m_bOwned) {
    auto& map = AfxGetThreadState()->permanentMenus;
    auto it = map.find(h);
    if (it != map.end() && it->second == this) map.erase(it);
    if (GetMenuData(h) == reinterpret_cast<ULONG_PTR>(this)) SetMenuData(h, 0);
  }
  m_hMenu = nullptr;
  m_bOwned = false;
  return h;
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(4) /* RT_MENU */);
  return hInst ? Attach(::LoadMenuW(hInst, MAKEINTRESOURCEW(nIDResource))) : FALSE;
}

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  bool owned = m_bOwned;
  HMENU h = Detach();
  return owned ? ::DestroyMenu(h) : TRUE;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  int n = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
  if (n <= 0) {
    rString.Empty();
    return 0;
  }
  ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBufferSetLength(n + 1), n + 1, nFlags);
  rString.ReleaseBuffer();
  return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  AfxThreadState* state = AfxGetThreadState();
  HMENU saved = state->hTrackingMenu;
  state->hTrackingMenu = m_hMenu;
  BOOL r = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
  state->hTrackingMenu = saved;
  return r;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
