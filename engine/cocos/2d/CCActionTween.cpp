#include "2d/CCActionTween.h"

#include "2d/CCActionIntervalHelpers.h"
#include "2d/CCNode.h"

NS_CC_BEGIN

ActionTween* ActionTween::create(float duration, const std::string& key, float from, float to)
{
    return makeInterval<ActionTween>(duration, key, from, to);
}

bool ActionTween::initWithDuration(float duration, const std::string& key, float from, float to)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _key = key;
    _to = to;
    _from = from;
    return true;
}

void ActionTween::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _delta = _to - _from;
}

void ActionTween::update(float dt)
{
    // A target that cannot take the values is left alone.
    if (auto delegate = dynamic_cast<ActionTweenDelegate*>(_target))
        delegate->updateTweenAction(_to - _delta * (1 - dt), _key);
}

ActionTween* ActionTween::reverse() const
{
    return ActionTween::create(_duration, _key, _to, _from);
}

ActionTween* ActionTween::clone() const
{
    return ActionTween::create(_duration, _key, _from, _to);
}

NS_CC_END
