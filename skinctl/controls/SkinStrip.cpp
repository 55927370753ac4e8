#include "SkinStrip.h"

#include "SkinctlModule.h"
#include "UIRenderManager.h"
#include "../res/SkinctlResource.h"

namespace SkinStrip {

bool Load(CBitImage& strip, HINSTANCE module, LPCWSTR name, UINT builtIn, bool render) {
  const bool loaded = (module && name) ? strip.LoadFromResource(module, name)
                                       : strip.LoadFromResource(SkinctlModule(), builtIn);
  if (loaded) Render(strip, render);
  return loaded;
}

void Render(CBitImage& strip, bool render) {
  CUIRenderManager* manager = CUIRenderManager::GetInstance();
  if (render && manager && !strip.IsNull()) manager->RenderImage(strip);
}

int FrameWidth(const CBitImage& strip) { return strip.GetWidth() / FRAMES; }

void DrawFrame(CBitImage& strip, HDC dc, int frame, const RECT& to) {
  const int w = FrameWidth(strip);
  const int h = strip.GetHeight();
  const int cx = to.right - to.left;
  const int cy = to.bottom - to.top;
  if (cx == w && cy == h) {
    strip.BitBlt(dc, to.left, to.top, w, h, frame * w, 0, SRCCOPY);
    return;
  }
  const int oldMode = ::SetStretchBltMode(dc, COLORONCOLOR);
  strip.StretchBlt(dc, to.left, to.top, cx, cy, frame * w, 0, w, h, SRCCOPY);
  ::SetStretchBltMode(dc, oldMode);
}

HCURSOR HandCursor() {
  HCURSOR hand = ::LoadCursorW(SkinctlModule(), MAKEINTRESOURCEW(IDC_SKIN_HAND));
  return hand ? hand : ::LoadCursorW(nullptr, IDC_HAND);
}

}  // namespace SkinStrip
