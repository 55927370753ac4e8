#include "2d/CCTextFieldTTF.h"

#include <algorithm>

#include "base/ccUTF8.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

namespace {
const char BULLET[] = "\xe2\x80\xa2";

// Puts what into text before the character at position (clamped to the end).
std::string insertAtCharacter(const std::string& text, std::size_t position, const std::string& what)
{
    std::u32string chars;
    std::u32string inserted;
    std::string result;
    if (!StringUtils::UTF8ToUTF32(text, chars) || !StringUtils::UTF8ToUTF32(what, inserted)) return text + what;
    chars.insert(std::min(position, chars.size()), inserted);
    return StringUtils::UTF32ToUTF8(chars, result) ? result : text + what;
}

// The text without the character at position (unchanged past the end).
std::string eraseCharacter(const std::string& text, std::size_t position)
{
    std::u32string chars;
    std::string result;
    if (!StringUtils::UTF8ToUTF32(text, chars) || position >= chars.size()) return text;
    chars.erase(position, 1);
    return StringUtils::UTF32ToUTF8(chars, result) ? result : text;
}
} // namespace

TextFieldTTF::TextFieldTTF()
    : _delegate(nullptr),
      _charCount(0),
      _colorSpaceHolder(127, 127, 127, 255),
      _colorText(Color4B::WHITE),
      _secureTextEntry(false),
      _passwordStyleText(BULLET),
      _cursorEnabled(false),
      _cursorChar('|'),
      _cursorPosition(0),
      _isAttachWithIME(false)
{
}

TextFieldTTF::~TextFieldTTF() {}

TextFieldTTF* TextFieldTTF::textFieldWithPlaceHolder(const std::string& placeholder, const Size& dimensions,
                                                     TextHAlignment alignment, const std::string& fontName,
                                                     float fontSize)
{
    TextFieldTTF* ret = new (std::nothrow) TextFieldTTF();
    if (ret && ret->init() && ret->initWithPlaceHolder("", dimensions, alignment, fontName, fontSize))
    {
        ret->autorelease();
        if (!placeholder.empty()) ret->setPlaceHolder(placeholder);
        return ret;
    }
    delete ret;
    return nullptr;
}

TextFieldTTF* TextFieldTTF::textFieldWithPlaceHolder(const std::string& placeholder, const std::string& fontName,
                                                     float fontSize)
{
    TextFieldTTF* ret = new (std::nothrow) TextFieldTTF();
    if (ret && ret->init() && ret->initWithPlaceHolder("", fontName, fontSize))
    {
        ret->autorelease();
        if (!placeholder.empty()) ret->setPlaceHolder(placeholder);
        return ret;
    }
    delete ret;
    return nullptr;
}

bool TextFieldTTF::initWithPlaceHolder(const std::string& placeholder, const Size& dimensions,
                                       TextHAlignment alignment, const std::string& fontName, float fontSize)
{
    setDimensions(dimensions.width, dimensions.height);
    setAlignment(alignment, TextVAlignment::CENTER);
    return initWithPlaceHolder(placeholder, fontName, fontSize);
}

bool TextFieldTTF::initWithPlaceHolder(const std::string& placeholder, const std::string& fontName, float fontSize)
{
    _placeHolder = placeholder;
    // A font file makes a TrueType field, which has a cursor on desktops.
    if (!FileUtils::getInstance()->isFileExist(fontName) || !setTTFConfig(TTFConfig(fontName, fontSize)))
    {
        setSystemFontName(fontName);
        setSystemFontSize(fontSize);
    }
    showText();
    if (_currentLabelType == LabelType::TTF) setCursorEnabled(true);
    return true;
}

void TextFieldTTF::setCursorEnabled(bool enabled)
{
    if (_currentLabelType != LabelType::TTF || _cursorEnabled == enabled) return;
    _cursorEnabled = enabled;
    _cursorPosition = enabled ? _charCount : 0;
    showText();
}

void TextFieldTTF::setCursorChar(char cursor)
{
    if (_cursorChar == cursor) return;
    _cursorChar = cursor;
    if (_cursorEnabled && _isAttachWithIME) showText();
}

bool TextFieldTTF::attachWithIME()
{
    return IMEDelegate::attachWithIME();
}

bool TextFieldTTF::detachWithIME()
{
    return IMEDelegate::detachWithIME();
}

bool TextFieldTTF::canAttachWithIME()
{
    return _delegate ? !_delegate->onTextFieldAttachWithIME(this) : true;
}

void TextFieldTTF::didAttachWithIME()
{
    _isAttachWithIME = true;
    showText();
}

bool TextFieldTTF::canDetachWithIME()
{
    return _delegate ? !_delegate->onTextFieldDetachWithIME(this) : true;
}

void TextFieldTTF::didDetachWithIME()
{
    _isAttachWithIME = false;
    showText();
}

void TextFieldTTF::insertText(const char* text, size_t len)
{
    if (!text) return;
    std::string insert(text, len);
    // a new line ends the input
    size_t pos = insert.find('\n');
    if (pos != std::string::npos)
    {
        len = pos;
        insert.erase(pos);
    }
    if (len > 0)
    {
        if (_delegate && _delegate->onTextFieldInsertText(this, insert.c_str(), len)) return; // refused
        if (_cursorEnabled)
        {
            // counted first, so that setString leaves the cursor where it is
            const std::size_t position = _cursorPosition;
            const auto added = static_cast<std::size_t>(StringUtils::getCharacterCountInUTF8String(insert));
            _cursorPosition += added;
            _charCount += added;
            setString(insertAtCharacter(_inputText, position, insert));
        }
        else setString(_inputText + insert);
    }
    if (pos == std::string::npos) return;
    if (_delegate && _delegate->onTextFieldInsertText(this, "\n", 1)) return;
    detachWithIME();
}

