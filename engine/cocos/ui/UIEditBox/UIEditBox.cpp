#include "ui/UIEditBox/UIEditBox.h"

#include "2d/CCLabel.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerTouch.h"
#include "base/CCTouch.h"
#include "base/ccUTF8.h"
#include "ui/UIScale9Sprite.h"

NS_CC_BEGIN
namespace ui {

namespace {
const float LEFT_PADDING = 5;
} // namespace

EditBox* EditBox::create(const Size& size, Scale9Sprite* normalSprite, Scale9Sprite* pressedSprite,
                         Scale9Sprite* disabledSprite)
{
    EditBox* ret = new (std::nothrow) EditBox();
    if (ret && ret->initWithSizeAndBackgroundSprite(size, normalSprite, pressedSprite, disabledSprite))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

EditBox* EditBox::create(const Size& size, const std::string& normalImage, TextureResType texType)
{
    EditBox* ret = new (std::nothrow) EditBox();
    if (ret && ret->initWithSizeAndBackgroundSprite(size, normalImage, texType))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

EditBox* EditBox::create(const Size& size, const std::string& normalImage, const std::string& /*pressedImage*/,
                         const std::string& /*disabledImage*/, TextureResType texType)
{
    return create(size, normalImage, texType);
}

EditBox::EditBox()
    : _delegate(nullptr),
      _backgroundSprite(nullptr),
      _label(nullptr),
      _touchListener(nullptr),
      _fontName("Arial"),
      _fontSize(20),
      _fontColor(Color4B::WHITE),
      _placeholderFontName("Arial"),
      _placeholderFontSize(20),
      _placeholderFontColor(Color4B::GRAY),
      _inputMode(InputMode::SINGLE_LINE),
      _inputFlag(InputFlag::INITIAL_CAPS_ALL_CHARACTERS),
      _returnType(KeyboardReturnType::DEFAULT),
      _alignment(TextHAlignment::LEFT),
      _maxLength(0),
      _editing(false)
{
}

EditBox::~EditBox()
{
    // the delegate may be gone already: it hears nothing of this
    _delegate = nullptr;
    if (_editing) detachWithIME();
}

bool EditBox::initWithSizeAndBackgroundSprite(const Size& size, const std::string& normal9SpriteBg,
                                              TextureResType texType)
{
    Scale9Sprite* background = texType == TextureResType::PLIST
                                   ? Scale9Sprite::createWithSpriteFrameName(normal9SpriteBg)
                                   : Scale9Sprite::create(normal9SpriteBg);
    return initWithSizeAndBackgroundSprite(size, background);
}

bool EditBox::initWithSizeAndBackgroundSprite(const Size& size, Scale9Sprite* normal9SpriteBg)
{
    return initWithSizeAndBackgroundSprite(size, normal9SpriteBg, nullptr, nullptr);
}

bool EditBox::initWithSizeAndBackgroundSprite(const Size& size, Scale9Sprite* normalSprite,
                                              Scale9Sprite* /*pressedSprite*/, Scale9Sprite* /*disabledSprite*/)
{
    if (!Widget::init()) return false;
    setAnchorPoint(Vec2::ANCHOR_MIDDLE);
    _backgroundSprite = normalSprite;
    if (_backgroundSprite)
    {
        _backgroundSprite->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
        addChild(_backgroundSprite, -1);
    }
    _label = Label::createWithSystemFont("", _fontName, static_cast<float>(_fontSize));
    if (!_label) return false;
    _label->setAnchorPoint(Vec2::ANCHOR_MIDDLE_LEFT);
    addChild(_label);

    _touchListener = EventListenerTouchOneByOne::create();
    _touchListener->setSwallowTouches(true);
    _touchListener->onTouchBegan = CC_CALLBACK_2(EditBox::onTouchBegan, this);
    _touchListener->onTouchEnded = CC_CALLBACK_2(EditBox::onTouchEnded, this);
    _eventDispatcher->addEventListenerWithSceneGraphPriority(_touchListener, this);
    setTouchEnabled(true);

    setContentSize(size);
    refreshLabel();
    return true;
}

bool EditBox::hitTest(Touch* touch) const
{
    Vec2 p = convertToNodeSpace(touch->getLocation());
    return Rect(0, 0, _contentSize.width, _contentSize.height).containsPoint(p);
}

bool EditBox::onTouchBegan(Touch* touch, Event* /*event*/)
{
    if (!_enabled || !_touchEnabled || !isVisible()) return false;
    for (Node* p = _parent; p; p = p->getParent())
        if (!p->isVisible()) return false;
    return hitTest(touch);
}

void EditBox::onTouchEnded(Touch* touch, Event* /*event*/)
{
    if (hitTest(touch)) openKeyboard();
}

void EditBox::openKeyboard()
{
    if (!_editing) attachWithIME();
}

void EditBox::closeKeyboard()
{
    if (_editing) detachWithIME();
}

void EditBox::didAttachWithIME()
{
    _editing = true;
    if (_delegate) _delegate->editBoxEditingDidBegin(this);
}

void EditBox::didDetachWithIME()
{
    _editing = false;
    if (_delegate)
    {
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
        _delegate->editBoxEditingDidEnd(this); // older delegates still listen here
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
        _delegate->editBoxEditingDidEndWithAction(this, EditBoxDelegate::EditBoxEndAction::UNKNOWN);
    }
}

void EditBox::insertText(const char* text, size_t len)
{
    if (!text || len == 0) return;
    std::string insert(text, len);
    size_t newline = insert.find('\n');
    bool ends = newline != std::string::npos;
    if (ends) insert.erase(newline);
    if (!insert.empty())
    {
        std::u32string current, added;
        if (StringUtils::UTF8ToUTF32(_text, current) && StringUtils::UTF8ToUTF32(insert, added))
        {
            // keep to the maximum length, counted in characters
            if (_maxLength > 0 && current.size() + added.size() > static_cast<size_t>(_maxLength))
                added.resize(current.size() < static_cast<size_t>(_maxLength) ? _maxLength - current.size() : 0);
            std::string addedUtf8;
            StringUtils::UTF32ToUTF8(added, addedUtf8);
            if (!addedUtf8.empty()) setTextInternal(_text + addedUtf8, true);
        }
    }
    if (!ends) return;
    if (_delegate) _delegate->editBoxReturn(this);
    if (_editing) detachWithIME();
}

void EditBox::deleteBackward()
{
    std::u32string current;
    if (_text.empty() || !StringUtils::UTF8ToUTF32(_text, current) || current.empty()) return;
    current.pop_back();
    std::string shorter;
    StringUtils::UTF32ToUTF8(current, shorter);
    setTextInternal(shorter, true);
}

void EditBox::setText(const char* pText)
{
    setTextInternal(pText ? pText : "", false);
}

void EditBox::setTextInternal(const std::string& text, bool notify)
{
    std::string t = text;
    std::u32string chars;
    if (_maxLength > 0 && StringUtils::UTF8ToUTF32(t, chars) && chars.size() > static_cast<size_t>(_maxLength))
    {
        chars.resize(static_cast<size_t>(_maxLength));
        StringUtils::UTF32ToUTF8(chars, t);
    }
    _text = t;
    refreshLabel();
    if (notify && _delegate) _delegate->editBoxTextChanged(this, _text);
}

void EditBox::refreshLabel()
{
    if (!_label) return;
    if (_text.empty())
    {
        _displayed = _placeHolder;
        _label->setSystemFontName(_placeholderFontName);
        _label->setSystemFontSize(static_cast<float>(_placeholderFontSize));
        _label->setTextColor(_placeholderFontColor);
    }
    else
    {
        _displayed = _text;
        if (_inputFlag == InputFlag::PASSWORD)
            _displayed.assign(static_cast<size_t>(StringUtils::getCharacterCountInUTF8String(_text)), '*');
        _label->setSystemFontName(_fontName);
        _label->setSystemFontSize(static_cast<float>(_fontSize));
        _label->setTextColor(_fontColor);
    }
    _label->setString(_displayed);
}

void EditBox::setFont(const char* pFontName, int fontSize)
{
    setFontName(pFontName);
    setFontSize(fontSize);
}

void EditBox::setFontName(const char* pFontName)
{
    _fontName = pFontName ? pFontName : "";
    refreshLabel();
}

void EditBox::setFontSize(int fontSize)
{
    if (fontSize > 0) _fontSize = fontSize;
    refreshLabel();
}

void EditBox::setFontColor(const Color3B& color)
{
    setFontColor(Color4B(color.r, color.g, color.b, 255));
}

void EditBox::setFontColor(const Color4B& color)
{
    _fontColor = color;
    refreshLabel();
}

void EditBox::setPlaceholderFont(const char* pFontName, int fontSize)
{
    setPlaceholderFontName(pFontName);
    setPlaceholderFontSize(fontSize);
}

void EditBox::setPlaceholderFontName(const char* pFontName)
{
    _placeholderFontName = pFontName ? pFontName : "";
    refreshLabel();
}

void EditBox::setPlaceholderFontSize(int fontSize)
{
    if (fontSize > 0) _placeholderFontSize = fontSize;
    refreshLabel();
}

void EditBox::setPlaceholderFontColor(const Color3B& color)
{
    setPlaceholderFontColor(Color4B(color.r, color.g, color.b, 255));
}

void EditBox::setPlaceholderFontColor(const Color4B& color)
{
    _placeholderFontColor = color;
    refreshLabel();
}

void EditBox::setPlaceHolder(const char* pText)
{
    _placeHolder = pText ? pText : "";
    refreshLabel();
}

void EditBox::setMaxLength(int maxLength)
{
    _maxLength = maxLength;
    setTextInternal(_text, false);
}

void EditBox::setInputFlag(InputFlag inputFlag)
{
    _inputFlag = inputFlag;
    refreshLabel();
}

void EditBox::setTextHorizontalAlignment(TextHAlignment alignment)
{
    _alignment = alignment;
    if (_label) _label->setHorizontalAlignment(alignment);
}

void EditBox::setContentSize(const Size& size)
{
    Widget::setContentSize(size);
    if (_backgroundSprite) _backgroundSprite->setContentSize(size);
    if (_label) _label->setPosition(LEFT_PADDING, size.height / 2);
}

} // namespace ui
NS_CC_END
