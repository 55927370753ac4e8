#ifndef __CCS_GUI_EXPORT_H__
#define __CCS_GUI_EXPORT_H__

#include "platform/CCPlatformMacros.h"

// The user-interface classes live in the engine library itself.
#define CC_GUI_DLL CC_DLL

#endif
