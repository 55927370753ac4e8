// The font of the updater's text lines (14 pixels, normal weight, "宋体"),
// selected into a DC for the lifetime of the object, with white text; the
// previous font comes back and the new one is deleted when it goes.
#pragma once

#include <windows.h>

class CUpdateTextFont {
public:
  explicit CUpdateTextFont(HDC dc);
  ~CUpdateTextFont();
  CUpdateTextFont(const CUpdateTextFont&) = delete;
  CUpdateTextFont& operator=(const CUpdateTextFont&) = delete;

private:
  HDC m_hDC;
  HFONT m_hFont;
  HGDIOBJ m_hOldFont;
};
