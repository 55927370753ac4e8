#include "UICheckButton.h"

#include "CBitImage.h"
#include "SkinStrip.h"

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
  if (LoadStrip(strip, false)) {
    int frame = (state & ODS_DISABLED) ? SkinStrip::FRAME_DISABLED
                : (state & ODS_SELECTED) ? SkinStrip::FRAME_PRESSED
                                         : SkinStrip::FRAME_NORMAL;
    if (m_nCheck == 1) frame = SkinStrip::FRAME_CHECKED;
    DrawFrame(strip, dc, frame, client);
  } else {
    DrawFallback(dc, state);
  }
  DrawButtonText(dc, state);
}
