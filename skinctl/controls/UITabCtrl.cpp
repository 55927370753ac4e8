#include "UITabCtrl.h"

#include "CPaintDC.h"
#include "CPen.h"
#include "UIResourceManager.h"

CUITabCtrl::CUITabCtrl() : m_bRender(0), m_crBack(RGB(250, 250, 250)), m_crBorder(RGB(145, 168, 183)) {}

CUITabCtrl::~CUITabCtrl() {}

void CUITabCtrl::SetTabCtrlColor(COLORREF back, COLORREF border) {
  m_crBack = back;
  m_crBorder = border;
  Redraw();
}

void CUITabCtrl::SetRenderImage(bool render) {
  m_bRender = render ? 1 : 0;
  Redraw();
}

void CUITabCtrl::Redraw() {
  if (m_hWnd) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
}

LRESULT CUITabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
  }
  return CTabCtrl::WindowProc(message, wParam, lParam);
}

void CUITabCtrl::OnPaint() {
  CPaintDC dc(this);
  CRect clip;
  dc.GetClipBox(&clip);
  dc.FillSolidRect(&clip, m_crBack);
  dc.SetBkMode(TRANSPARENT);
  HGDIOBJ oldFont = nullptr;
  if (HFONT font = SkinDefaultFont()) oldFont = dc.SelectObject(font);

  CRect client;
  GetClientRect(&client);
  dc.Draw3dRect(0, PAGE_TOP, client.Width(), client.Height() - PAGE_TOP, m_crBorder, m_crBorder);

  CPen pen(PS_SOLID, 1, m_crBorder);
  HGDIOBJ oldPen = dc.SelectObject(static_cast<HGDIOBJ>(pen.GetSafeHandle()));
  dc.SetTextColor(RGB(0, 0, 0));
  const int selected = GetCurSel();
  for (int i = 0; i < GetItemCount(); ++i) {
    wchar_t text[201] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 201;
    GetItem(i, &item);
    CRect r;
    if (!GetItemRect(i, &r)) continue;

    dc.FillSolidRect(&r, m_crBack);
    const POINT outline[] = {{r.left, r.bottom - 1}, {r.left, r.top + 2},      {r.left + 2, r.top},
                             {r.right - 2, r.top},   {r.right, r.top + 2},     {r.right, r.bottom - 1}};
    dc.Polyline(outline, sizeof outline / sizeof outline[0]);
    if (i != selected) {
      dc.MoveTo(r.left, r.bottom - 1);
      dc.LineTo(r.right, r.bottom - 1);
    }
    CRect textArea = r;
    textArea.top += i == selected ? 3 : 2;
    dc.DrawText(text, -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  dc.SelectObject(oldPen);
  if (oldFont) dc.SelectObject(oldFont);
}
