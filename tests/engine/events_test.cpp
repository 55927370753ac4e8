// Event delivery: scene-graph and fixed priorities, claiming and
// swallowing, pausing with the node's life, changes during a dispatch, and
// the window's touch, mouse and key injection.
#include <string>
#include <vector>
#include "EngineTestFixture.h"

USING_NS_CC;

namespace {

struct Recorder
{
    std::vector<std::string> log;
    std::vector<Vec2> locations;
};

// A one-by-one listener on the node that logs "<name> <phase>".
EventListenerTouchOneByOne* listen(Node* node, const std::string& name, Recorder* rec, bool claim, bool swallow)
{
    auto listener = EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(swallow);
    listener->onTouchBegan = [=](Touch* touch, Event*) {
        rec->log.push_back(name + " began");
        rec->locations.push_back(touch->getLocation());
        return claim;
    };
    listener->onTouchMoved = [=](Touch*, Event*) { rec->log.push_back(name + " moved"); };
    listener->onTouchEnded = [=](Touch*, Event*) { rec->log.push_back(name + " ended"); };
    listener->onTouchCancelled = [=](Touch*, Event*) { rec->log.push_back(name + " cancelled"); };
    node->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, node);
    return listener;
}

Node* child(Node* parent, const std::string& name, int z)
{
    auto node = Node::create();
    node->setName(name);
    parent->addChild(node, z);
    return node;
}

} // namespace

class EventsTest : public EngineTest
{
protected:
    void touch(int phase, float x, float y, intptr_t id = 1)
    {
        switch (phase)
        {
        case 0: view->handleTouchesBegin(1, &id, &x, &y); break;
        case 1: view->handleTouchesMove(1, &id, &x, &y); break;
        case 2: view->handleTouchesEnd(1, &id, &x, &y); break;
        default: view->handleTouchesCancel(1, &id, &x, &y); break;
        }
    }
    void tap(float x = 10, float y = 10)
    {
        touch(0, x, y);
        touch(1, x + 1, y);
        touch(2, x + 1, y);
    }
    Recorder rec;
};

TEST_F(EventsTest, FrontMostNodeHearsFirst)
{
    auto a = child(scene, "a", 0);
    auto b = child(scene, "b", 1);
    auto below = child(a, "below", -1);
    auto above = child(a, "above", 1);
    for (Node* n : {a, b, below, above})
        listen(n, n->getName(), &rec, false, false);

    touch(0, 10, 10);
    // Drawing order: below, a, above, b; the last drawn hears first.
    EXPECT_EQ(rec.log, (std::vector<std::string>{"b began", "above began", "a began", "below began"}));

    rec.log.clear();
    below->setGlobalZOrder(10);
    touch(2, 10, 10);
    touch(0, 10, 10, 2);
    EXPECT_EQ(rec.log.front(), "below began");
}

TEST_F(EventsTest, SiblingsOfOneZOrderGoByArrivalAndListenersByAddition)
{
    auto first = child(scene, "first", 0);
    auto second = child(scene, "second", 0);
    listen(first, "first", &rec, false, false);
    listen(second, "second-1", &rec, false, false);
    listen(second, "second-2", &rec, false, false);
    touch(0, 1, 1);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"second-1 began", "second-2 began", "first began"}));
}

TEST_F(EventsTest, FixedPrioritiesSurroundTheSceneGraph)
{
    auto node = child(scene, "n", 0);
    auto fixed = [&](const std::string& name, int priority) {
        auto l = EventListenerTouchOneByOne::create();
        l->onTouchBegan = [=](Touch*, Event*) {
            rec.log.push_back(name);
            return false;
        };
        director->getEventDispatcher()->addEventListenerWithFixedPriority(l, priority);
    };
    fixed("+3", 3);
    fixed("-5", -5);
    fixed("-1", -1);
    listen(node, "graph", &rec, false, false);
    touch(0, 1, 1);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"-5", "-1", "graph began", "+3"}));
}

