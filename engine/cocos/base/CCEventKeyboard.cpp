#include "base/CCEventKeyboard.h"

NS_CC_BEGIN

EventKeyboard::EventKeyboard(KeyCode keyCode, bool isPressed)
: Event(Type::KEYBOARD)
, _keyCode(keyCode)
, _isPressed(isPressed)
{
}

NS_CC_END
