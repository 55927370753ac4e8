// The sample program's scene under a test clock: what it loads, and that
// it follows a touch and quits when its time is up.
#include <gtest/gtest.h>
#include "AppDelegate.h"
#include "HelloWorldScene.h"

USING_NS_CC;

TEST(HelloAppTest, LoadsItsSceneFollowsATouchAndQuits)
{
    AppDelegate app;
    ASSERT_TRUE(app.applicationDidFinishLaunching());
    auto director = Director::getInstance();
    director->mainLoop(1.0f / 60);
    ASSERT_NE(director->getRunningScene(), nullptr);
    auto layer = director->getRunningScene()->getChildByName<HelloWorld*>("HelloWorld");
    ASSERT_NE(layer, nullptr);
    EXPECT_TRUE(director->getWinSize().equals(Size(480, 320)));

    auto label = layer->getChildByName<Label*>("label");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->getString(), "Hello World");
    EXPECT_GT(label->getContentSize().width, 0);

    auto sprite = layer->getChildByName<Sprite*>("sprite");
    ASSERT_NE(sprite, nullptr);
    EXPECT_TRUE(sprite->getContentSize().equals(Size(32, 24)));
    EXPECT_EQ(sprite->getPosition(), Vec2(240, 160));

    // Window (720, 160) of the 960 x 640 frame is design (360, 240).
    intptr_t id = 1;
    float x = 720, y = 160;
    director->getOpenGLView()->handleTouchesBegin(1, &id, &x, &y);
    director->getOpenGLView()->handleTouchesEnd(1, &id, &x, &y);
    for (int i = 0; i < 90; ++i)
        director->mainLoop(1.0f / 60);
    EXPECT_NEAR(sprite->getPositionX(), 360, 0.01f);
    EXPECT_NEAR(sprite->getPositionY(), 240, 0.01f);
    EXPECT_EQ(layer->getFrames(), 90);
    EXPECT_EQ(layer->getSeconds(), 1);

    // Two seconds in it ends the director: the scene goes.
    for (int i = 0; i < 40 && director->getRunningScene(); ++i)
        director->mainLoop(1.0f / 60);
    EXPECT_EQ(director->getRunningScene(), nullptr);
}
