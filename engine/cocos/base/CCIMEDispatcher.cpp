#include "base/CCIMEDispatcher.h"

#include <algorithm>

#include "base/CCDirector.h"
#include "platform/CCGLView.h"

NS_CC_BEGIN

IMEDispatcher::IMEDispatcher() : _delegateWithIme(nullptr), _keyboardShown(false) {}

IMEDispatcher::~IMEDispatcher() {}

IMEDispatcher* IMEDispatcher::sharedDispatcher()
{
    static IMEDispatcher instance;
    return &instance;
}

bool IMEDispatcher::isRegistered(IMEDelegate* delegate) const
{
    return std::find(_delegates.begin(), _delegates.end(), delegate) != _delegates.end();
}

void IMEDispatcher::addDelegate(IMEDelegate* delegate)
{
    if (delegate && !isRegistered(delegate)) _delegates.push_back(delegate);
}

void IMEDispatcher::removeDelegate(IMEDelegate* delegate)
{
    if (!delegate) return;
    if (_delegateWithIme == delegate)
    {
        _delegateWithIme = nullptr;
        setKeyboardShown(false);
    }
    _delegates.erase(std::remove(_delegates.begin(), _delegates.end(), delegate), _delegates.end());
}

bool IMEDispatcher::attachDelegateWithIME(IMEDelegate* delegate)
{
    if (!delegate || !isRegistered(delegate)) return false;
    if (_delegateWithIme)
    {
        if (_delegateWithIme != delegate)
        {
            // both sides must agree to the hand-over
            if (!_delegateWithIme->canDetachWithIME() || !delegate->canAttachWithIME()) return false;
            IMEDelegate* old = _delegateWithIme;
            _delegateWithIme = nullptr;
            old->didDetachWithIME();
            _delegateWithIme = delegate;
            delegate->didAttachWithIME();
        }
        setKeyboardShown(true);
        return true;
    }
    if (!delegate->canAttachWithIME()) return false;
    _delegateWithIme = delegate;
    delegate->didAttachWithIME();
    setKeyboardShown(true);
    return true;
}

bool IMEDispatcher::detachDelegateWithIME(IMEDelegate* delegate)
{
    if (!delegate || _delegateWithIme != delegate) return false;
    if (!delegate->canDetachWithIME()) return false;
    _delegateWithIme = nullptr;
    delegate->didDetachWithIME();
    setKeyboardShown(false);
    return true;
}

void IMEDispatcher::setKeyboardShown(bool shown)
{
    if (_keyboardShown == shown) return;
    _keyboardShown = shown;
    if (GLView* view = Director::getInstance()->getOpenGLView()) view->setIMEKeyboardState(shown);
    IMEKeyboardNotificationInfo info;
    info.duration = 0;
    if (shown)
    {
        dispatchKeyboardWillShow(info);
        dispatchKeyboardDidShow(info);
    }
    else
    {
        dispatchKeyboardWillHide(info);
        dispatchKeyboardDidHide(info);
    }
}

void IMEDispatcher::dispatchInsertText(const char* text, size_t len)
{
    if (!text || len == 0 || !_delegateWithIme) return;
    _delegateWithIme->insertText(text, len);
}

void IMEDispatcher::dispatchDeleteBackward()
{
    if (_delegateWithIme) _delegateWithIme->deleteBackward();
}

void IMEDispatcher::dispatchControlKey(EventKeyboard::KeyCode keyCode)
{
    if (_delegateWithIme) _delegateWithIme->controlKey(keyCode);
}

const std::string& IMEDispatcher::getContentText()
{
    if (_delegateWithIme) return _delegateWithIme->getContentText();
    static const std::string empty;
    return empty;
}

// Notifications go to a copy of the list: a delegate may go away meanwhile.
#define IME_NOTIFY_ALL(method)                                                     \
    std::vector<IMEDelegate*> delegates(_delegates);                               \
    for (IMEDelegate* d : delegates)                                               \
        if (isRegistered(d)) d->method(info);

void IMEDispatcher::dispatchKeyboardWillShow(IMEKeyboardNotificationInfo& info) { IME_NOTIFY_ALL(keyboardWillShow) }
void IMEDispatcher::dispatchKeyboardDidShow(IMEKeyboardNotificationInfo& info) { IME_NOTIFY_ALL(keyboardDidShow) }
void IMEDispatcher::dispatchKeyboardWillHide(IMEKeyboardNotificationInfo& info) { IME_NOTIFY_ALL(keyboardWillHide) }
void IMEDispatcher::dispatchKeyboardDidHide(IMEKeyboardNotificationInfo& info) { IME_NOTIFY_ALL(keyboardDidHide) }

#undef IME_NOTIFY_ALL

NS_CC_END
