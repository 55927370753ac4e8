#ifndef __CCCONTROL_EXTENSIONS_H__
#define __CCCONTROL_EXTENSIONS_H__

#include "extensions/GUI/CCControlExtension/CCControl.h"
#include "extensions/GUI/CCControlExtension/CCControlSlider.h"
#include "extensions/GUI/CCControlExtension/CCInvocation.h"

#endif
