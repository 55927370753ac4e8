// The window objects this module subclassed, by handle (internal to the
// framework). The window's own property stays the reference every module
// reads; this table answers the per-message look-up without asking the
// window manager, which on some systems is a round trip to another process.
// An entry is added when this module's procedure takes a window and removed
// through the function pointer the object keeps (AfxWindowTable::Forget), so
// that it leaves the right module's table whichever module unbinds it.
#pragma once

#include <windows.h>

#include <shared_mutex>
#include <unordered_map>

class CWnd;

class AfxWindowTable {
 public:
  // The one table of this module; never destroyed, so that objects
  // outliving static destruction can still unbind.
  static AfxWindowTable& Get();

  CWnd* Find(HWND hWnd);
  void Add(HWND hWnd, CWnd* pWnd);
  // Removes the entry when it is still this object's.
  static void Forget(HWND hWnd, CWnd* pWnd);

  AfxWindowTable(const AfxWindowTable&) = delete;
  AfxWindowTable& operator=(const AfxWindowTable&) = delete;

 private:
  AfxWindowTable() = default;

  // Windows of several threads share the table.
  std::shared_mutex m_lock;
  std::unordered_map<HWND, CWnd*> m_map;
};
