#ifndef __UIEDITTEXT_H__
#define __UIEDITTEXT_H__

#include <string>

#include "base/CCIMEDelegate.h"
#include "base/ccTypes.h"
#include "ui/UIWidget.h"

NS_CC_BEGIN

class Label;
class EventListenerTouchOneByOne;

namespace ui {

class EditBox;
class Scale9Sprite;

class CC_GUI_DLL EditBoxDelegate
{
public:
    enum class EditBoxEndAction
    {
        UNKNOWN,
        TAB_TO_NEXT,
        TAB_TO_PREVIOUS,
        RETURN
    };

    virtual ~EditBoxDelegate() {}

    virtual void editBoxEditingDidBegin(EditBox* /*editBox*/) {}
    CC_DEPRECATED_ATTRIBUTE virtual void editBoxEditingDidEnd(EditBox* /*editBox*/) {}
    virtual void editBoxTextChanged(EditBox* /*editBox*/, const std::string& /*text*/) {}
    virtual void editBoxReturn(EditBox* editBox) = 0;
    virtual void editBoxEditingDidEndWithAction(EditBox* /*editBox*/, EditBoxEndAction /*action*/) {}
};

/** A single-line text input over a nine-slice background. A tap inside opens
 *  the input method; typed text goes in at the end, at most maxLength
 *  characters (negative: no limit); a new line ends editing (the delegate
 *  hears editBoxReturn and the end of editing). The password flag shows
 *  one "*" per character. */
class CC_GUI_DLL EditBox : public Widget, public IMEDelegate
{
public:
    enum class KeyboardReturnType
    {
        DEFAULT,
        DONE,
        SEND,
        SEARCH,
        GO,
        NEXT
    };

    enum class InputMode
    {
        ANY,
        EMAIL_ADDRESS,
        NUMERIC,
        PHONE_NUMBER,
        URL,
        DECIMAL,
        SINGLE_LINE
    };

    enum class InputFlag
    {
        PASSWORD,
        SENSITIVE,
        INITIAL_CAPS_WORD,
        INITIAL_CAPS_SENTENCE,
        INITIAL_CAPS_ALL_CHARACTERS,
        LOWERCASE_ALL_CHARACTERS
    };

    static EditBox* create(const Size& size, Scale9Sprite* normalSprite, Scale9Sprite* pressedSprite = nullptr,
                           Scale9Sprite* disabledSprite = nullptr);
    static EditBox* create(const Size& size, const std::string& normalImage, TextureResType texType);
    static EditBox* create(const Size& size, const std::string& normalImage, const std::string& pressedImage = "",
                           const std::string& disabledImage = "", TextureResType texType = TextureResType::LOCAL);

    EditBox();
    virtual ~EditBox();

    bool initWithSizeAndBackgroundSprite(const Size& size, const std::string& normal9SpriteBg,
                                         TextureResType texType = TextureResType::LOCAL);
    bool initWithSizeAndBackgroundSprite(const Size& size, Scale9Sprite* normal9SpriteBg);
    bool initWithSizeAndBackgroundSprite(const Size& size, Scale9Sprite* normalSprite, Scale9Sprite* pressedSprite,
                                         Scale9Sprite* disabledSprite);

    void setDelegate(EditBoxDelegate* delegate) { _delegate = delegate; }
    EditBoxDelegate* getDelegate() { return _delegate; }

    void setText(const char* pText);
    const char* getText() const { return _text.c_str(); }

    void setFont(const char* pFontName, int fontSize);
    void setFontName(const char* pFontName);
    const char* getFontName() const { return _fontName.c_str(); }
    void setFontSize(int fontSize);
    int getFontSize() const { return _fontSize; }
    void setFontColor(const Color3B& color);
    void setFontColor(const Color4B& color);
    const Color4B& getFontColor() const { return _fontColor; }

    void setPlaceholderFont(const char* pFontName, int fontSize);
    void setPlaceholderFontName(const char* pFontName);
    const char* getPlaceholderFontName() const { return _placeholderFontName.c_str(); }
    void setPlaceholderFontSize(int fontSize);
    int getPlaceholderFontSize() const { return _placeholderFontSize; }
    void setPlaceholderFontColor(const Color3B& color);
    void setPlaceholderFontColor(const Color4B& color);
    const Color4B& getPlaceholderFontColor() const { return _placeholderFontColor; }

    void setPlaceHolder(const char* pText);
    const char* getPlaceHolder() const { return _placeHolder.c_str(); }

    void setInputMode(InputMode inputMode) { _inputMode = inputMode; }
    InputMode getInputMode() const { return _inputMode; }
    void setMaxLength(int maxLength);
    int getMaxLength() { return _maxLength; }
    void setInputFlag(InputFlag inputFlag);
    InputFlag getInputFlag() const { return _inputFlag; }
    void setReturnType(KeyboardReturnType returnType) { _returnType = returnType; }
    KeyboardReturnType getReturnType() const { return _returnType; }
    void setTextHorizontalAlignment(TextHAlignment alignment);
    TextHAlignment getTextHorizontalAlignment() const { return _alignment; }

    virtual void setContentSize(const Size& size) override;

    /** Opens the input method for this box (as a tap does). */
    void openKeyboard();
    void closeKeyboard();
    bool isEditing() const { return _editing; }

    /** What the box shows: the text (masked for passwords) or the placeholder. */
    const std::string& getDisplayedText() const { return _displayed; }

protected:
    virtual bool canAttachWithIME() override { return true; }
    virtual bool canDetachWithIME() override { return true; }
    virtual void didAttachWithIME() override;
    virtual void didDetachWithIME() override;
    virtual void insertText(const char* text, size_t len) override;
    virtual void deleteBackward() override;
    virtual const std::string& getContentText() override { return _text; }

    bool onTouchBegan(Touch* touch, Event* event);
    void onTouchEnded(Touch* touch, Event* event);
    bool hitTest(Touch* touch) const;
    void refreshLabel();
    void setTextInternal(const std::string& text, bool notify);

    EditBoxDelegate* _delegate;
    Scale9Sprite* _backgroundSprite;
    Label* _label;
    EventListenerTouchOneByOne* _touchListener;
    std::string _text;
    std::string _displayed;
    std::string _placeHolder;
    std::string _fontName;
    int _fontSize;
    Color4B _fontColor;
    std::string _placeholderFontName;
    int _placeholderFontSize;
    Color4B _placeholderFontColor;
    InputMode _inputMode;
    InputFlag _inputFlag;
    KeyboardReturnType _returnType;
    TextHAlignment _alignment;
    int _maxLength;
    bool _editing;
};

} // namespace ui
NS_CC_END

#endif
