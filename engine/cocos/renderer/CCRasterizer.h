#ifndef __CC_RASTERIZER_H__
#define __CC_RASTERIZER_H__

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class SoftwareTarget;
class SoftwareSampler;
class SoftwareShader;
class SoftwareBlend;

/** One corner of a triangle in the target's pixels (x right, y down from
 *  the top-left corner of the frame), with its texture coordinate and RGBA
 *  colour in [0, 1]. */
struct RasterVertex
{
    float x, y;
    float u, v;
    float color[4];
};

/** Fills triangles the way a GPU does: a pixel is drawn when its centre
 *  lies inside (an edge shared by two triangles belongs to exactly one of
 *  them), attributes are interpolated linearly, and each fragment goes
 *  through the shader, the stencil stage and the blend stage into the
 *  target, within its drawable box. A triangle with a corner that is not a
 *  finite number, or lies absurdly far out, draws nothing. */
class CC_DLL Rasterizer
{
public:
    /** The furthest a corner may lie from the frame, in pixels. */
    static constexpr float MAX_COORDINATE = 1.0e6f;

    Rasterizer(SoftwareTarget& target, const SoftwareShader& shader, const SoftwareSampler* sampler,
               const SoftwareBlend& blend);

    void drawTriangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c);
    /** A quad given as cocos2d orders its corners: top-left, bottom-left,
     *  top-right, bottom-right (triangles 0 1 2 and 3 2 1). */
    void drawQuad(const RasterVertex corners[4]);

    /** Pixels that reached the blend stage so far. */
    long long getFragmentsWritten() const { return _written; }

private:
    SoftwareTarget& _target;
    const SoftwareShader& _shader;
    const SoftwareSampler* _sampler;
    const SoftwareBlend& _blend;
    long long _written;
};

NS_CC_END

#endif
