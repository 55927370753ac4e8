#include "base/CCEventMouse.h"
#include "base/CCDirector.h"

NS_CC_BEGIN

EventMouse::EventMouse(MouseEventType mouseEventCode)
: Event(Type::MOUSE)
, _mouseEventType(mouseEventCode)
, _mouseButton(MouseButton::BUTTON_UNSET)
, _x(0.0f)
, _y(0.0f)
, _scrollX(0.0f)
, _scrollY(0.0f)
, _startPointCaptured(false)
{
}

void EventMouse::setCursorPosition(float x, float y)
{
    _x = x;
    _y = y;
    _prevPoint = _point;
    _point.x = x;
    _point.y = y;
    if (!_startPointCaptured)
    {
        _startPoint = _point;
        _startPointCaptured = true;
    }
}

// The cursor is already in the scene's coordinates; the locations convert it
// once more as if it were a window point (origin top left), so getLocation
// has y mirrored and the "in view" locations are the cursor itself. Code
// wanting the scene point reads getCursorX/getCursorY.
Vec2 EventMouse::getLocation() const
{
    return Director::getInstance()->convertToGL(_point);
}

Vec2 EventMouse::getPreviousLocation() const
{
    return Director::getInstance()->convertToGL(_prevPoint);
}

Vec2 EventMouse::getStartLocation() const
{
    return Director::getInstance()->convertToGL(_startPoint);
}

Vec2 EventMouse::getDelta() const
{
    return getLocation() - getPreviousLocation();
}

Vec2 EventMouse::getLocationInView() const
{
    return _point;
}

Vec2 EventMouse::getPreviousLocationInView() const
{
    return _prevPoint;
}

Vec2 EventMouse::getStartLocationInView() const
{
    return _startPoint;
}

NS_CC_END
