#ifndef _COCOS2D_CCLABEL_H_
#define _COCOS2D_CCLABEL_H_

#include <string>

#include "2d/CCNode.h"
#include "base/CCProtocols.h"
#include "base/ccTypes.h"

NS_CC_BEGIN

class Sprite;
class Texture2D;

enum class GlyphCollection
{
    DYNAMIC,
    NEHE,
    ASCII,
    CUSTOM
};

enum class LabelEffect
{
    NORMAL,
    OUTLINE,
    SHADOW,
    GLOW,
    ITALICS,
    BOLD,
    UNDERLINE,
    STRIKETHROUGH,
    ALL
};

typedef struct _ttfConfig
{
    std::string fontFilePath;
    float fontSize;
    GlyphCollection glyphs;
    const char* customGlyphs;
    bool distanceFieldEnabled;
    int outlineSize;
    bool italics;
    bool bold;
    bool underline;
    bool strikethrough;

    _ttfConfig(const std::string& filePath = "", float size = 12, const GlyphCollection& glyphCollection = GlyphCollection::DYNAMIC,
               const char* customGlyphCollection = nullptr, bool useDistanceField = false, int outline = 0,
               bool useItalics = false, bool useBold = false, bool useUnderline = false, bool useStrikethrough = false)
        : fontFilePath(filePath), fontSize(size), glyphs(glyphCollection), customGlyphs(customGlyphCollection),
          distanceFieldEnabled(useDistanceField), outlineSize(outline), italics(useItalics), bold(useBold),
          underline(useUnderline), strikethrough(useStrikethrough)
    {
    }
} TTFConfig;

/** Text drawn with a font. Text is rendered with the system font named (or a
 *  TrueType file, which the font look-up takes as it is) into one texture
 *  shown by an inner sprite; the content size is the size of that texture:
 *  the widest line by the number of lines, or the dimensions when set (lines
 *  wrap within the width). Effects (outline, shadow, glow) are kept as
 *  settings. */
class CC_DLL Label : public Node, public LabelProtocol, public BlendProtocol
{
public:
    enum class Overflow
    {
        NONE,
        CLAMP,
        SHRINK,
        RESIZE_HEIGHT
    };

    enum class LabelType
    {
        TTF,
        BMFONT,
        CHARMAP,
        STRING_TEXTURE
    };

    static Label* create();
    static Label* createWithSystemFont(const std::string& text, const std::string& font, float fontSize,
                                       const Size& dimensions = Size::ZERO,
                                       TextHAlignment hAlignment = TextHAlignment::LEFT,
                                       TextVAlignment vAlignment = TextVAlignment::TOP);
    static Label* createWithTTF(const std::string& text, const std::string& fontFilePath, float fontSize,
                                const Size& dimensions = Size::ZERO, TextHAlignment hAlignment = TextHAlignment::LEFT,
                                TextVAlignment vAlignment = TextVAlignment::TOP);
    static Label* createWithTTF(const TTFConfig& ttfConfig, const std::string& text,
                                TextHAlignment hAlignment = TextHAlignment::LEFT, int maxLineWidth = 0);

    virtual bool setTTFConfig(const TTFConfig& ttfConfig);
    virtual const TTFConfig& getTTFConfig() const { return _fontConfig; }

    virtual void setSystemFontName(const std::string& font);
    virtual const std::string& getSystemFontName() const { return _systemFont; }
    virtual void setSystemFontSize(float fontSize);
    virtual float getSystemFontSize() const { return _systemFontSize; }
    virtual void requestSystemFontRefresh() { _contentDirty = true; }

    virtual void setString(const std::string& text) override;
    virtual const std::string& getString() const override { return _utf8Text; }
    int getStringNumLines();
    int getStringLength();

    virtual void setTextColor(const Color4B& color);
    const Color4B& getTextColor() const { return _textColor; }

    virtual void enableShadow(const Color4B& shadowColor = Color4B::BLACK, const Size& offset = Size(2, -2),
                              int blurRadius = 0);
    virtual void enableOutline(const Color4B& outlineColor, int outlineSize = -1);
    virtual void enableGlow(const Color4B& glowColor);
    void enableItalics();
    void enableBold();
    void enableUnderline();
    void enableStrikethrough();
    virtual void disableEffect();
    virtual void disableEffect(LabelEffect effect);

