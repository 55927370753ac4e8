// CUITabCtrl: a tab control painted flat - rounded-corner tab outlines and a
// one-pixel page frame in a border colour over a background colour.
#pragma once

#include "CTabCtrl.h"
#include "SkinctlApi.h"

class SKINCTL_API CUITabCtrl : public CTabCtrl {
 public:
  enum { PAGE_TOP = 26 };

  CUITabCtrl();
  ~CUITabCtrl() override;

  void SetTabCtrlColor(COLORREF back, COLORREF border);
  // Stored only: the tabs are drawn the same either way.
  void SetRenderImage(bool render);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint();

  BYTE m_bRender;
  COLORREF m_crBack;
  COLORREF m_crBorder;

 private:
  void Redraw();
};
