#include "UIResourceManager.h"

#include <vector>

#include "UIDialog.h"

// The controls whose shared records a scheme re-initialises.
#include "UIComboBox.h"
#include "UIEdit.h"
#include "UIHyperLink.h"
#include "UIListCtrl.h"
#include "UIMenuKernel.h"

CUIResourceManager* CUIResourceManager::m_pUIResourceManager = nullptr;

CUIResourceManager::CUIResourceManager() {
  if (m_pUIResourceManager == nullptr) m_pUIResourceManager = this;
}

CUIResourceManager::~CUIResourceManager() {
  if (m_pUIResourceManager == this) m_pUIResourceManager = nullptr;
}

CUIResourceManager* CUIResourceManager::GetInstance() { return m_pUIResourceManager; }

CFont& CUIResourceManager::GetDefaultFont() { return m_DefaultFont; }

void CUIResourceManager::SetUIResource(const _UIRenderInfo& info) {
  CUIRenderManager* render = CUIRenderManager::GetInstance();
  if (render) render->SetUIRenderInfo(info);

  // Created once, never re-created; a failure leaves it empty.
  if (m_DefaultFont.GetSafeHandle() == nullptr) {
    m_DefaultFont.CreateFontW(-12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_STROKE_PRECIS,
                              CLIP_STROKE_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH, L"\u5B8B\u4F53");
  }

  // The shared records, always in this order: edit, dialog, combo box, list
  // control, hyperlink, menu. (The scroll bar's record never changes.)
  CUIEdit::m_UIAttribute.Initialization(render);
  CUIDialog::m_UIAttribute.Initialization(render);
  CUIComboBox::m_UIAttribute.Initialization(render);
  CUIListCtrl::m_UIAttribute.Initialization(render);
  CUIHyperLink::m_UIAttribute.Initialization(render);
  CUIMenuKernel::m_UIAttribute.Initialization(render);

  ::EnumThreadWindows(::GetCurrentThreadId(), EnumWindowsProc, reinterpret_cast<LPARAM>(render));
}

BOOL CALLBACK CUIResourceManager::EnumWindowsProc(HWND hWnd, LPARAM lParam) {
  // The direct children only, each taking its own first: every descendant
  // (as EnumChildWindows hands them over) would be repainted again from
  // each of its ancestors. Taken before any painting, which may add or
  // remove windows.
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  for (HWND child : children) EnumWindowsProc(child, lParam);
  // The window itself after its children, over all of it but where its
  // visible children lie: a window without WS_CLIPCHILDREN would otherwise
  // paint over the children just painted (a dialog's controls vanished).
  RECT whole;
  ::GetWindowRect(hWnd, &whole);
  ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&whole), 2);
  HRGN region = ::CreateRectRgnIndirect(&whole);
  for (HWND child : children) {
    if (!::IsWindow(child) || !::IsWindowVisible(child)) continue;
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&r), 2);
    HRGN part = ::CreateRectRgnIndirect(&r);
    if (region && part) ::CombineRgn(region, region, part, RGN_DIFF);
    if (part) ::DeleteObject(part);
  }
  ::RedrawWindow(hWnd, nullptr, region,
                 RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
  if (region) ::DeleteObject(region);
  return TRUE;
}

HFONT SkinDefaultFont() {
  CUIResourceManager* resources = CUIResourceManager::GetInstance();
  if (resources == nullptr) return nullptr;
  return static_cast<HFONT>(resources->GetDefaultFont().GetSafeHandle());
}
