#ifndef __CC_SOFTWARE_BLEND_H__
#define __CC_SOFTWARE_BLEND_H__

#include "base/ccTypes.h"

// The per-pixel parts below go into the rasteriser's loop whatever the
// compiler's size estimate says.
#if defined(__GNUC__)
#define CC_SOFTWARE_INLINE inline __attribute__((always_inline))
#else
#define CC_SOFTWARE_INLINE inline
#endif

NS_CC_BEGIN

/** The blend stage of the software renderer: GL's blend equation ADD with
 *  one pair of factors, as GL::blendFunc sets them (ONE, ZERO draws
 *  without blending). Colours are RGBA in [0, 1]; the frame holds bytes. */
class CC_DLL SoftwareBlend
{
public:
    explicit SoftwareBlend(const BlendFunc& func = BlendFunc::DISABLE);

    /** Blends src into the four bytes at dst. */
    void apply(const float src[4], unsigned char dst[4]) const;

    /** Whether applyBytes serves these factors: the common three (ONE,
     *  ZERO; ONE, ONE_MINUS_SRC_ALPHA; SRC_ALPHA, ONE_MINUS_SRC_ALPHA). */
    bool blendsBytes() const { return _mode != Mode::GENERAL; }
    /** Whether blending the source in bytes leaves the frame as it is: a
     *  transparent one with straight alpha, or one of nothing at all with
     *  premultiplied alpha (whose colour would still add). */
    bool leavesFrame(const unsigned char src[4]) const
    {
        if (src[3] != 0) return false;
        if (_mode == Mode::NON_PREMULTIPLIED) return true;
        return _mode == Mode::PREMULTIPLIED && (src[0] | src[1] | src[2]) == 0;
    }
    /** apply() for a source colour in bytes, in integers. */
    void applyBytes(const unsigned char src[4], unsigned char dst[4]) const;

    /** Whether the factors are ones the blend stage knows; others draw
     *  as ONE, ZERO. */
    static bool isKnownFactor(GLenum factor);

private:
    enum class Mode
    {
        REPLACE,            // ONE, ZERO
        PREMULTIPLIED,      // ONE, ONE_MINUS_SRC_ALPHA
        NON_PREMULTIPLIED,  // SRC_ALPHA, ONE_MINUS_SRC_ALPHA
        GENERAL
    };

    static void factor(GLenum factor, const float src[4], const float dst[4], float out[4]);

    BlendFunc _func;
    Mode _mode;
};


namespace blend_detail
{
inline unsigned char toByte(float v)
{
    v = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
    return static_cast<unsigned char>(v * 255.0f + 0.5f);
}

const float kByte = 1.0f / 255.0f;

// a * b / 255, rounded, for bytes
CC_SOFTWARE_INLINE unsigned mul255(unsigned a, unsigned b)
{
    unsigned t = a * b + 128;
    return (t + (t >> 8)) >> 8;
}
} // namespace blend_detail

CC_SOFTWARE_INLINE void SoftwareBlend::applyBytes(const unsigned char src[4], unsigned char dst[4]) const
{
    using blend_detail::mul255;
    switch (_mode)
    {
    case Mode::PREMULTIPLIED:
    {
        const unsigned keep = 255u - src[3];
        for (int i = 0; i < 4; ++i)
        {
            unsigned v = src[i] + mul255(dst[i], keep);
            dst[i] = static_cast<unsigned char>(v > 255u ? 255u : v);
        }
        return;
    }
    case Mode::NON_PREMULTIPLIED:
    {
        const unsigned a = src[3], keep = 255u - src[3];
        for (int i = 0; i < 4; ++i)
        {
            unsigned v = mul255(src[i], a) + mul255(dst[i], keep);
            dst[i] = static_cast<unsigned char>(v > 255u ? 255u : v);
        }
        return;
    }
    case Mode::REPLACE:
    case Mode::GENERAL:
    default:
        for (int i = 0; i < 4; ++i) dst[i] = src[i];
        return;
    }
}

inline void SoftwareBlend::apply(const float src[4], unsigned char dst[4]) const
{
    switch (_mode)
    {
    case Mode::REPLACE:
        for (int i = 0; i < 4; ++i) dst[i] = blend_detail::toByte(src[i]);
        return;
    case Mode::PREMULTIPLIED:
    {
        float keep = 1.0f - src[3];
        for (int i = 0; i < 4; ++i) dst[i] = blend_detail::toByte(src[i] + dst[i] * blend_detail::kByte * keep);
        return;
    }
    case Mode::NON_PREMULTIPLIED:
    {
        float a = src[3], keep = 1.0f - src[3];
        for (int i = 0; i < 4; ++i) dst[i] = blend_detail::toByte(src[i] * a + dst[i] * blend_detail::kByte * keep);
        return;
    }
    case Mode::GENERAL: break;
    }
    float d[4] = {dst[0] * blend_detail::kByte, dst[1] * blend_detail::kByte, dst[2] * blend_detail::kByte, dst[3] * blend_detail::kByte};
    float sf[4], df[4];
    factor(_func.src, src, d, sf);
    factor(_func.dst, src, d, df);
    for (int i = 0; i < 4; ++i) dst[i] = blend_detail::toByte(src[i] * sf[i] + d[i] * df[i]);
}

NS_CC_END

#endif
