#include "UIButton.h"

#include "CBitImage.h"
#include "CPngImage.h"
#include "CRgn.h"
#include "SkinStrip.h"
#include "UIRenderManager.h"
#include "UIResourceManager.h"
#include "../res/SkinctlResource.h"

namespace {

const UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW;

}  // namespace

CUIButton::CUIButton()
    : m_bHover(0), m_bColorKey(0), m_bRender(0), m_nCheck(0), m_nFade(0), m_crText(RGB(0, 0, 0)),
      m_lpszForeground(nullptr), m_lpszStrip(nullptr), m_hModule(nullptr), m_bFile(0), m_szFile{} {}

CUIButton::~CUIButton() {}

// ------------------------------------------------------------------ settings

bool CUIButton::SetButtonImage(UINT id, HINSTANCE module, bool render, bool colorKey) {
  m_bFile = 0;
  return StoreImage(MAKEINTRESOURCEW(id), nullptr, module, render, colorKey);
}

bool CUIButton::SetButtonImage(UINT id, LPCWSTR foreground, HINSTANCE module, bool render, bool colorKey) {
  m_bFile = 0;
  return StoreImage(MAKEINTRESOURCEW(id), foreground, module, render, colorKey);
}

bool CUIButton::SetButtonImage(LPCWSTR strip, LPCWSTR foreground, HINSTANCE module, bool render, bool colorKey) {
  m_bFile = 0;
  return StoreImage(strip, foreground, module, render, colorKey);
}

bool CUIButton::SetButtonImage(LPCWSTR file, HINSTANCE module, bool render, bool colorKey) {
  // A path that does not fit is refused, never cut.
  const size_t length = file ? wcsnlen(file, MAX_PATH) : MAX_PATH;
  bool loads = false;
  if (length < MAX_PATH) {
    wmemcpy(m_szFile, file, length + 1);
    CBitImage test;
    loads = SUCCEEDED(test.Load(m_szFile));
  }
  m_bFile = loads ? 1 : 0;
  if (!loads) m_szFile[0] = L'\0';
  StoreImage(loads ? m_szFile : nullptr, nullptr, module, render, colorKey);
  return loads;
}

bool CUIButton::StoreImage(LPCWSTR strip, LPCWSTR foreground, HINSTANCE module, bool render, bool colorKey) {
  m_bRender = render ? 1 : 0;
  m_bColorKey = colorKey ? 1 : 0;
  m_hModule = module;
  m_lpszStrip = strip;
  m_lpszForeground = foreground;
  if (m_hWnd && HasCustomStrip()) Rectify();
  Redraw();
  return true;
}

bool CUIButton::SetBackImage(CDC* dc) {
  if (m_hWnd == nullptr || dc == nullptr || dc->GetSafeHdc() == nullptr) return false;
  CRect client;
  GetClientRect(&client);
  CRect window;
  GetWindowRect(&window);
  CPoint origin = window.TopLeft();
  if (CWnd* parent = GetParent()) parent->ScreenToClient(&origin);
  if (!m_BackDC.Create(dc, client.Width() * SkinStrip::FRAMES, client.Height())) return false;
  m_BackDC.BitBlt(0, 0, client.Width() * SkinStrip::FRAMES, client.Height(), dc, origin.x, origin.y, SRCCOPY);
  Invalidate(TRUE);
  return true;
}

void CUIButton::SetButtonColor(COLORREF color) {
  m_crText = color;
  if (m_hWnd) Invalidate(FALSE);
}

void CUIButton::SetRenderImage(bool render) {
  m_bRender = render ? 1 : 0;
  Redraw();
}

void CUIButton::Redraw() {
  if (m_hWnd) RedrawWindow(nullptr, nullptr, kRedrawFlags);
}

bool CUIButton::HasCustomStrip() const { return m_bFile || (m_hModule && m_lpszStrip); }

// ------------------------------------------------------------------ set-up

LRESULT CUIButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_CREATE:
      return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_SETCURSOR:
      return OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam));
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      break;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_MOUSELEAVE:
      return OnMouseLeave(wParam, lParam);
  }
  return CButton::WindowProc(message, wParam, lParam);
}

void CUIButton::PreSubclassWindow() {
  CButton::PreSubclassWindow();
  SetUpOwnerDraw();
}

