#ifndef __cocos2d_libs__CCKeyboardEventListener__
#define __cocos2d_libs__CCKeyboardEventListener__

#include "base/CCEventKeyboard.h"
#include "base/CCEventListener.h"

NS_CC_BEGIN

class CC_DLL EventListenerKeyboard : public EventListener
{
public:
    static const std::string LISTENER_ID;

    static EventListenerKeyboard* create();

    virtual EventListenerKeyboard* clone() override;
    virtual bool checkAvailable() override;

    std::function<void(EventKeyboard::KeyCode, Event*)> onKeyPressed;
    std::function<void(EventKeyboard::KeyCode, Event*)> onKeyReleased;

    EventListenerKeyboard();
    bool init();
};

NS_CC_END

#endif
