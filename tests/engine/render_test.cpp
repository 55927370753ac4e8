// The software renderer: what the frame shows at chosen points after a
// scene is drawn. Sprites (colour, tint, opacity, blending, transforms),
// layers, the nine-slice sprite, labels, clipping and scissoring, draw
// order and visibility, the frame read back, and input that must draw
// nothing rather than crash.
#include <cmath>
#include <limits>

#include "RenderTestFixture.h"
#include "base/ccUtils.h"
#include "extensions/GUI/CCScrollView/CCScrollView.h"
#include "media_png.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"
#include "ui/UIScale9Sprite.h"

USING_NS_CC;

// MARK: sprites

TEST_F(RenderTest, SpriteColourTintAndOpacityOverAColourLayer)
{
    scene->addChild(LayerColor::create(Color4B(0, 0, 255, 255)));
    Sprite* plain = sprite(solid(40, 40, Color4B::WHITE), Vec2(100, 100));
    Sprite* tinted = sprite(solid(40, 40, Color4B::WHITE), Vec2(200, 100));
    tinted->setColor(Color3B(255, 0, 0));
    Sprite* faded = sprite(solid(40, 40, Color4B(255, 0, 0, 255)), Vec2(300, 100));
    faded->setOpacity(128);
    // half the texture's own alpha, straight (not premultiplied) alpha blending
    sprite(solid(40, 40, Color4B(0, 255, 0, 128)), Vec2(400, 100));
    draw();

    EXPECT_RGB(blue, at(10, 10));
    EXPECT_RGB(white, at(100, 100));
    EXPECT_RGB(red, at(200, 100));
    EXPECT_RGB((Rgb{128, 0, 127}), at(300, 100));
    EXPECT_RGB((Rgb{0, 128, 127}), at(400, 100));
    // a sprite covers exactly its box: 80..120 around x = 100
    EXPECT_RGB(white, at(80.5f, 100));
    EXPECT_RGB(blue, at(79.5f, 100));
    EXPECT_RGB(white, at(119.5f, 119.5f));
    EXPECT_RGB(blue, at(120.5f, 100));
    EXPECT_FALSE(plain->getBlendFunc() == BlendFunc::ALPHA_PREMULTIPLIED); // raw pixels: straight alpha
}

// A PNG image with alpha is premultiplied when loaded and drawn with
// ONE, ONE_MINUS_SRC_ALPHA: half-transparent red over blue comes out the
// same as straight alpha would give.
TEST_F(RenderTest, PremultipliedPngBlendsLikeStraightAlpha)
{
    std::vector<unsigned char> px(16 * 16 * 4);
    for (size_t i = 0; i < px.size(); i += 4)
    {
        px[i] = 255;
        px[i + 3] = 128;
    }
    std::string png = media_test::encodePng(16, 16, media_test::PNG_RGBA, px);
    Image* image = new Image();
    ASSERT_TRUE(image->initWithImageData(reinterpret_cast<const unsigned char*>(png.data()),
                                         static_cast<ssize_t>(png.size())));
    Texture2D* tex = new Texture2D();
    ASSERT_TRUE(tex->initWithImage(image));
    image->release();
    textures.push_back(tex);
    ASSERT_TRUE(tex->hasPremultipliedAlpha());

    scene->addChild(LayerColor::create(Color4B(0, 0, 255, 255)));
    Sprite* s = sprite(tex, Vec2(100, 100));
    EXPECT_TRUE(s->getBlendFunc() == BlendFunc::ALPHA_PREMULTIPLIED);
    Sprite* faded = sprite(tex, Vec2(200, 100));
    faded->setOpacity(0);
    draw();
    EXPECT_RGB((Rgb{128, 0, 127}), at(100, 100));
    EXPECT_RGB(blue, at(200, 100)); // opacity 0 also scales the premultiplied colour
}

