// The gallery: a skinned dialog showing the library's controls and pictures
// in the current colour scheme.
#pragma once

#include "UIDialog.h"

class CGalleryDialog : public CUIDialog {
 public:
  enum { IDD = 100 };
  enum Timer { SWITCH_TIMER = 1, QUIT_TIMER = 2 };

  // switchAfter/quitAfter in milliseconds, 0 = never.
  CGalleryDialog(const _UIRenderInfo& second, UINT switchAfter, UINT quitAfter);

  void OnDrawClientArea(CDC* pDC, int cx, int cy) override;

 protected:
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void DrawSchemeSwatches(CDC* pDC, int x, int y);
  void DrawStrip(CDC* pDC, UINT id, int frames, int x, int y);

  _UIRenderInfo m_Second;
  UINT m_nSwitchAfter;
  UINT m_nQuitAfter;
};
