// Skinned controls held in their hover look for the gallery's pictures: the
// look a pointer gives them, kept while no pointer is there.
#pragma once

#include "UIButton.h"
#include "UIComboBox.h"
#include "UIHyperLink.h"

class CPinnedHoverButton : public CUIButton {
 public:
  void Pin();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CPinnedHoverComboBox : public CUIComboBox {
 public:
  void Pin();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CPinnedHoverLink : public CUIHyperLink {
 public:
  void Pin();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
