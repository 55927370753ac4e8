#include "SkinScrollGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace skinsb;

RECT SkinSBLayout::Span(int from, int to) const {
  return vertical ? RECT{bar.left, from, bar.right, to} : RECT{from, bar.top, to, bar.bottom};
}

RECT CSkinScrollGeometry::ClientOnScreen(HWND hwnd) {
  RECT client{};
  ::GetClientRect(hwnd, &client);
  ::MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return client;
}

SkinSBLayout CSkinScrollGeometry::Layout(const SkinSBInfo& info, int bar) {
  return Layout(info, bar, ClientOnScreen(info.hwnd));
}

SkinSBLayout CSkinScrollGeometry::Layout(const SkinSBInfo& info, int bar, const RECT& client) {
  SkinSBLayout out;
  out.vertical = bar == SB_VERT;
  if (!info.Shown(bar)) return out;
  if (out.vertical) {
    const int x = info.bLeftBar ? client.left - kThickness : client.right;
    out.bar = RECT{x, client.top, x + kThickness, client.bottom};
    out.start = client.top;
    out.length = client.bottom - client.top;
  } else {
    out.bar = RECT{client.left, client.bottom, client.right, client.bottom + kThickness};
    out.start = client.left;
    out.length = client.right - client.left;
  }
  out.track = out.length - 2 * kArrow;
  int offset = 0;
  out.hasThumb = Thumb(info.Bar(bar), out.track, &out.thumbLength, &offset);
  out.thumbStart = out.FirstArrowEnd() + offset;
  return out;
}

RECT CSkinScrollGeometry::SizeBox(const SkinSBInfo& info) {
  if (!info.Shown(SB_HORZ) || !info.Shown(SB_VERT)) return RECT{};
  const RECT client = ClientOnScreen(info.hwnd);
  const int x = info.bLeftBar ? client.left - kThickness : client.right;
  return RECT{x, client.bottom, x + kThickness, client.bottom + kThickness};
}

int CSkinScrollGeometry::Scale(double a, double b, double c) {
  if (c == 0) return -1;
  const double q = a * b / c;
  if (q >= INT_MAX) return INT_MAX;
  if (q <= INT_MIN) return INT_MIN;
  return static_cast<int>(std::llround(q));
}

bool CSkinScrollGeometry::Thumb(const SCROLLINFO& si, int track, int* length, int* offset) {
  *length = *offset = 0;
  if (si.nPage == 0 || si.nMin >= si.nMax) return false;
  // In wide arithmetic: a range may span the whole of int.
  const double range = static_cast<double>(si.nMax) - si.nMin + 1;
  *length = std::max(Scale(si.nPage, track, range), kMinThumb);
  const double span = static_cast<double>(si.nMax) - si.nMin - std::max(si.nPage, 1u) + 1;
  const int room = track - *length;
  *offset = std::max(0, std::min(Scale(static_cast<double>(si.nPos) - si.nMin, room, span), room));
  return true;
}

UINT CSkinScrollGeometry::PartAt(const SkinSBLayout& layout, UINT disableBits, POINT pt) {
  if (!layout.hasThumb || !::PtInRect(&layout.bar, pt)) return kNone;
  const int at = layout.Along(pt);
  UINT part;
  if (at < layout.FirstArrowEnd())
    part = kFirstArrow;
  else if (at < layout.thumbStart)
    part = kTrackBefore;
  else if (at < layout.ThumbEnd())
    part = kThumb;
  else if (at < layout.SecondArrowStart())
    part = kTrackAfter;
  else
    part = kSecondArrow;
  if (disableBits != 0 && part != kThumb) return kNone;
  return part;
}
