#include "CWinApp.h"

#include "AfxThreadState.h"
#include "CException.h"
#include "CWnd.h"

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp::CWinApp(LPCWSTR lpszAppName)
    : m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(lpszAppName),
      m_pMainWnd(nullptr), m_msgCur() {
  if (!g_pApp) g_pApp = this;
  m_lpCmdLine = m_strCmdLine.GetBuffer();
}

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
  return AfxPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, pMsg);
}

BOOL CWinApp::OnIdle(LONG lCount) {
  if (lCount == 0) AfxDeleteTempMaps();
  return FALSE;
}

BOOL CWinApp::PumpMessage() {
  if (::GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0) return FALSE;
  if (!PreTranslateMessage(&m_msgCur)) {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageW(&m_msgCur);
  }
  return TRUE;
}

int CWinApp::Run() {
  LONG idle = 0;
  for (;;) {
    MSG peek;
    while (!::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!OnIdle(idle++)) break;
    }
    if (!PumpMessage()) break;
    idle = 0;
  }
  return ExitInstance();
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp ? g_pApp->m_pMainWnd : nullptr; }

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
  CWnd* pMain = AfxGetMainWnd();
  HWND owner = pMain ? pMain->m_hWnd : ::GetActiveWindow();
  LPCWSTR caption = (g_pApp && !g_pApp->m_pszAppName.IsEmpty()) ? g_pApp->m_pszAppName.GetString() : L"";
  return ::MessageBoxW(owner, lpszText ? lpszText : L"", caption, nType);
}

LPCWSTR AfxSkipProgramName(LPCWSTR lpszCommandLine) {
  if (!lpszCommandLine) return L"";
  LPCWSTR p = lpszCommandLine;
  bool quoted = false;
  while (*p && (quoted || (*p != L' ' && *p != L'\t'))) {
    if (*p == L'"') quoted = !quoted;
    ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int nCmdShow) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->m_hInstance = hInstance;
  app->m_nCmdShow = nCmdShow;
  app->m_strCmdLine = lpCmdLine ? lpCmdLine : AfxSkipProgramName(::GetCommandLineW());
  app->m_lpCmdLine = app->m_strCmdLine.GetBuffer();
  if (app->m_pszAppName.IsEmpty()) {
    wchar_t path[MAX_PATH];
    DWORD n = ::GetModuleFileNameW(hInstance, path, MAX_PATH);
    CString name(path, n < MAX_PATH ? static_cast<int>(n) : 0);
    name = name.Mid(name.ReverseFind(L'\\') + 1);
    int dot = name.ReverseFind(L'.');
    app->m_pszAppName = dot > 0 ? name.Left(dot) : name;
  }
  // A framework exception that reaches this point ends the program with a
  // failure code instead of terminating it.
  try {
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
  } catch (CException* e) {
    e->Delete();
    return -1;
  }
}
