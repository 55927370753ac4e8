#ifndef __CC_TEXT_FIELD_H__
#define __CC_TEXT_FIELD_H__

#include <string>

#include "2d/CCLabel.h"
#include "base/CCIMEDelegate.h"

NS_CC_BEGIN

class TextFieldTTF;

/** Hooks of a text field. Returning true from a hook refuses what it
 *  announces (attaching, detaching, the insertion or the deletion). */
class CC_DLL TextFieldDelegate
{
public:
    virtual ~TextFieldDelegate() {}

    virtual bool onTextFieldAttachWithIME(TextFieldTTF* /*sender*/) { return false; }
    virtual bool onTextFieldDetachWithIME(TextFieldTTF* /*sender*/) { return false; }
    virtual bool onTextFieldInsertText(TextFieldTTF* /*sender*/, const char* /*text*/, size_t /*nLen*/) { return false; }
    virtual bool onTextFieldDeleteBackward(TextFieldTTF* /*sender*/, const char* /*delText*/, size_t /*nLen*/)
    {
        return false;
    }
    virtual bool onVisit(TextFieldTTF* /*sender*/, Renderer* /*renderer*/, const Mat4& /*transform*/, uint32_t /*flags*/)
    {
        return false;
    }
};

/** A label that takes text from the input method. Without text it shows the
 *  placeholder in the placeholder colour; with secure entry on it shows one
 *  password character per character of the text. A "\n" from the input
 *  method ends the input: it detaches unless the delegate takes it.
 *
 *  With a font file for its font (a .ttf the file utilities find) the field
 *  has a cursor, as desktops show it: while attached the cursor character
 *  stands at the insertion point (taking no room), text goes in and
 *  Backspace deletes there, Home/End and the left and right arrows move it,
 *  Delete removes the character after it and Escape detaches. */
class CC_DLL TextFieldTTF : public Label, public IMEDelegate
{
public:
    TextFieldTTF();
    virtual ~TextFieldTTF();

    static TextFieldTTF* textFieldWithPlaceHolder(const std::string& placeholder, const Size& dimensions,
                                                  TextHAlignment alignment, const std::string& fontName, float fontSize);
    static TextFieldTTF* textFieldWithPlaceHolder(const std::string& placeholder, const std::string& fontName,
                                                  float fontSize);
    bool initWithPlaceHolder(const std::string& placeholder, const Size& dimensions, TextHAlignment alignment,
                             const std::string& fontName, float fontSize);
    bool initWithPlaceHolder(const std::string& placeholder, const std::string& fontName, float fontSize);

    virtual bool attachWithIME() override;
    virtual bool detachWithIME() override;

    TextFieldDelegate* getDelegate() const { return _delegate; }
    void setDelegate(TextFieldDelegate* delegate) { _delegate = delegate; }

    std::size_t getCharCount() const { return _charCount; }

    virtual void setTextColor(const Color4B& textColor) override;
    virtual const Color4B& getTextColor() const { return _colorText; }
    virtual void setColorSpaceHolder(const Color3B& color);
    virtual void setColorSpaceHolder(const Color4B& color);
    virtual const Color4B& getColorSpaceHolder() { return _colorSpaceHolder; }

    virtual void setString(const std::string& text) override;
    virtual const std::string& getString() const override { return _inputText; }
    virtual void appendString(const std::string& text);

    virtual void setPlaceHolder(const std::string& text);
    virtual const std::string& getPlaceHolder() const { return _placeHolder; }

    virtual void setSecureTextEntry(bool value);
    virtual void setPasswordTextStyle(const std::string& text);
    const std::string& getPasswordTextStyle() const { return _passwordStyleText; }
    virtual bool isSecureTextEntry() const { return _secureTextEntry; }

    virtual void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) override;

    /** Only a field with a font file has a cursor. */
    void setCursorEnabled(bool enabled);
    void setCursorChar(char cursor);

protected:
    virtual bool canAttachWithIME() override;
    virtual bool canDetachWithIME() override;
    virtual void didAttachWithIME() override;
    virtual void didDetachWithIME() override;
    virtual void insertText(const char* text, size_t len) override;
    virtual void deleteBackward() override;
    virtual const std::string& getContentText() override { return _inputText; }
    virtual void controlKey(EventKeyboard::KeyCode keyCode) override;

    // Shows the text (or the placeholder) in the label.
    void showText();

    TextFieldDelegate* _delegate;
    std::size_t _charCount;
    std::string _inputText;
    std::string _placeHolder;
    Color4B _colorSpaceHolder;
    Color4B _colorText;
    bool _secureTextEntry;
    std::string _passwordStyleText;
    bool _cursorEnabled;
    char _cursorChar;
    // in characters from the start of the text
    std::size_t _cursorPosition;
    bool _isAttachWithIME;
};

NS_CC_END

#endif
