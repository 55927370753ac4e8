// CSkinScrollApi: the process's eight scroll-bar functions as the skin sees
// them. Each replacement answers from a skinned window's record and hands
// every other window to the system unchanged; System() reaches the system's
// own functions whatever is redirected.
#pragma once

#include <windows.h>

struct SkinSBInfo;

class CSkinScrollApi {
 public:
  struct Functions {
    int(WINAPI* SetScrollPos)(HWND, int, int, BOOL);
    int(WINAPI* GetScrollPos)(HWND, int);
    int(WINAPI* SetScrollInfo)(HWND, int, LPCSCROLLINFO, BOOL);
    BOOL(WINAPI* GetScrollInfo)(HWND, int, LPSCROLLINFO);
    BOOL(WINAPI* ShowScrollBar)(HWND, int, BOOL);
    BOOL(WINAPI* SetScrollRange)(HWND, int, int, int, BOOL);
    BOOL(WINAPI* GetScrollRange)(HWND, int, LPINT, LPINT);
    BOOL(WINAPI* EnableScrollBar)(HWND, UINT, UINT);
  };

  // The system's functions.
  static const Functions& System();

  // Redirects the process's calls of the eight functions to the
  // replacements below (library load), and puts them back (unload).
  static bool Attach();
  static void Detach();
  static bool IsAttached();
  // Import slots redirected in a module (null: in all).
  static size_t RedirectedSlots(HMODULE module);

  // The replacements.
  static int WINAPI SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
  static int WINAPI GetScrollPos(HWND hwnd, int bar);
  static int WINAPI SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO si, BOOL redraw);
  static BOOL WINAPI GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO si);
  static BOOL WINAPI ShowScrollBar(HWND hwnd, int bar, BOOL show);
  static BOOL WINAPI SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
  static BOOL WINAPI GetScrollRange(HWND hwnd, int bar, LPINT minPos, LPINT maxPos);
  static BOOL WINAPI EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);

 private:
  // The record of a skinned window, null for any other.
  static SkinSBInfo* Skinned(HWND hwnd);
  // Shows or hides a bar of a skinned window (style bit, frame); true when
  // it changed.
  static bool SetShown(SkinSBInfo& info, int bar, bool show);
};
