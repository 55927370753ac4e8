// The records shared by the window-frame classes, and the one layout both
// follow: edge pieces tiled along the sides (the last tile clipped, never
// stretched), corners drawn last and whole.
#pragma once

#include <windows.h>

#include "CBitImage.h"
#include "CPngImage.h"
#include "SkinctlApi.h"

// Piece order of every frame record.
enum EncirclePiece {
  ENCIRCLE_TOP_LEFT,
  ENCIRCLE_TOP_MID,
  ENCIRCLE_TOP_RIGHT,
  ENCIRCLE_MID_LEFT,
  ENCIRCLE_MID_RIGHT,
  ENCIRCLE_BOTTOM_LEFT,
  ENCIRCLE_BOTTOM_MID,
  ENCIRCLE_BOTTOM_RIGHT,
  ENCIRCLE_PIECES
};

// Eight image names (string pointers or MAKEINTRESOURCE identifiers): resource
// names when the frame has a module, file paths otherwise.
struct SKINCTL_API _EncircleResource {
  LPCWSTR lpszImage[ENCIRCLE_PIECES];
};

// How thick each side of a frame is.
struct SKINCTL_API _EncircleInfo {
  int nTop;
  int nBottom;
  int nLeft;
  int nRight;
};

// The loaded pieces of one drawing.
struct _EncircleBMP {
  CBitImage image[ENCIRCLE_PIECES];
};

struct _EncirclePNG {
  CPngImage image[ENCIRCLE_PIECES];
};

namespace EncircleLayout {

// The library's own bitmap frame: resources 2009, 2010, 2003, 2007, 2008,
// 2004, 2005, 2006 in piece order.
_EncircleResource DefaultBitmapFrame();

// Shrinks a window rectangle by the frame's thicknesses.
void InnerRect(const _EncircleInfo& info, const RECT& outer, RECT& inner);
// Moves a window to the inner rectangle of outer: directly when defer is
// null, otherwise into the deferred-position batch *defer, which then holds
// the batch's handle as ::DeferWindowPos returns it (it may change as the
// batch grows; null when the system gave the batch up).
bool PlaceWindow(HWND window, HDWP* defer, const _EncircleInfo& info, const RECT& outer);
// The frame classes' DeferWindowPos forms over PlaceWindow: the caller's
// handle variable follows the batch; a handle passed by value reports false
// when the batch no longer lives under it.
bool DeferPlaceWindow(HWND window, HDWP* defer, const _EncircleInfo& info, const RECT& outer);
bool DeferPlaceWindow(HWND window, HDWP defer, const _EncircleInfo& info, const RECT& outer);

// The thicknesses of a frame: sizeOf(piece) gives a piece's size (0 x 0 when
// it cannot be loaded).
template <class SizeOf>
_EncircleInfo Measure(SizeOf sizeOf) {
  _EncircleInfo info;
  info.nTop = sizeOf(ENCIRCLE_TOP_MID).cy;
  info.nBottom = sizeOf(ENCIRCLE_BOTTOM_MID).cy;
  info.nLeft = sizeOf(ENCIRCLE_MID_LEFT).cx;
  info.nRight = sizeOf(ENCIRCLE_MID_RIGHT).cx;
  return info;
}

// Calls draw(piece, x, y, cx, cy) for every tile of the four edges, then for
// the four corners, over rectangle r. Each tile is taken from its piece's
// origin. Pieces of zero size draw nothing.
template <class Draw>
void Tile(const SIZE (&size)[ENCIRCLE_PIECES], const RECT& r, Draw draw) {
  const SIZE& tm = size[ENCIRCLE_TOP_MID];
  const SIZE& bm = size[ENCIRCLE_BOTTOM_MID];
  const SIZE& ml = size[ENCIRCLE_MID_LEFT];
  const SIZE& mr = size[ENCIRCLE_MID_RIGHT];
  const SIZE& tl = size[ENCIRCLE_TOP_LEFT];
  const SIZE& tr = size[ENCIRCLE_TOP_RIGHT];
  const SIZE& bl = size[ENCIRCLE_BOTTOM_LEFT];
  const SIZE& br = size[ENCIRCLE_BOTTOM_RIGHT];

  auto along = [&](int piece, const SIZE& s, int from, int to, bool horizontal, int fixed) {
    const int step = horizontal ? s.cx : s.cy;
    if (s.cx <= 0 || s.cy <= 0) return;
    for (int at = from; at < to; at += step) {
      const int length = step < to - at ? step : to - at;
      if (horizontal)
        draw(piece, at, fixed, length, s.cy);
      else
        draw(piece, fixed, at, s.cx, length);
    }
  };
  along(ENCIRCLE_TOP_MID, tm, r.left + tl.cx, r.right - tr.cx, true, r.top);
  along(ENCIRCLE_BOTTOM_MID, bm, r.left + bl.cx, r.right - br.cx, true, r.bottom - bm.cy);
  along(ENCIRCLE_MID_LEFT, ml, r.top + tl.cy, r.bottom - bl.cy, false, r.left);
  along(ENCIRCLE_MID_RIGHT, mr, r.top + tr.cy, r.bottom - br.cy, false, r.right - mr.cx);

  auto corner = [&](int piece, const SIZE& s, int x, int y) {
    if (s.cx > 0 && s.cy > 0) draw(piece, x, y, s.cx, s.cy);
  };
  corner(ENCIRCLE_TOP_LEFT, tl, r.left, r.top);
  corner(ENCIRCLE_TOP_RIGHT, tr, r.right - tr.cx, r.top);
  corner(ENCIRCLE_BOTTOM_LEFT, bl, r.left, r.bottom - bl.cy);
  corner(ENCIRCLE_BOTTOM_RIGHT, br, r.right - br.cx, r.bottom - br.cy);
}

}  // namespace EncircleLayout
