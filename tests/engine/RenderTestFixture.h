// Shared by the drawing tests: the frame the software renderer drew, read at
// points of the design resolution, and small textures made in memory.
#ifndef TESTS_ENGINE_RENDER_TEST_FIXTURE_H
#define TESTS_ENGINE_RENDER_TEST_FIXTURE_H

#include <cstdlib>
#include <ostream>
#include <vector>

#include "EngineTestFixture.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCSoftwareRenderer.h"

struct Rgb
{
    int r, g, b;
    bool near(const Rgb& o, int tolerance = 3) const
    {
        return std::abs(r - o.r) <= tolerance && std::abs(g - o.g) <= tolerance && std::abs(b - o.b) <= tolerance;
    }
    bool grey(int tolerance = 2) const { return std::abs(r - g) <= tolerance && std::abs(g - b) <= tolerance; }
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

#define EXPECT_RGB(expected, actual) EXPECT_TRUE((actual).near(expected)) << "expected " << (expected) << ", got " << (actual)

class RenderTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        director->getRenderer()->setClearColor(cocos2d::Color4F::BLACK);
    }

    void TearDown() override
    {
        for (cocos2d::Texture2D* t : textures) t->release();
        EngineTest::TearDown();
    }

    // One frame drawn.
    void draw() { frames(1, 0.0f); }

    const cocos2d::SoftwareTarget& target() { return director->getRenderer()->getSoftwareRenderer()->getTarget(); }

    // The pixel under a point of the 960 x 640 design (origin bottom-left).
    Rgb at(float x, float y)
    {
        const cocos2d::SoftwareTarget& t = target();
        int px = static_cast<int>(x), row = t.getHeight() - 1 - static_cast<int>(y);
        if (px < 0 || row < 0 || px >= t.getWidth() || row >= t.getHeight()) return Rgb{-1, -1, -1};
        const unsigned char* p = t.getPixels() + (static_cast<size_t>(row) * t.getWidth() + px) * 4;
        return Rgb{p[0], p[1], p[2]};
    }

    // A texture of one colour (RGBA, straight alpha).
    cocos2d::Texture2D* solid(int w, int h, cocos2d::Color4B c)
    {
        std::vector<unsigned char> px(static_cast<size_t>(w) * h * 4);
        for (size_t i = 0; i < px.size(); i += 4)
        {
            px[i] = c.r;
            px[i + 1] = c.g;
            px[i + 2] = c.b;
            px[i + 3] = c.a;
        }
        return texture(w, h, px);
    }

    cocos2d::Texture2D* texture(int w, int h, const std::vector<unsigned char>& rgba)
    {
        auto* t = new cocos2d::Texture2D();
        EXPECT_TRUE(t->initWithData(rgba.data(), static_cast<ssize_t>(rgba.size()),
                                    cocos2d::Texture2D::PixelFormat::RGBA8888, w, h,
                                    cocos2d::Size(static_cast<float>(w), static_cast<float>(h))));
        textures.push_back(t);
        return t;
    }

    cocos2d::Sprite* sprite(cocos2d::Texture2D* t, cocos2d::Vec2 pos, cocos2d::Node* parent = nullptr)
    {
        cocos2d::Sprite* s = cocos2d::Sprite::createWithTexture(t);
        s->setPosition(pos);
        (parent ? parent : scene)->addChild(s);
        return s;
    }

    const Rgb black{0, 0, 0}, white{255, 255, 255}, red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
    std::vector<cocos2d::Texture2D*> textures;
};

#endif
