// The record a skinned window's scroll bars live in while the skin has them:
// allocated zero-filled when the skin is installed and attached to the window
// as the property "PROP_SkinSB", freed when it is removed. While it exists
// the window's scroll state is this record's, not the system's.
#pragma once

#include <windows.h>

namespace skinsb {

constexpr wchar_t kProperty[] = L"PROP_SkinSB";

// Parts of a bar; the vertical bar's codes have kVertical added.
enum Part : UINT {
  kNone = 0,
  kFirstArrow = 1,   // up or left
  kSecondArrow = 2,  // down or right
  kThumb = 3,
  kTrackBefore = 4,
  kTrackAfter = 5,
  kVertical = 0x10,
};
// Part states, which are also the arrow columns of the sheet.
enum State { kNormal = 0, kHot = 1, kPressed = 2, kDisabled = 3 };

// Metrics of the sheet and of every bar.
constexpr int kThickness = 16;
constexpr int kArrow = 16;
constexpr int kMinThumb = 10;
constexpr int kCap = 4;
constexpr int kSlice = 8;
constexpr int kGripper = 16;

// Held arrows and track parts repeat: once after the first delay, then on
// the short period, for as long as they are held.
constexpr UINT_PTR kFirstDelayTimer = 60000;
constexpr UINT_PTR kRepeatTimer = 60001;
constexpr UINT kFirstDelay = 400;
constexpr UINT kRepeatPeriod = 50;

}  // namespace skinsb

struct SkinSBInfo {
  HWND hwnd;
  UINT nDisabled;  // bits 0-1 horizontal, 2-3 vertical (ESB_DISABLE_LTUP, ESB_DISABLE_RTDN)
  DWORD dwStyle;   // WS_HSCROLL | WS_VSCROLL as last applied
  SCROLLINFO horz;
  SCROLLINFO vert;
  WNDPROC pfnPrevious;
  BOOL bLeftBar;     // WS_EX_LEFTSCROLLBAR
  BOOL bRestyling;   // bar styles taken away for the duration of a message
  BOOL bTracking;    // non-client mouse-leave requested
  BOOL bDragging;    // a part is held down
  BOOL bRichEdit;    // "RichEdit20A" / "RichEdit20W"
  UINT nPressed;     // part code held
  int nDragPos;      // last position sent while dragging the thumb
  int nDragOffset;   // pointer minus thumb start at the press
  UINT nRepeatMsg;   // WM_HSCROLL / WM_VSCROLL repeated while held
  UINT nRepeatCode;  // and its request
  UINT nHot;         // part code under the pointer
  HBITMAP hSheet;
  // The window's own character set: its previous procedure is called, and
  // the skin's put in place, as the window's kind (a Unicode window keeps
  // receiving Unicode text messages).
  BOOL bUnicode;

  SCROLLINFO& Bar(int bar) { return bar == SB_VERT ? vert : horz; }
  const SCROLLINFO& Bar(int bar) const { return bar == SB_VERT ? vert : horz; }
  DWORD StyleBit(int bar) const { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }
  bool Shown(int bar) const { return (dwStyle & StyleBit(bar)) != 0; }
  UINT DisableBits(int bar) const { return bar == SB_VERT ? (nDisabled >> 2) & 3 : nDisabled & 3; }
};
