#ifndef __CC_TOUCH_H__
#define __CC_TOUCH_H__

#include "base/CCRef.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

// One finger (or the left mouse button) on the screen. Locations are in the
// scene's coordinates (origin bottom left); "InView" ones in the view's
// (origin top left), both in design units.
class CC_DLL Touch : public Ref
{
public:
    enum class DispatchMode
    {
        ALL_AT_ONCE,
        ONE_BY_ONE,
    };

    Touch();

    Vec2 getLocation() const;
    Vec2 getPreviousLocation() const;
    Vec2 getStartLocation() const;
    Vec2 getDelta() const;
    Vec2 getLocationInView() const;
    Vec2 getPreviousLocationInView() const;
    Vec2 getStartLocationInView() const;

    // Sets the touch's view location; the first call is also its start.
    void setTouchInfo(int id, float x, float y);
    void setTouchInfo(int id, float x, float y, float force, float maxForce);
    int getID() const { return _id; }
    float getCurrentForce() const { return _curForce; }
    float getMaxForce() const { return _maxForce; }

private:
    int _id;
    bool _startPointCaptured;
    Vec2 _startPoint;
    Vec2 _point;
    Vec2 _prevPoint;
    float _curForce;
    float _maxForce;
};

NS_CC_END

#endif
