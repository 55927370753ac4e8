#include "UIEdit.h"

#include "CDC.h"
#include "CPaintDC.h"
#include "CWindowDC.h"

CUIEditAttr CUIEdit::m_UIAttribute;

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);

}  // namespace

CUIEditAttr::CUIEditAttr()
    : m_crEnableBack(kNone), m_crDisableBack(kNone), m_crEnableText(kNone), m_crDisableText(kNone),
      m_crEnableBorder(kNone), m_crDisableBorder(kNone) {}

bool CUIEditAttr::Initialization(CUIRenderManager*) {
  m_crEnableBack = RGB(255, 255, 255);
  m_crDisableBack = RGB(125, 125, 125);
  m_crEnableText = RGB(10, 10, 10);
  m_crDisableText = RGB(50, 50, 50);
  m_crEnableBorder = RGB(92, 100, 105);
  m_crDisableBorder = ::GetSysColor(COLOR_WINDOW);
  m_brEnable.DeleteObject();
  m_brEnable.CreateSolidBrush(m_crEnableBack);
  m_brDisable.DeleteObject();
  m_brDisable.CreateSolidBrush(m_crDisableBack);
  return true;
}

CUIEdit::CUIEdit() {}

CUIEdit::~CUIEdit() {}

LRESULT CUIEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCPAINT:
      OnNcPaint();
      return 0;
    case WM_PAINT:
      if (IsWindowEnabled() || (GetStyle() & ES_MULTILINE)) break;
      PaintDisabled();
      return 0;
  }
  return CEdit::WindowProc(message, wParam, lParam);
}

HBRUSH CUIEdit::CtlColor(CDC* pDC, UINT) {
  const CUIEditAttr& attr = m_UIAttribute;
  const bool enabled = IsWindowEnabled() != FALSE;
  HBRUSH brush = static_cast<HBRUSH>((enabled ? attr.m_brEnable : attr.m_brDisable).GetSafeHandle());
  // Before the first scheme there is nothing to paint with: the parent's
  // colours apply.
  if (brush == nullptr) return nullptr;
  pDC->SetBkColor(enabled ? attr.m_crEnableBack : attr.m_crDisableBack);
  pDC->SetTextColor(enabled ? attr.m_crEnableText : attr.m_crDisableText);
  return brush;
}

void CUIEdit::PaintDisabled() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  // Asked as the edit itself asks: the answer comes back through
  // reflection, from this control or else from the parent.
  const HWND parent = ::GetParent(m_hWnd);
  HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(::SendMessageW(parent, WM_CTLCOLORSTATIC,
                                                                  reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                                                                  reinterpret_cast<LPARAM>(m_hWnd)))
                        : nullptr;
  ::FillRect(dc.GetSafeHdc(), &client, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));

  CString text;
  GetWindowText(text);
  const LRESULT origin = SendMessage(EM_POSFROMCHAR, 0);
  if (text.IsEmpty() || origin == -1) return;
  if (GetStyle() & ES_PASSWORD) {
    const wchar_t mask = static_cast<wchar_t>(SendMessage(EM_GETPASSWORDCHAR));
    for (int i = 0; i < text.GetLength(); ++i) text.SetAt(i, mask ? mask : L'*');
  }
  HGDIOBJ oldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
  CRect format;
  SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  dc.IntersectClipRect(&format);
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(static_cast<short>(LOWORD(origin)), static_cast<short>(HIWORD(origin)), text);
  if (oldFont) dc.SelectObject(oldFont);
}

void CUIEdit::OnNcPaint() {
  const CUIEditAttr& attr = m_UIAttribute;
  if (IsWindowEnabled())
    PaintFrame(attr.m_crEnableBorder, attr.m_crEnableBack);
  else
    PaintFrame(attr.m_crDisableBorder, attr.m_crDisableBack);
}

void CUIEdit::PaintFrame(COLORREF border, COLORREF back) {
  if (GetStyle() & (WS_HSCROLL | WS_VSCROLL)) Default();
  if (border == kNone || back == kNone) return;
  CWindowDC dc(this);
  if (dc.GetSafeHdc() == nullptr) return;
  // Only the border is ours: the client area is the edit's own to paint.
  CRect window, client;
  GetWindowRect(&window);
  GetClientRect(&client);
  ClientToScreen(&client);
  client.OffsetRect(-window.left, -window.top);
  dc.ExcludeClipRect(&client);
  // Without a client edge both lines take the background colour.
  DrawControlView(&dc, (GetExStyle() & WS_EX_CLIENTEDGE) ? border : back, back);
}

void CUIEdit::DrawControlView(CDC* pDC, COLORREF outer, COLORREF inner) {
  CRect window;
  GetWindowRect(&window);
  CRect r(0, 0, window.Width(), window.Height());
  pDC->Draw3dRect(&r, outer, outer);
  r.DeflateRect(1, 1);
  pDC->Draw3dRect(&r, inner, inner);
}
