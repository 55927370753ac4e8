#ifndef __ACTIONS_CCACTION_H__
#define __ACTIONS_CCACTION_H__

#include <string>
#include "base/CCRef.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

class Node;

enum
{
    kActionUpdate
};

// Base of all actions: something a node runs through the action manager.
class CC_DLL Action : public Ref, public Clonable
{
public:
    static const int INVALID_TAG = -1;

    virtual std::string description() const;
    virtual Action* clone() const override;
    virtual Action* reverse() const;
    virtual bool isDone() const;
    // Called once before the first step, with the node that runs the action.
    virtual void startWithTarget(Node* target);
    // Called when the action ends or is stopped; the target is cleared.
    virtual void stop();
    // Called every frame with the seconds since the last frame.
    virtual void step(float dt);
    // Called with the progress, 0 at the start, 1 at the end.
    virtual void update(float time);

    Node* getTarget() const { return _target; }
    void setTarget(Node* target) { _target = target; }
    Node* getOriginalTarget() const { return _originalTarget; }
    void setOriginalTarget(Node* originalTarget) { _originalTarget = originalTarget; }
    int getTag() const { return _tag; }
    void setTag(int tag) { _tag = tag; }
    unsigned int getFlags() const { return _flags; }
    void setFlags(unsigned int flags) { _flags = flags; }

CC_CONSTRUCTOR_ACCESS:
    Action();
    virtual ~Action();

protected:

    Node* _originalTarget;
    Node* _target;
    int _tag;
    unsigned int _flags;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Action);
};

// An action with a length in seconds.
class CC_DLL FiniteTimeAction : public Action
{
public:
    float getDuration() const { return _duration; }
    void setDuration(float duration) { _duration = duration; }

    virtual FiniteTimeAction* reverse() const override { return nullptr; }
    virtual FiniteTimeAction* clone() const override { return nullptr; }

CC_CONSTRUCTOR_ACCESS:
    FiniteTimeAction() : _duration(0) {}
    virtual ~FiniteTimeAction() {}

protected:

    float _duration;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(FiniteTimeAction);
};

class ActionInterval;

// Runs an interval action faster or slower.
class CC_DLL Speed : public Action
{
public:
    static Speed* create(ActionInterval* action, float speed);

    float getSpeed() const { return _speed; }
    void setSpeed(float speed) { _speed = speed; }
    void setInnerAction(ActionInterval* action);
    ActionInterval* getInnerAction() const { return _innerAction; }

    virtual Speed* clone() const override;
    virtual Speed* reverse() const override;
    virtual void startWithTarget(Node* target) override;
    virtual void stop() override;
    virtual void step(float dt) override;
    virtual bool isDone() const override;

CC_CONSTRUCTOR_ACCESS:
    Speed();
    virtual ~Speed();
    bool initWithAction(ActionInterval* action, float speed);

protected:

    float _speed;
    ActionInterval* _innerAction;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Speed);
};

NS_CC_END

#endif
