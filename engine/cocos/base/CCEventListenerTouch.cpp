#include "base/CCEventListenerTouch.h"

NS_CC_BEGIN

const std::string EventListenerTouchOneByOne::LISTENER_ID = "__cc_touch_one_by_one";
const std::string EventListenerTouchAllAtOnce::LISTENER_ID = "__cc_touch_all_at_once";

EventListenerTouchOneByOne::EventListenerTouchOneByOne()
: _needSwallow(false)
{
}

EventListenerTouchOneByOne::~EventListenerTouchOneByOne()
{
}

bool EventListenerTouchOneByOne::init()
{
    // The dispatcher calls the touch callbacks itself.
    return EventListener::init(Type::TOUCH_ONE_BY_ONE, LISTENER_ID, nullptr);
}

EventListenerTouchOneByOne* EventListenerTouchOneByOne::create()
{
    auto ret = new (std::nothrow) EventListenerTouchOneByOne();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool EventListenerTouchOneByOne::checkAvailable()
{
    // A listener that cannot claim would never hear of its touches.
    return onTouchBegan != nullptr;
}

EventListenerTouchOneByOne* EventListenerTouchOneByOne::clone()
{
    auto ret = new (std::nothrow) EventListenerTouchOneByOne();
    if (ret && ret->init())
    {
        ret->autorelease();
        ret->onTouchBegan = onTouchBegan;
        ret->onTouchMoved = onTouchMoved;
        ret->onTouchEnded = onTouchEnded;
        ret->onTouchCancelled = onTouchCancelled;
        ret->_claimedTouches = _claimedTouches;
        ret->_needSwallow = _needSwallow;
        return ret;
    }
    delete ret;
    return nullptr;
}

EventListenerTouchAllAtOnce::EventListenerTouchAllAtOnce()
{
}

EventListenerTouchAllAtOnce::~EventListenerTouchAllAtOnce()
{
}

bool EventListenerTouchAllAtOnce::init()
{
    return EventListener::init(Type::TOUCH_ALL_AT_ONCE, LISTENER_ID, nullptr);
}

EventListenerTouchAllAtOnce* EventListenerTouchAllAtOnce::create()
{
    auto ret = new (std::nothrow) EventListenerTouchAllAtOnce();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool EventListenerTouchAllAtOnce::checkAvailable()
{
    return onTouchesBegan != nullptr || onTouchesMoved != nullptr || onTouchesEnded != nullptr ||
           onTouchesCancelled != nullptr;
}

EventListenerTouchAllAtOnce* EventListenerTouchAllAtOnce::clone()
{
    auto ret = new (std::nothrow) EventListenerTouchAllAtOnce();
    if (ret && ret->init())
    {
        ret->autorelease();
        ret->onTouchesBegan = onTouchesBegan;
        ret->onTouchesMoved = onTouchesMoved;
        ret->onTouchesEnded = onTouchesEnded;
        ret->onTouchesCancelled = onTouchesCancelled;
        return ret;
    }
    delete ret;
    return nullptr;
}

NS_CC_END
