#include "UICheckButton.h"

#include "CBitImage.h"

CUICheckButton::CUICheckButton() {}

CUICheckButton::~CUICheckButton() {}

void CUICheckButton::SetCheck(int nCheck) {
  m_nCheck = nCheck;
  if (m_hWnd) Invalidate(TRUE);
}

int CUICheckButton::GetCheck() const { return m_nCheck; }

void CUICheckButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == nullptr) return;
  CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
  const UINT state = lpDrawItemStruct->itemState;
  CRect client;
  GetClientRect(&client);

  // The foreground goes straight over the strip (no background snapshot).
  CBitImage strip;
  if (LoadStrip(strip, false))
    DrawFrame(strip, dc, FrameOf(state, false), client);
  else
    DrawFallback(dc, state);
  DrawButtonText(dc, state);
}
