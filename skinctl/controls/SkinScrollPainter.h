// CSkinScrollPainter: draws a skinned window's bars and size box on its
// window DC from the skin sheet (16 x 16 cells: row 0 the vertical bar's
// parts, row 1 the horizontal bar's, row 2 the size box).
#pragma once

#include <windows.h>

#include "SkinSBInfo.h"
#include "SkinScrollGeometry.h"

class CSkinScrollPainter {
 public:
  // Both shown bars and, when both are, the size box.
  static void PaintAll(const SkinSBInfo& info);
  // One bar, when it is shown and the window visible.
  static void RedrawBar(const SkinSBInfo& info, int bar);
  // The state a part is drawn in.
  static skinsb::State StateOf(const SkinSBInfo& info, UINT part);

 private:
  // The chosen bars (and the size box, when both bars are shown) on the
  // window DC.
  static void Draw(const SkinSBInfo& info, bool vertical, bool horizontal, bool sizeBox);
  static void DrawBar(const SkinSBInfo& info, int bar, HDC dc, POINT origin, HDC sheet);
  static void DrawThumb(const SkinSBLayout& layout, skinsb::State state, HDC dc, POINT origin, HDC sheet);
  // Stretches the channel cell over a rectangle (screen coordinates).
  static void DrawChannel(const SkinSBLayout& layout, const RECT& area, HDC dc, POINT origin, HDC sheet);
  static void DrawCell(HDC dc, const RECT& at, POINT origin, HDC sheet, int column, int row);
};
