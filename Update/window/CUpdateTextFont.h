// The font of the updater's text lines (14 pixels, normal weight, "宋体"),
// made once per window on first use and kept until the window goes. A
// selection puts it into a DC with white text for the selection's lifetime;
// the previous font comes back when the selection ends.
#pragma once

#include <windows.h>

#include "CFont.h"

class CUpdateTextFont {
public:
  class CSelection {
  public:
    CSelection(HDC dc, HFONT font);
    ~CSelection();
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

  private:
    HDC m_hDC;
    HGDIOBJ m_hOldFont;
  };

  CUpdateTextFont() = default;
  CUpdateTextFont(const CUpdateTextFont&) = delete;
  CUpdateTextFont& operator=(const CUpdateTextFont&) = delete;

  // Selects the font into dc, making it when this is the first use.
  CSelection Select(HDC dc);

  // Fonts made in this process so far (one per window that has painted).
  static long GetCreateCount();

private:
  CFont m_Font;
};
