#include "renderer/CCTexture2D.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "base/CCDirector.h"
#include "base/ccMacros.h"
#include "base/ccUTF8.h"
#include "platform/CCImage.h"
#include "platform/CCSystemFont.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCPixelConversion.h"

NS_CC_BEGIN

namespace {

Texture2D::PixelFormat g_defaultAlphaPixelFormat = Texture2D::PixelFormat::DEFAULT;

GLuint nextTextureName()
{
    static GLuint next = 0;
    return ++next;
}

float contentScale()
{
    Director* director = Director::getInstance();
    float scale = director ? director->getContentScaleFactor() : 1.0f;
    return scale > 0 ? scale : 1.0f;
}

} // namespace

const Texture2D::PixelFormatInfoMap& Texture2D::getPixelFormatInfoMap()
{
    static const PixelFormatInfoMap map = {
        {PixelFormat::BGRA8888, PixelFormatInfo(GL_RGBA, GL_RGBA, GL_UNSIGNED_BYTE, 32, false, true)},
        {PixelFormat::RGBA8888, PixelFormatInfo(GL_RGBA, GL_RGBA, GL_UNSIGNED_BYTE, 32, false, true)},
        {PixelFormat::RGBA4444, PixelFormatInfo(GL_RGBA, GL_RGBA, GL_UNSIGNED_SHORT_4_4_4_4, 16, false, true)},
        {PixelFormat::RGB5A1, PixelFormatInfo(GL_RGBA, GL_RGBA, GL_UNSIGNED_SHORT_5_5_5_1, 16, false, true)},
        {PixelFormat::RGB565, PixelFormatInfo(GL_RGB, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, 16, false, false)},
        {PixelFormat::RGB888, PixelFormatInfo(GL_RGB, GL_RGB, GL_UNSIGNED_BYTE, 24, false, false)},
        {PixelFormat::A8, PixelFormatInfo(GL_ALPHA, GL_ALPHA, GL_UNSIGNED_BYTE, 8, false, false)},
        {PixelFormat::I8, PixelFormatInfo(GL_LUMINANCE, GL_LUMINANCE, GL_UNSIGNED_BYTE, 8, false, false)},
        {PixelFormat::AI88, PixelFormatInfo(GL_LUMINANCE_ALPHA, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, 16, false, true)},
        {PixelFormat::PVRTC4, PixelFormatInfo(0x8C02, 0xFFFFFFFF, 0xFFFFFFFF, 4, true, false)},
        {PixelFormat::PVRTC4A, PixelFormatInfo(0x8C02, 0xFFFFFFFF, 0xFFFFFFFF, 4, true, true)},
        {PixelFormat::PVRTC2, PixelFormatInfo(0x8C03, 0xFFFFFFFF, 0xFFFFFFFF, 2, true, false)},
        {PixelFormat::PVRTC2A, PixelFormatInfo(0x8C03, 0xFFFFFFFF, 0xFFFFFFFF, 2, true, true)},
        {PixelFormat::ETC, PixelFormatInfo(0x8D64, 0xFFFFFFFF, 0xFFFFFFFF, 4, true, false)},
        {PixelFormat::S3TC_DXT1, PixelFormatInfo(0x83F1, 0xFFFFFFFF, 0xFFFFFFFF, 4, true, false)},
        {PixelFormat::S3TC_DXT3, PixelFormatInfo(0x83F2, 0xFFFFFFFF, 0xFFFFFFFF, 8, true, false)},
        {PixelFormat::S3TC_DXT5, PixelFormatInfo(0x83F3, 0xFFFFFFFF, 0xFFFFFFFF, 8, true, false)},
        {PixelFormat::ATC_RGB, PixelFormatInfo(0x8C92, 0xFFFFFFFF, 0xFFFFFFFF, 4, true, false)},
        {PixelFormat::ATC_EXPLICIT_ALPHA, PixelFormatInfo(0x8C93, 0xFFFFFFFF, 0xFFFFFFFF, 8, true, false)},
        {PixelFormat::ATC_INTERPOLATED_ALPHA, PixelFormatInfo(0x87EE, 0xFFFFFFFF, 0xFFFFFFFF, 8, true, false)},
    };
    return map;
}

