#ifndef __CC_SOFTWARE_SHADER_H__
#define __CC_SOFTWARE_SHADER_H__

#include <string>
#include <vector>

#include "platform/CCPlatformMacros.h"

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

private:
    void texel(int x, int y, float out[4]) const;

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

NS_CC_END

#endif
