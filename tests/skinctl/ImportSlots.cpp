#include "ImportSlots.h"

#include <cstring>

namespace {

const char* const kScrollFunctions[] = {"SetScrollPos",  "GetScrollPos",   "SetScrollInfo",  "GetScrollInfo",
                                        "ShowScrollBar", "SetScrollRange", "GetScrollRange", "EnableScrollBar"};

template <class T>
T* At(HMODULE base, DWORD rva) {
  return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(base) + rva);
}

}  // namespace

void* ImportSlot(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  auto* nt = At<IMAGE_NT_HEADERS>(module, reinterpret_cast<IMAGE_DOS_HEADER*>(module)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0) return nullptr;
  for (auto* desc = At<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); desc->Name != 0; ++desc) {
    if (_stricmp(At<char>(module, desc->Name), "user32.dll") != 0 || desc->OriginalFirstThunk == 0) continue;
    auto* names = At<IMAGE_THUNK_DATA>(module, desc->OriginalFirstThunk);
    auto* slots = At<IMAGE_THUNK_DATA>(module, desc->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), name) == 0)
        return reinterpret_cast<void*>(slots->u1.Function);
    }
  }
  return nullptr;
}

int ImportSlots::Redirected(HMODULE module) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  int n = 0;
  for (const char* name : kScrollFunctions) {
    void* slot = ImportSlot(module, name);
    if (slot != nullptr && slot != reinterpret_cast<void*>(GetProcAddress(user32, name))) ++n;
  }
  return n;
}

int ImportSlots::Imported(HMODULE module) {
  int n = 0;
  for (const char* name : kScrollFunctions)
    if (ImportSlot(module, name) != nullptr) ++n;
  return n;
}

int ImportSlots::Redirected(HWND window) {
  HMODULE module = nullptr;
  auto proc = reinterpret_cast<LPCWSTR>(GetClassLongPtrW(window, GCLP_WNDPROC));
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, proc,
                          &module))
    return -1;
  return Redirected(module);
}
