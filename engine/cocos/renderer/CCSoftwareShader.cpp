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

NS_CC_END
