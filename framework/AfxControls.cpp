#include "AfxControls.h"

#include <commctrl.h>

BOOL AfxInitCommonControls(DWORD dwIccFlags) {
  static DWORD done = 0;
  if ((done & dwIccFlags) == dwIccFlags) return TRUE;
  INITCOMMONCONTROLSEX icc = {sizeof(icc), dwIccFlags};
  if (!InitCommonControlsEx(&icc)) return FALSE;
  done |= dwIccFlags;
  return TRUE;
}

BOOL AfxInitRichEdit2() {
  // Loaded for the life of the process, as the class must outlive every
  // control made from it.
  static HMODULE module = LoadLibraryW(L"riched20.dll");
  return module != nullptr;
}
