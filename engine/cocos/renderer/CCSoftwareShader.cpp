#include "renderer/CCSoftwareShader.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCPixelConversion.h"
#include "renderer/CCTexture2D.h"
#include "renderer/ccShaders.h"

NS_CC_BEGIN

namespace {

const float kByte = 1.0f / 255.0f;

inline int clampIndex(int i, int size)
{
    return i < 0 ? 0 : (i >= size ? size - 1 : i);
}

// A coordinate a lookup can use: NaN and infinities become 0 and 1.
inline float usable(float t)
{
    if (std::isnan(t)) return 0.0f;
    return t < -4.0f ? -4.0f : (t > 4.0f ? 4.0f : t);
}

// The three weights of the first "vec3(a, b, c)" after "dot(", when they add
// up to about one (a luminance).
bool findLuminance(const std::string& source, float weights[3])
{
    for (size_t at = source.find("dot("); at != std::string::npos; at = source.find("dot(", at + 4))
    {
        size_t open = source.find("vec3(", at);
        size_t close = source.find(')', at + 4);
        if (open == std::string::npos || close == std::string::npos || open > close) continue;
        const char* p = source.c_str() + open + 5;
        float w[3];
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i)
        {
            char* end = nullptr;
            w[i] = std::strtof(p, &end);
            ok = end != p && std::isfinite(w[i]);
            p = end;
            while (ok && (*p == ' ' || *p == ',' || *p == 'f')) ++p;
        }
        float sum = ok ? w[0] + w[1] + w[2] : 0.0f;
        if (ok && sum > 0.95f && sum < 1.05f)
        {
            std::memcpy(weights, w, sizeof(w));
            return true;
        }
    }
    return false;
}

void uniformVec4(GLProgramState* state, const char* name, float out[4])
{
    UniformValue* value = state->getUniformValue(name);
    if (!value || value->getFloats().size() < 4) return;
    for (int i = 0; i < 4; ++i) out[i] = value->getFloats()[static_cast<size_t>(i)];
}

} // namespace

// MARK: sampling

bool SoftwareSampler::init(const Texture2D* texture)
{
    _rgba = nullptr;
    _converted.clear();
    if (!texture) return false;
    Texture2D::PixelFormat format = texture->getPixelFormat();
    const std::vector<unsigned char>& data = texture->getPixelData();
    _width = texture->getPixelsWide();
    _height = texture->getPixelsHigh();
    _linear = texture->isAntiAlias();
    if (_width <= 0 || _height <= 0 || !pixels::convertible(format)) return false;
    size_t count = static_cast<size_t>(_width) * static_cast<size_t>(_height);
    size_t pixelBytes = texture->getBitsPerPixelForFormat(format) / 8;
    if (pixelBytes == 0 || data.size() < count * pixelBytes) return false;
    if (format == Texture2D::PixelFormat::RGBA8888)
    {
        _rgba = data.data();
        return true;
    }
    _converted.resize(count * 4);
    for (size_t i = 0; i < count; ++i)
    {
        unsigned char* out = &_converted[i * 4];
        pixels::decodePixel(format, &data[i * pixelBytes], out);
        // an alpha texture samples black, as GL_ALPHA does
        if (format == Texture2D::PixelFormat::A8) out[0] = out[1] = out[2] = 0;
    }
    _rgba = _converted.data();
    return true;
}

void SoftwareSampler::texel(int x, int y, float out[4]) const
{
    const unsigned char* p = _rgba + (static_cast<size_t>(y) * static_cast<size_t>(_width) + static_cast<size_t>(x)) * 4;
    out[0] = p[0] * kByte;
    out[1] = p[1] * kByte;
    out[2] = p[2] * kByte;
    out[3] = p[3] * kByte;
}

void SoftwareSampler::sample(float u, float v, float out[4]) const
{
    if (!_rgba)
    {
        out[0] = out[1] = out[2] = 0.0f;
        out[3] = 1.0f;
        return;
    }
    float s = usable(u) * static_cast<float>(_width), t = usable(v) * static_cast<float>(_height);
    if (!_linear)
    {
        texel(clampIndex(static_cast<int>(std::floor(s)), _width), clampIndex(static_cast<int>(std::floor(t)), _height), out);
        return;
    }
    s -= 0.5f;
    t -= 0.5f;
    float fs = std::floor(s), ft = std::floor(t);
    float ax = s - fs, ay = t - ft;
    int x0 = clampIndex(static_cast<int>(fs), _width), x1 = clampIndex(static_cast<int>(fs) + 1, _width);
    int y0 = clampIndex(static_cast<int>(ft), _height), y1 = clampIndex(static_cast<int>(ft) + 1, _height);
    float a[4], b[4], c[4], d[4];
    texel(x0, y0, a);
    texel(x1, y0, b);
    texel(x0, y1, c);
    texel(x1, y1, d);
    for (int i = 0; i < 4; ++i)
    {
        float top = a[i] + (b[i] - a[i]) * ax;
        float bottom = c[i] + (d[i] - c[i]) * ax;
        out[i] = top + (bottom - top) * ay;
    }
}

