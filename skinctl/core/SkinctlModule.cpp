#include "SkinctlModule.h"

#include "SkinScrollApi.h"
#include "SkinScrollWindow.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE SkinctlModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

// While the library is loaded the process's scroll-bar calls come to the
// skin. Unloaded by FreeLibrary, it first hands every window still skinned
// back to itself (their procedure would otherwise be gone); at process exit
// the windows go with the process.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  try {
    if (reason == DLL_PROCESS_ATTACH) {
      CSkinScrollApi::Attach();
    } else if (reason == DLL_PROCESS_DETACH) {
      if (reserved == nullptr) CSkinScrollWindow::RemoveAll();
      CSkinScrollApi::Detach();
    }
  } catch (...) {
    // Out of memory while patching: the library works without the skin's
    // reach into other modules.
  }
  return TRUE;
}
