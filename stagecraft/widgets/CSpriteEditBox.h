// A single-line text input for desktop and mobile builds. The box keeps its
// own text and caret and draws the text with its own label, clipped to the
// box; an engine text field serves only as the bridge to the input method.
// A touch places the caret, long text scrolls so that its end stays in view,
// insertions stop at a byte limit, password boxes show one "*" per byte, and
// at most one box has the input method open at a time.
#pragma once

#include <functional>
#include <string>

#include "cocos2d.h"
#include "ui/UIEditBox/UIEditBox.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class CSpriteLabel;

class STAGECRAFT_API CSpriteEditBox : public cocos2d::Layer,
                                      public cocos2d::TextFieldDelegate,
                                      public CSpriteInterface {
public:
    // The box whose input method is open, or null.
    static CSpriteEditBox* m_pOpenEditBox;

    CSpriteEditBox();
    ~CSpriteEditBox() override;

    static CSpriteEditBox* create();
    bool init() override;
    void RegisterTouchEvent();

    void setText(const char* text);
    // The text (UTF-8) and its length in bytes.
    std::string GetText() const;
    int GetTextLength() const;
    // Shown greyed while the box is empty.
    void setPlaceHolder(const char* text);
    // PASSWORD turns secure entry on; the other flags change nothing.
    void setInputFlag(cocos2d::ui::EditBox::InputFlag flag);
    // Insertions that would make the text longer than this many bytes are refused.
    void setMaxLength(int bytes) { m_nMaxLength = bytes; }
    int getMaxLength() const { return m_nMaxLength; }
    void setFontName(const char* name);
    void setFontSize(int size);
    void setFontColor(const cocos2d::Color3B& color);
    std::string getTextFieldFontName() const;
    float getTextFieldFontSize() const;
    void setContentSize(const cocos2d::Size& size) override;

    void SetEnableInput(bool enable) { m_bEnableInput = enable; }
    void SetEditBeganClear(bool clear) { m_bEditBeganClear = clear; }
    void SetInputSucceed(bool succeed) { m_bInputSucceed = succeed; }
    bool GetInputSucceed() const { return m_bInputSucceed; }
    cocos2d::EventKeyboard::KeyCode GetInputCode() const { return m_eInputCode; }
    bool IsIMEOpen() const { return m_bOpenIME; }
    int GetCursorOffset() const { return m_nCursorOffset; }
    cocos2d::Node* GetCursor() const { return m_pCursor; }
    CSpriteLabel* GetDisplayLabel() const { return m_pDisplayLabel; }

    void OpenIME();
    void CloseIME();
    // Shows the text (or the placeholder, or one "*" per byte in a password
    // box) in the display label and places the caret again.
    void SetEntry();
    // Moves the caret by delta bytes and scrolls the text to keep its end in view.
    void SetCursorOffsetLenth(int delta);
    // Puts the caret at the character boundary nearest to a point in the box.
    void LogicTouchCurPos(cocos2d::Vec2 point);

    virtual bool TzTouchBegan(cocos2d::Touch* touch, cocos2d::Event* event);
    virtual void TzTouchMoved(cocos2d::Touch* touch, cocos2d::Event* event);
    virtual void TzTouchEnded(cocos2d::Touch* touch, cocos2d::Event* event);
    virtual void TzTouchCancelled(cocos2d::Touch* touch, cocos2d::Event* event);
    void OnKeyPressed(cocos2d::EventKeyboard::KeyCode code, cocos2d::Event* event);

    bool onTextFieldAttachWithIME(cocos2d::TextFieldTTF* sender) override;
    bool onTextFieldDetachWithIME(cocos2d::TextFieldTTF* sender) override;
    bool onTextFieldInsertText(cocos2d::TextFieldTTF* sender, const char* text, size_t length) override;
    bool onTextFieldDeleteBackward(cocos2d::TextFieldTTF* sender, const char* deleted, size_t length) override;

    void editBoxEditingDidBegin(cocos2d::ui::EditBox* editBox);
    void editBoxEditingDidEnd(cocos2d::ui::EditBox* editBox);
    void editBoxTextChanged(cocos2d::ui::EditBox* editBox, const std::string& text);
    void editBoxReturn(cocos2d::ui::EditBox* editBox);
    void setReturnType(cocos2d::ui::EditBox::KeyboardReturnType type);

    std::function<void(CSpriteEditBox*)> m_funcEditBegan;
    std::function<void(CSpriteEditBox*)> m_funcEditEnded;
    // False refuses the insertion of (text, length).
    std::function<bool(CSpriteEditBox*, const char*, size_t)> m_funcTextChanged;

private:
    // What the display label shows of the first bytes of the text.
    std::string Shown(size_t bytes) const;
    float MeasureWidth(const std::string& text);
    bool IsSecure() const;
    // The display label's string and colours for the current text.
    void ShowText();
    // Takes a new text and moves the caret by caretDelta bytes.
    void ReplaceText(const std::string& text, int caretDelta);

    CSpriteLabel* m_pMeasureLabel;        // retained, never on the scene
    CSpriteLabel* m_pDisplayLabel;        // child of the clipping node
    cocos2d::TextFieldTTF* m_pTextField;  // retained, never on the scene
    cocos2d::Sprite* m_pCursor;
    cocos2d::LayerColor* m_pStencil;
    cocos2d::ClippingNode* m_pClipping;
    std::string m_strText;
    cocos2d::Color3B m_sFontColor;
    int m_nCursorOffset;
    int m_nMaxLength;
    bool m_bInputSucceed;
    bool m_bEnableInput;
    bool m_bEditBeganClear;
    bool m_bOpenIME;
    bool m_bTouchBeganInside;
    cocos2d::EventKeyboard::KeyCode m_eInputCode;
};
