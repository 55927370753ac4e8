// Colour layers: the quad's vertices and the gradient's corner colours.
#include "EngineTestFixture.h"

USING_NS_CC;

namespace {

void expectColor(const Color4F& c, float r, float g, float b, float a)
{
    EXPECT_NEAR(c.r, r, 1e-3f);
    EXPECT_NEAR(c.g, g, 1e-3f);
    EXPECT_NEAR(c.b, b, 1e-3f);
    EXPECT_NEAR(c.a, a, 1e-3f);
}

} // namespace

class LayerTest : public EngineTest
{
};

TEST_F(LayerTest, ColourLayerQuadFollowsSizeColourAndOpacity)
{
    auto layer = LayerColor::create(Color4B(255, 0, 0, 128), 200, 100);
    EXPECT_SAME(layer->getContentSize(), Size(200, 100));
    EXPECT_EQ(layer->getOpacity(), 128);
    EXPECT_EQ(layer->getSquareVertices()[3], Vec2(200, 100));
    expectColor(layer->getSquareColors()[0], 1, 0, 0, 128 / 255.0f);

    layer->changeWidth(50);
    EXPECT_EQ(layer->getSquareVertices()[1], Vec2(50, 0));
    EXPECT_EQ(layer->getSquareVertices()[2], Vec2(0, 100));

    layer->setColor(Color3B(0, 255, 0));
    layer->setOpacity(255);
    expectColor(layer->getSquareColors()[2], 0, 1, 0, 1);

    // Opacity of a cascading parent reaches the quad.
    auto parent = Node::create();
    parent->setCascadeOpacityEnabled(true);
    parent->setOpacity(0);
    parent->addChild(layer);
    expectColor(layer->getSquareColors()[1], 0, 1, 0, 0);

    EXPECT_SAME(LayerColor::create()->getContentSize(), Size(960, 640));
}

TEST_F(LayerTest, GradientRunsFromStartAtTheTopToEndAtTheBottom)
{
    auto layer = LayerGradient::create(Color4B(255, 0, 0, 255), Color4B(0, 0, 255, 0));
    const Color4F* c = layer->getSquareColors();
    // Corners: bottom left, bottom right, top left, top right.
    expectColor(c[0], 0, 0, 1, 0);
    expectColor(c[1], 0, 0, 1, 0);
    expectColor(c[2], 1, 0, 0, 1);
    expectColor(c[3], 1, 0, 0, 1);
    EXPECT_EQ(layer->getStartColor(), Color3B(255, 0, 0));
    EXPECT_EQ(layer->getEndColor(), Color3B(0, 0, 255));
    EXPECT_EQ(layer->getStartOpacity(), 255);
    EXPECT_EQ(layer->getEndOpacity(), 0);
}

TEST_F(LayerTest, CompressedInterpolationReachesTheFullColoursAlongAnAxis)
{
    auto layer = LayerGradient::create(Color4B(255, 255, 255, 255), Color4B(0, 0, 0, 255), Vec2(1, 0));
    const Color4F* c = layer->getSquareColors();
    // The vector points right: start on the left, end on the right.
    expectColor(c[0], 1, 1, 1, 1);
    expectColor(c[1], 0, 0, 0, 1);

    layer->setCompressedInterpolation(false);
    float w = (sqrtf(2.0f) + 1) / (2 * sqrtf(2.0f));
    expectColor(c[0], w, w, w, 1);
    expectColor(c[1], 1 - w, 1 - w, 1 - w, 1);

    layer->setVector(Vec2(1, 1));
    expectColor(c[0], 1, 1, 1, 1);
    expectColor(c[3], 0, 0, 0, 1);
    expectColor(c[1], 0.5f, 0.5f, 0.5f, 1);
}

TEST_F(LayerTest, GradientOpacityScalesBothEnds)
{
    auto layer = LayerGradient::create(Color4B(255, 0, 0, 200), Color4B(0, 0, 255, 100));
    layer->setOpacity(128);
    const Color4F* c = layer->getSquareColors();
    float f = 128 / 255.0f;
    expectColor(c[2], 1, 0, 0, 200 * f / 255.0f);
    expectColor(c[0], 0, 0, 1, 100 * f / 255.0f);
    layer->setEndColor(Color3B(0, 255, 0));
    expectColor(c[0], 0, 1, 0, 100 * f / 255.0f);
}
