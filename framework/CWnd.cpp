#include "CWnd.h"

#include "AfxResource.h"
#include "AfxThreadState.h"
#include "AfxWindowTable.h"
#include "CDC.h"
#include "CException.h"
#include "CFont.h"
#include "CMenu.h"
#include "CWinApp.h"

namespace {

// The property that links a window to its object. A property (rather than a
// table inside this module) lets every module that links the framework find
// the object of a window bound by another one.
const wchar_t kObjectProp[] = L"Framework.CWnd";

LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure the framework replaced is also kept on the window, under a
// name of this module: when the framework is no longer first in the
// window's chain (someone subclassed the window after it), unsubclassing
// leaves its procedure in place, passing messages on to that one.
LPCWSTR SuperProp() {
  static wchar_t name[48];
  if (!name[0]) AfxFormatBuffer(name, 48, L"Framework.Super.%p", static_cast<void*>(AfxGetInstanceHandle()));
  return name;
}

WNDPROC SavedSuper(HWND hWnd) { return reinterpret_cast<WNDPROC>(GetPropW(hWnd, SuperProp())); }

WNDPROC CurrentProc(HWND hWnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC)); }

}  // namespace

// Internals the window procedure and the creation hook need.
struct CWndAccess {
  static MSG& CurrentMessage(CWnd* pWnd) { return pWnd->m_currentMsg; }
  static WNDPROC BoundBy(const CWnd* pWnd) { return pWnd->m_pfnBoundBy; }
  static void Hooked(CWnd* pWnd, HWND hWnd) { pWnd->SubclassHandle(hWnd); }

  // After WM_NCDESTROY: the window is gone, unbind and let the object go.
  static void Destroyed(CWnd* pWnd) {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == pWnd) {
      app->m_pMainWnd = nullptr;
      PostQuitMessage(0);
    }
    RemovePropW(pWnd->m_hWnd, SuperProp());
    pWnd->m_pfnSuper = nullptr;
    pWnd->m_pfnBoundBy = nullptr;
    pWnd->UnbindHandle();
    pWnd->m_bOwnsWindow = false;
    if (!pWnd->m_bCreating && !pWnd->m_bDestructing) pWnd->PostNcDestroy();
  }
};

namespace {

LRESULT FailedResult(UINT message) {
  if (message == WM_CREATE) return -1;
  if (message == WM_NCCREATE) return FALSE;
  return 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  AfxThreadState* state = AfxGetThreadState();
  if (code == HCBT_CREATEWND && state->pWndInit) {
    CWnd* pWnd = state->pWndInit;
    state->pWndInit = nullptr;
    CWndAccess::Hooked(pWnd, reinterpret_cast<HWND>(wParam));
  }
  return CallNextHookEx(state->hHookCbt, code, wParam, lParam);
}

void HookWindowCreate(CWnd* pWnd) {
  AfxThreadState* state = AfxGetThreadState();
  if (state->nHookUsers++ == 0) state->hHookCbt = SetWindowsHookExW(WH_CBT, CbtFilterHook, nullptr, GetCurrentThreadId());
  state->pWndInit = pWnd;
}

void UnhookWindowCreate() {
  AfxThreadState* state = AfxGetThreadState();
  state->pWndInit = nullptr;
  if (--state->nHookUsers == 0 && state->hHookCbt) {
    UnhookWindowsHookEx(state->hHookCbt);
    state->hHookCbt = nullptr;
  }
}

LRESULT CallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG saved = CWndAccess::CurrentMessage(pWnd);
  MSG current = {};
  current.hwnd = hWnd;
  current.message = message;
  current.wParam = wParam;
  current.lParam = lParam;
  CWndAccess::CurrentMessage(pWnd) = current;
  LRESULT result = 0;
  // Nothing may unwind through the system's message dispatch: a failure in
  // a handler ends that message (a failed WM_CREATE fails the creation).
  try {
    result = pWnd->WindowProc(message, wParam, lParam);
  } catch (CException* e) {
    e->Delete();
    result = FailedResult(message);
  } catch (...) {
    result = FailedResult(message);
  }
  // The handler may have let the object go (a window destroyed and its
  // object deleted): it is touched only while it is still bound.
  bool bound = CWnd::FromHandlePermanent(hWnd) == pWnd;
  if (bound && message == WM_NCDESTROY) {
    CWndAccess::Destroyed(pWnd);
    bound = false;
  }
  if (bound) CWndAccess::CurrentMessage(pWnd) = saved;
  return result;
}

