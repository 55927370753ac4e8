#include "2d/CCActionInterval.h"

#include <stdarg.h>
#include <utility>
#include "2d/CCActionInstant.h"
#include "2d/CCNode.h"
#include "2d/CCActionIntervalHelpers.h"


NS_CC_BEGIN

// A zero-length action that pads a one-action Sequence.
class ExtraAction : public FiniteTimeAction
{
public:
    static ExtraAction* create()
    {
        ExtraAction* ret = new (std::nothrow) ExtraAction();
        if (ret)
            ret->autorelease();
        return ret;
    }
    ExtraAction* clone() const override { return ExtraAction::create(); }
    ExtraAction* reverse() const override { return ExtraAction::create(); }
    void update(float time) override { CC_UNUSED_PARAM(time); }
    void step(float dt) override { CC_UNUSED_PARAM(dt); }
};

namespace {

// Sequence and Spawn hold two actions each; longer lists nest pairs, and a
// lone action is paired with a no-op.

// Builds the nested pairs of T from a null-terminated argument list.
template <class T>
T* chainVariableList(FiniteTimeAction* action1, va_list args)
{
    FiniteTimeAction* now;
    FiniteTimeAction* prev = action1;
    bool oneAction = true;
    while (action1)
    {
        now = va_arg(args, FiniteTimeAction*);
        if (now)
        {
            prev = T::createWithTwoActions(prev, now);
            oneAction = false;
        }
        else
        {
            if (oneAction)
                prev = T::createWithTwoActions(prev, ExtraAction::create());
            break;
        }
    }
    return static_cast<T*>(prev);
}

// The two actions the outermost T of the list holds: the last one, and the
// nested pairs of all before it. False for an empty list.
template <class T>
bool splitIntoPair(const Vector<FiniteTimeAction*>& actions, FiniteTimeAction*& one, FiniteTimeAction*& two)
{
    auto count = actions.size();
    if (count == 0)
        return false;
    if (count == 1)
    {
        one = actions.at(0);
        two = ExtraAction::create();
        return true;
    }
    one = actions.at(0);
    for (ssize_t i = 1; i < count - 1; ++i)
        one = T::createWithTwoActions(one, actions.at(i));
    two = actions.at(count - 1);
    return true;
}

} // namespace

// MARK: ActionInterval

bool ActionInterval::initWithDuration(float d)
{
    _duration = std::abs(d) <= MATH_EPSILON ? MATH_EPSILON : d;
    _elapsed = 0;
    _firstTick = true;
    _done = false;
    return true;
}

bool ActionInterval::isDone() const
{
    return _done;
}

void ActionInterval::step(float dt)
{
    if (_firstTick)
    {
        _firstTick = false;
        _elapsed = MATH_EPSILON;
    }
    else
    {
        _elapsed += dt;
    }
    float updateDt = std::max(0.0f, std::min(1.0f, _elapsed / _duration));
    this->update(updateDt);
    _done = _elapsed >= _duration;
}

void ActionInterval::setAmplitudeRate(float amp)
{
    CC_UNUSED_PARAM(amp);
}

float ActionInterval::getAmplitudeRate()
{
    return 0;
}

void ActionInterval::startWithTarget(Node* target)
{
    FiniteTimeAction::startWithTarget(target);
    _elapsed = 0.0f;
    _firstTick = true;
    _done = false;
}

// MARK: Sequence

Sequence::Sequence()
: _split(0)
, _last(-1)
{
    _actions[0] = nullptr;
    _actions[1] = nullptr;
}

Sequence::~Sequence()
{
    CC_SAFE_RELEASE(_actions[0]);
    CC_SAFE_RELEASE(_actions[1]);
}

Sequence* Sequence::createWithTwoActions(FiniteTimeAction* actionOne, FiniteTimeAction* actionTwo)
{
    Sequence* sequence = new (std::nothrow) Sequence();
    if (sequence && sequence->initWithTwoActions(actionOne, actionTwo))
    {
        sequence->autorelease();
        return sequence;
    }
    delete sequence;
    return nullptr;
}

Sequence* Sequence::create(FiniteTimeAction* action1, ...)
{
    va_list params;
    va_start(params, action1);
    Sequence* ret = Sequence::createWithVariableList(action1, params);
    va_end(params);
    return ret;
}

Sequence* Sequence::createWithVariableList(FiniteTimeAction* action1, va_list args)
{
    return chainVariableList<Sequence>(action1, args);
}

