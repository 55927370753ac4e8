#ifndef __ACTION_CCEASE_ACTION_H__
#define __ACTION_CCEASE_ACTION_H__

#include "2d/CCActionInterval.h"

NS_CC_BEGIN

// Runs an inner interval action with its progress bent by a curve.
class CC_DLL ActionEase : public ActionInterval
{
public:
    virtual ActionInterval* getInnerAction();

    virtual ActionEase* clone() const override { return nullptr; }
    virtual ActionEase* reverse() const override { return nullptr; }
    virtual void startWithTarget(Node* target) override;
    virtual void stop() override;
    virtual void update(float time) override;

    ActionEase() : _inner(nullptr) {}
    virtual ~ActionEase();

    bool initWithAction(ActionInterval* action);

protected:
    ActionInterval* _inner;
};

// An ease with a rate (the power of the curve).
class CC_DLL EaseRateAction : public ActionEase
{
public:
    static EaseRateAction* create(ActionInterval* action, float rate);
    void setRate(float rate) { _rate = rate; }
    float getRate() const { return _rate; }

    EaseRateAction() : _rate(2.0f) {}
    bool initWithAction(ActionInterval* pAction, float fRate);

protected:
    float _rate;
};

// t ^ rate
class CC_DLL EaseIn : public EaseRateAction
{
public:
    static EaseIn* create(ActionInterval* action, float rate);
    virtual void update(float time) override;
    virtual EaseIn* clone() const override;
    virtual EaseIn* reverse() const override;
};

// t ^ (1 / rate)
class CC_DLL EaseOut : public EaseRateAction
{
public:
    static EaseOut* create(ActionInterval* action, float rate);
    virtual void update(float time) override;
    virtual EaseOut* clone() const override;
    virtual EaseOut* reverse() const override;
};

// EaseIn over the first half, EaseOut over the second.
class CC_DLL EaseInOut : public EaseRateAction
{
public:
    static EaseInOut* create(ActionInterval* action, float rate);
    virtual void update(float time) override;
    virtual EaseInOut* clone() const override;
    virtual EaseInOut* reverse() const override;
};

// Overshoots a little and comes back at the end.
class CC_DLL EaseBackOut : public ActionEase
{
public:
    static EaseBackOut* create(ActionInterval* action);
    virtual void update(float time) override;
    virtual EaseBackOut* clone() const override;
    virtual ActionEase* reverse() const override;
};

// Slow start along a quarter sine.
class CC_DLL EaseSineIn : public ActionEase
{
public:
    static EaseSineIn* create(ActionInterval* action);
    virtual void update(float time) override;
    virtual EaseSineIn* clone() const override;
    virtual ActionEase* reverse() const override;
};

class CC_DLL EaseSineOut : public ActionEase
{
public:
    static EaseSineOut* create(ActionInterval* action);
    virtual void update(float time) override;
    virtual EaseSineOut* clone() const override;
    virtual ActionEase* reverse() const override;
};

NS_CC_END

#endif
