#ifndef __MATH_CCGEOMETRY_H__
#define __MATH_CCGEOMETRY_H__

#include "math/CCMathBase.h"
#include "math/Vec2.h"

NS_CC_BEGIN

class CC_DLL Size
{
public:
    float width;
    float height;

    operator Vec2() const { return Vec2(width, height); }

    Size() : width(0), height(0) {}
    Size(float w, float h) : width(w), height(h) {}
    explicit Size(const Vec2& point) : width(point.x), height(point.y) {}
    Size(const Size& other) = default;
    Size& operator=(const Size& other) = default;
    Size& operator=(const Vec2& point) { setSize(point.x, point.y); return *this; }

    Size operator+(const Size& right) const { return Size(width + right.width, height + right.height); }
    Size operator-(const Size& right) const { return Size(width - right.width, height - right.height); }
    Size operator*(float a) const { return Size(width * a, height * a); }
    Size operator/(float a) const { return Size(width / a, height / a); }

    void setSize(float w, float h) { width = w; height = h; }
    bool equals(const Size& target) const;

    static const Size ZERO;
};

class CC_DLL Rect
{
public:
    Vec2 origin;
    Size size;

    Rect() {}
    Rect(float x, float y, float width, float height) : origin(x, y), size(width, height) {}
    Rect(const Vec2& pos, const Size& dimension) : origin(pos), size(dimension) {}
    Rect(const Rect& other) = default;
    Rect& operator=(const Rect& other) = default;

    void setRect(float x, float y, float width, float height);
    float getMinX() const { return origin.x; }
    float getMidX() const { return origin.x + size.width / 2.0f; }
    float getMaxX() const { return origin.x + size.width; }
    float getMinY() const { return origin.y; }
    float getMidY() const { return origin.y + size.height / 2.0f; }
    float getMaxY() const { return origin.y + size.height; }
    bool equals(const Rect& rect) const;
    // Edges count as inside.
    bool containsPoint(const Vec2& point) const;
    bool intersectsRect(const Rect& rect) const;
    bool intersectsCircle(const Vec2& center, float radius) const;
    Rect unionWithRect(const Rect& rect) const;
    void merge(const Rect& rect);

    static const Rect ZERO;
};

NS_CC_END

#endif
