// CUIDialog: a dialog base class whose system caption and border are replaced
// by a drawn frame - the PNG border, logo and haloed title, three drawn system
// buttons with a hover fade - clipped to a rounded rectangle, with a layered
// companion window showing the soft outer margin. Derived dialogs paint their
// content in OnDrawClientArea.
#pragma once

#include "CBrush.h"
#include "CDialog.h"
#include "EncirclePNG.h"
#include "SkinctlApi.h"
#include "UILayered.h"
#include "UIRenderManager.h"

// The colours, brush, frame and button metrics shared by all skinned dialogs.
class SKINCTL_API CUIDialogAttr {
 public:
  // Builds the frame from the library's PNG pieces and measures the system
  // buttons; the colours stay 0 until Initialization.
  CUIDialogAttr();
  CUIDialogAttr(const CUIDialogAttr&) = delete;
  CUIDialogAttr& operator=(const CUIDialogAttr&) = delete;

  // Sets the fixed colours and re-creates the background brush.
  bool Initialization(CUIRenderManager* render);

  COLORREF m_crTitle;
  COLORREF m_crTitleHalo;
  COLORREF m_crBackground;
  COLORREF m_crControlText;
  int m_nButtonWidth;
  int m_nButtonHeight;
  CBrush m_brBackground;
  CEncirclePNG m_Encircle;
  int m_nCaptionHeight;
  _EncircleInfo m_EncircleInfo;
};

class SKINCTL_API CUIDialog : public CDialog {
 public:
  enum SystemButton : BYTE { BUTTON_CLOSE = 0, BUTTON_MAXIMIZE = 1, BUTTON_MINIMIZE = 2, BUTTON_NONE = 255 };
  enum ButtonState : BYTE { STATE_SHOWN = 1, STATE_NOT_HOVERED = 2, STATE_DISABLED = 4 };
  enum { FADE_TIMER = 10, FADE_PERIOD = 30, FADE_STEPS = 8 };

  CUIDialog(UINT nIDTemplate, CWnd* pParent = nullptr);

  // Called last in every paint with the off-screen DC and the client size.
  virtual void OnDrawClientArea(CDC* pDC, int cx, int cy);

  // HTCLOSE, HTMAXBUTTON, HTMINBUTTON over a shown button, else HTCLIENT
  // below the caption and HTCAPTION within it (client coordinates).
  int HitTest(POINT point) const;

  static CUIDialogAttr m_UIAttribute;

 protected:
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;

  void OnSize(UINT nType, int cx, int cy);
  void OnTimer(UINT_PTR nIDEvent);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnMouseLeave();
  void OnCaptureChanged(CWnd* pWnd);
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

  // Lays out the buttons, cuts the rounded region and refreshes the companion.
  void RectifyResource(int cx, int cy);
  // The whole dialog, composed into dc at client size.
  void PaintDialog(CDC* pDC, int cx, int cy);
  void DrawSystemButtons(CDC* pDC);
  void DrawSystemButton(CDC* pDC, int index);
  void RedrawFrame();

  BYTE m_nHover;
  BYTE m_nPressed;
  BYTE m_bButtonState[3];
  BYTE m_bTimerRunning;
  WORD m_nFade[3];
  RECT m_rcButton[3];
  CUILayered m_Layered;

 private:
  // The button index of a hit-test code, or BUTTON_NONE.
  static BYTE ButtonOfHit(int hit);
  // The first shown button holding the point, or BUTTON_NONE.
  BYTE ButtonAt(POINT point) const;
  void StartFade();
  bool m_bTrackingLeave;
};
