// PNG decoding, textures, the texture cache, sprites and shader programs.
#include <gtest/gtest.h>

#include "cocos2d.h"
#include "media_fixture.h"
#include "platform/CCImage.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"
#include "renderer/ccShaders.h"

USING_NS_CC;
using namespace media_test;

namespace {

using MediaImage = MediaTest;

struct FormatCase
{
    PngColor color;
    Texture2D::PixelFormat format;
    bool premultiplied;
};

TEST_F(MediaImage, PngLayoutsGiveTheirPixelFormats)
{
    const FormatCase cases[] = {
        {PNG_GREY, Texture2D::PixelFormat::I8, false},
        {PNG_GREY_ALPHA, Texture2D::PixelFormat::AI88, false},
        {PNG_RGB, Texture2D::PixelFormat::RGB888, false},
        {PNG_RGBA, Texture2D::PixelFormat::RGBA8888, true},
        {PNG_PALETTE, Texture2D::PixelFormat::RGB888, false},
    };
    int i = 0;
    for (const FormatCase& c : cases)
    {
        std::string name = "fmt" + std::to_string(i++) + ".png";
        put(name, solidPng(7, 3, c.color));
        Image* image = new Image();
        ASSERT_TRUE(image->initWithImageFile(name)) << name;
        EXPECT_EQ(7, image->getWidth());
        EXPECT_EQ(3, image->getHeight());
        EXPECT_EQ(Image::Format::PNG, image->getFileType());
        EXPECT_EQ(c.format, image->getRenderFormat()) << name;
        EXPECT_EQ(c.premultiplied, image->hasPremultipliedAlpha()) << name;
        image->release();
    }
}

TEST_F(MediaImage, AlphaIsPremultipliedAndPaletteTransparencyKept)
{
    put("half.png", solidPng(2, 2, PNG_RGBA, 200, 100, 50, 128));
    Image* image = new Image();
    ASSERT_TRUE(image->initWithImageFile("half.png"));
    EXPECT_EQ(100, image->getData()[0]); // 200 * 128 / 255
    EXPECT_EQ(128, image->getData()[3]);
    image->release();

    std::vector<unsigned char> indices = {0, 1, 1, 0};
    put("pal.png", encodePng(2, 2, PNG_PALETTE, indices, {255, 0, 0, 0, 0, 255}, {255, 0}));
    image = new Image();
    ASSERT_TRUE(image->initWithImageFile("pal.png"));
    EXPECT_EQ(Texture2D::PixelFormat::RGBA8888, image->getRenderFormat());
    EXPECT_EQ(255, image->getData()[3]);
    EXPECT_EQ(0, image->getData()[7]);
    image->release();
}

TEST_F(MediaImage, BrokenImagesAreRefused)
{
    std::string png = solidPng(16, 16, PNG_RGB);
    put("cut.png", png.substr(0, png.size() / 2));
    put("text.png", "this is not a picture");
    put("empty.png", "");
    // a header claiming 100000 x 100000 pixels, with no data behind it
    std::string huge = encodePng(1, 1, PNG_GREY, {0});
    huge.replace(16, 8, std::string("\x00\x01\x86\xa0\x00\x01\x86\xa0", 8));
    put("huge.png", huge);
    Image* image = new Image();
    EXPECT_FALSE(image->initWithImageFile("cut.png"));
    EXPECT_FALSE(image->initWithImageFile("text.png"));
    EXPECT_FALSE(image->initWithImageFile("empty.png"));
    EXPECT_FALSE(image->initWithImageFile("huge.png"));
    EXPECT_FALSE(image->initWithImageFile("missing.png"));
    EXPECT_FALSE(image->initWithImageData(nullptr, 10));
    image->release();

    TextureCache* cache = director->getTextureCache();
    EXPECT_EQ(nullptr, cache->addImage("cut.png"));
    EXPECT_EQ(nullptr, cache->addImage("missing.png"));
    EXPECT_EQ(nullptr, Sprite::create("missing.png"));
}

TEST_F(MediaImage, RawPixelsMakeTextures)
{
    const unsigned char red[] = {0xFF, 0x00, 0x00};
    Texture2D* texture = new Texture2D();
    ASSERT_TRUE(texture->initWithData(red, 3, Texture2D::PixelFormat::RGB888, 1, 1, Size(1, 1)));
    EXPECT_EQ(1, texture->getPixelsWide());
    EXPECT_EQ(1, texture->getPixelsHigh());
    EXPECT_SAME(Size(1, 1), texture->getContentSize());
    EXPECT_EQ(Texture2D::PixelFormat::RGB888, texture->getPixelFormat());
    EXPECT_STREQ("RGB888", texture->getStringForFormat());
    EXPECT_EQ(24u, texture->getBitsPerPixelForFormat());
    EXPECT_FALSE(texture->hasPremultipliedAlpha());
    EXPECT_NE(0u, texture->getName());

    // too few bytes for the size asked: refused rather than read past the end
    Texture2D* tooShort = new Texture2D();
    EXPECT_FALSE(tooShort->initWithData(red, 3, Texture2D::PixelFormat::RGBA8888, 1, 1, Size(1, 1)));
    EXPECT_FALSE(tooShort->initWithData(red, 3, Texture2D::PixelFormat::RGB888, 2, 2, Size(2, 2)));
    tooShort->release();

    Sprite* caret = Sprite::createWithTexture(texture);
    ASSERT_NE(nullptr, caret);
    EXPECT_SAME(Size(1, 1), caret->getContentSize());
    texture->release();
}

TEST_F(MediaImage, TextureCacheKeysByFullPath)
{
    std::string full = put("icons/star.png", solidPng(12, 8, PNG_RGBA));
    TextureCache* cache = director->getTextureCache();
    Texture2D* a = cache->addImage("icons/star.png");
    ASSERT_NE(nullptr, a);
    EXPECT_EQ(a, cache->addImage(full));
    EXPECT_EQ(a, cache->getTextureForKey(full));
    EXPECT_EQ(full, a->getPath());
    EXPECT_EQ(12, a->getPixelsWide());
    EXPECT_SAME(Size(12, 8), a->getContentSize());
    cache->removeTextureForKey(full);
    EXPECT_EQ(nullptr, cache->getTextureForKey(full));

    // the asynchronous form answers in a later frame, null for a missing file
    std::vector<Texture2D*> answers;
    cache->addImageAsync("icons/star.png", [&answers](Texture2D* t) { answers.push_back(t); });
    cache->addImageAsync("icons/none.png", [&answers](Texture2D* t) { answers.push_back(t); });
    EXPECT_TRUE(answers.empty());
    frames(1, 1.0f / 60);
    ASSERT_EQ(2u, answers.size());
    EXPECT_EQ(cache->getTextureForKey(full), answers[0]);
    EXPECT_EQ(nullptr, answers[1]);
}

TEST_F(MediaImage, SpriteShowsRectsFlipsAndTints)
{
    put("strip.png", solidPng(40, 10, PNG_RGBA));
    Sprite* sprite = Sprite::create("strip.png", Rect(10, 0, 10, 10));
    ASSERT_NE(nullptr, sprite);
    EXPECT_SAME(Size(10, 10), sprite->getContentSize());
    EXPECT_EQ(Vec2(0.5f, 0.5f), sprite->getAnchorPoint());
    EXPECT_EQ(BlendFunc::ALPHA_PREMULTIPLIED, sprite->getBlendFunc());
    V3F_C4B_T2F_Quad q = sprite->getQuad();
    EXPECT_FLOAT_EQ(0.25f, q.bl.texCoords.u);
    EXPECT_FLOAT_EQ(0.5f, q.br.texCoords.u);

    sprite->setFlippedX(true);
    EXPECT_TRUE(sprite->isFlippedX());
    q = sprite->getQuad();
    EXPECT_FLOAT_EQ(0.5f, q.bl.texCoords.u);
    EXPECT_FLOAT_EQ(0.25f, q.br.texCoords.u);

    sprite->setColor(Color3B(255, 0, 0));
    sprite->setOpacity(128);
    q = sprite->getQuad();
    EXPECT_EQ(128, q.tl.colors.r); // premultiplied: colour scaled by opacity
    EXPECT_EQ(0, q.tl.colors.g);
    EXPECT_EQ(128, q.tl.colors.a);

    SpriteFrame* frame = SpriteFrame::create("strip.png", Rect(30, 0, 10, 10));
    ASSERT_NE(nullptr, frame);
    EXPECT_FALSE(sprite->isFrameDisplayed(frame));
    sprite->setSpriteFrame(frame);
    EXPECT_TRUE(sprite->isFrameDisplayed(frame));
    EXPECT_SAME(Rect(30, 0, 10, 10), sprite->getTextureRect());

    Sprite* blank = Sprite::create();
    ASSERT_NE(nullptr, blank);
    ASSERT_NE(nullptr, blank->getTexture()); // the white texture
    EXPECT_SAME(Size::ZERO, blank->getContentSize());
}

TEST_F(MediaImage, VisibleSpritesReachTheRendererCulledOnesDoNot)
{
    put("dot.png", solidPng(4, 4, PNG_RGB));
    Sprite* inside = Sprite::create("dot.png");
    Sprite* outside = Sprite::create("dot.png");
    ASSERT_TRUE(inside && outside);
    inside->setPosition(100, 100);
    outside->setPosition(5000, 100);
    scene->addChild(inside);
    scene->addChild(outside);
    frames(1, 1.0f / 60);
    // Both share one texture: one quad means the far one was culled.
    int quads = 0;
    for (const Renderer::DrawnCommand& c : director->getRenderer()->getLastFrameCommands())
        if (c.type == RenderCommand::Type::QUAD_COMMAND && c.textureID == inside->getTexture()->getName()) ++quads;
    EXPECT_EQ(1, quads);
}

TEST_F(MediaImage, ProgramsKeepSourcesAndRecordUniforms)
{
    GLProgram* standard = GLProgramCache::getInstance()->getGLProgram(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP);
    ASSERT_NE(nullptr, standard);
    EXPECT_STREQ("ShaderPositionTextureColor_noMVP", GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP);
    EXPECT_EQ(std::string(ccPositionTextureColor_noMVP_vert), standard->getVertexShaderSource());
    GLProgramState* shared = GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP);
    EXPECT_EQ(shared, GLProgramState::getOrCreateWithGLProgram(standard));
    EXPECT_EQ(nullptr, GLProgramState::getOrCreateWithGLProgramName("NoSuchProgram"));

