#include "extensions/GUI/CCScrollView/CCScrollView.h"

#include <algorithm>
#include <cmath>

#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCTouch.h"
#include "platform/CCDevice.h"
#include "platform/CCGLView.h"
#include "renderer/CCRenderer.h"

NS_CC_EXT_BEGIN

#define SCROLL_DEACCEL_RATE 0.95f
#define SCROLL_DEACCEL_DIST 1.0f
#define BOUNCE_DURATION 0.15f
#define INSET_RATIO 0.2f
#define MOVE_INCH (7.0f / 160.0f)
#define BOUNCE_BACK_FACTOR 0.35f

ScrollView::ScrollView()
    : _zoomScale(0.0f),
      _minZoomScale(0.0f),
      _maxZoomScale(0.0f),
      _delegate(nullptr),
      _direction(Direction::BOTH),
      _dragging(false),
      _container(nullptr),
      _touchMoved(false),
      _bounceable(false),
      _clippingToBounds(false),
      _touchLength(0.0f),
      _minScale(0.0f),
      _maxScale(0.0f),
      _touchListener(nullptr),
      _animating(false),
      _animationElapsed(0),
      _animationDuration(0),
      _scissorRestored(false)
{
}

ScrollView::~ScrollView()
{
    CC_SAFE_RELEASE(_container);
}

