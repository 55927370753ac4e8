#include "2d/CCNode.h"

#include <functional>
#include <regex>
#include "2d/CCActionManager.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCTouch.h"

#if __has_include("renderer/CCGLProgramState.h")
#include "renderer/CCGLProgramState.h"
#define CC_NODE_HAS_PROGRAM_STATE 1
#else
#define CC_NODE_HAS_PROGRAM_STATE 0
#endif

NS_CC_BEGIN

const int Node::INVALID_TAG;
unsigned int Node::s_globalOrderOfArrival = 0;
int Node::__attachedNodeCount = 0;

Node::Node()
: _rotationX(0.0f)
, _rotationY(0.0f)
, _rotationZ_X(0.0f)
, _rotationZ_Y(0.0f)
, _scaleX(1.0f)
, _scaleY(1.0f)
, _scaleZ(1.0f)
, _positionZ(0.0f)
, _usingNormalizedPosition(false)
, _normalizedPositionDirty(false)
, _skewX(0.0f)
, _skewY(0.0f)
, _contentSizeDirty(true)
, _transformDirty(true)
, _inverseDirty(true)
, _additionalTransform(nullptr)
, _additionalTransformDirty(false)
, _transformUpdated(true)
, _localZOrder(0)
, _orderOfArrival(0)
, _globalZOrder(0)
, _parent(nullptr)
, _director(Director::getInstance())
, _tag(Node::INVALID_TAG)
, _hashOfName(0)
, _userData(nullptr)
, _userObject(nullptr)
, _glProgramState(nullptr)
, _running(false)
, _visible(true)
, _ignoreAnchorPointForPosition(false)
, _reorderChildDirty(false)
, _isTransitionFinished(false)
, _displayedOpacity(255)
, _realOpacity(255)
, _displayedColor(Color3B::WHITE)
, _realColor(Color3B::WHITE)
, _cascadeColorEnabled(false)
, _cascadeOpacityEnabled(false)
, _cameraMask(1)
{
    _actionManager = _director->getActionManager();
    _actionManager->retain();
    _scheduler = _director->getScheduler();
    _scheduler->retain();
    _eventDispatcher = _director->getEventDispatcher();
    _eventDispatcher->retain();
}

