// Keeps Wine's desktop up while the whole-program benchmark, the tests or the
// demo run, as a player's Windows desktop always is: Wine starts its desktop
// process (explorer.exe) for the first windowed program and ends it a few
// seconds after the last one has gone, and starting it again costs about a
// second that would otherwise be charged to whichever windowed program comes
// next (and the desktop inherits that program's output; see
// scripts/lib/wine-env.sh).
//   desktop_keeper   stays until it is ended (by its process id)
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = L"BenchDesktopKeeper";
  if (!RegisterClassW(&wc)) return 1;
  // A hidden top-level window: its process holds the desktop.
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
