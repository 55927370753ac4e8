// Vectors, matrices, rectangles, affine transforms and colours.
#include <gtest/gtest.h>
#include "GeometryExpect.h"
#include "cocos2d.h"

USING_NS_CC;

namespace {

void expectVec3(const Vec3& v, float x, float y, float z)
{
    EXPECT_NEAR(v.x, x, 1e-4f);
    EXPECT_NEAR(v.y, y, 1e-4f);
    EXPECT_NEAR(v.z, z, 1e-4f);
}

} // namespace

TEST(Mat4Test, ArgumentsAreRowsStorageIsColumns)
{
    Mat4 m(1, 2, 3, 4,
           5, 6, 7, 8,
           9, 10, 11, 12,
           13, 14, 15, 16);
    EXPECT_EQ(m.m[0], 1);
    EXPECT_EQ(m.m[1], 5);
    EXPECT_EQ(m.m[4], 2);
    EXPECT_EQ(m.m[12], 4);
    EXPECT_EQ(m.getTransposed().m[1], 2);
}

TEST(Mat4Test, ProductAppliesTheRightHandMatrixFirst)
{
    Mat4 translate, rotate;
    Mat4::createTranslation(10, 0, 0, &translate);
    Mat4::createRotationZ(MATH_PIOVER2, &rotate); // counter-clockwise
    Vec3 p(1, 0, 0);
    expectVec3((translate * rotate) * Vec3(1, 0, 0) + Vec3(translate.m[12], 0, 0), 10, 1, 0);
    Vec3 q;
    (translate * rotate).transformPoint(p, &q);
    expectVec3(q, 10, 1, 0);
    (rotate * translate).transformPoint(p, &q);
    expectVec3(q, 0, 11, 0);

    Mat4 copy = translate;
    copy.rotateZ(MATH_PIOVER2); // post-multiplies
    const Mat4 product = translate * rotate;
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(copy.m[i], product.m[i]) << "element " << i;
}

TEST(Mat4Test, InverseUndoesAndSingularMatricesStayAsTheyAre)
{
    Mat4 m;
    Mat4::createTranslation(5, -3, 2, &m);
    m.rotateZ(0.3f);
    m.scale(2, 4, 1);
    Mat4 inv = m.getInversed();
    Mat4 product = m * inv;
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(product.m[i], Mat4::IDENTITY.m[i], 1e-5f);

    Mat4 flat = Mat4::ZERO;
    flat.m[0] = 1;
    EXPECT_FALSE(flat.inverse());
    EXPECT_EQ(flat.m[0], 1);
    EXPECT_FLOAT_EQ(Mat4::IDENTITY.determinant(), 1);

    Vec3 scale, translation;
    Mat4 s;
    Mat4::createScale(2, 3, 1, &s);
    s.getScale(&scale);
    expectVec3(scale, 2, 3, 1);
    m.getTranslation(&translation);
    expectVec3(translation, 5, -3, 2);
}

TEST(Vec2Test, ArithmeticAndGeometry)
{
    Vec2 a(3, 4);
    EXPECT_FLOAT_EQ(a.length(), 5);
    EXPECT_FLOAT_EQ(a.getDistance(Vec2(0, 0)), 5);
    EXPECT_EQ(a + Vec2(1, 1), Vec2(4, 5));
    EXPECT_EQ(a * 2, Vec2(6, 8));
    EXPECT_EQ(2 * a, Vec2(6, 8));
    EXPECT_EQ(-a, Vec2(-3, -4));
    EXPECT_FLOAT_EQ(a.dot(Vec2(1, 0)), 3);
    EXPECT_FLOAT_EQ(a.cross(Vec2(1, 0)), -4);
    EXPECT_TRUE(a.getNormalized().fuzzyEquals(Vec2(0.6f, 0.8f), 1e-6f));
    EXPECT_TRUE(a.lerp(Vec2(5, 4), 0.5f).equals(Vec2(4, 4)));
    EXPECT_TRUE(Vec2(1, 0).rotateByAngle(Vec2::ZERO, MATH_PIOVER2).fuzzyEquals(Vec2(0, 1), 1e-6f));
    EXPECT_NEAR(Vec2(0, 1).getAngle(), MATH_PIOVER2, 1e-6f);
    EXPECT_NEAR(Vec2(1, 0).getAngle(Vec2(0, 1)), MATH_PIOVER2, 1e-6f);

    Vec2 zero;
    zero.normalize(); // stays zero instead of turning into NaN
    EXPECT_TRUE(zero.isZero());
    EXPECT_EQ(Vec2::ANCHOR_MIDDLE, Vec2(0.5f, 0.5f));
    EXPECT_EQ(Vec2::ANCHOR_TOP_RIGHT, Vec2(1, 1));
    Point p = a; // the old name
    EXPECT_EQ(p, a);
}