void TextFieldTTF::deleteBackward()
{
    if (_cursorEnabled)
    {
        // the character before the cursor
        if (_cursorPosition == 0) return;
        std::u32string chars, gone(1, 0);
        std::string deleted;
        if (!StringUtils::UTF8ToUTF32(_inputText, chars) || _cursorPosition > chars.size()) return;
        gone[0] = chars[_cursorPosition - 1];
        if (!StringUtils::UTF32ToUTF8(gone, deleted)) return;
        if (_delegate && _delegate->onTextFieldDeleteBackward(this, deleted.c_str(), deleted.size())) return;
        --_cursorPosition;
        --_charCount;
        setString(eraseCharacter(_inputText, _cursorPosition));
        return;
    }
    size_t len = _inputText.length();
    if (!len) return;
    // one whole UTF-8 character, however many bytes (never more than the text)
    size_t deleteLen = 1;
    while (deleteLen < len && (static_cast<unsigned char>(_inputText[len - deleteLen]) & 0xC0) == 0x80) ++deleteLen;
    if (_delegate && _delegate->onTextFieldDeleteBackward(this, _inputText.c_str() + len - deleteLen, deleteLen))
        return; // refused
    setString(_inputText.substr(0, len - deleteLen));
}

void TextFieldTTF::controlKey(EventKeyboard::KeyCode keyCode)
{
    if (!_cursorEnabled) return;
    switch (keyCode)
    {
    case EventKeyboard::KeyCode::KEY_HOME:
    case EventKeyboard::KeyCode::KEY_KP_HOME:
        _cursorPosition = 0;
        break;
    case EventKeyboard::KeyCode::KEY_END:
        _cursorPosition = _charCount;
        break;
    case EventKeyboard::KeyCode::KEY_DELETE:
    case EventKeyboard::KeyCode::KEY_KP_DELETE:
        if (_cursorPosition < _charCount)
        {
            --_charCount;
            setString(eraseCharacter(_inputText, _cursorPosition));
        }
        return;
    case EventKeyboard::KeyCode::KEY_LEFT_ARROW:
        if (_cursorPosition > 0) --_cursorPosition;
        break;
    case EventKeyboard::KeyCode::KEY_RIGHT_ARROW:
        if (_cursorPosition < _charCount) ++_cursorPosition;
        break;
    case EventKeyboard::KeyCode::KEY_ESCAPE:
        detachWithIME();
        return;
    default:
        return;
    }
    showText();
}

void TextFieldTTF::setTextColor(const Color4B& color)
{
    _colorText = color;
    if (!_inputText.empty()) Label::setTextColor(_colorText);
}

void TextFieldTTF::setColorSpaceHolder(const Color3B& color)
{
    setColorSpaceHolder(Color4B(color.r, color.g, color.b, 255));
}

void TextFieldTTF::setColorSpaceHolder(const Color4B& color)
{
    _colorSpaceHolder = color;
    if (_inputText.empty()) Label::setTextColor(_colorSpaceHolder);
}

void TextFieldTTF::showText()
{
    _charCount = static_cast<size_t>(StringUtils::getCharacterCountInUTF8String(_inputText));
    if (_cursorPosition > _charCount) _cursorPosition = _charCount;
    const bool showCursor = _cursorEnabled && _isAttachWithIME;
    if (_inputText.empty() && !showCursor)
    {
        Label::setTextColor(_colorSpaceHolder);
        Label::setString(_placeHolder);
        return;
    }
    std::string display = _inputText;
    if (_secureTextEntry)
    {
        display.clear();
        for (size_t i = 0; i < _charCount; ++i) display += _passwordStyleText;
    }
    // "\b": the cursor does not move the text after it
    if (showCursor) display = insertAtCharacter(display, _cursorPosition, std::string("\b") + _cursorChar);
    Label::setTextColor(_colorText);
    Label::setString(display);
}

// A text of another length puts the cursor at its end.
void TextFieldTTF::setString(const std::string& text)
{
    const auto count = static_cast<std::size_t>(StringUtils::getCharacterCountInUTF8String(text));
    if (_cursorEnabled && count != _charCount) _cursorPosition = count;
    _inputText = text;
    showText();
}

void TextFieldTTF::appendString(const std::string& text)
{
    insertText(text.c_str(), text.length());
}

void TextFieldTTF::setPlaceHolder(const std::string& text)
{
    _placeHolder = text;
    if (_inputText.empty()) showText();
}

void TextFieldTTF::setSecureTextEntry(bool value)
{
    if (_secureTextEntry == value) return;
    _secureTextEntry = value;
    showText();
}

void TextFieldTTF::setPasswordTextStyle(const std::string& text)
{
    if (text.empty()) return;
    _passwordStyleText = text;
    if (_secureTextEntry) showText();
}

void TextFieldTTF::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags)
{
    if (_delegate && _delegate->onVisit(this, renderer, parentTransform, parentFlags)) return;
    Label::visit(renderer, parentTransform, parentFlags);
}

NS_CC_END
