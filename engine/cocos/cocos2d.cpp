#include "cocos2d.h"

NS_CC_BEGIN

const char* cocos2dVersion()
{
    return "cocos2d-x-3.17 (headless)";
}

NS_CC_END
