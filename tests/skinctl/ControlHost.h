// What the skinned-control tests share: a visible host window that reflects
// its children's notifications (and records the commands it hears), pixels
// read back from real windows, strips written as bitmap files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CWnd.h"
#include "MessagePump.h"
#include "SkinTestSupport.h"
#include "UIRenderManager.h"
#include "UIResourceManager.h"

// A top-level window of the framework's own class at (x, y), shown without
// activation, filled with one colour.
class ControlHost : public CWnd {
 public:
  static constexpr COLORREF kBack = RGB(40, 160, 90);

  bool Open(int width = 400, int height = 300);

  // WM_COMMAND notifications that reached the host: (id, code).
  std::vector<std::pair<int, int>> commands;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A window's pixels (0x00RRGGBB, top row first) after it has painted itself
// anew, frame included; whole = the window rectangle, else the client area.
struct WindowPixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> px;
  COLORREF At(int x, int y) const;
};
WindowPixels Capture(HWND window, bool whole = false);

// A five-frame strip file of frames w x h, frame i filled with colours[i];
// with keyCorners the corner pixel of each frame is RGB(255, 0, 255).
std::wstring WriteStrip(const wchar_t* name, int w, int h, const COLORREF (&colours)[5], bool keyCorners);

// Whether two colours differ by at most tolerance in every channel.
bool Near(COLORREF a, COLORREF b, int tolerance);

// Pumps messages for the given time (timers run).
void Pump(DWORD ms = 0);

// The skin as a host sets it up: a render manager and a resource manager,
// the default scheme applied.
class SkinFixtureBase {
 protected:
  SkinFixtureBase() { resources.SetUIResource(_UIRenderInfo()); }
  CUIRenderManager render;
  CUIResourceManager resources;
};
