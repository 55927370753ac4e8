// The scene graph: child order, life cycle, transforms and space
// conversions, bounding boxes, cascading colour and opacity.
#include <string>
#include <vector>
#include "EngineTestFixture.h"

USING_NS_CC;

namespace {

// Records its life-cycle calls into a shared log.
class LoggingNode : public Node
{
public:
    static LoggingNode* create(const std::string& name, std::vector<std::string>* log)
    {
        auto node = new LoggingNode();
        node->init();
        node->setName(name);
        node->_log = log;
        node->autorelease();
        return node;
    }
    void onEnter() override
    {
        _log->push_back("enter " + getName() + (getParent() && getParent()->isRunning() ? " (parent running)" : ""));
        Node::onEnter();
    }
    void onEnterTransitionDidFinish() override
    {
        _log->push_back("finish " + getName());
        Node::onEnterTransitionDidFinish();
    }
    void onExit() override
    {
        _log->push_back("exit " + getName());
        Node::onExit();
    }
    void cleanup() override
    {
        _log->push_back("cleanup " + getName());
        Node::cleanup();
    }

private:
    std::vector<std::string>* _log = nullptr;
};

void expectVec(const Vec2& actual, float x, float y)
{
    EXPECT_NEAR(actual.x, x, 1e-3f);
    EXPECT_NEAR(actual.y, y, 1e-3f);
}

void expectRect(const Rect& r, float x, float y, float w, float h)
{
    EXPECT_NEAR(r.origin.x, x, 1e-3f);
    EXPECT_NEAR(r.origin.y, y, 1e-3f);
    EXPECT_NEAR(r.size.width, w, 1e-3f);
    EXPECT_NEAR(r.size.height, h, 1e-3f);
}

std::vector<std::string> childNames(Node* parent)
{
    std::vector<std::string> names;
    for (auto child : parent->getChildren())
        names.push_back(child->getName());
    return names;
}

} // namespace

class NodeTest : public EngineTest
{
};

TEST_F(NodeTest, ChildrenSortByZOrderThenArrival)
{
    auto parent = Node::create();
    parent->addChild(Node::create(), 1, "a");
    parent->addChild(Node::create(), 0, "b");
    parent->addChild(Node::create(), 1, "c");
    parent->addChild(Node::create(), -1, "d");
    parent->sortAllChildren();
    EXPECT_EQ(childNames(parent), (std::vector<std::string>{"d", "b", "a", "c"}));

    // Reordering counts as a new arrival within the z-order.
    parent->reorderChild(parent->getChildByName("a"), 1);
    parent->sortAllChildren();
    EXPECT_EQ(childNames(parent), (std::vector<std::string>{"d", "b", "c", "a"}));

    parent->getChildByName("d")->setLocalZOrder(5);
    parent->sortAllChildren();
    EXPECT_EQ(childNames(parent), (std::vector<std::string>{"b", "c", "a", "d"}));
}

TEST_F(NodeTest, TagsNamesAndRemoval)
{
    auto parent = Node::create();
    auto tagged = Node::create();
    parent->addChild(tagged, 0, 7);
    parent->addChild(Node::create(), 0, "named");
    EXPECT_EQ(parent->getChildByTag(7), tagged);
    EXPECT_EQ(parent->getChildByTag(8), nullptr);
    EXPECT_NE(parent->getChildByName("named"), nullptr);
    EXPECT_EQ(parent->getChildByName("nameless"), nullptr);
    EXPECT_EQ(tagged->getParent(), parent);

    parent->removeChildByTag(7);
    EXPECT_EQ(parent->getChildrenCount(), 1);
    EXPECT_EQ(tagged->getParent(), nullptr);
    parent->removeChildByName("named");
    EXPECT_EQ(parent->getChildrenCount(), 0);
}

