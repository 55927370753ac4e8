// CUIHyperLink: a static text that sizes itself to its text, shows a hand
// cursor and changes colour when hovered or marked visited. Clicks reach the
// parent as ordinary static notifications (STN_CLICKED).
#pragma once

#include "CStatic.h"
#include "SkinctlApi.h"
#include "UIRenderManager.h"

class CFont;

class SKINCTL_API CUIHyperLinkAttribute {
 public:
  // Every colour -1 (none) until Initialization.
  CUIHyperLinkAttribute();

  bool Initialization(CUIRenderManager* render);

  COLORREF m_crBackground;
  COLORREF m_crHover;
  COLORREF m_crNormal;
  COLORREF m_crVisited;
};

class SKINCTL_API CUIHyperLink : public CStatic {
 public:
  CUIHyperLink();
  ~CUIHyperLink() override;

  // -1 for any of them: the shared colour.
  void SetHyperLinkTextColor(COLORREF hover, COLORREF normal, COLORREF visited);
  void SetBackGroundColor(COLORREF color);
  void SetVisited(bool visited);
  void SetUnderLine(bool underline);
  void SetAutoRectify(bool autoRectify);
  bool IsVisiteded() const;
  bool IsUnderline() const;
  bool IsAutoRectify() const;
  // The text's font (not owned; null: the skin's default font).
  void SetFont(CFont* pFont);

  static CUIHyperLinkAttribute m_UIAttribute;

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  void OnPaint();
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  void OnMouseMove(UINT nFlags, CPoint point);
  LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

  // Resizes the window to its text, keeping its top-left corner.
  void RectifySize();

  BYTE m_bVisited;
  BYTE m_bHover;
  BYTE m_bUnderline;
  BYTE m_bAutoRectify;
  COLORREF m_crBackground;
  COLORREF m_crHover;
  COLORREF m_crNormal;
  COLORREF m_crVisited;
  CFont* m_pFont;

 private:
  void SetUp();
  void Redraw();
  // The font to write with: the link's own, the skin's, or the window's.
  HFONT TextFont() const;
};
