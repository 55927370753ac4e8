#ifndef __ACTION_CCINTERVAL_ACTION_H__
#define __ACTION_CCINTERVAL_ACTION_H__

#include <vector>
#include "2d/CCAction.h"
#include "base/CCVector.h"
#include "base/ccTypes.h"

NS_CC_BEGIN

class Animation;
class Node;
class SpriteFrame;
class EventCustom;

// An action over a duration. The first step after startWithTarget ignores
// its dt (elapsed becomes a tiny epsilon), every later step adds dt; update()
// gets elapsed / duration clamped to 0 ... 1, and the action is done once
// elapsed reaches the duration.
class CC_DLL ActionInterval : public FiniteTimeAction
{
public:
    float getElapsed() { return _elapsed; }
    void setAmplitudeRate(float amp);
    float getAmplitudeRate();

    virtual bool isDone() const override;
    virtual void step(float dt) override;
    virtual void startWithTarget(Node* target) override;
    virtual ActionInterval* reverse() const override { return nullptr; }
    virtual ActionInterval* clone() const override { return nullptr; }

    bool initWithDuration(float d);

protected:
    float _elapsed;
    bool _firstTick;
    bool _done;

    bool sendUpdateEventToScript(float dt, Action* actionObject) { CC_UNUSED_PARAM(dt); CC_UNUSED_PARAM(actionObject); return false; }
};

// Two or more actions one after the other.
class CC_DLL Sequence : public ActionInterval
{
public:
    static Sequence* create(FiniteTimeAction* action1, ...) CC_REQUIRES_NULL_TERMINATION;
    static Sequence* create(const Vector<FiniteTimeAction*>& arrayOfActions);
    static Sequence* createWithVariableList(FiniteTimeAction* action1, va_list args);
    static Sequence* createWithTwoActions(FiniteTimeAction* actionOne, FiniteTimeAction* actionTwo);

    virtual Sequence* clone() const override;
    virtual Sequence* reverse() const override;
    virtual void startWithTarget(Node* target) override;
    virtual void stop(void) override;
    virtual bool isDone() const override;
    virtual void update(float t) override;

    Sequence();
    virtual ~Sequence();

    bool initWithTwoActions(FiniteTimeAction* pActionOne, FiniteTimeAction* pActionTwo);
    bool init(const Vector<FiniteTimeAction*>& arrayOfActions);

protected:
    FiniteTimeAction* _actions[2];
    float _split;
    int _last;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Sequence);
};

// An action a number of times.
class CC_DLL Repeat : public ActionInterval
{
public:
    static Repeat* create(FiniteTimeAction* action, unsigned int times);

    void setInnerAction(FiniteTimeAction* action);
    FiniteTimeAction* getInnerAction() { return _innerAction; }

    virtual Repeat* clone() const override;
    virtual Repeat* reverse() const override;
    virtual void startWithTarget(Node* target) override;
    virtual void stop(void) override;
    virtual void update(float dt) override;
    virtual bool isDone(void) const override;

    Repeat();
    virtual ~Repeat();

    bool initWithAction(FiniteTimeAction* pAction, unsigned int times);

protected:
    unsigned int _times;
    unsigned int _total;
    float _nextDt;
    bool _actionInstant;
    FiniteTimeAction* _innerAction;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Repeat);
};

// An interval action again and again; never done.
class CC_DLL RepeatForever : public ActionInterval
{
public:
    static RepeatForever* create(ActionInterval* action);

    void setInnerAction(ActionInterval* action);
    ActionInterval* getInnerAction() { return _innerAction; }

    virtual RepeatForever* clone() const override;
    virtual RepeatForever* reverse(void) const override;
    virtual void startWithTarget(Node* target) override;
    virtual void step(float dt) override;
    virtual bool isDone(void) const override;

    RepeatForever();
    virtual ~RepeatForever();

    bool initWithAction(ActionInterval* action);

protected:
    ActionInterval* _innerAction;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(RepeatForever);
};