Sequence* Sequence::create(const Vector<FiniteTimeAction*>& arrayOfActions)
{
    Sequence* seq = new (std::nothrow) Sequence();
    if (seq && seq->init(arrayOfActions))
    {
        seq->autorelease();
        return seq;
    }
    delete seq;
    return nullptr;
}

bool Sequence::init(const Vector<FiniteTimeAction*>& arrayOfActions)
{
    FiniteTimeAction* one;
    FiniteTimeAction* two;
    return splitIntoPair<Sequence>(arrayOfActions, one, two) && initWithTwoActions(one, two);
}

bool Sequence::initWithTwoActions(FiniteTimeAction* actionOne, FiniteTimeAction* actionTwo)
{
    if (actionOne == nullptr || actionTwo == nullptr)
        return false;
    float d = actionOne->getDuration() + actionTwo->getDuration();
    ActionInterval::initWithDuration(d);
    _actions[0] = actionOne;
    actionOne->retain();
    _actions[1] = actionTwo;
    actionTwo->retain();
    return true;
}

bool Sequence::isDone() const
{
    // A sequence ending in an instant action is done once that has run.
    if (_actions[1] && dynamic_cast<ActionInstant*>(_actions[1]) != nullptr)
        return (_done && _actions[1]->isDone());
    return _done;
}

Sequence* Sequence::clone() const
{
    if (_actions[0] && _actions[1])
        return Sequence::createWithTwoActions(_actions[0]->clone(), _actions[1]->clone());
    return nullptr;
}

void Sequence::startWithTarget(Node* target)
{
    if (target == nullptr || _actions[0] == nullptr || _actions[1] == nullptr)
        return;
    if (_duration > FLT_EPSILON)
        _split = _actions[0]->getDuration() > FLT_EPSILON ? _actions[0]->getDuration() / _duration : 0;
    ActionInterval::startWithTarget(target);
    _last = -1;
}

void Sequence::stop()
{
    if (_last != -1 && _actions[_last])
        _actions[_last]->stop();
    ActionInterval::stop();
}

void Sequence::update(float t)
{
    int found = 0;
    float new_t = 0.0f;

    if (t < _split)
    {
        found = 0;
        if (_split != 0)
            new_t = t / _split;
        else
            new_t = 1;
    }
    else
    {
        found = 1;
        if (_split == 1)
            new_t = 1;
        else
            new_t = (t - _split) / (1 - _split);
    }

    if (found == 1)
    {
        if (_last == -1)
        {
            // The first action was skipped over: run it completely.
            _actions[0]->startWithTarget(_target);
            _actions[0]->update(1.0f);
            _actions[0]->stop();
        }
        else if (_last == 0)
        {
            // Switching to the second action: finish the first.
            _actions[0]->update(1.0f);
            _actions[0]->stop();
        }
    }
    else if (found == 0 && _last == 1)
    {
        // Running backwards.
        _actions[1]->update(0);
        _actions[1]->stop();
    }

    if (found == _last && _actions[found]->isDone())
        return;
    if (found != _last)
        _actions[found]->startWithTarget(_target);
    _actions[found]->update(new_t);
    _last = found;
}

Sequence* Sequence::reverse() const
{
    if (_actions[0] && _actions[1])
    {
        FiniteTimeAction* r1 = _actions[1]->reverse();
        FiniteTimeAction* r0 = _actions[0]->reverse();
        if (r0 && r1)
            return Sequence::createWithTwoActions(r1, r0);
    }
    return nullptr;
}

// MARK: Repeat

Repeat::Repeat()
: _times(0)
, _total(0)
, _nextDt(0)
, _actionInstant(false)
, _innerAction(nullptr)
{
}

Repeat* Repeat::create(FiniteTimeAction* action, unsigned int times)
{
    Repeat* repeat = new (std::nothrow) Repeat();
    if (repeat && repeat->initWithAction(action, times))
    {
        repeat->autorelease();
        return repeat;
    }
    delete repeat;
    return nullptr;
}

bool Repeat::initWithAction(FiniteTimeAction* action, unsigned int times)
{
    if (action == nullptr)
        return false;
    float d = action->getDuration() * times;
    if (ActionInterval::initWithDuration(d))
    {
        _times = times;
        _innerAction = action;
        action->retain();
        _actionInstant = dynamic_cast<ActionInstant*>(action) ? true : false;
        // An instant action runs once in startWithTarget already.
        if (_actionInstant && _times > 0)
            _times -= 1;
        _total = 0;
        return true;
    }
    return false;
}