TEST_F(RenderTest, RotatedScaledAndSkewedSpritesLandWhereTheirTransformPutsThem)
{
    // 40 x 20, scaled twice and turned a quarter: 40 wide and 80 high around (480, 320)
    Sprite* turned = sprite(solid(40, 20, Color4B::RED), Vec2(480, 320));
    turned->setScale(2.0f);
    turned->setRotation(90);
    // anchored at its bottom-left corner, scaled 3 x 1 from there
    Sprite* anchored = sprite(solid(10, 10, Color4B::GREEN), Vec2(100, 500));
    anchored->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    anchored->setScaleX(3.0f);
    // mirrored by a negative scale: still drawn
    Sprite* mirrored = sprite(solid(20, 20, Color4B::BLUE), Vec2(700, 100));
    mirrored->setScaleX(-1.0f);
    draw();

    EXPECT_RGB(red, at(461, 282));
    EXPECT_RGB(red, at(499, 282));
    EXPECT_RGB(red, at(461, 358));
    EXPECT_RGB(red, at(499, 358));
    EXPECT_RGB(black, at(458, 320));
    EXPECT_RGB(black, at(502, 320));
    EXPECT_RGB(black, at(480, 278));
    EXPECT_RGB(black, at(480, 362));

    EXPECT_RGB(green, at(101, 501));
    EXPECT_RGB(green, at(129, 509));
    EXPECT_RGB(black, at(131, 505));
    EXPECT_RGB(black, at(99, 505));

    EXPECT_RGB(blue, at(700, 100));

    // a skew leans the box: its top edge moves right by its height
    Sprite* skewed = sprite(solid(20, 20, Color4B::WHITE), Vec2(300, 300));
    skewed->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    skewed->setSkewX(45);
    draw();
    EXPECT_RGB(white, at(302, 301));
    EXPECT_RGB(black, at(302, 318));
    EXPECT_RGB(white, at(336, 318));
}

TEST_F(RenderTest, DrawOrderFollowsZOrderAndVisibilityHidesSubtrees)
{
    Sprite* under = sprite(solid(40, 40, Color4B::RED), Vec2(100, 100));
    Sprite* over = sprite(solid(40, 40, Color4B::GREEN), Vec2(110, 100));
    draw();
    EXPECT_RGB(green, at(105, 100)); // added last, drawn last
    under->setLocalZOrder(1);
    draw();
    EXPECT_RGB(red, at(105, 100));
    over->setGlobalZOrder(5);
    draw();
    EXPECT_RGB(green, at(105, 100)); // the global order beats the tree

    Node* parent = Node::create();
    scene->addChild(parent);
    Sprite* child = sprite(solid(20, 20, Color4B::WHITE), Vec2(400, 400), parent);
    sprite(solid(10, 10, Color4B::BLUE), Vec2(10, 10), child);
    // children below zero are drawn before their parent
    Sprite* behind = sprite(solid(40, 10, Color4B::RED), Vec2(10, 10), child);
    behind->setLocalZOrder(-1);
    draw();
    EXPECT_RGB(blue, at(400, 400));  // the grandchild over its parent, at the parent's (10, 10)
    EXPECT_RGB(white, at(392, 400)); // the parent over the child behind it
    EXPECT_RGB(red, at(385, 400));   // the child behind, where the parent is not
    EXPECT_RGB(white, at(400, 392));
    parent->setVisible(false);
    draw();
    EXPECT_RGB(black, at(400, 400));
    EXPECT_RGB(black, at(392, 400));
    EXPECT_RGB(black, at(385, 400));
}

// MARK: layers and the nine-slice sprite

