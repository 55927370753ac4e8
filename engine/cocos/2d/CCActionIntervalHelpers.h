#ifndef __ACTION_CCINTERVAL_HELPERS_H__
#define __ACTION_CCINTERVAL_HELPERS_H__

#include <new>
#include <utility>
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// new + initWithDuration(args) + autorelease, null when init fails.
template<class T, class... Args>
inline T* makeInterval(Args&&... args)
{
    T* action = new (std::nothrow) T();
    if (action && action->initWithDuration(std::forward<Args>(args)...))
    {
        action->autorelease();
        return action;
    }
    delete action;
    return nullptr;
}

NS_CC_END

#endif
