#include "GameUpdateApp.h"

#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>
#include <ole2.h>

#include "CCustomOccManager.h"
#include "CDlgUpdateCheck.h"
#include "CException.h"
#include "CGameUpdateFrame.h"
#include "CImpIDispatch.h"
#include "CRect.h"
#include "UpdateCommandLine.h"
#include "UpdateWindowClass.h"

namespace {

const int kCheckSaysNothingToDo = IDOK;

}  // namespace

CGameUpdateApp theApp;

CGameUpdateApp::CGameUpdateApp()
    : m_pDispatch(nullptr), m_gdiplusToken(0), m_pOccManager(nullptr), m_bSocketsStarted(false),
      m_bOleStarted(false) {}

CGameUpdateApp::~CGameUpdateApp() = default;

BOOL CGameUpdateApp::InitInstance() {
  CWinApp::InitInstance();
  m_bOleStarted = SUCCEEDED(OleInitialize(nullptr));
  LoadLibraryW(L"riched20.dll");
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  WSADATA wsa;
  if (WSAStartup(0x0101, &wsa) != 0) {
    AfxMessageBox(L"Socket 初始化失败!", MB_OK, 0);
    return FALSE;
  }
  m_bSocketsStarted = true;

  m_pDispatch = new CImpIDispatch();
  // Any control site created from now on is a CCustomControlSite.
  m_pOccManager = new CCustomOccManager(m_pDispatch);
  CCustomOccManager::SetCurrent(m_pOccManager);

  Gdiplus::GdiplusStartupInput gdiplus;
  Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplus, nullptr);

  if (!RegisterUpdateWindowClass(m_hInstance)) {
    AfxThrowResourceException();
  }

  if (m_lpCmdLine == nullptr || m_lpCmdLine[0] == 0) {
    return FALSE;
  }

  int result;
  {
    CDlgUpdateCheck check;
    check.SetStatusText(L"正在检查更新,请稍后...");
    result = static_cast<int>(check.DoModal());
  }

  if (result == kCheckSaysNothingToDo) {
    CString gamePath, url;
    SplitUpdateCommandLine(m_lpCmdLine, gamePath, url);
    LaunchGameProgram(gamePath);
    return FALSE;
  }

  CGameUpdateFrame* frame = new CGameUpdateFrame();
  if (!frame->Create(kUpdateWindowClass, L"Velkor游戏中心", WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                     CRect(0, 0, 0, 0), nullptr, nullptr, 0, nullptr)) {
    // Without a window the frame never deletes itself.
    delete frame;
    return FALSE;
  }
  m_pMainWnd = frame;
  return TRUE;
}

int CGameUpdateApp::ExitInstance() {
  if (m_gdiplusToken != 0) {
    Gdiplus::GdiplusShutdown(m_gdiplusToken);
    m_gdiplusToken = 0;
  }
  if (m_bSocketsStarted) {
    WSACleanup();
    m_bSocketsStarted = false;
  }
  CCustomOccManager::SetCurrent(nullptr);
  delete m_pOccManager;
  m_pOccManager = nullptr;
  try {
    delete m_pDispatch;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  m_pDispatch = nullptr;
  if (m_bOleStarted) {
    OleUninitialize();
    m_bOleStarted = false;
  }
  return CWinApp::ExitInstance();
}