TEST_F(RenderTest, GradientLayerShowsItsEndColoursAtItsEnds)
{
    LayerGradient* down = LayerGradient::create(Color4B(255, 0, 0, 255), Color4B(0, 0, 255, 255));
    down->setContentSize(Size(200, 200));
    scene->addChild(down);
    LayerGradient* across = LayerGradient::create(Color4B(0, 255, 0, 255), Color4B(0, 0, 0, 255), Vec2(1, 0));
    across->setContentSize(Size(200, 200));
    across->setPosition(400, 0);
    scene->addChild(across);
    draw();
    // the start colour is at the top for the default vector (0, -1)
    EXPECT_RGB(red, at(100, 199.5f));
    EXPECT_RGB(blue, at(100, 0.5f));
    Rgb middle = at(100, 100);
    EXPECT_NEAR(middle.r, 128, 3);
    EXPECT_NEAR(middle.b, 127, 3);
    EXPECT_RGB(green, at(400.5f, 100));
    EXPECT_RGB(black, at(599.5f, 100));
    EXPECT_RGB(black, at(300, 100));
}

TEST_F(RenderTest, NineSliceKeepsItsCornersUnstretched)
{
    // 30 x 30: 10-point red corners, blue edges, a green middle
    std::vector<unsigned char> px(30 * 30 * 4);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
        {
            bool edgeX = x < 10 || x >= 20, edgeY = y < 10 || y >= 20;
            Color4B c = edgeX && edgeY ? Color4B::RED : (edgeX || edgeY ? Color4B::BLUE : Color4B::GREEN);
            unsigned char* p = &px[(static_cast<size_t>(y) * 30 + x) * 4];
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
            p[3] = 255;
        }
    Texture2D* tex = texture(30, 30, px);
    tex->setAliasTexParameters();
    SpriteFrame* frame = SpriteFrame::createWithTexture(tex, Rect(0, 0, 30, 30));
    ui::Scale9Sprite* box = ui::Scale9Sprite::createWithSpriteFrame(frame, Rect(10, 10, 10, 10));
    ASSERT_NE(box, nullptr);
    box->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    box->setPosition(100, 100);
    box->setContentSize(Size(300, 200));
    scene->addChild(box);
    draw();
    // corners stay 10 x 10
    EXPECT_RGB(red, at(100.5f, 100.5f));
    EXPECT_RGB(red, at(109.5f, 109.5f));
    EXPECT_RGB(red, at(399.5f, 299.5f));
    EXPECT_RGB(red, at(390.5f, 290.5f));
    EXPECT_RGB(blue, at(110.5f, 105));
    EXPECT_RGB(blue, at(105, 200));
    EXPECT_RGB(blue, at(389.5f, 295));
    EXPECT_RGB(green, at(250, 200));
    EXPECT_RGB(green, at(110.5f, 110.5f));
    EXPECT_RGB(black, at(99.5f, 200));
}

// MARK: labels

namespace {

// Whether any pixel of the rectangle is lit (brighter than dark grey).
bool inked(RenderTest* test, const std::function<Rgb(float, float)>& at, Rect r)
{
    (void)test;
    for (float y = r.getMinY() + 0.5f; y < r.getMaxY(); y += 1)
        for (float x = r.getMinX() + 0.5f; x < r.getMaxX(); x += 1)
        {
            Rgb c = at(x, y);
            if (c.r + c.g + c.b > 120) return true;
        }
    return false;
}

} // namespace

class RenderLabelTest : public RenderTest
{
protected:
    bool ink(Rect r)
    {
        return inked(this, [this](float x, float y) { return at(x, y); }, r);
    }
    Rgb brightest(Rect r)
    {
        Rgb best{0, 0, 0};
        for (float y = r.getMinY() + 0.5f; y < r.getMaxY(); y += 1)
            for (float x = r.getMinX() + 0.5f; x < r.getMaxX(); x += 1)
            {
                Rgb c = at(x, y);
                if (c.r + c.g + c.b > best.r + best.g + best.b) best = c;
            }
        return best;
    }
};

