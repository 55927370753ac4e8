#include "base/CCEventTouch.h"

NS_CC_BEGIN

const int EventTouch::MAX_TOUCHES;

EventTouch::EventTouch()
: Event(Type::TOUCH)
, _eventCode(EventCode::BEGAN)
{
    _touches.reserve(MAX_TOUCHES);
}

NS_CC_END