    const char* frag = "varying vec2 v_texCoord;\n"
                       "uniform float u_amount; // strength\n"
                       "uniform vec4 u_tint;\n"
                       "/* uniform float u_commented; */\n"
                       "void main() { gl_FragColor = texture2D(CC_Texture0, v_texCoord) * u_tint * u_amount; }\n";
    GLProgram* program = GLProgram::createWithByteArrays(ccPositionTextureColor_noMVP_vert, frag);
    ASSERT_NE(nullptr, program);
    EXPECT_EQ(nullptr, GLProgram::createWithByteArrays(ccPositionTextureColor_noMVP_vert, ""));
    EXPECT_GE(program->getUniformLocation("u_amount"), 0);
    EXPECT_EQ(-1, program->getUniformLocation("u_commented"));
    EXPECT_EQ(GLProgram::VERTEX_ATTRIB_POSITION, program->getAttribLocation(GLProgram::ATTRIBUTE_NAME_POSITION));

    GLProgramState* state = GLProgramState::getOrCreateWithGLProgram(program);
    ASSERT_NE(nullptr, state);
    state->setUniformFloat("u_amount", 0.75f);
    state->setUniformVec4("u_tint", Vec4(1, 0.5f, 0.25f, 1));
    state->setUniformFloat("u_unknown", 1.0f); // ignored
    state->apply(Mat4::IDENTITY);
    const std::vector<GLfloat>* amount = program->getUniformValues(program->getUniformLocation("u_amount"));
    ASSERT_NE(nullptr, amount);
    EXPECT_FLOAT_EQ(0.75f, (*amount)[0]);
    const std::vector<GLfloat>* tint = program->getUniformValues(program->getUniformLocation("u_tint"));
    ASSERT_NE(nullptr, tint);
    ASSERT_EQ(4u, tint->size());
    EXPECT_FLOAT_EQ(0.25f, (*tint)[2]);
}

