#include "2d/CCActionInstant.h"

#include "2d/CCNode.h"

NS_CC_BEGIN

// Allocate, run an init returning bool, autorelease.
template<class T, class Init>
static T* makeInstant(Init init)
{
    T* ret = new (std::nothrow) T();
    if (ret && init(ret))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

// MARK: ActionInstant

void ActionInstant::startWithTarget(Node* target)
{
    FiniteTimeAction::startWithTarget(target);
    _done = false;
}

bool ActionInstant::isDone() const
{
    return _done;
}

void ActionInstant::step(float dt)
{
    CC_UNUSED_PARAM(dt);
    update(1);
}

void ActionInstant::update(float time)
{
    CC_UNUSED_PARAM(time);
    _done = true;
}

// MARK: Show / Hide / ToggleVisibility

Show* Show::create()
{
    return makeInstant<Show>([](Show*) { return true; });
}

void Show::update(float time)
{
    ActionInstant::update(time);
    if (_target)
        _target->setVisible(true);
}

ActionInstant* Show::reverse() const
{
    return Hide::create();
}

Show* Show::clone() const
{
    return Show::create();
}

Hide* Hide::create()
{
    return makeInstant<Hide>([](Hide*) { return true; });
}

void Hide::update(float time)
{
    ActionInstant::update(time);
    if (_target)
        _target->setVisible(false);
}

ActionInstant* Hide::reverse() const
{
    return Show::create();
}

Hide* Hide::clone() const
{
    return Hide::create();
}

ToggleVisibility* ToggleVisibility::create()
{
    return makeInstant<ToggleVisibility>([](ToggleVisibility*) { return true; });
}

void ToggleVisibility::update(float time)
{
    ActionInstant::update(time);
    if (_target)
        _target->setVisible(!_target->isVisible());
}

ToggleVisibility* ToggleVisibility::reverse() const
{
    return ToggleVisibility::create();
}

ToggleVisibility* ToggleVisibility::clone() const
{
    return ToggleVisibility::create();
}

// MARK: RemoveSelf

RemoveSelf* RemoveSelf::create(bool isNeedCleanUp)
{
    return makeInstant<RemoveSelf>([isNeedCleanUp](RemoveSelf* r) { return r->init(isNeedCleanUp); });
}

bool RemoveSelf::init(bool isNeedCleanUp)
{
    _isNeedCleanUp = isNeedCleanUp;
    return true;
}

void RemoveSelf::update(float time)
{
    ActionInstant::update(time);
    if (_target)
        _target->removeFromParentAndCleanup(_isNeedCleanUp);
}

RemoveSelf* RemoveSelf::reverse() const
{
    return RemoveSelf::create(_isNeedCleanUp);
}

RemoveSelf* RemoveSelf::clone() const
{
    return RemoveSelf::create(_isNeedCleanUp);
}

// MARK: Place

Place* Place::create(const Vec2& pos)
{
    return makeInstant<Place>([&pos](Place* p) { return p->initWithPosition(pos); });
}

bool Place::initWithPosition(const Vec2& pos)
{
    _position = pos;
    return true;
}

Place* Place::clone() const
{
    return Place::create(_position);
}

Place* Place::reverse() const
{
    return clone();
}

void Place::update(float time)
{
    ActionInstant::update(time);
    if (_target)
        _target->setPosition(_position);
}

// MARK: CallFunc

CallFunc* CallFunc::create(const std::function<void()>& func)
{
    return makeInstant<CallFunc>([&func](CallFunc* c) { return c->initWithFunction(func); });
}

CallFunc* CallFunc::create(Ref* selectorTarget, SEL_CallFunc selector)
{
    return makeInstant<CallFunc>([selectorTarget, selector](CallFunc* c) {
        if (!c->initWithTarget(selectorTarget))
            return false;
        c->_callFunc = selector;
        return true;
    });
}

bool CallFunc::initWithFunction(const std::function<void()>& func)
{
    _function = func;
    return true;
}

bool CallFunc::initWithTarget(Ref* target)
{
    // The target stays alive as long as the action may call it.
    if (target)
        target->retain();
    if (_selectorTarget)
        _selectorTarget->release();
    _selectorTarget = target;
    return true;
}

CallFunc::~CallFunc()
{
    CC_SAFE_RELEASE(_selectorTarget);
}

CallFunc* CallFunc::clone() const
{
    auto a = new (std::nothrow) CallFunc();
    if (_selectorTarget)
    {
        a->initWithTarget(_selectorTarget);
        a->_callFunc = _callFunc;
    }
    else if (_function)
    {
        a->initWithFunction(_function);
    }
    a->autorelease();
    return a;
}

CallFunc* CallFunc::reverse() const
{
    return this->clone();
}

void CallFunc::update(float time)
{
    ActionInstant::update(time);
    this->execute();
}

void CallFunc::execute()
{
    if (_callFunc && _selectorTarget)
        (_selectorTarget->*_callFunc)();
    else if (_function)
        _function();
}

void CallFunc::setTargetCallback(Ref* sel)
{
    if (sel != _selectorTarget)
    {
        CC_SAFE_RETAIN(sel);
        CC_SAFE_RELEASE(_selectorTarget);
        _selectorTarget = sel;
    }
}

// MARK: CallFuncN

CallFuncN* CallFuncN::create(const std::function<void(Node*)>& func)
{
    return makeInstant<CallFuncN>([&func](CallFuncN* c) { return c->initWithFunction(func); });
}

CallFuncN* CallFuncN::create(Ref* selectorTarget, SEL_CallFuncN selector)
{
    return makeInstant<CallFuncN>([selectorTarget, selector](CallFuncN* c) {
        return c->initWithTarget(selectorTarget, selector);
    });
}

void CallFuncN::execute()
{
    if (_callFuncN && _selectorTarget)
        (_selectorTarget->*_callFuncN)(_target);
    else if (_functionN)
        _functionN(_target);
}

bool CallFuncN::initWithFunction(const std::function<void(Node*)>& func)
{
    _functionN = func;
    return true;
}

bool CallFuncN::initWithTarget(Ref* selectorTarget, SEL_CallFuncN selector)
{
    if (CallFunc::initWithTarget(selectorTarget))
    {
        _callFuncN = selector;
        return true;
    }
    return false;
}

CallFuncN* CallFuncN::clone() const
{
    auto a = new (std::nothrow) CallFuncN();
    if (_selectorTarget)
        a->initWithTarget(_selectorTarget, _callFuncN);
    else if (_functionN)
        a->initWithFunction(_functionN);
    a->autorelease();
    return a;
}

NS_CC_END
