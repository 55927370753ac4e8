#include "2d/CCLabel.h"

#include <cstdio>

#include "2d/CCSprite.h"
#include "base/ccUTF8.h"
#include "platform/CCFileUtils.h"
#include "platform/CCSystemFont.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

Label* Label::create()
{
    Label* ret = new (std::nothrow) Label();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

Label* Label::createWithSystemFont(const std::string& text, const std::string& font, float fontSize,
                                   const Size& dimensions, TextHAlignment hAlignment, TextVAlignment vAlignment)
{
    Label* ret = new (std::nothrow) Label(hAlignment, vAlignment);
    if (!ret || !ret->init())
    {
        delete ret;
        return nullptr;
    }
    ret->setSystemFontName(font);
    ret->setSystemFontSize(fontSize);
    ret->setDimensions(dimensions.width, dimensions.height);
    ret->setString(text);
    ret->autorelease();
    return ret;
}

Label* Label::createWithTTF(const std::string& text, const std::string& fontFilePath, float fontSize,
                            const Size& dimensions, TextHAlignment hAlignment, TextVAlignment vAlignment)
{
    // No label for a font file that is not there.
    if (!FileUtils::getInstance()->isFileExist(fontFilePath)) return nullptr;
    Label* ret = createWithSystemFont(text, fontFilePath, fontSize, dimensions, hAlignment, vAlignment);
    if (ret)
    {
        ret->_fontConfig.fontFilePath = fontFilePath;
        ret->_fontConfig.fontSize = fontSize;
        ret->_currentLabelType = LabelType::TTF;
    }
    return ret;
}

Label* Label::createWithTTF(const TTFConfig& ttfConfig, const std::string& text, TextHAlignment hAlignment,
                            int maxLineWidth)
{
    Label* ret = new (std::nothrow) Label(hAlignment);
    if (!ret || !ret->init() || !ret->setTTFConfig(ttfConfig))
    {
        delete ret;
        return nullptr;
    }
    ret->setMaxLineWidth(static_cast<float>(maxLineWidth));
    ret->setString(text);
    ret->autorelease();
    return ret;
}

Label::Label(TextHAlignment hAlignment, TextVAlignment vAlignment)
    : _systemFont("Helvetica"),
      _systemFontSize(12),
      _currentLabelType(LabelType::STRING_TEXTURE),
      _contentDirty(false),
      _hAlignment(hAlignment),
      _vAlignment(vAlignment),
      _labelWidth(0),
      _labelHeight(0),
      _maxLineWidth(0),
      _enableWrap(true),
      _lineBreakWithoutSpaces(false),
      _overflow(Overflow::NONE),
      _lineHeight(0),
      _lineSpacing(0),
      _additionalKerning(0),
      _numberOfLines(0),
      _textColor(Color4B::WHITE),
      _textColorF(Color4F::WHITE),
      _currLabelEffect(LabelEffect::NORMAL),
      _effectColorF(Color4F::BLACK),
      _outlineSize(0),
      _shadowEnabled(false),
      _shadowBlurRadius(0),
      _shadowColor4F(Color4F::BLACK),
      _boldEnabled(false),
      _italicsEnabled(false),
      _underlineEnabled(false),
      _strikethroughEnabled(false),
      _blendFunc(BlendFunc::ALPHA_PREMULTIPLIED),
      _isOpacityModifyRGB(false),
      _textSprite(nullptr)
{
}

Label::~Label()
{
    CC_SAFE_RELEASE(_textSprite);
}

// Colour and opacity do not cascade to children unless asked to.
bool Label::init()
{
    if (!Node::init()) return false;
    setAnchorPoint(Vec2::ANCHOR_MIDDLE);
    return true;
}

bool Label::setTTFConfig(const TTFConfig& ttfConfig)
{
    if (ttfConfig.fontFilePath.empty() || ttfConfig.fontSize <= 0) return false;
    if (!FileUtils::getInstance()->isFileExist(ttfConfig.fontFilePath)) return false;
    _fontConfig = ttfConfig;
    _currentLabelType = LabelType::TTF;
    _systemFont = ttfConfig.fontFilePath;
    _systemFontSize = ttfConfig.fontSize;
    _outlineSize = static_cast<float>(ttfConfig.outlineSize);
    _contentDirty = true;
    return true;
}

void Label::setSystemFontName(const std::string& font)
{
    if (font == _systemFont) return;
    _systemFont = font;
    _contentDirty = true;
}

void Label::setSystemFontSize(float fontSize)
{
    if (fontSize == _systemFontSize) return;
    _systemFontSize = fontSize;
    _contentDirty = true;
}

void Label::setString(const std::string& text)
{
    if (text == _utf8Text) return;
    _utf8Text = text;
    _contentDirty = true;
}

// A system-font label counts the lines its text has ("\n" ends one; a final
// "\n" opens none), not the lines it wraps into.
int Label::getStringNumLines()
{
    if (_contentDirty) updateContent();
    if (_currentLabelType != LabelType::STRING_TEXTURE) return _numberOfLines;
    std::u32string text;
    if (_utf8Text.empty() || !StringUtils::UTF8ToUTF32(_utf8Text, text) || text.empty()) return 0;
    int lines = 1;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == U'\n') ++lines;
    return lines;
}

