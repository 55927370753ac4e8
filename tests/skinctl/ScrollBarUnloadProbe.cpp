// Loads the skinned control library into a process that did not link it,
// and unloads it again: while it is loaded every module's imports of the
// scroll-bar functions - the program's, the common controls', a rich edit's
// loaded afterwards - lead to the library; after it is gone they lead to the
// system again, and a window it had skinned works on with the system's bars.
// Exit code 0 when all of it holds, else the number of the failed check.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "ImportSlots.h"

namespace {

int Fail(int check, const char* what) {
  std::printf("check %d failed: %s\n", check, what);
  return check;
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  HMODULE exe = GetModuleHandleW(nullptr);
  HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
  if (comctl == nullptr || ImportSlots::Imported(comctl) == 0) return Fail(1, "comctl32 imports no scroll-bar function");
  if (ImportSlots::Redirected(comctl) != 0 || ImportSlots::Redirected(exe) != 0) return Fail(2, "redirected before");

  HMODULE skin = LoadLibraryW(L"Skinctl.dll");
  if (skin == nullptr) return Fail(3, "Skinctl.dll does not load");
  if (ImportSlots::Redirected(comctl) != ImportSlots::Imported(comctl)) return Fail(4, "comctl32 not redirected");
  if (ImportSlots::Redirected(exe) != ImportSlots::Imported(exe) || ImportSlots::Imported(exe) == 0)
    return Fail(5, "the program not redirected");
  HMODULE rich = LoadLibraryW(L"riched20.dll");
  if (rich == nullptr || ImportSlots::Imported(rich) == 0) return Fail(6, "riched20 imports no scroll-bar function");
  if (ImportSlots::Redirected(rich) != ImportSlots::Imported(rich)) return Fail(7, "riched20 not redirected");

  // A window skinned when the library goes.
  using InstallFn = BOOL (*)(HWND, HBITMAP);
  auto install = reinterpret_cast<InstallFn>(
      reinterpret_cast<void*>(GetProcAddress(skin, "_Z20InstallSkinScrollBarP6HWND__P9HBITMAP__")));
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                nullptr);
  HBITMAP sheet = CreateBitmap(256, 48, 1, 32, nullptr);
  if (install == nullptr || window == nullptr || !install(window, sheet)) return Fail(8, "no skinned window");
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  si.nMax = 99;
  si.nPage = 10;
  si.nPos = 33;
  SetScrollInfo(window, SB_VERT, &si, TRUE);
  const LONG_PTR skinned = GetWindowLongPtrW(window, GWLP_WNDPROC);

  if (!FreeLibrary(skin)) return Fail(9, "FreeLibrary failed");
  if (GetModuleHandleW(L"Skinctl.dll") != nullptr) return Fail(10, "Skinctl.dll still loaded");
  if (ImportSlots::Redirected(comctl) != 0) return Fail(11, "comctl32 not restored");
  if (ImportSlots::Redirected(rich) != 0) return Fail(12, "riched20 not restored");
  if (ImportSlots::Redirected(exe) != 0) return Fail(13, "the program not restored");
  if (GetPropW(window, L"PROP_SkinSB") != nullptr || GetWindowLongPtrW(window, GWLP_WNDPROC) == skinned)
    return Fail(14, "the window still skinned");
  // The system has the state now, and the window works on.
  SCROLLINFO back{};
  back.cbSize = sizeof(back);
  back.fMask = SIF_ALL;
  if (!GetScrollInfo(window, SB_VERT, &back) || back.nPos != 33 || back.nMax != 99) return Fail(15, "state lost");
  ShowWindow(window, SW_SHOWNOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  DestroyWindow(window);
  DeleteObject(sheet);
  std::printf("ok\n");
  return 0;
}
