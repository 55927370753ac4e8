#include "UIDialog.h"

#include "CBitImage.h"
#include "CClientDC.h"
#include "CDC.h"
#include "CMemDC.h"
#include "CPngImage.h"
#include "CRgn.h"
#include "SkinctlModule.h"
#include "UIResourceManager.h"
#include "../res/SkinctlResource.h"

CUIDialogAttr CUIDialog::m_UIAttribute;

namespace {

const UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_FRAME;
const int kCorner = 5;  // inset and corner of the rounded region

const wchar_t* const kFramePieces[ENCIRCLE_PIECES] = {L"SKIN_WND_TL", L"SKIN_WND_TM", L"SKIN_WND_TR",
                                                      L"SKIN_WND_ML", L"SKIN_WND_MR", L"SKIN_WND_BL",
                                                      L"SKIN_WND_BM", L"SKIN_WND_BR"};

// The dialog's visible body: a rounded rectangle inset by the margin.
HRGN CreateBodyRegion(int cx, int cy) {
  return ::CreateRoundRectRgn(kCorner, kCorner, cx - kCorner + 1, cy - kCorner + 1, kCorner, kCorner);
}

}  // namespace

// ------------------------------------------------------------------ shared record

CUIDialogAttr::CUIDialogAttr()
    : m_crTitle(0), m_crTitleHalo(0), m_crBackground(0), m_crControlText(0), m_nButtonWidth(0),
      m_nButtonHeight(0), m_nCaptionHeight(0), m_EncircleInfo() {
  _EncircleResource resource;
  for (int i = 0; i < ENCIRCLE_PIECES; ++i) resource.lpszImage[i] = kFramePieces[i];
  m_Encircle.InitEncircleResource(resource, SkinctlModule());

  CBitImage close;
  if (close.LoadFromResource(SkinctlModule(), static_cast<UINT>(IDB_SYS_CLOSE))) {
    m_nButtonWidth = close.GetWidth() / 5;
    m_nButtonHeight = close.GetHeight();
  }
  m_Encircle.GetEncircleInfo(m_EncircleInfo);
  m_nCaptionHeight = m_EncircleInfo.nTop;
}

bool CUIDialogAttr::Initialization(CUIRenderManager*) {
  m_crTitle = RGB(0, 0, 0);
  m_crTitleHalo = RGB(200, 200, 200);
  m_crBackground = RGB(250, 250, 250);
  m_crControlText = RGB(10, 10, 10);
  m_brBackground.DeleteObject();
  m_brBackground.CreateSolidBrush(m_crBackground);
  return true;
}

// ------------------------------------------------------------------ dialog

CUIDialog::CUIDialog(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_nHover(BUTTON_NONE), m_nPressed(BUTTON_NONE), m_bButtonState{0, 0, 0},
      m_bTimerRunning(0), m_nFade{0, 0, 0}, m_rcButton{}, m_bTrackingLeave(false) {}

void CUIDialog::OnDrawClientArea(CDC*, int, int) {}

LRESULT CUIDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: {
      LRESULT result = Default();
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return result;
    }
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case WM_SHOWWINDOW:
      OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(static_cast<UINT>(wParam), CPoint(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
      return 0;
    case WM_SETTEXT:
      return OnSetText(wParam, lParam);
  }
  return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CUIDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED);
  m_nHover = m_nPressed = BUTTON_NONE;
  m_bButtonState[0] = m_bButtonState[1] = m_bButtonState[2] = 0;

  const DWORD style = GetStyle();
  if (style & WS_SYSMENU) {
    const BYTE enabled = STATE_SHOWN | STATE_NOT_HOVERED;
    const BYTE disabled = STATE_SHOWN | STATE_DISABLED;
    m_bButtonState[BUTTON_CLOSE] = enabled;
    m_bButtonState[BUTTON_MAXIMIZE] = (style & WS_MAXIMIZEBOX) ? enabled : disabled;
    m_bButtonState[BUTTON_MINIMIZE] = ((style & WS_MINIMIZEBOX) || GetParent() == nullptr) ? enabled : disabled;
    if ((m_bButtonState[BUTTON_MAXIMIZE] & STATE_DISABLED) && (m_bButtonState[BUTTON_MINIMIZE] & STATE_DISABLED))
      m_bButtonState[BUTTON_MAXIMIZE] = m_bButtonState[BUTTON_MINIMIZE] = 0;
  }

  CRect window;
  GetWindowRect(&window);
  m_Layered.CreateLayered(this, window);

  CRect client;
  GetClientRect(&client);
  RectifyResource(client.Width(), client.Height());
  return FALSE;
}