TEST_F(NodeTest, AChildWithAParentIsNotAddedTwice)
{
    auto first = Node::create();
    auto second = Node::create();
    auto child = Node::create();
    first->addChild(child);
    second->addChild(child);
    first->addChild(child);
    EXPECT_EQ(child->getParent(), first);
    EXPECT_EQ(first->getChildrenCount(), 1);
    EXPECT_EQ(second->getChildrenCount(), 0);
}

TEST_F(NodeTest, EnterAndExitReachTheWholeSubtree)
{
    std::vector<std::string> log;
    auto parent = LoggingNode::create("p", &log);
    parent->addChild(LoggingNode::create("c", &log));
    EXPECT_FALSE(parent->isRunning());

    scene->addChild(parent);
    EXPECT_EQ(log, (std::vector<std::string>{"enter p (parent running)", "enter c", "finish p", "finish c"}));
    EXPECT_TRUE(parent->isRunning());
    EXPECT_TRUE(parent->getChildByName("c")->isRunning());

    // Added to a running node: entered and finished at once.
    log.clear();
    parent->addChild(LoggingNode::create("late", &log));
    EXPECT_EQ(log, (std::vector<std::string>{"enter late (parent running)", "finish late"}));

    log.clear();
    parent->retain();
    parent->removeFromParentAndCleanup(false);
    EXPECT_EQ(log, (std::vector<std::string>{"exit p", "exit c", "exit late"}));
    EXPECT_FALSE(parent->isRunning());

    log.clear();
    scene->addChild(parent);
    parent->release();
    parent->removeFromParent();
    EXPECT_EQ(log.back(), "cleanup late");
}

TEST_F(NodeTest, PositionAnchorAndScaleMapNodeSpaceToWorld)
{
    auto node = Node::create();
    node->setContentSize(Size(40, 20));
    node->setAnchorPoint(Vec2(0.5f, 0.5f));
    node->setPosition(100, 50);
    node->setScale(2.0f);
    scene->addChild(node);

    EXPECT_EQ(node->getAnchorPointInPoints(), Vec2(20, 10));
    expectVec(node->convertToWorldSpace(Vec2(0, 0)), 60, 30);
    expectVec(node->convertToWorldSpaceAR(Vec2(0, 0)), 100, 50);
    expectVec(node->convertToWorldSpace(Vec2(40, 20)), 140, 70);
    expectVec(node->convertToNodeSpace(Vec2(140, 70)), 40, 20);
    expectVec(node->convertToNodeSpaceAR(Vec2(100, 50)), 0, 0);
    expectRect(node->getBoundingBox(), 60, 30, 80, 40);
}

TEST_F(NodeTest, RotationTurnsClockwiseAboutTheAnchor)
{
    auto node = Node::create();
    node->setContentSize(Size(40, 20));
    node->setAnchorPoint(Vec2(0.5f, 0.5f));
    node->setPosition(100, 50);
    node->setRotation(90);
    scene->addChild(node);

    // The middle of the right edge ends up below the anchor.
    expectVec(node->convertToWorldSpace(Vec2(40, 10)), 100, 30);
    expectVec(node->convertToNodeSpace(Vec2(100, 30)), 40, 10);
    expectRect(node->getBoundingBox(), 90, 30, 20, 40);

    // Different X and Y rotations turn the axes separately.
    node->setRotationSkewX(90);
    node->setRotationSkewY(0);
    expectVec(node->convertToWorldSpaceAR(Vec2(10, 0)), 110, 50);
    expectVec(node->convertToWorldSpaceAR(Vec2(0, 10)), 110, 50);
}

TEST_F(NodeTest, SkewShearsAlongTheAxes)
{
    auto node = Node::create();
    node->setContentSize(Size(10, 10));
    node->setSkewX(45);
    scene->addChild(node);
    expectVec(node->convertToWorldSpace(Vec2(0, 10)), 10, 10);
    expectVec(node->convertToWorldSpace(Vec2(10, 0)), 10, 0);
}

