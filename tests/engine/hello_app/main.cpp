#include "AppDelegate.h"
#include "cocos2d.h"

USING_NS_CC;

int main(int argc, char** argv)
{
    CC_UNUSED_PARAM(argc);
    CC_UNUSED_PARAM(argv);
    AppDelegate app;
    return Application::getInstance()->run();
}