int CUIButton::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  SetUpOwnerDraw();
  return 0;
}

void CUIButton::SetUpOwnerDraw() {
  // The type bits are replaced as a whole: owner-drawn whatever kind of
  // button the window was.
  SendMessage(BM_SETSTYLE, (GetStyle() & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW, TRUE);
  if (HasCustomStrip()) Rectify();
  // Without the skin's font the button keeps the one it has.
  if (HFONT font = SkinDefaultFont()) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void CUIButton::Rectify() {
  CBitImage strip;
  const bool loaded = m_bFile ? SUCCEEDED(strip.Load(m_szFile)) : strip.LoadFromResource(m_hModule, m_lpszStrip);
  if (!loaded) return;
  SetWindowPos(nullptr, 0, 0, SkinStrip::FrameWidth(strip), strip.GetHeight(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!m_bColorKey) return;
  CRgn shape;
  if (strip.CreateImageRegion(shape, SKIN_COLOR_KEY)) SetWindowRgn(static_cast<HRGN>(shape.Detach()), TRUE);
}

void CUIButton::OnNcDestroy() {
  m_bHover = 0;
  m_nFade = 0;
  m_bRender = 1;
}

// ------------------------------------------------------------------ hover and fade

void CUIButton::OnMouseMove(UINT, CPoint) {
  Default();
  if (m_bHover) return;
  m_bHover = 1;
  Invalidate(FALSE);
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, HOVER_DEFAULT};
  ::TrackMouseEvent(&track);
  if (m_nFade < FADE_STEPS) SetTimer(FADE_TIMER, FADE_PERIOD);
}

LRESULT CUIButton::OnMouseLeave(WPARAM, LPARAM) {
  m_bHover = 0;
  if (m_nFade != 0) SetTimer(FADE_TIMER, FADE_PERIOD);
  Invalidate(FALSE);
  return 0;
}

void CUIButton::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != FADE_TIMER) {
    Default();
    return;
  }
  if (m_bHover) {
    if (m_nFade < FADE_STEPS) ++m_nFade;
  } else if (m_nFade > 0) {
    --m_nFade;
  }
  if (m_nFade == 0 || m_nFade == FADE_STEPS) KillTimer(FADE_TIMER);
  Invalidate(FALSE);
}

BOOL CUIButton::OnSetCursor(CWnd*, UINT, UINT) {
  ::SetCursor(SkinStrip::HandCursor());
  return TRUE;
}

// ------------------------------------------------------------------ drawing

bool CUIButton::LoadStrip(CBitImage& strip, bool composeBackground) {
  const bool custom = HasCustomStrip();
  bool loaded;
  if (m_bFile) {
    loaded = SUCCEEDED(strip.Load(m_szFile));
    if (loaded) SkinStrip::Render(strip, m_bRender != 0);
  } else {
    loaded = SkinStrip::Load(strip, custom ? m_hModule : nullptr, m_lpszStrip, IDB_BUTTON_STRIP, m_bRender != 0);
  }
  if (!loaded || !custom || m_lpszForeground == nullptr) return loaded;

  CPngImage foreground;
  const bool png = m_hModule ? foreground.LoadImageW(m_hModule, m_lpszForeground)
                             : foreground.LoadImageW(m_lpszForeground);
  HDC dc = strip.GetDC();
  if (composeBackground && m_BackDC.IsValid()) {
    CRect client;
    GetClientRect(&client);
    for (int i = 0; i < SkinStrip::FRAMES; ++i)
      ::BitBlt(dc, i * SkinStrip::FrameWidth(strip), 0, client.Width(), client.Height(), m_BackDC.GetSafeHdc(), 0,
               0, SRCCOPY);
  }
  if (png) foreground.DrawImage(dc, 0, 0, strip.GetWidth(), strip.GetHeight(), 0, 0);
  strip.ReleaseDC();
  return true;
}

void CUIButton::DrawFrame(CBitImage& strip, CDC* pDC, int frame, const CRect& client) {
  if (m_bColorKey) {
    const int w = SkinStrip::FrameWidth(strip);
    strip.TransDrawImage(pDC, 0, 0, client.Width(), client.Height(), frame * w, 0, w, strip.GetHeight(),
                         SKIN_COLOR_KEY);
  } else {
    SkinStrip::DrawFrame(strip, pDC->GetSafeHdc(), frame, client);
  }
}

