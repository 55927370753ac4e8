// The gallery: a skinned dialog showing the library's controls and pictures
// in the current colour scheme.
#pragma once

#include <string>

#include "UIDialog.h"

class CGalleryDialog : public CUIDialog {
 public:
  enum { IDD = 100 };
  enum Timer { POLL_TIMER = 1, QUIT_TIMER = 2 };

  // control: a folder through which a script drives the gallery (empty: none).
  // The gallery writes "ready" there once it is on screen, applies the
  // second scheme when "switch" appears (and writes "switched"), and ends
  // when "quit" appears. quitAfter in milliseconds, 0 = never.
  CGalleryDialog(const _UIRenderInfo& second, const std::wstring& control, UINT quitAfter);

  void OnDrawClientArea(CDC* pDC, int cx, int cy) override;

 protected:
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Poll();
  bool Exists(const wchar_t* name) const;
  void Touch(const wchar_t* name) const;
  void DrawSchemeSwatches(CDC* pDC, int x, int y);
  void DrawStrip(CDC* pDC, UINT id, int frames, int x, int y);

  _UIRenderInfo m_Second;
  std::wstring m_sControl;
  UINT m_nQuitAfter;
  bool m_bReady;
  bool m_bSwitched;
};
