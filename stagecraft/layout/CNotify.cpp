#include "layout/CNotify.h"

CNotify::CNotify() = default;

CNotify::~CNotify() = default;

CNotify* CNotify::create()
{
    CNotify* notify = new CNotify();
    notify->autorelease();
    return notify;
}

CNotify* CNotify::create(const std::string& text1, const std::string& text2, const std::string& text3)
{
    CNotify* notify = create();
    notify->m_strParamText1 = text1;
    notify->m_strParamText2 = text2;
    notify->m_strParamText3 = text3;
    return notify;
}

void PostLayerNotification(std::string text)
{
    PostNotification(LAYER_NOTIFY_NAME, text, std::string());
}

void PostNotification(std::string name, std::string text1, std::string text2)
{
    cocos2d::__NotificationCenter::getInstance()->postNotification(name, CNotify::create(text1, text2, std::string()));
}

void PostNotification(std::string name, std::string text1, CNotify* notify)
{
    if (notify == nullptr) {
        PostNotification(name, text1, std::string());
        return;
    }
    notify->m_strParamText1 = text1;
    cocos2d::__NotificationCenter::getInstance()->postNotification(name, notify);
}

