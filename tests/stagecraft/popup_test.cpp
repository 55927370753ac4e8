// The modal layers: the pop-up touch layer (here), the alert box and the lock
// layer (modal_test.cpp). Each swallows what reaches it; the scene below sees
// nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cocos2d.h"

#include "SceneTestFixture.h"
#include "widgets/CCLayerEx.h"

USING_NS_CC;

namespace {

// Records the handler calls it receives, in order.
class Recorder : public Ref {
public:
    void Began(Node* node) { Log("began", node); }
    void Moved(Node* node) { Log("moved", node); }
    void Ended(Node* node) { Log("ended", node); }
    void Removing(Node* node)
    {
        Log("removing", node);
        parentWhenRemoving = node->getParent();
    }

    std::vector<std::string> calls;
    std::vector<Node*> nodes;
    Node* parentWhenRemoving = nullptr;

private:
    void Log(const char* what, Node* node)
    {
        calls.push_back(what);
        nodes.push_back(node);
    }
};

// A full-scene layer under the pop-up that counts the touches reaching it.
class Underneath {
public:
    explicit Underneath(Node* scene)
    {
        Layer* layer = Layer::create();
        scene->addChild(layer, -10);
        auto listener = EventListenerTouchOneByOne::create();
        listener->onTouchBegan = [this](Touch*, Event*) { ++began; return true; };
        layer->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, layer);
    }
    int began = 0;
};

} // namespace

class TouchLayerTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        popup = CCLayerEx::create();
        ASSERT_NE(popup, nullptr);
        // The panel: 200 x 100 at (300, 200) in the world, two levels down.
        Node* holder = Node::create();
        holder->setPosition(200, 100);
        popup->addChild(holder);
        Node* inner = Node::create();
        inner->setPosition(50, 50);
        holder->addChild(inner);
        panel = Node::create();
        panel->setContentSize(Size(200, 100));
        panel->setAnchorPoint(Vec2(0.5f, 0.5f));
        panel->setPosition(150, 100);
        inner->addChild(panel);
        scene->addChild(popup);
        popup->SetSelectorBegan(&recorder, CC_CALLFUNCN_SELECTOR(Recorder::Began));
        popup->SetSelectorMoved(&recorder, CC_CALLFUNCN_SELECTOR(Recorder::Moved));
        popup->SetSelectorEnded(&recorder, CC_CALLFUNCN_SELECTOR(Recorder::Ended));
        popup->SetSelectRemove(&recorder, CC_CALLFUNCN_SELECTOR(Recorder::Removing));
    }

    CCLayerEx* popup = nullptr;
    Node* panel = nullptr;
    Recorder recorder;
};

TEST_F(TouchLayerTest, OutsideTapTellsTheOwnerThenLeavesTheScene)
{
    Underneath below(scene);
    popup->SetRemoveNode(panel);
    tap(Vec2(100, 500));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"began", "ended", "removing"}));
    EXPECT_EQ(recorder.nodes.back(), popup);
    // Told while still on the scene, then removed.
    EXPECT_EQ(recorder.parentWhenRemoving, scene);
    EXPECT_EQ(popup->getParent(), nullptr);
    EXPECT_EQ(below.began, 0);
}

TEST_F(TouchLayerTest, TapsOnThePanelOrStartingThereKeepIt)
{
    popup->SetRemoveNode(panel);
    // The panel's rect in the world, through all of its ancestors.
    const Rect rect = popup->GetRemoveRect();
    EXPECT_FLOAT_EQ(rect.origin.x, 300);
    EXPECT_FLOAT_EQ(rect.origin.y, 200);
    EXPECT_FLOAT_EQ(rect.size.width, 200);
    EXPECT_FLOAT_EQ(rect.size.height, 100);

    tap(Vec2(350, 250));
    EXPECT_EQ(popup->getParent(), scene);
    // Began on the panel, released outside: still there.
    drag(Vec2(350, 250), Vec2(50, 50));
    EXPECT_EQ(popup->getParent(), scene);
    EXPECT_EQ(recorder.calls.front(), "began");
    EXPECT_NE(std::find(recorder.calls.begin(), recorder.calls.end(), "moved"), recorder.calls.end());
    EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "removing"), 0);
    // The last point is kept in the layer's space.
    EXPECT_EQ(popup->GetSelectorPoint(), Vec2(50, 50));
}

TEST_F(TouchLayerTest, RemoveTagFollowsTheChildWithThatTag)
{
    Node* other = Node::create();
    other->setContentSize(Size(100, 100));
    other->setPosition(600, 400);
    popup->addChild(other, 0, 7);
    popup->SetRemoveTag(7);
    EXPECT_SAME(popup->GetRemoveRect(), Rect(600, 400, 100, 100));
    EXPECT_EQ(popup->GetRemoveNode(), other);
    tap(Vec2(650, 450));
    EXPECT_EQ(popup->getParent(), scene);
    // Once the child is gone, the layer goes on with no node and its last rect.
    other->removeFromParent();
    EXPECT_SAME(popup->GetRemoveRect(), Rect(600, 400, 100, 100));
    EXPECT_EQ(popup->GetRemoveNode(), nullptr);
}

TEST_F(TouchLayerTest, WithoutRemoveSelfItStaysAndStillSwallows)
{
    Underneath below(scene);
    popup->SetRemoveNode(panel);
    popup->SetRemoveSelf(false);
    tap(Vec2(10, 10));
    tap(Vec2(900, 600));
    EXPECT_EQ(popup->getParent(), scene);
    EXPECT_EQ(below.began, 0);
    EXPECT_EQ(std::count(recorder.calls.begin(), recorder.calls.end(), "removing"), 0);
    // With no node and no rect every tap is outside.
    CCLayerEx* bare = CCLayerEx::create();
    scene->addChild(bare, 5);
    tap(Vec2(480, 320));
    EXPECT_EQ(bare->getParent(), nullptr);
}

TEST_F(TouchLayerTest, AnInvisibleLayerLetsTouchesThrough)
{
    Underneath below(scene);
    popup->setVisible(false);
    tap(Vec2(100, 100));
    EXPECT_EQ(below.began, 1);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(popup->getParent(), scene);
}

TEST_F(TouchLayerTest, ColourLayerCoversTheSceneBehindTheContent)
{
    popup->SetLayerColor(Color4B(0, 0, 0, 255), 0.5f);
    auto* back = dynamic_cast<LayerColor*>(popup->getChildByTag(0));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->getLocalZOrder(), -1);
    EXPECT_EQ(back->getOpacity(), 127);
    EXPECT_EQ(back->getColor(), Color3B::BLACK);
    EXPECT_SAME(back->getContentSize(), Size(960, 640));
    EXPECT_EQ(back->getPosition(), Vec2::ZERO);
}