Repeat* Repeat::clone() const
{
    return Repeat::create(_innerAction->clone(), _times);
}

Repeat::~Repeat()
{
    CC_SAFE_RELEASE(_innerAction);
}

void Repeat::setInnerAction(FiniteTimeAction* action)
{
    if (_innerAction != action)
    {
        CC_SAFE_RETAIN(action);
        CC_SAFE_RELEASE(_innerAction);
        _innerAction = action;
    }
}

void Repeat::startWithTarget(Node* target)
{
    _total = 0;
    _nextDt = _innerAction->getDuration() / _duration;
    ActionInterval::startWithTarget(target);
    _innerAction->startWithTarget(target);
}

void Repeat::stop()
{
    _innerAction->stop();
    ActionInterval::stop();
}

void Repeat::update(float dt)
{
    if (dt >= _nextDt)
    {
        while (dt >= _nextDt && _total < _times)
        {
            _innerAction->update(1.0f);
            _total++;
            _innerAction->stop();
            _innerAction->startWithTarget(_target);
            _nextDt = _innerAction->getDuration() / _duration * (_total + 1);
        }

        // The last repetition must end exactly at 1.
        if (std::abs(dt - 1.0f) < FLT_EPSILON && _total < _times)
        {
            _innerAction->update(1.0f);
            _total++;
        }

        if (!_actionInstant)
        {
            if (_total == _times)
                _innerAction->stop();
            else
                _innerAction->update(dt - (_nextDt - _innerAction->getDuration() / _duration));
        }
    }
    else
    {
        _innerAction->update(fmodf(dt * _times, 1.0f));
    }
}

bool Repeat::isDone() const
{
    return _total == _times;
}

Repeat* Repeat::reverse() const
{
    FiniteTimeAction* r = _innerAction->reverse();
    return r ? Repeat::create(r, _times) : nullptr;
}

// MARK: RepeatForever

RepeatForever::RepeatForever()
: _innerAction(nullptr)
{
}

RepeatForever::~RepeatForever()
{
    CC_SAFE_RELEASE(_innerAction);
}

RepeatForever* RepeatForever::create(ActionInterval* action)
{
    RepeatForever* ret = new (std::nothrow) RepeatForever();
    if (ret && ret->initWithAction(action))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool RepeatForever::initWithAction(ActionInterval* action)
{
    if (action == nullptr)
        return false;
    action->retain();
    _innerAction = action;
    return true;
}

void RepeatForever::setInnerAction(ActionInterval* action)
{
    if (_innerAction != action)
    {
        CC_SAFE_RELEASE(_innerAction);
        _innerAction = action;
        CC_SAFE_RETAIN(_innerAction);
    }
}

RepeatForever* RepeatForever::clone() const
{
    return RepeatForever::create(_innerAction->clone());
}

void RepeatForever::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _innerAction->startWithTarget(target);
}

void RepeatForever::step(float dt)
{
    _innerAction->step(dt);
    if (_innerAction->isDone() && _innerAction->getDuration() > 0)
    {
        // Carry the time past the end into the next round.
        float diff = _innerAction->getElapsed() - _innerAction->getDuration();
        if (diff > _innerAction->getDuration())
            diff = fmodf(diff, _innerAction->getDuration());
        _innerAction->startWithTarget(_target);
        _innerAction->step(0.0f);
        _innerAction->step(diff);
    }
}

bool RepeatForever::isDone() const
{
    return false;
}

RepeatForever* RepeatForever::reverse() const
{
    ActionInterval* r = _innerAction->reverse();
    return r ? RepeatForever::create(r) : nullptr;
}

// MARK: Spawn

Spawn::Spawn()
: _one(nullptr)
, _two(nullptr)
{
}

Spawn::~Spawn()
{
    CC_SAFE_RELEASE(_one);
    CC_SAFE_RELEASE(_two);
}

Spawn* Spawn::create(FiniteTimeAction* action1, ...)
{
    va_list params;
    va_start(params, action1);
    Spawn* ret = Spawn::createWithVariableList(action1, params);
    va_end(params);
    return ret;
}

Spawn* Spawn::createWithVariableList(FiniteTimeAction* action1, va_list args)
{
    return chainVariableList<Spawn>(action1, args);
}

