// The pictures of one of the updater's windows, decoded once and kept: its
// background, and the two pictures of its progress bars, "PROGRESS_LINE"
// (upper half the empty track, lower half the filled one) and
// "PROGRESS_POINT" (the knob at the end of the filled part).
#pragma once

#include <windows.h>

#include "CPngImage.h"

class CUpdateArt {
public:
  // background: the name of the window's picture resource.
  explicit CUpdateArt(LPCWSTR background) : m_pszBackground(background) {}

  // Decodes the pictures the first time; later calls do nothing.
  void Load(HMODULE module);

  const CPngImage& GetBackground() const { return m_Back; }
  int GetLength() const { return m_Line.GetWidth(); }
  int GetTrackHeight() const { return m_Line.GetHeight() / 2; }
  int GetKnobHeight() const { return m_Point.GetHeight(); }

  // The whole empty track at (x, y).
  void DrawTrack(HDC dc, int x, int y) const;
  // The first `fill` pixels of the filled track over it.
  void DrawFill(HDC dc, int x, int y, int fill) const;
  // The knob centred on the end of the fill, its top at knobY.
  void DrawKnob(HDC dc, int x, int fill, int knobY) const;

private:
  LPCWSTR m_pszBackground;
  bool m_bLoaded = false;
  CPngImage m_Back;
  CPngImage m_Line;
  CPngImage m_Point;
};
