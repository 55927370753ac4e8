#pragma once

#include <string>
#include <vector>
#include "base/CCIMEDelegate.h"

// An input-method client that logs what the dispatcher tells it: "text:..",
// "back", "key:<code>" and the keyboard's show and hide notices.
class ImeRecorder : public cocos2d::IMEDelegate
{
public:
    bool attach() { return attachWithIME(); }
    bool detach() { return detachWithIME(); }
    std::vector<std::string> log;

protected:
    bool canAttachWithIME() override { return true; }
    bool canDetachWithIME() override { return true; }
    void insertText(const char* text, size_t len) override { log.push_back("text:" + std::string(text, len)); }
    void deleteBackward() override { log.push_back("back"); }
    void controlKey(cocos2d::EventKeyboard::KeyCode key) override
    {
        log.push_back("key:" + std::to_string(static_cast<int>(key)));
    }
    void keyboardWillShow(cocos2d::IMEKeyboardNotificationInfo&) override { log.push_back("willShow"); }
    void keyboardDidShow(cocos2d::IMEKeyboardNotificationInfo&) override { log.push_back("didShow"); }
    void keyboardWillHide(cocos2d::IMEKeyboardNotificationInfo&) override { log.push_back("willHide"); }
    void keyboardDidHide(cocos2d::IMEKeyboardNotificationInfo&) override { log.push_back("didHide"); }
};
