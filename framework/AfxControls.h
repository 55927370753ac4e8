// Loading the system's control classes once per process, and the owner-draw
// reflection the control wrappers share.
#pragma once

#include <windows.h>

// Registers common-control classes (ICC_* flags); TRUE when available.
BOOL AfxInitCommonControls(DWORD dwIccFlags);
// Loads the rich-edit 2 library (class RICHEDIT_CLASSW); TRUE when available.
BOOL AfxInitRichEdit2();

// Hands a reflected WM_DRAWITEM to ctl.DrawItem; TRUE when it was one.
template <class T>
BOOL AfxReflectDrawItem(T& ctl, UINT message, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM) return FALSE;
  ctl.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (pResult) *pResult = TRUE;
  return TRUE;
}

// The four owner-draw callbacks of list boxes and combo boxes.
template <class T>
BOOL AfxReflectOwnerDrawList(T& ctl, UINT message, LPARAM lParam, LRESULT* pResult) {
  LRESULT ignored = 0;
  if (!pResult) pResult = &ignored;
  switch (message) {
    case WM_DRAWITEM:
      return AfxReflectDrawItem(ctl, message, lParam, pResult);
    case WM_MEASUREITEM:
      ctl.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      *pResult = TRUE;
      return TRUE;
    case WM_COMPAREITEM:
      *pResult = ctl.CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
      return TRUE;
    case WM_DELETEITEM:
      ctl.DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
      *pResult = TRUE;
      return TRUE;
    default:
      return FALSE;
  }
}
