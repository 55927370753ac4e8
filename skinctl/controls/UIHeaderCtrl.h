// CUIHeaderCtrl: the header of a skinned report list, drawn from the list's
// three header images (left edge, body, right edge) with centred texts in a
// point font of its own. A number of leading columns can be locked against
// resizing.
#pragma once

#include "CFont.h"
#include "CHeaderCtrl.h"
#include "SkinctlApi.h"

class SKINCTL_API CUIHeaderCtrl : public CHeaderCtrl {
 public:
  enum { DEFAULT_FONT_SIZE = 130, TEXT_LENGTH = 64 };

  CUIHeaderCtrl();
  ~CUIHeaderCtrl() override;

  // The texts' font size in tenths of a point; applied at once when the
  // header has a window.
  void SetItemHeight(UINT nFontSize);
  // Columns 0 ... nLockCount - 1 cannot be resized by dragging.
  void SetLockCount(UINT nLockCount);
  UINT GetLockCount() const { return m_nLockCount; }

 protected:
  void PreSubclassWindow() override;
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);

  UINT m_nLockCount;
  UINT m_nFontSize;

 private:
  // A point font of the stored size in the skin's face, given to the window.
  void ApplyFont();

  CFont m_Font;
};