TEST_F(NodeTest, NestedTransformsComposeAndInvert)
{
    auto parent = Node::create();
    parent->setPosition(200, 100);
    parent->setScale(0.5f);
    parent->setRotation(180);
    auto child = Node::create();
    child->setPosition(20, 20);
    parent->addChild(child);
    scene->addChild(parent);

    expectVec(child->convertToWorldSpace(Vec2(0, 0)), 190, 90);
    expectVec(child->convertToWorldSpace(Vec2(10, 0)), 185, 90);
    expectVec(child->convertToNodeSpace(Vec2(185, 90)), 10, 0);
    Mat4 world = child->getNodeToWorldTransform();
    Mat4 back = child->getWorldToNodeTransform();
    Mat4 product = world * back;
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(product.m[i], Mat4::IDENTITY.m[i], 1e-5f) << "element " << i;
}

TEST_F(NodeTest, IgnoringTheAnchorPutsThePositionAtTheCorner)
{
    auto node = Node::create();
    node->setContentSize(Size(40, 20));
    node->setAnchorPoint(Vec2(0.5f, 0.5f));
    node->setIgnoreAnchorPointForPosition(true);
    node->setPosition(10, 10);
    expectVec(node->convertToWorldSpace(Vec2(0, 0)), 10, 10);
    // Layers and scenes work that way.
    auto layer = Layer::create();
    EXPECT_TRUE(layer->isIgnoreAnchorPointForPosition());
    EXPECT_SAME(layer->getContentSize(), Size(960, 640));
    expectVec(layer->convertToWorldSpace(Vec2(0, 0)), 0, 0);
}

TEST_F(NodeTest, OpacityCascadesOnlyWhereEnabled)
{
    auto parent = Node::create();
    auto child = Node::create();
    parent->addChild(child);
    parent->setOpacity(128);
    EXPECT_EQ(child->getDisplayedOpacity(), 255);

    parent->setCascadeOpacityEnabled(true);
    EXPECT_EQ(child->getDisplayedOpacity(), 128);
    child->setOpacity(128);
    EXPECT_EQ(child->getOpacity(), 128);
    EXPECT_EQ(child->getDisplayedOpacity(), 64);

    // A grandchild under a non-cascading child sees only its own.
    auto grandchild = Node::create();
    child->addChild(grandchild);
    EXPECT_EQ(grandchild->getDisplayedOpacity(), 255);

    // Added later: takes the parent's displayed opacity at once.
    auto late = Node::create();
    parent->addChild(late);
    EXPECT_EQ(late->getDisplayedOpacity(), 128);

    parent->setCascadeOpacityEnabled(false);
    EXPECT_EQ(child->getDisplayedOpacity(), 128);
    EXPECT_EQ(late->getDisplayedOpacity(), 255);
}

TEST_F(NodeTest, ColourCascadesMultiplied)
{
    auto parent = Node::create();
    parent->setCascadeColorEnabled(true);
    auto child = Node::create();
    parent->addChild(child);
    parent->setColor(Color3B(255, 128, 0));
    child->setColor(Color3B(128, 255, 255));
    EXPECT_EQ(child->getColor(), Color3B(128, 255, 255));
    EXPECT_EQ(child->getDisplayedColor(), Color3B(128, 128, 0));
    parent->setCascadeColorEnabled(false);
    EXPECT_EQ(child->getDisplayedColor(), Color3B(128, 255, 255));
}

TEST_F(NodeTest, UserObjectIsRetainedAndReleased)
{
    auto node = Node::create();
    auto first = Node::create();
    auto second = Node::create();
    unsigned int before = first->getReferenceCount();
    node->setUserObject(first);
    EXPECT_EQ(first->getReferenceCount(), before + 1);
    node->setUserObject(second);
    EXPECT_EQ(first->getReferenceCount(), before);
    int marker = 0;
    node->setUserData(&marker);
    EXPECT_EQ(node->getUserData(), &marker);
}

