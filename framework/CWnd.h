// CWnd: a window object bound to an HWND.
//
// Binding: an object either creates its window (Create/CreateEx, with any
// registered class - the framework subclasses it while it is being created,
// so WM_NCCREATE and WM_CREATE already reach the object) or subclasses an
// existing one (SubclassWindow/SubclassDlgItem). Either way the procedure that
// was there before is kept and Default()/DefWindowProc() hand messages to it.
// UnsubclassWindow puts it back. The object owns only a window it created:
// its destructor destroys that one, and merely unsubclasses any other.
//
// Dispatch: every class overrides the virtual WindowProc with one switch that
// names the messages it handles, each sent to a named handler; everything
// else goes to the base class's WindowProc, and at the bottom to Default().
//
// Reflection: WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
// WM_COMPAREITEM, WM_DELETEITEM, WM_CTLCOLOR*, WM_HSCROLL and WM_VSCROLL
// arriving at a parent are first offered to the sending child's object
// (OnChildNotify); only when it declines does the parent handle them.
#pragma once

#include <windows.h>

#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "CString.h"

class CDC;
class CFont;
class CMenu;
class CScrollBar;

class CWnd {
public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd;

  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }
  bool operator==(const CWnd& w) const { return m_hWnd == w.m_hWnd; }
  bool operator!=(const CWnd& w) const { return m_hWnd != w.m_hWnd; }

  // The object bound to a window, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // The bound object, or else a temporary one that lives until the message
  // loop next goes idle (do not keep it). Null only for a null handle.
  static CWnd* FromHandle(HWND hWnd);
  // As FromHandle, typed: the bound object when it is a T, else a temporary T.
  template <class T>
  static T* FromHandleAs(HWND hWnd) {
    return static_cast<T*>(FromHandleOfKind(
        hWnd, [](CWnd* p) { return dynamic_cast<T*>(p) != nullptr; }, []() -> CWnd* { return new T(); }));
  }
  static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
  static CWnd* GetCapture() { return FromHandle(::GetCapture()); }

  // ----- creation and binding
  virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                      CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x,
                        int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                        LPVOID lpParam = nullptr);
  virtual BOOL DestroyWindow();

  // Binds without subclassing (messages still go to the window's own
  // procedure); Detach undoes it. For handles the object only looks at.
  BOOL Attach(HWND hWndNew);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  // ----- overridables
  virtual BOOL PreCreateWindow(CREATESTRUCTW& cs);
  virtual void PreSubclassWindow();
  virtual void PostNcDestroy();
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Default processing of any message (the window's original procedure).
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification from the parent; TRUE (with *pResult) when handled here.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Default processing of the message being handled.
  LRESULT Default();

  // ----- messages, timers, painting
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE) const;
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, HRGN hrgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void UpdateWindow();
  void SetRedraw(BOOL bRedraw = TRUE);
  CDC* GetDC();
  int ReleaseDC(CDC* pDC);

  // ----- position, size, region
  void GetWindowRect(LPRECT lpRect) const;
  void GetClientRect(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  // The window takes ownership of the region (as with ::SetWindowRgn).
  int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
  int GetWindowRgn(HRGN hRgn) const;
  BOOL ShowWindow(int nCmdShow);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsIconic() const;
  BOOL IsZoomed() const;

  // ----- style and text
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  // nFlags != 0 also calls SetWindowPos with them (e.g. SWP_FRAMECHANGED).
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  void SetWindowText(LPCWSTR lpszString);
  int GetWindowText(LPWSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

  // ----- relatives
  CWnd* GetParent() const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const;
  int GetDlgItemText(int nID, CString& rString) const;
  BOOL IsChild(const CWnd* pWnd) const;
  CWnd* SetFocus();
  CWnd* SetCapture();
  int MessageBox(LPCWSTR lpszText, LPCWSTR lpszCaption = nullptr, UINT nType = MB_OK);

  // ----- scroll bars of the window itself
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
  int GetScrollPos(int nBar) const;
  void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
  BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);

protected:
  // Handlers of the framework's own messages; derived classes call these
  // from their WindowProc when they take the message themselves.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  // The reflected forms a child receives through OnChildNotify; each returns
  // TRUE (or a non-null brush) when it took the notification.
  virtual BOOL OnCommandReflect(UINT nCode);
  virtual BOOL OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult);
  // nCtlColor is one of the CTLCOLOR_* values.
  virtual HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  virtual BOOL OnScrollReflect(UINT message, UINT nSBCode, UINT nPos);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  // Creates the window through create() with this object bound to it from
  // the first message on (the window-creation hook); null on failure.
  HWND CreateBound(HWND (*create)(void* context), void* context);

  // Offers a notification from hWndChild to its object.
  static BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  WNDPROC m_pfnSuper;     // the window's procedure before the framework's

private:
  friend struct CWndAccess;
  static CWnd* FromHandleOfKind(HWND hWnd, bool (*isKind)(CWnd*), CWnd* (*make)());
  void BindHandle(HWND hWnd);
  void UnbindHandle();
  void SubclassHandle(HWND hWnd);

  // The message being handled, for Default(). Kept in the object so that
  // every module linking the framework sees the same one.
  MSG m_currentMsg;
  WNDPROC m_pfnBoundBy;   // the framework procedure (of whichever module) serving this object
  // Leaves the window table of the module whose procedure serves this object.
  void (*m_pfnForget)(HWND hWnd, CWnd* pWnd);
  bool m_bOwnsWindow;     // created by this object
  bool m_bCreating;       // inside CreateEx: a failed creation leaves the object to the caller
  bool m_bDestructing;    // inside the destructor: no PostNcDestroy
};

// Registers (once) a window class with the framework's default procedure and
// returns its name; the name stays valid for the life of the module.
LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);
// Walks from pMsg's window up to (and including) hWndStop, asking each bound
// object's PreTranslateMessage; TRUE when one of them took the message.
BOOL AfxPreTranslateTree(HWND hWndStop, MSG* pMsg);
