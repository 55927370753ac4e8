#ifndef __COCOS2D_EXT_H__
#define __COCOS2D_EXT_H__

#include "extensions/ExtensionMacros.h"

#include "extensions/GUI/CCControlExtension/CCControlExtensions.h"
#include "extensions/GUI/CCScrollView/CCScrollView.h"

#endif
