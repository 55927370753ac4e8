#include "2d/CCActionEase.h"

#include <cmath>

NS_CC_BEGIN

// new + initWithAction(args) + autorelease, null when init fails.
template<class T, class... Args>
static T* makeEase(ActionInterval* action, Args... args)
{
    T* ease = new (std::nothrow) T();
    if (ease && ease->initWithAction(action, args...))
    {
        ease->autorelease();
        return ease;
    }
    delete ease;
    return nullptr;
}

// MARK: ActionEase

bool ActionEase::initWithAction(ActionInterval* action)
{
    if (action == nullptr)
        return false;
    if (ActionInterval::initWithDuration(action->getDuration()))
    {
        _inner = action;
        action->retain();
        return true;
    }
    return false;
}

ActionEase::~ActionEase()
{
    CC_SAFE_RELEASE(_inner);
}

void ActionEase::startWithTarget(Node* target)
{
    if (target && _inner)
    {
        ActionInterval::startWithTarget(target);
        _inner->startWithTarget(_target);
    }
}

void ActionEase::stop()
{
    if (_inner)
        _inner->stop();
    ActionInterval::stop();
}

void ActionEase::update(float time)
{
    _inner->update(time);
}

ActionInterval* ActionEase::getInnerAction()
{
    return _inner;
}

// MARK: EaseRateAction

EaseRateAction* EaseRateAction::create(ActionInterval* action, float rate)
{
    return makeEase<EaseRateAction>(action, rate);
}

bool EaseRateAction::initWithAction(ActionInterval* action, float rate)
{
    if (ActionEase::initWithAction(action))
    {
        _rate = rate;
        return true;
    }
    return false;
}

// MARK: EaseIn / EaseOut / EaseInOut

EaseIn* EaseIn::create(ActionInterval* action, float rate)
{
    return makeEase<EaseIn>(action, rate);
}

void EaseIn::update(float time)
{
    _inner->update(powf(time, _rate));
}

EaseIn* EaseIn::clone() const
{
    return _inner ? EaseIn::create(_inner->clone(), _rate) : nullptr;
}

EaseIn* EaseIn::reverse() const
{
    ActionInterval* r = _inner ? _inner->reverse() : nullptr;
    return r ? EaseIn::create(r, 1 / _rate) : nullptr;
}

EaseOut* EaseOut::create(ActionInterval* action, float rate)
{
    return makeEase<EaseOut>(action, rate);
}

void EaseOut::update(float time)
{
    _inner->update(powf(time, 1 / _rate));
}

EaseOut* EaseOut::clone() const
{
    return _inner ? EaseOut::create(_inner->clone(), _rate) : nullptr;
}

EaseOut* EaseOut::reverse() const
{
    ActionInterval* r = _inner ? _inner->reverse() : nullptr;
    return r ? EaseOut::create(r, 1 / _rate) : nullptr;
}

EaseInOut* EaseInOut::create(ActionInterval* action, float rate)
{
    return makeEase<EaseInOut>(action, rate);
}

void EaseInOut::update(float time)
{
    time *= 2;
    if (time < 1)
        _inner->update(0.5f * powf(time, _rate));
    else
        _inner->update(1.0f - 0.5f * powf(2 - time, _rate));
}

EaseInOut* EaseInOut::clone() const
{
    return _inner ? EaseInOut::create(_inner->clone(), _rate) : nullptr;
}

EaseInOut* EaseInOut::reverse() const
{
    ActionInterval* r = _inner ? _inner->reverse() : nullptr;
    return r ? EaseInOut::create(r, _rate) : nullptr;
}

// MARK: EaseBackOut / EaseSineIn / EaseSineOut

EaseBackOut* EaseBackOut::create(ActionInterval* action)
{
    return makeEase<EaseBackOut>(action);
}

void EaseBackOut::update(float time)
{
    const float overshoot = 1.70158f;
    time = time - 1;
    _inner->update(time * time * ((overshoot + 1) * time + overshoot) + 1);
}

EaseBackOut* EaseBackOut::clone() const
{
    return _inner ? EaseBackOut::create(_inner->clone()) : nullptr;
}

ActionEase* EaseBackOut::reverse() const
{
    return nullptr;
}

EaseSineIn* EaseSineIn::create(ActionInterval* action)
{
    return makeEase<EaseSineIn>(action);
}

void EaseSineIn::update(float time)
{
    _inner->update(-1 * cosf(time * MATH_PIOVER2) + 1);
}

EaseSineIn* EaseSineIn::clone() const
{
    return _inner ? EaseSineIn::create(_inner->clone()) : nullptr;
}

ActionEase* EaseSineIn::reverse() const
{
    ActionInterval* r = _inner ? _inner->reverse() : nullptr;
    return r ? static_cast<ActionEase*>(EaseSineOut::create(r)) : nullptr;
}

EaseSineOut* EaseSineOut::create(ActionInterval* action)
{
    return makeEase<EaseSineOut>(action);
}

void EaseSineOut::update(float time)
{
    _inner->update(sinf(time * MATH_PIOVER2));
}

EaseSineOut* EaseSineOut::clone() const
{
    return _inner ? EaseSineOut::create(_inner->clone()) : nullptr;
}

ActionEase* EaseSineOut::reverse() const
{
    ActionInterval* r = _inner ? _inner->reverse() : nullptr;
    return r ? static_cast<ActionEase*>(EaseSineIn::create(r)) : nullptr;
}

NS_CC_END
