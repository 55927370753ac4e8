// The layered companion of a skinned window: an owned, per-pixel-alpha pop-up
// that lies exactly over its owner and shows the translucent outer ring of
// the owner's picture. The owner's own window region cuts the ring away, and
// the skin's region cuts the owner's inner area (the hole) away, so each
// pixel is drawn by exactly one of the two.
#pragma once

#include <windows.h>

#include "CWnd.h"

class CPngImage;

class CSkinLayered : public CWnd {
public:
  CSkinLayered();

  // Creates the hidden layered window over rect (screen coordinates); does
  // nothing when the owner has no window.
  BOOL CreateSkin(CWnd* pOwner, const RECT& rect);
  // Renders the picture into an off-screen 32-bit bitmap and shows it.
  void SetSkinImage(const CPngImage& image, BYTE alpha, const RECT& hole, SIZE corner, BOOL excludeChildren);
  // Shows the bitmap selected into dc (premultiplied BGRA) with the given
  // constant alpha, and limits the skin to what lies outside the hole.
  void UpdateSkin(HDC dc, BYTE alpha, const RECT& hole, SIZE corner, BOOL excludeChildren);

  // The owner calls these from its WM_SHOWWINDOW and WM_WINDOWPOSCHANGED
  // handlers (after default handling): the skin shows, hides and moves with
  // it, without taking the activation from it.
  void FollowOwnerShow(BOOL bShow);
  void FollowOwnerPos(const WINDOWPOS* pos);

  CWnd* GetOwnerWnd() const { return m_pOwner; }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void OnClose();
  void OnSetFocus();

  CWnd* m_pOwner;
};
