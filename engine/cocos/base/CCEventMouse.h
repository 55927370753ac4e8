#ifndef __cocos2d_libs__CCMouseEvent__
#define __cocos2d_libs__CCMouseEvent__

#include "base/CCEvent.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

// A mouse button, move or wheel event. The cursor position (getCursorX/Y) is
// in the scene's coordinates (origin bottom left, design units); the
// locations read it as a window point (see getLocation).
class CC_DLL EventMouse : public Event
{
public:
    enum class MouseEventType
    {
        MOUSE_NONE,
        MOUSE_DOWN,
        MOUSE_UP,
        MOUSE_MOVE,
        MOUSE_SCROLL,
    };

    enum class MouseButton
    {
        BUTTON_UNSET = -1,
        BUTTON_LEFT = 0,
        BUTTON_RIGHT = 1,
        BUTTON_MIDDLE = 2,
        BUTTON_4 = 3,
        BUTTON_5 = 4,
        BUTTON_6 = 5,
        BUTTON_7 = 6,
        BUTTON_8 = 7
    };

    EventMouse(MouseEventType mouseEventCode);

    void setScrollData(float scrollX, float scrollY) { _scrollX = scrollX; _scrollY = scrollY; }
    float getScrollX() const { return _scrollX; }
    float getScrollY() const { return _scrollY; }

    void setCursorPosition(float x, float y);
    void setMouseButton(MouseButton button) { _mouseButton = button; }
    MouseButton getMouseButton() const { return _mouseButton; }
    float getCursorX() const { return _x; }
    float getCursorY() const { return _y; }

    Vec2 getLocation() const;
    Vec2 getPreviousLocation() const;
    Vec2 getStartLocation() const;
    Vec2 getDelta() const;
    Vec2 getLocationInView() const;
    Vec2 getPreviousLocationInView() const;
    Vec2 getStartLocationInView() const;

private:
    MouseEventType _mouseEventType;
    MouseButton _mouseButton;
    float _x;
    float _y;
    float _scrollX;
    float _scrollY;
    bool _startPointCaptured;
    Vec2 _startPoint;
    Vec2 _point;
    Vec2 _prevPoint;

    friend class EventListenerMouse;
};

NS_CC_END

#endif
