#include "platform/CCImage.h"

#include <cstdlib>
#include <cstring>

#include "base/CCData.h"
#include "platform/CCFileUtils.h"

#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
// larger than any texture the engine takes; refused before any allocation
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
#include "stb_image.h"

#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

NS_CC_BEGIN

bool Image::PNG_PREMULTIPLIED_ALPHA_ENABLED = true;

Image::Image()
    : _data(nullptr),
      _dataLen(0),
      _width(0),
      _height(0),
      _fileType(Format::UNKNOWN),
      _renderFormat(Texture2D::PixelFormat::NONE),
      _hasPremultipliedAlpha(false)
{
}

Image::~Image()
{
    release_data();
}

void Image::release_data()
{
    std::free(_data);
    _data = nullptr;
    _dataLen = 0;
}

Image::Format Image::detectFormat(const unsigned char* data, ssize_t dataLen)
{
    static const unsigned char PNG_SIGNATURE[] = {0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a};
    if (dataLen >= 8 && std::memcmp(data, PNG_SIGNATURE, 8) == 0) return Format::PNG;
    if (dataLen > 2 && data[0] == 0xFF && data[1] == 0xD8) return Format::JPG;
    return Format::UNKNOWN;
}

bool Image::initWithImageFile(const std::string& path)
{
    _filePath = FileUtils::getInstance()->fullPathForFilename(path);
    if (_filePath.empty()) return false;
    Data data = FileUtils::getInstance()->getDataFromFile(_filePath);
    if (data.isNull()) return false;
    return initWithImageData(data.getBytes(), data.getSize());
}

bool Image::initWithImageData(const unsigned char* data, ssize_t dataLen)
{
    if (!data || dataLen <= 0 || dataLen > 0x7fffffff) return false;
    release_data();
    _fileType = detectFormat(data, dataLen);
    if (_fileType != Format::PNG) return false; // the only format decoded

    int w = 0, h = 0, comp = 0;
    int len = static_cast<int>(dataLen);
    if (!stbi_info_from_memory(data, len, &w, &h, &comp)) return false;
    unsigned char* pixels = stbi_load_from_memory(data, len, &w, &h, &comp, comp);
    if (!pixels) return false;

    switch (comp)
    {
    case 1: _renderFormat = Texture2D::PixelFormat::I8; break;
    case 2: _renderFormat = Texture2D::PixelFormat::AI88; break;
    case 3: _renderFormat = Texture2D::PixelFormat::RGB888; break;
    default: _renderFormat = Texture2D::PixelFormat::RGBA8888; break;
    }
    _width = w;
    _height = h;
    _dataLen = static_cast<ssize_t>(w) * h * comp;
    _data = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(_dataLen)));
    if (!_data)
    {
        stbi_image_free(pixels);
        _dataLen = 0;
        return false;
    }
    std::memcpy(_data, pixels, static_cast<size_t>(_dataLen));
    stbi_image_free(pixels);

    _hasPremultipliedAlpha = false;
    if (comp == 4 && PNG_PREMULTIPLIED_ALPHA_ENABLED) premultiplyAlpha();
    return true;
}

bool Image::initWithRawData(const unsigned char* data, ssize_t dataLen, int width, int height,
                            int bitsPerComponent, bool preMulti)
{
    if (!data || width <= 0 || height <= 0 || bitsPerComponent != 8) return false;
    ssize_t need = static_cast<ssize_t>(width) * height * 4;
    if (dataLen < need) return false;
    release_data();
    _data = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(need)));
    if (!_data) return false;
    std::memcpy(_data, data, static_cast<size_t>(need));
    _dataLen = need;
    _width = width;
    _height = height;
    _fileType = Format::RAW_DATA;
    _renderFormat = Texture2D::PixelFormat::RGBA8888;
    _hasPremultipliedAlpha = preMulti;
    return true;
}

void Image::premultiplyAlpha()
{
    if (_renderFormat != Texture2D::PixelFormat::RGBA8888 || !_data) return;
    for (ssize_t i = 0; i + 3 < _dataLen; i += 4)
    {
        unsigned a = _data[i + 3];
        for (int c = 0; c < 3; ++c) _data[i + c] = static_cast<unsigned char>((_data[i + c] * a + 127) / 255);
    }
    _hasPremultipliedAlpha = true;
}

int Image::getBitPerPixel()
{
    const Texture2D::PixelFormatInfoMap& formats = Texture2D::getPixelFormatInfoMap();
    auto it = formats.find(_renderFormat);
    return it == formats.end() ? 0 : it->second.bpp;
}

bool Image::hasAlpha()
{
    return _renderFormat == Texture2D::PixelFormat::RGBA8888 || _renderFormat == Texture2D::PixelFormat::AI88;
}

namespace {
void appendToString(void* context, void* data, int size)
{
    static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}
} // namespace

bool Image::saveToFile(const std::string& filename, bool isToRGB)
{
    if (!_data || _width <= 0 || _height <= 0) return false;
    int comp;
    switch (_renderFormat)
    {
    case Texture2D::PixelFormat::I8: comp = 1; break;
    case Texture2D::PixelFormat::AI88: comp = 2; break;
    case Texture2D::PixelFormat::RGB888: comp = 3; break;
    case Texture2D::PixelFormat::RGBA8888: comp = 4; break;
    default: return false;
    }
    const unsigned char* src = _data;
    std::string rgb;
    if (comp == 4 && isToRGB)
    {
        // drop the alpha channel
        rgb.resize(static_cast<size_t>(_width) * _height * 3);
        for (size_t i = 0, n = static_cast<size_t>(_width) * _height; i < n; ++i)
            std::memcpy(&rgb[i * 3], _data + i * 4, 3);
        src = reinterpret_cast<const unsigned char*>(rgb.data());
        comp = 3;
    }
    std::string png;
    if (!stbi_write_png_to_func(appendToString, &png, _width, _height, comp, src, _width * comp)) return false;
    Data out;
    out.copy(reinterpret_cast<const unsigned char*>(png.data()), static_cast<ssize_t>(png.size()));
    return FileUtils::getInstance()->writeDataToFile(out, filename);
}

NS_CC_END
