// Whom a widget calls when it is touched: one target and its began, moved,
// ended and scroll handlers, with the touch state the widget keeps meanwhile.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CSpriteSelectorN {
public:
    CSpriteSelectorN();
    virtual ~CSpriteSelectorN();
    virtual void InitSpriteSelector();
    virtual void SetInterfaceNotify(cocos2d::Node* node);

    // Registering a handler for another target than the one already set
    // drops the whole record first (every handler, priority, flags, point).
    void SetSelectorBegan(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetSelectorMoved(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetSelectorEnded(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetSelectorScroll(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);

    cocos2d::Ref* GetSelectorTarget() const { return m_pSelectorTarget; }
    cocos2d::SEL_CallFuncN GetSelectorBegan() const { return m_pSelectorBegan; }
    cocos2d::SEL_CallFuncN GetSelectorMoved() const { return m_pSelectorMoved; }
    cocos2d::SEL_CallFuncN GetSelectorEnded() const { return m_pSelectorEnded; }
    cocos2d::SEL_CallFuncN GetSelectorScroll() const { return m_pSelectorScroll; }

    // Call the handler on the target with node when both are set; true when called.
    bool CallSelectorBegan(cocos2d::Node* node) const { return Call(m_pSelectorBegan, node); }
    bool CallSelectorMoved(cocos2d::Node* node) const { return Call(m_pSelectorMoved, node); }
    bool CallSelectorEnded(cocos2d::Node* node) const { return Call(m_pSelectorEnded, node); }
    bool CallSelectorScroll(cocos2d::Node* node) const { return Call(m_pSelectorScroll, node); }

    void SetTouchPriority(int priority) { m_nTouchPriority = priority; }
    int GetTouchProiority() const { return m_nTouchPriority; }
    // Set by the owner while a touch or mouse press is in progress.
    void SetTouchActive(bool active) { m_bTouchActive = active; }
    bool GetTouchActive() const { return m_bTouchActive; }
    void SetSelectorPoint(cocos2d::Vec2 point) { m_sSelectorPoint = point; }
    cocos2d::Vec2 GetSelectorPoint() const { return m_sSelectorPoint; }

    void ResetSpriteSelector();

private:
    // Drops the record when target is not the one already set, then keeps target.
    void ChangeTarget(cocos2d::Ref* target);
    bool Call(cocos2d::SEL_CallFuncN handler, cocos2d::Node* node) const;

    cocos2d::SEL_CallFuncN m_pSelectorBegan;
    cocos2d::SEL_CallFuncN m_pSelectorMoved;
    cocos2d::SEL_CallFuncN m_pSelectorEnded;
    cocos2d::SEL_CallFuncN m_pSelectorScroll;
    int m_nTouchPriority;
    bool m_bTouchActive;
    int m_nSelectorData;
    cocos2d::Vec2 m_sSelectorPoint;
    cocos2d::Ref* m_pSelectorTarget;
};
