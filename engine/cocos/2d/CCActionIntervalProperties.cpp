#include "2d/CCActionInterval.h"

#include <utility>
#include "2d/CCNode.h"
#include "2d/CCActionIntervalHelpers.h"

NS_CC_BEGIN

// MARK: RotateTo

RotateTo::RotateTo()
: _is3D(false)
{
}

RotateTo* RotateTo::create(float duration, float dstAngle)
{
    return makeInterval<RotateTo>(duration, dstAngle, dstAngle);
}

RotateTo* RotateTo::create(float duration, float dstAngleX, float dstAngleY)
{
    return makeInterval<RotateTo>(duration, dstAngleX, dstAngleY);
}

RotateTo* RotateTo::create(float duration, const Vec3& dstAngle3D)
{
    return makeInterval<RotateTo>(duration, dstAngle3D);
}

bool RotateTo::initWithDuration(float duration, float dstAngleX, float dstAngleY)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _dstAngle.x = dstAngleX;
    _dstAngle.y = dstAngleY;
    return true;
}

bool RotateTo::initWithDuration(float duration, const Vec3& dstAngle3D)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _dstAngle = dstAngle3D;
    _is3D = true;
    return true;
}

RotateTo* RotateTo::clone() const
{
    auto a = new (std::nothrow) RotateTo();
    if (_is3D)
        a->initWithDuration(_duration, _dstAngle);
    else
        a->initWithDuration(_duration, _dstAngle.x, _dstAngle.y);
    a->autorelease();
    return a;
}

void RotateTo::calculateAngles(float& startAngle, float& diffAngle, float dstAngle)
{
    if (startAngle > 0)
        startAngle = fmodf(startAngle, 360.0f);
    else
        startAngle = fmodf(startAngle, -360.0f);
    diffAngle = dstAngle - startAngle;
    if (diffAngle > 180)
        diffAngle -= 360;
    if (diffAngle < -180)
        diffAngle += 360;
}

void RotateTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _startAngle.x = target->getRotationSkewX();
    _startAngle.y = target->getRotationSkewY();
    calculateAngles(_startAngle.x, _diffAngle.x, _dstAngle.x);
    calculateAngles(_startAngle.y, _diffAngle.y, _dstAngle.y);
}

void RotateTo::update(float time)
{
    if (_target)
    {
        _target->setRotationSkewX(_startAngle.x + _diffAngle.x * time);
        _target->setRotationSkewY(_startAngle.y + _diffAngle.y * time);
    }
}

RotateTo* RotateTo::reverse() const
{
    return nullptr;
}

// MARK: RotateBy

RotateBy::RotateBy()
: _is3D(false)
{
}

RotateBy* RotateBy::create(float duration, float deltaAngle)
{
    return makeInterval<RotateBy>(duration, deltaAngle);
}

RotateBy* RotateBy::create(float duration, float deltaAngleX, float deltaAngleY)
{
    return makeInterval<RotateBy>(duration, deltaAngleX, deltaAngleY);
}

RotateBy* RotateBy::create(float duration, const Vec3& deltaAngle3D)
{
    return makeInterval<RotateBy>(duration, deltaAngle3D);
}

bool RotateBy::initWithDuration(float duration, float deltaAngle)
{
    return initWithDuration(duration, deltaAngle, deltaAngle);
}

bool RotateBy::initWithDuration(float duration, float deltaAngleX, float deltaAngleY)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _deltaAngle.x = deltaAngleX;
    _deltaAngle.y = deltaAngleY;
    return true;
}

bool RotateBy::initWithDuration(float duration, const Vec3& deltaAngle3D)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _deltaAngle = deltaAngle3D;
    _is3D = true;
    return true;
}

RotateBy* RotateBy::clone() const
{
    auto a = new (std::nothrow) RotateBy();
    if (_is3D)
        a->initWithDuration(_duration, _deltaAngle);
    else
        a->initWithDuration(_duration, _deltaAngle.x, _deltaAngle.y);
    a->autorelease();
    return a;
}