TEST_F(RenderLabelTest, SystemFontTextIsDrawnInItsColourWithinItsDimensions)
{
    Label* label = Label::createWithSystemFont("HHH", "Arial", 40, Size(300, 60), TextHAlignment::RIGHT,
                                               TextVAlignment::CENTER);
    label->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    label->setPosition(100, 100);
    label->setTextColor(Color4B(255, 255, 0, 255));
    scene->addChild(label);
    draw();
    // right-aligned: the ink is in the right part of its 300 x 60 box
    EXPECT_TRUE(ink(Rect(300, 100, 100, 60)));
    EXPECT_FALSE(ink(Rect(100, 100, 150, 60)));
    EXPECT_FALSE(ink(Rect(0, 0, 960, 100)));
    EXPECT_FALSE(ink(Rect(0, 160, 960, 100)));
    EXPECT_FALSE(ink(Rect(400, 100, 100, 60)));
    Rgb full = brightest(Rect(300, 100, 100, 60));
    EXPECT_RGB((Rgb{255, 255, 0}), full);

    // the node's colour tints the text, as a sprite's does
    label->setColor(Color3B(255, 0, 0));
    draw();
    EXPECT_RGB(red, brightest(Rect(300, 100, 100, 60)));
}

TEST_F(RenderLabelTest, CharMapLabelDrawsItsGlyphs)
{
    // ten 8 x 10 glyphs "0".."9": glyph k lit in its own colour, only in its left half
    std::vector<unsigned char> px(80 * 10 * 4, 0);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 80; ++x)
            if (x % 8 < 4)
            {
                unsigned char* p = &px[(static_cast<size_t>(y) * 80 + x) * 4];
                p[0] = static_cast<unsigned char>(x / 8 * 25);
                p[1] = 255;
                p[3] = 255;
            }
    Texture2D* tex = texture(80, 10, px);
    tex->setAliasTexParameters();
    LabelAtlas* digits = LabelAtlas::create("09", tex, 8, 10, '0');
    ASSERT_NE(digits, nullptr);
    digits->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    digits->setPosition(200, 200);
    digits->setScale(2.0f);
    scene->addChild(digits);
    draw();
    EXPECT_RGB((Rgb{0, 255, 0}), at(201, 205));
    EXPECT_RGB(black, at(211, 205));
    EXPECT_RGB((Rgb{225, 255, 0}), at(217, 205));
    EXPECT_RGB(black, at(227, 205));
    EXPECT_RGB(black, at(233, 205));
}

// MARK: clipping

class RenderClipTest : public RenderLabelTest
{
protected:
    // A white 200 x 100 block at (100, 100) inside a clipping node whose
    // stencil is a 100 x 100 sprite over its left half.
    ClippingNode* clipped(Texture2D* stencilTexture)
    {
        Sprite* stencil = Sprite::createWithTexture(stencilTexture);
        stencil->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        stencil->setPosition(100, 100);
        ClippingNode* clip = ClippingNode::create(stencil);
        scene->addChild(clip);
        LayerColor* block = LayerColor::create(Color4B::WHITE, 200, 100);
        block->setPosition(100, 100);
        clip->addChild(block);
        return clip;
    }
};

TEST_F(RenderClipTest, ClippingNodeShowsItsContentOnlyWhereTheStencilDraws)
{
    ClippingNode* clip = clipped(solid(100, 100, Color4B(255, 0, 0, 255)));
    draw();
    EXPECT_RGB(white, at(150, 150));
    EXPECT_RGB(black, at(250, 150)); // outside the stencil
    EXPECT_RGB(black, at(50, 50));   // the stencil itself is never seen

    clip->setInverted(true);
    draw();
    EXPECT_RGB(black, at(150, 150));
    EXPECT_RGB(white, at(250, 150));
}

