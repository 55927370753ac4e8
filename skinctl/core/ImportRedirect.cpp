#include "ImportRedirect.h"

#include <psapi.h>

#include <algorithm>

namespace {

CImportRedirect* s_pActive = nullptr;

// The loader calls, reached through the system once our hook has seen them.
// They stay set after Restore: a call already inside a hook finishes.
using LoadLibraryAFn = HMODULE(WINAPI*)(LPCSTR);
using LoadLibraryWFn = HMODULE(WINAPI*)(LPCWSTR);
using LoadLibraryExAFn = HMODULE(WINAPI*)(LPCSTR, HANDLE, DWORD);
using LoadLibraryExWFn = HMODULE(WINAPI*)(LPCWSTR, HANDLE, DWORD);
LoadLibraryAFn s_pfnLoadLibraryA = nullptr;
LoadLibraryWFn s_pfnLoadLibraryW = nullptr;
LoadLibraryExAFn s_pfnLoadLibraryExA = nullptr;
LoadLibraryExWFn s_pfnLoadLibraryExW = nullptr;

// A load that gave a module (not a data or resource mapping, whose handle
// carries a tag in its low bits) may have brought in any number of DLLs.
HMODULE AfterLoad(HMODULE module) {
  if (module != nullptr && (reinterpret_cast<ULONG_PTR>(module) & 3) == 0 && s_pActive != nullptr) {
    const DWORD error = ::GetLastError();
    try {
      s_pActive->Rescan();
    } catch (...) {
      // Out of memory: the new modules stay as they are.
    }
    ::SetLastError(error);
  }
  return module;
}

HMODULE WINAPI HookLoadLibraryA(LPCSTR name) { return AfterLoad(s_pfnLoadLibraryA(name)); }
HMODULE WINAPI HookLoadLibraryW(LPCWSTR name) { return AfterLoad(s_pfnLoadLibraryW(name)); }
HMODULE WINAPI HookLoadLibraryExA(LPCSTR name, HANDLE file, DWORD flags) {
  return AfterLoad(s_pfnLoadLibraryExA(name, file, flags));
}
HMODULE WINAPI HookLoadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags) {
  return AfterLoad(s_pfnLoadLibraryExW(name, file, flags));
}

template <class T>
T* At(HMODULE base, DWORD rva) {
  return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(base) + rva);
}

class ScopedLock {
 public:
  explicit ScopedLock(CRITICAL_SECTION* lock) : m_lock(lock) { ::EnterCriticalSection(m_lock); }
  ~ScopedLock() { ::LeaveCriticalSection(m_lock); }
  ScopedLock(const ScopedLock&) = delete;
  ScopedLock& operator=(const ScopedLock&) = delete;

 private:
  CRITICAL_SECTION* m_lock;
};

}  // namespace

CImportRedirect::~CImportRedirect() {
  Restore();
  if (m_bLockReady) ::DeleteCriticalSection(&m_lock);
}

bool CImportRedirect::AddEntry(const wchar_t* module, const char* name, void* replacement) {
  Entry entry{replacement, nullptr, {nullptr, nullptr}};
  HMODULE owner = ::GetModuleHandleW(module);
  if (owner != nullptr) entry.original = reinterpret_cast<void*>(::GetProcAddress(owner, name));
  if (entry.original == nullptr) return false;
  entry.aliases[0] = entry.original;
  m_entries.push_back(entry);
  return true;
}