void RotateBy::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _startAngle.x = target->getRotationSkewX();
    _startAngle.y = target->getRotationSkewY();
}

void RotateBy::update(float time)
{
    if (_target)
    {
        _target->setRotationSkewX(_startAngle.x + _deltaAngle.x * time);
        _target->setRotationSkewY(_startAngle.y + _deltaAngle.y * time);
    }
}

RotateBy* RotateBy::reverse() const
{
    if (_is3D)
        return RotateBy::create(_duration, -_deltaAngle);
    return RotateBy::create(_duration, -_deltaAngle.x, -_deltaAngle.y);
}

// MARK: MoveBy / MoveTo

MoveBy* MoveBy::create(float duration, const Vec2& deltaPosition)
{
    return create(duration, Vec3(deltaPosition.x, deltaPosition.y, 0));
}

MoveBy* MoveBy::create(float duration, const Vec3& deltaPosition)
{
    return makeInterval<MoveBy>(duration, deltaPosition);
}

bool MoveBy::initWithDuration(float duration, const Vec2& deltaPosition)
{
    return MoveBy::initWithDuration(duration, Vec3(deltaPosition.x, deltaPosition.y, 0));
}

bool MoveBy::initWithDuration(float duration, const Vec3& deltaPosition)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _positionDelta = deltaPosition;
    _is3D = true;
    return true;
}

MoveBy* MoveBy::clone() const
{
    return MoveBy::create(_duration, _positionDelta);
}

void MoveBy::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _previousPosition = _startPosition = target->getPosition3D();
}

MoveBy* MoveBy::reverse() const
{
    return MoveBy::create(_duration, -_positionDelta);
}

void MoveBy::update(float t)
{
    if (_target)
    {
#if CC_ENABLE_STACKABLE_ACTIONS
        // Whatever else moved the node meanwhile is kept.
        Vec3 currentPos = _target->getPosition3D();
        Vec3 diff = currentPos - _previousPosition;
        _startPosition = _startPosition + diff;
        Vec3 newPos = _startPosition + (_positionDelta * t);
        _target->setPosition3D(newPos);
        _previousPosition = newPos;
#else
        _target->setPosition3D(_startPosition + _positionDelta * t);
#endif
    }
}

MoveTo* MoveTo::create(float duration, const Vec2& position)
{
    return create(duration, Vec3(position.x, position.y, 0));
}

MoveTo* MoveTo::create(float duration, const Vec3& position)
{
    return makeInterval<MoveTo>(duration, position);
}

bool MoveTo::initWithDuration(float duration, const Vec2& position)
{
    return initWithDuration(duration, Vec3(position.x, position.y, 0));
}

bool MoveTo::initWithDuration(float duration, const Vec3& position)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _endPosition = position;
    return true;
}

MoveTo* MoveTo::clone() const
{
    return MoveTo::create(_duration, _endPosition);
}

void MoveTo::startWithTarget(Node* target)
{
    MoveBy::startWithTarget(target);
    _positionDelta = _endPosition - target->getPosition3D();
}

MoveTo* MoveTo::reverse() const
{
    return nullptr;
}

// MARK: ScaleTo / ScaleBy

ScaleTo* ScaleTo::create(float duration, float s)
{
    return makeInterval<ScaleTo>(duration, s);
}

ScaleTo* ScaleTo::create(float duration, float sx, float sy)
{
    return makeInterval<ScaleTo>(duration, sx, sy);
}

ScaleTo* ScaleTo::create(float duration, float sx, float sy, float sz)
{
    return makeInterval<ScaleTo>(duration, sx, sy, sz);
}

bool ScaleTo::initWithDuration(float duration, float s)
{
    return initWithDuration(duration, s, s, s);
}

bool ScaleTo::initWithDuration(float duration, float sx, float sy)
{
    return initWithDuration(duration, sx, sy, 1.0f);
}

