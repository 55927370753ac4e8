#include "2d/CCAction.h"

#include "2d/CCActionInterval.h"
#include "2d/CCNode.h"

NS_CC_BEGIN

const int Action::INVALID_TAG;

Action::Action()
: _originalTarget(nullptr)
, _target(nullptr)
, _tag(Action::INVALID_TAG)
, _flags(0)
{
}

Action::~Action()
{
}

std::string Action::description() const
{
    char buf[64];
    snprintf(buf, sizeof(buf), "<Action | Tag = %d", _tag);
    return std::string(buf);
}

Action* Action::clone() const
{
    return nullptr;
}

Action* Action::reverse() const
{
    return nullptr;
}

void Action::startWithTarget(Node* aTarget)
{
    _originalTarget = _target = aTarget;
}

void Action::stop()
{
    _target = nullptr;
}

bool Action::isDone() const
{
    return true;
}

void Action::step(float dt)
{
    CC_UNUSED_PARAM(dt);
}

void Action::update(float time)
{
    CC_UNUSED_PARAM(time);
}

// MARK: Speed

Speed::Speed()
: _speed(0.0)
, _innerAction(nullptr)
{
}

Speed::~Speed()
{
    CC_SAFE_RELEASE(_innerAction);
}

Speed* Speed::create(ActionInterval* action, float speed)
{
    Speed* ret = new (std::nothrow) Speed();
    if (ret && ret->initWithAction(action, speed))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool Speed::initWithAction(ActionInterval* action, float speed)
{
    if (action == nullptr)
        return false;
    action->retain();
    _innerAction = action;
    _speed = speed;
    return true;
}

Speed* Speed::clone() const
{
    if (_innerAction)
        return Speed::create(_innerAction->clone(), _speed);
    return nullptr;
}

void Speed::startWithTarget(Node* target)
{
    if (target && _innerAction)
    {
        Action::startWithTarget(target);
        _innerAction->startWithTarget(target);
    }
}

void Speed::stop()
{
    if (_innerAction)
        _innerAction->stop();
    Action::stop();
}

void Speed::step(float dt)
{
    _innerAction->step(dt * _speed);
}

bool Speed::isDone() const
{
    return _innerAction->isDone();
}

Speed* Speed::reverse() const
{
    if (_innerAction)
        return Speed::create(_innerAction->reverse(), _speed);
    return nullptr;
}

void Speed::setInnerAction(ActionInterval* action)
{
    if (_innerAction != action)
    {
        CC_SAFE_RETAIN(action);
        CC_SAFE_RELEASE(_innerAction);
        _innerAction = action;
    }
}

NS_CC_END
