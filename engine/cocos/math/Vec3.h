#ifndef MATH_VEC3_H
#define MATH_VEC3_H

#include <math.h>
#include "math/CCMathBase.h"

NS_CC_MATH_BEGIN

// A three-dimensional point or vector.
class CC_DLL Vec3
{
public:
    float x;
    float y;
    float z;

    Vec3() : x(0.0f), y(0.0f), z(0.0f) {}
    Vec3(float xx, float yy, float zz) : x(xx), y(yy), z(zz) {}
    explicit Vec3(const float* array) { set(array); }

    bool isZero() const { return x == 0.0f && y == 0.0f && z == 0.0f; }
    bool isOne() const { return x == 1.0f && y == 1.0f && z == 1.0f; }
    void add(const Vec3& v) { x += v.x; y += v.y; z += v.z; }
    void add(float xx, float yy, float zz) { x += xx; y += yy; z += zz; }
    void cross(const Vec3& v);
    static void cross(const Vec3& v1, const Vec3& v2, Vec3* dst);
    float distance(const Vec3& v) const;
    float distanceSquared(const Vec3& v) const;
    float dot(const Vec3& v) const { return (x * v.x + y * v.y + z * v.z); }
    static float dot(const Vec3& v1, const Vec3& v2) { return (v1.x * v2.x + v1.y * v2.y + v1.z * v2.z); }
    float length() const { return sqrtf(x * x + y * y + z * z); }
    float lengthSquared() const { return (x * x + y * y + z * z); }
    void negate() { x = -x; y = -y; z = -z; }
    void normalize();
    Vec3 getNormalized() const;
    void scale(float scalar) { x *= scalar; y *= scalar; z *= scalar; }
    void set(float xx, float yy, float zz) { x = xx; y = yy; z = zz; }
    void set(const float* array);
    void set(const Vec3& v) { x = v.x; y = v.y; z = v.z; }
    void setZero() { x = y = z = 0.0f; }
    void subtract(const Vec3& v) { x -= v.x; y -= v.y; z -= v.z; }
    Vec3 lerp(const Vec3& target, float alpha) const { return *this * (1.f - alpha) + target * alpha; }

    Vec3 operator+(const Vec3& v) const { return Vec3(x + v.x, y + v.y, z + v.z); }
    Vec3& operator+=(const Vec3& v) { add(v); return *this; }
    Vec3 operator-(const Vec3& v) const { return Vec3(x - v.x, y - v.y, z - v.z); }
    Vec3& operator-=(const Vec3& v) { subtract(v); return *this; }
    Vec3 operator-() const { return Vec3(-x, -y, -z); }
    Vec3 operator*(float s) const { return Vec3(x * s, y * s, z * s); }
    Vec3& operator*=(float s) { scale(s); return *this; }
    Vec3 operator/(float s) const { return Vec3(x / s, y / s, z / s); }
    bool operator==(const Vec3& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const Vec3& v) const { return !(*this == v); }

    static const Vec3 ZERO;
    static const Vec3 ONE;
    static const Vec3 UNIT_X;
    static const Vec3 UNIT_Y;
    static const Vec3 UNIT_Z;
};

inline Vec3 operator*(float x, const Vec3& v)
{
    return Vec3(v.x * x, v.y * x, v.z * x);
}

NS_CC_MATH_END

#endif
