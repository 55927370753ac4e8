#include "math/Vec3.h"

NS_CC_MATH_BEGIN

const Vec3 Vec3::ZERO(0.0f, 0.0f, 0.0f);
const Vec3 Vec3::ONE(1.0f, 1.0f, 1.0f);
const Vec3 Vec3::UNIT_X(1.0f, 0.0f, 0.0f);
const Vec3 Vec3::UNIT_Y(0.0f, 1.0f, 0.0f);
const Vec3 Vec3::UNIT_Z(0.0f, 0.0f, 1.0f);

void Vec3::cross(const Vec3& v)
{
    cross(*this, v, this);
}

void Vec3::cross(const Vec3& v1, const Vec3& v2, Vec3* dst)
{
    float cx = (v1.y * v2.z) - (v1.z * v2.y);
    float cy = (v1.z * v2.x) - (v1.x * v2.z);
    float cz = (v1.x * v2.y) - (v1.y * v2.x);
    dst->set(cx, cy, cz);
}

float Vec3::distance(const Vec3& v) const
{
    return sqrtf(distanceSquared(v));
}

float Vec3::distanceSquared(const Vec3& v) const
{
    float dx = v.x - x;
    float dy = v.y - y;
    float dz = v.z - z;
    return (dx * dx + dy * dy + dz * dz);
}

void Vec3::normalize()
{
    float n = x * x + y * y + z * z;
    if (n == 1.0f)
        return;
    n = sqrtf(n);
    if (n < MATH_TOLERANCE)
        return;
    n = 1.0f / n;
    x *= n;
    y *= n;
    z *= n;
}

Vec3 Vec3::getNormalized() const
{
    Vec3 v(*this);
    v.normalize();
    return v;
}

void Vec3::set(const float* array)
{
    if (array == nullptr)
        return;
    x = array[0];
    y = array[1];
    z = array[2];
}

NS_CC_MATH_END
