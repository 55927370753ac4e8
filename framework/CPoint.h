// CPoint: a POINT with arithmetic.
#pragma once

#include <windows.h>

class CSize;

class CPoint : public POINT {
public:
  CPoint() { x = 0; y = 0; }
  CPoint(int initX, int initY) { x = initX; y = initY; }
  CPoint(POINT pt) { x = pt.x; y = pt.y; }
  // Packed coordinates as in a mouse message's lParam.
  explicit CPoint(LPARAM dwPoint) {
    x = static_cast<short>(LOWORD(dwPoint));
    y = static_cast<short>(HIWORD(dwPoint));
  }

  bool operator==(POINT pt) const { return x == pt.x && y == pt.y; }
  bool operator!=(POINT pt) const { return !(*this == pt); }
  CPoint& operator+=(POINT pt) { x += pt.x; y += pt.y; return *this; }
  CPoint& operator-=(POINT pt) { x -= pt.x; y -= pt.y; return *this; }
  CPoint operator+(POINT pt) const { return CPoint(x + pt.x, y + pt.y); }
  CPoint operator-(POINT pt) const { return CPoint(x - pt.x, y - pt.y); }
  CPoint operator-() const { return CPoint(-x, -y); }
};
