#include "CFrameWnd.h"

#include "AfxResource.h"

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BOOL CFrameWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCWSTR lpszMenuName, DWORD dwExStyle, void*) {
  HMENU hMenu = nullptr;
  if (lpszMenuName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, MAKEINTRESOURCEW(4) /* RT_MENU */);
    hMenu = hInst ? ::LoadMenuW(hInst, lpszMenuName) : nullptr;
    if (!hMenu) return FALSE;
  }
  int cx = rect.right - rect.left, cy = rect.bottom - rect.top;
  if (rect.left == CW_USEDEFAULT) cx = cy = CW_USEDEFAULT;
  BOOL ok = CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                     pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, nullptr);
  if (!ok && hMenu) ::DestroyMenu(hMenu);
  return ok;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!cs.lpszClass) {
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursorW(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  }
  return TRUE;
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      OnClose();
      return 0;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::PostNcDestroy() { delete this; }
