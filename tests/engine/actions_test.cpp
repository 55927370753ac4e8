// Action timing under a caller-advanced clock: the first tick, sequences,
// repetition, and what each property action leaves behind.
#include <vector>
#include "EngineTestFixture.h"

USING_NS_CC;

namespace {

class TrackedNode : public Node
{
public:
    static TrackedNode* create(int* destroyed)
    {
        auto node = new TrackedNode();
        node->init();
        node->_destroyed = destroyed;
        node->autorelease();
        return node;
    }
    ~TrackedNode() override { ++*_destroyed; }

private:
    int* _destroyed = nullptr;
};

class TweenNode : public Node, public ActionTweenDelegate
{
public:
    static TweenNode* create()
    {
        auto node = new TweenNode();
        node->init();
        node->autorelease();
        return node;
    }
    void updateTweenAction(float value, const std::string& key) override
    {
        values.push_back(value);
        lastKey = key;
    }
    std::vector<float> values;
    std::string lastKey;
};

} // namespace

class ActionsTest : public EngineTest
{
protected:
    Node* runningNode()
    {
        auto node = Node::create();
        scene->addChild(node);
        return node;
    }
};

TEST_F(ActionsTest, FirstTickIgnoresItsFrameTime)
{
    auto node = runningNode();
    auto move = MoveBy::create(1.0f, Vec2(100, 0));
    node->runAction(move);
    EXPECT_EQ(node->getPositionX(), 0);

    frames(1, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 0, 0.01f);
    EXPECT_NEAR(move->getElapsed(), 0, 1e-5f);
    frames(2, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 50, 0.01f);
    EXPECT_NEAR(move->getElapsed(), 0.5f, 1e-5f);
    frames(2, 0.25f);
    EXPECT_FLOAT_EQ(node->getPositionX(), 100);
    EXPECT_EQ(node->getNumberOfRunningActions(), 0);
}

TEST_F(ActionsTest, SequenceFinishesEachActionBeforeTheNext)
{
    auto node = runningNode();
    std::vector<float> seenAt;
    node->runAction(Sequence::create(MoveBy::create(0.5f, Vec2(10, 0)),
                                     CallFunc::create([&]() { seenAt.push_back(node->getPositionX()); }),
                                     MoveBy::create(0.5f, Vec2(0, 10)), nullptr));
    frames(2, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 5, 0.01f);
    EXPECT_TRUE(seenAt.empty());
    frames(1, 0.25f);
    ASSERT_EQ(seenAt.size(), 1u);
    EXPECT_FLOAT_EQ(seenAt[0], 10);
    frames(10, 0.25f);
    EXPECT_EQ(seenAt.size(), 1u);
    EXPECT_FLOAT_EQ(node->getPositionX(), 10);
    EXPECT_FLOAT_EQ(node->getPositionY(), 10);
    EXPECT_EQ(node->getNumberOfRunningActions(), 0);
}

TEST_F(ActionsTest, SequenceOfOneAndLongFrames)
{
    auto node = runningNode();
    int calls = 0;
    node->runAction(Sequence::create(CallFunc::create([&]() { ++calls; }), nullptr));
    frames(1, 0.1f);
    EXPECT_EQ(calls, 1);

    // A frame longer than the whole sequence runs every part once.
    int tail = 0;
    node->runAction(Sequence::create(DelayTime::create(0.1f), MoveBy::create(0.1f, Vec2(7, 0)),
                                     CallFunc::create([&]() { ++tail; }), nullptr));
    frames(1, 0.1f); // first tick
    frames(1, 5.0f);
    EXPECT_EQ(tail, 1);
    EXPECT_FLOAT_EQ(node->getPositionX(), 7);
}