void Texture2D::setDefaultAlphaPixelFormat(Texture2D::PixelFormat format)
{
    g_defaultAlphaPixelFormat = format;
}

Texture2D::PixelFormat Texture2D::getDefaultAlphaPixelFormat()
{
    return g_defaultAlphaPixelFormat;
}

Texture2D::Texture2D()
    : _pixelFormat(PixelFormat::DEFAULT),
      _pixelsWide(0),
      _pixelsHigh(0),
      _name(0),
      _maxS(0),
      _maxT(0),
      _hasPremultipliedAlpha(false),
      _hasMipmaps(false),
      _antialiasEnabled(true),
      _texParams{GL_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE},
      _shaderProgram(nullptr),
      _alphaTexture(nullptr)
{
}

Texture2D::~Texture2D()
{
    CC_SAFE_RELEASE(_shaderProgram);
    CC_SAFE_RELEASE(_alphaTexture);
}

void Texture2D::reset()
{
    _pixels.clear();
    _pixelsWide = _pixelsHigh = 0;
    _name = 0;
    _contentSize = Size::ZERO;
    _maxS = _maxT = 0;
    _hasMipmaps = false;
}

void Texture2D::releaseGLTexture()
{
    _name = 0;
}

std::string Texture2D::getDescription() const
{
    char buf[128];
    std::snprintf(buf, sizeof(buf), "<Texture2D | Name = %u | Dimensions = %d x %d | Coordinates = (%.2f, %.2f)>",
                  _name, _pixelsWide, _pixelsHigh, _maxS, _maxT);
    return buf;
}

unsigned int Texture2D::getBitsPerPixelForFormat(Texture2D::PixelFormat format) const
{
    const PixelFormatInfoMap& map = getPixelFormatInfoMap();
    auto it = map.find(format);
    return it == map.end() ? 0u : static_cast<unsigned int>(it->second.bpp);
}

unsigned int Texture2D::getBitsPerPixelForFormat() const
{
    return getBitsPerPixelForFormat(_pixelFormat);
}

const char* Texture2D::getStringForFormat() const
{
    switch (_pixelFormat)
    {
    case PixelFormat::RGBA8888: return "RGBA8888";
    case PixelFormat::RGB888: return "RGB888";
    case PixelFormat::RGB565: return "RGB565";
    case PixelFormat::RGBA4444: return "RGBA4444";
    case PixelFormat::RGB5A1: return "RGB5A1";
    case PixelFormat::AI88: return "AI88";
    case PixelFormat::A8: return "A8";
    case PixelFormat::I8: return "I8";
    case PixelFormat::PVRTC4: return "PVRTC4";
    case PixelFormat::PVRTC2: return "PVRTC2";
    case PixelFormat::PVRTC2A: return "PVRTC2A";
    case PixelFormat::PVRTC4A: return "PVRTC4A";
    case PixelFormat::ETC: return "ETC";
    case PixelFormat::S3TC_DXT1: return "S3TC_DXT1";
    case PixelFormat::S3TC_DXT3: return "S3TC_DXT3";
    case PixelFormat::S3TC_DXT5: return "S3TC_DXT5";
    case PixelFormat::ATC_RGB: return "ATC_RGB";
    case PixelFormat::ATC_EXPLICIT_ALPHA: return "ATC_EXPLICIT_ALPHA";
    case PixelFormat::ATC_INTERPOLATED_ALPHA: return "ATC_INTERPOLATED_ALPHA";
    case PixelFormat::BGRA8888: return "BGRA8888";
    default: return nullptr;
    }
}

