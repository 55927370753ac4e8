#include "renderer/CCSoftwareBlend.h"

#include <algorithm>

NS_CC_BEGIN

namespace {

inline unsigned char toByte(float v)
{
    v = std::min(1.0f, std::max(0.0f, v));
    return static_cast<unsigned char>(v * 255.0f + 0.5f);
}

const float kByte = 1.0f / 255.0f;

} // namespace

SoftwareBlend::SoftwareBlend(const BlendFunc& func) : _func(func), _mode(Mode::GENERAL)
{
    if (!isKnownFactor(func.src) || !isKnownFactor(func.dst)) _func = BlendFunc::DISABLE;
    if (_func.src == GL_ONE && _func.dst == GL_ZERO) _mode = Mode::REPLACE;
    else if (_func.src == GL_ONE && _func.dst == GL_ONE_MINUS_SRC_ALPHA) _mode = Mode::PREMULTIPLIED;
    else if (_func.src == GL_SRC_ALPHA && _func.dst == GL_ONE_MINUS_SRC_ALPHA) _mode = Mode::NON_PREMULTIPLIED;
}

bool SoftwareBlend::isKnownFactor(GLenum f)
{
    switch (f)
    {
    case GL_ZERO:
    case GL_ONE:
    case GL_SRC_COLOR:
    case GL_ONE_MINUS_SRC_COLOR:
    case GL_SRC_ALPHA:
    case GL_ONE_MINUS_SRC_ALPHA:
    case GL_DST_ALPHA:
    case GL_ONE_MINUS_DST_ALPHA:
    case GL_DST_COLOR:
    case GL_ONE_MINUS_DST_COLOR:
    case GL_SRC_ALPHA_SATURATE: return true;
    default: return false;
    }
}

void SoftwareBlend::factor(GLenum f, const float s[4], const float d[4], float out[4])
{
    switch (f)
    {
    case GL_ZERO: out[0] = out[1] = out[2] = out[3] = 0.0f; break;
    case GL_ONE: out[0] = out[1] = out[2] = out[3] = 1.0f; break;
    case GL_SRC_COLOR: for (int i = 0; i < 4; ++i) out[i] = s[i]; break;
    case GL_ONE_MINUS_SRC_COLOR: for (int i = 0; i < 4; ++i) out[i] = 1.0f - s[i]; break;
    case GL_SRC_ALPHA: out[0] = out[1] = out[2] = out[3] = s[3]; break;
    case GL_ONE_MINUS_SRC_ALPHA: out[0] = out[1] = out[2] = out[3] = 1.0f - s[3]; break;
    case GL_DST_ALPHA: out[0] = out[1] = out[2] = out[3] = d[3]; break;
    case GL_ONE_MINUS_DST_ALPHA: out[0] = out[1] = out[2] = out[3] = 1.0f - d[3]; break;
    case GL_DST_COLOR: for (int i = 0; i < 4; ++i) out[i] = d[i]; break;
    case GL_ONE_MINUS_DST_COLOR: for (int i = 0; i < 4; ++i) out[i] = 1.0f - d[i]; break;
    case GL_SRC_ALPHA_SATURATE:
        out[0] = out[1] = out[2] = std::min(s[3], 1.0f - d[3]);
        out[3] = 1.0f;
        break;
    default: out[0] = out[1] = out[2] = out[3] = 0.0f; break;
    }
}

void SoftwareBlend::apply(const float src[4], unsigned char dst[4]) const
{
    switch (_mode)
    {
    case Mode::REPLACE:
        for (int i = 0; i < 4; ++i) dst[i] = toByte(src[i]);
        return;
    case Mode::PREMULTIPLIED:
    {
        float keep = 1.0f - src[3];
        for (int i = 0; i < 4; ++i) dst[i] = toByte(src[i] + dst[i] * kByte * keep);
        return;
    }
    case Mode::NON_PREMULTIPLIED:
    {
        float a = src[3], keep = 1.0f - src[3];
        for (int i = 0; i < 4; ++i) dst[i] = toByte(src[i] * a + dst[i] * kByte * keep);
        return;
    }
    case Mode::GENERAL: break;
    }
    float d[4] = {dst[0] * kByte, dst[1] * kByte, dst[2] * kByte, dst[3] * kByte};
    float sf[4], df[4];
    factor(_func.src, src, d, sf);
    factor(_func.dst, src, d, df);
    for (int i = 0; i < 4; ++i) dst[i] = toByte(src[i] * sf[i] + d[i] * df[i]);
}

NS_CC_END
