// CUIResourceManager: applies a colour scheme to the whole skin - the render
// manager takes it over, every control class rebuilds its shared resources,
// and every window of the calling thread is repainted. Owns the skin's
// default font.
#pragma once

#include <windows.h>

#include "CFont.h"
#include "SkinctlApi.h"
#include "UIRenderManager.h"

class SKINCTL_API CUIResourceManager {
 public:
  CUIResourceManager();
  CUIResourceManager(const CUIResourceManager&) = delete;
  CUIResourceManager& operator=(const CUIResourceManager&) = delete;
  virtual ~CUIResourceManager();

  // The registered (first living) instance; null when there is none.
  static CUIResourceManager* GetInstance();

  // Holds no font until the first SetUIResource.
  CFont& GetDefaultFont();
  void SetUIResource(const _UIRenderInfo& info);

  // Repaints a window's children (and theirs), then the window itself.
  // lParam is passed on unchanged; always TRUE.
  static BOOL CALLBACK EnumWindowsProc(HWND hWnd, LPARAM lParam);

  static CUIResourceManager* m_pUIResourceManager;

 protected:
  CFont m_DefaultFont;
};

// The default font's handle when a resource manager exists and has created
// it; null otherwise (controls then keep their own fonts).
SKINCTL_API HFONT SkinDefaultFont();
