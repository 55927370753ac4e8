#ifndef __CC_SOFTWARE_RENDERER_H__
#define __CC_SOFTWARE_RENDERER_H__

#include "base/ccTypes.h"
#include "math/CCGeometry.h"
#include "math/Mat4.h"
#include "renderer/CCSoftwareTarget.h"

NS_CC_BEGIN

class GLProgramState;
class Image;
class Texture2D;

/** The back end the renderer plays its commands into: a frame of the view's
 *  frame size in memory, drawn as the GPU would draw it. Points of the
 *  design resolution map to pixels through the view's scale and viewport,
 *  as glViewport maps them. The GL state calls the engine makes (enable and
 *  disable of the scissor and stencil tests, glScissor, glStencilFunc,
 *  glStencilOp, glStencilMask) reach the back end made current last. */
class CC_DLL SoftwareRenderer
{
public:
    SoftwareRenderer();
    ~SoftwareRenderer();

    /** The back end GL state calls reach (null when none exists). */
    static SoftwareRenderer* getCurrent();

    /** Sizes the frame to the view's frame size, leaving its pixels as they
     *  are when the size is the same; false (and an empty frame) without a
     *  view or for a frame size of zero or beyond SoftwareTarget::MAX_SIDE. */
    bool prepare();
    /** prepare(), then the whole frame in that colour and the stencil at 0. */
    void beginFrame(const Color4F& clearColor);

    /** Quads in a node's space under its model-view transform. A texture
     *  that has no pixels draws nothing. */
    void drawQuads(Texture2D* texture, GLProgramState* state, const BlendFunc& blend, const V3F_C4B_T2F_Quad* quads,
                   ssize_t quadCount, const Mat4& modelView);
    /** One untextured quad already in world space, corners bottom-left,
     *  bottom-right, top-left, top-right. */
    void drawColorQuad(const Vec3 corners[4], const Color4F colors[4], const BlendFunc& blend);
    /** A quad over the whole frame that only reaches the stencil stage. */
    void drawFullScreenStencilQuad();

    /** Design-resolution points to the frame's pixels (y down). */
    Vec2 pointToPixel(const Vec3& world) const;
    SoftwareTarget& getTarget() { return _target; }
    const SoftwareTarget& getTarget() const { return _target; }

    /** The frame as an RGBA image, top row first; null when it is empty. */
    Image* newImage() const;

    /** Fragments blended into the frame since it began. */
    long long getFragmentsWritten() const { return _fragments; }

private:
    SoftwareRenderer(const SoftwareRenderer&) = delete;
    SoftwareRenderer& operator=(const SoftwareRenderer&) = delete;

    SoftwareTarget _target;
    float _scaleX;
    float _scaleY;
    Vec2 _viewportOrigin;
    long long _fragments;
};

NS_CC_END

#endif
