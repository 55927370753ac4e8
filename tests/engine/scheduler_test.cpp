// Timers and per-frame updates under a clock the test advances, and the
// director's frames and scene changes.
#include <atomic>
#include <string>
#include <thread>
#include <vector>
#include "EngineTestFixture.h"

USING_NS_CC;

namespace {

class UpdatingNode : public Node
{
public:
    static UpdatingNode* create(const std::string& name, std::vector<std::string>* log)
    {
        auto node = new UpdatingNode();
        node->init();
        node->setName(name);
        node->_log = log;
        node->autorelease();
        return node;
    }
    void update(float dt) override
    {
        if (_log)
            _log->push_back(getName());
        lastDt = dt;
        ++updates;
    }
    void tick(float dt)
    {
        ticks.push_back(dt);
    }
    int updates = 0;
    float lastDt = 0;
    std::vector<float> ticks;

private:
    std::vector<std::string>* _log = nullptr;
};

class Tracked : public Scene
{
public:
    static Tracked* create(int* destroyed)
    {
        auto scene = new Tracked();
        scene->init();
        scene->_destroyed = destroyed;
        scene->autorelease();
        return scene;
    }
    ~Tracked() override
    {
        if (_destroyed)
            ++*_destroyed;
    }
    void cleanup() override
    {
        ++cleanups;
        Scene::cleanup();
    }
    int cleanups = 0;

private:
    int* _destroyed = nullptr;
};

} // namespace

class SchedulerTest : public EngineTest
{
protected:
    UpdatingNode* runningNode(const std::string& name = "n", std::vector<std::string>* log = nullptr)
    {
        auto node = UpdatingNode::create(name, log);
        scene->addChild(node);
        return node;
    }
};

TEST_F(SchedulerTest, TimerStartsCountingInTheFrameAfterScheduling)
{
    auto node = runningNode();
    int calls = 0;
    node->schedule([&](float) { ++calls; }, 0.5f, "t");
    frames(1, 0.25f);
    EXPECT_EQ(calls, 0); // the clock starts here
    frames(2, 0.25f);
    EXPECT_EQ(calls, 1);
    frames(2, 0.25f);
    EXPECT_EQ(calls, 2);
}

TEST_F(SchedulerTest, ShortIntervalsFireSeveralTimesInALongFrame)
{
    auto node = runningNode();
    node->schedule(CC_SCHEDULE_SELECTOR(UpdatingNode::tick), 0.25f);
    frames(1, 1.0f);
    EXPECT_TRUE(node->ticks.empty());
    frames(1, 1.0f);
    EXPECT_EQ(node->ticks, (std::vector<float>{0.25f, 0.25f, 0.25f, 0.25f}));
}

TEST_F(SchedulerTest, RepeatCountsCallsAfterTheFirst)
{
    auto node = runningNode();
    int calls = 0;
    node->schedule([&](float) { ++calls; }, 0.25f, 2, 0.0f, "t");
    frames(10, 0.25f);
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(node->isScheduled("t"));
}

TEST_F(SchedulerTest, DelayComesBeforeTheFirstCall)
{
    auto node = runningNode();
    std::vector<float> dts;
    node->schedule([&](float dt) { dts.push_back(dt); }, 0.5f, CC_REPEAT_FOREVER, 1.0f, "t");
    frames(4, 0.25f);
    EXPECT_TRUE(dts.empty());
    frames(1, 0.25f);
    ASSERT_EQ(dts.size(), 1u);
    EXPECT_FLOAT_EQ(dts[0], 1.0f); // the first call gets the delay
    frames(2, 0.25f);
    EXPECT_EQ(dts.size(), 2u);
}

TEST_F(SchedulerTest, ScheduleOnceCallsExactlyOnce)
{
    auto node = runningNode();
    int calls = 0;
    node->scheduleOnce([&](float) { ++calls; }, 0.5f, "once");
    frames(20, 0.25f);
    EXPECT_EQ(calls, 1);
}

TEST_F(SchedulerTest, ZeroIntervalFiresEveryFrameWithTheFrameTime)
{
    auto node = runningNode();
    node->schedule(CC_SCHEDULE_SELECTOR(UpdatingNode::tick));
    frames(1, 0.1f);
    frames(3, 0.2f);
    EXPECT_EQ(node->ticks.size(), 3u);
    EXPECT_FLOAT_EQ(node->ticks.back(), 0.2f);
}

