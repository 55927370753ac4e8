#include "SkinScrollApi.h"

#include <algorithm>
#include <cstdlib>

#include "ImportRedirect.h"
#include "SkinSBInfo.h"
#include "SkinScrollPainter.h"
#include "SkinScrollWindow.h"

using namespace skinsb;

namespace {

CImportRedirect& Redirect() {
  static CImportRedirect redirect;
  return redirect;
}

template <class T>
void Resolve(HMODULE user32, const char* name, T* out) {
  *out = reinterpret_cast<T>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

bool IsBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

}  // namespace

const CSkinScrollApi::Functions& CSkinScrollApi::System() {
  static const Functions functions = [] {
    Functions f{};
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    Resolve(user32, "SetScrollPos", &f.SetScrollPos);
    Resolve(user32, "GetScrollPos", &f.GetScrollPos);
    Resolve(user32, "SetScrollInfo", &f.SetScrollInfo);
    Resolve(user32, "GetScrollInfo", &f.GetScrollInfo);
    Resolve(user32, "ShowScrollBar", &f.ShowScrollBar);
    Resolve(user32, "SetScrollRange", &f.SetScrollRange);
    Resolve(user32, "GetScrollRange", &f.GetScrollRange);
    Resolve(user32, "EnableScrollBar", &f.EnableScrollBar);
    return f;
  }();
  return functions;
}

bool CSkinScrollApi::Attach() {
  System();
  const CImportRedirect::Target targets[] = {
      {L"user32.dll", "SetScrollPos", reinterpret_cast<void*>(&CSkinScrollApi::SetScrollPos)},
      {L"user32.dll", "GetScrollPos", reinterpret_cast<void*>(&CSkinScrollApi::GetScrollPos)},
      {L"user32.dll", "SetScrollInfo", reinterpret_cast<void*>(&CSkinScrollApi::SetScrollInfo)},
      {L"user32.dll", "GetScrollInfo", reinterpret_cast<void*>(&CSkinScrollApi::GetScrollInfo)},
      {L"user32.dll", "ShowScrollBar", reinterpret_cast<void*>(&CSkinScrollApi::ShowScrollBar)},
      {L"user32.dll", "SetScrollRange", reinterpret_cast<void*>(&CSkinScrollApi::SetScrollRange)},
      {L"user32.dll", "GetScrollRange", reinterpret_cast<void*>(&CSkinScrollApi::GetScrollRange)},
      {L"user32.dll", "EnableScrollBar", reinterpret_cast<void*>(&CSkinScrollApi::EnableScrollBar)},
  };
  return Redirect().Install(targets, sizeof(targets) / sizeof(targets[0]));
}

void CSkinScrollApi::Detach() { Redirect().Restore(); }

bool CSkinScrollApi::IsAttached() { return Redirect().IsInstalled(); }

size_t CSkinScrollApi::RedirectedSlots(HMODULE module) { return Redirect().RedirectedSlots(module); }

SkinSBInfo* CSkinScrollApi::Skinned(HWND hwnd) {
  return hwnd != nullptr ? static_cast<SkinSBInfo*>(::GetPropW(hwnd, kProperty)) : nullptr;
}

bool CSkinScrollApi::SetShown(SkinSBInfo& info, int bar, bool show) {
  DWORD bits = bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : info.StyleBit(bar);
  const DWORD wanted = show ? (info.dwStyle | bits) : (info.dwStyle & ~bits);
  if (wanted == info.dwStyle) return false;
  CSkinScrollWindow::ApplyBarStyle(info, wanted);
  return true;
}

// ------------------------------------------------------------- replacements

int WINAPI CSkinScrollApi::SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().SetScrollPos(hwnd, bar, pos, redraw);
  if (!IsBar(bar)) return 0;
  SCROLLINFO& si = info->Bar(bar);
  const int previous = si.nPos;
  si.nPos = pos;
  if (redraw) CSkinScrollPainter::RedrawBar(*info, bar);
  return previous;
}

int WINAPI CSkinScrollApi::GetScrollPos(HWND hwnd, int bar) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().GetScrollPos(hwnd, bar);
  return IsBar(bar) ? info->Bar(bar).nPos : 0;
}

BOOL WINAPI CSkinScrollApi::GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO out) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().GetScrollInfo(hwnd, bar, out);
  if (!IsBar(bar) || out == nullptr || out->cbSize != sizeof(SCROLLINFO)) return FALSE;
  const SCROLLINFO& si = info->Bar(bar);
  if (out->fMask & SIF_PAGE) out->nPage = si.nPage;
  if (out->fMask & SIF_POS) out->nPos = si.nPos;
  if (out->fMask & SIF_TRACKPOS) out->nTrackPos = si.nTrackPos;
  if (out->fMask & SIF_RANGE) {
    out->nMin = si.nMin;
    out->nMax = si.nMax;
  }
  return (out->fMask & SIF_ALL) != 0;
}

BOOL WINAPI CSkinScrollApi::GetScrollRange(HWND hwnd, int bar, LPINT minPos, LPINT maxPos) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().GetScrollRange(hwnd, bar, minPos, maxPos);
  if (!IsBar(bar) || minPos == nullptr || maxPos == nullptr) return FALSE;
  *minPos = info->Bar(bar).nMin;
  *maxPos = info->Bar(bar).nMax;
  return TRUE;
}

