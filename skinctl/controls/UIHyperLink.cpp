#include "UIHyperLink.h"

#include "CClientDC.h"
#include "CFont.h"
#include "CPaintDC.h"
#include "SkinStrip.h"
#include "UIResourceManager.h"

CUIHyperLinkAttribute CUIHyperLink::m_UIAttribute;

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);

COLORREF Either(COLORREF own, COLORREF shared) { return own != kNone ? own : shared; }

// The font as it is drawn: underlined when the link is.
class LinkFont {
 public:
  LinkFont(HFONT base, bool underline) : m_hFont(base) {
    LOGFONTW face = {};
    if (!underline || base == nullptr || ::GetObjectW(base, sizeof face, &face) == 0) return;
    face.lfUnderline = TRUE;
    if (m_Underlined.CreateFontIndirect(&face)) m_hFont = m_Underlined;
  }
  HFONT Get() const { return m_hFont; }

 private:
  CFont m_Underlined;
  HFONT m_hFont;
};

}  // namespace

CUIHyperLinkAttribute::CUIHyperLinkAttribute()
    : m_crBackground(kNone), m_crHover(kNone), m_crNormal(kNone), m_crVisited(kNone) {}

bool CUIHyperLinkAttribute::Initialization(CUIRenderManager*) {
  m_crBackground = RGB(250, 250, 250);
  m_crHover = RGB(250, 0, 0);
  m_crNormal = RGB(0, 0, 220);
  m_crVisited = RGB(0, 0, 100);
  return true;
}

CUIHyperLink::CUIHyperLink()
    : m_bVisited(0), m_bHover(0), m_bUnderline(1), m_bAutoRectify(1), m_crBackground(kNone), m_crHover(kNone),
      m_crNormal(kNone), m_crVisited(kNone), m_pFont(nullptr) {}

CUIHyperLink::~CUIHyperLink() {}

// ------------------------------------------------------------------ settings

void CUIHyperLink::SetHyperLinkTextColor(COLORREF hover, COLORREF normal, COLORREF visited) {
  m_crHover = hover;
  m_crNormal = normal;
  m_crVisited = visited;
  Redraw();
}

void CUIHyperLink::SetBackGroundColor(COLORREF color) {
  m_crBackground = color;
  Redraw();
}

void CUIHyperLink::SetVisited(bool visited) {
  if ((m_bVisited != 0) == visited) return;
  m_bVisited = visited ? 1 : 0;
  Redraw();
}

void CUIHyperLink::SetUnderLine(bool underline) {
  if ((m_bUnderline != 0) == underline) return;
  m_bUnderline = underline ? 1 : 0;
  Redraw();
}

void CUIHyperLink::SetAutoRectify(bool autoRectify) {
  if ((m_bAutoRectify != 0) == autoRectify) return;
  m_bAutoRectify = autoRectify ? 1 : 0;
  if (autoRectify) RectifySize();
}

bool CUIHyperLink::IsVisiteded() const { return m_bVisited != 0; }

bool CUIHyperLink::IsUnderline() const { return m_bUnderline != 0; }

bool CUIHyperLink::IsAutoRectify() const { return m_bAutoRectify != 0; }

void CUIHyperLink::SetFont(CFont* pFont) {
  m_pFont = pFont;
  RectifySize();
}

void CUIHyperLink::Redraw() {
  if (m_hWnd) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
}

HFONT CUIHyperLink::TextFont() const {
  if (m_pFont && m_pFont->GetSafeHandle()) return static_cast<HFONT>(m_pFont->GetSafeHandle());
  if (HFONT skin = SkinDefaultFont()) return skin;
  return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

// ------------------------------------------------------------------ window

LRESULT CUIHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_CREATE:
      return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_SETCURSOR:
      return OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam));
      return 0;
    case WM_SETTEXT:
      return OnSetText(wParam, lParam);
    case WM_MOUSELEAVE:
      return OnMouseLeave(wParam, lParam);
  }
  return CStatic::WindowProc(message, wParam, lParam);
}

void CUIHyperLink::PreSubclassWindow() {
  CStatic::PreSubclassWindow();
  SetUp();
}

int CUIHyperLink::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  SetUp();
  return 0;
}

void CUIHyperLink::SetUp() {
  m_bAutoRectify = 1;
  RectifySize();
  // Without it a static lets the mouse through to its parent.
  ModifyStyle(0, SS_NOTIFY);
}

void CUIHyperLink::RectifySize() {
  if (m_hWnd == nullptr) return;
  CString text;
  GetWindowText(text);
  CClientDC dc(this);
  if (dc.GetSafeHdc() == nullptr) return;
  const LinkFont font(TextFont(), m_bUnderline != 0);
  HGDIOBJ old = font.Get() ? dc.SelectObject(font.Get()) : nullptr;
  const CSize extent = dc.GetTextExtent(text);
  if (old) dc.SelectObject(old);
  SetWindowPos(nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CUIHyperLink::OnSetText(WPARAM, LPARAM) {
  const LRESULT result = Default();
  if (m_bAutoRectify) RectifySize();
  return result;
}

void CUIHyperLink::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  dc.SetBkMode(TRANSPARENT);
  const LinkFont font(TextFont(), m_bUnderline != 0);
  HGDIOBJ oldFont = font.Get() ? dc.SelectObject(font.Get()) : nullptr;

  // A colour that is still unset (no scheme yet) is not painted with.
  const COLORREF back = Either(m_crBackground, m_UIAttribute.m_crBackground);
  if (back != kNone) dc.FillSolidRect(&client, back);
  const COLORREF text = m_bHover     ? Either(m_crHover, m_UIAttribute.m_crHover)
                        : m_bVisited ? Either(m_crVisited, m_UIAttribute.m_crVisited)
                                     : Either(m_crNormal, m_UIAttribute.m_crNormal);
  if (text != kNone) dc.SetTextColor(text);

  UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  const DWORD type = GetStyle() & SS_TYPEMASK;
  if (type == SS_RIGHT)
    format |= DT_RIGHT;
  else if (type == SS_CENTER)
    format |= DT_CENTER;
  CString caption;
  GetWindowText(caption);
  dc.DrawText(caption, &client, format);
  if (oldFont) dc.SelectObject(oldFont);
}

// ------------------------------------------------------------------ mouse

void CUIHyperLink::OnMouseMove(UINT, CPoint) {
  Default();
  if (m_bHover) return;
  m_bHover = 1;
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, HOVER_DEFAULT};
  ::TrackMouseEvent(&track);
  Redraw();
}

LRESULT CUIHyperLink::OnMouseLeave(WPARAM, LPARAM) {
  m_bHover = 0;
  Redraw();
  return 0;
}

BOOL CUIHyperLink::OnSetCursor(CWnd*, UINT, UINT) {
  ::SetCursor(SkinStrip::HandCursor());
  return TRUE;
}
