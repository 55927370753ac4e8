// The grey-scale effect, the shake, endless rotation and colour blink actions,
// and the engine classes carrying the widget records.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cocos2d.h"

#include "widgets/CCControlSliderEx.h"
#include "widgets/CCLayerGradientEx.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CEffect.h"
#include "widgets/CRotateForever.h"
#include "widgets/CShake.h"
#include "widgets/ColorBlinkAction.h"

namespace {

// A node the test owns, released at the end.
class OwnedNode {
public:
    OwnedNode() : m_pNode(cocos2d::Node::create()) { m_pNode->retain(); }
    ~OwnedNode() { m_pNode->release(); }
    cocos2d::Node* operator->() const { return m_pNode; }
    cocos2d::Node* get() const { return m_pNode; }

private:
    cocos2d::Node* m_pNode;
};

} // namespace

TEST(Shake, GrowsWithinStrengthAndReturnsToStart)
{
    OwnedNode node;
    node->setPosition(cocos2d::Vec2(100, 50));
    CShake* shake = CShake::create(1.0f, 10.0f);
    ASSERT_NE(shake, nullptr);
    EXPECT_FLOAT_EQ(shake->getDuration(), 1.0f);
    shake->startWithTarget(node.get());

    float furthest = 0;
    for (int i = 1; i <= 20; ++i) {
        const float t = i / 20.0f;
        shake->update(t);
        const cocos2d::Vec2 p = node->getPosition();
        // The amplitude grows linearly with the time.
        EXPECT_LE(std::fabs(p.x - 100), 10.0f * t + 1e-3f);
        EXPECT_LE(std::fabs(p.y - 50), 10.0f * t + 1e-3f);
        furthest = std::fmax(furthest, std::fabs(p.x - 100));
    }
    EXPECT_GT(furthest, 0.0f);
    shake->update(0.0f);
    EXPECT_EQ(node->getPosition(), cocos2d::Vec2(100, 50));
    shake->update(1.0f);
    shake->stop();
    EXPECT_EQ(node->getPosition(), cocos2d::Vec2(100, 50));
}

TEST(Shake, SeparateStrengthsPerAxis)
{
    OwnedNode node;
    CShake* shake = CShake::createWithStrength(0.5f, 0.0f, 4.0f);
    shake->startWithTarget(node.get());
    for (int i = 0; i < 50; ++i) {
        shake->update(1.0f);
        EXPECT_FLOAT_EQ(node->getPositionX(), 0.0f);
        EXPECT_LE(std::fabs(node->getPositionY()), 4.0f);
    }
    CShake* copy = shake->clone();
    EXPECT_FLOAT_EQ(copy->getDuration(), 0.5f);
}

TEST(RotateForever, TurnsAtItsSpeedWithoutEnd)
{
    OwnedNode node;
    node->setRotation(10.0f);
    CRotateForever* rotate = CRotateForever::create(0.5f);
    ASSERT_NE(rotate, nullptr);
    rotate->startWithTarget(node.get());

    // Half a turn a second: 180 degrees after each second, equal modulo 360.
    for (int second = 1; second <= 6; ++second) {
        for (int tick = 0; tick < 10; ++tick)
            rotate->step(0.1f);
        const float expected = std::fmod(10.0f + 180.0f * second, 360.0f);
        EXPECT_NEAR(std::fmod(node->getRotationSkewX(), 360.0f), expected, 0.05f) << "after " << second << " s";
        EXPECT_NEAR(std::fmod(node->getRotationSkewY(), 360.0f), expected, 0.05f);
        EXPECT_FALSE(rotate->isDone());
    }
}

TEST(RotateForever, RunsUnderTheActionManager)
{
    OwnedNode node;
    cocos2d::ActionManager* manager = new cocos2d::ActionManager();
    manager->addAction(CRotateForever::create(1.0f), node.get(), false);
    manager->update(0.0f);
    manager->update(0.25f);
    EXPECT_NEAR(node->getRotationSkewX(), 90.0f, 0.05f);
    for (int i = 0; i < 40; ++i)
        manager->update(0.25f);
    EXPECT_EQ(manager->getNumberOfRunningActionsInTarget(node.get()), 1u);
    manager->removeAllActionsFromTarget(node.get());
    manager->release();
}

TEST(ColorBlink, AlternatesBetweenColourAndWhite)
{
    OwnedNode node;
    const cocos2d::Color3B red(255, 0, 0);
    ColorBlinkAction* blink = ColorBlinkAction::create(red, 1.0f, 2);
    ASSERT_NE(blink, nullptr);
    EXPECT_TRUE(blink->isFirstTick());
    blink->startWithTarget(node.get());

    const struct {
        float t;
        cocos2d::Color3B colour;
    } expected[] = {
        { 0.10f, red }, { 0.20f, red }, { 0.30f, cocos2d::Color3B::WHITE }, { 0.45f, cocos2d::Color3B::WHITE },
        { 0.60f, red }, { 0.70f, red }, { 0.80f, cocos2d::Color3B::WHITE }, { 0.95f, cocos2d::Color3B::WHITE },
    };
    for (const auto& e : expected) {
        blink->update(e.t);
        EXPECT_EQ(node->getColor(), e.colour) << "at " << e.t;
    }
    EXPECT_TRUE(node->isVisible());
}