TEST_F(EventsTest, ClaimerGetsTheRestOfItsTouchAndSwallowsItFromOthers)
{
    auto lower = child(scene, "lower", 0);
    auto upper = child(scene, "upper", 1);
    listen(lower, "lower", &rec, true, false);
    listen(upper, "upper", &rec, true, true);
    tap();
    EXPECT_EQ(rec.log, (std::vector<std::string>{"upper began", "upper moved", "upper ended"}));
}

TEST_F(EventsTest, WithoutSwallowingEveryClaimerFollowsTheTouch)
{
    auto lower = child(scene, "lower", 0);
    auto middle = child(scene, "middle", 1);
    auto upper = child(scene, "upper", 2);
    listen(lower, "lower", &rec, true, false);
    listen(middle, "middle", &rec, false, false);
    listen(upper, "upper", &rec, true, false);
    tap();
    EXPECT_EQ(rec.log, (std::vector<std::string>{"upper began", "middle began", "lower began", "upper moved",
                                                 "lower moved", "upper ended", "lower ended"}));
}

TEST_F(EventsTest, SwallowingAppliesInEveryPhase)
{
    auto lower = child(scene, "lower", 0);
    auto upper = child(scene, "upper", 1);
    listen(lower, "lower", &rec, true, false);
    auto top = listen(upper, "upper", &rec, true, false);
    touch(0, 5, 5);
    top->setSwallowTouches(true);
    touch(1, 6, 5);
    touch(3, 6, 5);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"upper began", "lower began", "upper moved", "upper cancelled"}));
}

TEST_F(EventsTest, EndingDropsTheClaim)
{
    auto node = child(scene, "n", 0);
    bool claim = true;
    auto listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [&](Touch*, Event*) { return claim; };
    listener->onTouchMoved = [&](Touch*, Event*) { rec.log.push_back("moved"); };
    listener->onTouchEnded = [&](Touch*, Event*) { rec.log.push_back("ended"); };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, node);
    tap();
    claim = false;
    tap(); // same touch id again, not claimed this time
    EXPECT_EQ(rec.log, (std::vector<std::string>{"moved", "ended"}));
}

TEST_F(EventsTest, AllAtOnceListenersGetWhatWasNotSwallowed)
{
    auto node = child(scene, "n", 0);
    listen(node, "one", &rec, true, true);
    auto all = EventListenerTouchAllAtOnce::create();
    size_t seen = 0;
    all->onTouchesBegan = [&](const std::vector<Touch*>& touches, Event*) { seen += touches.size(); };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(all, 1);

    intptr_t ids[2] = {7, 8};
    float xs[2] = {1, 2};
    float ys[2] = {1, 2};
    view->handleTouchesBegin(2, ids, xs, ys);
    // The first touch is claimed and swallowed; the second is claimed too.
    EXPECT_EQ(seen, 0u);
    view->handleTouchesEnd(2, ids, xs, ys);

    node->getEventDispatcher()->removeEventListenersForTarget(node);
    view->handleTouchesBegin(2, ids, xs, ys);
    EXPECT_EQ(seen, 2u);
    EXPECT_EQ(view->getAllTouches().size(), 2u);
}

TEST_F(EventsTest, ListenersOfNodesOutsideTheSceneArePaused)
{
    auto loose = Node::create();
    loose->retain();
    listen(loose, "loose", &rec, false, false);
    touch(0, 1, 1);
    EXPECT_TRUE(rec.log.empty());
    touch(2, 1, 1);

    scene->addChild(loose);
    touch(0, 1, 1);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"loose began"}));
    touch(2, 1, 1);

    loose->removeFromParentAndCleanup(false);
    touch(0, 1, 1);
    EXPECT_EQ(rec.log.size(), 1u);
    touch(2, 1, 1);
    loose->release(); // its listeners go with it
    touch(0, 1, 1);
    EXPECT_EQ(rec.log.size(), 1u);
}

