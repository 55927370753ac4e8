// The software renderer's stages on their own: blend factors, the stencil
// test and its operations, and fragment stages told from shader sources.
#include <gtest/gtest.h>

#include "renderer/CCSoftwareBlend.h"
#include "renderer/CCSoftwareShader.h"
#include "renderer/CCSoftwareStencil.h"
#include "renderer/ccShaders.h"

USING_NS_CC;

TEST(SoftwareBlend, FactorsCombineSourceAndFrame)
{
    const float src[4] = {1.0f, 0.0f, 0.0f, 0.5f};
    unsigned char dst[4] = {0, 0, 255, 255};
    SoftwareBlend(BlendFunc::ALPHA_NON_PREMULTIPLIED).apply(src, dst);
    EXPECT_EQ(128, dst[0]);
    EXPECT_EQ(128, dst[2]);

    unsigned char add[4] = {200, 10, 0, 255};
    SoftwareBlend(BlendFunc::ADDITIVE).apply(src, add); // SRC_ALPHA, ONE
    EXPECT_EQ(255, add[0]);                             // saturates
    EXPECT_EQ(10, add[1]);

    unsigned char times[4] = {200, 100, 50, 255};
    const float half[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    SoftwareBlend(BlendFunc{GL_DST_COLOR, GL_ZERO}).apply(half, times); // multiply
    EXPECT_EQ(100, times[0]);
    EXPECT_EQ(50, times[1]);

    // a factor GL does not have draws as if blending were off
    unsigned char odd[4] = {9, 9, 9, 9};
    SoftwareBlend(BlendFunc{0x1234, GL_ONE}).apply(src, odd);
    EXPECT_EQ(255, odd[0]);
    EXPECT_EQ(128, odd[3]);
}

TEST(SoftwareStencil, TestsAgainstTheMaskedReferenceAndWritesOnlyTheMaskedBits)
{
    SoftwareStencil s;
    unsigned char v = 0x0F;
    EXPECT_TRUE(s.test(v)); // off: passes, keeps
    EXPECT_EQ(0x0F, v);

    s.enabled = true;
    s.func = GL_NEVER;
    s.ref = 0x10;
    s.valueMask = 0x10;
    s.writeMask = 0x10;
    s.failOp = GL_REPLACE;
    EXPECT_FALSE(s.test(v));
    EXPECT_EQ(0x1F, v); // only bit 4 written

    s.func = GL_EQUAL;
    s.ref = 0x11;
    s.valueMask = 0x11;
    s.failOp = GL_KEEP;
    EXPECT_TRUE(s.test(v));
    unsigned char missing = 0x10;
    EXPECT_FALSE(s.test(missing));

    s.writeMask = 0xFF;
    EXPECT_EQ(0, s.operate(GL_ZERO, 7));
    EXPECT_EQ(255, s.operate(GL_INCR, 255));
    EXPECT_EQ(0, s.operate(GL_DECR, 0));
    EXPECT_EQ(0xF0, s.operate(GL_INVERT, 0x0F));
}

TEST(SoftwareShader, StagesAreToldFromTheirSources)
{
    const float texel[4] = {1.0f, 0.5f, 0.0f, 0.8f};
    const float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float out[4];

    SoftwareShader sprite = SoftwareShader::forFragmentSource(ccPositionTextureColor_noMVP_frag);
    EXPECT_EQ(SoftwareShader::Kind::TEXTURE_COLOR, sprite.getKind());

    // a game's own grey shader, weights written as it likes them
    SoftwareShader grey = SoftwareShader::forFragmentSource(
        "void main() { vec4 c = texture2D(CC_Texture0, v_texCoord) * v_fragmentColor;\n"
        "  float g = dot(c.rgb, vec3(0.299, 0.587, 0.114));\n  gl_FragColor = vec4(g, g, g, c.a); }");
    EXPECT_EQ(SoftwareShader::Kind::GREY, grey.getKind());
    ASSERT_TRUE(grey.shade(texel, colour, out));
    EXPECT_FLOAT_EQ(out[0], out[1]);
    EXPECT_NEAR(0.299f + 0.5f * 0.587f, out[0], 1e-5);
    EXPECT_FLOAT_EQ(0.8f, out[3]);

    // a dot product that is no luminance is not taken for one
    EXPECT_EQ(SoftwareShader::Kind::TEXTURE_COLOR,
              SoftwareShader::forFragmentSource("float d = dot(n, vec3(1.0, 2.0, 3.0));").getKind());

    SoftwareShader test = SoftwareShader::forFragmentSource(ccPositionTextureColorAlphaTest_frag);
    EXPECT_EQ(SoftwareShader::Kind::ALPHA_TEST, test.getKind());
    const float clear[4] = {1.0f, 1.0f, 1.0f, 0.0f};
    EXPECT_FALSE(test.shade(clear, colour, out)); // threshold 0: fully clear texels are dropped

    SoftwareShader a8 = SoftwareShader::forFragmentSource(ccPositionTextureA8Color_frag);
    const float tint[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    ASSERT_TRUE(a8.shade(texel, tint, out));
    EXPECT_FLOAT_EQ(1.0f, out[1]);
    EXPECT_FLOAT_EQ(0.8f, out[3]);
}
