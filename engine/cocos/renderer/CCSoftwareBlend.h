#ifndef __CC_SOFTWARE_BLEND_H__
#define __CC_SOFTWARE_BLEND_H__

#include "base/ccTypes.h"

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

NS_CC_END

#endif
