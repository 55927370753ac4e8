// The gallery host: applies the default scheme, shows the gallery dialog and,
// when asked, switches to a second scheme and quits on timers.
//
//   gallery.exe [--control FOLDER] [--quit-after MS] [--scheme HUE,SAT,BRIGHT]
//
// With a control folder a script drives it (see CGalleryDialog).
#include <windows.h>
#include <shellapi.h>
#include <ole2.h>

#include <cwchar>
#include <string>

#include "GalleryDialog.h"
#include "UIResourceManager.h"

namespace {

struct Options {
  std::wstring control;
  UINT quitAfter = 0;
  _UIRenderInfo second;
};

Options ParseOptions() {
  Options options;
  options.second.hue = 120;
  options.second.saturation = 0.1;
  options.second.brightness = -0.05;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) return options;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (wcscmp(argv[i], L"--control") == 0) options.control = argv[i + 1];
    else if (wcscmp(argv[i], L"--quit-after") == 0) options.quitAfter = wcstoul(argv[i + 1], nullptr, 10);
    else if (wcscmp(argv[i], L"--scheme") == 0) {
      unsigned hue = 203;
      double s = 0, b = 0;
      if (swscanf(argv[i + 1], L"%u,%lf,%lf", &hue, &s, &b) == 3) {
        options.second.hue = static_cast<WORD>(hue > 360 ? 360 : hue);
        options.second.saturation = s;
        options.second.brightness = b;
      }
    }
  }
  LocalFree(argv);
  return options;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  const Options options = ParseOptions();
  // The message view embeds pictures as OLE objects.
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  CUIRenderManager render;
  CUIResourceManager resources;
  resources.SetUIResource(_UIRenderInfo());
  CGalleryDialog dialog(options.second, options.control, options.quitAfter);
  const int result = dialog.DoModal() == -1 ? 1 : 0;
  if (ole) OleUninitialize();
  return result;
}