TEST_F(SchedulerTest, SchedulingTheSameSelectorAgainOnlyChangesTheInterval)
{
    auto node = runningNode();
    node->schedule(CC_SCHEDULE_SELECTOR(UpdatingNode::tick), 1.0f);
    node->schedule(CC_SCHEDULE_SELECTOR(UpdatingNode::tick), 0.5f);
    frames(3, 0.5f);
    EXPECT_EQ(node->ticks.size(), 2u);
    node->unschedule(CC_SCHEDULE_SELECTOR(UpdatingNode::tick));
    frames(3, 0.5f);
    EXPECT_EQ(node->ticks.size(), 2u);
}

TEST_F(SchedulerTest, UpdatesRunEveryFrameByPriorityBeforeTimers)
{
    std::vector<std::string> log;
    auto a = runningNode("a", &log);
    auto b = runningNode("b", &log);
    auto c = runningNode("c", &log);
    auto d = runningNode("d", &log);
    a->scheduleUpdateWithPriority(5);
    b->scheduleUpdateWithPriority(-1);
    c->scheduleUpdate();
    d->scheduleUpdate();
    a->schedule([&](float) { log.push_back("timer"); }, "t");
    frames(1, 0.1f); // timer clock starts
    log.clear();
    frames(1, 0.1f);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "c", "d", "a", "timer"}));
    EXPECT_FLOAT_EQ(a->lastDt, 0.1f);
    EXPECT_EQ(a->updates, 2);
}

TEST_F(SchedulerTest, NodesOutsideTheRunningSceneArePaused)
{
    auto node = UpdatingNode::create("n", nullptr);
    node->retain(); // outside the scene nothing else keeps it
    node->scheduleUpdate();
    int calls = 0;
    node->schedule([&](float) { ++calls; }, "t");
    frames(3, 0.1f);
    EXPECT_EQ(node->updates, 0);
    EXPECT_EQ(calls, 0);

    scene->addChild(node);
    frames(3, 0.1f);
    EXPECT_EQ(node->updates, 3);
    EXPECT_EQ(calls, 2);

    node->retain();
    node->removeFromParentAndCleanup(false);
    frames(3, 0.1f);
    EXPECT_EQ(node->updates, 3);
    scene->addChild(node);
    node->release();
    frames(1, 0.1f);
    EXPECT_EQ(node->updates, 4);

    node->removeFromParent(); // with cleanup: everything unscheduled
    scene->addChild(node);
    frames(2, 0.1f);
    EXPECT_EQ(node->updates, 4);
    node->release();
}

TEST_F(SchedulerTest, ATimerMayUnscheduleItselfOrItsTarget)
{
    auto node = runningNode();
    int calls = 0;
    node->schedule([&](float) {
        ++calls;
        node->unscheduleAllCallbacks();
    }, 0.1f, "t");
    node->schedule(CC_SCHEDULE_SELECTOR(UpdatingNode::tick), 0.1f);
    frames(5, 0.2f);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(node->ticks.empty());
}

TEST_F(SchedulerTest, DestroyedNodeLeavesNoTimerBehind)
{
    int calls = 0;
    {
        auto node = UpdatingNode::create("n", nullptr);
        scene->addChild(node);
        node->schedule([&](float) { ++calls; }, "t");
        node->scheduleUpdate();
        frames(2, 0.1f);
        node->removeFromParentAndCleanup(false); // still scheduled, now freed
    }
    frames(3, 0.1f);
    EXPECT_EQ(calls, 1);
}

TEST_F(SchedulerTest, TimeScaleSpeedsUpTimers)
{
    auto node = runningNode();
    int calls = 0;
    node->schedule([&](float) { ++calls; }, 1.0f, "t");
    director->getScheduler()->setTimeScale(2.0f);
    frames(3, 0.5f);
    director->getScheduler()->setTimeScale(1.0f);
    EXPECT_EQ(calls, 2);
}

TEST_F(SchedulerTest, FunctionsFromOtherThreadsRunInTheNextFrame)
{
    std::atomic<int> ran(0);
    std::thread worker([&]() {
        director->getScheduler()->performFunctionInCocosThread([&]() { ran = ran + 1; });
    });
    worker.join();
    EXPECT_EQ(ran.load(), 0);
    frames(1, 0.1f);
    EXPECT_EQ(ran.load(), 1);
}

