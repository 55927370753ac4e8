#ifndef __CC_IME_DELEGATE_H__
#define __CC_IME_DELEGATE_H__

#include <string>

#include "base/CCEventKeyboard.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

typedef struct
{
    Rect begin; // the soft keyboard's rectangle when the animation begins
    Rect end;   // the soft keyboard's rectangle when the animation ends
    float duration;
} IMEKeyboardNotificationInfo;

/** Something that can take text from the input method. It registers with the
 *  dispatcher when made and leaves it when destroyed. */
class CC_DLL IMEDelegate
{
public:
    virtual ~IMEDelegate();

    /** Asks to receive the input method's text; true when this now has it. */
    virtual bool attachWithIME();
    /** Gives the input method up; true when it was given up. */
    virtual bool detachWithIME();

protected:
    friend class IMEDispatcher;

    virtual bool canAttachWithIME() { return false; }
    virtual void didAttachWithIME() {}
    virtual bool canDetachWithIME() { return false; }
    virtual void didDetachWithIME() {}

    virtual void insertText(const char* /*text*/, size_t /*len*/) {}
    virtual void deleteBackward() {}
    virtual void controlKey(EventKeyboard::KeyCode /*keyCode*/) {}
    virtual const std::string& getContentText();

    virtual void keyboardWillShow(IMEKeyboardNotificationInfo& /*info*/) {}
    virtual void keyboardDidShow(IMEKeyboardNotificationInfo& /*info*/) {}
    virtual void keyboardWillHide(IMEKeyboardNotificationInfo& /*info*/) {}
    virtual void keyboardDidHide(IMEKeyboardNotificationInfo& /*info*/) {}

protected:
    IMEDelegate();
};

NS_CC_END

#endif
