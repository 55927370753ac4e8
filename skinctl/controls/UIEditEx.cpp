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

CUIEditEx::CUIEditEx()
    : m_crEnableBack(m_UIAttribute.m_crEnableBack), m_crDisableBack(m_UIAttribute.m_crDisableBack),
      m_crEnableText(m_UIAttribute.m_crEnableText), m_crDisableText(m_UIAttribute.m_crDisableText),
      m_crEnableBorder(m_UIAttribute.m_crEnableBorder), m_crDisableBorder(m_UIAttribute.m_crDisableBorder) {}

CUIEditEx::~CUIEditEx() {}

void CUIEditEx::SetEnableColor(COLORREF text, COLORREF back, COLORREF border) {
  SetStateColor(m_crEnableText, m_crEnableBack, m_crEnableBorder, m_brEnable, text, back, border);
}

void CUIEditEx::SetDisableColor(COLORREF text, COLORREF back, COLORREF border) {
  SetStateColor(m_crDisableText, m_crDisableBack, m_crDisableBorder, m_brDisable, text, back, border);
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
  const CUIEditAttr& attr = m_UIAttribute;
  const bool enabled = IsWindowEnabled() != FALSE;
  HBRUSH brush = enabled ? Either(m_brEnable, attr.m_brEnable) : Either(m_brDisable, attr.m_brDisable);
  if (brush == nullptr) return nullptr;
  pDC->SetBkColor(enabled ? Either(m_crEnableBack, attr.m_crEnableBack) : Either(m_crDisableBack, attr.m_crDisableBack));
  pDC->SetTextColor(enabled ? Either(m_crEnableText, attr.m_crEnableText)
                            : Either(m_crDisableText, attr.m_crDisableText));
  return brush;
}

void CUIEditEx::OnNcPaint() {
  // A colour still unset falls back to the shared one here too, so the frame
  // is never drawn in a colour that does not exist.
  const CUIEditAttr& attr = m_UIAttribute;
  if (IsWindowEnabled())
    PaintFrame(Either(m_crEnableBorder, attr.m_crEnableBorder), Either(m_crEnableBack, attr.m_crEnableBack));
  else
    PaintFrame(Either(m_crDisableBorder, attr.m_crDisableBorder), Either(m_crDisableBack, attr.m_crDisableBack));
}
