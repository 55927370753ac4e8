#include "GdiplusSession.h"

#include <windows.h>
#include <algorithm>
using std::max;
using std::min;
#include <objidl.h>
#include <gdiplus.h>

namespace GdiplusSession {

bool Ensure() {
  static const bool started = [] {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  return started;
}

}  // namespace GdiplusSession
