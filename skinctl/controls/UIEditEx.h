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

  // The control's own brushes and colours, laid out as the shared record:
  // brushes empty until set, colours -1 where the shared ones apply.
  CUIEditAttr m_Own;

 private:
  // Stores one state's colours, re-creates its brush and redraws.
  void SetStateColor(COLORREF& text, COLORREF& back, COLORREF& border, CBrush& brush, COLORREF newText,
                     COLORREF newBack, COLORREF newBorder);
};