TEST_F(NodeTest, AnInvisibleNodeHidesItsChildrenFromDrawing)
{
    struct Counting : Node
    {
        int draws = 0;
        void draw(Renderer*, const Mat4&, uint32_t) override { ++draws; }
    };
    auto parent = new Counting();
    parent->init();
    parent->autorelease();
    auto child = new Counting();
    child->init();
    child->autorelease();
    parent->addChild(child);
    scene->addChild(parent);

    director->mainLoop(0.1f);
    EXPECT_EQ(parent->draws, 1);
    EXPECT_EQ(child->draws, 1);
    parent->setVisible(false);
    director->mainLoop(0.1f);
    EXPECT_EQ(parent->draws, 1);
    EXPECT_EQ(child->draws, 1);
}

TEST_F(NodeTest, FindingNodesByNameAndTagDownTheTree)
{
    auto root = Node::create();
    auto branch = Node::create();
    branch->setName("branch");
    root->addChild(branch);
    auto leaf = Node::create();
    leaf->setName("leaf");
    leaf->setTag(9);
    branch->addChild(leaf);
    auto twin = Node::create();
    twin->setName("branch");
    root->addChild(twin);

    EXPECT_EQ(utils::findChild(root, "leaf"), leaf);
    EXPECT_EQ(utils::findChild(root, 9), leaf);
    EXPECT_EQ(utils::findChild(root, "nothing"), nullptr);
    EXPECT_EQ(utils::findChild<Node*>(root, "branch"), branch);
    EXPECT_EQ(utils::findChildren(*root, "branch").size(), 2u);
    EXPECT_EQ(leaf->getScene(), nullptr);
    scene->addChild(root);
    EXPECT_EQ(leaf->getScene(), scene);
}

TEST_F(NodeTest, CascadeBoundingBoxCoversVisibleDescendants)
{
    auto parent = Node::create();
    parent->setContentSize(Size(10, 10));
    parent->setPosition(100, 100);
    auto far = Node::create();
    far->setContentSize(Size(5, 5));
    far->setPosition(20, 30);
    parent->addChild(far);
    auto hidden = Node::create();
    hidden->setContentSize(Size(5, 5));
    hidden->setPosition(-50, -50);
    hidden->setVisible(false);
    parent->addChild(hidden);
    expectRect(utils::getCascadeBoundingBox(parent), 100, 100, 25, 35);
}

TEST_F(NodeTest, WindowSpaceHasItsOriginAtTheTop)
{
    auto node = Node::create();
    node->setPosition(100, 40);
    scene->addChild(node);
    expectVec(node->convertToWindowSpace(Vec2(0, 0)), 100, 600);
}

TEST_F(NodeTest, NormalizedPositionFollowsTheParentSize)
{
    auto parent = Node::create();
    parent->setContentSize(Size(200, 100));
    auto node = Node::create();
    node->setPositionNormalized(Vec2(0.5f, 0.25f));
    parent->addChild(node);
    scene->addChild(parent);
    director->mainLoop(0); // applied when drawn
    expectVec(node->getPosition(), 100, 25);
    parent->setContentSize(Size(400, 100));
    director->mainLoop(0);
    expectVec(node->getPosition(), 200, 25);
}

TEST_F(NodeTest, RemovingAllChildrenExitsAndCleansEach)
{
    std::vector<std::string> log;
    auto parent = LoggingNode::create("p", &log);
    parent->addChild(LoggingNode::create("a", &log));
    parent->addChild(LoggingNode::create("b", &log));
    scene->addChild(parent);
    log.clear();
    parent->removeAllChildren();
    EXPECT_EQ(log, (std::vector<std::string>{"exit a", "cleanup a", "exit b", "cleanup b"}));
    EXPECT_EQ(parent->getChildrenCount(), 0);
    parent->removeFromParent(); // before the log goes
}

