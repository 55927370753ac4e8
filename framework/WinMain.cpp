// The entry point of a program built on the framework (target
// framework_main): it runs the program's one application object.
#include <windows.h>

#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR, int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, nullptr, nCmdShow);
}
