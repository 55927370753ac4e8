#ifndef __CC_IME_DISPATCHER_H__
#define __CC_IME_DISPATCHER_H__

#include <string>
#include <vector>

#include "base/CCIMEDelegate.h"

NS_CC_BEGIN

/** Hands the input method's text to the one delegate attached to it. The
 *  platform (or a test standing in for it) calls the dispatch functions;
 *  attaching shows the soft keyboard, detaching hides it (the view's IME
 *  keyboard state follows). */
class CC_DLL IMEDispatcher
{
public:
    static IMEDispatcher* sharedDispatcher();

    void dispatchInsertText(const char* text, size_t len);
    void dispatchDeleteBackward();
    void dispatchControlKey(EventKeyboard::KeyCode keyCode);
    const std::string& getContentText();

    void dispatchKeyboardWillShow(IMEKeyboardNotificationInfo& info);
    void dispatchKeyboardDidShow(IMEKeyboardNotificationInfo& info);
    void dispatchKeyboardWillHide(IMEKeyboardNotificationInfo& info);
    void dispatchKeyboardDidHide(IMEKeyboardNotificationInfo& info);

    bool isAnyDelegateAttachedWithIME() const { return _delegateWithIme != nullptr; }

protected:
    friend class IMEDelegate;

    void addDelegate(IMEDelegate* delegate);
    bool attachDelegateWithIME(IMEDelegate* delegate);
    bool detachDelegateWithIME(IMEDelegate* delegate);
    void removeDelegate(IMEDelegate* delegate);

private:
    IMEDispatcher();
    ~IMEDispatcher();

    bool isRegistered(IMEDelegate* delegate) const;
    void setKeyboardShown(bool shown);

    std::vector<IMEDelegate*> _delegates;
    IMEDelegate* _delegateWithIme;
    bool _keyboardShown;
};

NS_CC_END

#endif
