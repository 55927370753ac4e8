#include "UIEditEx.h"

#include "CDC.h"

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);

COLORREF Either(COLORREF own, COLORREF shared) { return own != kNone ? own : shared; }

HBRUSH Either(const CBrush& own, const CBrush& shared) {
  HGDIOBJ brush = own.GetSafeHandle() ? own.GetSafeHandle() : shared.GetSafeHandle();
  return static_cast<HBRUSH>(brush);
}

}  // namespace

CUIEditEx::CUIEditEx() {
  const CUIEditAttr& shared = m_UIAttribute;
  m_Own.m_crEnableBack = shared.m_crEnableBack;
  m_Own.m_crDisableBack = shared.m_crDisableBack;
  m_Own.m_crEnableText = shared.m_crEnableText;
  m_Own.m_crDisableText = shared.m_crDisableText;
  m_Own.m_crEnableBorder = shared.m_crEnableBorder;
  m_Own.m_crDisableBorder = shared.m_crDisableBorder;
}

CUIEditEx::~CUIEditEx() {}

void CUIEditEx::SetEnableColor(COLORREF text, COLORREF back, COLORREF border) {
  SetStateColor(m_Own.m_crEnableText, m_Own.m_crEnableBack, m_Own.m_crEnableBorder, m_Own.m_brEnable, text, back,
                border);
}

void CUIEditEx::SetDisableColor(COLORREF text, COLORREF back, COLORREF border) {
  SetStateColor(m_Own.m_crDisableText, m_Own.m_crDisableBack, m_Own.m_crDisableBorder, m_Own.m_brDisable, text, back,
                border);
}

void CUIEditEx::SetStateColor(COLORREF& text, COLORREF& back, COLORREF& border, CBrush& brush, COLORREF newText,
                              COLORREF newBack, COLORREF newBorder) {
  text = newText;
  back = newBack;
  border = newBorder;
  brush.DeleteObject();
  brush.CreateSolidBrush(newBack);
  if (m_hWnd) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
}

HBRUSH CUIEditEx::CtlColor(CDC* pDC, UINT) {
  const CUIEditAttr& shared = m_UIAttribute;
  const bool enabled = IsWindowEnabled() != FALSE;
  HBRUSH brush = enabled ? Either(m_Own.m_brEnable, shared.m_brEnable) : Either(m_Own.m_brDisable, shared.m_brDisable);
  if (brush == nullptr) return nullptr;
  pDC->SetBkColor(enabled ? Either(m_Own.m_crEnableBack, shared.m_crEnableBack)
                          : Either(m_Own.m_crDisableBack, shared.m_crDisableBack));
  pDC->SetTextColor(enabled ? Either(m_Own.m_crEnableText, shared.m_crEnableText)
                            : Either(m_Own.m_crDisableText, shared.m_crDisableText));
  return brush;
}

void CUIEditEx::OnNcPaint() {
  // A colour still unset falls back to the shared one here too, so the frame
  // is never drawn in a colour that does not exist.
  const CUIEditAttr& shared = m_UIAttribute;
  if (IsWindowEnabled())
    PaintFrame(Either(m_Own.m_crEnableBorder, shared.m_crEnableBorder),
               Either(m_Own.m_crEnableBack, shared.m_crEnableBack));
  else
    PaintFrame(Either(m_Own.m_crDisableBorder, shared.m_crDisableBorder),
               Either(m_Own.m_crDisableBack, shared.m_crDisableBack));
}