void CUIDialog::OnSize(UINT, int cx, int cy) { RectifyResource(cx, cy); }

void CUIDialog::RectifyResource(int cx, int cy) {
  // The hovered button (if any) is no longer hovered: keep its state bits in
  // step with the hover index.
  if (m_nHover < 3) m_bButtonState[m_nHover] |= STATE_NOT_HOVERED;
  m_nHover = m_nPressed = BUTTON_NONE;
  m_bTimerRunning = 0;
  for (int i = 0; i < 3; ++i) m_nFade[i] = 0;
  if (cx == 0 || cy == 0) return;

  const int w = m_UIAttribute.m_nButtonWidth;
  const int h = m_UIAttribute.m_nButtonHeight;
  for (int i = 0; i < 3; ++i) {
    const int left = cx - w * (i + 1) - 2 * i - 14;
    ::SetRect(&m_rcButton[i], left, 5, left + w, 5 + h);
  }
  SetWindowRgn(CreateBodyRegion(cx, cy), TRUE);

  if (m_Layered.m_hWnd) {
    CMemDC canvas(cx, cy);
    if (!canvas.IsValid()) return;
    PaintDialog(&canvas, cx, cy);
    // The frame pieces carry their own alpha; the area inside the frame is
    // the dialog's opaque body, also where it shows in the outer margin.
    const _EncircleInfo& frame = m_UIAttribute.m_EncircleInfo;
    canvas.SetOpaque(CRect(frame.nLeft, frame.nTop, cx - frame.nRight, cy - frame.nBottom));
    // Over the dialog itself the companion is transparent in its content too,
    // not only by its region (which some systems do not apply to layered
    // windows): the dialog's own, live painting shows through.
    CRgn inside;
    if (inside.Attach(CreateBodyRegion(cx, cy))) canvas.ClearRegion(static_cast<HRGN>(inside.GetSafeHandle()));
    CRect hole(kCorner, kCorner, cx - kCorner, cy - kCorner);
    CPoint round(kCorner, kCorner);
    m_Layered.InitLayeredArea(&canvas, 255, hole, round, false);
  }
}

BOOL CUIDialog::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  CMemDC canvas(client.Width(), client.Height());
  if (!canvas.IsValid() || pDC == nullptr) return TRUE;  // nothing to compose on: leave the window as it is
  PaintDialog(&canvas, client.Width(), client.Height());
  canvas.CopyTo(pDC->GetSafeHdc());
  return TRUE;
}

void CUIDialog::PaintDialog(CDC* pDC, int cx, int cy) {
  const CUIDialogAttr& attr = m_UIAttribute;
  pDC->SetBkMode(TRANSPARENT);
  HFONT font = SkinDefaultFont();
  HGDIOBJ oldFont = font ? pDC->SelectObject(font) : nullptr;

  const _EncircleInfo& frame = attr.m_EncircleInfo;
  pDC->FillSolidRect(frame.nLeft, frame.nTop, cx - frame.nRight - frame.nLeft, cy - frame.nBottom - frame.nTop,
                     attr.m_crBackground);
  CRect whole(0, 0, cx, cy);
  m_UIAttribute.m_Encircle.DrawEncircleFrame(pDC, whole);

  CPngImage logo;
  if (logo.LoadImageW(SkinctlModule(), L"SKIN_WND_LOGO")) logo.DrawImage(pDC, 11, 6);

  CString title;
  GetWindowText(title);
  if (!title.IsEmpty()) {
    static const POINT halo[8] = {{1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}};
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    pDC->SetTextColor(attr.m_crTitleHalo);
    for (const POINT& shift : halo) {
      CRect r(48 + shift.x, 16 + shift.y, cx - 95 + shift.x, 28 + shift.y);
      pDC->DrawText(title, r, format);
    }
    pDC->SetTextColor(attr.m_crTitle);
    CRect r(48, 16, cx - 95, 28);
    pDC->DrawText(title, r, format);
  }

  DrawSystemButtons(pDC);
  // The derived dialog draws with the skin's font too.
  OnDrawClientArea(pDC, cx, cy);
  if (oldFont) pDC->SelectObject(oldFont);
}

