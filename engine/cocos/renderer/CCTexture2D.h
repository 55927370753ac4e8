#ifndef __CCTEXTURE2D_H__
#define __CCTEXTURE2D_H__

#include <map>
#include <string>
#include <vector>

#include "base/CCRef.h"
#include "base/ccTypes.h"
#include "math/CCGeometry.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class Image;
class GLProgram;

/** A texture: the pixels of an image (or of rendered text) in one pixel
 *  format, kept in memory since there is no GPU to upload them to. The
 *  content size is in points (pixels divided by the content scale factor). */
class CC_DLL Texture2D : public Ref
{
public:
    enum class PixelFormat
    {
        AUTO,
        BGRA8888,
        RGBA8888,
        RGB888,
        RGB565,
        A8,
        I8,
        AI88,
        RGBA4444,
        RGB5A1,
        PVRTC4,
        PVRTC4A,
        PVRTC2,
        PVRTC2A,
        ETC,
        S3TC_DXT1,
        S3TC_DXT3,
        S3TC_DXT5,
        ATC_RGB,
        ATC_EXPLICIT_ALPHA,
        ATC_INTERPOLATED_ALPHA,
        DEFAULT = AUTO,

        NONE = -1
    };

    struct PixelFormatInfo
    {
        PixelFormatInfo(GLenum anInternalFormat, GLenum aFormat, GLenum aType, int aBpp, bool aCompressed, bool anAlpha)
            : internalFormat(anInternalFormat), format(aFormat), type(aType), bpp(aBpp), compressed(aCompressed),
              alpha(anAlpha)
        {
        }

        GLenum internalFormat;
        GLenum format;
        GLenum type;
        int bpp;
        bool compressed;
        bool alpha;
    };

    typedef std::map<Texture2D::PixelFormat, const PixelFormatInfo> PixelFormatInfoMap;

    typedef struct _TexParams
    {
        GLuint minFilter;
        GLuint magFilter;
        GLuint wrapS;
        GLuint wrapT;
    } TexParams;

    static void setDefaultAlphaPixelFormat(Texture2D::PixelFormat format);
    static Texture2D::PixelFormat getDefaultAlphaPixelFormat();
    static const PixelFormatInfoMap& getPixelFormatInfoMap();

    Texture2D();
    virtual ~Texture2D();

    virtual std::string getDescription() const;
    void releaseGLTexture();

    /** Takes dataLen bytes of pixels in pixelFormat; false when they are
     *  fewer than pixelsWide x pixelsHigh need, or the format is compressed. */
    bool initWithData(const void* data, ssize_t dataLen, Texture2D::PixelFormat pixelFormat, int pixelsWide,
                      int pixelsHigh, const Size& contentSize);
    bool updateWithData(const void* data, int offsetX, int offsetY, int width, int height);

    bool initWithImage(Image* image);
    bool initWithImage(Image* image, PixelFormat format);

    /** Renders text with a system font into an RGBA8888 texture in the
     *  definition's fill colour, alpha premultiplied. */
    bool initWithString(const char* text, const std::string& fontName, float fontSize,
                        const Size& dimensions = Size(0, 0), TextHAlignment hAlignment = TextHAlignment::CENTER,
                        TextVAlignment vAlignment = TextVAlignment::TOP, bool enableWrap = true, int overflow = 0);
    bool initWithString(const char* text, const FontDefinition& textDefinition);

    void drawAtPoint(const Vec2& /*point*/) {}
    void drawInRect(const Rect& /*rect*/) {}

    void setTexParameters(const TexParams& texParams);
    void setAntiAliasTexParameters();
    void setAliasTexParameters();
    void generateMipmap() { _hasMipmaps = true; }
    bool isAntiAlias() const { return _antialiasEnabled; }

    const char* getStringForFormat() const;
    unsigned int getBitsPerPixelForFormat() const;
    unsigned int getBitsPerPixelForFormat(Texture2D::PixelFormat format) const;

    const Size& getContentSizeInPixels();
    Size getContentSize() const;

    bool hasPremultipliedAlpha() const { return _hasPremultipliedAlpha; }
    bool hasMipmaps() const { return _hasMipmaps; }
    Texture2D::PixelFormat getPixelFormat() const { return _pixelFormat; }
    int getPixelsWide() const { return _pixelsWide; }
    int getPixelsHigh() const { return _pixelsHigh; }
    GLuint getName() const { return _name; }
    GLfloat getMaxS() const { return _maxS; }
    void setMaxS(GLfloat maxS) { _maxS = maxS; }
    GLfloat getMaxT() const { return _maxT; }
    void setMaxT(GLfloat maxT) { _maxT = maxT; }

    void setGLProgram(GLProgram* program);
    GLProgram* getGLProgram() const { return _shaderProgram; }

    std::string getPath() const { return _filePath; }
    void setPath(const std::string& path) { _filePath = path; }

    void setAlphaTexture(Texture2D* alphaTexture);
    Texture2D* getAlphaTexture() const { return _alphaTexture; }
    GLuint getAlphaTextureName() const { return _alphaTexture ? _alphaTexture->getName() : 0; }

    /** The pixels as stored, top row first (empty before init). */
    const std::vector<unsigned char>& getPixelData() const { return _pixels; }

protected:
    void reset();

    PixelFormat _pixelFormat;
    int _pixelsWide;
    int _pixelsHigh;
    GLuint _name;
    GLfloat _maxS;
    GLfloat _maxT;
    Size _contentSize;
    bool _hasPremultipliedAlpha;
    bool _hasMipmaps;
    bool _antialiasEnabled;
    TexParams _texParams;
    GLProgram* _shaderProgram;
    Texture2D* _alphaTexture;
    std::string _filePath;
    std::vector<unsigned char> _pixels;

private:
    Texture2D(const Texture2D&) = delete;
    Texture2D& operator=(const Texture2D&) = delete;
};

NS_CC_END

#endif