// Actions at the same time; the shorter ones are padded with a delay.
class CC_DLL Spawn : public ActionInterval
{
public:
    static Spawn* create(FiniteTimeAction* action1, ...) CC_REQUIRES_NULL_TERMINATION;
    static Spawn* createWithVariableList(FiniteTimeAction* action1, va_list args);
    static Spawn* create(const Vector<FiniteTimeAction*>& arrayOfActions);
    static Spawn* createWithTwoActions(FiniteTimeAction* action1, FiniteTimeAction* action2);

    virtual Spawn* clone() const override;
    virtual Spawn* reverse(void) const override;
    virtual void startWithTarget(Node* target) override;
    virtual void stop(void) override;
    virtual void update(float time) override;

    Spawn();
    virtual ~Spawn();

    bool initWithTwoActions(FiniteTimeAction* action1, FiniteTimeAction* action2);
    bool init(const Vector<FiniteTimeAction*>& arrayOfActions);

protected:
    FiniteTimeAction* _one;
    FiniteTimeAction* _two;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Spawn);
};

// Turns to an angle (the shorter way round).
class CC_DLL RotateTo : public ActionInterval
{
public:
    static RotateTo* create(float duration, float dstAngleX, float dstAngleY);
    static RotateTo* create(float duration, float dstAngle);
    static RotateTo* create(float duration, const Vec3& dstAngle3D);

    virtual RotateTo* clone() const override;
    virtual RotateTo* reverse() const override;
    virtual void startWithTarget(Node* target) override;
    virtual void update(float time) override;

    RotateTo();
    virtual ~RotateTo() {}

    bool initWithDuration(float duration, float dstAngleX, float dstAngleY);
    bool initWithDuration(float duration, const Vec3& dstAngle3D);

    void calculateAngles(float& startAngle, float& diffAngle, float dstAngle);

protected:
    bool _is3D;
    Vec3 _dstAngle;
    Vec3 _startAngle;
    Vec3 _diffAngle;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(RotateTo);
};

// Turns by an angle (degrees, clockwise), in X and Y rotation skew.
class CC_DLL RotateBy : public ActionInterval
{
public:
    static RotateBy* create(float duration, float deltaAngle);
    static RotateBy* create(float duration, float deltaAngleZ_X, float deltaAngleZ_Y);
    static RotateBy* create(float duration, const Vec3& deltaAngle3D);

    virtual RotateBy* clone() const override;
    virtual RotateBy* reverse(void) const override;
    virtual void startWithTarget(Node* target) override;
    virtual void update(float time) override;

    RotateBy();
    virtual ~RotateBy() {}

    bool initWithDuration(float duration, float deltaAngle);
    bool initWithDuration(float duration, float deltaAngleZ_X, float deltaAngleZ_Y);
    bool initWithDuration(float duration, const Vec3& deltaAngle3D);

protected:
    bool _is3D;
    Vec3 _deltaAngle;
    Vec3 _startAngle;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(RotateBy);
};

// Moves by an offset; other moves of the same node add up.
class CC_DLL MoveBy : public ActionInterval
{
public:
    static MoveBy* create(float duration, const Vec2& deltaPosition);
    static MoveBy* create(float duration, const Vec3& deltaPosition);

    virtual MoveBy* clone() const override;
    virtual MoveBy* reverse(void) const override;
    virtual void startWithTarget(Node* target) override;
    virtual void update(float time) override;

    MoveBy() : _is3D(false) {}
    virtual ~MoveBy() {}

    bool initWithDuration(float duration, const Vec2& deltaPosition);
    bool initWithDuration(float duration, const Vec3& deltaPosition);

protected:
    bool _is3D;
    Vec3 _positionDelta;
    Vec3 _startPosition;
    Vec3 _previousPosition;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(MoveBy);
};

class CC_DLL MoveTo : public MoveBy
{
public:
    static MoveTo* create(float duration, const Vec2& position);
    static MoveTo* create(float duration, const Vec3& position);