Node* Node::create()
{
    Node* ret = new (std::nothrow) Node();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

Node::~Node()
{
    CC_SAFE_RELEASE_NULL(_userObject);
#if CC_NODE_HAS_PROGRAM_STATE
    CC_SAFE_RELEASE_NULL(_glProgramState);
#endif
    for (auto& child : _children)
        child->_parent = nullptr;
    stopAllActions();
    unscheduleAllCallbacks();
    _eventDispatcher->removeEventListenersForTarget(this);
    CC_SAFE_RELEASE_NULL(_actionManager);
    CC_SAFE_RELEASE_NULL(_scheduler);
    CC_SAFE_RELEASE(_eventDispatcher);
    delete[] _additionalTransform;
}

bool Node::init()
{
    return true;
}

std::string Node::getDescription() const
{
    char buf[64];
    snprintf(buf, sizeof(buf), "<Node | Tag = %d", _tag);
    return std::string(buf);
}

// MARK: z-order

void Node::_setLocalZOrder(int z)
{
    _localZOrder = z;
}

void Node::setLocalZOrder(int z)
{
    if (getLocalZOrder() == z)
        return;
    _setLocalZOrder(z);
    if (_parent)
        _parent->reorderChild(this, z);
    _eventDispatcher->setDirtyForNode(this);
}

void Node::updateOrderOfArrival()
{
    _orderOfArrival = (++s_globalOrderOfArrival);
}

void Node::setGlobalZOrder(float globalZOrder)
{
    if (_globalZOrder != globalZOrder)
    {
        _globalZOrder = globalZOrder;
        _eventDispatcher->setDirtyForNode(this);
    }
}

// MARK: children

void Node::childrenAlloc()
{
    _children.reserve(4);
}

Node* Node::getChildByTag(int tag) const
{
    for (const auto child : _children)
    {
        if (child && child->_tag == tag)
            return child;
    }
    return nullptr;
}

Node* Node::getChildByName(const std::string& name) const
{
    std::hash<std::string> h;
    size_t hash = h(name);
    for (const auto& child : _children)
    {
        if (child->_hashOfName == hash && child->_name.compare(name) == 0)
            return child;
    }
    return nullptr;
}

// The name is a path of regular expressions, one per level ("a/b.*/c");
// a leading "//" searches the whole subtree, a trailing "/.." starts at the
// parent. The callback returning true ends the search.
void Node::enumerateChildren(const std::string& name, std::function<bool(Node* node)> callback) const
{
    if (name.empty() || !callback)
        return;
    size_t start = 0;
    size_t length = name.length();
    bool searchRecursively = false;
    if (length > 2 && name[0] == '/' && name[1] == '/')
    {
        searchRecursively = true;
        start = 2;
        length -= 2;
    }
    bool searchFromParent = false;
    if (name.length() > 3 && name.compare(name.length() - 3, 3, "/..") == 0)
    {
        searchFromParent = true;
        length -= 3;
    }
    if (length > name.length())
        return; // "//.." and the like: nothing left to look for
    const std::string newName = name.substr(start, length);
    const Node* target = this;
    if (searchFromParent)
    {
        if (!_parent)
            return;
        target = _parent;
    }
    if (searchRecursively)
        target->doEnumerateRecursive(target, newName, callback);
    else
        target->doEnumerate(newName, callback);
}

bool Node::doEnumerateRecursive(const Node* node, const std::string& name, std::function<bool(Node*)> callback) const
{
    if (node->doEnumerate(name, callback))
        return true;
    Vector<Node*> children = node->_children; // the callback may change the list
    for (const auto& child : children)
    {
        if (doEnumerateRecursive(child, name, callback))
            return true;
    }
    return false;
}

bool Node::doEnumerate(std::string name, std::function<bool(Node*)> callback) const
{
    // "xxx/yyy": xxx names the child to go on in.
    size_t pos = name.find('/');
    std::string searchName = name;
    bool needRecursive = false;
    if (pos != std::string::npos)
    {
        searchName = name.substr(0, pos);
        name.erase(0, pos + 1);
        needRecursive = true;
    }
    // A name that is no valid expression, or one too costly to match,
    // matches nothing.
    std::regex pattern;
    try
    {
        pattern.assign(searchName);
    }
    catch (const std::regex_error&)
    {
        return false;
    }
    auto matches = [&pattern](const std::string& childName) {
        try
        {
            return std::regex_match(childName, pattern);
        }
        catch (const std::regex_error&)
        {
            return false;
        }
    };
    Vector<Node*> children = _children; // the callback may change the list
    for (const auto& child : children)
    {
        if (!matches(child->_name))
            continue;
        if (needRecursive ? child->doEnumerate(name, callback) : callback(child))
            return true;
    }
    return false;
}

void Node::addChild(Node* child, int localZOrder, int tag)
{
    addChildHelper(child, localZOrder, tag, "", true);
}

void Node::addChild(Node* child, int localZOrder, const std::string& name)
{
    addChildHelper(child, localZOrder, INVALID_TAG, name, false);
}

void Node::addChildHelper(Node* child, int localZOrder, int tag, const std::string& name, bool setTag)
{
    if (child == nullptr || child == this)
        return;
    if (child->_parent != nullptr)
    {
        // A node has one parent; adding it twice would corrupt both lists.
        log("Node::addChild: child already has a parent");
        return;
    }
    if (_children.empty())
        this->childrenAlloc();
    this->insertChild(child, localZOrder);
    if (setTag)
        child->setTag(tag);
    else
        child->setName(name);
    child->setParent(this);
    child->updateOrderOfArrival();

    if (_running)
    {
        child->onEnter();
        // A child added in onEnter gets onEnterTransitionDidFinish with its parent.
        if (_isTransitionFinished)
            child->onEnterTransitionDidFinish();
    }
    if (_cascadeColorEnabled)
        updateCascadeColor();
    if (_cascadeOpacityEnabled)
        updateCascadeOpacity();
}

void Node::addChild(Node* child, int zOrder)
{
    if (child == nullptr)
        return;
    this->addChild(child, zOrder, child->_name);
}

void Node::addChild(Node* child)
{
    if (child == nullptr)
        return;
    this->addChild(child, child->_localZOrder, child->_name);
}

void Node::removeFromParent()
{
    this->removeFromParentAndCleanup(true);
}

void Node::removeFromParentAndCleanup(bool cleanup)
{
    if (_parent != nullptr)
        _parent->removeChild(this, cleanup);
}

void Node::removeChild(Node* child, bool cleanup)
{
    if (_children.empty() || child == nullptr)
        return;
    ssize_t index = _children.getIndex(child);
    if (index != CC_INVALID_INDEX)
        this->detachChild(child, index, cleanup);
}

void Node::removeChildByTag(int tag, bool cleanup)
{
    Node* child = this->getChildByTag(tag);
    if (child)
        this->removeChild(child, cleanup);
}

void Node::removeChildByName(const std::string& name, bool cleanup)
{
    Node* child = this->getChildByName(name);
    if (child)
        this->removeChild(child, cleanup);
}

void Node::removeAllChildren()
{
    this->removeAllChildrenWithCleanup(true);
}

void Node::removeAllChildrenWithCleanup(bool cleanup)
{
    Vector<Node*> children = _children; // keeps them alive while they leave
    for (const auto& child : children)
    {
        if (child->_parent != this)
            continue;
        if (_running)
        {
            child->onExitTransitionDidStart();
            child->onExit();
        }
        if (cleanup)
            child->cleanup();
        child->setParent(nullptr);
    }
    _children.clear();
}

void Node::detachChild(Node* child, ssize_t childIndex, bool doCleanup)
{
    child->retain(); // its callbacks may drop the last other reference
    if (_running)
    {
        child->onExitTransitionDidStart();
        child->onExit();
    }
    if (doCleanup)
        child->cleanup();
    child->setParent(nullptr);
    // The callbacks may have reordered or removed children.
    ssize_t index = _children.getIndex(child);
    CC_UNUSED_PARAM(childIndex);
    if (index != CC_INVALID_INDEX)
        _children.erase(index);
    child->release();
}

void Node::insertChild(Node* child, int z)
{
    _transformUpdated = true;
    _reorderChildDirty = true;
    _children.pushBack(child);
    child->_setLocalZOrder(z);
}

void Node::reorderChild(Node* child, int zOrder)
{
    if (child == nullptr)
        return;
    _reorderChildDirty = true;
    child->updateOrderOfArrival();
    child->_setLocalZOrder(zOrder);
}

void Node::sortAllChildren()
{
    if (_reorderChildDirty)
    {
        sortNodes(_children);
        _reorderChildDirty = false;
        _eventDispatcher->setDirtyForNode(this);
    }
}

// MARK: drawing

void Node::draw()
{
    draw(nullptr, _modelViewTransform, FLAGS_TRANSFORM_DIRTY);
}

void Node::draw(Renderer* renderer, const Mat4& transform, uint32_t flags)
{
    CC_UNUSED_PARAM(renderer);
    CC_UNUSED_PARAM(transform);
    CC_UNUSED_PARAM(flags);
}

void Node::visit()
{
    visit(nullptr, Mat4::IDENTITY, FLAGS_TRANSFORM_DIRTY);
}

uint32_t Node::processParentFlags(const Mat4& parentTransform, uint32_t parentFlags)
{
    if (_usingNormalizedPosition && _parent && (_normalizedPositionDirty || (parentFlags & FLAGS_CONTENT_SIZE_DIRTY)))
    {
        Size s = _parent->getContentSize();
        _position.x = _normalizedPosition.x * s.width;
        _position.y = _normalizedPosition.y * s.height;
        _transformUpdated = _transformDirty = _inverseDirty = true;
        _normalizedPositionDirty = false;
    }
    uint32_t flags = parentFlags;
    flags |= (_transformUpdated ? FLAGS_TRANSFORM_DIRTY : 0);
    flags |= (_contentSizeDirty ? FLAGS_CONTENT_SIZE_DIRTY : 0);
    if (flags & FLAGS_DIRTY_MASK)
        _modelViewTransform = this->transform(parentTransform);
    _transformUpdated = false;
    _contentSizeDirty = false;
    return flags;
}

void Node::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags)
{
    // Invisible nodes hide their children as well.
    if (!_visible)
        return;
    uint32_t flags = processParentFlags(parentTransform, parentFlags);
    _director->pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    _director->loadMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW, _modelViewTransform);

    drawSelfAndChildren(renderer, flags);
    _director->popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
}

