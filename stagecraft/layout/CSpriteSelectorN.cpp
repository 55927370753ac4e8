#include "layout/CSpriteSelectorN.h"

CSpriteSelectorN::CSpriteSelectorN()
{
    ResetSpriteSelector();
}

CSpriteSelectorN::~CSpriteSelectorN() = default;

void CSpriteSelectorN::InitSpriteSelector()
{
    ResetSpriteSelector();
}

void CSpriteSelectorN::SetInterfaceNotify(cocos2d::Node*) {}

void CSpriteSelectorN::ResetSpriteSelector()
{
    m_pSelectorBegan = nullptr;
    m_pSelectorMoved = nullptr;
    m_pSelectorEnded = nullptr;
    m_pSelectorScroll = nullptr;
    m_nTouchPriority = 0;
    m_bTouchActive = false;
    m_nSelectorData = 0;
    m_sSelectorPoint = cocos2d::Vec2(0.0f, 0.0f);
    m_pSelectorTarget = nullptr;
}

void CSpriteSelectorN::ChangeTarget(cocos2d::Ref* target)
{
    if (m_pSelectorTarget != nullptr && m_pSelectorTarget != target)
        ResetSpriteSelector();
    m_pSelectorTarget = target;
}

void CSpriteSelectorN::SetSelectorBegan(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler)
{
    ChangeTarget(target);
    m_pSelectorBegan = handler;
}

void CSpriteSelectorN::SetSelectorMoved(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler)
{
    ChangeTarget(target);
    m_pSelectorMoved = handler;
}

void CSpriteSelectorN::SetSelectorEnded(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler)
{
    ChangeTarget(target);
    m_pSelectorEnded = handler;
}

void CSpriteSelectorN::SetSelectorScroll(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler)
{
    ChangeTarget(target);
    m_pSelectorScroll = handler;
}

bool CSpriteSelectorN::Call(cocos2d::SEL_CallFuncN handler, cocos2d::Node* node) const
{
    if (m_pSelectorTarget == nullptr || handler == nullptr)
        return false;
    (m_pSelectorTarget->*handler)(node);
    return true;
}