int Label::getStringLength()
{
    return static_cast<int>(StringUtils::getCharacterCountInUTF8String(_utf8Text));
}

void Label::setTextColor(const Color4B& color)
{
    _textColor = color;
    _textColorF = Color4F(color);
    _contentDirty = true;
}

void Label::enableShadow(const Color4B& shadowColor, const Size& offset, int blurRadius)
{
    _shadowEnabled = true;
    _shadowColor4F = Color4F(shadowColor);
    _shadowOffset = offset;
    _shadowBlurRadius = static_cast<float>(blurRadius);
    _contentDirty = true;
}

void Label::enableOutline(const Color4B& outlineColor, int outlineSize)
{
    if (outlineSize <= 0) return;
    _effectColorF = Color4F(outlineColor);
    _outlineSize = static_cast<float>(outlineSize);
    _currLabelEffect = LabelEffect::OUTLINE;
    _contentDirty = true;
}

void Label::enableGlow(const Color4B& glowColor)
{
    _effectColorF = Color4F(glowColor);
    _currLabelEffect = LabelEffect::GLOW;
    _contentDirty = true;
}

void Label::enableItalics()
{
    _italicsEnabled = true;
}

void Label::enableBold()
{
    _boldEnabled = true;
}

void Label::enableUnderline()
{
    _underlineEnabled = true;
}

void Label::enableStrikethrough()
{
    _strikethroughEnabled = true;
}

void Label::disableEffect()
{
    disableEffect(LabelEffect::ALL);
}

void Label::disableEffect(LabelEffect effect)
{
    switch (effect)
    {
    case LabelEffect::NORMAL: break;
    case LabelEffect::OUTLINE:
    case LabelEffect::GLOW:
        if (_currLabelEffect == effect)
        {
            _currLabelEffect = LabelEffect::NORMAL;
            _outlineSize = 0;
        }
        break;
    case LabelEffect::SHADOW: _shadowEnabled = false; break;
    case LabelEffect::ITALICS: _italicsEnabled = false; break;
    case LabelEffect::BOLD: _boldEnabled = false; break;
    case LabelEffect::UNDERLINE: _underlineEnabled = false; break;
    case LabelEffect::STRIKETHROUGH: _strikethroughEnabled = false; break;
    case LabelEffect::ALL:
        _currLabelEffect = LabelEffect::NORMAL;
        _outlineSize = 0;
        _shadowEnabled = _italicsEnabled = _boldEnabled = _underlineEnabled = _strikethroughEnabled = false;
        break;
    }
    _contentDirty = true;
}

void Label::setAlignment(TextHAlignment hAlignment, TextVAlignment vAlignment)
{
    if (hAlignment == _hAlignment && vAlignment == _vAlignment) return;
    _hAlignment = hAlignment;
    _vAlignment = vAlignment;
    _contentDirty = true;
}

void Label::setLineBreakWithoutSpace(bool breakWithoutSpace)
{
    _lineBreakWithoutSpaces = breakWithoutSpace;
    _contentDirty = true;
}

void Label::setMaxLineWidth(float maxLineWidth)
{
    if (_labelWidth == 0 && _maxLineWidth != maxLineWidth)
    {
        _maxLineWidth = maxLineWidth;
        _contentDirty = true;
    }
}

void Label::enableWrap(bool enable)
{
    if (enable == _enableWrap) return;
    _enableWrap = enable;
    _contentDirty = true;
}

void Label::setOverflow(Overflow overflow)
{
    if (overflow == _overflow) return;
    _overflow = overflow;
    _contentDirty = true;
}

void Label::setDimensions(float width, float height)
{
    if (height == _labelHeight && width == _labelWidth) return;
    _labelWidth = width;
    _labelHeight = height;
    _labelDimensions.width = width;
    _labelDimensions.height = height;
    _maxLineWidth = width;
    _contentDirty = true;
}

void Label::setLineHeight(float height)
{
    _lineHeight = height;
    _contentDirty = true;
}

