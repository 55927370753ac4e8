#include "base/CCEventListenerKeyboard.h"

NS_CC_BEGIN

const std::string EventListenerKeyboard::LISTENER_ID = "__cc_keyboard";

bool EventListenerKeyboard::checkAvailable()
{
    return onKeyPressed != nullptr || onKeyReleased != nullptr;
}

EventListenerKeyboard* EventListenerKeyboard::create()
{
    auto ret = new (std::nothrow) EventListenerKeyboard();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

EventListenerKeyboard* EventListenerKeyboard::clone()
{
    auto ret = new (std::nothrow) EventListenerKeyboard();
    if (ret && ret->init())
    {
        ret->autorelease();
        ret->onKeyPressed = onKeyPressed;
        ret->onKeyReleased = onKeyReleased;
        return ret;
    }
    delete ret;
    return nullptr;
}

EventListenerKeyboard::EventListenerKeyboard()
{
}

bool EventListenerKeyboard::init()
{
    auto listener = [this](Event* event) {
        auto keyboardEvent = static_cast<EventKeyboard*>(event);
        if (keyboardEvent->_isPressed)
        {
            if (onKeyPressed != nullptr)
                onKeyPressed(keyboardEvent->_keyCode, event);
        }
        else
        {
            if (onKeyReleased != nullptr)
                onKeyReleased(keyboardEvent->_keyCode, event);
        }
    };
    return EventListener::init(Type::KEYBOARD, LISTENER_ID, listener);
}

NS_CC_END
