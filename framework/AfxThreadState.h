// Per-thread bookkeeping of the window layer (internal to the framework):
// the window object being created, the temporary wrapper objects handed out
// for foreign handles and the popup menu being tracked.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

class CWnd;
class CDC;
class CGdiObject;
class CMenu;

struct AfxThreadState {
  CWnd* pWndInit = nullptr;  // attached by the creation hook to the next window
  HHOOK hHookCbt = nullptr;
  int nHookUsers = 0;
  HMENU hTrackingMenu = nullptr;

  std::unordered_map<HWND, std::unique_ptr<CWnd>> tempWnds;
  std::vector<std::unique_ptr<CWnd>> retiredWnds;
  std::unordered_map<HDC, std::unique_ptr<CDC>> tempDCs;
  std::unordered_map<HGDIOBJ, std::unique_ptr<CGdiObject>> tempGdi;
  std::unordered_map<HMENU, std::unique_ptr<CMenu>> tempMenus;
  std::unordered_map<HMENU, CMenu*> permanentMenus;
};

AfxThreadState* AfxGetThreadState();
// Frees the temporary wrappers (done when the message loop goes idle).
void AfxDeleteTempMaps();
