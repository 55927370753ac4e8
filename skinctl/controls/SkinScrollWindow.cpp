#include "SkinScrollWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "SkinScrollApi.h"
#include "SkinScrollPainter.h"

using namespace skinsb;

namespace {

constexpr DWORD kBars = WS_HSCROLL | WS_VSCROLL;

POINT ScreenPoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

POINT ClientToScreenPoint(HWND hwnd, LPARAM lParam) {
  POINT pt = ScreenPoint(lParam);
  ::ClientToScreen(hwnd, &pt);
  return pt;
}

POINT MessagePoint() {
  const DWORD pos = ::GetMessagePos();
  return POINT{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}

bool IsBarHit(WPARAM hit) { return hit == HTVSCROLL || hit == HTHSCROLL; }

int BarOfHit(WPARAM hit) { return hit == HTVSCROLL ? SB_VERT : SB_HORZ; }

UINT PartFlag(int bar) { return bar == SB_VERT ? UINT{kVertical} : 0u; }

bool IsRichEditClass(HWND hwnd) {
  wchar_t name[256] = {};
  if (::GetClassNameW(hwnd, name, 255) == 0) return false;
  return ::lstrcmpiW(name, L"RichEdit20A") == 0 || ::lstrcmpiW(name, L"RichEdit20W") == 0;
}

BOOL CALLBACK RemoveFromChildren(HWND hwnd, LPARAM) {
  if (::GetPropW(hwnd, kProperty) != nullptr) CSkinScrollWindow::Remove(hwnd);
  return TRUE;
}

BOOL CALLBACK RemoveFromTree(HWND hwnd, LPARAM) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  if (process != ::GetCurrentProcessId()) return TRUE;
  ::EnumChildWindows(hwnd, RemoveFromChildren, 0);
  RemoveFromChildren(hwnd, 0);
  return TRUE;
}

}  // namespace

// ------------------------------------------------------------ install, remove

BOOL CSkinScrollWindow::Install(HWND hwnd, HBITMAP sheet) {
  if (hwnd == nullptr || !::IsWindow(hwnd) || sheet == nullptr) {
    ::SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (::GetPropW(hwnd, kProperty) != nullptr) return FALSE;
  auto* info = static_cast<SkinSBInfo*>(::LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, sizeof(SkinSBInfo)));
  if (info == nullptr) return FALSE;

  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
  info->horz.cbSize = info->vert.cbSize = sizeof(SCROLLINFO);
  info->horz.fMask = info->vert.fMask = SIF_ALL;
  if (style & WS_HSCROLL) CSkinScrollApi::System().GetScrollInfo(hwnd, SB_HORZ, &info->horz);
  if (style & WS_VSCROLL) CSkinScrollApi::System().GetScrollInfo(hwnd, SB_VERT, &info->vert);
  info->dwStyle = style & kBars;
  info->bLeftBar = (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  info->hSheet = sheet;
  info->hwnd = hwnd;
  info->bRichEdit = IsRichEditClass(hwnd);
  info->bUnicode = ::IsWindowUnicode(hwnd);
  // The record goes first: from the moment the skin's procedure is in place
  // every message finds it.
  if (!::SetPropW(hwnd, kProperty, info)) {
    ::LocalFree(info);
    return FALSE;
  }
  const LONG_PTR proc = info->bUnicode ? reinterpret_cast<LONG_PTR>(&ProcW) : reinterpret_cast<LONG_PTR>(&ProcA);
  ::SetLastError(0);
  const LONG_PTR previous = info->bUnicode ? ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, proc)
                                           : ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, proc);
  if (previous == 0) {
    // Not ours to subclass (a window of another process).
    ::RemovePropW(hwnd, kProperty);
    ::LocalFree(info);
    return FALSE;
  }
  info->pfnPrevious = reinterpret_cast<WNDPROC>(previous);
  RecalcFrame(hwnd);
  return TRUE;
}

