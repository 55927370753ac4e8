#include "base/CCIMEDelegate.h"

#include "base/CCIMEDispatcher.h"

NS_CC_BEGIN

IMEDelegate::IMEDelegate()
{
    IMEDispatcher::sharedDispatcher()->addDelegate(this);
}

IMEDelegate::~IMEDelegate()
{
    IMEDispatcher::sharedDispatcher()->removeDelegate(this);
}

bool IMEDelegate::attachWithIME()
{
    return IMEDispatcher::sharedDispatcher()->attachDelegateWithIME(this);
}

bool IMEDelegate::detachWithIME()
{
    return IMEDispatcher::sharedDispatcher()->detachDelegateWithIME(this);
}

const std::string& IMEDelegate::getContentText()
{
    static const std::string empty;
    return empty;
}

NS_CC_END