TEST(RectTest, EdgesCountAsInside)
{
    Rect r(10, 20, 30, 40);
    EXPECT_TRUE(r.containsPoint(Vec2(10, 20)));
    EXPECT_TRUE(r.containsPoint(Vec2(40, 60)));
    EXPECT_FALSE(r.containsPoint(Vec2(40.01f, 60)));
    EXPECT_FLOAT_EQ(r.getMidX(), 25);
    EXPECT_FLOAT_EQ(r.getMaxY(), 60);
    EXPECT_TRUE(r.intersectsRect(Rect(40, 60, 5, 5))); // touching corners
    EXPECT_FALSE(r.intersectsRect(Rect(41, 60, 5, 5)));
    EXPECT_TRUE(r.intersectsCircle(Vec2(45, 25), 5));
    EXPECT_FALSE(r.intersectsCircle(Vec2(50, 70), 5));
}

TEST(RectTest, UnionAndMergeCoverBoth)
{
    Rect a(0, 0, 10, 10);
    Rect u = a.unionWithRect(Rect(20, -5, -5, 5)); // a negative width counts from its other edge
    EXPECT_SAME(u, Rect(0, -5, 20, 15));
    a.merge(Rect(-5, 5, 1, 20));
    EXPECT_SAME(a, Rect(-5, 0, 15, 25));
    EXPECT_FALSE(Size(1, 2).equals(Size(1, 2.5f)));
    EXPECT_SAME(Rect::ZERO, Rect(0, 0, 0, 0));
}

TEST(AffineTransformTest, ConcatInvertAndBounds)
{
    AffineTransform move = AffineTransformMakeIdentity();
    move = AffineTransformTranslate(move, 10, 0);
    AffineTransform scale = AffineTransformScale(AffineTransformMakeIdentity(), 2, 2);
    // t1 first, then t2.
    Vec2 p = PointApplyAffineTransform(Vec2(1, 1), AffineTransformConcat(move, scale));
    EXPECT_EQ(p, Vec2(22, 2));
    AffineTransform both = AffineTransformConcat(move, scale);
    Vec2 back = PointApplyAffineTransform(p, AffineTransformInvert(both));
    EXPECT_TRUE(back.fuzzyEquals(Vec2(1, 1), 1e-5f));
    EXPECT_TRUE(AffineTransformEqualToTransform(AffineTransform::IDENTITY, AffineTransformIdentity));

    AffineTransform turn = AffineTransformRotate(AffineTransformMakeIdentity(), MATH_PIOVER2);
    Rect bounds = RectApplyAffineTransform(Rect(0, 0, 4, 2), turn);
    EXPECT_NEAR(bounds.size.width, 2, 1e-5f);
    EXPECT_NEAR(bounds.size.height, 4, 1e-5f);
    Mat4 m;
    Mat4::createTranslation(3, 4, 0, &m);
    EXPECT_SAME(RectApplyTransform(Rect(0, 0, 1, 1), m), Rect(3, 4, 1, 1));
}

TEST(ColorTest, ConversionsAndComparisons)
{
    EXPECT_EQ(Color4B(Color4F(1, 0.5f, 0, 1)), Color4B(255, 127, 0, 255));
    EXPECT_TRUE(Color3B::RED == Color4B(255, 0, 0, 255));
    EXPECT_FALSE(Color3B::RED == Color4B(255, 0, 0, 128));
    EXPECT_EQ(Color3B(Color4B(1, 2, 3, 4)), Color3B(1, 2, 3));
    EXPECT_FLOAT_EQ(Color4F(Color3B(255, 0, 51)).b, 0.2f);
    EXPECT_EQ(Color3B::ORANGE, Color3B(255, 127, 0));
    EXPECT_EQ(Color3B::GRAY, Color3B(166, 166, 166));
    EXPECT_EQ(BlendFunc::ALPHA_PREMULTIPLIED.src, static_cast<GLenum>(GL_ONE));
    EXPECT_EQ(BlendFunc::ALPHA_NON_PREMULTIPLIED.src, static_cast<GLenum>(GL_SRC_ALPHA));
    EXPECT_EQ(ccNextPOT(33), 64);
    EXPECT_EQ(ccNextPOT(64), 64);
}
