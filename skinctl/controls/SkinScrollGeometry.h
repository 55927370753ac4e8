// CSkinScrollGeometry: where a skinned window's bars, their arrows, track
// and thumb lie (screen coordinates), and which part lies under a point.
#pragma once

#include <windows.h>

#include "SkinSBInfo.h"

struct SkinSBLayout {
  bool vertical = false;
  RECT bar{};          // the whole bar; empty when the bar is not shown
  int start = 0;       // along the bar: its first pixel
  int length = 0;      // and its length
  int track = 0;       // length between the arrows
  bool hasThumb = false;
  int thumbStart = 0;  // along the bar, screen coordinates
  int thumbLength = 0;

  int FirstArrowEnd() const { return start + skinsb::kArrow; }
  int SecondArrowStart() const { return start + length - skinsb::kArrow; }
  int ThumbEnd() const { return thumbStart + thumbLength; }
  // Track room: how far the thumb can travel.
  int Room() const { return track - thumbLength; }
  // The coordinate of a point along the bar.
  int Along(POINT pt) const { return vertical ? pt.y : pt.x; }
  // A stretch along the bar, full width across.
  RECT Span(int from, int to) const;
  RECT ThumbRect() const { return Span(thumbStart, ThumbEnd()); }
  RECT TrackRect() const { return Span(FirstArrowEnd(), SecondArrowStart()); }
};

class CSkinScrollGeometry {
 public:
  // The client rectangle of the window in screen coordinates.
  static RECT ClientOnScreen(HWND hwnd);
  static SkinSBLayout Layout(const SkinSBInfo& info, int bar);
  static SkinSBLayout Layout(const SkinSBInfo& info, int bar, const RECT& client);
  // The square next to both bars when both are shown; empty otherwise.
  static RECT SizeBox(const SkinSBInfo& info);
  // a * b / c rounded half away from zero, as the system's MulDiv, without
  // overflow; -1 for c = 0, as MulDiv.
  static int Scale(double a, double b, double c);
  // Thumb length and offset within the track of length track for a state.
  static bool Thumb(const SCROLLINFO& si, int track, int* length, int* offset);
  // The part (1-5, without the vertical flag) of a bar with a thumb under a
  // screen point; 0 for none. With any arrow disabled only the thumb answers.
  static UINT PartAt(const SkinSBLayout& layout, UINT disableBits, POINT pt);
  // The bar a part code belongs to.
  static int BarOf(UINT part) { return (part & skinsb::kVertical) ? SB_VERT : SB_HORZ; }
};
