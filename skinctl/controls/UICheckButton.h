// CUICheckButton: a skinned button that shows a checked frame (frame 2 of
// its strip) while its check state is 1, in place of the hover effect.
#pragma once

#include "UIButton.h"

class SKINCTL_API CUICheckButton : public CUIButton {
 public:
  CUICheckButton();
  ~CUICheckButton() override;

  void SetCheck(int nCheck);
  int GetCheck() const;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};