int CUIButton::FrameOf(UINT itemState, bool showHover) const {
  if (m_nCheck == 1) return SkinStrip::FRAME_CHECKED;
  if (itemState & ODS_DISABLED) return SkinStrip::FRAME_DISABLED;
  if (itemState & ODS_SELECTED) return SkinStrip::FRAME_PRESSED;
  return (showHover && m_bHover) ? SkinStrip::FRAME_HOVER : SkinStrip::FRAME_NORMAL;
}

void CUIButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == nullptr) return;
  CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
  const UINT state = lpDrawItemStruct->itemState;
  CRect client;
  GetClientRect(&client);

  CBitImage strip;
  if (!LoadStrip(strip, true)) {
    DrawFallback(dc, state);
    DrawButtonText(dc, state);
    return;
  }
  const bool fading = (m_bHover && m_nFade < FADE_STEPS) || (!m_bHover && m_nFade > 0);
  if ((state & (ODS_DISABLED | ODS_SELECTED)) || !fading) {
    DrawFrame(strip, dc, FrameOf(state, true), client);
    DrawButtonText(dc, state);
    return;
  }
  DrawFade(strip, dc, client, state);
}

void CUIButton::DrawFade(CBitImage& strip, CDC* pDC, const CRect& client, UINT itemState) {
  // Composed off screen; when no image can be made this paint is skipped.
  CMemDC canvas(pDC, client.Width(), client.Height());
  if (!canvas.IsValid()) return;
  canvas.SetBkMode(TRANSPARENT);
  HGDIOBJ oldFont = canvas.SelectObject(::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT));
  const CRect area(0, 0, client.Width(), client.Height());
  // Whatever the frames leave uncovered stays transparent.
  if (m_bColorKey) canvas.FillSolidRect(area, SKIN_COLOR_KEY);
  if (m_nFade < FADE_STEPS) SkinStrip::DrawFrame(strip, canvas.GetSafeHdc(), SkinStrip::FRAME_NORMAL, area);
  if (m_nFade > 0) {
    const int w = SkinStrip::FrameWidth(strip);
    const int h = strip.GetHeight();
    const BYTE alpha = static_cast<BYTE>(m_nFade * 255 / FADE_STEPS);
    if (m_bColorKey)
      strip.BlendDrawImage(canvas.GetSafeHdc(), 0, 0, area.Width(), area.Height(), SkinStrip::FRAME_HOVER * w, 0, w, h,
                           SKIN_COLOR_KEY, alpha);
    else
      strip.AlphaDrawImage(canvas.GetSafeHdc(), 0, 0, area.Width(), area.Height(), SkinStrip::FRAME_HOVER * w, 0, w, h,
                           alpha);
  }
  DrawButtonText(&canvas, itemState);
  canvas.SelectObject(oldFont);
  if (m_bColorKey)
    ::TransparentBlt(pDC->GetSafeHdc(), 0, 0, area.Width(), area.Height(), canvas.GetSafeHdc(), 0, 0, area.Width(),
                     area.Height(), SKIN_COLOR_KEY);
  else
    pDC->BitBlt(0, 0, area.Width(), area.Height(), &canvas, 0, 0, SRCCOPY);
}

void CUIButton::DrawFallback(CDC* pDC, UINT itemState) {
  CRect client;
  GetClientRect(&client);
  UINT look = DFCS_BUTTONPUSH;
  if (itemState & ODS_DISABLED)
    look |= DFCS_INACTIVE;
  else if (itemState & ODS_SELECTED)
    look |= DFCS_PUSHED;
  pDC->DrawFrameControl(&client, DFC_BUTTON, look);
}

void CUIButton::DrawButtonText(CDC* pDC, UINT itemState) {
  CString text;
  GetWindowText(text);
  if (text.IsEmpty()) return;
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor((itemState & ODS_DISABLED) ? ::GetSysColor(COLOR_GRAYTEXT) : m_crText);
  CRect r;
  GetClientRect(&r);
  r.top += (itemState & ODS_SELECTED) ? 3 : 1;
  pDC->DrawText(text, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
