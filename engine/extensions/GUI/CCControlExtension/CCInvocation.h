#ifndef __CCINVOCATION_H__
#define __CCINVOCATION_H__

#include "base/CCRef.h"
#include "extensions/GUI/CCControlExtension/CCControl.h"

NS_CC_EXT_BEGIN

#define cccontrol_selector(_SELECTOR) (cocos2d::extension::Control::Handler)(&_SELECTOR)

/** One target-action pair of a control event. */
class CC_EX_DLL Invocation : public Ref
{
public:
    static Invocation* create(Ref* target, Control::Handler action, Control::EventType controlEvent);
    Invocation(Ref* target, Control::Handler action, Control::EventType controlEvent);

    void invoke(Ref* sender);

    Control::Handler getAction() const { return _action; }
    Ref* getTarget() const { return _target; }
    Control::EventType getControlEvent() const { return _controlEvent; }

protected:
    Control::Handler _action;
    Ref* _target;
    Control::EventType _controlEvent;
};

NS_CC_EXT_END

#endif
