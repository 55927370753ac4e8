// CUILayered: the companion window of a skinned dialog. An owned popup with
// per-pixel alpha laid over the dialog's window rectangle; its region keeps
// only the dialog's soft outer margin, so the frame's edge can be translucent
// while the dialog itself stays an ordinary window.
#pragma once

#include "CWnd.h"
#include "SkinctlApi.h"

class CDC;
class CPngImage;

class SKINCTL_API CUILayered : public CWnd {
 public:
  CUILayered();

  // Creates the window over rect (screen coordinates), owned by owner.
  bool CreateLayered(CWnd* owner, CRect& rect);
  // Publishes the bitmap selected into dc as the window's content with the
  // given constant alpha, and cuts the window's region: everything but the
  // rounded hole (and, when asked, the owner's child windows).
  bool InitLayeredArea(CDC* dc, BYTE alpha, CRect& hole, CPoint& round, bool excludeChildren);
  bool InitLayeredArea(CPngImage& image, BYTE alpha, CRect& hole, CPoint& round, bool excludeChildren);

  CWnd* m_pOwner;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnClose();
  void OnSetFocus();

 private:
  bool Publish(HDC source, int width, int height, BYTE alpha, const CRect& hole, const CPoint& round,
               bool excludeChildren);
};