// MARK: fragment stage

SoftwareShader SoftwareShader::forFragmentSource(const std::string& source)
{
    struct Known
    {
        const GLchar* const* source;
        Kind kind;
    };
    static const Known kKnown[] = {
        {&ccPositionTextureColor_frag, Kind::TEXTURE_COLOR},
        {&ccPositionTextureColor_noMVP_frag, Kind::TEXTURE_COLOR},
        {&ccPositionTexture_frag, Kind::TEXTURE},
        {&ccPositionTextureA8Color_frag, Kind::A8_COLOR},
        {&ccPositionColor_frag, Kind::COLOR},
        {&ccPosition_uColor_frag, Kind::COLOR},
        {&ccPositionTextureColorAlphaTest_frag, Kind::ALPHA_TEST},
        {&ccPositionTexture_uColor_frag, Kind::TEXTURE_U_COLOR},
        {&ccPositionTexture_GrayScale_frag, Kind::GREY_THEN_TINT},
        {&ccLabelNormal_frag, Kind::LABEL},
    };
    SoftwareShader shader;
    for (const Known& known : kKnown)
    {
        if (*known.source && source == *known.source)
        {
            shader._kind = known.kind;
            if (known.kind == Kind::GREY_THEN_TINT) findLuminance(source, shader._weights);
            return shader;
        }
    }
    if (findLuminance(source, shader._weights)) shader._kind = Kind::GREY;
    else if (source.find("discard") != std::string::npos && source.find("CC_alpha_value") != std::string::npos)
        shader._kind = Kind::ALPHA_TEST;
    return shader;
}

SoftwareShader SoftwareShader::forProgramState(GLProgramState* state)
{
    GLProgram* program = state ? state->getGLProgram() : nullptr;
    if (!program) return SoftwareShader();
    SoftwareShader shader = forFragmentSource(program->getFragmentShaderSource());
    switch (shader._kind)
    {
    case Kind::ALPHA_TEST:
        if (UniformValue* v = state->getUniformValue(GLProgram::UNIFORM_NAME_ALPHA_TEST_VALUE))
            if (!v->getFloats().empty()) shader._alphaThreshold = v->getFloats()[0];
        break;
    case Kind::TEXTURE_U_COLOR: uniformVec4(state, "u_color", shader._uniformColor); break;
    case Kind::LABEL: uniformVec4(state, "u_textColor", shader._uniformColor); break;
    default: break;
    }
    return shader;
}

bool SoftwareShader::shade(const float t[4], const float c[4], float out[4]) const
{
    switch (_kind)
    {
    case Kind::TEXTURE_COLOR:
        for (int i = 0; i < 4; ++i) out[i] = t[i] * c[i];
        return true;
    case Kind::TEXTURE:
        for (int i = 0; i < 4; ++i) out[i] = t[i];
        return true;
    case Kind::A8_COLOR:
        out[0] = c[0];
        out[1] = c[1];
        out[2] = c[2];
        out[3] = c[3] * t[3];
        return true;
    case Kind::COLOR:
        for (int i = 0; i < 4; ++i) out[i] = c[i];
        return true;
    case Kind::ALPHA_TEST:
        if (t[3] <= _alphaThreshold) return false;
        for (int i = 0; i < 4; ++i) out[i] = t[i] * c[i];
        return true;
    case Kind::GREY:
    {
        float r = t[0] * c[0], g = t[1] * c[1], b = t[2] * c[2];
        out[0] = out[1] = out[2] = r * _weights[0] + g * _weights[1] + b * _weights[2];
        out[3] = t[3] * c[3];
        return true;
    }
    case Kind::GREY_THEN_TINT:
    {
        float grey = t[0] * _weights[0] + t[1] * _weights[1] + t[2] * _weights[2];
        out[0] = c[0] * grey;
        out[1] = c[1] * grey;
        out[2] = c[2] * grey;
        out[3] = c[3] * t[3];
        return true;
    }
    case Kind::TEXTURE_U_COLOR:
        for (int i = 0; i < 4; ++i) out[i] = t[i] * _uniformColor[i];
        return true;
    case Kind::LABEL:
        out[0] = c[0] * _uniformColor[0];
        out[1] = c[1] * _uniformColor[1];
        out[2] = c[2] * _uniformColor[2];
        out[3] = c[3] * _uniformColor[3] * t[3];
        return true;
    }
    return true;
}

NS_CC_END
