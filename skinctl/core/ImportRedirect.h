// CImportRedirect: sends the calls a process makes to chosen system functions
// to replacements of ours, process-wide, by rewriting the import address
// tables of its modules - the program, every DLL, the system's own control
// libraries included - and of each module loaded later (the loader calls are
// redirected too, and every load that succeeds rescans the process). The
// system functions themselves are left untouched, so they stay callable
// through Original(). Restore() puts every rewritten slot back.
//
// Calls that do not go through an import table (an address fetched with
// GetProcAddress, a call inside the exporting DLL itself) are not reached.
// One redirect can be installed at a time in a process.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

class CImportRedirect {
 public:
  struct Target {
    const wchar_t* module;  // the exporting DLL, already loaded
    const char* name;       // its export
    void* replacement;
  };

  CImportRedirect() = default;
  ~CImportRedirect();
  CImportRedirect(const CImportRedirect&) = delete;
  CImportRedirect& operator=(const CImportRedirect&) = delete;

  // Resolves the targets and redirects their imports in every module loaded
  // now and from then on. False, with nothing changed, when a target cannot
  // be resolved or a redirect is already installed in the process.
  bool Install(const Target* targets, size_t count);
  // Puts back every import slot that still holds one of our replacements in
  // a module that is still loaded; later loads are no longer watched.
  void Restore();
  bool IsInstalled() const { return m_bInstalled; }

  // The system function behind target index (null before Install).
  void* Original(size_t index) const;
  // Import slots rewritten so far in the given module (null: in all).
  size_t RedirectedSlots(HMODULE module = nullptr) const;

  // Patches what was loaded since the last look; the loader hooks call it.
  void Rescan();

 private:
  struct Entry {
    void* replacement;
    void* original;
    void* aliases[2];  // the addresses an import of it may hold
  };
  struct Slot {
    void** address;
    void* previous;
    void* replacement;
    HMODULE module;
  };
  struct Module {
    HMODULE base;
    DWORD stamp;  // link time stamp and image size: the same DLL
    DWORD size;   // mapped again at a freed address is told apart
  };

  bool AddEntry(const wchar_t* module, const char* name, void* replacement);
  void PatchModule(HMODULE base);
  const Entry* Match(void* address) const;
  static bool ReadModule(HMODULE base, Module* out);
  static std::vector<HMODULE> LoadedModules();
  static bool WriteSlot(void** slot, void* value);

  std::vector<Entry> m_entries;
  size_t m_nTargets = 0;  // the caller's targets come first; the loader hooks after them
  std::vector<Slot> m_slots;
  std::vector<Module> m_modules;
  CRITICAL_SECTION m_lock{};
  bool m_bLockReady = false;
  bool m_bInstalled = false;
};
