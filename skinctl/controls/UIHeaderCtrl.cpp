#include "UIHeaderCtrl.h"

#include "CMemDC.h"
#include "CPaintDC.h"
#include "UIListCtrl.h"
#include "UIResourceManager.h"

namespace {

const wchar_t kFace[] = L"\u5B8B\u4F53";

// Stretches a whole image onto (x, y, cx, cy); nothing for an empty one.
void Stretch(CBitImage& image, HDC dc, int x, int y, int cx, int cy) {
  if (image.IsNull() || cx <= 0 || cy <= 0) return;
  image.StretchBlt(dc, x, y, cx, cy, 0, 0, image.GetWidth(), image.GetHeight(), SRCCOPY);
}

}  // namespace

CUIHeaderCtrl::CUIHeaderCtrl() : m_nLockCount(0), m_nFontSize(DEFAULT_FONT_SIZE) {}

CUIHeaderCtrl::~CUIHeaderCtrl() {}

void CUIHeaderCtrl::SetItemHeight(UINT nFontSize) {
  m_nFontSize = nFontSize;
  if (m_hWnd) ApplyFont();
}

void CUIHeaderCtrl::SetLockCount(UINT nLockCount) { m_nLockCount = nLockCount; }

void CUIHeaderCtrl::PreSubclassWindow() {
  CHeaderCtrl::PreSubclassWindow();
  ApplyFont();
}

void CUIHeaderCtrl::ApplyFont() {
  CFont font;
  if (!font.CreatePointFont(static_cast<int>(m_nFontSize), kFace)) return;
  // The window takes the new font before the old one goes.
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
  m_Font.DeleteObject();
  m_Font.Attach(font.Detach());
}

BOOL CUIHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHEADERW*>(lParam);
    const UINT code = header->hdr.code;
    if ((code == HDN_BEGINTRACKW || code == HDN_BEGINTRACKA) && header->iItem >= 0 &&
        static_cast<UINT>(header->iItem) < m_nLockCount) {
      if (pResult) *pResult = TRUE;  // tracking refused
      return TRUE;
    }
  }
  return CHeaderCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CUIHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
  }
  return CHeaderCtrl::WindowProc(message, wParam, lParam);
}

BOOL CUIHeaderCtrl::OnEraseBkgnd(CDC*) {
  // The whole header is composed off screen and copied: paint it now
  // instead of erasing.
  Invalidate(FALSE);
  UpdateWindow();
  return TRUE;
}

void CUIHeaderCtrl::OnPaint() {
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  CMemDC canvas(&dc, client.Width(), client.Height());
  if (!canvas.IsValid()) return;
  CUIListCtrlAttr& attr = CUIListCtrl::m_UIAttribute;
  const HDC hdc = canvas.GetSafeHdc();

  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextColor(attr.m_crHeaderText);
  HFONT font = SkinDefaultFont();
  if (font == nullptr) font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (font) canvas.SelectObject(font);
  // Without images (no scheme applied yet) a plain face shows through.
  canvas.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
  Stretch(attr.m_HeaderBody, hdc, 0, 0, client.Width(), client.Height());

  const int leftWidth = attr.m_HeaderLeft.IsNull() ? 0 : attr.m_HeaderLeft.GetWidth();
  const int rightWidth = attr.m_HeaderRight.IsNull() ? 0 : attr.m_HeaderRight.GetWidth();
  const int count = GetItemCount();
  for (int i = 0; i < count; ++i) {
    wchar_t text[TEXT_LENGTH + 1] = {};
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = TEXT_LENGTH + 1;
    if (!GetItem(i, &item)) text[0] = L'\0';
    CRect r;
    if (!GetItemRect(i, &r)) continue;
    Stretch(attr.m_HeaderLeft, hdc, r.left, r.top, leftWidth, r.Height());
    Stretch(attr.m_HeaderBody, hdc, r.left + leftWidth, r.top, r.Width() - rightWidth - leftWidth, r.Height());
    Stretch(attr.m_HeaderRight, hdc, r.right - rightWidth, r.top, rightWidth, r.Height());
    CRect area(r.left + 3, r.top + 1, r.right - 3, r.bottom - 1);
    canvas.DrawText(text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  }
  canvas.CopyTo(dc.GetSafeHdc());
}
