// The animated-picture component as an in-process COM server: its class
// factory, the unload check, and registration of the class under
// HKEY_CLASSES_ROOT as regsvr32 does it.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "AnimatedPicture.h"

namespace {

HINSTANCE g_hModule = nullptr;
LONG g_nLocks = 0;

const wchar_t kClassKey[] = L"CLSID\\{06ADA938-0FB0-4BC0-B19B-0A38AB17F182}";
const wchar_t kClassName[] = L"Animated picture";

class PictureFactory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *ppv = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  // The factory is static: it lives as long as the module.
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }

  STDMETHODIMP CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;
    CAnimatedPicture* picture = new (std::nothrow) CAnimatedPicture;
    if (picture == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = picture->QueryInterface(riid, ppv);
    picture->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL fLock) override {
    if (fLock)
      ::InterlockedIncrement(&g_nLocks);
    else
      ::InterlockedDecrement(&g_nLocks);
    return S_OK;
  }
};

PictureFactory g_Factory;

bool SetValue(HKEY key, const wchar_t* name, const std::wstring& value) {
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

// The module's full path; empty when it does not fit the largest path.
std::wstring ModulePath() {
  std::wstring path(32768, L'\0');
  const DWORD length = ::GetModuleFileNameW(g_hModule, &path[0], static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return std::wstring();
  path.resize(length);
  return path;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    g_hModule = hInstance;
    ::DisableThreadLibraryCalls(hInstance);
  }
  return TRUE;
}

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (!IsEqualCLSID(rclsid, CLSID_AnimatedPicture)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_Factory.QueryInterface(riid, ppv);
}

extern "C" HRESULT __stdcall DllCanUnloadNow() {
  return CAnimatedPicture::LiveObjects() == 0 && g_nLocks == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT __stdcall DllRegisterServer() {
  const std::wstring path = ModulePath();
  if (path.empty()) return SELFREG_E_CLASS;
  HKEY classKey = nullptr;
  if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, kClassKey, 0, nullptr, 0, KEY_WRITE, nullptr, &classKey, nullptr) !=
      ERROR_SUCCESS)
    return SELFREG_E_CLASS;
  HKEY serverKey = nullptr;
  bool done = SetValue(classKey, nullptr, kClassName) &&
              ::RegCreateKeyExW(classKey, L"InprocServer32", 0, nullptr, 0, KEY_WRITE, nullptr, &serverKey,
                                nullptr) == ERROR_SUCCESS;
  if (serverKey) {
    done = done && SetValue(serverKey, nullptr, path) && SetValue(serverKey, L"ThreadingModel", L"Apartment");
    ::RegCloseKey(serverKey);
  }
  ::RegCloseKey(classKey);
  return done ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT __stdcall DllUnregisterServer() {
  const LSTATUS status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
