// CGameUpdateApp: the updater's application object. Start-up brings up OLE,
// the common controls, Winsock, the control-containment hooks and GDI+,
// registers the frame's window class, runs the check dialog and then either
// starts the game program at once or opens the update frame, whose download
// manager starts the game when every file is in place.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include "CWinApp.h"

class CCustomOccManager;
class CImpIDispatch;

class CGameUpdateApp : public CWinApp {
public:
  CGameUpdateApp();
  ~CGameUpdateApp() override;

  BOOL InitInstance() override;
  int ExitInstance() override;

  CImpIDispatch* GetDispatch() const { return m_pDispatch; }

private:
  CImpIDispatch* m_pDispatch;     // handed to hosted browsers; owned
  ULONG_PTR m_gdiplusToken;
  CCustomOccManager* m_pOccManager;  // owned
  bool m_bSocketsStarted;
  bool m_bOleStarted;
};
