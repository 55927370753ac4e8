// The clipping node: its stencil's life in the scene, the order in which the
// renderer meets stencil and content, the stencil layers they draw in, and
// the alpha-test program of a threshold below 1.
#include <string>
#include <vector>
#include "EngineTestFixture.h"
#include "base/CCStencilStateManager.h"

USING_NS_CC;

namespace {

// Draws one custom command that logs its name and the stencil layer open
// when the renderer plays it back.
class MarkNode : public Node
{
public:
    static MarkNode* create(const std::string& name, std::vector<std::string>* log)
    {
        auto node = new MarkNode();
        node->init();
        node->setName(name);
        node->_log = log;
        node->autorelease();
        return node;
    }
    void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override
    {
        _command.init(_globalZOrder, transform, flags);
        _command.func = [this] { _log->push_back(getName() + "@" + std::to_string(StencilStateManager::getCurrentLayer())); };
        renderer->addCommand(&_command);
    }
    void onEnter() override
    {
        _log->push_back("enter " + getName());
        Node::onEnter();
    }
    void onExit() override
    {
        _log->push_back("exit " + getName());
        Node::onExit();
    }

private:
    CustomCommand _command;
    std::vector<std::string>* _log = nullptr;
};

} // namespace

class ClippingNodeTest : public EngineTest
{
protected:
    std::vector<std::string> drawn()
    {
        log.clear();
        frames(1, 0.0f);
        return log;
    }
    std::vector<std::string> log;
};

TEST_F(ClippingNodeTest, DefaultsAndStencilOwnership)
{
    auto empty = ClippingNode::create();
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->getStencil(), nullptr);
    EXPECT_FLOAT_EQ(empty->getAlphaThreshold(), 1.0f);
    EXPECT_FALSE(empty->isInverted());
    EXPECT_FALSE(empty->hasContent());

    auto stencil = Node::create();
    auto clip = ClippingNode::create(stencil);
    EXPECT_EQ(clip->getStencil(), stencil);
    EXPECT_EQ(stencil->getParent(), nullptr); // not a child
    EXPECT_EQ(clip->getChildrenCount(), 0);
    EXPECT_EQ(stencil->getReferenceCount(), 2u); // its own autorelease and the clipping node's
    clip->setStencil(nullptr);
    EXPECT_EQ(stencil->getReferenceCount(), 1u);
    clip->setInverted(true);
    clip->setAlphaThreshold(0.25f);
    EXPECT_TRUE(clip->isInverted());
    EXPECT_FLOAT_EQ(clip->getAlphaThreshold(), 0.25f);
}

TEST_F(ClippingNodeTest, StencilFollowsTheNodeInAndOutOfTheScene)
{
    auto clip = ClippingNode::create(MarkNode::create("first", &log));
    scene->addChild(clip);
    EXPECT_TRUE(clip->getStencil()->isRunning());

    // A stencil set while running enters at once; the one it replaces leaves.
    log.clear();
    clip->setStencil(MarkNode::create("second", &log));
    EXPECT_EQ(log, (std::vector<std::string>{"exit first", "enter second"}));
    log.clear();
    clip->removeFromParent();
    EXPECT_EQ(log, (std::vector<std::string>{"exit second"}));
}

TEST_F(ClippingNodeTest, StencilDrawsInItsOwnLayerBeforeTheContent)
{
    auto clip = ClippingNode::create(MarkNode::create("stencil", &log));
    clip->addChild(MarkNode::create("below", &log), -1);
    clip->addChild(MarkNode::create("above", &log), 1);
    scene->addChild(MarkNode::create("before", &log), 0);
    scene->addChild(clip, 1);
    scene->addChild(MarkNode::create("after", &log), 2);

    // The stencil and the content draw inside layer 0; the scene around it
    // has no layer open (-1).
    EXPECT_EQ(drawn(), (std::vector<std::string>{"before@-1", "stencil@0", "below@0", "above@0", "after@-1"}));

    // One group command stands for the clipping node in the scene's queue.
    int groups = 0;
    for (const auto& command : director->getRenderer()->getLastFrameCommands())
        groups += command.type == RenderCommand::Type::GROUP_COMMAND ? 1 : 0;
    EXPECT_EQ(groups, 1);
}

TEST_F(ClippingNodeTest, NestedClippingOpensAnInnerLayer)
{
    auto outer = ClippingNode::create(MarkNode::create("outer stencil", &log));
    auto inner = ClippingNode::create(MarkNode::create("inner stencil", &log));
    inner->addChild(MarkNode::create("inner", &log));
    outer->addChild(inner);
    outer->addChild(MarkNode::create("outer", &log), 1);
    scene->addChild(outer);

    EXPECT_EQ(drawn(),
              (std::vector<std::string>{"outer stencil@0", "inner stencil@1", "inner@1", "outer@0"}));
}

