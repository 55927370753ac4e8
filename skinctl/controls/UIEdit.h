// CUIEdit: an edit control in flat skin colours - its background and text
// through the reflected control-colour message, and a two-line flat frame
// painted in place of the system border. All CUIEdit objects share one
// colour set, CUIEdit::m_UIAttribute.
#pragma once

#include "CBrush.h"
#include "CEdit.h"
#include "SkinctlApi.h"
#include "UIRenderManager.h"

class SKINCTL_API CUIEditAttr {
 public:
  // Every colour -1 (none) until Initialization.
  CUIEditAttr();
  CUIEditAttr(const CUIEditAttr&) = delete;
  CUIEditAttr& operator=(const CUIEditAttr&) = delete;

  // Sets the fixed colours and re-creates the two background brushes.
  bool Initialization(CUIRenderManager* render);

  CBrush m_brEnable;
  CBrush m_brDisable;
  COLORREF m_crEnableBack;
  COLORREF m_crDisableBack;
  COLORREF m_crEnableText;
  COLORREF m_crDisableText;
  COLORREF m_crEnableBorder;
  COLORREF m_crDisableBorder;
};

class SKINCTL_API CUIEdit : public CEdit {
 public:
  CUIEdit();
  ~CUIEdit() override;

  static CUIEditAttr m_UIAttribute;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
  virtual void OnNcPaint();

  // A disabled single-line edit writes its text itself, in the text colour
  // of the control-colour answer: the system would write it in its own grey,
  // unreadable on the skin's grey.
  void PaintDisabled();
  // The two frame lines around the window, outer and (one pixel inside)
  // inner, in the DC's coordinates of the whole window.
  void DrawControlView(CDC* pDC, COLORREF outer, COLORREF inner);
  // Paints the frame on the window DC, where it is visible; an edit with
  // scroll bars has them drawn by the system first.
  void PaintFrame(COLORREF border, COLORREF back);
};