bool Texture2D::initWithData(const void* data, ssize_t dataLen, Texture2D::PixelFormat pixelFormat, int pixelsWide,
                             int pixelsHigh, const Size& contentSize)
{
    if (!data || dataLen <= 0 || pixelsWide <= 0 || pixelsHigh <= 0) return false;
    if (!pixels::convertible(pixelFormat)) return false;
    unsigned int bpp = getBitsPerPixelForFormat(pixelFormat);
    long long need = static_cast<long long>(pixelsWide) * pixelsHigh * bpp / 8;
    if (static_cast<long long>(dataLen) < need) return false; // never read past the caller's buffer

    reset();
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    _pixels.assign(bytes, bytes + need);
    _pixelFormat = pixelFormat;
    _pixelsWide = pixelsWide;
    _pixelsHigh = pixelsHigh;
    _contentSize = contentSize;
    _maxS = contentSize.width / static_cast<float>(pixelsWide);
    _maxT = contentSize.height / static_cast<float>(pixelsHigh);
    _hasPremultipliedAlpha = false; // an image's own setting follows in initWithImage
    _name = nextTextureName();
    setGLProgram(GLProgramCache::getInstance()->getGLProgram(GLProgram::SHADER_NAME_POSITION_TEXTURE));
    return true;
}

bool Texture2D::updateWithData(const void* data, int offsetX, int offsetY, int width, int height)
{
    if (!_name || !data || offsetX < 0 || offsetY < 0 || width <= 0 || height <= 0) return false;
    if (offsetX + width > _pixelsWide || offsetY + height > _pixelsHigh) return false;
    size_t pixelBytes = getBitsPerPixelForFormat() / 8;
    if (pixelBytes == 0) return false;
    const unsigned char* src = static_cast<const unsigned char*>(data);
    for (int y = 0; y < height; ++y)
        std::memcpy(&_pixels[((static_cast<size_t>(offsetY) + y) * _pixelsWide + offsetX) * pixelBytes],
                    src + static_cast<size_t>(y) * width * pixelBytes, static_cast<size_t>(width) * pixelBytes);
    return true;
}

bool Texture2D::initWithImage(Image* image)
{
    return initWithImage(image, g_defaultAlphaPixelFormat);
}

bool Texture2D::initWithImage(Image* image, PixelFormat format)
{
    if (!image || !image->getData() || image->getWidth() <= 0 || image->getHeight() <= 0) return false;
    int w = image->getWidth(), h = image->getHeight();
    PixelFormat source = image->getRenderFormat();
    PixelFormat target = (format == PixelFormat::NONE || format == PixelFormat::AUTO) ? source : format;
    if (!pixels::convertible(source) || !pixels::convertible(target)) return false;

    bool ok;
    Size size(static_cast<float>(w), static_cast<float>(h));
    if (target == source)
    {
        ok = initWithData(image->getData(), image->getDataLen(), target, w, h, size);
    }
    else
    {
        size_t inBytes = getBitsPerPixelForFormat(source) / 8, outBytes = getBitsPerPixelForFormat(target) / 8;
        size_t count = static_cast<size_t>(w) * h;
        if (static_cast<size_t>(image->getDataLen()) < count * inBytes) return false;
        std::vector<unsigned char> converted(count * outBytes);
        const unsigned char* in = image->getData();
        unsigned char rgba[4];
        for (size_t i = 0; i < count; ++i)
        {
            pixels::decodePixel(source, in + i * inBytes, rgba);
            pixels::encodePixel(target, rgba, &converted[i * outBytes]);
        }
        ok = initWithData(converted.data(), static_cast<ssize_t>(converted.size()), target, w, h, size);
    }
    if (ok)
    {
        _hasPremultipliedAlpha = image->hasPremultipliedAlpha();
        _filePath = image->getFilePath();
    }
    return ok;
}

bool Texture2D::initWithString(const char* text, const std::string& fontName, float fontSize, const Size& dimensions,
                               TextHAlignment hAlignment, TextVAlignment vAlignment, bool enableWrap, int overflow)
{
    FontDefinition def;
    def._fontName = fontName;
    def._fontSize = static_cast<int>(fontSize);
    def._dimensions = dimensions;
    def._alignment = hAlignment;
    def._vertAlignment = vAlignment;
    def._enableWrap = enableWrap;
    def._overflow = overflow;
    return initWithString(text, def);
}

