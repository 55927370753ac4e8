#include "UIComboBox.h"

#include "CBitImage.h"
#include "CPaintDC.h"
#include "SkinStrip.h"
#include "UIDialog.h"
#include "../res/SkinctlResource.h"

CUIComboBoxAttr CUIComboBox::m_UIAttribute;

CUIComboBoxAttr::CUIComboBoxAttr() : m_nButtonWidth(0), m_crBackground(0), m_crBorder(0), m_crDisableBorder(0) {}

bool CUIComboBoxAttr::Initialization(CUIRenderManager*) {
  m_nButtonWidth = 16;
  m_crBackground = RGB(255, 255, 255);
  m_crBorder = RGB(92, 100, 105);
  m_crDisableBorder = RGB(92, 100, 105);
  return true;
}

CUIComboBox::CUIComboBox()
    : m_bHover(0), m_bDrawBorder(1), m_bRender(0), m_nButtonWidth(m_UIAttribute.m_nButtonWidth), m_nButtonImage(0),
      m_hButtonModule(nullptr), m_bMeasuring(false) {}

CUIComboBox::~CUIComboBox() {}

// ------------------------------------------------------------------ settings

void CUIComboBox::SetButtonImage(HINSTANCE module, UINT id, CSize& size) {
  m_hButtonModule = module;
  m_nButtonImage = static_cast<int>(id);
  m_nButtonWidth = size.cx;
  if (m_hWnd == nullptr) return;
  SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), size.cy);
  LayOut();
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CUIComboBox::SetDrawBorad(bool draw) {
  m_bDrawBorder = draw ? 1 : 0;
  if (m_hWnd) Invalidate(FALSE);
}

void CUIComboBox::SetRenderImage(bool render) {
  m_bRender = render ? 1 : 0;
  if (m_hWnd) Invalidate(FALSE);
}

void CUIComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct == nullptr || m_bMeasuring || m_hWnd == nullptr) return;
  m_bMeasuring = true;
  const int height = static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
  m_bMeasuring = false;
  lpMeasureItemStruct->itemWidth = 0;
  if (height > 0) lpMeasureItemStruct->itemHeight = static_cast<UINT>(height);
}

void CUIComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (m_List.m_hWnd) m_List.DrawItem(lpDrawItemStruct);
}

// ------------------------------------------------------------------ set-up

LRESULT CUIComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const CPoint point(lParam);
  switch (message) {
    case WM_SIZE:
      Default();
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_CREATE:
      return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_MOUSEMOVE:
      OnMouseMove(static_cast<UINT>(wParam), point);
      return 0;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLButtonDown(static_cast<UINT>(wParam), point);
      return 0;
  }
  return CComboBox::WindowProc(message, wParam, lParam);
}

void CUIComboBox::PreSubclassWindow() {
  CComboBox::PreSubclassWindow();
  SetUp();
}

int CUIComboBox::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  SetUp();
  return 0;
}

void CUIComboBox::SetUp() {
  m_bHover = 0;
  m_nButtonWidth = m_UIAttribute.m_nButtonWidth;
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(&info)) {
    // A list-only box reports itself (or nothing) as its edit field.
    if (info.hwndItem && info.hwndItem != m_hWnd && m_Edit.m_hWnd == nullptr) m_Edit.SubclassWindow(info.hwndItem);
    if (info.hwndList && m_List.m_hWnd == nullptr) m_List.SubclassWindow(info.hwndList);
  }
  LayOut();
}

void CUIComboBox::OnSize(UINT, int, int) { LayOut(); }

void CUIComboBox::LayOut() {
  if (m_Edit.m_hWnd == nullptr) return;
  CRect client;
  GetClientRect(&client);
  m_Edit.SetWindowPos(nullptr, 6, (client.Height() - 12) / 2, client.Width() - m_nButtonWidth - 10, 12, SWP_NOZORDER);
}

BOOL CUIComboBox::OnCommandReflect(UINT nCode) {
  if (nCode == CBN_CLOSEUP) RedrawButton();
  // The parent hears of it as well.
  return FALSE;
}

// ------------------------------------------------------------------ mouse

