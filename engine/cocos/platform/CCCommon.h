#ifndef __CC_COMMON_H__
#define __CC_COMMON_H__

#include "platform/CCPlatformMacros.h"

// windows.h names its own message box function MessageBox.
#ifdef MessageBox
#undef MessageBox
#endif

NS_CC_BEGIN

// Without a screen a message box goes to the log.
void CC_DLL MessageBox(const char* msg, const char* title);

enum class LanguageType
{
    ENGLISH = 0,
    CHINESE,
    FRENCH,
    ITALIAN,
    GERMAN,
    SPANISH,
    DUTCH,
    RUSSIAN,
    KOREAN,
    JAPANESE,
    HUNGARIAN,
    PORTUGUESE,
    ARABIC,
    NORWEGIAN,
    POLISH,
    TURKISH,
    UKRAINIAN,
    ROMANIAN,
    BULGARIAN
};

NS_CC_END

#endif