TEST_F(EventsTest, ListenerAddedDuringADispatchHearsTheNextEvent)
{
    auto node = child(scene, "n", 0);
    auto top = child(scene, "top", 5);
    bool added = false;
    auto adder = EventListenerTouchOneByOne::create();
    adder->onTouchBegan = [&](Touch*, Event*) {
        rec.log.push_back("adder");
        if (!added)
        {
            added = true;
            listen(top, "new", &rec, false, false);
        }
        return false;
    };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(adder, node);
    touch(0, 1, 1);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"adder"}));
    touch(2, 1, 1);
    touch(0, 1, 1);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"adder", "new began", "adder"}));
}

TEST_F(EventsTest, ListenerRemovedDuringADispatchIsNotCalled)
{
    auto lower = child(scene, "lower", 0);
    auto upper = child(scene, "upper", 1);
    auto victim = listen(lower, "lower", &rec, false, false);
    auto remover = EventListenerTouchOneByOne::create();
    remover->onTouchBegan = [&](Touch*, Event*) {
        director->getEventDispatcher()->removeEventListener(victim);
        // Removing the node too: it is freed once nothing holds it.
        lower->removeFromParent();
        return false;
    };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(remover, upper);
    touch(0, 1, 1);
    EXPECT_TRUE(rec.log.empty());
    touch(2, 1, 1);
    touch(0, 1, 1);
    EXPECT_TRUE(rec.log.empty());
}

TEST_F(EventsTest, StoppedEventsGoNoFurther)
{
    auto node = child(scene, "n", 0);
    auto dispatcher = director->getEventDispatcher();
    std::vector<std::string> log;
    dispatcher->addEventListenerWithFixedPriority(EventListenerCustom::create("go", [&](EventCustom* e) {
        log.push_back("first");
        e->stopPropagation();
    }), -1);
    dispatcher->addEventListenerWithSceneGraphPriority(EventListenerCustom::create("go", [&](EventCustom*) {
        log.push_back("second");
    }), node);
    dispatcher->dispatchCustomEvent("go");
    EXPECT_EQ(log, (std::vector<std::string>{"first"}));
}

TEST_F(EventsTest, CustomEventsCarryTheirDataToListenersOfTheName)
{
    auto dispatcher = director->getEventDispatcher();
    int payload = 42;
    void* received = nullptr;
    int others = 0;
    dispatcher->addCustomEventListener("ping", [&](EventCustom* e) { received = e->getUserData(); });
    dispatcher->addCustomEventListener("pong", [&](EventCustom*) { ++others; });
    dispatcher->dispatchCustomEvent("ping", &payload);
    EXPECT_EQ(received, &payload);
    EXPECT_EQ(others, 0);
    dispatcher->removeCustomEventListeners("ping");
    received = nullptr;
    dispatcher->dispatchCustomEvent("ping", &payload);
    EXPECT_EQ(received, nullptr);
    EXPECT_TRUE(dispatcher->hasEventListener("pong"));
}

TEST_F(EventsTest, WindowTouchesArriveInSceneCoordinates)
{
    auto node = child(scene, "n", 0);
    listen(node, "n", &rec, true, false);
    touch(0, 100, 40);
    ASSERT_EQ(rec.locations.size(), 1u);
    EXPECT_EQ(rec.locations[0], Vec2(100, 600));
    touch(2, 100, 40);

    // Twice the frame: the same design point.
    view->setFrameSize(1920, 1280);
    view->setDesignResolutionSize(960, 640, ResolutionPolicy::SHOW_ALL);
    touch(0, 200, 80);
    EXPECT_EQ(rec.locations[1], Vec2(100, 600));
    touch(2, 200, 80);
}

