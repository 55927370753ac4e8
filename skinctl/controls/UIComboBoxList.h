// CUIComboBoxList: the drop-down list of a skinned combo box - a flat
// one-pixel border and, for owner-drawn combo boxes, flat items with a solid
// selection.
#pragma once

#include "CListBox.h"
#include "SkinctlApi.h"

class SKINCTL_API CUIComboBoxList : public CListBox {
 public:
  CUIComboBoxList();
  ~CUIComboBoxList() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnNcPaint();
};
