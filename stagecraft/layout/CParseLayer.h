// The layer a layout file is parsed into and the base of the game's screens.
// It finds widgets by their layout name, changes named widgets through a few
// shortcuts, receives the began/moved/ended events of every button parsed
// into it (and hands them to the handlers registered on its own callback
// record), and turns mouse, touch and key input into a small set of hooks
// that screens override.
#pragma once

#include <string>

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "widgets/CSpriteButton.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CParseLayer : public cocos2d::Layer, public CSpriteInterface {
public:
    // Autoreleased; null when the layer cannot be initialised.
    static CParseLayer* create();

    CParseLayer();
    ~CParseLayer() override;

    // Hooks, in this order. InitNodeInterface is told about every widget the
    // parser builds for this layer (labels twice); the touch hooks take a
    // point (node space for the mouse, world space for touches) and the mouse
    // button's code (0 for touches).
    virtual void InitNodeInterface(cocos2d::Node* node);
    virtual bool TzTouchBegan(cocos2d::Vec2 point, int button);
    virtual void TzTouchMoved(cocos2d::Vec2 point, int button);
    virtual void TzTouchEnded(cocos2d::Vec2 point, int button);
    virtual void TzTouchScroll(cocos2d::Vec2 point, int button);
    virtual void TzTouchCancel(cocos2d::Vec2 point, int button);
    virtual void TzKeyMenuClick(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event);

    void onEnter() override;
    void onExit() override;
    // Both call TzKeyMenuClick.
    void onKeyPressed(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event) override;
    void onKeyRelease(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event);

    // The design resolution of the layout parsed into this layer (0 until then).
    void SetDesignWidth(float width) { m_fDesignWidth = width; }
    void SetDesignHeight(float height) { m_fDesignHeight = height; }
    float GetDesignWidth() const { return m_fDesignWidth; }
    float GetDesignHeight() const { return m_fDesignHeight; }

    // Finding widgets. Depth first under parent (this layer when parent is
    // null at depth 0; nothing when parent is null deeper down), in child
    // order, through scroll views' containers; nodes without a layout record
    // are skipped with what lies below them. The first whole, case-sensitive
    // match of the layout name wins.
    cocos2d::Node* GetNodeWithName(const std::string& name, cocos2d::Node* parent = nullptr, int depth = 0);
    // Removes the named widget from its parent; an index other than -1 is
    // appended to the name in decimal.
    void RemoveNodeWithName(const std::string& name, int index = -1);
    bool GetNodeVisible(const std::string& name);
    void SetNodeVisible(const std::string& name, bool visible);

    // Shortcuts on named widgets; each does nothing when the name finds no
    // widget of the class it serves.
    void SetButtonStatusWithEnum(const std::string& name, const std::string& file, int count,
                                 CSpriteButton::BUTTON_ENUM status);
    void SetButtonShowEnum(const std::string& name, CSpriteButton::BUTTON_ENUM status);
    void SetButtonShowEnum(const std::string& name, int index, CSpriteButton::BUTTON_ENUM status);
    void SetButtonEnable(const std::string& name, bool enable, int index = -1);
    void SetImageTexture(const std::string& name, cocos2d::Texture2D* texture, cocos2d::Rect rect);
    void SetImageFile(const std::string& name, const std::string& file);
    void SetLabelStringEvent(const std::string& name, const std::string& text);
    void SetLabelStringWithNumber(const std::string& name, int number);
    void SetLabelAtlasScore(const std::string& name, int number);
    // Kept for games written against them; they change nothing.
    void SetLabelStringWithScore(const std::string& name, long long score, int model);
    void SetBoxEditWithText(const std::string& name, const std::string& text);
    void SetBoxEditTouchBeganEvent(const std::string& name, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetBoxEditTouchMovedEvent(const std::string& name, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetBoxEditTouchEndedEvent(const std::string& name, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetAllButtonPriority(int priority);

    // Every parsed button reports here; each forwards to the handler of the
    // same phase on this layer's own callback record, when one is set.
    void ccParseLayerButtonBegan(cocos2d::Node* button);
    void ccParseLayerButtonMoved(cocos2d::Node* button);
    void ccParseLayerButtonEnded(cocos2d::Node* button);

    // One named button's own handler. A target other than this layer drops
    // the button's other handlers (it no longer reports here).
    void SetButtonTouchBeganEvent(const std::string& name, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetButtonTouchMovedEvent(const std::string& name, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    void SetButtonTouchEndedEvent(const std::string& name, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler);
    // The handler on every button below parent (this layer's children at
    // depth 0), whether or not the nodes on the way carry a layout record.
    void SetAllButtonTouchBeganEvent(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler,
                                     cocos2d::Node* parent = nullptr, int depth = 0);
    void SetAllButtonTouchMovedEvent(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler,
                                     cocos2d::Node* parent = nullptr, int depth = 0);
    void SetAllButtonTouchEndedEvent(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler,
                                     cocos2d::Node* parent = nullptr, int depth = 0);

    // Input. RegisterTouchOrMouse listens to the mouse, RegisterKeyMenuClick
    // to the keyboard (press and release both reach TzKeyMenuClick); the
    // touch handlers serve a one-by-one touch listener the screen makes.
    void RegisterTouchOrMouse();
    void RegisterKeyMenuClick();
    bool OnTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchCancel(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnMouseDown(cocos2d::EventMouse* event);
    void OnMouseUp(cocos2d::EventMouse* event);
    void OnMouseMove(cocos2d::EventMouse* event);
    void OnMouseScroll(cocos2d::EventMouse* event);

    // Centres a design-size layer in the scene.
    void SetAutoPosition();
    // Moves or stretches a node the screen made itself by its layout name.
    void SetAutoPosition(cocos2d::Node* node);

private:
    // Visible up to the root and not locked out by another owner's press.
    bool AcceptsPress() const;
    cocos2d::Vec2 CursorInNodeSpace(cocos2d::EventMouse* event) const;
    CSpriteButton* FindButton(const std::string& name, int index);
    void SetAllButtonEvent(int phase, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler, cocos2d::Node* parent,
                           int depth);

    float m_fDesignWidth;
    float m_fDesignHeight;
};