LRESULT CALLBACK FrameworkWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The object is served by the procedure that bound it; this one may also
  // sit further down the chain (left there after unsubclassing, perhaps in
  // another module), and then it only passes messages on.
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd && CWndAccess::BoundBy(pWnd) == &FrameworkWndProc) return CallWndProc(pWnd, hWnd, message, wParam, lParam);
  WNDPROC super = SavedSuper(hWnd);
  if (!super) return DefWindowProcW(hWnd, message, wParam, lParam);
  LRESULT result = CallWindowProcW(super, hWnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) RemovePropW(hWnd, SuperProp());
  return result;
}

}  // namespace

CWnd::CWnd()
    : m_hWnd(nullptr), m_pfnSuper(nullptr), m_currentMsg(), m_pfnBoundBy(nullptr), m_pfnForget(nullptr),
      m_bOwnsWindow(false), m_bCreating(false), m_bDestructing(false) {}

CWnd::~CWnd() {
  if (!m_hWnd || FromHandlePermanent(m_hWnd) != this) return;
  if (m_bOwnsWindow) {
    m_bDestructing = true;
    ::DestroyWindow(m_hWnd);
    if (m_hWnd) UnbindHandle();
  } else {
    UnsubclassWindow();
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* pWnd = AfxWindowTable::Get().Find(hWnd)) return pWnd;
  return static_cast<CWnd*>(GetPropW(hWnd, kObjectProp));
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
  auto& temp = AfxGetThreadState()->tempWnds[hWnd];
  if (!temp) {
    temp.reset(new CWnd());
    temp->m_hWnd = hWnd;
  }
  return temp.get();
}

CWnd* CWnd::FromHandleOfKind(HWND hWnd, bool (*isKind)(CWnd*), CWnd* (*make)()) {
  if (!hWnd) return nullptr;
  CWnd* pWnd = FromHandlePermanent(hWnd);
  if (pWnd && isKind(pWnd)) return pWnd;
  AfxThreadState* state = AfxGetThreadState();
  auto& temp = state->tempWnds[hWnd];
  if (temp && isKind(temp.get())) return temp.get();
  // A wrapper of another kind may still be in use until the next idle time.
  if (temp) state->retiredWnds.push_back(std::move(temp));
  temp.reset(make());
  temp->m_hWnd = hWnd;
  return temp.get();
}

void CWnd::BindHandle(HWND hWnd) {
  m_hWnd = hWnd;
  SetPropW(hWnd, kObjectProp, this);
}

void CWnd::UnbindHandle() {
  if (m_pfnForget) {
    m_pfnForget(m_hWnd, this);
    m_pfnForget = nullptr;
  }
  if (m_hWnd && GetPropW(m_hWnd, kObjectProp) == this) RemovePropW(m_hWnd, kObjectProp);
  m_hWnd = nullptr;
}

void CWnd::SubclassHandle(HWND hWnd) {
  BindHandle(hWnd);
  // Still first in the chain from an earlier binding: take it over.
  m_pfnBoundBy = &FrameworkWndProc;
  AfxWindowTable::Get().Add(hWnd, this);
  m_pfnForget = &AfxWindowTable::Forget;
  if (CurrentProc(hWnd) == &FrameworkWndProc) {
    m_pfnSuper = SavedSuper(hWnd);
    return;
  }
  auto old = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
  m_pfnSuper = old;
  SetPropW(hWnd, SuperProp(), reinterpret_cast<HANDLE>(old));
}