TEST_F(SchedulerTest, PausedDirectorStopsTheClock)
{
    auto node = runningNode();
    node->scheduleUpdate();
    director->pause();
    frames(3, 0.1f);
    EXPECT_EQ(node->updates, 0);
    director->resume();
    frames(1, 0.1f);
    EXPECT_EQ(node->updates, 1);
    EXPECT_GE(director->getTotalFrames(), 4u);
}

TEST_F(SchedulerTest, ReplacedSceneIsCleanedUpAndFreed)
{
    int destroyed = 0;
    auto first = Tracked::create(&destroyed);
    director->replaceScene(first);
    EXPECT_NE(director->getRunningScene(), first); // takes effect in the next frame
    frames(1, 0.1f);
    EXPECT_EQ(director->getRunningScene(), first);
    EXPECT_TRUE(first->isRunning());

    director->replaceScene(Scene::create());
    frames(1, 0.1f);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(SchedulerTest, PushedSceneReturnsToAnUncleanedScene)
{
    // No destruction counter: the scene is still running when the test body
    // ends and is freed in tear-down, after a local counter would be gone.
    auto base = Tracked::create(nullptr);
    director->replaceScene(base);
    frames(1, 0.1f);
    auto node = UpdatingNode::create("n", nullptr);
    base->addChild(node);
    node->scheduleUpdate();

    director->pushScene(Scene::create());
    frames(1, 0.1f);
    EXPECT_FALSE(base->isRunning());
    int updatesWhileCovered = node->updates;
    frames(2, 0.1f);
    EXPECT_EQ(node->updates, updatesWhileCovered);

    director->popScene();
    frames(2, 0.1f);
    EXPECT_EQ(director->getRunningScene(), base);
    EXPECT_EQ(base->cleanups, 0);
    EXPECT_GT(node->updates, updatesWhileCovered);
}

TEST_F(SchedulerTest, ReplacingAPendingSceneDropsIt)
{
    int destroyed = 0;
    auto skipped = Tracked::create(&destroyed);
    skipped->retain();  // the test's own reference, so the scene can be inspected
    director->replaceScene(skipped);
    auto next = Scene::create();
    director->replaceScene(next);
    frames(1, 0.1f);
    EXPECT_EQ(director->getRunningScene(), next);
    EXPECT_EQ(skipped->cleanups, 1);
    EXPECT_EQ(skipped->getReferenceCount(), 1u) << "the director still holds the dropped scene";
    skipped->release();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(SchedulerTest, PoppingTheLastSceneEndsTheDirector)
{
    auto node = runningNode();
    node->retain();
    view->retain(); // the director lets go of both
    node->scheduleUpdate();
    director->popScene();
    frames(1, 0.1f); // still a frame of this scene
    frames(1, 0.1f); // the end: scene, timers and the view go
    EXPECT_EQ(director->getRunningScene(), nullptr);
    EXPECT_EQ(director->getOpenGLView(), nullptr);
    EXPECT_TRUE(view->windowShouldClose());
    int updates = node->updates;
    frames(2, 0.1f);
    EXPECT_EQ(node->updates, updates);
    node->release();
    view->release();

    // The director starts again with a new view and scene.
    view = GLViewImpl::createWithRect("again", Rect(0, 0, 480, 320));
    director->setOpenGLView(view);
    EXPECT_SAME(director->getWinSize(), Size(480, 320));
    director->runWithScene(Scene::create());
    frames(1, 0.1f);
    ASSERT_NE(director->getRunningScene(), nullptr);
    EXPECT_SAME(director->getRunningScene()->getContentSize(), Size(480, 320));
}

TEST_F(SchedulerTest, ChangingTheUpdatePriorityMovesTheUpdate)
{
    std::vector<std::string> log;
    auto a = runningNode("a", &log);
    auto b = runningNode("b", &log);
    a->scheduleUpdate();
    b->scheduleUpdateWithPriority(1);
    a->scheduleUpdateWithPriority(2);
    frames(1, 0.1f);
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a"}));
    a->unscheduleUpdate();
    log.clear();
    frames(1, 0.1f);
    EXPECT_EQ(log, (std::vector<std::string>{"b"}));
}

TEST_F(SchedulerTest, ApplicationRunsFramesUntilItsLimitOrTheEnd)
{
    struct App : Application
    {
        bool launch = true;
        bool applicationDidFinishLaunching() override
        {
            if (!launch)
                return false;
            auto scene = Scene::create();
            auto node = Node::create();
            node->schedule([this](float) { ++ticks; }, "count");
            scene->addChild(node);
            Director::getInstance()->replaceScene(scene);
            return true;
        }
        int ticks = 0;
    };
    App app;
    EXPECT_EQ(Application::getInstance(), &app);
    app.setFrameLimit(10);
    EXPECT_EQ(app.run(), 0);
    EXPECT_EQ(app.ticks, 8); // frame 1 starts the scene, frame 2 the timer
    EXPECT_EQ(director->getRunningScene(), nullptr);

    App failing;
    failing.launch = false;
    EXPECT_EQ(failing.run(), 1);
}

TEST_F(SchedulerTest, DirectorConvertsSpacesAndKeepsItsMatrixStack)
{
    EXPECT_EQ(director->convertToGL(Vec2(10, 40)), Vec2(10, 600));
    EXPECT_EQ(director->convertToUI(Vec2(10, 600)), Vec2(10, 40));
    director->setContentScaleFactor(2.0f);
    EXPECT_SAME(director->getWinSizeInPixels(), Size(1920, 1280));
    director->setContentScaleFactor(1.0f);

    Mat4 t;
    Mat4::createTranslation(1, 2, 3, &t);
    director->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    director->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, t);
    director->multiplyMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, t);
    EXPECT_FLOAT_EQ(director->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW).m[12], 2);
    director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    EXPECT_TRUE(director->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW).isIdentity());
    director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW); // the bottom one stays
    EXPECT_TRUE(director->getMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW).isIdentity());
}

