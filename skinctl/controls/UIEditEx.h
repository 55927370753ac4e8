// CUIEditEx: a skinned edit with colours of its own for the enabled and the
// disabled state. A colour left at -1 is taken from the shared record.
#pragma once

#include "UIEdit.h"

class SKINCTL_API CUIEditEx : public CUIEdit {
 public:
  // Takes the shared colours as they are now (-1 before the first scheme).
  CUIEditEx();
  ~CUIEditEx() override;

  void SetEnableColor(COLORREF text, COLORREF back, COLORREF border);
  void SetDisableColor(COLORREF text, COLORREF back, COLORREF border);

 protected:
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
  void OnNcPaint() override;

  CBrush m_brEnable;
  CBrush m_brDisable;
  COLORREF m_crEnableBack;
  COLORREF m_crDisableBack;
  COLORREF m_crEnableText;
  COLORREF m_crDisableText;
  COLORREF m_crEnableBorder;
  COLORREF m_crDisableBorder;

 private:
  // Stores one state's colours, re-creates its brush and redraws.
  void SetStateColor(COLORREF& text, COLORREF& back, COLORREF& border, CBrush& brush, COLORREF newText,
                     COLORREF newBack, COLORREF newBorder);
};