bool Texture2D::initWithString(const char* text, const FontDefinition& def)
{
    if (!text || !*text || def._fontSize <= 0) return false;
    SystemFont* font = SystemFont::forName(def._fontName);
    std::u32string utf32;
    if (!font || !StringUtils::UTF8ToUTF32(text, utf32)) return false;

    // lay out and draw in pixels, report the size in points
    float scale = contentScale();
    float size = static_cast<float>(def._fontSize) * scale;
    float boxW = def._dimensions.width * scale, boxH = def._dimensions.height * scale;
    std::vector<SystemFont::Line> lines = font->layout(utf32, size, def._enableWrap ? boxW : 0);
    float lineHeight = font->lineHeight(size);
    float textW = 0;
    for (const SystemFont::Line& l : lines) textW = std::max(textW, l.width);
    float textH = lineHeight * static_cast<float>(lines.size());
    int w = static_cast<int>(std::ceil(boxW > 0 ? boxW : textW));
    int h = static_cast<int>(std::ceil(boxH > 0 ? boxH : textH));
    if (w <= 0 || h <= 0 || w > 8192 || h > 8192) return false;

    std::vector<unsigned char> coverage(static_cast<size_t>(w) * h, 0);
    float top = 0;
    if (def._vertAlignment == TextVAlignment::CENTER) top = (static_cast<float>(h) - textH) / 2;
    else if (def._vertAlignment == TextVAlignment::BOTTOM) top = static_cast<float>(h) - textH;
    for (size_t i = 0; i < lines.size(); ++i)
    {
        float x = 0;
        if (def._alignment == TextHAlignment::CENTER) x = (static_cast<float>(w) - lines[i].width) / 2;
        else if (def._alignment == TextHAlignment::RIGHT) x = static_cast<float>(w) - lines[i].width;
        float baseline = top + lineHeight * static_cast<float>(i) + font->ascent(size);
        font->drawLine(lines[i].text, size, coverage.data(), w, h, x, baseline);
    }
    // The text in its fill colour, alpha premultiplied, as the platform's
    // text drawing hands it over.
    std::vector<unsigned char> rgba(coverage.size() * 4);
    const Color3B& fill = def._fontFillColor;
    for (size_t i = 0; i < coverage.size(); ++i)
    {
        unsigned a = (coverage[i] * static_cast<unsigned>(def._fontAlpha) + 127) / 255;
        rgba[i * 4 + 0] = static_cast<unsigned char>((fill.r * a + 127) / 255);
        rgba[i * 4 + 1] = static_cast<unsigned char>((fill.g * a + 127) / 255);
        rgba[i * 4 + 2] = static_cast<unsigned char>((fill.b * a + 127) / 255);
        rgba[i * 4 + 3] = static_cast<unsigned char>(a);
    }
    bool ok = initWithData(rgba.data(), static_cast<ssize_t>(rgba.size()), PixelFormat::RGBA8888, w, h,
                           Size(static_cast<float>(w), static_cast<float>(h)));
    if (ok) _hasPremultipliedAlpha = true;
    return ok;
}

void Texture2D::setTexParameters(const TexParams& texParams)
{
    _texParams = texParams;
    _antialiasEnabled = texParams.magFilter == GL_LINEAR;
}

void Texture2D::setAntiAliasTexParameters()
{
    _texParams.minFilter = _hasMipmaps ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR;
    _texParams.magFilter = GL_LINEAR;
    _antialiasEnabled = true;
}

void Texture2D::setAliasTexParameters()
{
    _texParams.minFilter = _hasMipmaps ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST;
    _texParams.magFilter = GL_NEAREST;
    _antialiasEnabled = false;
}

const Size& Texture2D::getContentSizeInPixels()
{
    return _contentSize;
}

Size Texture2D::getContentSize() const
{
    float scale = contentScale();
    return Size(_contentSize.width / scale, _contentSize.height / scale);
}

void Texture2D::setGLProgram(GLProgram* program)
{
    CC_SAFE_RETAIN(program);
    CC_SAFE_RELEASE(_shaderProgram);
    _shaderProgram = program;
}

void Texture2D::setAlphaTexture(Texture2D* alphaTexture)
{
    CC_SAFE_RETAIN(alphaTexture);
    CC_SAFE_RELEASE(_alphaTexture);
    _alphaTexture = alphaTexture;
}

NS_CC_END
