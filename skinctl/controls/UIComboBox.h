// CUIComboBox: a combo box painted by the skin - a flat one-pixel border, a
// flat background and a drop button from a five-frame strip with a hover
// state. Its edit field is a CUIEdit, its drop-down list a CUIComboBoxList.
// Editable (CBS_DROPDOWN) and list-only (CBS_DROPDOWNLIST) boxes both work.
#pragma once

#include "CComboBox.h"
#include "SkinctlApi.h"
#include "UIComboBoxList.h"
#include "UIEdit.h"
#include "UIRenderManager.h"

class SKINCTL_API CUIComboBoxAttr {
 public:
  // All zero until Initialization.
  CUIComboBoxAttr();

  // Sets the fixed sizes and colours.
  bool Initialization(CUIRenderManager* render);

  int m_nButtonWidth;
  COLORREF m_crBackground;
  COLORREF m_crBorder;
  COLORREF m_crDisableBorder;
};

class SKINCTL_API CUIComboBox : public CComboBox {
 public:
  enum { HOVER_TIMER = 10, HOVER_PERIOD = 10 };

  CUIComboBox();
  ~CUIComboBox() override;

  // A drop-button strip of the host's: resource id of module, frames size.cx
  // wide; the selection field becomes size.cy high.
  void SetButtonImage(HINSTANCE module, UINT id, CSize& size);
  void SetDrawBorad(bool draw);
  void SetRenderImage(bool render);

  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  // Items of an owner-drawn box are drawn by its skinned list.
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  static CUIComboBoxAttr m_UIAttribute;

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommandReflect(UINT nCode) override;

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnSize(UINT nType, int cx, int cy);
  void OnPaint();
  void OnTimer(UINT_PTR nIDEvent);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonDown(UINT nFlags, CPoint point);

  // Whether a client point counts as the drop button.
  bool VerdictOverButton(CPoint point);

  BYTE m_bHover;
  BYTE m_bDrawBorder;
  BYTE m_bRender;
  int m_nButtonWidth;
  int m_nButtonImage;
  HINSTANCE m_hButtonModule;
  CUIEdit m_Edit;
  CUIComboBoxList m_List;

 private:
  // Hover off, button width from the shared record, the edit field and the
  // list subclassed, the edit field placed.
  void SetUp();
  void LayOut();
  void RedrawButton();
  void DrawButton(CDC* pDC, const CRect& client);
  // The box asks for the selection field's height from inside its own
  // measuring: no second round.
  bool m_bMeasuring;
};
