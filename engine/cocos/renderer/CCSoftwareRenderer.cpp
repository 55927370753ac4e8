#include "renderer/CCSoftwareRenderer.h"

#include <cmath>

#include "base/CCDirector.h"
#include "platform/CCGLView.h"
#include "platform/CCImage.h"
#include "renderer/CCRasterizer.h"
#include "renderer/CCSoftwareBlend.h"
#include "renderer/CCSoftwareShader.h"
#include "renderer/CCTexture2D.h"
#include "renderer/ccShaders.h"

NS_CC_BEGIN

namespace {

SoftwareRenderer* s_current = nullptr;


} // namespace

SoftwareRenderer::SoftwareRenderer() : _scaleX(1.0f), _scaleY(1.0f), _fragments(0)
{
    s_current = this;
}

SoftwareRenderer::~SoftwareRenderer()
{
    if (s_current == this) s_current = nullptr;
}

SoftwareRenderer* SoftwareRenderer::getCurrent()
{
    return s_current;
}

bool SoftwareRenderer::prepare()
{
    s_current = this;
    GLView* view = Director::getInstance()->getOpenGLView();
    if (!view)
    {
        _target.resize(0, 0);
        return false;
    }
    const Size& frame = view->getFrameSize();
    // a frame of a fraction of a pixel or of billions is no size
    float w = std::floor(frame.width + 0.5f), h = std::floor(frame.height + 0.5f);
    bool sane = std::isfinite(w) && std::isfinite(h) && w >= 1 && h >= 1 && w <= SoftwareTarget::MAX_SIDE &&
                h <= SoftwareTarget::MAX_SIDE;
    _scaleX = view->getScaleX();
    _scaleY = view->getScaleY();
    _viewportOrigin = view->getViewPortRect().origin;
    return _target.resize(sane ? static_cast<int>(w) : 0, sane ? static_cast<int>(h) : 0);
}

void SoftwareRenderer::beginFrame(const Color4F& clearColor)
{
    _fragments = 0;
    if (!prepare()) return;
    _target.setScissorEnabled(false);
    _target.stencil() = SoftwareStencil();
    _target.clear(clearColor);
    _target.clearStencil(0);
}

Vec2 SoftwareRenderer::pointToPixel(const Vec3& world) const
{
    float x = world.x * _scaleX + _viewportOrigin.x;
    float yUp = world.y * _scaleY + _viewportOrigin.y;
    return Vec2(x, static_cast<float>(_target.getHeight()) - yUp);
}

void SoftwareRenderer::drawQuads(Texture2D* texture, GLProgramState* state, const BlendFunc& blend,
                                 const V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& modelView)
{
    if (_target.isEmpty() || !quads || quadCount <= 0) return;
    SoftwareShader shader = SoftwareShader::forProgramState(state);
    SoftwareSampler sampler;
    if (shader.usesTexture() && !sampler.init(texture)) return; // a texture that failed to load shows nothing
    SoftwareBlend blender(blend);
    Rasterizer rasterizer(_target, shader, &sampler, blender);
    for (ssize_t q = 0; q < quadCount; ++q)
    {
        // cocos2d's corner order: top-left, bottom-left, top-right, bottom-right
        const V3F_C4B_T2F* in[4] = {&quads[q].tl, &quads[q].bl, &quads[q].tr, &quads[q].br};
        RasterVertex corners[4];
        for (int i = 0; i < 4; ++i)
        {
            Vec3 world = in[i]->vertices;
            modelView.transformPoint(&world);
            Vec2 pixel = pointToPixel(world);
            corners[i].x = pixel.x;
            corners[i].y = pixel.y;
            corners[i].u = in[i]->texCoords.u;
            corners[i].v = in[i]->texCoords.v;
            const Color4F color(in[i]->colors);
            corners[i].color[0] = color.r;
            corners[i].color[1] = color.g;
            corners[i].color[2] = color.b;
            corners[i].color[3] = color.a;
        }
        rasterizer.drawQuad(corners);
    }
    _fragments += rasterizer.getFragmentsWritten();
}

