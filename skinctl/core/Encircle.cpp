#include "Encircle.h"

#include "../res/SkinctlResource.h"

namespace EncircleLayout {

_EncircleResource DefaultBitmapFrame() {
  static const UINT ids[ENCIRCLE_PIECES] = {IDB_FRAME_TOP_LEFT,    IDB_FRAME_TOP_MID,   IDB_FRAME_TOP_RIGHT,
                                            IDB_FRAME_MID_LEFT,    IDB_FRAME_MID_RIGHT, IDB_FRAME_BOTTOM_LEFT,
                                            IDB_FRAME_BOTTOM_MID,  IDB_FRAME_BOTTOM_RIGHT};
  _EncircleResource resource;
  for (int i = 0; i < ENCIRCLE_PIECES; ++i) resource.lpszImage[i] = MAKEINTRESOURCEW(ids[i]);
  return resource;
}

void InnerRect(const _EncircleInfo& info, const RECT& outer, RECT& inner) {
  inner.left = outer.left + info.nLeft;
  inner.top = outer.top + info.nTop;
  inner.right = outer.right - info.nRight;
  inner.bottom = outer.bottom - info.nBottom;
}

bool PlaceWindow(HWND window, HDWP* defer, const _EncircleInfo& info, const RECT& outer) {
  if (window == nullptr) return false;
  RECT inner;
  InnerRect(info, outer, inner);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;
  const int cx = inner.right - inner.left;
  const int cy = inner.bottom - inner.top;
  if (defer == nullptr) return ::SetWindowPos(window, nullptr, inner.left, inner.top, cx, cy, flags) != FALSE;
  *defer = ::DeferWindowPos(*defer, window, nullptr, inner.left, inner.top, cx, cy, flags);
  return *defer != nullptr;
}

bool DeferPlaceWindow(HWND window, HDWP* defer, const _EncircleInfo& info, const RECT& outer) {
  return defer != nullptr && *defer != nullptr && PlaceWindow(window, defer, info, outer);
}

bool DeferPlaceWindow(HWND window, HDWP defer, const _EncircleInfo& info, const RECT& outer) {
  HDWP batch = defer;
  return DeferPlaceWindow(window, &batch, info, outer) && batch == defer;
}

}  // namespace EncircleLayout
