// CSkinScrollWindow: a window whose scroll bars the skin has taken over. The
// skin's procedure is put in front of the window's own: it sizes, hit-tests
// and paints the bars in the non-client area, drives them with the mouse
// (repeating held arrows and track parts on timers) and sends the window the
// scroll messages the system's bars would send. Everything else reaches the
// window's own procedure unchanged.
#pragma once

#include <windows.h>

#include "SkinSBInfo.h"
#include "SkinScrollGeometry.h"

class CSkinScrollWindow {
 public:
  // Takes over the bars of a window with a skin sheet; see InstallSkinScrollBar.
  static BOOL Install(HWND hwnd, HBITMAP sheet);
  // Gives the window its own procedure and the system its scroll state back.
  static BOOL Remove(HWND hwnd);
  // Every window of the process that still has skinned bars (library unload).
  static void RemoveAll();

  // Shows exactly the given bars (WS_HSCROLL | WS_VSCROLL) and lets the frame
  // be recalculated; the window hears nothing of the style change.
  static void ApplyBarStyle(SkinSBInfo& info, DWORD bars);
  static void RecalcFrame(HWND hwnd);

 private:
  static LRESULT CALLBACK ProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT Dispatch(SkinSBInfo* info, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CallPrevious(const SkinSBInfo& info, UINT message, WPARAM wParam, LPARAM lParam);
  // The previous procedure with the bar styles taken away for the duration,
  // so that the system neither reserves nor paints bars of its own.
  static LRESULT CallWithoutBars(SkinSBInfo* info, UINT message, WPARAM wParam, LPARAM lParam);
  static bool Alive(HWND hwnd, const SkinSBInfo* info);

  static LRESULT OnNcCalcSize(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcHitTest(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcPaint(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcMouseMove(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcMouseLeave(SkinSBInfo* info);
  static LRESULT OnNcLButtonDown(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnTimer(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnMouseMove(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnLButtonUp(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnStyleChanged(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcDestroy(SkinSBInfo* info, WPARAM wParam, LPARAM lParam);

  // Ends a press at a screen point: releases the capture, stops the
  // repetition, tells the window the scrolling ended.
  static void EndPress(SkinSBInfo* info, POINT pt);
  // Makes part the hot one, redrawing the bars that change.
  static void SetHot(SkinSBInfo* info, UINT part);
  // Sends the window a scroll message of the part's bar.
  static void SendScroll(HWND hwnd, UINT message, UINT code, int pos);
  static UINT ScrollMessage(int bar) { return bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL; }
};
