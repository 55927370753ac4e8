// CUIButton: a push button drawn by the skin from a strip of five equally
// wide frames (normal, pressed, checked, hovered, disabled) - the library's
// own strip or one of the host's - with a hover effect that fades in and out
// over eight timer steps, optional recolouring to the scheme, an optional
// window shape cut by the colour key RGB(255, 0, 255), and an optional PNG
// foreground composed over a snapshot of the parent's background.
#pragma once

#include "CButton.h"
#include "CMemDC.h"
#include "SkinctlApi.h"

class CBitImage;

class SKINCTL_API CUIButton : public CButton {
 public:
  enum { FADE_TIMER = 10, FADE_PERIOD = 30, FADE_STEPS = 8 };

  CUIButton();
  ~CUIButton() override;

  // The strip is resource id of module.
  bool SetButtonImage(UINT id, HINSTANCE module, bool render, bool colorKey);
  // ... with a PNG foreground (resource name or identifier) of the module.
  bool SetButtonImage(UINT id, LPCWSTR foreground, HINSTANCE module, bool render, bool colorKey);
  bool SetButtonImage(LPCWSTR strip, LPCWSTR foreground, HINSTANCE module, bool render, bool colorKey);
  // The strip is a bitmap file; false (and the file forgotten) when it does
  // not load.
  bool SetButtonImage(LPCWSTR file, HINSTANCE module, bool render, bool colorKey);

  // Takes the parent's background behind the button from dc (the parent's
  // client coordinates) for composing a PNG foreground over it.
  bool SetBackImage(CDC* dc);
  void SetButtonColor(COLORREF color);
  void SetRenderImage(bool render);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  void DrawButtonText(CDC* pDC, UINT itemState);

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnTimer(UINT_PTR nIDEvent);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  void OnMouseMove(UINT nFlags, CPoint point);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  void OnNcDestroy();

  // Whether a strip of the host's is set (else the library's own is used).
  bool HasCustomStrip() const;
  // The strip to draw (custom or built in), recoloured when asked, with the
  // PNG foreground composed over it; composeBackground: the snapshot first.
  bool LoadStrip(CBitImage& strip, bool composeBackground);
  void SetUpOwnerDraw();
  // Sizes the window to one frame of the strip and cuts the keyed shape.
  void Rectify();
  void Redraw();
  // The strip frame for an item state: disabled, pressed, hovered (when the
  // button shows hover) or normal - and checked over all of them.
  int FrameOf(UINT itemState, bool showHover) const;
  // One frame of the strip onto the client area: keyed when the colour key
  // is on, else copied or stretched.
  void DrawFrame(CBitImage& strip, CDC* pDC, int frame, const CRect& client);
  // The system's push button, for when no strip loads.
  void DrawFallback(CDC* pDC, UINT itemState);

  BYTE m_bHover;
  BYTE m_bColorKey;
  BYTE m_bRender;
  int m_nCheck;
  WORD m_nFade;
  COLORREF m_crText;
  LPCWSTR m_lpszForeground;
  LPCWSTR m_lpszStrip;
  HINSTANCE m_hModule;
  CMemDC m_BackDC;
  BYTE m_bFile;
  wchar_t m_szFile[MAX_PATH];

 private:
  // The fade between the normal and the hover frame, composed off screen.
  void DrawFade(CBitImage& strip, CDC* pDC, const CRect& client, UINT itemState);
  bool StoreImage(LPCWSTR strip, LPCWSTR foreground, HINSTANCE module, bool render, bool colorKey);
};