TEST_F(RenderClipTest, AlphaThresholdLetsOnlyTheStencilsOpaquePixelsCount)
{
    // left half of the stencil transparent, right half opaque
    std::vector<unsigned char> px(100 * 100 * 4, 0);
    for (int y = 0; y < 100; ++y)
        for (int x = 50; x < 100; ++x) px[(static_cast<size_t>(y) * 100 + x) * 4 + 3] = 255;
    Texture2D* half = texture(100, 100, px);
    half->setAliasTexParameters();
    ClippingNode* clip = clipped(half);
    draw();
    EXPECT_RGB(white, at(120, 150)); // threshold 1: every pixel of the quad counts
    clip->setAlphaThreshold(0.5f);
    draw();
    EXPECT_RGB(black, at(120, 150));
    EXPECT_RGB(white, at(180, 150));
    EXPECT_RGB(black, at(250, 150));
    clip->setAlphaThreshold(1.0f);
    draw();
    EXPECT_RGB(white, at(120, 150));
}

TEST_F(RenderClipTest, LabelTextIsClippedByAClippingNode)
{
    Sprite* stencil = Sprite::createWithTexture(solid(100, 60, Color4B::WHITE));
    stencil->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    stencil->setPosition(100, 100);
    ClippingNode* clip = ClippingNode::create(stencil);
    scene->addChild(clip);
    Label* label = Label::createWithSystemFont("HHHHHHHH", "Arial", 40, Size(300, 60), TextHAlignment::LEFT,
                                               TextVAlignment::CENTER);
    label->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    label->setPosition(100, 100);
    clip->addChild(label);
    draw();
    EXPECT_TRUE(ink(Rect(100, 100, 100, 60)));
    EXPECT_FALSE(ink(Rect(201, 100, 200, 60)));
    // nested clipping nodes: only where both stencils draw
    Sprite* inner = Sprite::createWithTexture(solid(40, 60, Color4B::WHITE));
    inner->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    inner->setPosition(180, 100);
    ClippingNode* nested = ClippingNode::create(inner);
    label->retain();
    label->removeFromParent();
    nested->addChild(label);
    label->release();
    clip->addChild(nested);
    draw();
    EXPECT_FALSE(ink(Rect(100, 100, 79, 60)));
    EXPECT_TRUE(ink(Rect(180, 100, 20, 60)));
    EXPECT_FALSE(ink(Rect(201, 100, 200, 60)));
}

TEST_F(RenderClipTest, ScrollViewClipsItsContentToItsView)
{
    extension::ScrollView* view = extension::ScrollView::create(Size(100, 100));
    view->setPosition(200, 200);
    Sprite* content = Sprite::createWithTexture(solid(400, 400, Color4B::GREEN));
    content->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
    content->setPosition(-150, -150);
    view->getContainer()->addChild(content);
    scene->addChild(view);
    sprite(solid(20, 20, Color4B::RED), Vec2(600, 600)); // drawn after: not cut
    draw();
    EXPECT_RGB(green, at(200.5f, 200.5f));
    EXPECT_RGB(green, at(299.5f, 299.5f));
    EXPECT_RGB(black, at(199.5f, 250));
    EXPECT_RGB(black, at(250, 300.5f));
    EXPECT_RGB(red, at(600, 600));
    EXPECT_FALSE(view->getContainer() == nullptr);
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST)); // off again after the view
    view->setClippingToBounds(false);
    draw();
    EXPECT_RGB(green, at(199.5f, 250));
}

// MARK: the frame

TEST_F(RenderTest, FrameHasTheViewsFrameSizeWithTheDesignScaledIntoIt)
{
    view->setFrameSize(480, 480);
    view->setDesignResolutionSize(960, 640, ResolutionPolicy::SHOW_ALL);
    director->getRenderer()->setClearColor(Color4F(0, 0, 0, 1));
    LayerColor* all = LayerColor::create(Color4B::WHITE, 960, 640);
    scene->addChild(all);
    draw();
    ASSERT_EQ(480, target().getWidth());
    ASSERT_EQ(480, target().getHeight());
    // 960 x 640 shown at half size: 480 x 320, letterboxed by 80 above and below
    const unsigned char* p = target().getPixels();
    EXPECT_EQ(0, p[(static_cast<size_t>(79) * 480 + 10) * 4]);
    EXPECT_EQ(255, p[(static_cast<size_t>(80) * 480 + 10) * 4]);
    EXPECT_EQ(255, p[(static_cast<size_t>(399) * 480 + 10) * 4]);
    EXPECT_EQ(0, p[(static_cast<size_t>(400) * 480 + 10) * 4]);
}

