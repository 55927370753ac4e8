// A plain Win32 window under Wine: registration, creation on the display,
// a posted message travelling through the queue to the window procedure.
#include <windows.h>
#include <gtest/gtest.h>

namespace {

UINT g_seen = 0;

LRESULT CALLBACK SmokeProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP + 7) {
    g_seen = static_cast<UINT>(wp);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

TEST(PlatformWindow, CreatesAWindowAndRoutesAPostedMessage) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = SmokeProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PlatformSmoke";
  ASSERT_NE(RegisterClassW(&wc), 0);

  HWND hwnd = CreateWindowExW(0, L"PlatformSmoke", L"smoke", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                              nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(hwnd, nullptr) << "no display?";
  ShowWindow(hwnd, SW_SHOW);

  RECT rc;
  ASSERT_TRUE(GetWindowRect(hwnd, &rc));
  EXPECT_EQ(rc.right - rc.left, 200);

  PostMessageW(hwnd, WM_APP + 7, 42, 0);
  MSG m;
  while (g_seen == 0 && GetMessageW(&m, nullptr, 0, 0) > 0) DispatchMessageW(&m);
  EXPECT_EQ(g_seen, 42u);
  DestroyWindow(hwnd);
}

// What ships is 32-bit; the 64-bit build only runs the tests where the
// kernel cannot execute 32-bit code.
TEST(PlatformWindow, PointerWidthMatchesTheBuild) {
#ifdef _WIN64
  EXPECT_EQ(sizeof(void*), 8u);
#else
  EXPECT_EQ(sizeof(void*), 4u);
#endif
}

}  // namespace