TEST_F(EventsTest, ResolutionPoliciesPlaceTheDesignInTheFrame)
{
    view->setFrameSize(1000, 500);
    view->setDesignResolutionSize(960, 640, ResolutionPolicy::SHOW_ALL);
    EXPECT_FLOAT_EQ(view->getScaleX(), 500.0f / 640.0f);
    EXPECT_FLOAT_EQ(view->getViewPortRect().origin.x, 125);
    EXPECT_SAME(director->getVisibleSize(), Size(960, 640));

    view->setDesignResolutionSize(960, 640, ResolutionPolicy::NO_BORDER);
    EXPECT_FLOAT_EQ(view->getScaleY(), 1000.0f / 960.0f);
    EXPECT_NEAR(director->getVisibleSize().height, 480, 1e-3f);
    EXPECT_NEAR(director->getVisibleOrigin().y, 80, 1e-3f);

    view->setDesignResolutionSize(960, 640, ResolutionPolicy::FIXED_HEIGHT);
    EXPECT_SAME(director->getWinSize(), Size(1280, 640));

    view->setDesignResolutionSize(960, 640, ResolutionPolicy::EXACT_FIT);
    EXPECT_FLOAT_EQ(view->getScaleX(), 1000.0f / 960.0f);
    EXPECT_FLOAT_EQ(view->getScaleY(), 500.0f / 640.0f);
    EXPECT_EQ(static_cast<int>(ResolutionPolicy::SHOW_ALL), 2);
}

TEST_F(EventsTest, MouseButtonsMovesAndWheel)
{
    auto node = child(scene, "n", 0);
    listen(node, "touch", &rec, true, false);
    auto mouse = EventListenerMouse::create();
    mouse->onMouseDown = [&](EventMouse* e) {
        rec.log.push_back("down " + std::to_string(static_cast<int>(e->getMouseButton())));
        rec.locations.push_back(Vec2(e->getCursorX(), e->getCursorY()));
    };
    mouse->onMouseUp = [&](EventMouse* e) { rec.log.push_back("up " + std::to_string(static_cast<int>(e->getMouseButton()))); };
    mouse->onMouseMove = [&](EventMouse* e) { rec.log.push_back("move " + std::to_string(static_cast<int>(e->getMouseButton()))); };
    mouse->onMouseScroll = [&](EventMouse* e) { rec.log.push_back("scroll " + std::to_string(static_cast<int>(e->getScrollY()))); };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(mouse, node);

    view->handleMouseMove(100, 40);
    view->handleMouseDown(100, 40);
    view->handleMouseMove(110, 40);
    view->handleMouseUp(110, 40);
    view->handleMouseDown(5, 5, EventMouse::MouseButton::BUTTON_RIGHT);
    view->handleMouseUp(5, 5, EventMouse::MouseButton::BUTTON_RIGHT);
    view->handleMouseScroll(5, 5, 0, -3); // turned down: listeners see it negated

    // The left button also drives touch 0, ahead of its mouse event.
    EXPECT_EQ(rec.log, (std::vector<std::string>{"move -1", "touch began", "down 0", "touch moved", "move 0",
                                                 "touch ended", "up 0", "down 1", "up 1", "scroll 3"}));
    EXPECT_EQ(rec.locations[0], Vec2(100, 600)); // the touch
    EXPECT_EQ(rec.locations[1], Vec2(100, 600)); // the cursor

    rec.log.clear();
    view->setMouseEmulatesTouch(false);
    view->handleMouseDown(1, 1);
    view->handleMouseUp(1, 1);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"down 0", "up 0"}));
}

