// The manager of control containment the updater installs at start-up:
// every control site it creates is a CCustomControlSite, which hands hosted
// browsers the application's scripting object.
#pragma once

#include <windows.h>
#include <oaidl.h>

class CCustomControlSite;
class CWnd;

class CCustomOccManager {
public:
  explicit CCustomOccManager(IDispatch* pExternal);
  virtual ~CCustomOccManager() = default;

  // A new site for a control in pContainer; the container owns it.
  virtual CCustomControlSite* CreateSite(CWnd* pContainer);

  // The manager of the process (set by the application), or null.
  static CCustomOccManager* GetCurrent();
  static void SetCurrent(CCustomOccManager* pManager);

private:
  IDispatch* m_pExternal;
};
