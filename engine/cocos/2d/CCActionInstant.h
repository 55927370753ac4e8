#ifndef __CCINSTANT_ACTION_H__
#define __CCINSTANT_ACTION_H__

#include <functional>
#include "2d/CCAction.h"

NS_CC_BEGIN

// An action without duration: it does its work in one step.
class CC_DLL ActionInstant : public FiniteTimeAction
{
public:
    virtual ActionInstant* clone() const override { return nullptr; }
    virtual ActionInstant* reverse() const override { return nullptr; }
    virtual void startWithTarget(Node* target) override;
    virtual bool isDone() const override;
    virtual void step(float dt) override;
    virtual void update(float time) override;

CC_CONSTRUCTOR_ACCESS:
    ActionInstant() : _done(false) {}

protected:

    bool _done;
};

class CC_DLL Show : public ActionInstant
{
public:
    static Show* create();
    virtual void update(float time) override;
    virtual ActionInstant* reverse() const override;
    virtual Show* clone() const override;

    Show() {}
    virtual ~Show() {}
};

class CC_DLL Hide : public ActionInstant
{
public:
    static Hide* create();
    virtual void update(float time) override;
    virtual ActionInstant* reverse() const override;
    virtual Hide* clone() const override;

    Hide() {}
    virtual ~Hide() {}
};

class CC_DLL ToggleVisibility : public ActionInstant
{
public:
    static ToggleVisibility* create();
    virtual void update(float time) override;
    virtual ToggleVisibility* reverse() const override;
    virtual ToggleVisibility* clone() const override;

    ToggleVisibility() {}
    virtual ~ToggleVisibility() {}
};

class CC_DLL RemoveSelf : public ActionInstant
{
public:
    static RemoveSelf* create(bool isNeedCleanUp = true);
    virtual void update(float time) override;
    virtual RemoveSelf* clone() const override;
    virtual RemoveSelf* reverse() const override;

    RemoveSelf() : _isNeedCleanUp(true) {}
    virtual ~RemoveSelf() {}

    bool init(bool isNeedCleanUp);

protected:
    bool _isNeedCleanUp;
};

class CC_DLL Place : public ActionInstant
{
public:
    static Place* create(const Vec2& pos);
    virtual void update(float time) override;
    virtual Place* reverse() const override;
    virtual Place* clone() const override;

    Place() {}
    virtual ~Place() {}

    bool initWithPosition(const Vec2& pos);

private:
    Vec2 _position;
};

// Calls a function (or a member of a retained target).
class CC_DLL CallFunc : public ActionInstant
{
public:
    static CallFunc* create(const std::function<void()>& func);
    CC_DEPRECATED_ATTRIBUTE static CallFunc* create(Ref* target, SEL_CallFunc selector);

    virtual void execute();
    Ref* getTargetCallback() { return _selectorTarget; }
    void setTargetCallback(Ref* sel);

    virtual void update(float time) override;
    virtual CallFunc* reverse() const override;
    virtual CallFunc* clone() const override;

    CallFunc()
    : _selectorTarget(nullptr)
    , _callFunc(nullptr)
    , _function(nullptr)
    {
    }
    virtual ~CallFunc();

    bool initWithFunction(const std::function<void()>& func);
    bool initWithTarget(Ref* target);

protected:
    Ref* _selectorTarget;
    union
    {
        SEL_CallFunc _callFunc;
        SEL_CallFuncN _callFuncN;
    };
    std::function<void()> _function;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(CallFunc);
};

// Calls a function with the node running the action.
class CC_DLL CallFuncN : public CallFunc
{
public:
    static CallFuncN* create(const std::function<void(Node*)>& func);
    CC_DEPRECATED_ATTRIBUTE static CallFuncN* create(Ref* target, SEL_CallFuncN selector);

    virtual CallFuncN* clone() const override;
    virtual void execute() override;

    CallFuncN() : _functionN(nullptr) {}
    virtual ~CallFuncN() {}

    bool initWithFunction(const std::function<void(Node*)>& func);
    bool initWithTarget(Ref* target, SEL_CallFuncN selector);

protected:
    std::function<void(Node*)> _functionN;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(CallFuncN);
};

NS_CC_END

#endif
