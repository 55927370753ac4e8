// A small GUI program on the framework. Its application object makes a frame
// its main window; the frame closes itself from a timer, which ends the
// message loop. The exit code reports the run:
//   100 + length of the command line  - the window lived, ticked and closed,
//                                       the Escape key was kept from it
//   3                                 - command line "fail": InitInstance refused
//   2                                 - something in the run went wrong
#include "CException.h"
#include "CFrameWnd.h"
#include "CWinApp.h"

namespace {

bool g_ticked = false;
bool g_keyLeaked = false;
int g_swallowed = 0;

class CSampleFrame : public CFrameWnd {
protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE: return OnCreate();
      case WM_TIMER: OnTimer(wParam); return 0;
      case WM_KEYDOWN: g_keyLeaked = true; return 0;
      default: break;
    }
    return CFrameWnd::WindowProc(message, wParam, lParam);
  }

private:
  LRESULT OnCreate() {
    if (Default() == -1) return -1;
    PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    SetTimer(1, 20);
    return 0;
  }
  void OnTimer(UINT_PTR id) {
    if (id != 1) return;
    KillTimer(1);
    g_ticked = true;
    PostMessage(WM_CLOSE);
  }
};

class CSampleApp : public CWinApp {
public:
  BOOL InitInstance() override {
    CString cmd(m_lpCmdLine);
    if (cmd == L"fail") return FALSE;
    if (cmd == L"throw") AfxThrowResourceException();
    auto* frame = new CSampleFrame;
    if (!frame->Create(nullptr, L"Sample", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 120))) {
      delete frame;
      return FALSE;
    }
    m_pMainWnd = frame;
    frame->ShowWindow(m_nCmdShow);
    return TRUE;
  }

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
      ++g_swallowed;
      return TRUE;
    }
    return CWinApp::PreTranslateMessage(pMsg);
  }

  int ExitInstance() override {
    int base = CWinApp::ExitInstance();
    CString cmd(m_lpCmdLine);
    if (cmd == L"fail") return 3;
    bool ok = base == 0 && g_ticked && !g_keyLeaked && g_swallowed == 1 && m_pMainWnd == nullptr;
    return ok ? 100 + cmd.GetLength() : 2;
  }
};

CSampleApp theApp;

}  // namespace
