// CRect: a RECT with the usual geometry. Right and bottom are exclusive, as
// everywhere in GDI.
#pragma once

#include <windows.h>

#include "CPoint.h"
#include "CSize.h"

class CRect : public RECT {
public:
  CRect() { ::SetRectEmpty(this); }
  CRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
  CRect(const RECT& rc) { ::CopyRect(this, &rc); }
  CRect(LPCRECT prc) { if (prc) ::CopyRect(this, prc); else ::SetRectEmpty(this); }
  CRect(POINT pt, SIZE size) { ::SetRect(this, pt.x, pt.y, pt.x + size.cx, pt.y + size.cy); }
  CRect(POINT topLeft, POINT bottomRight) { ::SetRect(this, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
  const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
  BOOL PtInRect(POINT pt) const { return ::PtInRect(this, pt); }
  BOOL EqualRect(LPCRECT prc) const { return ::EqualRect(this, prc); }

  void SetRectEmpty() { ::SetRectEmpty(this); }

  void DeflateRect(int x, int y) { ::InflateRect(this, -x, -y); }
  void DeflateRect(SIZE s) { ::InflateRect(this, -s.cx, -s.cy); }
  void DeflateRect(int l, int t, int r, int b) { left += l; top += t; right -= r; bottom -= b; }
  void OffsetRect(int x, int y) { ::OffsetRect(this, x, y); }
  void OffsetRect(POINT pt) { ::OffsetRect(this, pt.x, pt.y); }
  void OffsetRect(SIZE s) { ::OffsetRect(this, s.cx, s.cy); }
  void MoveToX(int x) { right = Width() + x; left = x; }
  void MoveToY(int y) { bottom = Height() + y; top = y; }
  void MoveToXY(int x, int y) { MoveToX(x); MoveToY(y); }
  void MoveToXY(POINT pt) { MoveToXY(pt.x, pt.y); }
  void NormalizeRect();

  BOOL SubtractRect(LPCRECT a, LPCRECT b) { return ::SubtractRect(this, a, b); }

  bool operator==(const RECT& rc) const { return ::EqualRect(this, &rc) != FALSE; }
  bool operator!=(const RECT& rc) const { return !(*this == rc); }
  CRect& operator=(const RECT& rc) { ::CopyRect(this, &rc); return *this; }
  CRect& operator+=(POINT pt) { OffsetRect(pt); return *this; }
  CRect& operator-=(POINT pt) { ::OffsetRect(this, -pt.x, -pt.y); return *this; }
  CRect& operator&=(const RECT& rc) { ::IntersectRect(this, this, &rc); return *this; }
  CRect& operator|=(const RECT& rc) { ::UnionRect(this, this, &rc); return *this; }
  CRect operator+(POINT pt) const { CRect r(*this); r += pt; return r; }
  CRect operator-(POINT pt) const { CRect r(*this); r -= pt; return r; }
  CRect operator&(const RECT& rc) const { CRect r; ::IntersectRect(&r, this, &rc); return r; }
  CRect operator|(const RECT& rc) const { CRect r; ::UnionRect(&r, this, &rc); return r; }
};

inline void CRect::NormalizeRect() {
  if (left > right) { LONG t = left; left = right; right = t; }
  if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
}
