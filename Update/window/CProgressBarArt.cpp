#include "CProgressBarArt.h"

void CProgressBarArt::Load(HMODULE module) {
  if (m_bLoaded) {
    return;
  }
  m_bLoaded = true;
  m_Line.LoadFromResource(module, L"PROGRESS_LINE");
  m_Point.LoadFromResource(module, L"PROGRESS_POINT");
}

void CProgressBarArt::DrawTrack(HDC dc, int x, int y) const {
  m_Line.DrawPart(dc, x, y, GetLength(), GetTrackHeight(), 0, 0);
}

void CProgressBarArt::DrawFill(HDC dc, int x, int y, int fill) const {
  m_Line.DrawPart(dc, x, y, fill, GetTrackHeight(), 0, GetTrackHeight());
}

void CProgressBarArt::DrawKnob(HDC dc, int x, int fill, int knobY) const {
  m_Point.Draw(dc, x + fill - m_Point.GetWidth() / 2, knobY);
}