TEST_F(ActionsTest, RepeatForeverKeepsItsPeriod)
{
    auto node = runningNode();
    int calls = 0;
    node->runAction(RepeatForever::create(
        Sequence::create(DelayTime::create(0.5f), CallFunc::create([&]() { ++calls; }), nullptr)));
    frames(3, 0.25f);
    EXPECT_EQ(calls, 1);
    frames(6, 0.25f);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(node->getNumberOfRunningActions(), 1);
}

TEST_F(ActionsTest, RepeatRunsItsCountAndEnds)
{
    auto node = runningNode();
    int calls = 0;
    node->runAction(Repeat::create(Sequence::create(DelayTime::create(0.25f), CallFunc::create([&]() { ++calls; }), nullptr), 3));
    frames(20, 0.25f);
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(node->getNumberOfRunningActions(), 0);

    node->runAction(Repeat::create(MoveBy::create(0.5f, Vec2(10, 0)), 2));
    frames(20, 0.25f);
    EXPECT_FLOAT_EQ(node->getPositionX(), 20);
}

TEST_F(ActionsTest, BlinkShowsTheSecondHalfOfEachSliceAndRestoresVisibility)
{
    auto node = runningNode();
    node->runAction(Blink::create(1.0f, 2));
    std::vector<bool> visible;
    for (int i = 0; i < 8; ++i)
    {
        frames(1, 0.125f);
        visible.push_back(node->isVisible());
    }
    // Elapsed time is a hair past each eighth (the first tick counts an
    // epsilon): hidden in the first half of each half-second slice.
    EXPECT_EQ(visible, (std::vector<bool>{false, false, true, true, false, false, true, true}));
    frames(1, 0.125f);
    EXPECT_TRUE(node->isVisible());
    EXPECT_EQ(node->getNumberOfRunningActions(), 0);

    node->setVisible(false);
    node->runAction(Blink::create(0.5f, 1));
    frames(10, 0.125f);
    EXPECT_FALSE(node->isVisible());
}

TEST_F(ActionsTest, RotationsEndAtTheirAngles)
{
    auto node = runningNode();
    node->setRotation(30);
    node->runAction(RotateBy::create(1.0f, 90));
    frames(6, 0.25f);
    EXPECT_FLOAT_EQ(node->getRotation(), 120);

    node->runAction(RotateBy::create(0.5f, 90, 45));
    frames(4, 0.25f);
    EXPECT_FLOAT_EQ(node->getRotationSkewX(), 210);
    EXPECT_FLOAT_EQ(node->getRotationSkewY(), 165);

    // RotateTo takes the short way round.
    auto other = runningNode();
    other->setRotation(170);
    other->runAction(RotateTo::create(0.5f, -170));
    frames(4, 0.25f);
    EXPECT_FLOAT_EQ(other->getRotation(), 190);
}

TEST_F(ActionsTest, FadesAndTintsReachTheirValues)
{
    auto node = runningNode();
    node->setOpacity(200);
    node->runAction(FadeOut::create(0.5f));
    frames(3, 0.25f);
    EXPECT_EQ(node->getOpacity(), 0);
    node->runAction(FadeIn::create(0.5f));
    frames(2, 0.25f);
    EXPECT_EQ(node->getOpacity(), 127);
    frames(1, 0.25f);
    EXPECT_EQ(node->getOpacity(), 255);
    node->runAction(FadeTo::create(0.5f, 64));
    node->runAction(TintTo::create(0.5f, 255, 0, 0));
    frames(3, 0.25f);
    EXPECT_EQ(node->getOpacity(), 64);
    EXPECT_EQ(node->getColor(), Color3B(255, 0, 0));
    node->runAction(TintBy::create(0.5f, -255, 100, 0));
    frames(3, 0.25f);
    EXPECT_EQ(node->getColor(), Color3B(0, 100, 0));
}