TEST(ColorBlink, StepsThroughItsDuration)
{
    OwnedNode node;
    ColorBlinkAction* blink = ColorBlinkAction::create(cocos2d::Color3B(0, 255, 0), 2.0f, 1);
    blink->startWithTarget(node.get());
    blink->step(0.0f);
    EXPECT_FALSE(blink->isFirstTick());
    blink->step(0.5f); // a quarter: the colour
    EXPECT_EQ(node->getColor(), cocos2d::Color3B(0, 255, 0));
    blink->step(1.0f); // three quarters: white
    EXPECT_EQ(node->getColor(), cocos2d::Color3B::WHITE);
    blink->step(1.0f);
    EXPECT_TRUE(blink->isDone());
    node->setColor(cocos2d::Color3B(1, 2, 3));
    blink->update(0.3f); // done: nothing changes
    EXPECT_EQ(node->getColor(), cocos2d::Color3B(1, 2, 3));
}

TEST(Effect, GreyScaleProgramFromTheShippedShader)
{
    CEffectGreyScale* effect = CEffectGreyScale::create();
    ASSERT_NE(effect, nullptr);
    cocos2d::GLProgramState* state = effect->getGLProgramState();
    ASSERT_NE(state, nullptr);
    ASSERT_NE(state->getGLProgram(), nullptr);

    // The state stays alive as long as an effect holds it.
    const unsigned int held = state->getReferenceCount();
    {
        CEffect copy(*effect);
        EXPECT_EQ(copy.getGLProgramState(), state);
        EXPECT_EQ(state->getReferenceCount(), held + 1);
    }
    EXPECT_EQ(state->getReferenceCount(), held);

    // A sprite takes the effect's state as grey scale does.
    cocos2d::Sprite* sprite = cocos2d::Sprite::create("stagecraft_fixtures/bar40x20.png");
    ASSERT_NE(sprite, nullptr);
    effect->setTarget(sprite);
    sprite->setGLProgramState(state);
    EXPECT_EQ(sprite->getGLProgramState(), state);
}

TEST(Scale9SpriteEx, CapInsetsAtTheCentrePixel)
{
    CCScale9SpriteEx* sprite = CCScale9SpriteEx::create("stagecraft_fixtures/bar40x20.png");
    ASSERT_NE(sprite, nullptr);
    EXPECT_TRUE(sprite->getContentSize().equals(cocos2d::Size(40, 20)));
    EXPECT_TRUE(sprite->getCapInsets().equals(cocos2d::Rect(20, 10, 1, 1)));

    sprite->setContentSize(cocos2d::Size(200, 20));
    EXPECT_TRUE(sprite->getContentSize().equals(cocos2d::Size(200, 20)));
    // The corners keep their width: 20 on the left, 19 on the right.
    EXPECT_FLOAT_EQ(sprite->getInsetLeft(), 20.0f);
    EXPECT_FLOAT_EQ(sprite->getInsetRight(), 19.0f);
    EXPECT_FLOAT_EQ(sprite->getInsetTop(), 10.0f);
    EXPECT_FLOAT_EQ(sprite->getInsetBottom(), 9.0f);

    sprite->SetJsonName("scale9_panel");
    EXPECT_STREQ(sprite->GetJsonName(), "scale9_panel");
}

TEST(Scale9SpriteEx, MissingImageGivesNull)
{
    EXPECT_EQ(CCScale9SpriteEx::create("stagecraft_fixtures/missing.png"), nullptr);
    EXPECT_NE(CCScale9SpriteEx::create(), nullptr);
}

TEST(EngineExtensions, SliderRangeAndGradientLayer)
{
    CCControlSliderEx* slider = CCControlSliderEx::create();
    ASSERT_NE(slider, nullptr);
    EXPECT_FLOAT_EQ(slider->getMinimumValue(), 0.0f);
    EXPECT_FLOAT_EQ(slider->getMaximumValue(), 1.0f);
    slider->SetParamInt(4);
    EXPECT_EQ(slider->GetParamInt(), 4);

    CCLayerGradientEx* gradient = CCLayerGradientEx::create();
    ASSERT_NE(gradient, nullptr);
    gradient->SetJsonName("Gradient_back");
    cocos2d::Node* asNode = gradient;
    EXPECT_NE(dynamic_cast<CSpriteUIJsonData*>(asNode), nullptr);
}
