// A button that has no window of its own: its owner draws it and forwards the
// mouse to it. The picture is a strip of three equal frames side by side:
// normal, hot (mouse over it) and pressed. A click (press and release over
// the button) posts WM_COMMAND with the button's id to the owner.
#pragma once

#include <windows.h>

#include "CPngImage.h"

class CVirtualButton {
public:
  enum State { STATE_NORMAL = 0, STATE_HOT = 1, STATE_PRESSED = 2 };

  CVirtualButton();
  virtual ~CVirtualButton() = default;

  void Setup(HWND owner, UINT id, int x, int y);
  // Loads the three-frame strip; the button takes one frame's size.
  bool LoadImage(HMODULE module, LPCWSTR name);

  UINT GetID() const { return m_nID; }
  int GetState() const { return m_nState; }
  RECT GetRect() const;
  bool HitTest(POINT pt) const;

  void Draw(HDC dc) const;

  // Mouse input in the owner's client coordinates. Each returns true when
  // the state changed, so the owner knows to repaint.
  bool OnMouseMove(POINT pt);
  bool OnMouseLeave();
  // True when the press landed on the button (the owner then keeps it
  // from its own handling, such as dragging the window).
  bool OnLButtonDown(POINT pt);
  bool OnLButtonUp(POINT pt);

private:
  bool SetState(int state);

  HWND m_hOwner;
  UINT m_nID;
  int m_nWidth;
  int m_nHeight;
  int m_nX;
  int m_nY;
  int m_nState;
  CPngImage m_Image;
};