bool CImportRedirect::Install(const Target* targets, size_t count) {
  if (m_bInstalled || s_pActive != nullptr || targets == nullptr) return false;
  m_entries.clear();
  for (size_t i = 0; i < count; ++i) {
    if (!AddEntry(targets[i].module, targets[i].name, targets[i].replacement)) {
      m_entries.clear();
      return false;
    }
  }
  m_nTargets = count;

  // The loader calls live in kernelbase where it exists; kernel32's exports
  // of them may be separate forwarding stubs, so an import of either counts.
  static const char* const kLoaders[] = {"LoadLibraryA", "LoadLibraryW", "LoadLibraryExA", "LoadLibraryExW"};
  void* const hooks[] = {reinterpret_cast<void*>(&HookLoadLibraryA), reinterpret_cast<void*>(&HookLoadLibraryW),
                         reinterpret_cast<void*>(&HookLoadLibraryExA), reinterpret_cast<void*>(&HookLoadLibraryExW)};
  HMODULE kernelbase = ::GetModuleHandleW(L"kernelbase.dll");
  HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
  for (size_t i = 0; i < 4; ++i) {
    if (!AddEntry(kernelbase != nullptr ? L"kernelbase.dll" : L"kernel32.dll", kLoaders[i], hooks[i])) {
      m_entries.clear();
      m_nTargets = 0;
      return false;
    }
    void* stub = kernel32 != nullptr ? reinterpret_cast<void*>(::GetProcAddress(kernel32, kLoaders[i])) : nullptr;
    if (stub != m_entries.back().original) m_entries.back().aliases[1] = stub;
  }
  if (s_pfnLoadLibraryA == nullptr) {
    s_pfnLoadLibraryA = reinterpret_cast<LoadLibraryAFn>(m_entries[count].original);
    s_pfnLoadLibraryW = reinterpret_cast<LoadLibraryWFn>(m_entries[count + 1].original);
    s_pfnLoadLibraryExA = reinterpret_cast<LoadLibraryExAFn>(m_entries[count + 2].original);
    s_pfnLoadLibraryExW = reinterpret_cast<LoadLibraryExWFn>(m_entries[count + 3].original);
  }

  if (!m_bLockReady) ::InitializeCriticalSection(&m_lock);
  m_bLockReady = true;
  m_bInstalled = true;
  s_pActive = this;
  Rescan();
  return true;
}

void CImportRedirect::Restore() {
  if (!m_bInstalled) return;
  if (s_pActive == this) s_pActive = nullptr;
  const std::vector<HMODULE> loaded = LoadedModules();
  ScopedLock lock(&m_lock);
  for (const Slot& slot : m_slots) {
    // Only slots of modules still mapped as the one we patched, and only
    // where nobody has put something else in since.
    auto known = std::find_if(m_modules.begin(), m_modules.end(), [&](const Module& m) { return m.base == slot.module; });
    Module now{};
    if (known == m_modules.end() || std::find(loaded.begin(), loaded.end(), slot.module) == loaded.end() ||
        !ReadModule(slot.module, &now) || now.stamp != known->stamp || now.size != known->size)
      continue;
    if (*slot.address == slot.replacement) WriteSlot(slot.address, slot.previous);
  }
  m_slots.clear();
  m_modules.clear();
  m_bInstalled = false;
}

void* CImportRedirect::Original(size_t index) const {
  return index < m_nTargets && index < m_entries.size() ? m_entries[index].original : nullptr;
}

size_t CImportRedirect::RedirectedSlots(HMODULE module) const {
  size_t n = 0;
  for (const Slot& slot : m_slots)
    if (module == nullptr || slot.module == module) ++n;
  return n;
}

void CImportRedirect::Rescan() {
  if (!m_bInstalled) return;
  // The module list is taken before our lock: the system takes its loader
  // lock for it, and a thread inside a load may be waiting for ours.
  const std::vector<HMODULE> loaded = LoadedModules();
  ScopedLock lock(&m_lock);
  // Forget modules that have gone, with their slots.
  for (auto it = m_modules.begin(); it != m_modules.end();) {
    if (std::find(loaded.begin(), loaded.end(), it->base) != loaded.end()) {
      ++it;
      continue;
    }
    const HMODULE gone = it->base;
    m_slots.erase(std::remove_if(m_slots.begin(), m_slots.end(), [&](const Slot& s) { return s.module == gone; }),
                  m_slots.end());
    it = m_modules.erase(it);
  }
  for (HMODULE base : loaded) {
    Module now{};
    if (!ReadModule(base, &now)) continue;
    auto known = std::find_if(m_modules.begin(), m_modules.end(), [&](const Module& m) { return m.base == base; });
    if (known != m_modules.end()) {
      // A module seen before is done, unless it was unloaded and loaded
      // again in between: then its slots hold the system's addresses again.
      auto first = std::find_if(m_slots.begin(), m_slots.end(), [&](const Slot& s) { return s.module == base; });
      const bool fresh = now.stamp != known->stamp || now.size != known->size ||
                         (first != m_slots.end() && *first->address != first->replacement);
      if (!fresh) continue;
      m_slots.erase(std::remove_if(m_slots.begin(), m_slots.end(), [&](const Slot& s) { return s.module == base; }),
                    m_slots.end());
      *known = now;
    } else {
      m_modules.push_back(now);
    }
    PatchModule(base);
  }
}

