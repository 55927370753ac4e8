// CWinApp: the application object. A program declares exactly one global
// instance of a class derived from it and links the framework's entry point
// (CMake target framework_main); the entry point then runs
//
//   InitInstance()  -> FALSE: ExitInstance() and the process ends
//                   -> TRUE:  Run(), the message loop, until WM_QUIT
//   ExitInstance()  -> its result is the process exit code
//
// The main window (m_pMainWnd) ends the loop when it is destroyed.
#pragma once

#include <windows.h>

#include "CString.h"

class CWnd;

class CWinApp {
public:
  explicit CWinApp(LPCWSTR lpszAppName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  virtual int Run();
  // Offered every queued message before it is dispatched; the default walks
  // from the message's window up to the main window (CWnd::PreTranslateMessage).
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Called when the queue is empty; TRUE asks for more idle calls.
  virtual BOOL OnIdle(LONG lCount);
  // Gets and dispatches one message; FALSE on WM_QUIT.
  BOOL PumpMessage();

  HINSTANCE m_hInstance;
  // The command line after the program name, as the entry point got it.
  LPWSTR m_lpCmdLine;
  int m_nCmdShow;
  CString m_pszAppName;
  CWnd* m_pMainWnd;
  MSG m_msgCur;

private:
  friend int AfxWinMain(HINSTANCE, HINSTANCE, LPWSTR, int);
  CString m_strCmdLine;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text after the program name in a full command line (the rules of the
// C runtime: a quoted or unquoted first word, then blanks).
LPCWSTR AfxSkipProgramName(LPCWSTR lpszCommandLine);
// Runs the application object; what the framework's WinMain calls.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow);
