// CUISplitter: a static control used as a draggable divider bar. It paints
// itself in a skin colour, shows an inverted ghost bar while it is dragged
// within its range, moves itself when released and reports the new position
// to the host's ISplitterEvent.
#pragma once

#include "CWnd.h"
#include "SkinctlApi.h"

// 0: a horizontal bar that moves up and down; 1: a vertical bar that moves
// left and right.
enum enSplitterType { SPLITTER_HORIZONTAL = 0, SPLITTER_VERTICAL = 1 };

class SKINCTL_API ISplitterEvent {
 public:
  // The splitter's control id and the new centre of the bar along its axis,
  // in the parent's client coordinates.
  virtual void OnSplitterMove(UINT nID, int x, int y) = 0;

 protected:
  ~ISplitterEvent() = default;
};

class SKINCTL_API CUISplitter : public CWnd {
 public:
  CUISplitter();
  ~CUISplitter() override;

  void SetSplitterType(enSplitterType type);
  enSplitterType GetSplitterType() const;
  // The span the bar's centre line may take, in the parent's client
  // coordinates along the bar's axis.
  void SetSplitterRange(int nMin, int nMax);
  void GetSplitterRange(int& nMin, int& nMax) const;
  void SetSplitterEvent(ISplitterEvent* pEvent);
  ISplitterEvent* GetSplitterEvent() const;
  // A fixed colour, or one that follows the scheme.
  void SetSplitterColor(COLORREF color);
  void SetSplitterColor(double saturation, double brightness);

 protected:
  void PreSubclassWindow() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  void OnPaint();
  void OnKillFocus(CWnd* pNewWnd);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);

  BYTE m_bDragging;
  CRect m_rcGhost;
  int m_nMax;
  int m_nMin;
  enSplitterType m_eType;
  ISplitterEvent* m_pEvent;
  double m_fSaturation;
  double m_fBrightness;
  COLORREF m_crColor;

 private:
  // Half the bar's thickness along its axis.
  int HalfBar() const;
  // A point of this window's client area along the axis, in the parent's
  // client coordinates, clamped into the range; outside tells whether it
  // had to be.
  int ParentPosition(CPoint point, bool* outside) const;
  // The ghost moved so that its centre along the axis is at position.
  CRect GhostAt(int position) const;
  void InvertGhost(const CRect& ghost);
  // Ends a drag without moving (focus or capture lost).
  void CancelDrag();
  void Redraw();
};