BOOL CSkinScrollWindow::Remove(HWND hwnd) {
  auto* info = hwnd != nullptr ? static_cast<SkinSBInfo*>(::GetPropW(hwnd, kProperty)) : nullptr;
  if (info == nullptr) return FALSE;
  SCROLLINFO horz = info->horz;
  SCROLLINFO vert = info->vert;
  const UINT disabled = info->nDisabled;
  if (info->bDragging && ::GetCapture() == hwnd) ::ReleaseCapture();
  ::KillTimer(hwnd, kFirstDelayTimer);
  ::KillTimer(hwnd, kRepeatTimer);
  if (info->bUnicode)
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(info->pfnPrevious));
  else
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(info->pfnPrevious));
  ::RemovePropW(hwnd, kProperty);
  ::LocalFree(info);

  const CSkinScrollApi::Functions& system = CSkinScrollApi::System();
  horz.cbSize = vert.cbSize = sizeof(SCROLLINFO);
  horz.fMask = vert.fMask = SIF_ALL;
  system.SetScrollInfo(hwnd, SB_VERT, &vert, TRUE);
  system.SetScrollInfo(hwnd, SB_HORZ, &horz, TRUE);
  system.EnableScrollBar(hwnd, SB_VERT, (disabled >> 2) & 3);
  system.EnableScrollBar(hwnd, SB_HORZ, disabled & 3);
  return TRUE;
}

void CSkinScrollWindow::RemoveAll() { ::EnumWindows(RemoveFromTree, 0); }

void CSkinScrollWindow::ApplyBarStyle(SkinSBInfo& info, DWORD bars) {
  info.dwStyle = bars & kBars;
  // Inside a call that has the bars taken away they come back at its end.
  if (!info.bRestyling) {
    info.bRestyling = TRUE;
    const LONG_PTR style = ::GetWindowLongPtrW(info.hwnd, GWL_STYLE);
    ::SetWindowLongPtrW(info.hwnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(kBars)) | info.dwStyle);
    info.bRestyling = FALSE;
  }
  RecalcFrame(info.hwnd);
}

