#ifndef __EXTENSIONMARCROS_H__
#define __EXTENSIONMARCROS_H__

#include "platform/CCPlatformMacros.h"

#define NS_CC_EXT_BEGIN                     \
    namespace cocos2d {                     \
    namespace extension {
#define NS_CC_EXT_END                       \
    }                                       \
    }
#define USING_NS_CC_EXT using namespace cocos2d::extension

// The extensions live in the engine library itself.
#define CC_EX_DLL CC_DLL

#endif
