#include "2d/CCClippingNode.h"

#include "base/CCDirector.h"
#include "base/CCStencilStateManager.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"

NS_CC_BEGIN

ClippingNode::ClippingNode() : _stencil(nullptr), _stencilStateManager(new StencilStateManager()) {}

ClippingNode::~ClippingNode()
{
    restoreAllProgramStates();
    if (_stencil) _stencil->stopAllActions();
    CC_SAFE_RELEASE(_stencil);
    delete _stencilStateManager;
}

ClippingNode* ClippingNode::create()
{
    ClippingNode* node = new (std::nothrow) ClippingNode();
    if (node && node->init())
    {
        node->autorelease();
        return node;
    }
    CC_SAFE_DELETE(node);
    return nullptr;
}

ClippingNode* ClippingNode::create(Node* stencil)
{
    ClippingNode* node = new (std::nothrow) ClippingNode();
    if (node && node->init(stencil))
    {
        node->autorelease();
        return node;
    }
    CC_SAFE_DELETE(node);
    return nullptr;
}

bool ClippingNode::init()
{
    return init(nullptr);
}

bool ClippingNode::init(Node* stencil)
{
    if (!Node::init()) return false;
    setStencil(stencil);
    return true;
}

// MARK: the stencil

Node* ClippingNode::getStencil() const
{
    return _stencil;
}

void ClippingNode::setStencil(Node* stencil)
{
    if (_stencil == stencil) return;
    restoreAllProgramStates();
    if (_stencil && _stencil->isRunning())
    {
        _stencil->onExitTransitionDidStart();
        _stencil->onExit();
    }
    CC_SAFE_RELEASE_NULL(_stencil);
    _stencil = stencil;
    CC_SAFE_RETAIN(_stencil);
    if (_stencil && isRunning())
    {
        _stencil->onEnter();
        if (_isTransitionFinished) _stencil->onEnterTransitionDidFinish();
    }
}

bool ClippingNode::hasContent() const
{
    return !_children.empty();
}

GLfloat ClippingNode::getAlphaThreshold() const
{
    return _stencilStateManager->getAlphaThreshold();
}

void ClippingNode::setAlphaThreshold(GLfloat alphaThreshold)
{
    // Back at 1 every stencil pixel counts again: the stencil draws with its
    // own programs.
    if (alphaThreshold >= 1.0f) restoreAllProgramStates();
    _stencilStateManager->setAlphaThreshold(alphaThreshold);
}

bool ClippingNode::isInverted() const
{
    return _stencilStateManager->isInverted();
}

void ClippingNode::setInverted(bool inverted)
{
    _stencilStateManager->setInverted(inverted);
}

void ClippingNode::setAlphaTestProgram(Node* node)
{
    GLProgram* program = GLProgramCache::getInstance()->getGLProgram(GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV);
    if (!program) return;
    if (_originalStencilProgramState.find(node) == _originalStencilProgramState.end())
    {
        GLProgramState* original = node->getGLProgramState();
        CC_SAFE_RETAIN(original);
        _originalStencilProgramState[node] = original;
        node->setGLProgramState(GLProgramState::create(program));
    }
    if (GLProgramState* state = node->getGLProgramState())
        state->setUniformFloat(GLProgram::UNIFORM_NAME_ALPHA_TEST_VALUE, getAlphaThreshold());
    for (const auto& child : node->getChildren())
        setAlphaTestProgram(child);
}

void ClippingNode::restoreAllProgramStates()
{
    // Only nodes still in the stencil's subtree are touched: one that left it
    // since may be gone, its address only a key here. What it had is released.
    std::unordered_map<Node*, GLProgramState*> originals;
    originals.swap(_originalStencilProgramState);
    std::function<void(Node*)> restore = [&](Node* node) {
        auto found = originals.find(node);
        if (found != originals.end())
        {
            node->setGLProgramState(found->second);
            CC_SAFE_RELEASE(found->second);
            originals.erase(found);
        }
        for (const auto& child : node->getChildren())
            restore(child);
    };
    if (_stencil) restore(_stencil);
    for (auto& left : originals)
        CC_SAFE_RELEASE(left.second);
}

// MARK: life in the running scene

void ClippingNode::onEnter()
{
    Node::onEnter();
    if (_stencil) _stencil->onEnter();
}

void ClippingNode::onEnterTransitionDidFinish()
{
    Node::onEnterTransitionDidFinish();
    if (_stencil) _stencil->onEnterTransitionDidFinish();
}

void ClippingNode::onExitTransitionDidStart()
{
    if (_stencil) _stencil->onExitTransitionDidStart();
    Node::onExitTransitionDidStart();
}

void ClippingNode::onExit()
{
    if (_stencil) _stencil->onExit();
    Node::onExit();
}

void ClippingNode::setCameraMask(unsigned short mask, bool applyChildren)
{
    Node::setCameraMask(mask, applyChildren);
    if (_stencil) _stencil->setCameraMask(mask, applyChildren);
}

// MARK: drawing

void ClippingNode::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags)
{
    if (!_visible || !hasContent()) return;
    // Without a stencil nothing is let through, and inverted everything is.
    if (!_stencil || !renderer)
    {
        if (isInverted() || !renderer) Node::visit(renderer, parentTransform, parentFlags);
        return;
    }
    uint32_t flags = processParentFlags(parentTransform, parentFlags);
    _director->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    _director->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, _modelViewTransform);

    _groupCommand.init(_globalZOrder);
    renderer->addCommand(&_groupCommand);
    renderer->pushGroup(_groupCommand.getRenderQueueID());

    _beforeVisitCmd.init(_globalZOrder);
    _beforeVisitCmd.func = CC_CALLBACK_0(StencilStateManager::onBeforeVisit, _stencilStateManager);
    renderer->addCommand(&_beforeVisitCmd);

    if (getAlphaThreshold() < 1.0f) setAlphaTestProgram(_stencil);
    _stencil->visit(renderer, _modelViewTransform, flags);

    _afterDrawStencilCmd.init(_globalZOrder);
    _afterDrawStencilCmd.func = CC_CALLBACK_0(StencilStateManager::onAfterDrawStencil, _stencilStateManager);
    renderer->addCommand(&_afterDrawStencilCmd);

    drawSelfAndChildren(renderer, flags);

    _afterVisitCmd.init(_globalZOrder);
    _afterVisitCmd.func = CC_CALLBACK_0(StencilStateManager::onAfterVisit, _stencilStateManager);
    renderer->addCommand(&_afterVisitCmd);

    renderer->popGroup();
    _director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
}

NS_CC_END