TEST_F(ActionsTest, MovesAddUpAndScalesMultiply)
{
    auto node = runningNode();
    node->runAction(MoveBy::create(0.5f, Vec2(10, 0)));
    node->runAction(MoveBy::create(0.5f, Vec2(0, 20)));
    frames(3, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 10, 1e-4f);
    EXPECT_NEAR(node->getPositionY(), 20, 1e-4f);
    node->runAction(MoveTo::create(0.5f, Vec2(-5, 5)));
    frames(3, 0.25f);
    EXPECT_NEAR(node->getPositionX(), -5, 1e-4f);
    EXPECT_NEAR(node->getPositionY(), 5, 1e-4f);

    node->setScale(1.5f);
    node->runAction(ScaleBy::create(0.5f, 2.0f));
    frames(3, 0.25f);
    EXPECT_FLOAT_EQ(node->getScaleX(), 3.0f);
    node->runAction(ScaleTo::create(0.5f, 1.0f, 0.5f));
    frames(3, 0.25f);
    EXPECT_FLOAT_EQ(node->getScaleX(), 1.0f);
    EXPECT_FLOAT_EQ(node->getScaleY(), 0.5f);
}

TEST_F(ActionsTest, SpawnRunsTogetherPaddingTheShorter)
{
    auto node = runningNode();
    auto spawn = Spawn::create(MoveBy::create(1.0f, Vec2(100, 0)), FadeTo::create(0.5f, 0), nullptr);
    EXPECT_FLOAT_EQ(spawn->getDuration(), 1.0f);
    node->runAction(spawn);
    frames(3, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 50, 0.01f);
    EXPECT_EQ(node->getOpacity(), 0);
    frames(3, 0.25f);
    EXPECT_FLOAT_EQ(node->getPositionX(), 100);
}

TEST_F(ActionsTest, EasingAndSpeedBendTime)
{
    auto node = runningNode();
    node->runAction(EaseIn::create(MoveBy::create(1.0f, Vec2(100, 0)), 2.0f));
    frames(3, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 25, 0.01f);

    auto other = runningNode();
    other->runAction(Speed::create(MoveBy::create(1.0f, Vec2(100, 0)), 2.0f));
    frames(3, 0.25f);
    EXPECT_FLOAT_EQ(other->getPositionX(), 100);
}

TEST_F(ActionsTest, ActionsOfANodeOutsideTheSceneWait)
{
    auto node = Node::create();
    node->runAction(MoveBy::create(0.5f, Vec2(10, 0)));
    frames(4, 0.25f); // the action manager keeps the node alive meanwhile
    EXPECT_EQ(node->getPositionX(), 0);
    scene->addChild(node);
    frames(3, 0.25f);
    EXPECT_FLOAT_EQ(node->getPositionX(), 10);
}

TEST_F(ActionsTest, TagsFindAndStopActions)
{
    auto node = runningNode();
    auto move = MoveBy::create(1.0f, Vec2(10, 0));
    move->setTag(3);
    node->runAction(move);
    node->runAction(RotateBy::create(1.0f, 10));
    EXPECT_EQ(node->getActionByTag(3), move);
    EXPECT_EQ(node->getNumberOfRunningActions(), 2);
    node->stopActionByTag(3);
    EXPECT_EQ(node->getActionByTag(3), nullptr);
    node->stopAllActions();
    EXPECT_EQ(node->getNumberOfRunningActions(), 0);
}

TEST_F(ActionsTest, AnActionMayStopEverythingOrRemoveItsNode)
{
    auto node = runningNode();
    node->runAction(Sequence::create(CallFunc::create([&]() { node->stopAllActions(); }),
                                     MoveBy::create(1.0f, Vec2(10, 0)), nullptr));
    node->runAction(MoveBy::create(1.0f, Vec2(0, 10)));
    frames(5, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 0, 0.01f);
    EXPECT_EQ(node->getPositionY(), 0);

    int destroyed = 0;
    auto doomed = TrackedNode::create(&destroyed);
    scene->addChild(doomed);
    doomed->runAction(Sequence::create(DelayTime::create(0.25f), RemoveSelf::create(), nullptr));
    doomed->runAction(RepeatForever::create(RotateBy::create(1.0f, 360)));
    frames(4, 0.25f);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(scene->getChildrenCount(), 1);
}