TEST_F(EventsTest, KeysReachKeyboardListeners)
{
    auto node = child(scene, "n", 0);
    auto keys = EventListenerKeyboard::create();
    std::vector<std::pair<EventKeyboard::KeyCode, bool>> got;
    keys->onKeyPressed = [&](EventKeyboard::KeyCode k, Event*) { got.emplace_back(k, true); };
    keys->onKeyReleased = [&](EventKeyboard::KeyCode k, Event*) { got.emplace_back(k, false); };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(keys, node);
    view->handleKey(EventKeyboard::KeyCode::KEY_ENTER, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_ENTER, false);
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, true);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].first, EventKeyboard::KeyCode::KEY_ENTER);
    EXPECT_TRUE(got[0].second);
    EXPECT_FALSE(got[1].second);
    EXPECT_EQ(got[2].first, EventKeyboard::KeyCode::KEY_BACKSPACE);
}

TEST_F(EventsTest, LayerTouchHandlersThroughTheLayerSwitch)
{
    struct TouchLayer : Layer
    {
        int began = 0;
        int ended = 0;
        bool onTouchBegan(Touch*, Event*) override
        {
            ++began;
            return true;
        }
        void onTouchEnded(Touch*, Event*) override { ++ended; }
    };
    auto layer = new TouchLayer();
    layer->init();
    layer->autorelease();
    layer->setTouchMode(Touch::DispatchMode::ONE_BY_ONE);
    layer->setTouchEnabled(true);
    scene->addChild(layer);
    tap();
    EXPECT_EQ(layer->began, 1);
    EXPECT_EQ(layer->ended, 1);
    layer->setTouchEnabled(false);
    tap();
    EXPECT_EQ(layer->began, 1);
}

TEST_F(EventsTest, FixedPrioritiesCanBeChangedAndListenersRemovedByType)
{
    auto dispatcher = director->getEventDispatcher();
    std::vector<std::string> log;
    auto make = [&](const std::string& name) {
        auto l = EventListenerKeyboard::create();
        l->onKeyPressed = [&log, name](EventKeyboard::KeyCode, Event*) { log.push_back(name); };
        return l;
    };
    auto a = make("a");
    auto b = make("b");
    dispatcher->addEventListenerWithFixedPriority(a, 1);
    dispatcher->addEventListenerWithFixedPriority(b, 2);
    dispatcher->addEventListenerWithFixedPriority(b, 0); // already registered: ignored
    view->handleKey(EventKeyboard::KeyCode::KEY_A, true);
    dispatcher->setPriority(a, 3);
    view->handleKey(EventKeyboard::KeyCode::KEY_A, true);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "b", "a"}));

    dispatcher->setEnabled(false);
    view->handleKey(EventKeyboard::KeyCode::KEY_A, true);
    dispatcher->setEnabled(true);
    dispatcher->removeEventListenersForType(EventListener::Type::KEYBOARD);
    view->handleKey(EventKeyboard::KeyCode::KEY_A, true);
    EXPECT_EQ(log.size(), 4u);
    EXPECT_FALSE(dispatcher->hasEventListener(EventListenerKeyboard::LISTENER_ID));
}

TEST_F(EventsTest, TouchesTakeTheLowestFreeSlotAndTrackTheirPath)
{
    auto node = child(scene, "n", 0);
    std::vector<int> ids;
    std::vector<Vec2> deltas;
    Vec2 start;
    auto listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [&](Touch* t, Event*) {
        ids.push_back(t->getID());
        return true;
    };
    listener->onTouchMoved = [&](Touch* t, Event*) {
        deltas.push_back(t->getDelta());
        start = t->getStartLocation();
    };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, node);

    touch(0, 10, 10, 100);
    touch(0, 20, 20, 200);
    touch(2, 10, 10, 100);
    touch(0, 30, 30, 300); // takes the freed slot 0
    touch(1, 25, 10, 200);
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 0}));
    ASSERT_EQ(deltas.size(), 1u);
    EXPECT_EQ(deltas[0], Vec2(5, 10)); // y grows upwards in the scene
    EXPECT_EQ(start, Vec2(20, 620));
}