void CSkinScrollWindow::RecalcFrame(HWND hwnd) {
  ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// ------------------------------------------------------------------ dispatch

LRESULT CALLBACK CSkinScrollWindow::ProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* info = static_cast<SkinSBInfo*>(::GetPropW(hwnd, kProperty));
  if (info == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  return Dispatch(info, message, wParam, lParam);
}

LRESULT CALLBACK CSkinScrollWindow::ProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* info = static_cast<SkinSBInfo*>(::GetPropW(hwnd, kProperty));
  if (info == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  return Dispatch(info, message, wParam, lParam);
}

LRESULT CSkinScrollWindow::Dispatch(SkinSBInfo* info, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCALCSIZE: return OnNcCalcSize(info, wParam, lParam);
    case WM_NCHITTEST: return OnNcHitTest(info, wParam, lParam);
    case WM_NCPAINT: return OnNcPaint(info, wParam, lParam);
    case WM_NCMOUSEMOVE: return OnNcMouseMove(info, wParam, lParam);
    case WM_NCMOUSELEAVE: return OnNcMouseLeave(info);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(info, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
      // Double clicks on a bar are swallowed; elsewhere (a caption) they
      // keep their meaning.
      if (IsBarHit(wParam)) return 0;
      break;
    case WM_TIMER: return OnTimer(info, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(info, wParam, lParam);
    case WM_LBUTTONUP: return OnLButtonUp(info, wParam, lParam);
    case WM_CAPTURECHANGED:
      // A press that loses the capture to another window ends there.
      if (info->bDragging && reinterpret_cast<HWND>(lParam) != info->hwnd) EndPress(info, MessagePoint());
      break;
    case WM_STYLECHANGING:
      if (info->bRestyling) return 0;
      break;
    case WM_STYLECHANGED: return OnStyleChanged(info, wParam, lParam);
    case WM_NCDESTROY: return OnNcDestroy(info, wParam, lParam);
  }
  return CallPrevious(*info, message, wParam, lParam);
}

LRESULT CSkinScrollWindow::CallPrevious(const SkinSBInfo& info, UINT message, WPARAM wParam, LPARAM lParam) {
  return info.bUnicode ? ::CallWindowProcW(info.pfnPrevious, info.hwnd, message, wParam, lParam)
                       : ::CallWindowProcA(info.pfnPrevious, info.hwnd, message, wParam, lParam);
}

LRESULT CSkinScrollWindow::CallWithoutBars(SkinSBInfo* info, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = info->hwnd;
  const BOOL was = info->bRestyling;
  info->bRestyling = TRUE;
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (style & kBars) ::SetWindowLongPtrW(hwnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(kBars));
  const LRESULT result = CallPrevious(*info, message, wParam, lParam);
  if (!Alive(hwnd, info)) return result;
  const LONG_PTR now = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
  const LONG_PTR wanted = (now & ~static_cast<LONG_PTR>(kBars)) | info->dwStyle;
  if (wanted != now) ::SetWindowLongPtrW(hwnd, GWL_STYLE, wanted);
  info->bRestyling = was;
  return result;
}

bool CSkinScrollWindow::Alive(HWND hwnd, const SkinSBInfo* info) { return ::GetPropW(hwnd, kProperty) == info; }

// ------------------------------------------------------- size, hit, painting

LRESULT CSkinScrollWindow::OnNcCalcSize(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWithoutBars(info, WM_NCCALCSIZE, wParam, lParam);
  auto* client = reinterpret_cast<RECT*>(lParam);
  if (client == nullptr) return result;
  if ((info->dwStyle & WS_HSCROLL) && client->bottom - client->top > kThickness) client->bottom -= kThickness;
  if ((info->dwStyle & WS_VSCROLL) && client->right - client->left > kThickness) {
    if (info->bLeftBar)
      client->left += kThickness;
    else
      client->right -= kThickness;
  }
  return result;
}

LRESULT CSkinScrollWindow::OnNcHitTest(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  const POINT pt = ScreenPoint(lParam);
  const SkinSBLayout vert = CSkinScrollGeometry::Layout(*info, SB_VERT);
  if (::PtInRect(&vert.bar, pt)) return HTVSCROLL;
  const SkinSBLayout horz = CSkinScrollGeometry::Layout(*info, SB_HORZ);
  if (::PtInRect(&horz.bar, pt)) return HTHSCROLL;
  const RECT box = CSkinScrollGeometry::SizeBox(*info);
  if (::PtInRect(&box, pt)) return HTSIZE;
  return CallPrevious(*info, WM_NCHITTEST, wParam, lParam);
}

LRESULT CSkinScrollWindow::OnNcPaint(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  if (!::IsWindowVisible(info->hwnd)) return 0;
  const HWND hwnd = info->hwnd;
  const LRESULT result = CallWithoutBars(info, WM_NCPAINT, wParam, lParam);
  if (Alive(hwnd, info)) CSkinScrollPainter::PaintAll(*info);
  return result;
}

// --------------------------------------------------------------------- mouse

void CSkinScrollWindow::SetHot(SkinSBInfo* info, UINT part) {
  if (part == info->nHot) return;
  const UINT old = info->nHot;
  info->nHot = part;
  if (old != kNone) CSkinScrollPainter::RedrawBar(*info, CSkinScrollGeometry::BarOf(old));
  if (part != kNone && (old == kNone || CSkinScrollGeometry::BarOf(old) != CSkinScrollGeometry::BarOf(part)))
    CSkinScrollPainter::RedrawBar(*info, CSkinScrollGeometry::BarOf(part));
}

void CSkinScrollWindow::SendScroll(HWND hwnd, UINT message, UINT code, int pos) {
  ::SendMessageW(hwnd, message, MAKEWPARAM(code, static_cast<WORD>(pos)), 0);
}

LRESULT CSkinScrollWindow::OnNcMouseMove(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  if (!info->bTracking && !info->bDragging) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, info->hwnd, HOVER_DEFAULT};
    info->bTracking = ::TrackMouseEvent(&track);
  }
  if (wParam == HTSIZE) {
    SetHot(info, kNone);
  } else if (IsBarHit(wParam)) {
    const int bar = BarOfHit(wParam);
    const SkinSBLayout layout = CSkinScrollGeometry::Layout(*info, bar);
    if (!layout.hasThumb) return 0;
    const UINT part = CSkinScrollGeometry::PartAt(layout, info->DisableBits(bar), ScreenPoint(lParam));
    SetHot(info, part == kNone ? kNone : part | PartFlag(bar));
  }
  return CallPrevious(*info, WM_NCMOUSEMOVE, wParam, lParam);
}

