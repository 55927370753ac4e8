#include "SkinScrollPainter.h"

#include "CMemDC.h"

using namespace skinsb;

namespace {

// The window DC (frame included) for the length of a scope.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetWindowDC(hwnd)) {}
  ~WindowDC() {
    if (m_dc != nullptr) ::ReleaseDC(m_hwnd, m_dc);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  operator HDC() const { return m_dc; }

 private:
  HWND m_hwnd;
  HDC m_dc;
};

// Sheet columns.
constexpr int kFirstArrowColumn = 0;
constexpr int kSecondArrowColumn = 4;
constexpr int kThumbColumn = 8;
constexpr int kGripperColumn = 11;
constexpr int kChannelColumn = 14;
constexpr int kSizeBoxRow = 2;
// The gripper shows on thumbs longer than this.
constexpr int kGripperMinThumb = 24;

POINT WindowOrigin(HWND hwnd) {
  RECT window{};
  ::GetWindowRect(hwnd, &window);
  return POINT{window.left, window.top};
}

RECT ToWindow(const RECT& r, POINT origin) {
  return RECT{r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

}  // namespace

State CSkinScrollPainter::StateOf(const SkinSBInfo& info, UINT part) {
  if (info.DisableBits(CSkinScrollGeometry::BarOf(part)) != 0) return kDisabled;
  if (part != kNone && part == info.nHot) return info.bDragging ? kPressed : kHot;
  return kNormal;
}

void CSkinScrollPainter::PaintAll(const SkinSBInfo& info) {
  Draw(info, info.Shown(SB_VERT), info.Shown(SB_HORZ), true);
}

void CSkinScrollPainter::RedrawBar(const SkinSBInfo& info, int bar) {
  if (!info.Shown(bar) || !::IsWindowVisible(info.hwnd)) return;
  Draw(info, bar == SB_VERT, bar == SB_HORZ, false);
}

void CSkinScrollPainter::Draw(const SkinSBInfo& info, bool vertical, bool horizontal, bool sizeBox) {
  if (info.hSheet == nullptr) return;
  WindowDC dc(info.hwnd);
  CDC sheet;
  if (dc == nullptr || !sheet.CreateCompatibleDC(nullptr)) return;
  HGDIOBJ old = sheet.SelectObject(info.hSheet);
  if (old == nullptr) return;  // the sheet is selected elsewhere just now
  const POINT origin = WindowOrigin(info.hwnd);
  if (vertical) DrawBar(info, SB_VERT, dc, origin, sheet);
  if (horizontal) DrawBar(info, SB_HORZ, dc, origin, sheet);
  const RECT box = CSkinScrollGeometry::SizeBox(info);
  if (sizeBox && !::IsRectEmpty(&box)) DrawCell(dc, box, origin, sheet, info.bLeftBar ? 1 : 0, kSizeBoxRow);
  sheet.SelectObject(old);
}

void CSkinScrollPainter::DrawBar(const SkinSBInfo& info, int bar, HDC dc, POINT origin, HDC sheet) {
  const SkinSBLayout layout = CSkinScrollGeometry::Layout(info, bar);
  if (::IsRectEmpty(&layout.bar)) return;
  const UINT flag = layout.vertical ? UINT{kVertical} : 0u;
  const int row = layout.vertical ? 0 : 1;
  const RECT track = layout.TrackRect();
  const RECT thumb = layout.ThumbRect();
  const int saved = ::SaveDC(dc);
  if (layout.hasThumb && !::IsRectEmpty(&thumb)) {
    DrawThumb(layout, StateOf(info, kThumb | flag), dc, origin, sheet);
    const RECT t = ToWindow(thumb, origin);
    ::ExcludeClipRect(dc, t.left, t.top, t.right, t.bottom);
  }
  DrawChannel(layout, track, dc, origin, sheet);
  ::RestoreDC(dc, saved);
  DrawCell(dc, layout.Span(layout.start, layout.FirstArrowEnd()), origin, sheet,
           kFirstArrowColumn + StateOf(info, kFirstArrow | flag), row);
  DrawCell(dc, layout.Span(layout.SecondArrowStart(), layout.start + layout.length), origin, sheet,
           kSecondArrowColumn + StateOf(info, kSecondArrow | flag), row);
}

void CSkinScrollPainter::DrawThumb(const SkinSBLayout& layout, State state, HDC dc, POINT origin, HDC sheet) {
  if (layout.track < layout.thumbLength || state == kDisabled) {
    DrawChannel(layout, layout.TrackRect(), dc, origin, sheet);
    return;
  }
  DrawChannel(layout, layout.Span(layout.FirstArrowEnd(), layout.thumbStart), dc, origin, sheet);
  DrawChannel(layout, layout.Span(layout.ThumbEnd(), layout.SecondArrowStart()), dc, origin, sheet);

  // The thumb is built along its own length: a start cap, the middle slice
  // repeated, an end cap and, on a long thumb, the gripper in the middle.
  const int length = layout.thumbLength;
  const int row = layout.vertical ? 0 : kThickness;
  const int body = (kThumbColumn + state) * kThickness;
  const int gripper = (kGripperColumn + state) * kThickness;
  CMemDC canvas(layout.vertical ? kThickness : length, layout.vertical ? length : kThickness);
  if (!canvas.IsValid()) return;
  canvas.Clear(0xFFFFFFFF);
  // (along, across) in the thumb to (x, y) of the bitmaps.
  auto copy = [&](int at, int sourceAt, int extent, int sourceColumn) {
    if (layout.vertical)
      ::BitBlt(canvas, 0, at, kThickness, extent, sheet, sourceColumn, row + sourceAt, SRCCOPY);
    else
      ::BitBlt(canvas, at, 0, extent, kThickness, sheet, sourceColumn + sourceAt, row, SRCCOPY);
  };
  for (int at = kCap; at < length - kCap; at += kSlice) copy(at, kCap, kSlice, body);
  copy(0, 0, kCap, body);
  copy(length - kCap, kThickness - kCap, kCap, body);
  if (length > kGripperMinThumb) copy((length - kGripper) / 2, 0, kGripper, gripper);
  const RECT to = ToWindow(layout.ThumbRect(), origin);
  ::BitBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, canvas, 0, 0, SRCCOPY);
}

void CSkinScrollPainter::DrawChannel(const SkinSBLayout& layout, const RECT& area, HDC dc, POINT origin, HDC sheet) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  const RECT to = ToWindow(area, origin);
  const int mode = ::SetStretchBltMode(dc, HALFTONE);
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, sheet, kChannelColumn * kThickness,
               layout.vertical ? 0 : kThickness, kThickness, kThickness, SRCCOPY);
  ::SetStretchBltMode(dc, mode);
}

void CSkinScrollPainter::DrawCell(HDC dc, const RECT& at, POINT origin, HDC sheet, int column, int row) {
  const RECT to = ToWindow(at, origin);
  ::BitBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, sheet, column * kThickness,
           row * kThickness, SRCCOPY);
}