TEST_F(RenderTest, CapturedScreenIsTheDrawnFrame)
{
    scene->addChild(LayerColor::create(Color4B(0, 0, 255, 255)));
    sprite(solid(40, 40, Color4B::RED), Vec2(100, 600));
    std::string path = FileUtils::getInstance()->getWritablePath() + "render_capture.png";
    FileUtils::getInstance()->removeFile(path);
    int calls = 0;
    bool saved = false;
    std::string where;
    utils::captureScreen(
        [&](bool ok, const std::string& file) {
            ++calls;
            saved = ok;
            where = file;
        },
        "render_capture.png");
    draw();
    draw();
    ASSERT_EQ(1, calls);
    ASSERT_TRUE(saved);
    EXPECT_EQ(path, where);
    Image* image = new Image();
    ASSERT_TRUE(image->initWithImageFile(where));
    ASSERT_EQ(960, image->getWidth());
    ASSERT_EQ(640, image->getHeight());
    const int channels = image->getRenderFormat() == Texture2D::PixelFormat::RGB888 ? 3 : 4;
    // the top row comes first in the file: the red sprite is near its top
    const unsigned char* red = image->getData() + (static_cast<size_t>(40) * 960 + 100) * channels;
    EXPECT_EQ(255, red[0]);
    EXPECT_EQ(0, red[2]);
    const unsigned char* rest = image->getData() + (static_cast<size_t>(600) * 960 + 100) * channels;
    EXPECT_EQ(0, rest[0]);
    EXPECT_EQ(255, rest[2]);
    image->release();
    FileUtils::getInstance()->removeFile(path);
}

// MARK: bad input

TEST_F(RenderTest, BadInputDrawsNothingForThatNode)
{
    // a texture that never loaded
    Texture2D* empty = new Texture2D();
    textures.push_back(empty);
    Sprite* unloaded = Sprite::create();
    unloaded->setTexture(empty);
    unloaded->setTextureRect(Rect(0, 0, 50, 50));
    unloaded->setPosition(100, 100);
    scene->addChild(unloaded);
    // degenerate transforms
    Sprite* flat = sprite(solid(40, 40, Color4B::RED), Vec2(300, 100));
    flat->setScaleY(0.0f);
    Sprite* lost = sprite(solid(40, 40, Color4B::RED), Vec2(500, 100));
    lost->setPositionX(std::numeric_limits<float>::quiet_NaN());
    Sprite* far = sprite(solid(40, 40, Color4B::RED), Vec2(700, 100));
    far->setScale(1.0e30f);
    Sprite* fine = sprite(solid(10, 10, Color4B::GREEN), Vec2(900, 100));
    draw();
    EXPECT_RGB(black, at(100, 100));
    EXPECT_RGB(black, at(300, 100));
    EXPECT_RGB(black, at(500, 100));
    EXPECT_RGB(black, at(700, 100));
    EXPECT_RGB(green, at(900, 100));
    (void)fine;

    // a frame of no size, or beyond any screen: nothing drawn, nothing kept
    view->setFrameSize(0, 0);
    draw();
    EXPECT_TRUE(target().isEmpty());
    view->setFrameSize(100000, 100000);
    draw();
    EXPECT_TRUE(target().isEmpty());
    Image* none = director->getRenderer()->getSoftwareRenderer()->newImage();
    EXPECT_EQ(nullptr, none);
    view->setFrameSize(960, 640);
    view->setDesignResolutionSize(960, 640, ResolutionPolicy::SHOW_ALL);
    draw();
    EXPECT_RGB(green, at(900, 100));
}
