#include "2d/CCTextFieldTTF.h"

#include "base/ccUTF8.h"

NS_CC_BEGIN

namespace {
const char BULLET[] = "\xe2\x80\xa2";
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
    setSystemFontName(fontName);
    setSystemFontSize(fontSize);
    showText();
    return true;
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
        setString(_inputText + insert);
    }
    if (pos == std::string::npos) return;
    if (_delegate && _delegate->onTextFieldInsertText(this, "\n", 1)) return;
    detachWithIME();
}

void TextFieldTTF::deleteBackward()
{
    size_t len = _inputText.length();
    if (!len) return;
    // one whole UTF-8 character, however many bytes (never more than the text)
    size_t deleteLen = 1;
    while (deleteLen < len && (static_cast<unsigned char>(_inputText[len - deleteLen]) & 0xC0) == 0x80) ++deleteLen;
    if (_delegate && _delegate->onTextFieldDeleteBackward(this, _inputText.c_str() + len - deleteLen, deleteLen))
        return; // refused
    setString(_inputText.substr(0, len - deleteLen));
}

void TextFieldTTF::controlKey(EventKeyboard::KeyCode /*keyCode*/) {}

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
    if (_inputText.empty())
    {
        Label::setTextColor(_colorSpaceHolder);
        Label::setString(_placeHolder);
    }
    else
    {
        std::string display = _inputText;
        if (_secureTextEntry)
        {
            display.clear();
            for (size_t i = 0; i < _inputText.size(); ++i) display += _passwordStyleText;
        }
        Label::setTextColor(_colorText);
        Label::setString(display);
    }
    _charCount = static_cast<size_t>(StringUtils::getCharacterCountInUTF8String(_inputText));
}

void TextFieldTTF::setString(const std::string& text)
{
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
