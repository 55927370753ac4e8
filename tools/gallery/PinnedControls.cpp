#include "PinnedControls.h"

void CPinnedHoverButton::Pin() {
  m_bHover = 1;
  m_nFade = FADE_STEPS;
  Invalidate(FALSE);
}

LRESULT CPinnedHoverButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSELEAVE || message == WM_MOUSEMOVE) return 0;
  return CUIButton::WindowProc(message, wParam, lParam);
}

void CPinnedHoverComboBox::Pin() {
  m_bHover = 1;
  Invalidate(FALSE);
}

LRESULT CPinnedHoverComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE || (message == WM_TIMER && wParam == HOVER_TIMER)) return 0;
  return CUIComboBox::WindowProc(message, wParam, lParam);
}

void CPinnedHoverLink::Pin() {
  m_bHover = 1;
  Invalidate(TRUE);
}

LRESULT CPinnedHoverLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSELEAVE || message == WM_MOUSEMOVE) return 0;
  return CUIHyperLink::WindowProc(message, wParam, lParam);
}
