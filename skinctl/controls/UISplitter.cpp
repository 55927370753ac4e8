#include "UISplitter.h"

#include "CPaintDC.h"
#include "UIRenderManager.h"

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);

// The system's halftone pattern: every other pixel.
HBRUSH CreateHalftoneBrush() {
  static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
  HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
  if (bitmap == nullptr) return nullptr;
  HBRUSH brush = ::CreatePatternBrush(bitmap);
  ::DeleteObject(bitmap);
  return brush;
}

}  // namespace

CUISplitter::CUISplitter()
    : m_bDragging(0), m_rcGhost(0, 0, 0, 0), m_nMax(0), m_nMin(0), m_eType(SPLITTER_VERTICAL), m_pEvent(nullptr),
      m_fSaturation(0.99), m_fBrightness(0.42), m_crColor(kNone) {}

CUISplitter::~CUISplitter() {}

// ------------------------------------------------------------------ settings

void CUISplitter::SetSplitterType(enSplitterType type) { m_eType = type; }

enSplitterType CUISplitter::GetSplitterType() const { return m_eType; }

void CUISplitter::SetSplitterRange(int nMin, int nMax) {
  m_nMin = nMin;
  m_nMax = nMax;
}

void CUISplitter::GetSplitterRange(int& nMin, int& nMax) const {
  nMin = m_nMin;
  nMax = m_nMax;
}

void CUISplitter::SetSplitterEvent(ISplitterEvent* pEvent) { m_pEvent = pEvent; }

ISplitterEvent* CUISplitter::GetSplitterEvent() const { return m_pEvent; }

void CUISplitter::SetSplitterColor(COLORREF color) {
  m_crColor = color;
  m_fSaturation = m_fBrightness = 0.0;
  Redraw();
}

void CUISplitter::SetSplitterColor(double saturation, double brightness) {
  m_crColor = kNone;
  m_fSaturation = saturation;
  m_fBrightness = brightness;
  Redraw();
}

void CUISplitter::Redraw() {
  if (m_hWnd)
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_ERASENOW | RDW_FRAME);
}

// ------------------------------------------------------------------ window

void CUISplitter::PreSubclassWindow() {
  CWnd::PreSubclassWindow();
  // The static's type is replaced as a whole (an owner-drawn static has no
  // alignment bits to keep).
  ModifyStyle(SS_TYPEMASK, SS_OWNERDRAW | SS_NOTIFY | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
}

BOOL CUISplitter::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd* parent = GetParent()) parent->SendMessage(WM_COMMAND, wParam, lParam);
  return TRUE;
}

LRESULT CUISplitter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const CPoint point(lParam);
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
      return 0;
    case WM_CAPTURECHANGED:
      // Capture taken away mid-drag (another window, a message box): the
      // drag ends where it began.
      if (reinterpret_cast<HWND>(lParam) != m_hWnd) CancelDrag();
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), point);
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(static_cast<UINT>(wParam), point);
      return 0;
    case WM_SETCURSOR:
      return OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_ERASEBKGND:
      return OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case WM_LBUTTONDOWN:
      OnLButtonDown(static_cast<UINT>(wParam), point);
      return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CUISplitter::OnEraseBkgnd(CDC*) {
  Invalidate(FALSE);
  UpdateWindow();
  return TRUE;
}

void CUISplitter::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  COLORREF color = m_crColor;
  if (color == kNone) {
    CUIRenderManager* render = CUIRenderManager::GetInstance();
    // Without a render manager: the skin's own hue.
    color = render ? render->RenderColor(m_fSaturation, m_fBrightness)
                   : static_cast<COLORREF>(CUIRenderManager::HSBToRGB(_UIRenderInfo().hue, m_fSaturation, m_fBrightness));
  }
  dc.FillSolidRect(&client, color);
}

BOOL CUISplitter::OnSetCursor(CWnd* pWnd, UINT, UINT) {
  if (pWnd != this) return static_cast<BOOL>(Default());
  ::SetCursor(::LoadCursorW(nullptr, m_eType == SPLITTER_VERTICAL ? IDC_SIZEWE : IDC_SIZENS));
  return TRUE;
}

// ------------------------------------------------------------------ dragging

int CUISplitter::HalfBar() const {
  CRect window;
  GetWindowRect(&window);
  return (m_eType == SPLITTER_VERTICAL ? window.Width() : window.Height()) / 2;
}

