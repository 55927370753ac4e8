#include "AfxThreadState.h"

#include "CDC.h"
#include "CGdiObject.h"
#include "CMenu.h"
#include "CWnd.h"

AfxThreadState* AfxGetThreadState() {
  // A plain TLS slot: the state is created on a thread's first use and lives
  // as long as the thread (no thread-exit callbacks inside a DLL).
  static const DWORD slot = TlsAlloc();
  auto* state = static_cast<AfxThreadState*>(TlsGetValue(slot));
  if (!state) {
    state = new AfxThreadState();
    TlsSetValue(slot, state);
  }
  return state;
}

void AfxDeleteTempMaps() {
  // Temporary wrappers never own their handles: let go of them first.
  AfxThreadState* state = AfxGetThreadState();
  for (auto& entry : state->tempWnds) entry.second->m_hWnd = nullptr;
  for (auto& wnd : state->retiredWnds) wnd->m_hWnd = nullptr;
  state->retiredWnds.clear();
  for (auto& entry : state->tempDCs) entry.second->Detach();
  for (auto& entry : state->tempGdi) entry.second->Detach();
  for (auto& entry : state->tempMenus) entry.second->Detach();
  state->tempWnds.clear();
  state->tempDCs.clear();
  state->tempGdi.clear();
  state->tempMenus.clear();
}
