// CFrameWnd: a top-level frame window. Frames live on the heap: closing one
// destroys its window and the object deletes itself afterwards
// (PostNcDestroy). As the application's main window it ends the program.
#pragma once

#include "CWnd.h"

class CFrameWnd : public CWnd {
public:
  static const CRect rectDefault;

  CFrameWnd() = default;

  // lpszClassName null: the framework's frame class (redraw on resize,
  // window-coloured background). lpszMenuName names a menu resource.
  virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                      const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCWSTR lpszMenuName = nullptr,
                      DWORD dwExStyle = 0, void* pContext = nullptr);

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  void PostNcDestroy() override;
  virtual void OnClose();
};
