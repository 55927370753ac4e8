// The platform's pop-up layer: swallows every touch while visible, reports
// began, moved and ended through its callback record, and removes itself
// from the scene when a tap is released outside its remove rect (typically
// the pop-up's panel), telling the select-remove target first.
#pragma once

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CCLayerEx : public cocos2d::Layer, public CSpriteInterface {
public:
    CCLayerEx();
    ~CCLayerEx() override;

    static CCLayerEx* create();
    bool init() override;
    // Defaults, then the listeners.
    void InitValue();
    void RegisterTouchEvent();

    void SetRemoveSelf(bool removeSelf) { m_bRemoveSelf = removeSelf; }
    bool GetRemoveSelf() const { return m_bRemoveSelf; }
    // The remove rect in world coordinates.
    void SetRemoveRect(cocos2d::Rect rect) { m_sRemoveRect = rect; }
    // The child with this tag gives the remove rect (-1: none).
    void SetRemoveTag(int tag) { m_nRemoveTag = tag; }
    // This node's bounds give the remove rect; also turns remove self on.
    void SetRemoveNode(cocos2d::Node* node);
    cocos2d::Node* GetRemoveNode() const { return m_pRemoveNode; }
    // The remove rect, computed afresh from the remove tag or node when there is one.
    cocos2d::Rect GetRemoveRect();
    void SetSelectRemove(cocos2d::Ref* target, cocos2d::SEL_CallFuncN callback);

    // A full-scene colour behind the content; opacity from 0 to 1.
    void SetLayerColor(cocos2d::Color4B color, float opacity);

    virtual bool OnTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event);
    virtual void OnTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event);
    virtual void OnTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event);
    virtual void OnTouchCancel(cocos2d::Touch* touch, cocos2d::Event* event);
    virtual void OnMouseMove(cocos2d::Event* event);

private:
    void SetRemoveNodeRetained(cocos2d::Node* node);

    cocos2d::Rect m_sRemoveRect;
    int m_nRemoveTag;
    cocos2d::Node* m_pRemoveNode; // retained
    cocos2d::Ref* m_pSelectRemoveTarget;
    cocos2d::SEL_CallFuncN m_pSelectRemoveCallback;
    bool m_bBeganInside;
    bool m_bRemoveSelf;
};
