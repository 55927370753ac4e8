#include "renderer/CCPixelConversion.h"

#include <cstring>

NS_CC_BEGIN

namespace pixels
{

void decodePixel(Texture2D::PixelFormat f, const unsigned char* p, unsigned char out[4])
{
    switch (f)
    {
    case Texture2D::PixelFormat::RGBA8888: std::memcpy(out, p, 4); break;
    case Texture2D::PixelFormat::BGRA8888: out[0] = p[2]; out[1] = p[1]; out[2] = p[0]; out[3] = p[3]; break;
    case Texture2D::PixelFormat::RGB888: out[0] = p[0]; out[1] = p[1]; out[2] = p[2]; out[3] = 255; break;
    case Texture2D::PixelFormat::A8: out[0] = out[1] = out[2] = 255; out[3] = p[0]; break;
    case Texture2D::PixelFormat::I8: out[0] = out[1] = out[2] = p[0]; out[3] = 255; break;
    case Texture2D::PixelFormat::AI88: out[0] = out[1] = out[2] = p[0]; out[3] = p[1]; break;
    case Texture2D::PixelFormat::RGB565:
    {
        unsigned v = static_cast<unsigned>(p[0] | (p[1] << 8));
        out[0] = static_cast<unsigned char>(((v >> 11) & 31) * 255 / 31);
        out[1] = static_cast<unsigned char>(((v >> 5) & 63) * 255 / 63);
        out[2] = static_cast<unsigned char>((v & 31) * 255 / 31);
        out[3] = 255;
        break;
    }
    case Texture2D::PixelFormat::RGBA4444:
    {
        unsigned v = static_cast<unsigned>(p[0] | (p[1] << 8));
        out[0] = static_cast<unsigned char>(((v >> 12) & 15) * 17);
        out[1] = static_cast<unsigned char>(((v >> 8) & 15) * 17);
        out[2] = static_cast<unsigned char>(((v >> 4) & 15) * 17);
        out[3] = static_cast<unsigned char>((v & 15) * 17);
        break;
    }
    case Texture2D::PixelFormat::RGB5A1:
    {
        unsigned v = static_cast<unsigned>(p[0] | (p[1] << 8));
        out[0] = static_cast<unsigned char>(((v >> 11) & 31) * 255 / 31);
        out[1] = static_cast<unsigned char>(((v >> 6) & 31) * 255 / 31);
        out[2] = static_cast<unsigned char>(((v >> 1) & 31) * 255 / 31);
        out[3] = (v & 1) ? 255 : 0;
        break;
    }
    default: out[0] = out[1] = out[2] = out[3] = 0; break;
    }
}

void encodePixel(Texture2D::PixelFormat f, const unsigned char in[4], unsigned char* p)
{
    switch (f)
    {
    case Texture2D::PixelFormat::RGBA8888: std::memcpy(p, in, 4); break;
    case Texture2D::PixelFormat::BGRA8888: p[0] = in[2]; p[1] = in[1]; p[2] = in[0]; p[3] = in[3]; break;
    case Texture2D::PixelFormat::RGB888: std::memcpy(p, in, 3); break;
    case Texture2D::PixelFormat::A8: p[0] = in[3]; break;
    case Texture2D::PixelFormat::I8: p[0] = static_cast<unsigned char>((in[0] * 299 + in[1] * 587 + in[2] * 114) / 1000); break;
    case Texture2D::PixelFormat::AI88:
        p[0] = static_cast<unsigned char>((in[0] * 299 + in[1] * 587 + in[2] * 114) / 1000);
        p[1] = in[3];
        break;
    case Texture2D::PixelFormat::RGB565:
    {
        unsigned v = ((in[0] >> 3u) << 11) | ((in[1] >> 2u) << 5) | (in[2] >> 3u);
        p[0] = static_cast<unsigned char>(v & 0xFF);
        p[1] = static_cast<unsigned char>(v >> 8);
        break;
    }
    case Texture2D::PixelFormat::RGBA4444:
    {
        unsigned v = ((in[0] >> 4u) << 12) | ((in[1] >> 4u) << 8) | ((in[2] >> 4u) << 4) | (in[3] >> 4u);
        p[0] = static_cast<unsigned char>(v & 0xFF);
        p[1] = static_cast<unsigned char>(v >> 8);
        break;
    }
    case Texture2D::PixelFormat::RGB5A1:
    {
        unsigned v = ((in[0] >> 3u) << 11) | ((in[1] >> 3u) << 6) | ((in[2] >> 3u) << 1) | (in[3] >= 128 ? 1u : 0u);
        p[0] = static_cast<unsigned char>(v & 0xFF);
        p[1] = static_cast<unsigned char>(v >> 8);
        break;
    }
    default: break;
    }
}

bool convertible(Texture2D::PixelFormat f)
{
    switch (f)
    {
    case Texture2D::PixelFormat::RGBA8888:
    case Texture2D::PixelFormat::BGRA8888:
    case Texture2D::PixelFormat::RGB888:
    case Texture2D::PixelFormat::A8:
    case Texture2D::PixelFormat::I8:
    case Texture2D::PixelFormat::AI88:
    case Texture2D::PixelFormat::RGB565:
    case Texture2D::PixelFormat::RGBA4444:
    case Texture2D::PixelFormat::RGB5A1: return true;
    default: return false;
    }
}

} // namespace pixels

NS_CC_END
