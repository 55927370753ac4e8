#include "base/CCTouch.h"
#include "base/CCDirector.h"

NS_CC_BEGIN

Touch::Touch()
: _id(0)
, _startPointCaptured(false)
, _curForce(0.f)
, _maxForce(0.f)
{
}

Vec2 Touch::getLocationInView() const
{
    return _point;
}

Vec2 Touch::getPreviousLocationInView() const
{
    return _prevPoint;
}

Vec2 Touch::getStartLocationInView() const
{
    return _startPoint;
}

Vec2 Touch::getLocation() const
{
    return Director::getInstance()->convertToGL(_point);
}

Vec2 Touch::getPreviousLocation() const
{
    return Director::getInstance()->convertToGL(_prevPoint);
}

Vec2 Touch::getStartLocation() const
{
    return Director::getInstance()->convertToGL(_startPoint);
}

Vec2 Touch::getDelta() const
{
    return getLocation() - getPreviousLocation();
}

void Touch::setTouchInfo(int id, float x, float y)
{
    _id = id;
    _prevPoint = _point;
    _point.x = x;
    _point.y = y;
    _curForce = 0.0f;
    _maxForce = 0.0f;
    if (!_startPointCaptured)
    {
        _startPoint = _point;
        _startPointCaptured = true;
        _prevPoint = _point;
    }
}

void Touch::setTouchInfo(int id, float x, float y, float force, float maxForce)
{
    setTouchInfo(id, x, y);
    _curForce = force;
    _maxForce = maxForce;
}

NS_CC_END
