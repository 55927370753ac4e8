#include "CPrismdrawEngine.h"

CPrismdrawEngine::CPrismdrawEngine() : m_hModule(LoadLibraryW(L"Prismdraw.dll")), m_pEngine(nullptr) {
  if (m_hModule == nullptr) {
    return;
  }
  auto create = reinterpret_cast<PFN_CREATE_PRISMDRAW>(
      reinterpret_cast<void*>(GetProcAddress(m_hModule, "CreatePrismdraw")));
  if (create != nullptr) {
    m_pEngine = create();
  }
}

IPrismdraw* CPrismdrawEngine::Get() {
  // Deliberately leaked: pictures in static storage may still ask it for
  // sizes during shut-down, and the library stays mapped until the process ends.
  static CPrismdrawEngine* s_pLoader = new CPrismdrawEngine();
  return s_pLoader->m_pEngine;
}
