#ifndef __CCEVENT_H__
#define __CCEVENT_H__

#include "base/CCRef.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class Node;

// Base of the events the dispatcher delivers.
class CC_DLL Event : public Ref
{
public:
    enum class Type
    {
        TOUCH,
        KEYBOARD,
        ACCELERATION,
        MOUSE,
        FOCUS,
        GAME_CONTROLLER,
        CUSTOM
    };

    Event(Type type);
    virtual ~Event();

    Type getType() const { return _type; }
    // Listeners after the current one do not receive this event.
    void stopPropagation() { _isStopped = true; }
    bool isStopped() const { return _isStopped; }
    // The node of the listener being called (null for fixed priorities).
    Node* getCurrentTarget() { return _currentTarget; }

protected:
    void setCurrentTarget(Node* target) { _currentTarget = target; }

    Type _type;
    bool _isStopped;
    Node* _currentTarget;

    friend class EventDispatcher;
};

NS_CC_END

#endif
