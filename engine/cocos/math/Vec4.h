#ifndef MATH_VEC4_H
#define MATH_VEC4_H

#include "math/CCMathBase.h"

NS_CC_MATH_BEGIN

// A four-component vector (homogeneous points, colours).
class CC_DLL Vec4
{
public:
    float x;
    float y;
    float z;
    float w;

    Vec4() : x(0.0f), y(0.0f), z(0.0f), w(0.0f) {}
    Vec4(float xx, float yy, float zz, float ww) : x(xx), y(yy), z(zz), w(ww) {}

    void set(float xx, float yy, float zz, float ww) { x = xx; y = yy; z = zz; w = ww; }
    bool isZero() const { return x == 0.0f && y == 0.0f && z == 0.0f && w == 0.0f; }
    Vec4 operator+(const Vec4& v) const { return Vec4(x + v.x, y + v.y, z + v.z, w + v.w); }
    Vec4 operator-(const Vec4& v) const { return Vec4(x - v.x, y - v.y, z - v.z, w - v.w); }
    Vec4 operator*(float s) const { return Vec4(x * s, y * s, z * s, w * s); }
    bool operator==(const Vec4& v) const { return x == v.x && y == v.y && z == v.z && w == v.w; }
    bool operator!=(const Vec4& v) const { return !(*this == v); }
};

NS_CC_MATH_END

#endif