bool CUIComboBox::VerdictOverButton(CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (GetStyle() & 0x1) return client.PtInRect(point) != FALSE;  // CBS_SIMPLE, CBS_DROPDOWNLIST
  const int w = client.Width();
  const int h = client.Height();
  return point.y > 0 && point.y <= h - 1 && point.x >= w - m_nButtonWidth - 1 && point.x <= w - 1;
}

void CUIComboBox::OnLButtonDown(UINT, CPoint point) {
  // Read before the focus moves: an editable box rolls its list up when its
  // edit field loses the focus, and the click would then open it again.
  const BOOL dropped = GetDroppedState();
  SetFocus();
  if (!VerdictOverButton(point)) return;
  ShowDropDown(!dropped);
  RedrawButton();
}

void CUIComboBox::OnMouseMove(UINT, CPoint point) {
  Default();
  if (!m_bHover) m_bHover = VerdictOverButton(point) ? 1 : 0;
  if (!m_bHover) return;
  RedrawButton();
  SetTimer(HOVER_TIMER, HOVER_PERIOD);
}

void CUIComboBox::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != HOVER_TIMER) {
    Default();
    return;
  }
  if (m_bHover) {
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    if (!VerdictOverButton(cursor)) {
      m_bHover = 0;
      RedrawButton();
    }
  }
  if (!m_bHover) KillTimer(HOVER_TIMER);
}

// ------------------------------------------------------------------ painting

void CUIComboBox::RedrawButton() {
  CRect client;
  GetClientRect(&client);
  const CRect button(client.right - m_nButtonWidth - 1, 1, client.right - 1, client.bottom - 1);
  RedrawWindow(&button, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CUIComboBox::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  const int w = client.Width();
  const int h = client.Height();
  const int bw = m_nButtonWidth;
  const CUIComboBoxAttr& attr = m_UIAttribute;
  const bool disabled = !IsWindowEnabled();
  const DWORD type = GetStyle() & 0x3;

  if (type == CBS_DROPDOWN || GetCurSel() == CB_ERR)
    dc.FillSolidRect(1, 1, w - bw - 2, h - 2, disabled ? CUIDialog::m_UIAttribute.m_crBackground : attr.m_crBackground);
  if (type == CBS_DROPDOWNLIST) {
    if (::GetFocus() == m_hWnd)
      dc.FillSolidRect(0, 0, w - bw, h - 1, attr.m_crBackground);
    else
      dc.FillSolidRect(&client, attr.m_crBackground);
    CString text;
    GetWindowText(text);
    HGDIOBJ oldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    CRect textArea = client;
    textArea.OffsetRect(4, 0);
    dc.DrawText(text, &textArea, DT_SINGLELINE | DT_VCENTER);
    dc.SelectObject(oldFont);
  }

  COLORREF border = attr.m_crBorder;
  CUIRenderManager* render = CUIRenderManager::GetInstance();
  if (!m_bDrawBorder)
    border = attr.m_crBackground;
  else if (disabled)
    border = attr.m_crDisableBorder;
  else if (m_bRender && render)
    border = render->RenderColor(0.77, 0.65);
  dc.Draw3dRect(&client, border, border);

  DrawButton(&dc, client);
}

void CUIComboBox::DrawButton(CDC* pDC, const CRect& client) {
  const int frame = !IsWindowEnabled() ? SkinStrip::FRAME_DISABLED
                    : GetDroppedState()  ? SkinStrip::FRAME_PRESSED
                    : m_bHover           ? SkinStrip::FRAME_HOVER
                                         : SkinStrip::FRAME_NORMAL;
  const bool custom = m_hButtonModule && m_nButtonImage;
  CBitImage strip;
  if (!SkinStrip::Load(strip, custom ? m_hButtonModule : nullptr,
                       custom ? MAKEINTRESOURCEW(m_nButtonImage) : nullptr, IDB_COMBO_DROP, m_bRender != 0))
    return;
  const CRect button(client.right - m_nButtonWidth - 1, 1, client.right - 1, client.bottom - 1);
  SkinStrip::DrawFrame(strip, pDC->GetSafeHdc(), frame, button);
}