    virtual MoveTo* clone() const override;
    virtual MoveTo* reverse() const override;
    virtual void startWithTarget(Node* target) override;

    MoveTo() {}
    virtual ~MoveTo() {}

    bool initWithDuration(float duration, const Vec2& position);
    bool initWithDuration(float duration, const Vec3& position);

protected:
    Vec3 _endPosition;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(MoveTo);
};

class CC_DLL ScaleTo : public ActionInterval
{
public:
    static ScaleTo* create(float duration, float s);
    static ScaleTo* create(float duration, float sx, float sy);
    static ScaleTo* create(float duration, float sx, float sy, float sz);

    virtual ScaleTo* clone() const override;
    virtual ScaleTo* reverse(void) const override;
    virtual void startWithTarget(Node* target) override;
    virtual void update(float time) override;

    ScaleTo() {}
    virtual ~ScaleTo() {}

    bool initWithDuration(float duration, float s);
    bool initWithDuration(float duration, float sx, float sy);
    bool initWithDuration(float duration, float sx, float sy, float sz);

protected:
    float _scaleX = 1;
    float _scaleY = 1;
    float _scaleZ = 1;
    float _startScaleX = 1;
    float _startScaleY = 1;
    float _startScaleZ = 1;
    float _endScaleX = 1;
    float _endScaleY = 1;
    float _endScaleZ = 1;
    float _deltaX = 0;
    float _deltaY = 0;
    float _deltaZ = 0;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(ScaleTo);
};

// Scales by a factor of the scale at the start.
class CC_DLL ScaleBy : public ScaleTo
{
public:
    static ScaleBy* create(float duration, float s);
    static ScaleBy* create(float duration, float sx, float sy);
    static ScaleBy* create(float duration, float sx, float sy, float sz);

    virtual void startWithTarget(Node* target) override;
    virtual ScaleBy* clone() const override;
    virtual ScaleBy* reverse(void) const override;

    ScaleBy() {}
    virtual ~ScaleBy() {}

private:
    CC_DISALLOW_COPY_AND_ASSIGN(ScaleBy);
};

// Toggles visibility `blinks` times over the duration; the node is visible
// in the second half of each slice. The visibility before returns on stop.
class CC_DLL Blink : public ActionInterval
{
public:
    static Blink* create(float duration, int blinks);

    virtual Blink* clone() const override;
    virtual Blink* reverse() const override;
    virtual void update(float time) override;
    virtual void startWithTarget(Node* target) override;
    virtual void stop() override;

    Blink() : _times(0), _originalState(false) {}
    virtual ~Blink() {}

    bool initWithDuration(float duration, int blinks);

protected:
    int _times;
    bool _originalState;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Blink);
};

class CC_DLL FadeTo : public ActionInterval
{
public:
    static FadeTo* create(float duration, GLubyte opacity);

    virtual FadeTo* clone() const override;
    virtual FadeTo* reverse(void) const override;
    virtual void startWithTarget(Node* target) override;
    virtual void update(float time) override;

    FadeTo() : _toOpacity(0), _fromOpacity(0) {}
    virtual ~FadeTo() {}

    bool initWithDuration(float duration, GLubyte opacity);

protected:
    GLubyte _toOpacity;
    GLubyte _fromOpacity;
    friend class FadeOut;
    friend class FadeIn;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(FadeTo);
};

// From the current opacity to 255.
class CC_DLL FadeIn : public FadeTo
{
public:
    static FadeIn* create(float d);

    virtual void startWithTarget(Node* target) override;
    virtual FadeIn* clone() const override;
    virtual FadeTo* reverse(void) const override;

    void setReverseAction(FadeTo* ac);

    FadeIn() : _reverseAction(nullptr) {}
    virtual ~FadeIn() {}

private:
    FadeTo* _reverseAction;
    CC_DISALLOW_COPY_AND_ASSIGN(FadeIn);
};

