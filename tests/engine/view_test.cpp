// The window: resolution policies across frame sizes, where injected
// touches and the cursor land, and the bookkeeping of touches in progress.
#include <string>
#include <vector>
#include "EngineTestFixture.h"
#include "ImeRecorder.h"
#include "base/CCIMEDispatcher.h"

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
    EXPECT_SAME(director->getWinSize(), Size(480, 400));
    EXPECT_SAME(Scene::create()->getContentSize(), Size(480, 400));
}

TEST_F(ViewTest, ANewFrameSizeKeepsTheDesign)
{
    view->setDesignResolutionSize(480, 320, ResolutionPolicy::SHOW_ALL);
    view->setFrameSize(480, 640);
    EXPECT_SAME(view->getFrameSize(), Size(480, 640));
    EXPECT_SAME(view->getDesignResolutionSize(), Size(480, 320));
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
    EXPECT_SAME(director->getVisibleSize(), Size(480, 240));
    EXPECT_EQ(director->getVisibleOrigin(), Vec2(0, 40));
    EXPECT_SAME(view->getVisibleRect(), Rect(0, 40, 480, 240));
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

TEST_F(ViewTest, MouseLocationsReadTheCursorAsAWindowPoint)
{
    // The cursor is in the scene's coordinates; getLocation converts it once
    // more (y mirrored in the 640-high design), the "in view" locations are
    // the cursor itself.
    Vec2 cursor, location, inView, start, delta;
    auto mouse = EventListenerMouse::create();
    mouse->onMouseMove = [&](EventMouse* e) {
        cursor = Vec2(e->getCursorX(), e->getCursorY());
        location = e->getLocation();
        inView = e->getLocationInView();
        start = e->getStartLocationInView();
        delta = e->getDelta();
    };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(mouse, 1);
    view->handleMouseMove(100, 40);
    EXPECT_EQ(cursor, Vec2(100, 600));
    EXPECT_EQ(inView, Vec2(100, 600));
    EXPECT_EQ(start, Vec2(100, 600));
    EXPECT_EQ(location, Vec2(100, 40));
    EXPECT_EQ(delta, Vec2(100, 40 - 640)); // from a previous point of (0, 0) read the same way
}

TEST_F(ViewTest, WheelUpArrivesAsMinusOne)
{
    std::vector<float> ys;
    auto mouse = EventListenerMouse::create();
    mouse->onMouseScroll = [&](EventMouse* e) { ys.push_back(e->getScrollY()); };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(mouse, 1);
    view->handleMouseScroll(10, 10, 0, 1);
    view->handleMouseScroll(10, 10, 0, -2);
    EXPECT_EQ(ys, (std::vector<float>{-1, 2}));
}

TEST_F(ViewTest, KeysReachTheInputMethodAsADesktopWindowSendsThem)
{
    ImeRecorder ime;
    ASSERT_TRUE(ime.attach());
    ime.log.clear(); // the keyboard's notices
    std::vector<std::string> keys;
    auto listener = EventListenerKeyboard::create();
    listener->onKeyPressed = [&](EventKeyboard::KeyCode k, Event*) { keys.push_back("down " + std::to_string(static_cast<int>(k))); };
    listener->onKeyReleased = [&](EventKeyboard::KeyCode k, Event*) { keys.push_back("up " + std::to_string(static_cast<int>(k))); };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(listener, 1);
    const int backspace = static_cast<int>(EventKeyboard::KeyCode::KEY_BACKSPACE);
    const int left = static_cast<int>(EventKeyboard::KeyCode::KEY_LEFT_ARROW);

    // Backspace deletes on the press and on each repeat; repeats make no
    // keyboard events, the release makes no deletion.
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, true, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, false);
    EXPECT_EQ(ime.log, (std::vector<std::string>{"back", "back"}));
    EXPECT_EQ(keys, (std::vector<std::string>{"down " + std::to_string(backspace), "up " + std::to_string(backspace)}));

    // The editing keys go to the input method as control keys; others not.
    ime.log.clear();
    for (auto key : {EventKeyboard::KeyCode::KEY_HOME, EventKeyboard::KeyCode::KEY_END,
                     EventKeyboard::KeyCode::KEY_DELETE, EventKeyboard::KeyCode::KEY_LEFT_ARROW,
                     EventKeyboard::KeyCode::KEY_RIGHT_ARROW, EventKeyboard::KeyCode::KEY_ESCAPE,
                     EventKeyboard::KeyCode::KEY_UP_ARROW, EventKeyboard::KeyCode::KEY_ENTER, EventKeyboard::KeyCode::KEY_A})
        view->handleKey(key, true);
    ASSERT_EQ(ime.log.size(), 6u);
    EXPECT_EQ(ime.log[3], "key:" + std::to_string(left));

    // Typed characters are text, but never Enter, Tab or other controls.
    ime.log.clear();
    for (unsigned int c : {0x61u, 0x0Du, 0x0Au, 0x09u, 0x08u, 0x7Fu, 0x4E2Du, 0xD800u, 0x110000u})
        view->handleChar(c);
    EXPECT_EQ(ime.log, (std::vector<std::string>{"text:a", "text:\xE4\xB8\xAD"}));
    EXPECT_TRUE(ime.detach());
}
