#include "CCustomOccManager.h"

#include "CCustomControlSite.h"

namespace {

CCustomOccManager* g_pCurrent = nullptr;

}  // namespace

CCustomOccManager::CCustomOccManager(IDispatch* pExternal) : m_pExternal(pExternal) {}

CCustomControlSite* CCustomOccManager::CreateSite(CWnd* pContainer) {
  return new CCustomControlSite(pContainer, m_pExternal);
}

CCustomOccManager* CCustomOccManager::GetCurrent() {
  return g_pCurrent;
}

void CCustomOccManager::SetCurrent(CCustomOccManager* pManager) {
  g_pCurrent = pManager;
}
