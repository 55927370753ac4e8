#include "renderer/CCRasterizer.h"

#include <algorithm>
#include <cmath>

#include "renderer/CCSoftwareBlend.h"
#include "renderer/CCSoftwareShader.h"
#include "renderer/CCSoftwareTarget.h"

NS_CC_BEGIN

namespace {

bool usableCorner(const RasterVertex& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::fabs(v.x) < Rasterizer::MAX_COORDINATE &&
           std::fabs(v.y) < Rasterizer::MAX_COORDINATE;
}

// An edge function e(x, y) = A x + B y + C, positive inside a triangle wound
// the right way. A pixel centre exactly on an edge belongs to the triangle
// on the edge's right or, for a horizontal edge, below it.
struct Edge
{
    double a, b, c;
    bool owns;
    Edge(const RasterVertex& p, const RasterVertex& q)
    {
        a = -(static_cast<double>(q.y) - p.y);
        b = static_cast<double>(q.x) - p.x;
        c = -(a * p.x + b * p.y);
        owns = a > 0 || (a == 0 && b > 0);
    }
    double at(double x, double y) const { return a * x + b * y + c; }
    bool inside(double value) const { return value > 0 || (value == 0 && owns); }
};

} // namespace

Rasterizer::Rasterizer(SoftwareTarget& target, const SoftwareShader& shader, const SoftwareSampler* sampler,
                       const SoftwareBlend& blend)
    : _target(target), _shader(shader), _sampler(sampler), _blend(blend), _written(0)
{
}

void Rasterizer::drawQuad(const RasterVertex corners[4])
{
    drawTriangle(corners[0], corners[1], corners[2]);
    drawTriangle(corners[3], corners[2], corners[1]);
}

void Rasterizer::drawTriangle(const RasterVertex& v0, const RasterVertex& v1In, const RasterVertex& v2In)
{
    if (_target.isEmpty() || !usableCorner(v0) || !usableCorner(v1In) || !usableCorner(v2In)) return;
    const RasterVertex* v1 = &v1In;
    const RasterVertex* v2 = &v2In;
    double area = (static_cast<double>(v1->x) - v0.x) * (static_cast<double>(v2->y) - v0.y) -
                  (static_cast<double>(v1->y) - v0.y) * (static_cast<double>(v2->x) - v0.x);
    if (area == 0 || !std::isfinite(area)) return; // no pixels in a line or a point
    if (area < 0)
    {
        std::swap(v1, v2);
        area = -area;
    }
    // e0 is opposite v0 and weighs it, and so on
    Edge e0(*v1, *v2), e1(*v2, v0), e2(v0, *v1);

    SoftwareTarget::Box box = _target.drawableBox();
    double minX = std::min({static_cast<double>(v0.x), static_cast<double>(v1->x), static_cast<double>(v2->x)});
    double maxX = std::max({static_cast<double>(v0.x), static_cast<double>(v1->x), static_cast<double>(v2->x)});
    double minY = std::min({static_cast<double>(v0.y), static_cast<double>(v1->y), static_cast<double>(v2->y)});
    double maxY = std::max({static_cast<double>(v0.y), static_cast<double>(v1->y), static_cast<double>(v2->y)});
    int x0 = std::max(box.x0, static_cast<int>(std::floor(minX - 0.5)));
    int x1 = std::min(box.x1, static_cast<int>(std::ceil(maxX + 0.5)));
    int y0 = std::max(box.y0, static_cast<int>(std::floor(minY - 0.5)));
    int y1 = std::min(box.y1, static_cast<int>(std::ceil(maxY + 0.5)));
    if (x0 >= x1 || y0 >= y1) return;

    const RasterVertex* corner[3] = {&v0, v1, v2};
    const bool textured = _sampler && _shader.usesTexture();
    const SoftwareStencil& stencil = _target.stencil();
    const bool stenciled = stencil.enabled;
    const int width = _target.getWidth();
    unsigned char* pixels = _target.getPixels();
    unsigned char* stencilPlane = _target.getStencilPlane();
    const double invArea = 1.0 / area;
    const float opaqueTexel[4] = {1.0f, 1.0f, 1.0f, 1.0f};

    for (int y = y0; y < y1; ++y)
    {
        double cy = y + 0.5, cx = x0 + 0.5;
        double w0 = e0.at(cx, cy), w1 = e1.at(cx, cy), w2 = e2.at(cx, cy);
        size_t index = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x0);
        for (int x = x0; x < x1; ++x, ++index, w0 += e0.a, w1 += e1.a, w2 += e2.a)
        {
            if (!e0.inside(w0) || !e1.inside(w1) || !e2.inside(w2)) continue;
            float b[3] = {static_cast<float>(w0 * invArea), static_cast<float>(w1 * invArea),
                          static_cast<float>(w2 * invArea)};
            float color[4];
            for (int i = 0; i < 4; ++i)
                color[i] = corner[0]->color[i] * b[0] + corner[1]->color[i] * b[1] + corner[2]->color[i] * b[2];
            float texel[4];
            if (textured)
            {
                float u = corner[0]->u * b[0] + corner[1]->u * b[1] + corner[2]->u * b[2];
                float v = corner[0]->v * b[0] + corner[1]->v * b[1] + corner[2]->v * b[2];
                _sampler->sample(u, v, texel);
            }
            float out[4];
            if (!_shader.shade(textured ? texel : opaqueTexel, color, out)) continue;
            if (stenciled && !stencil.test(stencilPlane[index])) continue;
            _blend.apply(out, pixels + index * 4);
            ++_written;
        }
    }
}

NS_CC_END