TEST_F(ClippingNodeTest, NothingToClipOrNoStencil)
{
    // Without children even the stencil is not drawn.
    auto lonely = ClippingNode::create(MarkNode::create("stencil", &log));
    scene->addChild(lonely);
    EXPECT_TRUE(drawn().empty());
    lonely->removeFromParent();

    // Without a stencil nothing shows through; inverted, everything does.
    auto clip = ClippingNode::create();
    clip->addChild(MarkNode::create("content", &log));
    scene->addChild(clip);
    EXPECT_TRUE(drawn().empty());
    clip->setInverted(true);
    EXPECT_EQ(drawn(), (std::vector<std::string>{"content@-1"}));

    // An invisible clipping node hides its content.
    clip->setVisible(false);
    EXPECT_TRUE(drawn().empty());
}

TEST_F(ClippingNodeTest, AlphaThresholdGivesTheStencilTheAlphaTestProgram)
{
    auto stencil = Node::create();
    auto stencilChild = Node::create();
    stencil->addChild(stencilChild);
    GLProgramState* own = GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR);
    ASSERT_NE(own, nullptr);
    stencil->setGLProgramState(own);

    auto clip = ClippingNode::create(stencil);
    clip->addChild(Node::create());
    scene->addChild(clip);
    frames(1, 0.0f);
    EXPECT_EQ(stencil->getGLProgramState(), own); // a threshold of 1 needs no alpha test

    clip->setAlphaThreshold(0.5f);
    frames(1, 0.0f);
    for (Node* node : {stencil, stencilChild})
    {
        GLProgramState* state = node->getGLProgramState();
        ASSERT_NE(state, nullptr);
        EXPECT_EQ(state->getGLProgram(),
                  GLProgramCache::getInstance()->getGLProgram(GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV));
        auto value = state->getUniformValue(GLProgram::UNIFORM_NAME_ALPHA_TEST_VALUE);
        ASSERT_NE(value, nullptr);
        ASSERT_EQ(value->getFloats().size(), 1u);
        EXPECT_FLOAT_EQ(value->getFloats()[0], 0.5f);
    }

    // Back at 1 the stencil's own programs return; so they do when the
    // stencil is replaced.
    clip->setAlphaThreshold(1.0f);
    EXPECT_EQ(stencil->getGLProgramState(), own);
    EXPECT_EQ(stencilChild->getGLProgramState(), nullptr);
    clip->setAlphaThreshold(0.1f);
    frames(1, 0.0f);
    EXPECT_NE(stencil->getGLProgramState(), own);
    stencil->retain(); // the clipping node lets go of it
    clip->setStencil(Node::create());
    EXPECT_EQ(stencil->getGLProgramState(), own);
    stencil->release();
}

TEST_F(ClippingNodeTest, PastEightLayersTheInnerStencilsAreIgnored)
{
    // One stencil bit per layer: the ninth nesting level opens none, and the
    // levels around it still close their own.
    Node* parent = scene;
    for (int depth = 0; depth < 9; ++depth)
    {
        auto clip = ClippingNode::create(Node::create());
        parent->addChild(clip);
        parent = clip;
    }
    parent->addChild(MarkNode::create("deepest", &log));
    scene->addChild(MarkNode::create("after", &log));
    EXPECT_EQ(drawn(), (std::vector<std::string>{"deepest@7", "after@-1"}));
    EXPECT_EQ(drawn(), (std::vector<std::string>{"deepest@7", "after@-1"})); // and again next frame
}

TEST_F(ClippingNodeTest, ReplacingTheStencilWhileOffSceneLeavesItAlone)
{
    auto clip = ClippingNode::create(MarkNode::create("first", &log));
    clip->setStencil(MarkNode::create("second", &log));
    EXPECT_TRUE(log.empty()); // neither entered nor left: the node is not running
    clip->setStencil(clip->getStencil()); // the same one: nothing happens
    EXPECT_EQ(clip->getStencil()->getName(), "second");
    scene->addChild(clip);
    EXPECT_EQ(log, (std::vector<std::string>{"enter second"}));
}

TEST_F(ClippingNodeTest, TheStencilRunsActionsWhileTheNodeRuns)
{
    auto stencil = Node::create();
    auto clip = ClippingNode::create(stencil);
    clip->retain(); // outlives the frames below while off the scene
    stencil->runAction(MoveBy::create(1.0f, Vec2(100, 0)));
    frames(2, 0.25f);
    EXPECT_FLOAT_EQ(0, stencil->getPositionX()); // not running yet: paused

    scene->addChild(clip);
    frames(3, 0.25f);
    const float moved = stencil->getPositionX();
    EXPECT_GT(moved, 0);
    clip->removeFromParent();
    frames(2, 0.25f);
    EXPECT_FLOAT_EQ(moved, stencil->getPositionX()); // off the scene again: paused
    clip->release();
}