LRESULT CSkinScrollWindow::OnNcMouseLeave(SkinSBInfo* info) {
  info->bTracking = FALSE;
  if (!info->bDragging) SetHot(info, kNone);
  return 0;
}

LRESULT CSkinScrollWindow::OnNcLButtonDown(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  if (!IsBarHit(wParam)) return CallPrevious(*info, WM_NCLBUTTONDOWN, wParam, lParam);
  const int bar = BarOfHit(wParam);
  const SkinSBLayout layout = CSkinScrollGeometry::Layout(*info, bar);
  if (!layout.hasThumb) return 0;
  const POINT pt = ScreenPoint(lParam);
  const UINT part = CSkinScrollGeometry::PartAt(layout, info->DisableBits(bar), pt);
  if (part == kNone) return 0;
  const HWND hwnd = info->hwnd;
  info->nPressed = part | PartFlag(bar);
  info->bDragging = TRUE;
  if (info->nHot == info->nPressed)
    CSkinScrollPainter::RedrawBar(*info, bar);
  else
    SetHot(info, info->nPressed);
  ::SetCapture(hwnd);
  if (part == kThumb) {
    SCROLLINFO& si = info->Bar(bar);
    si.nTrackPos = si.nPos;
    // A release without a move puts the thumb back where it was.
    info->nDragPos = si.nPos;
    info->nDragOffset = layout.Along(pt) - layout.thumbStart;
    return 0;
  }
  static const UINT kCodes[] = {0, SB_LINEUP, SB_LINEDOWN, 0, SB_PAGEUP, SB_PAGEDOWN};
  info->nRepeatMsg = ScrollMessage(bar);
  info->nRepeatCode = kCodes[part];
  SendScroll(hwnd, info->nRepeatMsg, info->nRepeatCode, 0);
  if (Alive(hwnd, info) && info->bDragging) ::SetTimer(hwnd, kFirstDelayTimer, kFirstDelay, nullptr);
  return 0;
}

LRESULT CSkinScrollWindow::OnTimer(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = info->hwnd;
  if (wParam == kFirstDelayTimer) {
    ::KillTimer(hwnd, kFirstDelayTimer);
    ::SetTimer(hwnd, kRepeatTimer, kRepeatPeriod, nullptr);
    return 0;
  }
  if (wParam != kRepeatTimer) return CallPrevious(*info, WM_TIMER, wParam, lParam);
  if (!info->bDragging || info->nPressed == kNone) {
    ::KillTimer(hwnd, kRepeatTimer);
    return 0;
  }
  if (info->nPressed != info->nHot) return 0;
  if (info->nRepeatCode == SB_PAGEUP || info->nRepeatCode == SB_PAGEDOWN) {
    // A page request repeats until the thumb has come under the pointer.
    const SkinSBLayout layout = CSkinScrollGeometry::Layout(*info, CSkinScrollGeometry::BarOf(info->nPressed));
    const int at = layout.Along(MessagePoint());
    const bool before = info->nRepeatCode == SB_PAGEUP ? at < layout.thumbStart : at >= layout.ThumbEnd();
    if (!before) {
      ::KillTimer(hwnd, kRepeatTimer);
      return 0;
    }
  }
  SendScroll(hwnd, info->nRepeatMsg, info->nRepeatCode, 0);
  return 0;
}