void SoftwareRenderer::drawColorQuad(const Vec3 corners[4], const Color4F colors[4], const BlendFunc& blend)
{
    if (_target.isEmpty()) return;
    SoftwareShader shader = SoftwareShader::forFragmentSource(ccPositionColor_frag);
    static const int order[4] = {2, 0, 3, 1}; // bl br tl tr to tl bl tr br
    RasterVertex v[4];
    for (int i = 0; i < 4; ++i)
    {
        const int k = order[i];
        Vec2 pixel = pointToPixel(corners[k]);
        v[i].x = pixel.x;
        v[i].y = pixel.y;
        v[i].u = v[i].v = 0.0f;
        v[i].color[0] = colors[k].r;
        v[i].color[1] = colors[k].g;
        v[i].color[2] = colors[k].b;
        v[i].color[3] = colors[k].a;
    }
    SoftwareBlend blender(blend);
    Rasterizer rasterizer(_target, shader, nullptr, blender);
    rasterizer.drawQuad(v);
    _fragments += rasterizer.getFragmentsWritten();
}

void SoftwareRenderer::drawFullScreenStencilQuad()
{
    if (_target.isEmpty() || !_target.stencil().enabled) return;
    SoftwareTarget::Box box = _target.drawableBox();
    const SoftwareStencil& stencil = _target.stencil();
    unsigned char* plane = _target.getStencilPlane();
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x)
            stencil.test(plane[static_cast<size_t>(y) * static_cast<size_t>(_target.getWidth()) + static_cast<size_t>(x)]);
}

Image* SoftwareRenderer::newImage() const
{
    if (_target.isEmpty()) return nullptr;
    Image* image = new (std::nothrow) Image();
    if (image && image->initWithRawData(_target.getPixels(), static_cast<ssize_t>(_target.getPixelData().size()),
                                        _target.getWidth(), _target.getHeight(), 8))
        return image;
    CC_SAFE_RELEASE(image);
    return nullptr;
}

NS_CC_END

// MARK: the GL state calls

void glEnable(GLenum cap)
{
    if (cocos2d::SoftwareRenderer* r = cocos2d::SoftwareRenderer::getCurrent())
    {
        if (cap == GL_SCISSOR_TEST) r->getTarget().setScissorEnabled(true);
        else if (cap == GL_STENCIL_TEST) r->getTarget().stencil().enabled = true;
    }
}

void glDisable(GLenum cap)
{
    if (cocos2d::SoftwareRenderer* r = cocos2d::SoftwareRenderer::getCurrent())
    {
        if (cap == GL_SCISSOR_TEST) r->getTarget().setScissorEnabled(false);
        else if (cap == GL_STENCIL_TEST) r->getTarget().stencil().enabled = false;
    }
}

GLboolean glIsEnabled(GLenum cap)
{
    cocos2d::SoftwareRenderer* r = cocos2d::SoftwareRenderer::getCurrent();
    if (!r) return GL_FALSE;
    if (cap == GL_SCISSOR_TEST) return r->getTarget().isScissorEnabled() ? GL_TRUE : GL_FALSE;
    if (cap == GL_STENCIL_TEST) return r->getTarget().stencil().enabled ? GL_TRUE : GL_FALSE;
    return GL_FALSE;
}

void glScissor(GLint x, GLint y, GLsizei width, GLsizei height)
{
    if (cocos2d::SoftwareRenderer* r = cocos2d::SoftwareRenderer::getCurrent())
        r->getTarget().setScissorBox(x, y, width, height);
}

void glStencilFunc(GLenum func, GLint ref, GLuint mask)
{
    if (cocos2d::SoftwareRenderer* r = cocos2d::SoftwareRenderer::getCurrent())
    {
        cocos2d::SoftwareStencil& s = r->getTarget().stencil();
        s.func = func;
        s.ref = ref;
        s.valueMask = mask;
    }
}

void glStencilOp(GLenum fail, GLenum zfail, GLenum zpass)
{
    (void)zfail; // no depth buffer: the depth test never fails
    if (cocos2d::SoftwareRenderer* r = cocos2d::SoftwareRenderer::getCurrent())
    {
        cocos2d::SoftwareStencil& s = r->getTarget().stencil();
        s.failOp = fail;
        s.passOp = zpass;
    }
}

void glStencilMask(GLuint mask)
{
    if (cocos2d::SoftwareRenderer* r = cocos2d::SoftwareRenderer::getCurrent())
        r->getTarget().stencil().writeMask = mask;
}
