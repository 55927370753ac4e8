#include "ControlHost.h"

#include <cstdlib>

#include "MessagePump.h"
#include "PixelProbe.h"
#include "SkinTestSupport.h"

bool ControlHost::Open(int width, int height) {
  if (!CreateEx(0, nullptr, L"control host", WS_POPUP | WS_CLIPCHILDREN, CRect(30, 30, 30 + width, 30 + height),
                nullptr, 0))
    return false;
  ShowWindow(SW_SHOWNOACTIVATE);
  UpdateWindow();
  return true;
}

LRESULT ControlHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      CRect client;
      GetClientRect(&client);
      HBRUSH brush = ::CreateSolidBrush(kBack);
      ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
      ::DeleteObject(brush);
      return TRUE;
    }
    case WM_COMMAND: {
      LRESULT result = CWnd::WindowProc(message, wParam, lParam);
      commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
      return result;
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

COLORREF WindowPixels::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
  const uint32_t p = px[static_cast<size_t>(y) * width + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

WindowPixels Capture(HWND window, bool whole) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  testwin::PumpPending();
  WindowPixels shot;
  RECT r;
  if (whole) {
    ::GetWindowRect(window, &r);
  } else {
    ::GetClientRect(window, &r);
  }
  shot.width = r.right - r.left;
  shot.height = r.bottom - r.top;
  HDC dc = whole ? ::GetWindowDC(window) : ::GetDC(window);
  shot.px = testwin::Capture(dc, 0, 0, shot.width, shot.height);
  ::ReleaseDC(window, dc);
  for (uint32_t& p : shot.px) p &= 0xFFFFFF;
  return shot;
}

std::wstring WriteStrip(const wchar_t* name, int w, int h, const COLORREF (&colours)[5], bool keyCorners) {
  static const std::wstring folder = MakeTempFolder(L"skin_controls");
  const std::wstring path = folder + L"\\" + name;
  WriteBmp(path, w * 5, h, [&](int x, int y) {
    const int fx = x % w;
    if (keyCorners && (fx == 0 || fx == w - 1) && (y == 0 || y == h - 1)) return SKIN_COLOR_KEY;
    return colours[x / w];
  });
  return path;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

void Pump(DWORD ms) {
  if (ms == 0)
    testwin::PumpPending();
  else
    testwin::PumpFor(ms);
}