void CUIDialog::DrawSystemButtons(CDC* pDC) {
  for (int i = 0; i < 3; ++i) DrawSystemButton(pDC, i);
}

void CUIDialog::DrawSystemButton(CDC* pDC, int index) {
  const BYTE state = m_bButtonState[index];
  if (!(state & STATE_SHOWN) || pDC == nullptr) return;
  static const UINT strips[3] = {IDB_SYS_CLOSE, IDB_SYS_MAXIMIZE, IDB_SYS_MINIMIZE};
  const UINT id = (index == BUTTON_MAXIMIZE && IsZoomed()) ? static_cast<UINT>(IDB_SYS_RESTORE) : strips[index];
  CBitImage strip;
  if (!strip.LoadFromResource(SkinctlModule(), id)) return;

  const int w = m_UIAttribute.m_nButtonWidth;
  const int h = m_UIAttribute.m_nButtonHeight;
  const RECT& r = m_rcButton[index];
  const bool disabled = (state & STATE_DISABLED) != 0;
  const bool pressed = m_nPressed == index;
  const bool hovered = m_nHover == index;
  const int frame = disabled ? 4 : pressed ? 1 : hovered ? 2 : 0;
  const WORD fade = m_nFade[index];

  if (disabled || pressed || (hovered && fade >= FADE_STEPS) || (!hovered && fade == 0)) {
    strip.BitBlt(pDC->GetSafeHdc(), r.left, r.top, w, h, frame * w, 0, SRCCOPY);
    return;
  }
  // Between normal and hovered: the hover frame blended over the normal one.
  CMemDC blend(w, h);
  if (!blend.IsValid()) return;
  if (fade < FADE_STEPS) strip.BitBlt(blend, 0, 0, w, h, 0, 0, SRCCOPY);
  if (fade > 0) strip.AlphaDrawImage(&blend, 0, 0, w, h, 2 * w, 0, w, h, static_cast<BYTE>(fade * 255 / FADE_STEPS));
  blend.CopyTo(pDC->GetSafeHdc(), r.left, r.top);
}

BYTE CUIDialog::ButtonAt(POINT point) const {
  for (int i = 0; i < 3; ++i)
    if ((m_bButtonState[i] & STATE_SHOWN) && ::PtInRect(&m_rcButton[i], point)) return static_cast<BYTE>(i);
  return BUTTON_NONE;
}

int CUIDialog::HitTest(POINT point) const {
  static const int codes[3] = {HTCLOSE, HTMAXBUTTON, HTMINBUTTON};
  const BYTE button = ButtonAt(point);
  if (button != BUTTON_NONE) return codes[button];
  return point.y > m_UIAttribute.m_nCaptionHeight ? HTCLIENT : HTCAPTION;
}

BYTE CUIDialog::ButtonOfHit(int hit) {
  switch (hit) {
    case HTCLOSE: return BUTTON_CLOSE;
    case HTMAXBUTTON: return BUTTON_MAXIMIZE;
    case HTMINBUTTON: return BUTTON_MINIMIZE;
  }
  return BUTTON_NONE;
}

void CUIDialog::OnMouseMove(UINT, CPoint point) {
  Default();
  if (m_nPressed != BUTTON_NONE) return;
  const BYTE found = ButtonAt(point);
  if (found == m_nHover) return;
  if (m_nHover != BUTTON_NONE) {
    m_bButtonState[m_nHover] |= STATE_NOT_HOVERED;
    m_nHover = BUTTON_NONE;
  }
  if (found != BUTTON_NONE && !(m_bButtonState[found] & STATE_DISABLED)) {
    m_nHover = found;
    m_bButtonState[found] &= ~STATE_NOT_HOVERED;
    // The buttons sit at the window's edge: a pointer leaving through one
    // must still fade it out.
    if (!m_bTrackingLeave) {
      TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
      m_bTrackingLeave = ::TrackMouseEvent(&track) != FALSE;
    }
  }
  StartFade();
}

void CUIDialog::OnMouseLeave() {
  m_bTrackingLeave = false;
  if (m_nPressed != BUTTON_NONE || m_nHover == BUTTON_NONE) return;
  m_bButtonState[m_nHover] |= STATE_NOT_HOVERED;
  m_nHover = BUTTON_NONE;
  StartFade();
}