TEST_F(ActionsTest, CallFuncNPassesTheNodeAndRetainsItsTarget)
{
    struct Receiver : Ref
    {
        Node* got = nullptr;
        void onDone(Node* n) { got = n; }
    };
    auto receiver = new Receiver();
    auto node = runningNode();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    node->runAction(CallFuncN::create(receiver, callfuncN_selector(Receiver::onDone)));
#pragma GCC diagnostic pop
    EXPECT_EQ(receiver->getReferenceCount(), 2u);
    frames(2, 0.1f);
    EXPECT_EQ(receiver->got, node);
    EXPECT_EQ(receiver->getReferenceCount(), 1u);
    receiver->release();
}

TEST_F(ActionsTest, TweenHandsValuesToItsDelegate)
{
    auto node = TweenNode::create();
    scene->addChild(node);
    node->runAction(ActionTween::create(0.5f, "width", 100, 200));
    frames(3, 0.25f);
    ASSERT_EQ(node->values.size(), 3u);
    EXPECT_NEAR(node->values[1], 150, 0.01f);
    EXPECT_FLOAT_EQ(node->values[2], 200);
    EXPECT_EQ(node->lastKey, "width");
}

TEST_F(ActionsTest, ClonesRunOnTheirOwnAndReversesGoBack)
{
    auto a = runningNode();
    auto b = runningNode();
    auto seq = Sequence::create(Vector<FiniteTimeAction*>{MoveBy::create(0.5f, Vec2(10, 0)), RotateBy::create(0.5f, 90)});
    seq->retain(); // kept after it ends, for the reverse
    a->runAction(seq);
    b->runAction(seq->clone());
    frames(6, 0.25f);
    EXPECT_NEAR(a->getPositionX(), 10, 1e-4f);
    EXPECT_NEAR(b->getPositionX(), 10, 1e-4f);
    EXPECT_FLOAT_EQ(b->getRotation(), 90);

    a->runAction(seq->reverse());
    seq->release();
    frames(6, 0.25f);
    EXPECT_NEAR(a->getPositionX(), 0, 1e-4f);
    EXPECT_NEAR(a->getRotation(), 0, 1e-4f);
}

TEST_F(ActionsTest, PausedTargetsKeepTheirActionsStill)
{
    auto node = runningNode();
    node->runAction(MoveBy::create(1.0f, Vec2(100, 0)));
    frames(2, 0.25f);
    float x = node->getPositionX();
    director->getActionManager()->pauseTarget(node);
    frames(4, 0.25f);
    EXPECT_FLOAT_EQ(node->getPositionX(), x);
    director->getActionManager()->resumeTarget(node);
    frames(4, 0.25f);
    EXPECT_FLOAT_EQ(node->getPositionX(), 100);
}

TEST_F(ActionsTest, RepeatForeverRestartsItsInnerActionWithTheCarriedTime)
{
    auto node = runningNode();
    auto move = MoveBy::create(0.5f, Vec2(10, 0));
    node->runAction(RepeatForever::create(move));
    frames(3, 0.25f); // the first round ends
    EXPECT_NEAR(node->getPositionX(), 10, 1e-3f);
    EXPECT_LT(move->getElapsed(), 0.01f);
    frames(2, 0.25f);
    EXPECT_NEAR(node->getPositionX(), 20, 1e-3f);
}

