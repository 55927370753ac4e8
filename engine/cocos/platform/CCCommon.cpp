#include "platform/CCCommon.h"
#include "base/CCConsole.h"

NS_CC_BEGIN

void MessageBox(const char* msg, const char* title)
{
    log("%s: %s", title ? title : "", msg ? msg : "");
}

NS_CC_END
