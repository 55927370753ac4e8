// The machine identifier, other platforms' entry points (no effect here) and
// small engine accessors.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

// Gives the project's machine identifier a fixed placeholder when it is empty.
STAGECRAFT_API void TzGetMacAddress(unsigned short type);
// Null on this platform.
STAGECRAFT_API const char* TzGetDeviceTypeID(unsigned short type);

// Mobile platforms only; nothing happens here.
STAGECRAFT_API void TzGetMacAddress_Android(unsigned short type);
STAGECRAFT_API void TzGetMacAddress_IOS(unsigned short type);
STAGECRAFT_API void TzGetApkInfoAddress_Android(const char* package);
STAGECRAFT_API void TzStartGameWithPackageName_Android(const char* package);

STAGECRAFT_API cocos2d::UserDefault* GetUserDefault();
// Removes every child of parent whose tag is greater than tag.
STAGECRAFT_API void TzRemoveNodeChildTag(cocos2d::Node* parent, int tag);
