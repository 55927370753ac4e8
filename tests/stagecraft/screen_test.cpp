// Screen adaptation against the engine's view, and the debugging aids.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "cocos2d.h"

#include "services/CAutoScreen.h"
#include "services/TzDebugAids.h"

namespace {

// The engine's view with the given frame size, as a window of that size gives it.
cocos2d::GLView* ViewWithFrame(float width, float height)
{
    cocos2d::Director* director = cocos2d::Director::getInstance();
    cocos2d::GLView* view = director->getOpenGLView();
    if (view == nullptr) {
        view = cocos2d::GLViewImpl::createWithRect("stagecraft", cocos2d::Rect(0, 0, width, height));
        director->setOpenGLView(view);
    }
    view->setFrameSize(width, height);
    return view;
}

void SleepMs(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

TEST(AutoScreen, WiderFrameStretchesTheSceneHorizontally)
{
    cocos2d::GLView* view = ViewWithFrame(1136, 640);
    CAutoScreen::SetSceneResolute(960, 640);
    EXPECT_FALSE(CAutoScreen::GetResoluteBool());
    EXPECT_FLOAT_EQ(CAutoScreen::GetSceneWidth(), 1136);
    EXPECT_FLOAT_EQ(CAutoScreen::GetSceneHeight(), 640);
    EXPECT_NEAR(CAutoScreen::GetSceneScale(), 1.18333f, 1e-4);
    EXPECT_FLOAT_EQ(CAutoScreen::GetChangeWidth(), 176);
    EXPECT_FLOAT_EQ(CAutoScreen::GetChangeHeight(), 0);
    EXPECT_TRUE(CAutoScreen::GetResoluteSize().equals(cocos2d::Size(960, 640)));
    // The engine shows the scene size with the show-all policy.
    EXPECT_TRUE(view->getDesignResolutionSize().equals(cocos2d::Size(1136, 640)));
    EXPECT_EQ(view->getResolutionPolicy(), ResolutionPolicy::SHOW_ALL);
    EXPECT_FLOAT_EQ(cocos2d::Director::getInstance()->getContentScaleFactor(), 1.0f);
}

TEST(AutoScreen, TallerFrameStretchesTheSceneVertically)
{
    cocos2d::GLView* view = ViewWithFrame(1024, 768);
    CAutoScreen::SetSceneResolute(960, 640);
    EXPECT_TRUE(CAutoScreen::GetResoluteBool());
    EXPECT_FLOAT_EQ(CAutoScreen::GetSceneWidth(), 960);
    EXPECT_FLOAT_EQ(CAutoScreen::GetSceneHeight(), 720);
    EXPECT_FLOAT_EQ(CAutoScreen::GetSceneScale(), 1.125f);
    EXPECT_TRUE(CAutoScreen::GetChangeSize().equals(cocos2d::Size(0, 80)));
    EXPECT_TRUE(view->getDesignResolutionSize().equals(cocos2d::Size(960, 720)));
}

TEST(AutoScreen, SameAspectRatioNeedsNoChange)
{
    ViewWithFrame(1920, 1280);
    CAutoScreen::SetSceneResolute(960, 640);
    EXPECT_FALSE(CAutoScreen::GetResoluteBool());
    EXPECT_TRUE(CAutoScreen::GetChangeSize().equals(cocos2d::Size(0, 0)));
    EXPECT_FLOAT_EQ(CAutoScreen::GetSceneScale(), 1.0f);
    EXPECT_TRUE(CAutoScreen::GetSceneSize().equals(cocos2d::Size(960, 640)));
}

TEST(AutoScreen, PlainStores)
{
    CAutoScreen::SetSceneSize(cocos2d::Size(800, 600));
    CAutoScreen::SetResoluteBool(true);
    CAutoScreen::SetSceneScale(2.0f);
    CAutoScreen::sceneResolute = cocos2d::Size(800, 500);
    EXPECT_TRUE(CAutoScreen::GetChangeSize().equals(cocos2d::Size(0, 100)));
    CAutoScreen::SetResoluteBool(false);
    CAutoScreen::SetSceneSize(900, 600);
    EXPECT_TRUE(CAutoScreen::GetChangeSize().equals(cocos2d::Size(100, 0)));
    EXPECT_FLOAT_EQ(CAutoScreen::GetSceneScale(), 2.0f);
}

TEST(DebugAids, DoubleTouchTiming)
{
    // Let an earlier quick call go stale first.
    isDoubleTouch();
    SleepMs(400);
    EXPECT_FALSE(isDoubleTouch());
    SleepMs(100);
    EXPECT_TRUE(isDoubleTouch());
    SleepMs(100);
    EXPECT_FALSE(isDoubleTouch()); // the pair was used up
    SleepMs(400);
    EXPECT_FALSE(isDoubleTouch()); // too late for a pair
}

TEST(DebugAids, BackgroundsShowTheNodeArea)
{
    cocos2d::Node* node = cocos2d::Node::create();
    node->setContentSize(cocos2d::Size(120, 40));
    testBackGround(node);
    ASSERT_EQ(node->getChildrenCount(), 1u);
    cocos2d::LayerColor* red = dynamic_cast<cocos2d::LayerColor*>(node->getChildren().at(0));
    ASSERT_NE(red, nullptr);
    EXPECT_TRUE(red->getContentSize().equals(cocos2d::Size(120, 40)));
    EXPECT_EQ(red->getColor(), cocos2d::Color3B(255, 0, 0));
    EXPECT_EQ(red->getOpacity(), 50);
    EXPECT_EQ(red->getPosition(), cocos2d::Vec2(0, 0));
    EXPECT_EQ(red->getAnchorPoint(), cocos2d::Vec2(0, 0));

    testBackGround(node, cocos2d::Color3B(0, 0, 255));
    cocos2d::LayerColor* blue = dynamic_cast<cocos2d::LayerColor*>(node->getChildren().at(1));
    ASSERT_NE(blue, nullptr);
    EXPECT_EQ(blue->getColor(), cocos2d::Color3B(0, 0, 255));

    cocos2d::Node* parent = cocos2d::Node::create();
    testBackGround(cocos2d::Size(30, 20), parent);
    ASSERT_EQ(parent->getChildrenCount(), 1u);
    EXPECT_TRUE(parent->getChildren().at(0)->getContentSize().equals(cocos2d::Size(30, 20)));

    testBackGround(nullptr);
    TzDebugShow(node, "%d", 1);
    EXPECT_EQ(node->getChildrenCount(), 2u);
}
