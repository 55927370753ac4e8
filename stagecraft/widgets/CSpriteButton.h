// The platform's push button: a sprite that shows the look of its state
// (normal, pressed, hover, selected, disabled), optionally a toggled second
// look, a nine-slice background and a text label. It takes touch and mouse
// input, keeps one press at a time across the scene through the class-wide
// statics, reports began/moved/ended through its callback record and has a
// long-press callback.
#pragma once

#include <string>

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "widgets/CGreyScaleLook.h"
#include "StagecraftExport.h"

class CCScale9SpriteEx;
class CSpriteLabel;

class STAGECRAFT_API CSpriteButton : public cocos2d::Sprite, public CSpriteInterface {
public:
    enum BUTTON_ENUM {
        BUTTON_NORMAL = 0,
        BUTTON_PRESSED = 1,
        BUTTON_HOVER = 2,
        BUTTON_SELECTED = 3,
        BUTTON_DISABLED = 4,
        BUTTON_TOGGLE = 5, // a texture slot only: the toggled look
        BUTTON_STRIP = 100, // loading only: every look cut from one strip
    };
    enum SELECT_TYPE {
        SELECT_NONE = 0,
        SELECT_COLOR = 1,
        SELECT_SCALE = 2,
    };

    // A scroll view is being dragged: buttons claim touches without reacting.
    static bool m_bScroll;
    // Factor on the resting scale in the pressed and selected looks.
    static float m_fScaleValue;
    // The node that owns the press in progress.
    static cocos2d::Node* m_pButtonLock;
    // The node that owns the current hover or drag.
    static cocos2d::Node* m_pButtonMoved;

    static CSpriteButton* create();
    static CSpriteButton* create(const std::string& file, int count, BUTTON_ENUM state);
    static CSpriteButton* create(const std::string& scale9File, const std::string& text, const std::string& fontName,
                                 float fontSize);

    // Textures. A count of 0 or below loads nothing.
    void SetButtonFileStatus(const std::string& file, int count, BUTTON_ENUM state);
    void SetButtonFileStatus(cocos2d::Texture2D* texture, int count, BUTTON_ENUM state);
    void SetButtonFileStatus(const std::string& file, cocos2d::Rect rect, BUTTON_ENUM state);
    void SetButtonTextureEnum(cocos2d::Texture2D* texture, cocos2d::Rect rect, BUTTON_ENUM state);
    void SetButtonToggleFile(const std::string& file, int count, BUTTON_ENUM state);
    // The toggled look is frame index of the normal look's strip; nothing
    // without a normal look or for a frame outside the strip.
    void SetButtonToggleWithIndex(int index);

    // Label and background.
    void SetButtonScale9File(const std::string& file);
    void SetButtobLabel(const std::string& text, std::string fontName, float fontSize);
    void SetButtonScale9Label(const std::string& scale9File, const std::string& text, std::string fontName,
                              float fontSize);
    void SetScale9RelativeSize(cocos2d::Size size);
    cocos2d::Size GetScale9RelativeSize() const { return m_sRelativeSize; }
    void setContentSize(const cocos2d::Size& size) override;
    CCScale9SpriteEx* GetScale9() const { return m_pScale9; }
    CSpriteLabel* GetLabel() const { return m_pLabel; }