const CImportRedirect::Entry* CImportRedirect::Match(void* address) const {
  if (address == nullptr) return nullptr;
  for (const Entry& entry : m_entries)
    if (entry.aliases[0] == address || entry.aliases[1] == address) return &entry;
  return nullptr;
}

void CImportRedirect::PatchModule(HMODULE base) {
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
  // Only images of our own kind: IMAGE_NT_HEADERS is PE32 or PE32+ as we are.
  if (nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) return;
  const DWORD imageSize = nt->OptionalHeader.SizeOfImage;
  if (nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_IMPORT) return;
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0 || dir.Size == 0 || dir.VirtualAddress >= imageSize) return;
  for (auto* desc = At<IMAGE_IMPORT_DESCRIPTOR>(base, dir.VirtualAddress);
       reinterpret_cast<BYTE*>(desc + 1) <= reinterpret_cast<BYTE*>(base) + imageSize && desc->Name != 0; ++desc) {
    if (desc->FirstThunk == 0 || desc->FirstThunk >= imageSize) continue;
    for (auto* thunk = At<IMAGE_THUNK_DATA>(base, desc->FirstThunk);
         reinterpret_cast<BYTE*>(thunk + 1) <= reinterpret_cast<BYTE*>(base) + imageSize && thunk->u1.Function != 0;
         ++thunk) {
      void** slot = reinterpret_cast<void**>(&thunk->u1.Function);
      void* const was = *slot;
      const Entry* entry = Match(was);
      if (entry == nullptr || !WriteSlot(slot, entry->replacement)) continue;
      m_slots.push_back(Slot{slot, was, entry->replacement, base});
    }
  }
}

bool CImportRedirect::ReadModule(HMODULE base, Module* out) {
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  if (base == nullptr || dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0) return false;
  auto* nt = At<IMAGE_NT_HEADERS>(base, static_cast<DWORD>(dos->e_lfanew));
  if (nt->Signature != IMAGE_NT_SIGNATURE) return false;
  out->base = base;
  out->stamp = nt->FileHeader.TimeDateStamp;
  out->size = nt->OptionalHeader.SizeOfImage;
  return true;
}

std::vector<HMODULE> CImportRedirect::LoadedModules() {
  std::vector<HMODULE> modules(256);
  for (;;) {
    DWORD needed = 0;
    const DWORD bytes = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
    if (!::K32EnumProcessModules(::GetCurrentProcess(), modules.data(), bytes, &needed)) return {};
    if (needed <= bytes) {
      modules.resize(needed / sizeof(HMODULE));
      return modules;
    }
    modules.resize(needed / sizeof(HMODULE) + 16);
  }
}

bool CImportRedirect::WriteSlot(void** slot, void* value) {
  MEMORY_BASIC_INFORMATION page{};
  if (::VirtualQuery(slot, &page, sizeof(page)) == 0 || page.State != MEM_COMMIT) return false;
  const DWORD writable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  const bool executable = (page.Protect & (PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                           PAGE_EXECUTE_WRITECOPY)) != 0;
  DWORD old = 0;
  const bool reprotect = (page.Protect & writable) == 0;
  if (reprotect && !::VirtualProtect(slot, sizeof(void*), executable ? PAGE_EXECUTE_READWRITE : PAGE_READWRITE, &old))
    return false;
  ::InterlockedExchangePointer(slot, value);
  if (reprotect) ::VirtualProtect(slot, sizeof(void*), old, &old);
  ::FlushInstructionCache(::GetCurrentProcess(), slot, sizeof(void*));
  return true;
}
