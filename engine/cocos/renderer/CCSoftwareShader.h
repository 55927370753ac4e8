#ifndef __CC_SOFTWARE_SHADER_H__
#define __CC_SOFTWARE_SHADER_H__

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/CCPlatformMacros.h"
#include "renderer/CCSoftwareBlend.h"

NS_CC_BEGIN

class GLProgramState;
class Texture2D;

/** Texture lookups of the software renderer: texels as a GPU samples them
 *  (an alpha texture gives black with its alpha, a luminance one grey),
 *  linear or nearest as the texture's parameters say, clamped to the edge. */
class CC_DLL SoftwareSampler
{
public:
    /** False for a texture without pixels or of a compressed format. */
    bool init(const Texture2D* texture);

    /** The texel colour at (u, v), RGBA in [0, 1]. */
    void sample(float u, float v, float out[4]) const;
    /** The same in bytes. */
    void sampleBytes(float u, float v, unsigned char out[4]) const;

private:
    const unsigned char* _rgba = nullptr;
    std::vector<unsigned char> _converted;
    int _width = 0;
    int _height = 0;
    bool _linear = true;
};

/** The fragment stage of a program, known from its fragment source: the
 *  engine's standard programs by their text; a game's own program by what
 *  its source computes: a luminance (a dot product with three weights that
 *  add up to one) shows the fragment grey, a discard below CC_alpha_value
 *  is an alpha test, and anything else is drawn as texture times colour. */
class CC_DLL SoftwareShader
{
public:
    enum class Kind
    {
        TEXTURE_COLOR,    // texture * vertex colour
        TEXTURE,          // texture alone
        A8_COLOR,         // vertex colour with the texture's alpha
        COLOR,            // vertex colour alone
        ALPHA_TEST,       // texture * vertex colour where the texel's alpha is above the threshold
        GREY,             // grey of texture * vertex colour
        GREY_THEN_TINT,   // vertex colour * grey of the texture
        TEXTURE_U_COLOR,  // texture * u_color
        LABEL             // vertex colour * (u_textColor.rgb, u_textColor.a * texture alpha)
    };

    /** The stage of a program state (null: texture * colour). */
    static SoftwareShader forProgramState(GLProgramState* state);
    /** The stage of a fragment source, uniforms at their defaults. */
    static SoftwareShader forFragmentSource(const std::string& source);

    Kind getKind() const { return _kind; }
    /** Whether the stage is texture times colour, which the rasteriser
     *  also runs in bytes. */
    bool isTextureTimesColor() const { return _kind == Kind::TEXTURE_COLOR; }
    bool usesTexture() const { return _kind != Kind::COLOR; }

    /** The fragment's colour from its texel and interpolated colour; false
     *  when the fragment is discarded. */
    bool shade(const float texel[4], const float color[4], float out[4]) const;

private:
    Kind _kind = Kind::TEXTURE_COLOR;
    float _weights[3] = {0.299f, 0.587f, 0.114f};
    float _alphaThreshold = 0.0f;
    float _uniformColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
};


// MARK: the per-pixel parts, inline for the rasteriser's loop

namespace software_detail
{
CC_SOFTWARE_INLINE int clampIndex(int i, int size)
{
    return i < 0 ? 0 : (i >= size ? size - 1 : i);
}

// A coordinate a lookup can use: NaN becomes 0, far-off values are held
// a few repeats out (the lookup clamps to the edge anyway).
CC_SOFTWARE_INLINE float usable(float t)
{
    if (std::isnan(t)) return 0.0f;
    return t < -4.0f ? -4.0f : (t > 4.0f ? 4.0f : t);
}

const float kByte = 1.0f / 255.0f;

// floor() for the bounded values usable() leaves, without a library call
CC_SOFTWARE_INLINE int floorToInt(float v)
{
    int i = static_cast<int>(v);
    return v < static_cast<float>(i) ? i - 1 : i;
}
} // namespace software_detail

CC_SOFTWARE_INLINE void SoftwareSampler::sampleBytes(float u, float v, unsigned char out[4]) const
{
    if (!_rgba)
    {
        out[0] = out[1] = out[2] = 0;
        out[3] = 255;
        return;
    }
    float s = software_detail::usable(u) * static_cast<float>(_width);
    float t = software_detail::usable(v) * static_cast<float>(_height);
    if (!_linear)
    {
        const size_t x = static_cast<size_t>(software_detail::clampIndex(software_detail::floorToInt(s), _width));
        const size_t y = static_cast<size_t>(software_detail::clampIndex(software_detail::floorToInt(t), _height));
        const unsigned char* p = _rgba + (y * static_cast<size_t>(_width) + x) * 4;
        for (int i = 0; i < 4; ++i) out[i] = p[i];
        return;
    }
    // the four texels around the point, weighed in 1/256 steps
    s -= 0.5f;
    t -= 0.5f;
    const int xs = software_detail::floorToInt(s), ys = software_detail::floorToInt(t);
    const int ax = static_cast<int>((s - static_cast<float>(xs)) * 256.0f);
    const int ay = static_cast<int>((t - static_cast<float>(ys)) * 256.0f);
    const size_t x0 = static_cast<size_t>(software_detail::clampIndex(xs, _width));
    const size_t x1 = static_cast<size_t>(software_detail::clampIndex(xs + 1, _width));
    const size_t row0 = static_cast<size_t>(software_detail::clampIndex(ys, _height)) * static_cast<size_t>(_width);
    const size_t row1 = static_cast<size_t>(software_detail::clampIndex(ys + 1, _height)) * static_cast<size_t>(_width);
    const unsigned char* a = _rgba + (row0 + x0) * 4;
    const unsigned char* b = _rgba + (row0 + x1) * 4;
    const unsigned char* c = _rgba + (row1 + x0) * 4;
    const unsigned char* d = _rgba + (row1 + x1) * 4;
    for (int i = 0; i < 4; ++i)
    {
        const int top = a[i] * (256 - ax) + b[i] * ax;
        const int bottom = c[i] * (256 - ax) + d[i] * ax;
        out[i] = static_cast<unsigned char>((top * (256 - ay) + bottom * ay + 32768) >> 16);
    }
}

inline void SoftwareSampler::sample(float u, float v, float out[4]) const
{
    unsigned char bytes[4];
    sampleBytes(u, v, bytes);
    for (int i = 0; i < 4; ++i) out[i] = bytes[i] * software_detail::kByte;
}

inline bool SoftwareShader::shade(const float t[4], const float c[4], float out[4]) const
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

#endif
