#ifndef MATH_MAT4_H
#define MATH_MAT4_H

#include "math/CCMathBase.h"
#include "math/Vec3.h"
#include "math/Vec4.h"

NS_CC_MATH_BEGIN

// A 4x4 matrix stored column by column: m[12], m[13], m[14] hold the
// translation, as OpenGL expects.
class CC_DLL Mat4
{
public:
    float m[16];

    Mat4();
    Mat4(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
         float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44);
    // From sixteen values in column order.
    Mat4(const float* mat);
    Mat4(const Mat4& copy);
    ~Mat4() {}
    Mat4& operator=(const Mat4& copy) = default;

    static void createLookAt(const Vec3& eyePosition, const Vec3& targetPosition, const Vec3& up, Mat4* dst);
    static void createOrthographic(float width, float height, float zNearPlane, float zFarPlane, Mat4* dst);
    static void createOrthographicOffCenter(float left, float right, float bottom, float top,
                                            float zNearPlane, float zFarPlane, Mat4* dst);
    static void createScale(const Vec3& scale, Mat4* dst);
    static void createScale(float xScale, float yScale, float zScale, Mat4* dst);
    static void createRotationX(float angle, Mat4* dst);
    static void createRotationY(float angle, Mat4* dst);
    static void createRotationZ(float angle, Mat4* dst);
    static void createTranslation(const Vec3& translation, Mat4* dst);
    static void createTranslation(float xTranslation, float yTranslation, float zTranslation, Mat4* dst);

    void add(float scalar);
    void add(const Mat4& mat);
    float determinant() const;
    void getScale(Vec3* scale) const;
    void getTranslation(Vec3* translation) const;
    bool inverse();
    Mat4 getInversed() const
    {
        Mat4 mat(*this);
        mat.inverse();
        return mat;
    }
    bool isIdentity() const;
    void multiply(float scalar);
    void multiply(const Mat4& mat);
    static void multiply(const Mat4& m1, const Mat4& m2, Mat4* dst);
    void negate();
    Mat4 getNegated() const;
    void rotateX(float angle);
    void rotateY(float angle);
    void rotateZ(float angle);
    void scale(float value);
    void scale(float xScale, float yScale, float zScale);
    void scale(const Vec3& s);
    void set(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
             float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44);
    void set(const float* mat);
    void set(const Mat4& mat);
    void setIdentity();
    void setZero();
    void subtract(const Mat4& mat);

    void transformPoint(Vec3* point) const { transformVector(point->x, point->y, point->z, 1.0f, point); }
    void transformPoint(const Vec3& point, Vec3* dst) const { transformVector(point.x, point.y, point.z, 1.0f, dst); }
    void transformVector(Vec3* vector) const { transformVector(vector->x, vector->y, vector->z, 0.0f, vector); }
    void transformVector(const Vec3& vector, Vec3* dst) const { transformVector(vector.x, vector.y, vector.z, 0.0f, dst); }
    void transformVector(float x, float y, float z, float w, Vec3* dst) const;
    void transformVector(Vec4* vector) const { transformVector(*vector, vector); }
    void transformVector(const Vec4& vector, Vec4* dst) const;

    void translate(float x, float y, float z);
    void translate(const Vec3& t);
    void transpose();
    Mat4 getTransposed() const;

    Mat4 operator+(const Mat4& mat) const;
    Mat4& operator+=(const Mat4& mat);
    Mat4 operator-(const Mat4& mat) const;
    Mat4& operator-=(const Mat4& mat);
    Mat4 operator-() const;
    Mat4 operator*(const Mat4& mat) const;
    Mat4& operator*=(const Mat4& mat);

    static const Mat4 ZERO;
    static const Mat4 IDENTITY;
};

inline Vec3& operator*=(Vec3& v, const Mat4& m)
{
    m.transformVector(&v);
    return v;
}

inline Vec3 operator*(const Mat4& m, const Vec3& v)
{
    Vec3 x;
    m.transformVector(v, &x);
    return x;
}

inline Vec4 operator*(const Mat4& m, const Vec4& v)
{
    Vec4 x;
    m.transformVector(v, &x);
    return x;
}

NS_CC_MATH_END

#endif