TEST_F(ActionsTest, EasingCurvesKeepTheirEnds)
{
    struct Probe
    {
        const char* name;
        ActionInterval* ease;
        float atHalf;
    };
    auto move = []() { return MoveBy::create(1.0f, Vec2(100, 0)); };
    Probe probes[] = {
        {"EaseOut", EaseOut::create(move(), 2.0f), 100 * sqrtf(0.5f)},
        {"EaseInOut", EaseInOut::create(move(), 2.0f), 50},
        {"EaseSineIn", EaseSineIn::create(move()), 100 * (1 - cosf(MATH_PIOVER2 / 2))},
        {"EaseSineOut", EaseSineOut::create(move()), 100 * sinf(MATH_PIOVER2 / 2)},
    };
    std::vector<Node*> nodes;
    for (auto& p : probes)
    {
        nodes.push_back(runningNode());
        nodes.back()->runAction(p.ease);
    }
    frames(3, 0.25f);
    for (size_t i = 0; i < nodes.size(); ++i)
        EXPECT_NEAR(nodes[i]->getPositionX(), probes[i].atHalf, 0.01f) << probes[i].name;
    frames(3, 0.25f);
    for (size_t i = 0; i < nodes.size(); ++i)
        EXPECT_NEAR(nodes[i]->getPositionX(), 100, 1e-3f) << probes[i].name;

    // Back-out passes the end before settling on it.
    auto node = runningNode();
    node->runAction(EaseBackOut::create(MoveBy::create(1.0f, Vec2(100, 0))));
    float highest = 0;
    for (int i = 0; i < 6; ++i)
    {
        frames(1, 0.25f);
        highest = std::max(highest, node->getPositionX());
    }
    EXPECT_GT(highest, 100);
    EXPECT_NEAR(node->getPositionX(), 100, 1e-3f);
}

TEST_F(ActionsTest, InstantActionsActInTheirFrame)
{
    auto node = runningNode();
    node->setVisible(false);
    node->runAction(Sequence::create(Show::create(), Place::create(Vec2(5, 6)), nullptr));
    frames(1, 0.1f);
    EXPECT_TRUE(node->isVisible());
    EXPECT_EQ(node->getPosition(), Vec2(5, 6));
    node->runAction(ToggleVisibility::create());
    frames(1, 0.1f);
    EXPECT_FALSE(node->isVisible());
    node->runAction(Hide::create()->reverse());
    frames(1, 0.1f);
    EXPECT_TRUE(node->isVisible());
}

TEST_F(ActionsTest, TargetedActionMovesAnotherNode)
{
    auto runner = runningNode();
    auto other = runningNode();
    runner->runAction(TargetedAction::create(other, MoveBy::create(0.5f, Vec2(0, 8))));
    frames(4, 0.25f);
    EXPECT_FLOAT_EQ(other->getPositionY(), 8);
    EXPECT_FLOAT_EQ(runner->getPositionY(), 0);
}

TEST_F(ActionsTest, StoppingAnotherActionMidStepKeepsTheRestRunning)
{
    auto node = runningNode();
    auto rotate = RotateBy::create(1.0f, 90);
    node->runAction(CallFunc::create([&]() { node->stopAction(rotate); }));
    node->runAction(rotate);
    node->runAction(MoveBy::create(0.5f, Vec2(10, 0)));
    frames(4, 0.25f);
    EXPECT_FLOAT_EQ(node->getRotation(), 0);
    EXPECT_NEAR(node->getPositionX(), 10, 1e-4f);
}

TEST_F(ActionsTest, TagsAndFlagsSelectGroupsOfActions)
{
    auto node = runningNode();
    for (int i = 0; i < 3; ++i)
    {
        auto a = RotateBy::create(1.0f, 10);
        a->setTag(i == 2 ? 8 : 7);
        a->setFlags(i == 0 ? 1u : 2u);
        node->runAction(a);
    }
    EXPECT_EQ(node->getNumberOfRunningActionsByTag(7), 2);
    node->stopActionsByFlags(1u);
    EXPECT_EQ(node->getNumberOfRunningActions(), 2);
    node->stopAllActionsByTag(7);
    EXPECT_EQ(node->getNumberOfRunningActions(), 1);
    EXPECT_EQ(node->getActionByTag(8)->getTag(), 8);
    EXPECT_EQ(node->runAction(nullptr), nullptr);
}
