#ifndef __CC_IMAGE_H__
#define __CC_IMAGE_H__

#include <string>

#include "base/CCRef.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

/** Decoded image pixels. PNG files are decoded to 8 bits per channel in the
 *  layout of the file: grey (I8), grey with alpha (AI88), RGB888 or RGBA8888;
 *  palette images become RGB888, or RGBA8888 when they carry transparency.
 *  Images with alpha have their colour premultiplied unless that has been
 *  switched off with setPNGPremultipliedAlphaEnabled(false). Images wider
 *  or higher than 16384 pixels are refused. */
class CC_DLL Image : public Ref
{
public:
    Image();
    virtual ~Image();

    enum class Format
    {
        JPG,
        PNG,
        TIFF,
        WEBP,
        PVR,
        ETC,
        S3TC,
        ATITC,
        TGA,
        RAW_DATA,
        UNKNOWN
    };

    static void setPNGPremultipliedAlphaEnabled(bool enabled) { PNG_PREMULTIPLIED_ALPHA_ENABLED = enabled; }

    bool initWithImageFile(const std::string& path);
    bool initWithImageData(const unsigned char* data, ssize_t dataLen);
    /** Takes RGBA8888 (bitsPerComponent 8) pixels as they are. */
    bool initWithRawData(const unsigned char* data, ssize_t dataLen, int width, int height, int bitsPerComponent,
                         bool preMulti = false);

    unsigned char* getData() { return _data; }
    ssize_t getDataLen() { return _dataLen; }
    Format getFileType() { return _fileType; }
    Texture2D::PixelFormat getRenderFormat() { return _renderFormat; }
    int getWidth() { return _width; }
    int getHeight() { return _height; }
    int getNumberOfMipmaps() { return 1; }
    bool hasPremultipliedAlpha() { return _hasPremultipliedAlpha; }
    std::string getFilePath() const { return _filePath; }

    int getBitPerPixel();
    bool hasAlpha();
    bool isCompressed() { return false; }

    /** Writes the image as PNG (the only format written). */
    bool saveToFile(const std::string& filename, bool isToRGB = true);

    void premultiplyAlpha();

protected:
    static bool PNG_PREMULTIPLIED_ALPHA_ENABLED;

    void release_data();
    static Format detectFormat(const unsigned char* data, ssize_t dataLen);

    unsigned char* _data;
    ssize_t _dataLen;
    int _width;
    int _height;
    Format _fileType;
    Texture2D::PixelFormat _renderFormat;
    bool _hasPremultipliedAlpha;
    std::string _filePath;

private:
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
};

NS_CC_END

#endif