TEST_F(SchedulerTest, NotificationNodeRunsBesideTheScene)
{
    auto overlay = UpdatingNode::create("overlay", nullptr);
    overlay->scheduleUpdate();
    director->setNotificationNode(overlay);
    EXPECT_TRUE(overlay->isRunning());
    frames(2, 0.1f);
    EXPECT_EQ(overlay->updates, 2);
    director->setNotificationNode(nullptr);
    frames(1, 0.1f);
}

TEST_F(SchedulerTest, PausingEveryTargetAndResumingThem)
{
    auto a = runningNode("a");
    auto b = runningNode("b");
    a->scheduleUpdate();
    int calls = 0;
    b->schedule([&](float) { ++calls; }, "t");
    frames(1, 0.1f);
    auto paused = director->getScheduler()->pauseAllTargetsWithMinPriority(Scheduler::PRIORITY_NON_SYSTEM_MIN);
    EXPECT_TRUE(director->getScheduler()->isTargetPaused(a));
    frames(2, 0.1f);
    EXPECT_EQ(a->updates, 1);
    EXPECT_EQ(calls, 0);
    director->getScheduler()->resumeTargets(paused);
    frames(1, 0.1f);
    EXPECT_EQ(a->updates, 2);
    EXPECT_EQ(calls, 1);
}

TEST_F(SchedulerTest, TimersAddedInsideACallbackStartLater)
{
    auto node = runningNode();
    std::vector<std::string> log;
    node->scheduleOnce([&](float) {
        log.push_back("first");
        node->schedule([&](float) { log.push_back("second"); }, "second");
    }, 0.1f, "first");
    frames(3, 0.1f);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
}

TEST_F(SchedulerTest, OddArgumentsAreHarmless)
{
    auto node = runningNode();
    auto scheduler = director->getScheduler();
    scheduler->schedule([](float) {}, nullptr, 0.1f, false, "no target");
    scheduler->schedule(nullptr, node, 0.1f, false, "no callback");
    scheduler->schedule([](float) {}, node, 0.1f, false, ""); // no key
    EXPECT_FALSE(node->isScheduled("no callback"));
    EXPECT_FALSE(node->isScheduled(""));
    node->unschedule("never scheduled");
    node->unschedule(static_cast<SEL_SCHEDULE>(nullptr));
    scheduler->unscheduleAllForTarget(nullptr);

    // A negative frame time counts as none; a zeroed next frame too.
    node->scheduleUpdate();
    director->mainLoop(-1.0f);
    EXPECT_FLOAT_EQ(node->lastDt, 0);
    director->setNextDeltaTimeZero(true);
    director->mainLoop(0.5f);
    EXPECT_FLOAT_EQ(node->lastDt, 0);
    director->mainLoop(0.5f);
    EXPECT_FLOAT_EQ(node->lastDt, 0.5f);
}
