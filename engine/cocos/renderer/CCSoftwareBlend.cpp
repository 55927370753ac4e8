#include "renderer/CCSoftwareBlend.h"

#include <algorithm>

NS_CC_BEGIN

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

NS_CC_END