TEST_F(EventsTest, PausingATargetCanReachItsDescendants)
{
    auto parent = child(scene, "p", 0);
    auto kid = child(parent, "k", 0);
    listen(parent, "p", &rec, false, false);
    listen(kid, "k", &rec, false, false);
    auto dispatcher = director->getEventDispatcher();
    dispatcher->pauseEventListenersForTarget(parent, true);
    touch(0, 1, 1);
    touch(2, 1, 1);
    EXPECT_TRUE(rec.log.empty());
    dispatcher->resumeEventListenersForTarget(parent);
    touch(0, 1, 1);
    touch(2, 1, 1);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"p began"}));
    dispatcher->removeEventListenersForTarget(parent, true);
    dispatcher->resumeEventListenersForTarget(kid);
    touch(0, 1, 1);
    EXPECT_EQ(rec.log.size(), 1u);
}

TEST_F(EventsTest, ChangesDuringNestedDispatchesWaitForTheOutermost)
{
    auto node = child(scene, "n", 0);
    auto dispatcher = director->getEventDispatcher();
    std::vector<std::string> log;
    EventListenerCustom* inner = nullptr;
    dispatcher->addEventListenerWithSceneGraphPriority(EventListenerCustom::create("outer", [&](EventCustom*) {
        log.push_back("outer");
        inner = dispatcher->addCustomEventListener("inner", [&](EventCustom*) { log.push_back("inner"); });
        dispatcher->dispatchCustomEvent("inner"); // not yet registered
    }), node);
    dispatcher->dispatchCustomEvent("outer");
    dispatcher->dispatchCustomEvent("inner");
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "inner"}));
    dispatcher->removeEventListener(inner);
    dispatcher->dispatchCustomEvent("inner");
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(EventsTest, CurrentTargetIsTheListenersNode)
{
    auto node = child(scene, "n", 0);
    Node* seen = reinterpret_cast<Node*>(1);
    auto listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [&](Touch*, Event* e) {
        seen = e->getCurrentTarget();
        return false;
    };
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, node);
    touch(0, 1, 1);
    EXPECT_EQ(seen, node);

    auto fixed = EventListenerTouchOneByOne::create();
    fixed->onTouchBegan = [&](Touch*, Event* e) {
        seen = e->getCurrentTarget();
        return false;
    };
    director->getEventDispatcher()->addEventListenerWithFixedPriority(fixed, 1);
    touch(0, 2, 2, 2);
    EXPECT_EQ(seen, nullptr);
}

TEST_F(EventsTest, KeyboardLayersHearKeysWhileEnabled)
{
    struct KeyLayer : Layer
    {
        std::vector<EventKeyboard::KeyCode> keys;
        void onKeyReleased(EventKeyboard::KeyCode k, Event*) override { keys.push_back(k); }
    };
    auto layer = new KeyLayer();
    layer->init();
    layer->autorelease();
    scene->addChild(layer);
    layer->setKeyboardEnabled(true);
    view->handleKey(EventKeyboard::KeyCode::KEY_ESCAPE, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_ESCAPE, false);
    layer->setKeyboardEnabled(false);
    view->handleKey(EventKeyboard::KeyCode::KEY_ESCAPE, false);
    ASSERT_EQ(layer->keys.size(), 1u);
    EXPECT_EQ(layer->keys[0], EventKeyboard::KeyCode::KEY_BACK); // the same key
}

TEST_F(EventsTest, InvisibleNodesStillGetTouches)
{
    // Visibility is the widgets' business: the dispatcher delivers anyway.
    auto parent = child(scene, "parent", 0);
    auto hidden = child(parent, "hidden", 0);
    listen(hidden, "hidden", &rec, true, true);
    parent->setVisible(false);
    tap();
    hidden->setVisible(false);
    tap();
    EXPECT_EQ(rec.log, (std::vector<std::string>{"hidden began", "hidden moved", "hidden ended", "hidden began",
                                                 "hidden moved", "hidden ended"}));
}
