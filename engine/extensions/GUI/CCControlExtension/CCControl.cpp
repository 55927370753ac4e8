#include "extensions/GUI/CCControlExtension/CCControl.h"

#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerTouch.h"
#include "base/CCTouch.h"
#include "extensions/GUI/CCControlExtension/CCInvocation.h"

NS_CC_EXT_BEGIN

Control::EventType operator|(Control::EventType a, Control::EventType b)
{
    return static_cast<Control::EventType>(static_cast<int>(a) | static_cast<int>(b));
}

Control::Control()
    : _enabled(false),
      _selected(false),
      _highlighted(false),
      _hasVisibleParents(false),
      _isOpacityModifyRGB(false),
      _state(State::NORMAL)
{
}

Control* Control::create()
{
    Control* ret = new (std::nothrow) Control();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool Control::init()
{
    if (!Layer::init()) return false;
    _state = State::NORMAL;
    setEnabled(true);
    setSelected(false);
    setHighlighted(false);

    EventListenerTouchOneByOne* listener = EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(true);
    listener->onTouchBegan = CC_CALLBACK_2(Control::onTouchBegan, this);
    listener->onTouchMoved = CC_CALLBACK_2(Control::onTouchMoved, this);
    listener->onTouchEnded = CC_CALLBACK_2(Control::onTouchEnded, this);
    listener->onTouchCancelled = CC_CALLBACK_2(Control::onTouchCancelled, this);
    _eventDispatcher->addEventListenerWithSceneGraphPriority(listener, this);
    return true;
}

Control::~Control()
{
    for (auto& kv : _dispatchTable) delete kv.second;
}

void Control::sendActionsForControlEvents(EventType controlEvents)
{
    retain(); // an action may drop the last other reference
    for (int i = 0; i < kControlEventTotalNumber; ++i)
    {
        if ((static_cast<int>(controlEvents) & (1 << i)) == 0) continue;
        // a copy: an action may add or remove actions
        Vector<Invocation*> invocations = dispatchListforControlEvent(static_cast<EventType>(1 << i));
        for (Invocation* invocation : invocations) invocation->invoke(this);
    }
    release();
}

void Control::addTargetWithActionForControlEvents(Ref* target, Handler action, EventType controlEvents)
{
    for (int i = 0; i < kControlEventTotalNumber; ++i)
        if (static_cast<int>(controlEvents) & (1 << i))
            addTargetWithActionForControlEvent(target, action, static_cast<EventType>(1 << i));
}

void Control::addTargetWithActionForControlEvent(Ref* target, Handler action, EventType controlEvent)
{
    Invocation* invocation = Invocation::create(target, action, controlEvent);
    if (invocation) dispatchListforControlEvent(controlEvent).pushBack(invocation);
}

void Control::removeTargetWithActionForControlEvent(Ref* target, Handler action, EventType controlEvents)
{
    for (int i = 0; i < kControlEventTotalNumber; ++i)
    {
        if ((static_cast<int>(controlEvents) & (1 << i)) == 0) continue;
        Vector<Invocation*>& list = dispatchListforControlEvent(static_cast<EventType>(1 << i));
        // no target: every action of the event goes; else those matching
        std::vector<Invocation*> gone;
        for (Invocation* invocation : list)
            if (!target || (invocation->getTarget() == target && (!action || invocation->getAction() == action)))
                gone.push_back(invocation);
        for (Invocation* invocation : gone) list.eraseObject(invocation);
    }
}

void Control::setOpacityModifyRGB(bool bOpacityModifyRGB)
{
    _isOpacityModifyRGB = bOpacityModifyRGB;
    for (Node* child : _children) child->setOpacityModifyRGB(bOpacityModifyRGB);
}

Vec2 Control::getTouchLocation(Touch* touch)
{
    return convertToNodeSpace(touch->getLocation());
}

bool Control::isTouchInside(Touch* touch)
{
    if (!_parent) return false;
    Vec2 touchLocation = _parent->convertToNodeSpace(touch->getLocation());
    return getBoundingBox().containsPoint(touchLocation);
}

Vector<Invocation*>& Control::dispatchListforControlEvent(EventType controlEvent)
{
    auto it = _dispatchTable.find(static_cast<int>(controlEvent));
    if (it != _dispatchTable.end()) return *it->second;
    Vector<Invocation*>* list = new Vector<Invocation*>();
    _dispatchTable[static_cast<int>(controlEvent)] = list;
    return *list;
}

void Control::setEnabled(bool bEnabled)
{
    _enabled = bEnabled;
    _state = _enabled ? State::NORMAL : State::DISABLED;
    needsLayout();
}

void Control::setSelected(bool bSelected)
{
    _selected = bSelected;
    needsLayout();
}

void Control::setHighlighted(bool bHighlighted)
{
    _highlighted = bHighlighted;
    needsLayout();
}

bool Control::hasVisibleParents() const
{
    for (const Node* p = getParent(); p; p = p->getParent())
        if (!p->isVisible()) return false;
    return true;
}

NS_CC_EXT_END