TEST_F(NodeTest, AChildAddedDuringOnEnterIsEnteredOnce)
{
    struct Builder : Node
    {
        std::vector<std::string>* log = nullptr;
        void onEnter() override
        {
            Node::onEnter();
            addChild(LoggingNode::create("built", log));
        }
    };
    std::vector<std::string> log;
    auto builder = new Builder();
    builder->init();
    builder->autorelease();
    builder->log = &log;
    scene->addChild(builder);
    EXPECT_EQ(log, (std::vector<std::string>{"enter built (parent running)", "finish built"}));
    builder->removeFromParent(); // before the log goes
}

TEST_F(NodeTest, DrawingVisitsNegativeChildrenFirstAtEveryLevel)
{
    struct Drawn : Node
    {
        std::vector<std::string>* order = nullptr;
        void draw(Renderer*, const Mat4&, uint32_t) override { order->push_back(getName()); }
    };
    std::vector<std::string> order;
    auto make = [&](Node* parent, const std::string& name, int z) {
        auto n = new Drawn();
        n->init();
        n->autorelease();
        n->setName(name);
        n->order = &order;
        parent->addChild(n, z);
        return n;
    };
    auto a = make(scene, "a", 0);
    make(a, "a+1", 1);
    auto aMinus = make(a, "a-1", -1);
    make(aMinus, "a-1-1", -1);
    make(scene, "b", -5);
    director->mainLoop(0);
    EXPECT_EQ(order, (std::vector<std::string>{"b", "a-1-1", "a-1", "a", "a+1"}));
    scene->removeAllChildren(); // before the list goes
}

TEST_F(NodeTest, EnumerateChildrenByPathsAndPatterns)
{
    // root
    //  ├ panel ─┬ button1 ─ label
    //  │        └ button2
    //  └ list ─── button3
    auto root = Node::create();
    auto panel = Node::create();
    auto list = Node::create();
    root->addChild(panel, 0, "panel");
    root->addChild(list, 0, "list");
    auto button1 = Node::create();
    panel->addChild(button1, 0, "button1");
    panel->addChild(Node::create(), 0, "button2");
    list->addChild(Node::create(), 0, "button3");
    button1->addChild(Node::create(), 0, "label");

    auto names = [](const Node* from, const std::string& path, bool stopAtFirst = false) {
        std::vector<std::string> found;
        from->enumerateChildren(path, [&](Node* node) {
            found.push_back(node->getName());
            return stopAtFirst;
        });
        return found;
    };
    using Names = std::vector<std::string>;

    EXPECT_EQ(names(root, "panel"), Names{"panel"});
    EXPECT_EQ(names(root, "button1"), Names{}); // plain names look one level down
    EXPECT_EQ(names(root, "panel/button.*"), (Names{"button1", "button2"}));
    EXPECT_EQ(names(root, "panel/button1/label"), Names{"label"});
    EXPECT_EQ(names(root, "//button[0-9]"), (Names{"button1", "button2", "button3"}));
    EXPECT_EQ(names(root, "//button[0-9]", true), Names{"button1"}); // true ends the search
    EXPECT_EQ(names(root, "//label"), Names{"label"});
    EXPECT_EQ(names(panel, "list/.."), Names{"list"}); // from the parent
    EXPECT_EQ(names(root, "list/.."), Names{});         // no parent: nothing
    EXPECT_EQ(names(root, ".*"), (Names{"panel", "list"}));

    // Bad patterns and empty names find nothing and do no harm.
    EXPECT_EQ(names(root, "pan[el"), Names{});
    EXPECT_EQ(names(root, "//(unclosed"), Names{});
    EXPECT_EQ(names(root, ""), Names{});
    EXPECT_EQ(names(root, "//.."), Names{});

    // The callback may take nodes out of the tree it walks.
    std::vector<std::string> removed;
    root->enumerateChildren("//button.*", [&](Node* node) {
        removed.push_back(node->getName());
        node->removeFromParent();
        return false;
    });
    EXPECT_EQ(removed, (Names{"button1", "button2", "button3"}));
    EXPECT_EQ(panel->getChildrenCount(), 0);
}