// ----- creation and binding

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
  if (m_hWnd) return FALSE;
  CREATESTRUCTW cs = {};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = dwStyle;
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  if (!PreCreateWindow(cs)) return FALSE;
  // A class the program registered is found under the program's instance,
  // also when the framework runs inside a DLL.
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof(wc);
  HINSTANCE hProgram = GetModuleHandleW(nullptr);
  if (cs.lpszClass && cs.hInstance != hProgram && !GetClassInfoExW(cs.hInstance, cs.lpszClass, &wc) &&
      GetClassInfoExW(hProgram, cs.lpszClass, &wc))
    cs.hInstance = hProgram;

  auto create = [](void* context) -> HWND {
    const CREATESTRUCTW& c = *static_cast<CREATESTRUCTW*>(context);
    return CreateWindowExW(c.dwExStyle, c.lpszClass, c.lpszName, c.style, c.x, c.y, c.cx, c.cy, c.hwndParent,
                           c.hMenu, c.hInstance, c.lpCreateParams);
  };
  return CreateBound(create, &cs) != nullptr;
}

HWND CWnd::CreateBound(HWND (*create)(void* context), void* context) {
  if (m_hWnd) return nullptr;
  m_bCreating = true;
  HookWindowCreate(this);
  HWND hWnd = create(context);
  UnhookWindowCreate();
  m_bCreating = false;
  if (!hWnd || !IsWindow(hWnd)) return nullptr;
  // Not seen by the hook (another hook swallowed it): bind now.
  if (m_hWnd != hWnd) SubclassHandle(hWnd);
  m_bOwnsWindow = true;
  return hWnd;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  HWND hWnd = m_hWnd;
  // A window only attached (not subclassed) never tells this object that it
  // is gone; a subclassed one unbinds itself and may delete the object.
  bool attachedOnly = FromHandlePermanent(hWnd) == this && !m_pfnBoundBy;
  BOOL ok = ::DestroyWindow(hWnd);
  if (attachedOnly && !IsWindow(hWnd)) UnbindHandle();
  return ok;
}

BOOL CWnd::Attach(HWND hWndNew) {
  if (m_hWnd || !hWndNew || !IsWindow(hWndNew) || FromHandlePermanent(hWndNew)) return FALSE;
  BindHandle(hWndNew);
  return TRUE;
}

HWND CWnd::Detach() {
  m_bOwnsWindow = false;
  return UnsubclassWindow();
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (m_hWnd || !hWnd || !IsWindow(hWnd) || FromHandlePermanent(hWnd)) return FALSE;
  // The framework's procedure is still inside the chain, behind another one.
  if (SavedSuper(hWnd) && CurrentProc(hWnd) != &FrameworkWndProc) return FALSE;
  BindHandle(hWnd);
  PreSubclassWindow();
  SubclassHandle(hWnd);
  m_bOwnsWindow = false;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (!pParent || !pParent->m_hWnd) return FALSE;
  HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
  return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  HWND hWnd = m_hWnd;
  if (!hWnd) return nullptr;
  // Put back what was there, unless someone subclassed the window after the
  // framework; then the framework's procedure stays and passes messages on.
  if (SavedSuper(hWnd) && CurrentProc(hWnd) == &FrameworkWndProc) {
    SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SavedSuper(hWnd)));
    RemovePropW(hWnd, SuperProp());
  }
  m_pfnSuper = nullptr;
  m_pfnBoundBy = nullptr;
  UnbindHandle();
  return hWnd;
}

