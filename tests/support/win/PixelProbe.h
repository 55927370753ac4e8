// Reads pixels back from device contexts and 32-bit DIB memory.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace testwin {

// Copies a w x h area of hdc into top-down 0xAARRGGBB pixels.
std::vector<uint32_t> Capture(HDC hdc, int x, int y, int w, int h);
// 0x00RRGGBB of a COLORREF, for comparing with captured pixels.
inline uint32_t Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
// The pixel at (x, y) of a capture of width w, without its alpha byte.
inline uint32_t At(const std::vector<uint32_t>& px, int w, int x, int y) { return px[y * w + x] & 0xFFFFFF; }

}  // namespace testwin
