#include "UpdateWindowClass.h"

#include "resource.h"

const wchar_t kUpdateWindowClass[] = L"TolmGame";

bool RegisterUpdateWindowClass(HINSTANCE hInstance) {
  WNDCLASSW wc = {};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(IDI_GAMEUPDATE));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;
  wc.lpszMenuName = nullptr;
  wc.lpszClassName = kUpdateWindowClass;
  if (RegisterClassW(&wc) != 0) {
    return true;
  }
  WNDCLASSW existing;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS && GetClassInfoW(hInstance, kUpdateWindowClass, &existing);
}