bool ScaleTo::initWithDuration(float duration, float sx, float sy, float sz)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _endScaleX = sx;
    _endScaleY = sy;
    _endScaleZ = sz;
    return true;
}

ScaleTo* ScaleTo::clone() const
{
    return ScaleTo::create(_duration, _endScaleX, _endScaleY, _endScaleZ);
}

ScaleTo* ScaleTo::reverse() const
{
    return nullptr;
}

void ScaleTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _startScaleX = target->getScaleX();
    _startScaleY = target->getScaleY();
    _startScaleZ = target->getScaleZ();
    _deltaX = _endScaleX - _startScaleX;
    _deltaY = _endScaleY - _startScaleY;
    _deltaZ = _endScaleZ - _startScaleZ;
}

void ScaleTo::update(float time)
{
    if (_target)
    {
        _target->setScaleX(_startScaleX + _deltaX * time);
        _target->setScaleY(_startScaleY + _deltaY * time);
        _target->setScaleZ(_startScaleZ + _deltaZ * time);
    }
}

ScaleBy* ScaleBy::create(float duration, float s)
{
    return makeInterval<ScaleBy>(duration, s);
}

ScaleBy* ScaleBy::create(float duration, float sx, float sy)
{
    return makeInterval<ScaleBy>(duration, sx, sy, 1.0f);
}

ScaleBy* ScaleBy::create(float duration, float sx, float sy, float sz)
{
    return makeInterval<ScaleBy>(duration, sx, sy, sz);
}

ScaleBy* ScaleBy::clone() const
{
    return ScaleBy::create(_duration, _endScaleX, _endScaleY, _endScaleZ);
}

void ScaleBy::startWithTarget(Node* target)
{
    ScaleTo::startWithTarget(target);
    _deltaX = _startScaleX * _endScaleX - _startScaleX;
    _deltaY = _startScaleY * _endScaleY - _startScaleY;
    _deltaZ = _startScaleZ * _endScaleZ - _startScaleZ;
}

ScaleBy* ScaleBy::reverse() const
{
    return ScaleBy::create(_duration, 1 / _endScaleX, 1 / _endScaleY, 1 / _endScaleZ);
}

// MARK: Blink

Blink* Blink::create(float duration, int blinks)
{
    return makeInterval<Blink>(duration, blinks);
}

bool Blink::initWithDuration(float duration, int blinks)
{
    if (ActionInterval::initWithDuration(duration) && blinks >= 0)
    {
        _times = blinks;
        return true;
    }
    return false;
}

void Blink::stop()
{
    if (nullptr != _target)
        _target->setVisible(_originalState);
    ActionInterval::stop();
}

void Blink::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    _originalState = target->isVisible();
}

Blink* Blink::clone() const
{
    return Blink::create(_duration, _times);
}

void Blink::update(float time)
{
    if (_target && !isDone() && _times > 0)
    {
        float slice = 1.0f / _times;
        float m = fmodf(time, slice);
        _target->setVisible(m > slice / 2 ? true : false);
    }
}

Blink* Blink::reverse() const
{
    return Blink::create(_duration, _times);
}

// MARK: FadeTo / FadeIn / FadeOut

FadeTo* FadeTo::create(float duration, GLubyte opacity)
{
    return makeInterval<FadeTo>(duration, opacity);
}

bool FadeTo::initWithDuration(float duration, GLubyte opacity)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _toOpacity = opacity;
    return true;
}

FadeTo* FadeTo::clone() const
{
    return FadeTo::create(_duration, _toOpacity);
}

FadeTo* FadeTo::reverse() const
{
    return nullptr;
}

void FadeTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    if (target)
        _fromOpacity = target->getOpacity();
}

void FadeTo::update(float time)
{
    if (_target)
        _target->setOpacity((GLubyte)(_fromOpacity + (_toOpacity - _fromOpacity) * time));
}

