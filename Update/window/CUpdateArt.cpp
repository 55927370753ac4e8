#include "CUpdateArt.h"

void CUpdateArt::Load(HMODULE module) {
  if (m_bLoaded) {
    return;
  }
  m_bLoaded = true;
  m_Back.LoadFromResource(module, m_pszBackground);
  m_Line.LoadFromResource(module, L"PROGRESS_LINE");
  m_Point.LoadFromResource(module, L"PROGRESS_POINT");
}

void CUpdateArt::DrawTrack(HDC dc, int x, int y) const {
  m_Line.DrawPart(dc, x, y, GetLength(), GetTrackHeight(), 0, 0);
}

void CUpdateArt::DrawFill(HDC dc, int x, int y, int fill) const {
  m_Line.DrawPart(dc, x, y, fill, GetTrackHeight(), 0, GetTrackHeight());
}

void CUpdateArt::DrawKnob(HDC dc, int x, int fill, int knobY) const {
  m_Point.Draw(dc, x + fill - m_Point.GetWidth() / 2, knobY);
}