void CUIDialog::StartFade() {
  if (m_bTimerRunning) return;
  m_bTimerRunning = 1;
  SetTimer(FADE_TIMER, FADE_PERIOD);
}

void CUIDialog::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != FADE_TIMER) {
    Default();
    return;
  }
  bool fading = false;
  for (int i = 0; i < 3; ++i) {
    if (i == m_nHover) {
      if (m_nFade[i] < FADE_STEPS) ++m_nFade[i];
    } else if (m_nFade[i] > 0) {
      --m_nFade[i];
    }
    if (m_nFade[i] > 0 && m_nFade[i] < FADE_STEPS) fading = true;
  }
  if (!fading) {
    m_bTimerRunning = 0;
    KillTimer(FADE_TIMER);
  }
  CClientDC dc(this);
  if (dc.GetSafeHdc()) DrawSystemButtons(&dc);
}

void CUIDialog::RedrawFrame() { RedrawWindow(nullptr, nullptr, kRedrawFlags); }

void CUIDialog::OnLButtonDown(UINT, CPoint point) {
  SetFocus();
  const int hit = HitTest(point);
  const BYTE button = ButtonOfHit(hit);
  if (m_nPressed == BUTTON_NONE && button != BUTTON_NONE && !(m_bButtonState[button] & STATE_DISABLED)) {
    m_nPressed = button;
    SetCapture();
    RedrawFrame();
    return;
  }
  if (!IsZoomed() && hit == HTCAPTION) {
    // The system drags the window from here; it wants the point on the screen.
    CPoint screen = point;
    ClientToScreen(&screen);
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    return;
  }
  Default();
}

void CUIDialog::OnLButtonUp(UINT, CPoint point) {
  Default();
  if (m_nPressed == BUTTON_NONE) return;
  const BYTE pressed = m_nPressed;
  // Released before the capture goes, so that its loss finds nothing pressed.
  m_nPressed = BUTTON_NONE;
  ::ReleaseCapture();
  if (ButtonOfHit(HitTest(point)) == pressed) {
    switch (pressed) {
      case BUTTON_CLOSE: PostMessage(WM_CLOSE); break;
      case BUTTON_MAXIMIZE: ShowWindow(IsZoomed() ? SW_RESTORE : SW_MAXIMIZE); break;
      case BUTTON_MINIMIZE: ShowWindow(SW_MINIMIZE); break;
    }
  }
  RedrawFrame();
}

void CUIDialog::OnCaptureChanged(CWnd* pWnd) {
  // The press ends without a release when another window takes the mouse
  // (a message box, switching programs): the button comes back up and
  // nothing is done.
  if (m_nPressed == BUTTON_NONE || (pWnd != nullptr && pWnd->m_hWnd == m_hWnd)) return;
  m_nPressed = BUTTON_NONE;
  RedrawFrame();
}

LRESULT CUIDialog::OnSetText(WPARAM, LPARAM) {
  LRESULT result = Default();
  RedrawFrame();
  return result;
}

void CUIDialog::OnShowWindow(BOOL bShow, UINT) {
  Default();
  // Shown without activation: the companion must not take activation (and
  // with it the focus) from the dialog it decorates.
  if (m_Layered.m_hWnd) m_Layered.ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

void CUIDialog::OnWindowPosChanged(WINDOWPOS* lpwndpos) {
  Default();
  if (m_Layered.m_hWnd == nullptr || lpwndpos == nullptr) return;
  // Follow the dialog's actual rectangle: the record's position and size are
  // not filled in when the change was only a move, a resize or a z-order one.
  CRect window;
  GetWindowRect(&window);
  if (window.Width() >= 0 && window.Height() > 0)
    m_Layered.SetWindowPos(nullptr, window.left, window.top, window.Width(), window.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH CUIDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  switch (nCtlColor) {
    case CTLCOLOR_BTN:
    case CTLCOLOR_DLG:
    case CTLCOLOR_STATIC:
      pDC->SetBkMode(TRANSPARENT);
      pDC->SetTextColor(m_UIAttribute.m_crControlText);
      return static_cast<HBRUSH>(m_UIAttribute.m_brBackground.GetSafeHandle());
  }
  return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
