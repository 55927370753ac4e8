#define FRAMEWORK_PROBE_BUILD
#include "ProbeDll.h"

#include "CMenu.h"
#include "CWnd.h"

namespace {

class CDllWindow : public CWnd {
protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == kProbePing) return Default();
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class CDllCounter : public CWnd {
public:
  int commands = 0;

protected:
  BOOL OnCommandReflect(UINT nCode) override {
    if (nCode == BN_CLICKED) ++commands;
    return TRUE;
  }
};

class CDllMenu : public CMenu {
public:
  int measured = 0;
  void MeasureItem(LPMEASUREITEMSTRUCT m) override {
    ++measured;
    m->itemHeight = 33;
  }
};

}  // namespace

PROBE_API CWnd* ProbeMakeWindowObject() { return new CDllWindow; }

PROBE_API CWnd* ProbeSubclassCounter(HWND hWnd) {
  auto* p = new CDllCounter;
  p->SubclassWindow(hWnd);
  return p;
}

PROBE_API int ProbeReflectedCommands(CWnd* pWnd) { return static_cast<CDllCounter*>(pWnd)->commands; }

PROBE_API CWnd* ProbeFindWindowObject(HWND hWnd) { return CWnd::FromHandlePermanent(hWnd); }

PROBE_API CMenu* ProbeMakeMenu() {
  auto* menu = new CDllMenu;
  menu->CreatePopupMenu();
  menu->AppendMenu(MF_OWNERDRAW, 600, reinterpret_cast<LPCWSTR>(7));
  return menu;
}

PROBE_API int ProbeMenuMeasured(CMenu* pMenu) { return static_cast<CDllMenu*>(pMenu)->measured; }

PROBE_API void ProbeDeleteWindowObject(CWnd* pWnd) { delete pWnd; }

PROBE_API void ProbeDeleteMenu(CMenu* pMenu) { delete pMenu; }