// Line heights are a matter of font files: a system-font label has none.
float Label::getLineHeight() const
{
    if (_currentLabelType == LabelType::STRING_TEXTURE) return 0.0f;
    if (_lineHeight > 0) return _lineHeight;
    SystemFont* font = SystemFont::forName(_systemFont);
    return font ? font->lineHeight(_systemFontSize) : 0.0f;
}

void Label::setBlendFunc(const BlendFunc& blendFunc)
{
    _blendFunc = blendFunc;
    if (_textSprite) _textSprite->setBlendFunc(blendFunc);
}

void Label::setOpacityModifyRGB(bool isOpacityModifyRGB)
{
    _isOpacityModifyRGB = isOpacityModifyRGB;
    if (_textSprite) _textSprite->setOpacityModifyRGB(isOpacityModifyRGB);
}

void Label::updateDisplayedColor(const Color3B& parentColor)
{
    Node::updateDisplayedColor(parentColor);
    if (_textSprite) _textSprite->updateDisplayedColor(_displayedColor);
}

void Label::updateDisplayedOpacity(GLubyte parentOpacity)
{
    Node::updateDisplayedOpacity(parentOpacity);
    if (_textSprite) _textSprite->updateDisplayedOpacity(_displayedOpacity);
}

FontDefinition Label::fontDefinition() const
{
    FontDefinition def;
    def._fontName = _systemFont;
    def._fontSize = static_cast<int>(_systemFontSize);
    def._alignment = _hAlignment;
    def._vertAlignment = _vAlignment;
    // The maximum line width wraps text of font files only.
    def._dimensions.width = _labelWidth > 0 ? _labelWidth : (_currentLabelType == LabelType::TTF ? _maxLineWidth : 0);
    def._dimensions.height = _labelHeight;
    def._fontFillColor = Color3B(_textColor.r, _textColor.g, _textColor.b);
    def._fontAlpha = _textColor.a;
    def._enableWrap = _enableWrap;
    def._overflow = static_cast<int>(_overflow);
    if (_shadowEnabled)
    {
        def._shadow._shadowEnabled = true;
        def._shadow._shadowOffset = _shadowOffset;
        def._shadow._shadowBlur = _shadowBlurRadius;
        def._shadow._shadowOpacity = _shadowColor4F.a;
    }
    if (_currLabelEffect == LabelEffect::OUTLINE && _outlineSize > 0)
    {
        def._stroke._strokeEnabled = true;
        def._stroke._strokeSize = _outlineSize;
        def._stroke._strokeColor = Color3B(Color4B(_effectColorF));
    }
    return def;
}

void Label::createSpriteForSystemFont()
{
    CC_SAFE_RELEASE_NULL(_textSprite);
    FontDefinition def = fontDefinition();
    Texture2D* texture = new (std::nothrow) Texture2D();
    if (texture && texture->initWithString(_utf8Text.c_str(), def))
    {
        _textSprite = Sprite::createWithTexture(texture);
        if (_textSprite)
        {
            _textSprite->retain();
            _textSprite->setAnchorPoint(Vec2::ANCHOR_BOTTOM_LEFT);
            _textSprite->setBlendFunc(_blendFunc);
            _textSprite->updateDisplayedColor(_displayedColor);
            _textSprite->updateDisplayedOpacity(_displayedOpacity);
        }
    }
    Node::setContentSize(_textSprite ? _textSprite->getContentSize() : Size::ZERO);
    CC_SAFE_RELEASE(texture);

    _numberOfLines = 0;
    SystemFont* font = SystemFont::forName(_systemFont);
    std::u32string text;
    if (font && !_utf8Text.empty() && StringUtils::UTF8ToUTF32(_utf8Text, text))
        _numberOfLines = static_cast<int>(font->layout(text, _systemFontSize, _enableWrap ? def._dimensions.width : 0).size());
}

void Label::updateContent()
{
    _contentDirty = false;
    createSpriteForSystemFont();
}

const Size& Label::getContentSize() const
{
    if (_contentDirty) const_cast<Label*>(this)->updateContent();
    return _contentSize;
}

Rect Label::getBoundingBox() const
{
    getContentSize();
    return Node::getBoundingBox();
}

void Label::visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags)
{
    if (!_visible) return;
    if (_contentDirty) updateContent();
    Node::visit(renderer, parentTransform, parentFlags);
}

void Label::draw(Renderer* renderer, const Mat4& transform, uint32_t flags)
{
    if (_textSprite) _textSprite->visit(renderer, transform, flags);
}

std::string Label::getDescription() const
{
    char buf[512];
    std::snprintf(buf, sizeof(buf), "<Label | Tag = %d, Label = '%s'>", _tag, _utf8Text.c_str());
    return buf;
}

NS_CC_END