LRESULT CSkinScrollWindow::OnMouseMove(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  if (!info->bDragging || !(wParam & MK_LBUTTON)) return CallPrevious(*info, WM_MOUSEMOVE, wParam, lParam);
  const HWND hwnd = info->hwnd;
  const int bar = CSkinScrollGeometry::BarOf(info->nPressed);
  const SkinSBLayout layout = CSkinScrollGeometry::Layout(*info, bar);
  const POINT pt = ClientToScreenPoint(hwnd, lParam);
  if ((info->nPressed & ~kVertical) != kThumb) {
    const UINT part = CSkinScrollGeometry::PartAt(layout, info->DisableBits(bar), pt) | PartFlag(bar);
    SetHot(info, part == info->nPressed ? info->nPressed : kNone);
    return 0;
  }
  if (!layout.hasThumb) return 0;
  SCROLLINFO& si = info->Bar(bar);
  const int room = layout.Room();
  const int travelled = std::min(room, std::max(0, layout.Along(pt) - info->nDragOffset - layout.FirstArrowEnd()));
  const double span = static_cast<double>(si.nMax) - si.nMin - si.nPage + 1;
  const int pos = room > 0 ? si.nMin + CSkinScrollGeometry::Scale(travelled, span, room) : si.nMin;
  if (pos == si.nPos) return 0;
  si.nTrackPos = pos;
  info->nDragPos = pos;
  SendScroll(hwnd, ScrollMessage(bar), info->bRichEdit ? SB_THUMBPOSITION : SB_THUMBTRACK, pos);
  return 0;
}

LRESULT CSkinScrollWindow::OnLButtonUp(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  if (!info->bDragging) return CallPrevious(*info, WM_LBUTTONUP, wParam, lParam);
  EndPress(info, ClientToScreenPoint(info->hwnd, lParam));
  return 0;
}

void CSkinScrollWindow::EndPress(SkinSBInfo* info, POINT pt) {
  const HWND hwnd = info->hwnd;
  const UINT pressed = info->nPressed;
  const int bar = CSkinScrollGeometry::BarOf(pressed);
  const int dragPos = info->nDragPos;
  const UINT message = ScrollMessage(bar);
  // The press is over before anything is sent: the window may start a
  // new one, or be destroyed, in what it does with the messages.
  info->bDragging = FALSE;
  info->nPressed = kNone;
  info->nDragOffset = 0;
  info->nDragPos = 0;
  info->nRepeatMsg = info->nRepeatCode = 0;
  ::KillTimer(hwnd, kFirstDelayTimer);
  ::KillTimer(hwnd, kRepeatTimer);
  if (::GetCapture() == hwnd) ::ReleaseCapture();
  if ((pressed & ~kVertical) == kThumb) {
    SendScroll(hwnd, message, SB_THUMBPOSITION, dragPos);
    SendScroll(hwnd, message, SB_ENDSCROLL, 0);
    if (!Alive(hwnd, info)) return;
    const SkinSBLayout layout = CSkinScrollGeometry::Layout(*info, bar);
    const UINT part = CSkinScrollGeometry::PartAt(layout, info->DisableBits(bar), pt);
    info->nHot = part == kNone ? kNone : part | PartFlag(bar);
  } else {
    SendScroll(hwnd, message, SB_ENDSCROLL, 0);
    if (!Alive(hwnd, info)) return;
    info->nHot = kNone;
  }
  CSkinScrollPainter::RedrawBar(*info, bar);
}

// -------------------------------------------------------- style, destruction

LRESULT CSkinScrollWindow::OnStyleChanged(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  if (info->bRestyling) return 0;
  const auto* change = reinterpret_cast<const STYLESTRUCT*>(lParam);
  if (change != nullptr && wParam == static_cast<WPARAM>(GWL_EXSTYLE)) {
    const BOOL left = (change->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
    if (left != info->bLeftBar) {
      info->bLeftBar = left;
      RecalcFrame(info->hwnd);
    }
  } else if (change != nullptr && wParam == static_cast<WPARAM>(GWL_STYLE)) {
    // Someone else set the window's style: the bars follow it.
    info->dwStyle = change->styleNew & kBars;
  }
  return CallPrevious(*info, WM_STYLECHANGED, wParam, lParam);
}

LRESULT CSkinScrollWindow::OnNcDestroy(SkinSBInfo* info, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = info->hwnd;
  const LRESULT result = CallPrevious(*info, WM_NCDESTROY, wParam, lParam);
  Remove(hwnd);
  return result;
}