void Node::drawSelfAndChildren(Renderer* renderer, uint32_t flags)
{
    if (_children.empty())
    {
        this->draw(renderer, _modelViewTransform, flags);
        return;
    }
    sortAllChildren();
    Vector<Node*> children = _children; // drawing code may change the list
    ssize_t i = 0;
    for (ssize_t size = children.size(); i < size; ++i)
    {
        auto node = children.at(i);
        if (node->_localZOrder < 0)
            node->visit(renderer, _modelViewTransform, flags);
        else
            break;
    }
    this->draw(renderer, _modelViewTransform, flags);
    for (ssize_t size = children.size(); i < size; ++i)
        children.at(i)->visit(renderer, _modelViewTransform, flags);
}

Mat4 Node::transform(const Mat4& parentTransform)
{
    return parentTransform * this->getNodeToParentTransform();
}

// MARK: life cycle

void Node::onEnter()
{
    if (!_running)
        ++__attachedNodeCount;
    if (_onEnterCallback)
        _onEnterCallback();
    _isTransitionFinished = false;
    Vector<Node*> children = _children;
    for (const auto& child : children)
    {
        if (child->_parent == this)
            child->onEnter();
    }
    this->resume();
    _running = true;
}

void Node::onEnterTransitionDidFinish()
{
    _isTransitionFinished = true;
    Vector<Node*> children = _children;
    for (const auto& child : children)
    {
        if (child->_parent == this)
            child->onEnterTransitionDidFinish();
    }
}