TEST_F(MediaImage, OpaqueTexturesBlendWithoutPremultiplying)
{
    put("opaque.png", solidPng(4, 4, PNG_RGB));
    Sprite* sprite = Sprite::create("opaque.png");
    ASSERT_NE(nullptr, sprite);
    EXPECT_FALSE(sprite->getTexture()->hasPremultipliedAlpha());
    EXPECT_EQ(BlendFunc::ALPHA_NON_PREMULTIPLIED, sprite->getBlendFunc());
    EXPECT_FALSE(sprite->isOpacityModifyRGB());
    sprite->setColor(Color3B(200, 100, 0));
    sprite->setOpacity(100);
    V3F_C4B_T2F_Quad q = sprite->getQuad();
    EXPECT_EQ(200, q.bl.colors.r); // colour kept, opacity in alpha only
    EXPECT_EQ(100, q.bl.colors.a);

    // cascading opacity from a parent reaches the quad
    Node* parent = Node::create();
    parent->setCascadeOpacityEnabled(true);
    parent->addChild(sprite);
    parent->setOpacity(128);
    EXPECT_EQ(50, sprite->getQuad().bl.colors.a);
}

TEST_F(MediaImage, UnusedTexturesCanBeDropped)
{
    put("kept.png", solidPng(2, 2, PNG_RGB));
    put("dropped.png", solidPng(2, 2, PNG_RGB));
    TextureCache* cache = director->getTextureCache();
    Sprite* keeper = Sprite::create("kept.png");
    ASSERT_NE(nullptr, keeper);
    keeper->retain();
    ASSERT_NE(nullptr, cache->addImage("dropped.png"));
    frames(1, 0.0f); // let the pool go
    cache->removeUnusedTextures();
    EXPECT_NE(nullptr, cache->getTextureForKey("kept.png"));
    EXPECT_EQ(nullptr, cache->getTextureForKey("dropped.png"));
    keeper->release();
}

} // namespace