// ----- overridables

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs) {
  if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW));
  return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(wParam, lParam)) return 0;
      break;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(wParam, lParam, &result)) return result;
      break;
    }
    case WM_DRAWITEM:
      OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      return TRUE;
    case WM_MEASUREITEM:
      OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      return TRUE;
    case WM_COMPAREITEM: {
      LRESULT result = 0;
      if (ReflectToChild(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem, message, wParam, lParam, &result))
        return result;
      break;
    }
    case WM_DELETEITEM: {
      LRESULT result = 0;
      if (ReflectToChild(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem, message, wParam, lParam, &result))
        return result;
      break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                                  FromHandle(reinterpret_cast<HWND>(lParam)),
                                                  message - WM_CTLCOLORMSGBOX));
    case WM_HSCROLL:
    case WM_VSCROLL: {
      LRESULT result = 0;
      if (lParam && ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, &result)) return result;
      break;
    }
    case WM_INITMENUPOPUP:
      AfxGetThreadState()->hTrackingMenu = reinterpret_cast<HMENU>(wParam);
      break;
    default:
      break;
  }
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT ignored = 0;
  if (!pResult) pResult = &ignored;
  switch (message) {
    case WM_COMMAND:
      if (!OnCommandReflect(HIWORD(wParam))) return FALSE;
      *pResult = 0;
      return TRUE;
    case WM_NOTIFY:
      return OnNotifyReflect(reinterpret_cast<NMHDR*>(lParam), pResult);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      HBRUSH brush = CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), message - WM_CTLCOLORMSGBOX);
      if (!brush) return FALSE;
      *pResult = reinterpret_cast<LRESULT>(brush);
      return TRUE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (!OnScrollReflect(message, LOWORD(wParam), HIWORD(wParam))) return FALSE;
      *pResult = 0;
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  CWnd* pChild = FromHandlePermanent(hWndChild);
  return pChild ? pChild->OnChildNotify(message, wParam, lParam, pResult) : FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  return lParam ? ReflectToChild(reinterpret_cast<HWND>(lParam), WM_COMMAND, wParam, lParam, &result) : FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  return hdr ? ReflectToChild(hdr->hwndFrom, WM_NOTIFY, wParam, lParam, pResult) : FALSE;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct->CtlType == ODT_MENU) {
    if (CMenu* pMenu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem))) {
      pMenu->DrawItem(lpDrawItemStruct);
      return;
    }
  } else {
    LRESULT result = 0;
    if (ReflectToChild(lpDrawItemStruct->hwndItem, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(lpDrawItemStruct), &result))
      return;
  }
  Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct->CtlType == ODT_MENU) {
    if (CMenu* pMenu = CMenu::FindOwnerOfItem(AfxGetThreadState()->hTrackingMenu, ::GetMenu(m_hWnd),
                                              lpMeasureItemStruct->itemID)) {
      pMenu->MeasureItem(lpMeasureItemStruct);
      return;
    }
  } else {
    LRESULT result = 0;
    HWND hWndControl = ::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID));
    if (hWndControl && ReflectToChild(hWndControl, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(lpMeasureItemStruct),
                                      &result))
      return;
  }
  Default();
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  LRESULT result = 0;
  if (pWnd && pWnd->m_hWnd != m_hWnd &&
      ReflectToChild(pWnd->m_hWnd, WM_CTLCOLORMSGBOX + nCtlColor, reinterpret_cast<WPARAM>(pDC ? pDC->m_hDC : nullptr),
                     reinterpret_cast<LPARAM>(pWnd->m_hWnd), &result))
    return reinterpret_cast<HBRUSH>(result);
  return reinterpret_cast<HBRUSH>(Default());
}

BOOL CWnd::OnCommandReflect(UINT) { return FALSE; }
BOOL CWnd::OnNotifyReflect(NMHDR*, LRESULT*) { return FALSE; }
HBRUSH CWnd::CtlColor(CDC*, UINT) { return nullptr; }
BOOL CWnd::OnScrollReflect(UINT, UINT, UINT) { return FALSE; }