ScrollView* ScrollView::create(Size size, Node* container)
{
    ScrollView* ret = new (std::nothrow) ScrollView();
    if (ret && ret->initWithViewSize(size, container))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

ScrollView* ScrollView::create()
{
    ScrollView* ret = new (std::nothrow) ScrollView();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool ScrollView::initWithViewSize(Size size, Node* container)
{
    if (!Layer::init()) return false;
    if (!container)
    {
        container = Layer::create();
        container->setIgnoreAnchorPointForPosition(false);
        container->setAnchorPoint(Vec2(0.0f, 0.0f));
    }
    holdContainer(container);
    setViewSize(size);
    setTouchEnabled(true);
    _touches.reserve(10);
    _delegate = nullptr;
    _bounceable = true;
    _clippingToBounds = true;
    _direction = Direction::BOTH;
    _container->setPosition(0.0f, 0.0f);
    _touchLength = 0.0f;
    Layer::addChild(_container, 0, _container->getTag());
    _minScale = _maxScale = 1.0f;
    return true;
}

bool ScrollView::init()
{
    return initWithViewSize(Size(200, 200), nullptr);
}

bool ScrollView::isNodeVisible(Node* node)
{
    const Vec2 offset = getContentOffset();
    const Size size = getViewSize();
    const float scale = getZoomScale();
    Rect viewRect(-offset.x / scale, -offset.y / scale, size.width / scale, size.height / scale);
    return viewRect.intersectsRect(node->getBoundingBox());
}

void ScrollView::pause(Ref* /*sender*/)
{
    _container->pause();
    for (Node* child : _container->getChildren()) child->pause();
}

void ScrollView::resume(Ref* /*sender*/)
{
    for (Node* child : _container->getChildren()) child->resume();
    _container->resume();
}

void ScrollView::setTouchEnabled(bool enabled)
{
    if (_touchListener)
    {
        _eventDispatcher->removeEventListener(_touchListener);
        _touchListener = nullptr;
    }
    if (enabled)
    {
        _touchListener = EventListenerTouchOneByOne::create();
        _touchListener->setSwallowTouches(true);
        _touchListener->onTouchBegan = CC_CALLBACK_2(ScrollView::onTouchBegan, this);
        _touchListener->onTouchMoved = CC_CALLBACK_2(ScrollView::onTouchMoved, this);
        _touchListener->onTouchEnded = CC_CALLBACK_2(ScrollView::onTouchEnded, this);
        _touchListener->onTouchCancelled = CC_CALLBACK_2(ScrollView::onTouchCancelled, this);
        _eventDispatcher->addEventListenerWithSceneGraphPriority(_touchListener, this);
    }
    else
    {
        _dragging = false;
        _touchMoved = false;
        _touches.clear();
    }
}

void ScrollView::setSwallowTouches(bool needSwallow)
{
    if (_touchListener) _touchListener->setSwallowTouches(needSwallow);
}

void ScrollView::setContentOffset(Vec2 offset, bool animated)
{
    if (animated)
    {
        setContentOffsetInDuration(offset, BOUNCE_DURATION);
        return;
    }
    if (!_bounceable)
    {
        const Vec2 minOffset = minContainerOffset();
        const Vec2 maxOffset = maxContainerOffset();
        offset.x = std::max(minOffset.x, std::min(maxOffset.x, offset.x));
        offset.y = std::max(minOffset.y, std::min(maxOffset.y, offset.y));
    }
    _container->setPosition(offset);
    if (_delegate) _delegate->scrollViewDidScroll(this);
}

void ScrollView::setContentOffsetInDuration(Vec2 offset, float dt)
{
    if (_animating) unschedule(CC_SCHEDULE_SELECTOR(ScrollView::performedAnimatedScroll));
    _animating = true;
    _animationFrom = _container->getPosition();
    _animationTo = offset;
    _animationElapsed = 0;
    _animationDuration = dt > 0 ? dt : 0;
    schedule(CC_SCHEDULE_SELECTOR(ScrollView::performedAnimatedScroll));
}

Vec2 ScrollView::getContentOffset()
{
    return _container->getPosition();
}

void ScrollView::stopAnimatedContentOffset()
{
    if (!_animating) return;
    stoppedAnimatedScroll(this);
}

void ScrollView::performedAnimatedScroll(float dt)
{
    if (_dragging)
    {
        // the finger took over: the content stays where it is
        _animating = false;
        unschedule(CC_SCHEDULE_SELECTOR(ScrollView::performedAnimatedScroll));
        return;
    }
    _animationElapsed += dt;
    float t = _animationDuration > 0 ? std::min(1.0f, _animationElapsed / _animationDuration) : 1.0f;
    _container->setPosition(_animationFrom + (_animationTo - _animationFrom) * t);
    if (t >= 1.0f)
    {
        stoppedAnimatedScroll(_container);
        return;
    }
    if (_delegate) _delegate->scrollViewDidScroll(this);
}

void ScrollView::stoppedAnimatedScroll(Node* /*node*/)
{
    _animating = false;
    unschedule(CC_SCHEDULE_SELECTOR(ScrollView::performedAnimatedScroll));
    if (_delegate)
    {
        _delegate->scrollViewDidScroll(this);
        _delegate->scrollViewEndedScroll(this);
    }
}

void ScrollView::setZoomScale(float s)
{
    if (_container->getScale() == s) return;
    Vec2 center;
    if (_touchLength == 0.0f)
    {
        center.set(_viewSize.width * 0.5f, _viewSize.height * 0.5f);
        center = convertToWorldSpace(center);
    }
    else center = _touchPoint;
    Vec2 oldCenter = _container->convertToNodeSpace(center);
    _container->setScale(std::max(_minScale, std::min(_maxScale, s)));
    Vec2 newCenter = _container->convertToWorldSpace(oldCenter);
    const Vec2 offset = center - newCenter;
    if (_delegate) _delegate->scrollViewDidZoom(this);
    setContentOffset(_container->getPosition() + offset);
}

float ScrollView::getZoomScale()
{
    return _container->getScale();
}

void ScrollView::setZoomScale(float s, bool animated)
{
    if (animated) setZoomScaleInDuration(s, BOUNCE_DURATION);
    else setZoomScale(s);
}

void ScrollView::setZoomScaleInDuration(float s, float /*dt*/)
{
    // zooming is not animated here: it happens at once
    setZoomScale(s);
}

void ScrollView::setViewSize(Size size)
{
    _viewSize = size;
    Layer::setContentSize(size);
}

void ScrollView::setContainer(Node* pContainer)
{
    if (!pContainer) return;
    removeAllChildrenWithCleanup(true);
    holdContainer(pContainer);
    _container->setIgnoreAnchorPointForPosition(false);
    _container->setAnchorPoint(Vec2(0.0f, 0.0f));
    Layer::addChild(_container, 0, _container->getTag());
    setViewSize(_viewSize);
}

void ScrollView::relocateContainer(bool animated)
{
    Vec2 min = minContainerOffset();
    Vec2 max = maxContainerOffset();
    Vec2 oldPoint = _container->getPosition();
    float newX = oldPoint.x, newY = oldPoint.y;
    if (_direction == Direction::BOTH || _direction == Direction::HORIZONTAL)
        newX = std::min(std::max(newX, min.x), max.x);
    if (_direction == Direction::BOTH || _direction == Direction::VERTICAL)
        newY = std::max(std::min(newY, max.y), min.y);
    if (newY != oldPoint.y || newX != oldPoint.x) setContentOffset(Vec2(newX, newY), animated);
    else if (_delegate) _delegate->scrollViewEndedScroll(this);
}

Vec2 ScrollView::maxContainerOffset()
{
    Vec2 anchor = _container->isIgnoreAnchorPointForPosition() ? Vec2::ZERO : _container->getAnchorPoint();
    float w = _container->getContentSize().width * _container->getScaleX();
    float h = _container->getContentSize().height * _container->getScaleY();
    return Vec2(anchor.x * w, anchor.y * h);
}

Vec2 ScrollView::minContainerOffset()
{
    Vec2 anchor = _container->isIgnoreAnchorPointForPosition() ? Vec2::ZERO : _container->getAnchorPoint();
    float w = _container->getContentSize().width * _container->getScaleX();
    float h = _container->getContentSize().height * _container->getScaleY();
    return Vec2(_viewSize.width - (1 - anchor.x) * w, _viewSize.height - (1 - anchor.y) * h);
}

void ScrollView::deaccelerateScrolling(float /*dt*/)
{
    if (_dragging)
    {
        unschedule(CC_SCHEDULE_SELECTOR(ScrollView::deaccelerateScrolling));
        return;
    }
    _container->setPosition(_container->getPosition() + _scrollDistance);
    Vec2 maxInset = _bounceable ? _maxInset : maxContainerOffset();
    Vec2 minInset = _bounceable ? _minInset : minContainerOffset();
    float newX = _container->getPosition().x, newY = _container->getPosition().y;
    _scrollDistance = _scrollDistance * SCROLL_DEACCEL_RATE;
    setContentOffset(Vec2(newX, newY));

    bool vertical = _direction == Direction::BOTH || _direction == Direction::VERTICAL;
    bool horizontal = _direction == Direction::BOTH || _direction == Direction::HORIZONTAL;
    if ((std::fabs(_scrollDistance.x) <= SCROLL_DEACCEL_DIST && std::fabs(_scrollDistance.y) <= SCROLL_DEACCEL_DIST)
        || (vertical && (newY >= maxInset.y || newY <= minInset.y))
        || (horizontal && (newX >= maxInset.x || newX <= minInset.x)))
    {
        unschedule(CC_SCHEDULE_SELECTOR(ScrollView::deaccelerateScrolling));
        relocateContainer(true);
    }
}

void ScrollView::updateInset()
{
    if (!_container) return;
    _maxInset = maxContainerOffset();
    _maxInset.set(_maxInset.x + _viewSize.width * INSET_RATIO, _maxInset.y + _viewSize.height * INSET_RATIO);
    _minInset = minContainerOffset();
    _minInset.set(_minInset.x - _viewSize.width * INSET_RATIO, _minInset.y - _viewSize.height * INSET_RATIO);
}

void ScrollView::holdContainer(Node* container)
{
    // The view keeps its own reference: the container stays valid (if no
    // longer shown) after removeAllChildren takes it out of the view.
    CC_SAFE_RETAIN(container);
    CC_SAFE_RELEASE(_container);
    _container = container;
}

// Children keep their anchor point and how they use it.
void ScrollView::addChild(Node* child, int zOrder, int tag)
{
    if (!child) return;
    if (_container != child) _container->addChild(child, zOrder, tag);
    else Layer::addChild(child, zOrder, tag);
}

void ScrollView::addChild(Node* child, int zOrder, const std::string& name)
{
    if (!child) return;
    if (_container != child) _container->addChild(child, zOrder, name);
    else Layer::addChild(child, zOrder, name);
}

void ScrollView::removeAllChildren()
{
    removeAllChildrenWithCleanup(true);
}

// Empties the container and takes the container itself out of the view:
// a list is cleared through getContainer()->removeAllChildren().
void ScrollView::removeAllChildrenWithCleanup(bool cleanup)
{
    if (_container) _container->removeAllChildrenWithCleanup(cleanup);
    Layer::removeAllChildrenWithCleanup(cleanup);
}

void ScrollView::removeChild(Node* child, bool cleanup)
{
    if (_container) _container->removeChild(child, cleanup);
}

void ScrollView::setContentSize(const Size& size)
{
    if (!_container) return;
    _container->setContentSize(size);
    updateInset();
}

const Size& ScrollView::getContentSize() const
{
    return _container ? _container->getContentSize() : Layer::getContentSize();
}

Rect ScrollView::getViewRect()
{
    Vec2 screenPos = convertToWorldSpace(Vec2::ZERO);
    float scaleX = getScaleX(), scaleY = getScaleY();
    for (Node* p = _parent; p; p = p->getParent())
    {
        scaleX *= p->getScaleX();
        scaleY *= p->getScaleY();
    }
    if (scaleX < 0)
    {
        screenPos.x += _viewSize.width * scaleX;
        scaleX = -scaleX;
    }
    if (scaleY < 0)
    {
        screenPos.y += _viewSize.height * scaleY;
        scaleY = -scaleY;
    }
    return Rect(screenPos.x, screenPos.y, _viewSize.width * scaleX, _viewSize.height * scaleY);
}

bool ScrollView::hasVisibleParents() const
{
    for (const Node* p = getParent(); p; p = p->getParent())
        if (!p->isVisible()) return false;
    return true;
}

float ScrollView::convertDistanceFromPointToInch(float pointDis)
{
    GLView* glview = Director::getInstance()->getOpenGLView();
    float factor = glview ? (glview->getScaleX() + glview->getScaleY()) / 2 : 1.0f;
    return pointDis * factor / Device::getDPI();
}

bool ScrollView::onTouchBegan(Touch* touch, Event* /*event*/)
{
    if (!isVisible() || !hasVisibleParents()) return false;
    Rect frame = getViewRect();
    // the dispatcher knows nothing of clipping: refuse touches outside the view
    if (_touches.size() > 2 || _touchMoved || !frame.containsPoint(touch->getLocation())) return false;
    if (std::find(_touches.begin(), _touches.end(), touch) == _touches.end()) _touches.push_back(touch);
    if (_touches.size() == 1)
    {
        _touchPoint = convertTouchToNodeSpace(touch);
        _touchMoved = false;
        _dragging = true;
        _scrollDistance.setZero();
        _touchLength = 0.0f;
    }
    else if (_touches.size() == 2)
    {
        _touchPoint = (convertTouchToNodeSpace(_touches[0]).getMidpoint(convertTouchToNodeSpace(_touches[1])));
        _touchLength = _container->convertTouchToNodeSpace(_touches[0]).distance(_container->convertTouchToNodeSpace(_touches[1]));
        _dragging = false;
    }
    return true;
}

void ScrollView::onTouchMoved(Touch* touch, Event* /*event*/)
{
    if (!isVisible()) return;
    if (std::find(_touches.begin(), _touches.end(), touch) == _touches.end()) return;
    if (_touches.size() == 1 && _dragging)
    {
        Vec2 newPoint = convertTouchToNodeSpace(_touches[0]);
        Vec2 moveDistance = newPoint - _touchPoint;
        float dis;
        if (_direction == Direction::VERTICAL) dis = moveDistance.y;
        else if (_direction == Direction::HORIZONTAL) dis = moveDistance.x;
        else dis = std::sqrt(moveDistance.x * moveDistance.x + moveDistance.y * moveDistance.y);

        // a small wobble is not a drag yet
        if (!_touchMoved && std::fabs(convertDistanceFromPointToInch(dis)) < MOVE_INCH) return;
        if (!_touchMoved) moveDistance.setZero();
        _touchPoint = newPoint;
        _touchMoved = true;

        switch (_direction)
        {
        case Direction::VERTICAL: moveDistance.set(0.0f, moveDistance.y); break;
        case Direction::HORIZONTAL: moveDistance.set(moveDistance.x, 0.0f); break;
        default: break;
        }
        // Past its edges the content follows the finger at a fraction of
        // its move.
        const Vec2 position = _container->getPosition();
        const Vec2 minOffset = minContainerOffset();
        const Vec2 maxOffset = maxContainerOffset();
        const float movedX = position.x + moveDistance.x, movedY = position.y + moveDistance.y;
        if (movedX > maxOffset.x || movedX < minOffset.x) moveDistance.x *= BOUNCE_BACK_FACTOR;
        if (movedY > maxOffset.y || movedY < minOffset.y) moveDistance.y *= BOUNCE_BACK_FACTOR;
        float newX = _container->getPosition().x + moveDistance.x;
        float newY = _container->getPosition().y + moveDistance.y;
        _scrollDistance = moveDistance;
        setContentOffset(Vec2(newX, newY));
    }
    else if (_touches.size() == 2 && !_dragging)
    {
        const float len = _container->convertTouchToNodeSpace(_touches[0]).distance(_container->convertTouchToNodeSpace(_touches[1]));
        if (_touchLength > 0) setZoomScale(getZoomScale() * len / _touchLength);
    }
}

void ScrollView::onTouchEnded(Touch* touch, Event* /*event*/)
{
    if (!isVisible()) return;
    auto it = std::find(_touches.begin(), _touches.end(), touch);
    if (it != _touches.end())
    {
        if (_touches.size() == 1 && _touchMoved) schedule(CC_SCHEDULE_SELECTOR(ScrollView::deaccelerateScrolling));
        _touches.erase(it);
    }
    if (_touches.empty())
    {
        _dragging = false;
        _touchMoved = false;
    }
}

void ScrollView::onTouchCancelled(Touch* touch, Event* /*event*/)
{
    if (!isVisible()) return;
    auto it = std::find(_touches.begin(), _touches.end(), touch);
    if (it != _touches.end()) _touches.erase(it);
    if (_touches.empty())
    {
        _dragging = false;
        _touchMoved = false;
    }
}

void ScrollView::handleZoom() {}

NS_CC_EXT_END

NS_CC_EXT_BEGIN

// MARK: drawing

void ScrollView::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags)
{
    if (!isVisible()) return;
    beforeDraw();
    Node::visit(renderer, parentTransform, parentFlags);
    afterDraw();
}

void ScrollView::beforeDraw()
{
    _beforeDrawCommand.init(_globalZOrder);
    _beforeDrawCommand.func = CC_CALLBACK_0(ScrollView::onBeforeDraw, this);
    Director::getInstance()->getRenderer()->addCommand(&_beforeDrawCommand);
}

void ScrollView::onBeforeDraw()
{
    if (!_clippingToBounds) return;
    _scissorRestored = false;
    Rect frame = getViewRect();
    GLView* glview = Director::getInstance()->getOpenGLView();
    if (!glview) return;
    if (glview->isScissorEnabled())
    {
        _scissorRestored = true;
        _parentScissorRect = glview->getScissorRect();
        // inside the scroll view around it: the part of both, or nothing
        if (frame.intersectsRect(_parentScissorRect))
        {
            float x = std::max(frame.getMinX(), _parentScissorRect.getMinX());
            float y = std::max(frame.getMinY(), _parentScissorRect.getMinY());
            float xx = std::min(frame.getMaxX(), _parentScissorRect.getMaxX());
            float yy = std::min(frame.getMaxY(), _parentScissorRect.getMaxY());
            glview->setScissorInPoints(x, y, xx - x, yy - y);
        }
        else
        {
            glview->setScissorInPoints(0, 0, 0, 0);
        }
    }
    else
    {
        glEnable(GL_SCISSOR_TEST);
        glview->setScissorInPoints(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height);
    }
}

void ScrollView::afterDraw()
{
    _afterDrawCommand.init(_globalZOrder);
    _afterDrawCommand.func = CC_CALLBACK_0(ScrollView::onAfterDraw, this);
    Director::getInstance()->getRenderer()->addCommand(&_afterDrawCommand);
}

void ScrollView::onAfterDraw()
{
    if (!_clippingToBounds) return;
    GLView* glview = Director::getInstance()->getOpenGLView();
    if (_scissorRestored && glview)
        glview->setScissorInPoints(_parentScissorRect.origin.x, _parentScissorRect.origin.y,
                                   _parentScissorRect.size.width, _parentScissorRect.size.height);
    else
        glDisable(GL_SCISSOR_TEST);
}

NS_CC_EXT_END