    bool isShadowEnabled() const { return _shadowEnabled; }
    Size getShadowOffset() const { return _shadowOffset; }
    float getShadowBlurRadius() const { return _shadowBlurRadius; }
    Color4F getShadowColor() const { return _shadowColor4F; }
    float getOutlineSize() const { return _outlineSize; }
    LabelEffect getLabelEffectType() const { return _currLabelEffect; }
    Color4F getEffectColor() const { return _effectColorF; }

    void setAlignment(TextHAlignment hAlignment) { setAlignment(hAlignment, _vAlignment); }
    TextHAlignment getTextAlignment() const { return _hAlignment; }
    void setAlignment(TextHAlignment hAlignment, TextVAlignment vAlignment);
    void setHorizontalAlignment(TextHAlignment hAlignment) { setAlignment(hAlignment, _vAlignment); }
    TextHAlignment getHorizontalAlignment() const { return _hAlignment; }
    void setVerticalAlignment(TextVAlignment vAlignment) { setAlignment(_hAlignment, vAlignment); }
    TextVAlignment getVerticalAlignment() const { return _vAlignment; }

    void setLineBreakWithoutSpace(bool breakWithoutSpace);
    void setMaxLineWidth(float maxLineWidth);
    float getMaxLineWidth() { return _maxLineWidth; }
    void enableWrap(bool enable);
    bool isWrapEnabled() const { return _enableWrap; }
    void setOverflow(Overflow overflow);
    Overflow getOverflow() const { return _overflow; }

    void setWidth(float width) { setDimensions(width, _labelHeight); }
    float getWidth() const { return _labelWidth; }
    void setHeight(float height) { setDimensions(_labelWidth, height); }
    float getHeight() const { return _labelHeight; }
    void setDimensions(float width, float height);
    const Size& getDimensions() const { return _labelDimensions; }

    virtual void updateContent();

    void setLineHeight(float height);
    float getLineHeight() const;
    void setLineSpacing(float height) { _lineSpacing = height; }
    float getLineSpacing() const { return _lineSpacing; }
    void setAdditionalKerning(float space) { _additionalKerning = space; }
    float getAdditionalKerning() const { return _additionalKerning; }

    LabelType getLabelType() const { return _currentLabelType; }
    float getRenderingFontSize() const { return _systemFontSize; }

    virtual const BlendFunc& getBlendFunc() const override { return _blendFunc; }
    virtual void setBlendFunc(const BlendFunc& blendFunc) override;

    virtual bool isOpacityModifyRGB() const override { return _isOpacityModifyRGB; }
    virtual void setOpacityModifyRGB(bool isOpacityModifyRGB) override;
    virtual void updateDisplayedColor(const Color3B& parentColor) override;
    virtual void updateDisplayedOpacity(GLubyte parentOpacity) override;

    virtual std::string getDescription() const override;
    /** Brings the rendered text up to date first. */
    virtual const Size& getContentSize() const override;
    virtual Rect getBoundingBox() const override;

    virtual void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) override;
    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    explicit Label(TextHAlignment hAlignment = TextHAlignment::LEFT, TextVAlignment vAlignment = TextVAlignment::TOP);
    virtual ~Label();

    virtual bool init() override;

protected:
    FontDefinition fontDefinition() const;
    void createSpriteForSystemFont();

    std::string _utf8Text;
    std::string _systemFont;
    float _systemFontSize;
    TTFConfig _fontConfig;
    LabelType _currentLabelType;
    bool _contentDirty;

    TextHAlignment _hAlignment;
    TextVAlignment _vAlignment;
    float _labelWidth;
    float _labelHeight;
    Size _labelDimensions;
    float _maxLineWidth;
    bool _enableWrap;
    bool _lineBreakWithoutSpaces;
    Overflow _overflow;
    float _lineHeight;
    float _lineSpacing;
    float _additionalKerning;
    int _numberOfLines;

    Color4B _textColor;
    Color4F _textColorF;
    LabelEffect _currLabelEffect;
    Color4F _effectColorF;
    float _outlineSize;
    bool _shadowEnabled;
    Size _shadowOffset;
    float _shadowBlurRadius;
    Color4F _shadowColor4F;
    bool _boldEnabled;
    bool _italicsEnabled;
    bool _underlineEnabled;
    bool _strikethroughEnabled;

    BlendFunc _blendFunc;
    bool _isOpacityModifyRGB;
    Sprite* _textSprite;

private:
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;
};

NS_CC_END

#endif
