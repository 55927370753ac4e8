#ifndef __CC_PLATFORM_DEFINE_H__
#define __CC_PLATFORM_DEFINE_H__

#include "platform/CCPlatformConfig.h"
#include <assert.h>

#if defined(_WIN32)
#if defined(CC_ENGINE_BUILDING)
#define CC_DLL __declspec(dllexport)
#else
#define CC_DLL __declspec(dllimport)
#endif
#else
#define CC_DLL __attribute__((visibility("default")))
#endif

#if defined(COCOS2D_DEBUG) && COCOS2D_DEBUG > 0
#define CC_ASSERT(cond) assert(cond)
#else
#define CC_ASSERT(cond)
#endif

#define CC_UNUSED_PARAM(unusedparam) (void)unusedparam

#ifndef NULL
#define NULL 0
#endif

#endif
