// Reference renderings of the updater's text lines: the background picture
// with one line written on it in the updater's font, to compare a painting
// against pixel by pixel.
#pragma once

#include <wchar.h>

#include <memory>

#include "CUpdateTextFont.h"
#include "PixelAssert.h"

// The picture `background` (drawn at 0, 0) with `text` at (x, y), either by
// TextOut or, with a rectangle, by DrawText with the given flags.
inline std::unique_ptr<CMemDC> TextOnBackground(LPCWSTR background, int width, int height, int x, int y,
                                                          LPCWSTR text, const RECT* box = nullptr, UINT flags = 0) {
  std::unique_ptr<CMemDC> canvas(new CMemDC(width, height));
  CPngImage picture;
  picture.LoadFromResource(GetModuleHandleW(nullptr), background);
  picture.DrawPart(canvas->GetSafeHdc(), 0, 0, width, height, 0, 0);
  SetBkMode(canvas->GetSafeHdc(), TRANSPARENT);
  CUpdateTextFont font;
  CUpdateTextFont::CSelection selected = font.Select(canvas->GetSafeHdc());
  if (box != nullptr) {
    RECT rc = *box;
    DrawTextW(canvas->GetSafeHdc(), text, -1, &rc, flags);
  } else {
    TextOutW(canvas->GetSafeHdc(), x, y, text, static_cast<int>(wcslen(text)));
  }
  return canvas;
}

// The width of text in the updater's font.
inline int TextWidth(LPCWSTR text) {
  CMemDC canvas(1, 1);
  CUpdateTextFont font;
  CUpdateTextFont::CSelection selected = font.Select(canvas.GetSafeHdc());
  SIZE size = {};
  GetTextExtentPoint32W(canvas.GetSafeHdc(), text, static_cast<int>(wcslen(text)), &size);
  return size.cx;
}
