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
    const Edge edges[3] = {Edge(*v1, *v2), Edge(*v2, v0), Edge(v0, *v1)};

    SoftwareTarget::Box box = _target.drawableBox();
    double minX = std::min({static_cast<double>(v0.x), static_cast<double>(v1->x), static_cast<double>(v2->x)});
    double maxX = std::max({static_cast<double>(v0.x), static_cast<double>(v1->x), static_cast<double>(v2->x)});
    double minY = std::min({static_cast<double>(v0.y), static_cast<double>(v1->y), static_cast<double>(v2->y)});
    double maxY = std::max({static_cast<double>(v0.y), static_cast<double>(v1->y), static_cast<double>(v2->y)});
    const int x0 = std::max(box.x0, static_cast<int>(std::floor(minX - 0.5)));
    const int x1 = std::min(box.x1, static_cast<int>(std::ceil(maxX + 0.5)));
    const int y0 = std::max(box.y0, static_cast<int>(std::floor(minY - 0.5)));
    const int y1 = std::min(box.y1, static_cast<int>(std::ceil(maxY + 0.5)));
    if (x0 >= x1 || y0 >= y1) return;

    // Every attribute is a plane over the triangle: its corners' values
    // weighed by the edge functions, so one step right adds dx.
    const RasterVertex* corner[3] = {&v0, v1, v2};
    struct Plane
    {
        double dx, dy, c;
        double at(double x, double y) const { return dx * x + dy * y + c; }
    };
    auto plane = [&](float a0, float a1, float a2) {
        const double w[3] = {a0 / area, a1 / area, a2 / area};
        Plane p{0, 0, 0};
        for (int i = 0; i < 3; ++i)
        {
            p.dx += w[i] * edges[i].a;
            p.dy += w[i] * edges[i].b;
            p.c += w[i] * edges[i].c;
        }
        return p;
    };
    const bool textured = _sampler && _shader.usesTexture();
    bool flat = true;
    for (int i = 0; i < 4; ++i)
        flat = flat && corner[0]->color[i] == corner[1]->color[i] && corner[0]->color[i] == corner[2]->color[i];
    Plane colorPlane[4], uPlane{0, 0, 0}, vPlane{0, 0, 0};
    if (!flat)
        for (int i = 0; i < 4; ++i) colorPlane[i] = plane(corner[0]->color[i], corner[1]->color[i], corner[2]->color[i]);
    if (textured)
    {
        uPlane = plane(corner[0]->u, corner[1]->u, corner[2]->u);
        vPlane = plane(corner[0]->v, corner[1]->v, corner[2]->v);
    }

    const SoftwareStencil& stencil = _target.stencil();
    const bool stenciled = stencil.enabled;
    const size_t width = static_cast<size_t>(_target.getWidth());
    unsigned char* pixels = _target.getPixels();
    unsigned char* stencilPlane = _target.getStencilPlane();
    const float opaqueTexel[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float color[4] = {corner[0]->color[0], corner[0]->color[1], corner[0]->color[2], corner[0]->color[3]};
    float texel[4];
    float out[4];
    const bool bytePath = textured && flat && !stenciled && _shader.isTextureTimesColor() && _blend.blendsBytes();
    unsigned flatColor[4];
    for (int i = 0; i < 4; ++i)
        flatColor[i] = blend_detail::toByte(color[i]);

    for (int y = y0; y < y1; ++y)
    {
        const double cy = y + 0.5;
        auto inside = [&](int x) {
            const double cx = x + 0.5;
            return edges[0].inside(edges[0].at(cx, cy)) && edges[1].inside(edges[1].at(cx, cy)) &&
                   edges[2].inside(edges[2].at(cx, cy));
        };
        // The row's span from where each edge crosses it, then made exact
        // against the edge functions themselves.
        double lo = x0, hi = x1;
        bool empty = false;
        for (const Edge& e : edges)
        {
            double k = e.b * cy + e.c;
            if (e.a > 0) lo = std::max(lo, std::ceil(-k / e.a - 0.5));
            else if (e.a < 0) hi = std::min(hi, std::floor(-k / e.a - 0.5) + 1);
            else empty = empty || !e.inside(k);
        }
        if (empty || !(lo < hi)) continue;
        int xs = static_cast<int>(lo), xe = static_cast<int>(hi);
        while (xs < xe && !inside(xs)) ++xs;
        while (xe > xs && !inside(xe - 1)) --xe;
        while (xs > x0 && inside(xs - 1)) --xs;
        while (xe < x1 && inside(xe)) ++xe;
        if (xs >= xe) continue;

        const double cx = xs + 0.5;
        double u = uPlane.at(cx, cy), v = vPlane.at(cx, cy);
        double c[4] = {0, 0, 0, 0};
        if (!flat)
            for (int i = 0; i < 4; ++i) c[i] = colorPlane[i].at(cx, cy);
        size_t index = static_cast<size_t>(y) * width + static_cast<size_t>(xs);
        if (bytePath)
        {
            // the sprite's usual case: one colour times the texture, in bytes
            unsigned char* pixel = pixels + index * 4;
            for (int x = xs; x < xe; ++x, pixel += 4, u += uPlane.dx, v += vPlane.dx)
            {
                unsigned char t[4];
                _sampler->sampleBytes(static_cast<float>(u), static_cast<float>(v), t);
                if (t[3] == 0 && _blend.leavesFrame(t)) continue; // a clear texel changes nothing
                for (int i = 0; i < 4; ++i) t[i] = static_cast<unsigned char>(blend_detail::mul255(t[i], flatColor[i]));
                _blend.applyBytes(t, pixel);
            }
            _written += xe - xs;
            continue;
        }
        for (int x = xs; x < xe; ++x, ++index, u += uPlane.dx, v += vPlane.dx)
        {
            if (!flat)
                for (int i = 0; i < 4; ++i)
                {
                    color[i] = static_cast<float>(c[i]);
                    c[i] += colorPlane[i].dx;
                }
            if (textured) _sampler->sample(static_cast<float>(u), static_cast<float>(v), texel);
            if (!_shader.shade(textured ? texel : opaqueTexel, color, out)) continue;
            if (stenciled && !stencil.test(stencilPlane[index])) continue;
            _blend.apply(out, pixels + index * 4);
            ++_written;
        }
    }
}

NS_CC_END