BOOL WINAPI CSkinScrollApi::SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().SetScrollRange(hwnd, bar, minPos, maxPos, redraw);
  if (!IsBar(bar)) return FALSE;
  SCROLLINFO& si = info->Bar(bar);
  si.nMin = minPos;
  si.nMax = maxPos;
  if (minPos == 0 && maxPos == 0) SetShown(*info, bar, false);
  if (redraw) CSkinScrollPainter::RedrawBar(*info, bar);
  return TRUE;
}

BOOL WINAPI CSkinScrollApi::ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().ShowScrollBar(hwnd, bar, show);
  if (bar == SB_CTL) {
    ::ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
    return TRUE;
  }
  if (!IsBar(bar) && bar != SB_BOTH) return FALSE;
  SetShown(*info, bar, show != FALSE);
  return TRUE;
}

BOOL WINAPI CSkinScrollApi::EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().EnableScrollBar(hwnd, bar, arrows);
  if (bar != SB_HORZ && bar != SB_VERT && bar != SB_BOTH) return FALSE;
  arrows &= ESB_DISABLE_BOTH;
  bool changed = false;
  for (int one : {SB_HORZ, SB_VERT}) {
    if (bar != SB_BOTH && static_cast<int>(bar) != one) continue;
    const UINT old = info->DisableBits(one);
    const UINT now = arrows == ESB_ENABLE_BOTH ? 0 : (old | arrows);
    if (now == old) continue;
    const int shift = one == SB_VERT ? 2 : 0;
    info->nDisabled = (info->nDisabled & ~(3u << shift)) | (now << shift);
    changed = true;
    CSkinScrollPainter::RedrawBar(*info, one);
  }
  return changed;
}

int WINAPI CSkinScrollApi::SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO in, BOOL redraw) {
  SkinSBInfo* info = Skinned(hwnd);
  if (info == nullptr) return System().SetScrollInfo(hwnd, bar, in, redraw);
  if (!IsBar(bar) || in == nullptr) return 0;
  redraw = redraw && ::IsWindowVisible(hwnd);
  const bool shown = info->Shown(bar);
  if (!shown && !(in->fMask & SIF_RANGE)) return 0;
  SCROLLINFO& si = info->Bar(bar);

  // Page and position are kept within the range, the position within what
  // the page leaves of it.
  auto fitPage = [&](UINT page) {
    const long long most = std::llabs(static_cast<long long>(si.nMax) - si.nMin) + 1;
    return static_cast<UINT>(std::min<long long>(page, most));
  };
  auto fitPos = [&](int pos) {
    if (pos < si.nMin) return si.nMin;
    const long long last = static_cast<long long>(si.nMax) - std::max(static_cast<long long>(si.nPage) - 1, 0LL);
    return static_cast<int>(std::max<long long>(std::min<long long>(pos, last), si.nMin));
  };
  bool changed = false;
  bool rangeChanged = false;
  bool pageChanged = false;
  if (in->fMask & SIF_RANGE) {
    const int maxPos = std::max(in->nMax, in->nMin);
    if (si.nMin != in->nMin || si.nMax != maxPos) {
      si.nMin = in->nMin;
      si.nMax = maxPos;
      si.nPage = fitPage(si.nPage);
      si.nPos = fitPos(si.nPos);
      changed = rangeChanged = true;
    }
  }
  if (in->fMask & SIF_PAGE) {
    const UINT page = fitPage(in->nPage);
    if (page != si.nPage) {
      si.nPage = page;
      si.nPos = fitPos(si.nPos);
      changed = pageChanged = true;
    }
  }
  if (in->fMask & SIF_POS) {
    const int pos = fitPos(in->nPos);
    if (pos != si.nPos) {
      si.nPos = pos;
      changed = true;
    }
  }
  if (in->fMask & SIF_TRACKPOS) si.nTrackPos = in->nTrackPos;

  const long long extent = static_cast<long long>(si.nMax) - si.nMin;
  bool show = shown;
  if (rangeChanged)
    show = si.nMin != si.nMax && extent >= static_cast<long long>(si.nPage);
  else if (pageChanged)
    show = extent >= static_cast<long long>(si.nPage);

  if (changed || (in->fMask & SIF_DISABLENOSCROLL)) {
    if (!(in->fMask & SIF_DISABLENOSCROLL)) {
      if (SetShown(*info, bar, show)) return si.nPos;
    } else {
      // The bar stays; what cannot scroll is disabled instead of hidden.
      if (show) SetShown(*info, bar, true);
      if (info->Shown(bar)) {
        const int shift = bar == SB_VERT ? 2 : 0;
        const UINT bits = extent < static_cast<long long>(si.nPage) ? ESB_DISABLE_BOTH : 0;
        info->nDisabled = (info->nDisabled & ~(3u << shift)) | (bits << shift);
      }
    }
  }
  if (redraw && info->Shown(bar)) {
    CSkinScrollPainter::RedrawBar(*info, bar);
  } else if (!info->Shown(bar) && si.nMin != si.nMax && extent >= static_cast<long long>(si.nPage)) {
    CSkinScrollWindow::RecalcFrame(hwnd);
  }
  return si.nPos;
}
