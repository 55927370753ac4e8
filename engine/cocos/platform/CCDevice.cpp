#include "platform/CCDevice.h"

NS_CC_BEGIN

int Device::getDPI()
{
    return 96;
}

NS_CC_END