// ----- messages, timers, painting

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) const {
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageW(child, message, wParam, lParam);
    if (bDeep && ::GetWindow(child, GW_CHILD)) FromHandle(child)->SendMessageToDescendants(message, wParam, lParam, TRUE);
  }
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
void CWnd::Invalidate(BOOL bErase) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) { ::InvalidateRect(m_hWnd, lpRect, bErase); }

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags) {
  return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
void CWnd::SetRedraw(BOOL bRedraw) { ::SendMessageW(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* pDC) { return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }

// ----- position, size, region

void CWnd::GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
void CWnd::GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
void CWnd::ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
void CWnd::ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  CRect rcArea, rcCenter;
  if (GetStyle() & WS_CHILD) {
    HWND parent = ::GetParent(m_hWnd);
    ::GetClientRect(parent, &rcArea);
    rcCenter = rcArea;
    ::MapWindowPoints(parent, nullptr, reinterpret_cast<LPPOINT>(&rcCenter), 2);
    rcArea = rcCenter;
  } else {
    HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    HMONITOR monitor = MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (GetMonitorInfoW(monitor, &mi)) rcArea = mi.rcWork;
    else SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &rcCenter);
    else rcCenter = rcArea;
  }
  int x = rcCenter.left + (rcCenter.Width() - rcWindow.Width()) / 2;
  int y = rcCenter.top + (rcCenter.Height() - rcWindow.Height()) / 2;
  // Keep the window inside the area it is shown in.
  if (x + rcWindow.Width() > rcArea.right) x = rcArea.right - rcWindow.Width();
  if (y + rcWindow.Height() > rcArea.bottom) y = rcArea.bottom - rcWindow.Height();
  if (x < rcArea.left) x = rcArea.left;
  if (y < rcArea.top) y = rcArea.top;
  if (GetStyle() & WS_CHILD) {
    POINT pt = {x, y};
    ::ScreenToClient(::GetParent(m_hWnd), &pt);
    x = pt.x;
    y = pt.y;
  }
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) { return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }
int CWnd::GetWindowRgn(HRGN hRgn) const { return ::GetWindowRgn(m_hWnd, hRgn); }
BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }

// ----- style and text

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE)); }

namespace {

BOOL ModifyLong(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, index));
  DWORD newStyle = (style & ~dwRemove) | dwAdd;
  if (style == newStyle) return FALSE;
  ::SetWindowLongPtrW(hWnd, index, static_cast<LONG_PTR>(newStyle));
  if (nFlags) ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::SetWindowText(LPCWSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString ? lpszString : L""); }

int CWnd::GetWindowText(LPWSTR lpszStringBuf, int nMaxCount) const {
  return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
  int n = ::GetWindowTextLengthW(m_hWnd);
  ::GetWindowTextW(m_hWnd, rString.GetBufferSetLength(n + 1), n + 1);
  rString.ReleaseBuffer();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->m_hObject : nullptr), bRedraw);
}

// ----- relatives

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  HWND hItem = ::GetDlgItem(m_hWnd, nID);
  if (hItem) FromHandle(hItem)->GetWindowText(rString);
  return rString.GetLength();
}

BOOL CWnd::IsChild(const CWnd* pWnd) const { return pWnd ? ::IsChild(m_hWnd, pWnd->m_hWnd) : FALSE; }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }

int CWnd::MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption, UINT nType) {
  CWinApp* app = AfxGetApp();
  if (!lpszCaption) lpszCaption = app ? app->m_pszAppName.GetString() : L"";
  return ::MessageBoxW(m_hWnd, lpszText, lpszCaption, nType);
}

// ----- scroll bars

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) { return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
int CWnd::GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
  ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
  return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) { ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow); }

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags) {
  return ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags);
}

// ----- helpers

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  // One class per combination, named after it; registered names are kept
  // for the life of the module.
  static wchar_t names[32][64];
  static int used = 0;
  wchar_t name[64];
  AfxFormatBuffer(name, 64, L"FwWnd:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
                  static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
  for (int i = 0; i < used; ++i) {
    if (wcscmp(names[i], name) == 0) return names[i];
  }
  WNDCLASSW wc = {};
  HINSTANCE hInstance = AfxGetInstanceHandle();
  if (!GetClassInfoW(hInstance, name, &wc)) {
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInstance;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    if (!RegisterClassW(&wc)) AfxThrowResourceException();
  }
  if (used == 32) AfxThrowResourceException();
  AfxFormatBuffer(names[used], 64, L"%s", name);
  return names[used++];
}

BOOL AfxPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}