Spawn* Spawn::create(const Vector<FiniteTimeAction*>& arrayOfActions)
{
    Spawn* ret = new (std::nothrow) Spawn();
    if (ret && ret->init(arrayOfActions))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool Spawn::init(const Vector<FiniteTimeAction*>& arrayOfActions)
{
    FiniteTimeAction* one;
    FiniteTimeAction* two;
    return splitIntoPair<Spawn>(arrayOfActions, one, two) && initWithTwoActions(one, two);
}

Spawn* Spawn::createWithTwoActions(FiniteTimeAction* action1, FiniteTimeAction* action2)
{
    Spawn* spawn = new (std::nothrow) Spawn();
    if (spawn && spawn->initWithTwoActions(action1, action2))
    {
        spawn->autorelease();
        return spawn;
    }
    delete spawn;
    return nullptr;
}

bool Spawn::initWithTwoActions(FiniteTimeAction* action1, FiniteTimeAction* action2)
{
    if (action1 == nullptr || action2 == nullptr)
        return false;
    float d1 = action1->getDuration();
    float d2 = action2->getDuration();
    if (!ActionInterval::initWithDuration(std::max(d1, d2)))
        return false;
    _one = action1;
    _two = action2;
    if (d1 > d2)
        _two = Sequence::createWithTwoActions(action2, DelayTime::create(d1 - d2));
    else if (d1 < d2)
        _one = Sequence::createWithTwoActions(action1, DelayTime::create(d2 - d1));
    _one->retain();
    _two->retain();
    return true;
}

Spawn* Spawn::clone() const
{
    if (_one && _two)
        return Spawn::createWithTwoActions(_one->clone(), _two->clone());
    return nullptr;
}

void Spawn::startWithTarget(Node* target)
{
    if (target == nullptr || _one == nullptr || _two == nullptr)
        return;
    ActionInterval::startWithTarget(target);
    _one->startWithTarget(target);
    _two->startWithTarget(target);
}

void Spawn::stop()
{
    if (_one)
        _one->stop();
    if (_two)
        _two->stop();
    ActionInterval::stop();
}

void Spawn::update(float time)
{
    if (_one)
        _one->update(time);
    if (_two)
        _two->update(time);
}

Spawn* Spawn::reverse() const
{
    if (_one && _two)
    {
        FiniteTimeAction* r1 = _one->reverse();
        FiniteTimeAction* r2 = _two->reverse();
        if (r1 && r2)
            return Spawn::createWithTwoActions(r1, r2);
    }
    return nullptr;
}

// MARK: DelayTime

DelayTime* DelayTime::create(float d)
{
    return makeInterval<DelayTime>(d);
}

DelayTime* DelayTime::clone() const
{
    return DelayTime::create(_duration);
}

void DelayTime::update(float time)
{
    CC_UNUSED_PARAM(time);
}

DelayTime* DelayTime::reverse() const
{
    return DelayTime::create(_duration);
}

// MARK: TargetedAction

TargetedAction::TargetedAction()
: _action(nullptr)
, _forcedTarget(nullptr)
{
}

TargetedAction::~TargetedAction()
{
    CC_SAFE_RELEASE(_forcedTarget);
    CC_SAFE_RELEASE(_action);
}

TargetedAction* TargetedAction::create(Node* target, FiniteTimeAction* action)
{
    TargetedAction* p = new (std::nothrow) TargetedAction();
    if (p && p->initWithTarget(target, action))
    {
        p->autorelease();
        return p;
    }
    delete p;
    return nullptr;
}

bool TargetedAction::initWithTarget(Node* target, FiniteTimeAction* action)
{
    if (target == nullptr || action == nullptr)
        return false;
    if (ActionInterval::initWithDuration(action->getDuration()))
    {
        CC_SAFE_RETAIN(target);
        _forcedTarget = target;
        CC_SAFE_RETAIN(action);
        _action = action;
        return true;
    }
    return false;
}

TargetedAction* TargetedAction::clone() const
{
    return TargetedAction::create(_forcedTarget, _action->clone());
}

TargetedAction* TargetedAction::reverse() const
{
    FiniteTimeAction* r = _action->reverse();
    return r ? TargetedAction::create(_forcedTarget, r) : nullptr;
}

void TargetedAction::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _action->startWithTarget(_forcedTarget);
}

void TargetedAction::stop()
{
    _action->stop();
}

void TargetedAction::update(float time)
{
    _action->update(time);
}

bool TargetedAction::isDone() const
{
    return _action->isDone();
}

void TargetedAction::setForcedTarget(Node* forcedTarget)
{
    if (_forcedTarget != forcedTarget)
    {
        CC_SAFE_RETAIN(forcedTarget);
        CC_SAFE_RELEASE(_forcedTarget);
        _forcedTarget = forcedTarget;
    }
}


NS_CC_END
