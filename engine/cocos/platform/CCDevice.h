#ifndef __CCDEVICE_H__
#define __CCDEVICE_H__

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** What the engine knows of the machine it runs on. */
class CC_DLL Device
{
public:
    /** Dots per inch of the screen: the desktop's logical 96 (there is no
     *  monitor to ask). */
    static int getDPI();

private:
    CC_DISALLOW_IMPLICIT_CONSTRUCTORS(Device);
};

NS_CC_END

#endif