void Node::onExitTransitionDidStart()
{
    Vector<Node*> children = _children;
    for (const auto& child : children)
    {
        if (child->_parent == this)
            child->onExitTransitionDidStart();
    }
}

void Node::onExit()
{
    if (_running)
        --__attachedNodeCount;
    if (_onExitCallback)
        _onExitCallback();
    this->pause();
    _running = false;
    Vector<Node*> children = _children;
    for (const auto& child : children)
    {
        if (child->_parent == this)
            child->onExit();
    }
}

void Node::cleanup()
{
    this->stopAllActions();
    this->unscheduleAllCallbacks();
    Vector<Node*> children = _children;
    for (const auto& child : children)
        child->cleanup();
}

void Node::setEventDispatcher(EventDispatcher* dispatcher)
{
    if (dispatcher != _eventDispatcher)
    {
        _eventDispatcher->removeEventListenersForTarget(this);
        CC_SAFE_RETAIN(dispatcher);
        CC_SAFE_RELEASE(_eventDispatcher);
        _eventDispatcher = dispatcher;
    }
}

// MARK: actions

void Node::setActionManager(ActionManager* actionManager)
{
    if (actionManager != _actionManager && actionManager != nullptr)
    {
        this->stopAllActions();
        actionManager->retain();
        CC_SAFE_RELEASE(_actionManager);
        _actionManager = actionManager;
    }
}

Action* Node::runAction(Action* action)
{
    if (action == nullptr)
        return nullptr;
    _actionManager->addAction(action, this, !_running);
    return action;
}

void Node::stopAllActions()
{
    _actionManager->removeAllActionsFromTarget(this);
}