int CUISplitter::ParentPosition(CPoint point, bool* outside) const {
  ClientToScreen(&point);
  if (CWnd* parent = GetParent()) parent->ScreenToClient(&point);
  const int at = m_eType == SPLITTER_VERTICAL ? point.x : point.y;
  const int h = HalfBar();
  const int low = m_nMin + h;
  const int high = m_nMax - h;
  const bool out = at < low || at > high;
  if (outside) *outside = out;
  if (at > high) return high < low ? low : high;
  return at < low ? low : at;
}

CRect CUISplitter::GhostAt(int position) const {
  // position is in the parent's client coordinates; the ghost on the screen.
  CPoint origin(0, 0);
  if (CWnd* parent = GetParent()) parent->ClientToScreen(&origin);
  CRect ghost = m_rcGhost;
  const int h = HalfBar();
  if (m_eType == SPLITTER_VERTICAL)
    ghost.OffsetRect(origin.x + position - h - ghost.left, 0);
  else
    ghost.OffsetRect(0, origin.y + position - h - ghost.top);
  return ghost;
}

void CUISplitter::InvertGhost(const CRect& ghost) {
  if (ghost.IsRectEmpty()) return;
  HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) return;
  HBRUSH brush = CreateHalftoneBrush();
  HGDIOBJ old = brush ? ::SelectObject(screen, brush) : nullptr;
  ::PatBlt(screen, ghost.left, ghost.top, ghost.Width(), ghost.Height(), PATINVERT);
  if (brush) {
    ::SelectObject(screen, old);
    ::DeleteObject(brush);
  }
  ::ReleaseDC(nullptr, screen);
}

void CUISplitter::OnLButtonDown(UINT, CPoint) {
  Default();
  SetFocus();
  SetCapture();
  GetWindowRect(&m_rcGhost);
  m_bDragging = 1;
  InvertGhost(m_rcGhost);
}

void CUISplitter::OnMouseMove(UINT, CPoint point) {
  if (!m_bDragging) {
    Default();
    return;
  }
  bool outside = false;
  const int position = ParentPosition(point, &outside);
  if (outside)
    ::SetCursor(::LoadCursorW(nullptr, IDC_NO));
  else
    ::SetCursor(::LoadCursorW(nullptr, m_eType == SPLITTER_VERTICAL ? IDC_SIZEWE : IDC_SIZENS));
  const CRect ghost = GhostAt(position);
  if (ghost == m_rcGhost) return;
  InvertGhost(m_rcGhost);
  InvertGhost(ghost);
  m_rcGhost = ghost;
}

void CUISplitter::OnLButtonUp(UINT, CPoint point) {
  Default();
  if (!m_bDragging) return;
  // Off before the capture goes, so that losing it is not taken for a cancel.
  m_bDragging = 0;
  const CRect ghost = m_rcGhost;
  m_rcGhost.SetRectEmpty();
  ::ReleaseCapture();
  InvertGhost(ghost);

  const int position = ParentPosition(point, nullptr);
  const int edge = position - HalfBar();
  CRect window;
  GetWindowRect(&window);
  CPoint topLeft = window.TopLeft();
  if (CWnd* parent = GetParent()) parent->ScreenToClient(&topLeft);
  if (edge == (m_eType == SPLITTER_VERTICAL ? topLeft.x : topLeft.y)) return;
  if (m_eType == SPLITTER_VERTICAL)
    topLeft.x = edge;
  else
    topLeft.y = edge;
  SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOCOPYBITS);
  if (m_pEvent == nullptr) return;
  if (m_eType == SPLITTER_VERTICAL)
    m_pEvent->OnSplitterMove(static_cast<UINT>(GetDlgCtrlID()), position, topLeft.y + window.Height() / 2);
  else
    m_pEvent->OnSplitterMove(static_cast<UINT>(GetDlgCtrlID()), topLeft.x + window.Width() / 2, position);
}

void CUISplitter::OnKillFocus(CWnd*) {
  Default();
  CancelDrag();
}

void CUISplitter::CancelDrag() {
  if (!m_bDragging) return;
  m_bDragging = 0;
  const CRect ghost = m_rcGhost;
  m_rcGhost.SetRectEmpty();
  InvertGhost(ghost);
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}
