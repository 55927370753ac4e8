#include "extensions/GUI/CCControlExtension/CCInvocation.h"

NS_CC_EXT_BEGIN

Invocation* Invocation::create(Ref* target, Control::Handler action, Control::EventType controlEvent)
{
    Invocation* ret = new (std::nothrow) Invocation(target, action, controlEvent);
    if (ret) ret->autorelease();
    return ret;
}

Invocation::Invocation(Ref* target, Control::Handler action, Control::EventType controlEvent)
    : _action(action), _target(target), _controlEvent(controlEvent)
{
}

void Invocation::invoke(Ref* sender)
{
    if (_target && _action) (_target->*_action)(sender, _controlEvent);
}

NS_CC_EXT_END