    // State and look.
    void SetButtonShowEnum(BUTTON_ENUM state);
    BUTTON_ENUM GetButtonStatus() const { return m_eButtonStatus; }
    void SetSelectType(SELECT_TYPE type) { m_eSelectType = type; }
    SELECT_TYPE GetSelectType() const { return m_eSelectType; }
    void SetButtonType(int type) { m_nButtonType = type; }
    int GetButtonType() const { return m_nButtonType; }
    void SetEnableTouch(bool on);
    bool GetEnableTouch() const { return m_bEnableTouch; }
    void SetSwallowTouches(bool swallow);
    bool GetSwallowTouches() const { return m_bSwallowTouches; }
    void SetGreyScale(bool on);
    bool GetGreyScale() const { return m_GreyScale.IsOn(); }
    void SetToggle(bool toggled) { m_bToggled = toggled; }
    bool GetToggle() const { return m_bToggled; }
    void SetEnableToggle(bool on);
    bool GetEnableToggle() const { return m_bToggleEnabled; }
    void SetColorSelect(const cocos2d::Color3B& colour);
    void SetColorNormal(const cocos2d::Color3B& colour);
    void SetColorDisable(const cocos2d::Color3B& colour);
    const cocos2d::Color3B& GetColorSelect() const { return m_sColorSelect; }
    const cocos2d::Color3B& GetColorNormal() const { return m_sColorNormal; }
    const cocos2d::Color3B& GetColorDisable() const { return m_sColorDisable; }
    void SetConstScaleX(float scale) { m_fConstScaleX = scale; }
    void SetConstScaleY(float scale) { m_fConstScaleY = scale; }
    float GetConstScaleX() const { return m_fConstScaleX; }
    float GetConstScaleY() const { return m_fConstScaleY; }
    float GetFrameWidth() const { return m_fFrameWidth; }
    float GetFrameHeight() const { return m_fFrameHeight; }
    bool GetButtonSelect() const { return m_bPressed; }
    cocos2d::Rect getRect() const;
    // The holder of a look's texture and rect (null when not loaded).
    CSpriteButton* GetStateSprite(BUTTON_ENUM state) const;
    CSpriteButton* GetToggleSprite() const { return m_pToggleSprite; }

    // Long press: called on target with the button after half a second held,
    // and (ended) when such a press is let go.
    void setLongPressedCallback(cocos2d::Ref* target, cocos2d::SEL_CallFuncN callback);
    void setLongPressedEndedCallback(cocos2d::Ref* target, cocos2d::SEL_CallFuncN callback);

    // Input.
    void onEnter() override;
    void onExit() override;
    bool OnTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnTouchCancel(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnMouseMove(cocos2d::Event* event);
    // point in node space; button 0 for touches, the mouse button's code otherwise.
    bool TzTouchBegan(cocos2d::Vec2 point, int button);
    void TzTouchMoved(cocos2d::Vec2 point, int button);
    void TzTouchEnded(cocos2d::Vec2 point, int button);
    void TzTouchCancel(cocos2d::Vec2 point, int button);
    void schedulePressedTime(float dt);
    void undoLongPressButton();

    void draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) override;

    CSpriteButton();
    ~CSpriteButton() override;

private:
    static const int STATE_COUNT = 5;

    // A new holder showing rect of texture, retained into slot (old one released).
    static void ReplaceHolder(CSpriteButton*& slot, cocos2d::Texture2D* texture, const cocos2d::Rect& rect);
    void ShowSprite(const cocos2d::Sprite* source);
    bool AncestorHidden() const;
    // Tints the label and the background (null leaves one as it is); a
    // button with neither takes own itself.
    void TintParts(const cocos2d::Color3B* label, const cocos2d::Color3B* background, const cocos2d::Color3B& own);
    void RestScale(float factor);
    void FitLabel();
    // Gives up m_pButtonMoved when this button holds it.
    void DropHover();
    // Gives up the press, the hover and a pending long press.
    void ReleaseInput();

    CSpriteButton* m_pStateSprite[STATE_COUNT];
    CSpriteButton* m_pToggleSprite;
    float m_fFrameWidth;
    float m_fFrameHeight;
    float m_fConstScaleX;
    float m_fConstScaleY;
    CSpriteLabel* m_pLabel;
    CCScale9SpriteEx* m_pScale9;
    cocos2d::Size m_sRelativeSize;
    BUTTON_ENUM m_eButtonStatus;
    int m_nButtonType;
    SELECT_TYPE m_eSelectType;
    bool m_bPressed;
    bool m_bToggleEnabled;
    bool m_bToggled;
    bool m_bEnableTouch;
    bool m_bSwallowTouches;
    bool m_bLongPressFired;
    cocos2d::EventListenerTouchOneByOne* m_pTouchListener;
    cocos2d::EventListenerMouse* m_pMouseListener;
    cocos2d::Color3B m_sColorSelect;
    cocos2d::Color3B m_sColorNormal;
    cocos2d::Color3B m_sColorDisable;
    CGreyScaleLook m_GreyScale;
    float m_fPressedTime;
    cocos2d::Ref* m_pLongPressTarget;
    cocos2d::SEL_CallFuncN m_pLongPressed;
    cocos2d::SEL_CallFuncN m_pLongPressedEnded;
};
