#include "UIScrollBar.h"

#include "SkinScrollWindow.h"
#include "SkinctlModule.h"
#include "SkinctlResource.h"

CUIScrollBarAttr CUIScrollBar::m_UIAttribute;

bool CUIScrollBarAttr::Initialization(CUIRenderManager*) { return true; }

HBITMAP CUIScrollBarAttr::GetSheet() {
  if (m_Image.IsNull()) m_Image.LoadFromResource(SkinctlModule(), static_cast<UINT>(IDB_SCROLLBAR_SHEET));
  return m_Image;
}

BOOL CUIScrollBar::InitScroolBar(CWnd* pWnd) {
  if (pWnd == nullptr || pWnd->m_hWnd == nullptr) return FALSE;
  return InstallSkinScrollBar(pWnd->m_hWnd, m_UIAttribute.GetSheet());
}

BOOL InstallSkinScrollBar(HWND hwnd, HBITMAP hSheet) { return CSkinScrollWindow::Install(hwnd, hSheet); }

BOOL RemoveSkinScrollBar(HWND hwnd) { return CSkinScrollWindow::Remove(hwnd); }