FadeIn* FadeIn::create(float d)
{
    FadeIn* action = new (std::nothrow) FadeIn();
    if (action && action->initWithDuration(d, 255))
    {
        action->autorelease();
        return action;
    }
    delete action;
    return nullptr;
}

FadeIn* FadeIn::clone() const
{
    return FadeIn::create(_duration);
}

void FadeIn::setReverseAction(FadeTo* ac)
{
    _reverseAction = ac;
}

FadeTo* FadeIn::reverse() const
{
    auto action = FadeOut::create(_duration);
    action->setReverseAction(const_cast<FadeIn*>(this));
    return action;
}

void FadeIn::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    if (nullptr != _reverseAction)
        this->_toOpacity = _reverseAction->_fromOpacity;
    else
        _toOpacity = 255;
    if (target)
        _fromOpacity = target->getOpacity();
}

FadeOut* FadeOut::create(float d)
{
    FadeOut* action = new (std::nothrow) FadeOut();
    if (action && action->initWithDuration(d, 0))
    {
        action->autorelease();
        return action;
    }
    delete action;
    return nullptr;
}

FadeOut* FadeOut::clone() const
{
    return FadeOut::create(_duration);
}

void FadeOut::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    if (nullptr != _reverseAction)
        _toOpacity = _reverseAction->_fromOpacity;
    else
        _toOpacity = 0;
    if (target)
        _fromOpacity = target->getOpacity();
}

void FadeOut::setReverseAction(FadeTo* ac)
{
    _reverseAction = ac;
}

FadeTo* FadeOut::reverse() const
{
    auto action = FadeIn::create(_duration);
    action->setReverseAction(const_cast<FadeOut*>(this));
    return action;
}

// MARK: TintTo / TintBy

TintTo* TintTo::create(float duration, GLubyte red, GLubyte green, GLubyte blue)
{
    return makeInterval<TintTo>(duration, red, green, blue);
}

TintTo* TintTo::create(float duration, const Color3B& color)
{
    return create(duration, color.r, color.g, color.b);
}

bool TintTo::initWithDuration(float duration, GLubyte red, GLubyte green, GLubyte blue)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _to = Color3B(red, green, blue);
    return true;
}

TintTo* TintTo::clone() const
{
    return TintTo::create(_duration, _to.r, _to.g, _to.b);
}

TintTo* TintTo::reverse() const
{
    return nullptr;
}

void TintTo::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    if (_target)
        _from = _target->getColor();
}

void TintTo::update(float time)
{
    if (_target)
    {
        _target->setColor(Color3B(GLubyte(_from.r + (_to.r - _from.r) * time),
                                  (GLubyte)(_from.g + (_to.g - _from.g) * time),
                                  (GLubyte)(_from.b + (_to.b - _from.b) * time)));
    }
}

TintBy* TintBy::create(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue)
{
    return makeInterval<TintBy>(duration, deltaRed, deltaGreen, deltaBlue);
}

bool TintBy::initWithDuration(float duration, GLshort deltaRed, GLshort deltaGreen, GLshort deltaBlue)
{
    if (!ActionInterval::initWithDuration(duration))
        return false;
    _deltaR = deltaRed;
    _deltaG = deltaGreen;
    _deltaB = deltaBlue;
    return true;
}

TintBy* TintBy::clone() const
{
    return TintBy::create(_duration, _deltaR, _deltaG, _deltaB);
}

void TintBy::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    if (target)
    {
        Color3B color = target->getColor();
        _fromR = color.r;
        _fromG = color.g;
        _fromB = color.b;
    }
}

void TintBy::update(float time)
{
    if (_target)
    {
        _target->setColor(Color3B((GLubyte)(_fromR + _deltaR * time), (GLubyte)(_fromG + _deltaG * time),
                                  (GLubyte)(_fromB + _deltaB * time)));
    }
}

TintBy* TintBy::reverse() const
{
    return TintBy::create(_duration, -_deltaR, -_deltaG, -_deltaB);
}


NS_CC_END
