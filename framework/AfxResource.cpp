#include "AfxResource.h"

namespace {

HINSTANCE g_hResource = nullptr;

HINSTANCE OwnModule() {
  HMODULE h = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&OwnModule), &h);
  return h ? h : GetModuleHandleW(nullptr);
}

}  // namespace

HINSTANCE AfxGetInstanceHandle() {
  static HINSTANCE own = OwnModule();
  return own;
}

HINSTANCE AfxGetResourceHandle() { return g_hResource ? g_hResource : AfxGetInstanceHandle(); }

void AfxSetResourceHandle(HINSTANCE hResource) { g_hResource = hResource; }

HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType) {
  HINSTANCE candidates[] = {AfxGetResourceHandle(), GetModuleHandleW(nullptr)};
  for (HINSTANCE h : candidates) {
    if (h && FindResourceW(h, lpszName, lpszType)) return h;
  }
  return nullptr;
}
