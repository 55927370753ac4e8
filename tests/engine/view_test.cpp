// The window: resolution policies across frame sizes, where injected
// touches and the cursor land, and the bookkeeping of touches in progress.
#include <string>
#include <vector>
#include "EngineTestFixture.h"

USING_NS_CC;

class ViewTest : public EngineTest
{
protected:
    // The scene location of a touch begun at window (x, y).
    Vec2 touchAt(float x, float y)
    {
        Vec2 seen(-1, -1);
        auto listener = EventListenerTouchOneByOne::create();
        listener->onTouchBegan = [&](Touch* t, Event*) {
            seen = t->getLocation();
            return false;
        };
        director->getEventDispatcher()->addEventListenerWithFixedPriority(listener, 1);
        intptr_t id = 42;
        view->handleTouchesBegin(1, &id, &x, &y);
        view->handleTouchesEnd(1, &id, &x, &y);
        director->getEventDispatcher()->removeEventListener(listener);
        return seen;
    }
};

TEST_F(ViewTest, FixedWidthFollowsTheFrameHeight)
{
    view->setFrameSize(960, 800);
    view->setDesignResolutionSize(480, 320, ResolutionPolicy::FIXED_WIDTH);
    EXPECT_FLOAT_EQ(view->getScaleX(), 2);
    EXPECT_FLOAT_EQ(view->getScaleY(), 2);
    EXPECT_EQ(director->getWinSize(), Size(480, 400));
    EXPECT_EQ(Scene::create()->getContentSize(), Size(480, 400));
}

TEST_F(ViewTest, ANewFrameSizeKeepsTheDesign)
{
    view->setDesignResolutionSize(480, 320, ResolutionPolicy::SHOW_ALL);
    view->setFrameSize(480, 640);
    EXPECT_EQ(view->getFrameSize(), Size(480, 640));
    EXPECT_EQ(view->getDesignResolutionSize(), Size(480, 320));
    EXPECT_FLOAT_EQ(view->getScaleX(), 1);
    // Letterboxed: the design sits in the middle of the taller frame.
    EXPECT_FLOAT_EQ(view->getViewPortRect().origin.y, 160);
    EXPECT_EQ(touchAt(0, 160), Vec2(0, 320));
    EXPECT_EQ(touchAt(480, 480), Vec2(480, 0));
}

TEST_F(ViewTest, NoBorderCutsTheFrameAndShiftsTheVisibleOrigin)
{
    view->setFrameSize(960, 480);
    view->setDesignResolutionSize(480, 320, ResolutionPolicy::NO_BORDER);
    EXPECT_FLOAT_EQ(view->getScaleX(), 2);
    EXPECT_EQ(director->getVisibleSize(), Size(480, 240));
    EXPECT_EQ(director->getVisibleOrigin(), Vec2(0, 40));
    EXPECT_EQ(view->getVisibleRect(), Rect(0, 40, 480, 240));
    // The top of the window shows design y 280, not 320.
    EXPECT_EQ(touchAt(0, 0), Vec2(0, 280));
    EXPECT_EQ(touchAt(960, 480), Vec2(480, 40));
}

TEST_F(ViewTest, CursorUsesTheSameMappingAsTouches)
{
    view->setFrameSize(480, 640);
    view->setDesignResolutionSize(480, 320, ResolutionPolicy::SHOW_ALL);
    Vec2 cursor;
    auto mouse = EventListenerMouse::create();
    mouse->onMouseMove = [&](EventMouse* e) { cursor = Vec2(e->getCursorX(), e->getCursorY()); };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(mouse, 1);
    view->handleMouseMove(120, 200);
    EXPECT_EQ(cursor, Vec2(120, 280));
    EXPECT_EQ(cursor, touchAt(120, 200));
}

TEST_F(ViewTest, TouchesInProgressAreBookkept)
{
    intptr_t ids[EventTouch::MAX_TOUCHES + 3];
    float xs[EventTouch::MAX_TOUCHES + 3];
    float ys[EventTouch::MAX_TOUCHES + 3];
    for (int i = 0; i < EventTouch::MAX_TOUCHES + 3; ++i)
    {
        ids[i] = 1000 + i;
        xs[i] = ys[i] = static_cast<float>(i);
    }
    int began = 0;
    auto listener = EventListenerTouchAllAtOnce::create();
    listener->onTouchesBegan = [&](const std::vector<Touch*>& touches, Event*) { began += static_cast<int>(touches.size()); };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(listener, 1);

    view->handleTouchesBegin(EventTouch::MAX_TOUCHES + 3, ids, xs, ys);
    EXPECT_EQ(began, EventTouch::MAX_TOUCHES); // no more fingers than the engine tracks
    view->handleTouchesBegin(1, ids, xs, ys); // already down
    EXPECT_EQ(began, EventTouch::MAX_TOUCHES);
    view->handleTouchesCancel(EventTouch::MAX_TOUCHES + 3, ids, xs, ys);
    EXPECT_TRUE(view->getAllTouches().empty());

    // Moves and ends of unknown touches reach nobody.
    int moved = 0;
    listener->onTouchesMoved = [&](const std::vector<Touch*>&, Event*) { ++moved; };
    view->handleTouchesMove(1, ids, xs, ys);
    view->handleTouchesEnd(1, ids, xs, ys);
    EXPECT_EQ(moved, 0);
}

TEST_F(ViewTest, CancellingDropsTheClaim)
{
    auto node = Node::create();
    scene->addChild(node);
    std::vector<std::string> log;
    auto listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [&](Touch*, Event*) { return true; };
    listener->onTouchMoved = [&](Touch*, Event*) { log.push_back("moved"); };
    listener->onTouchCancelled = [&](Touch*, Event*) { log.push_back("cancelled"); };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, node);
    intptr_t id = 5;
    float x = 1, y = 1;
    view->handleTouchesBegin(1, &id, &x, &y);
    view->handleTouchesCancel(1, &id, &x, &y);
    view->handleTouchesMove(1, &id, &x, &y);
    EXPECT_EQ(log, (std::vector<std::string>{"cancelled"}));
}

TEST_F(ViewTest, MouseOutsideTheViewportMakesNoTouch)
{
    view->setFrameSize(480, 640);
    view->setDesignResolutionSize(480, 320, ResolutionPolicy::SHOW_ALL);
    int touches = 0;
    auto listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [&](Touch*, Event*) {
        ++touches;
        return true;
    };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(listener, 1);
    view->handleMouseDown(10, 50); // in the letterbox band
    view->handleMouseUp(10, 50);
    EXPECT_EQ(touches, 0);
    view->handleMouseDown(10, 300);
    view->handleMouseUp(10, 300);
    EXPECT_EQ(touches, 1);
}