// From the current opacity to 0.
class CC_DLL FadeOut : public FadeTo
{
public:
    static FadeOut* create(float d);

    virtual void startWithTarget(Node* target) override;
    virtual FadeOut* clone() const override;
    virtual FadeTo* reverse(void) const override;

    void setReverseAction(FadeTo* ac);

    FadeOut() : _reverseAction(nullptr) {}
    virtual ~FadeOut() {}

private:
    FadeTo* _reverseAction;
    CC_DISALLOW_COPY_AND_ASSIGN(FadeOut);
};

class CC_DLL TintTo : public ActionInterval
{
public:
    static TintTo* create(float duration, GLubyte red, GLubyte green, GLubyte blue);
    static TintTo* create(float duration, const Color3B& color);

    virtual TintTo* clone() const override;
    virtual TintTo* reverse(void) const override;
    virtual void startWithTarget(Node* target) override;
    virtual void update(float time) override;

    TintTo() {}
    virtual ~TintTo() {}

    bool initWithDuration(float duration, GLubyte red, GLubyte green, GLubyte blue);

protected:
    Color3B _to;
    Color3B _from;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(TintTo);
};

class CC_DLL TintBy : public ActionInterval
{
public:
    static TintBy* create(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue);

    virtual TintBy* clone() const override;
    virtual TintBy* reverse() const override;
    virtual void startWithTarget(Node* target) override;
    virtual void update(float time) override;

    TintBy() : _deltaR(0), _deltaG(0), _deltaB(0), _fromR(0), _fromG(0), _fromB(0) {}
    virtual ~TintBy() {}

    bool initWithDuration(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue);

protected:
    GLshort _deltaR;
    GLshort _deltaG;
    GLshort _deltaB;
    GLshort _fromR;
    GLshort _fromG;
    GLshort _fromB;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(TintBy);
};

class CC_DLL DelayTime : public ActionInterval
{
public:
    static DelayTime* create(float d);

    virtual void update(float time) override;
    virtual DelayTime* reverse() const override;
    virtual DelayTime* clone() const override;

    DelayTime() {}
    virtual ~DelayTime() {}

private:
    CC_DISALLOW_COPY_AND_ASSIGN(DelayTime);
};

// Shows the frames of an animation on a sprite, each for its delay units.
class CC_DLL Animate : public ActionInterval
{
public:
    static Animate* create(Animation* animation);

    void setAnimation(Animation* animation);
    Animation* getAnimation() { return _animation; }
    const Animation* getAnimation() const { return _animation; }
    int getCurrentFrameIndex() { return _currFrameIndex; }

    virtual Animate* clone() const override;
    virtual Animate* reverse() const override;
    virtual void startWithTarget(Node* target) override;
    virtual void stop(void) override;
    virtual void update(float t) override;

    Animate();
    virtual ~Animate();

    bool initWithAnimation(Animation* animation);

protected:
    std::vector<float>* _splitTimes;
    int _nextFrame;
    SpriteFrame* _origFrame;
    int _currFrameIndex;
    unsigned int _executedLoops;
    Animation* _animation;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Animate);
};

// Runs an action on another node than the one running this.
class CC_DLL TargetedAction : public ActionInterval
{
public:
    static TargetedAction* create(Node* target, FiniteTimeAction* action);

    void setForcedTarget(Node* forcedTarget);
    Node* getForcedTarget() { return _forcedTarget; }

    virtual TargetedAction* clone() const override;
    virtual TargetedAction* reverse() const override;
    virtual void startWithTarget(Node* target) override;
    virtual void stop() override;
    virtual void update(float time) override;
    virtual bool isDone(void) const override;

    TargetedAction();
    virtual ~TargetedAction();

    bool initWithTarget(Node* target, FiniteTimeAction* action);

protected:
    FiniteTimeAction* _action;
    Node* _forcedTarget;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(TargetedAction);
};

NS_CC_END

#endif
