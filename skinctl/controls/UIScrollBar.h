// Skinned scroll bars: the WS_HSCROLL / WS_VSCROLL bars of any window drawn
// from one skin sheet. A skinned window keeps calling the system's scroll-bar
// functions (SetScrollInfo, GetScrollPos ...); while the library is loaded
// those calls, from any module of the process, reach the skin's state for
// skinned windows and the system for all others.
#pragma once

#include <windows.h>

#include "CBitImage.h"
#include "CWnd.h"
#include "SkinctlApi.h"
#include "UIRenderManager.h"

class SKINCTL_API CUIScrollBarAttr {
 public:
  // The sheet is loaded from the library on first use and never recoloured.
  bool Initialization(CUIRenderManager* render);
  // The skin sheet, loaded when it is first needed; null when it cannot be.
  HBITMAP GetSheet();

  CBitImage m_Image;
};

class SKINCTL_API CUIScrollBar {
 public:
  // Skins the bars of a window with the shared sheet; FALSE for a null
  // window and as InstallSkinScrollBar.
  static BOOL InitScroolBar(CWnd* pWnd);

  static CUIScrollBarAttr m_UIAttribute;
};

// Takes over the bars of a window: FALSE with ERROR_INVALID_HANDLE for
// something that is not a window or a null sheet, FALSE when the window is
// already skinned or memory runs out. The window keeps the skin until it is
// destroyed (or RemoveSkinScrollBar), when its scroll state goes back to the
// system.
SKINCTL_API BOOL InstallSkinScrollBar(HWND hwnd, HBITMAP hSheet);
SKINCTL_API BOOL RemoveSkinScrollBar(HWND hwnd);
