#include "UIComboBoxList.h"

#include "CMemDC.h"
#include "CWindowDC.h"
#include "UIComboBox.h"
#include "UIResourceManager.h"

CUIComboBoxList::CUIComboBoxList() {}

CUIComboBoxList::~CUIComboBoxList() {}

LRESULT CUIComboBoxList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCPAINT:
      Default();
      OnNcPaint();
      return 0;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}

void CUIComboBoxList::OnNcPaint() {
  CWindowDC dc(this);
  if (dc.GetSafeHdc() == nullptr) return;
  CRect window;
  GetWindowRect(&window);
  const COLORREF border = CUIComboBox::m_UIAttribute.m_crBorder;
  dc.Draw3dRect(0, 0, window.Width(), window.Height(), border, border);
}

void CUIComboBoxList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == nullptr) return;
  const CRect item(lpDrawItemStruct->rcItem);
  CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
  // Composed off screen; when no image can be made this item is not drawn.
  CMemDC canvas(dc, item.Width(), item.Height());
  if (!canvas.IsValid()) return;
  HGDIOBJ oldFont = nullptr;
  if (HFONT font = SkinDefaultFont()) oldFont = canvas.SelectObject(font);

  const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
  canvas.FillSolidRect(0, 0, item.Width(), item.Height(), selected ? RGB(10, 36, 106) : RGB(255, 255, 255));
  // The item's text: owner-drawn lists without strings hold none.
  CString text;
  const bool strings = !(GetStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) || (GetStyle() & LBS_HASSTRINGS);
  if (strings && static_cast<int>(lpDrawItemStruct->itemID) >= 0) GetText(lpDrawItemStruct->itemID, text);
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextColor(selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
  CRect textArea(4, 0, item.Width() - 4, item.Height());
  canvas.DrawText(text, &textArea, DT_SINGLELINE | DT_VCENTER);

  if (oldFont) canvas.SelectObject(oldFont);
  dc->BitBlt(item.left, item.top, item.Width(), item.Height(), &canvas, 0, 0, SRCCOPY);
}
