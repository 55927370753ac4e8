// The pieces the skinned controls share: their five-frame bitmap strips
// (loaded from a module, a file or the library's own resources, recoloured
// on request) and the library's hand cursor.
#pragma once

#include <windows.h>

#include "CBitImage.h"

namespace SkinStrip {

enum { FRAMES = 5 };
enum Frame { FRAME_NORMAL = 0, FRAME_PRESSED = 1, FRAME_CHECKED = 2, FRAME_HOVER = 3, FRAME_DISABLED = 4 };

// A strip resource of the module when both module and name are given, else
// the library's own strip builtIn. When render is set and a render manager is
// registered, the strip is recoloured to the scheme (the colour key stays).
bool Load(CBitImage& strip, HINSTANCE module, LPCWSTR name, UINT builtIn, bool render);
// Recolours a loaded strip when render is set and a render manager exists.
void Render(CBitImage& strip, bool render);

int FrameWidth(const CBitImage& strip);
// Draws frame onto the rectangle: copied when the sizes match, else
// stretched.
void DrawFrame(CBitImage& strip, HDC dc, int frame, const RECT& to);

// The library's hand cursor (resource 2000), or the system's hand.
HCURSOR HandCursor();

}  // namespace SkinStrip