void Node::stopAction(Action* action)
{
    _actionManager->removeAction(action);
}

void Node::stopActionByTag(int tag)
{
    _actionManager->removeActionByTag(tag, this);
}

void Node::stopAllActionsByTag(int tag)
{
    _actionManager->removeAllActionsByTag(tag, this);
}

void Node::stopActionsByFlags(unsigned int flags)
{
    if (flags > 0)
        _actionManager->removeActionsByFlags(flags, this);
}

Action* Node::getActionByTag(int tag)
{
    return _actionManager->getActionByTag(tag, this);
}

ssize_t Node::getNumberOfRunningActions() const
{
    return _actionManager->getNumberOfRunningActionsInTarget(this);
}

ssize_t Node::getNumberOfRunningActionsByTag(int tag) const
{
    return static_cast<ssize_t>(_actionManager->getNumberOfRunningActionsByTag(this, tag));
}

// MARK: scheduling

void Node::setScheduler(Scheduler* scheduler)
{
    if (scheduler != _scheduler && scheduler != nullptr)
    {
        this->unscheduleAllCallbacks();
        scheduler->retain();
        CC_SAFE_RELEASE(_scheduler);
        _scheduler = scheduler;
    }
}

bool Node::isScheduled(SEL_SCHEDULE selector) const
{
    return _scheduler->isScheduled(selector, this);
}

bool Node::isScheduled(const std::string& key) const
{
    return _scheduler->isScheduled(key, this);
}

void Node::scheduleUpdate()
{
    scheduleUpdateWithPriority(0);
}

void Node::scheduleUpdateWithPriority(int priority)
{
    _scheduler->scheduleUpdate(this, priority, !_running);
}

void Node::unscheduleUpdate()
{
    _scheduler->unscheduleUpdate(this);
}

void Node::schedule(SEL_SCHEDULE selector)
{
    this->schedule(selector, 0.0f, CC_REPEAT_FOREVER, 0.0f);
}

void Node::schedule(SEL_SCHEDULE selector, float interval)
{
    this->schedule(selector, interval, CC_REPEAT_FOREVER, 0.0f);
}

void Node::schedule(SEL_SCHEDULE selector, float interval, unsigned int repeat, float delay)
{
    if (selector == nullptr)
        return;
    _scheduler->schedule(selector, this, interval, repeat, delay, !_running);
}

void Node::schedule(const std::function<void(float)>& callback, const std::string& key)
{
    _scheduler->schedule(callback, this, 0, !_running, key);
}

void Node::schedule(const std::function<void(float)>& callback, float interval, const std::string& key)
{
    _scheduler->schedule(callback, this, interval, !_running, key);
}

void Node::schedule(const std::function<void(float)>& callback, float interval, unsigned int repeat, float delay,
                    const std::string& key)
{
    _scheduler->schedule(callback, this, interval, repeat, delay, !_running, key);
}

void Node::scheduleOnce(SEL_SCHEDULE selector, float delay)
{
    this->schedule(selector, 0.0f, 0, delay);
}

void Node::scheduleOnce(const std::function<void(float)>& callback, float delay, const std::string& key)
{
    _scheduler->schedule(callback, this, 0, 0, delay, !_running, key);
}

void Node::unschedule(SEL_SCHEDULE selector)
{
    if (selector == nullptr)
        return;
    _scheduler->unschedule(selector, this);
}

void Node::unschedule(const std::string& key)
{
    _scheduler->unschedule(key, this);
}

void Node::unscheduleAllCallbacks()
{
    _scheduler->unscheduleAllForTarget(this);
}

void Node::resume()
{
    _scheduler->resumeTarget(this);
    _actionManager->resumeTarget(this);
    _eventDispatcher->resumeEventListenersForTarget(this);
}

void Node::pause()
{
    _scheduler->pauseTarget(this);
    _actionManager->pauseTarget(this);
    _eventDispatcher->pauseEventListenersForTarget(this);
}

void Node::update(float fDelta)
{
    CC_UNUSED_PARAM(fDelta);
}

NS_CC_END
