#include "UpdateCommandLine.h"

#include <shellapi.h>

#include "CWinApp.h"

void SplitUpdateCommandLine(LPCWSTR commandLine, CString& gamePath, CString& manifestUrl) {
  gamePath.Empty();
  manifestUrl.Empty();
  CString line(commandLine != nullptr ? commandLine : L"");
  int bar = line.Find(L'|');
  if (bar < 0) {
    return;
  }
  gamePath = line.Left(bar);
  manifestUrl = line.Mid(bar + 1);
}

LPCWSTR GetUpdateCommandLine() {
  CWinApp* app = AfxGetApp();
  return app != nullptr && app->m_lpCmdLine != nullptr ? app->m_lpCmdLine : L"";
}

void LaunchGameProgram(LPCWSTR gamePath) {
  // Without a path there is nothing to start (the shell would name an error).
  if (gamePath == nullptr || gamePath[0] == 0) {
    return;
  }
  ShellExecuteW(nullptr, L"open", gamePath, L"UPDATED", nullptr, SW_SHOWNORMAL);
}
