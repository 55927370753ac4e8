// The engine's software renderer measured in one run:
//  1. frames per second of a 960 x 640 scene of 500 sprites (turned, scaled,
//     half of them half-transparent) and 50 system-font labels over a colour
//     layer, the sprites moving every frame;
//  2. the fill rate of full-frame quads, opaque (blending off) and blended
//     (premultiplied alpha), against memcpy of the same bytes into a frame
//     of the same size, the memory-bandwidth floor. The ratio is the
//     renderer's time over memcpy's (1 would be as fast as copying).
// Medians of BENCH_ROUNDS rounds (3).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "cocos2d.h"
#include "renderer/CCSoftwareRenderer.h"

USING_NS_CC;

namespace {

const int kWidth = 960;
const int kHeight = 640;

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

Texture2D* makeTexture(int w, int h, unsigned char r, unsigned char g, unsigned char b, unsigned char a)
{
    std::vector<unsigned char> px(static_cast<size_t>(w) * h * 4);
    for (size_t i = 0; i < px.size(); i += 4)
    {
        // premultiplied, as PNG images are loaded
        px[i] = static_cast<unsigned char>(r * a / 255);
        px[i + 1] = static_cast<unsigned char>(g * a / 255);
        px[i + 2] = static_cast<unsigned char>(b * a / 255);
        px[i + 3] = a;
    }
    auto* t = new Texture2D();
    t->initWithData(px.data(), static_cast<ssize_t>(px.size()), Texture2D::PixelFormat::RGBA8888, w, h,
                    Size(static_cast<float>(w), static_cast<float>(h)));
    return t;
}

double sceneFramesPerSecond(Director* director, int frames)
{
    Scene* scene = Scene::create();
    director->replaceScene(scene);
    director->mainLoop(0);
    scene->addChild(LayerColor::create(Color4B(20, 60, 30, 255)));
    Texture2D* solid = makeTexture(64, 64, 200, 40, 40, 255);
    Texture2D* glass = makeTexture(64, 64, 40, 40, 220, 128);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(0, kWidth), y(0, kHeight), turn(0, 360), scale(0.5f, 1.5f);
    std::vector<Sprite*> sprites;
    for (int i = 0; i < 500; ++i)
    {
        Sprite* s = Sprite::createWithTexture(i % 2 ? glass : solid);
        s->setPosition(x(random), y(random));
        s->setRotation(turn(random));
        s->setScale(scale(random));
        scene->addChild(s);
        sprites.push_back(s);
    }
    for (int i = 0; i < 50; ++i)
    {
        Label* label = Label::createWithSystemFont("Player " + std::to_string(i) + ": 12,345", "Arial", 20);
        label->setPosition(x(random), y(random));
        scene->addChild(label);
    }
    solid->release();
    glass->release();
    director->mainLoop(1.0f / 60); // the labels lay out their text once
    double start = now();
    for (int f = 0; f < frames; ++f)
    {
        for (Sprite* s : sprites) s->setRotation(s->getRotation() + 1.0f);
        director->mainLoop(1.0f / 60);
    }
    return frames / (now() - start);
}

struct Fill
{
    double rendererSeconds;
    double memcpySeconds;
};

// quads full-frame quads drawn straight into the back end, then memcpy of
// as many frames' bytes.
Fill fillRate(Renderer* renderer, Texture2D* texture, const BlendFunc& blend, int quads)
{
    SoftwareRenderer* software = renderer->getSoftwareRenderer();
    software->beginFrame(Color4F::BLACK);
    V3F_C4B_T2F_Quad quad;
    const Color4B white(255, 255, 255, 255);
    quad.bl = {Vec3(0, 0, 0), white, Tex2F(0, 1)};
    quad.br = {Vec3(kWidth, 0, 0), white, Tex2F(1, 1)};
    quad.tl = {Vec3(0, kHeight, 0), white, Tex2F(0, 0)};
    quad.tr = {Vec3(kWidth, kHeight, 0), white, Tex2F(1, 0)};
    GLProgramState* state = GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP);
    double start = now();
    for (int i = 0; i < quads; ++i) software->drawQuads(texture, state, blend, &quad, 1, Mat4::IDENTITY);
    double rendererSeconds = now() - start;

    size_t bytes = static_cast<size_t>(kWidth) * kHeight * 4;
    std::vector<unsigned char> from(bytes, 1), to(bytes);
    start = now();
    for (int i = 0; i < quads; ++i)
    {
        from[static_cast<size_t>(i) % bytes] = static_cast<unsigned char>(i); // not a copy the compiler may skip
        std::memcpy(to.data(), from.data(), bytes);
    }
    double memcpySeconds = now() - start;
    if (to[0] == 0xEE) std::printf(" ");
    return Fill{rendererSeconds, memcpySeconds};
}

} // namespace

int main()
{
    int rounds = 3;
    if (const char* env = std::getenv("BENCH_ROUNDS")) rounds = std::max(1, std::atoi(env));
    Director* director = Director::getInstance();
    GLView* view = GLViewImpl::createWithRect("render bench", Rect(0, 0, kWidth, kHeight));
    director->setOpenGLView(view);
    view->setDesignResolutionSize(kWidth, kHeight, ResolutionPolicy::SHOW_ALL);
    director->runWithScene(Scene::create());
    director->mainLoop(0);

    std::printf("== scene of 500 sprites and 50 labels at %d x %d (median of %d rounds of 30 frames)\n", kWidth,
                kHeight, rounds);
    std::vector<double> fps;
    for (int r = 0; r < rounds; ++r) fps.push_back(sceneFramesPerSecond(director, 30));
    double f = median(fps);
    std::printf("  %.1f frames/s, %.1f ms a frame\n", f, 1000.0 / f);

    const int quads = 40;
    const double mbytes = static_cast<double>(kWidth) * kHeight * 4 * quads / 1e6;
    std::printf("== fill rate: %d full-frame quads (%.0f MB of pixels) against memcpy of the same bytes\n", quads,
                mbytes);
    Texture2D* opaque = makeTexture(256, 256, 180, 120, 60, 255);
    Texture2D* glass = makeTexture(256, 256, 60, 120, 180, 128);
    struct Case
    {
        const char* name;
        Texture2D* texture;
        BlendFunc blend;
    } cases[] = {{"opaque (ONE, ZERO)", opaque, BlendFunc::DISABLE},
                 {"blended (ONE, ONE_MINUS_SRC_ALPHA)", glass, BlendFunc::ALPHA_PREMULTIPLIED}};
    for (const Case& c : cases)
    {
        std::vector<double> ours, floor;
        for (int r = 0; r < rounds; ++r)
        {
            Fill fill = fillRate(director->getRenderer(), c.texture, c.blend, quads);
            ours.push_back(fill.rendererSeconds);
            floor.push_back(fill.memcpySeconds);
        }
        double o = median(ours), m = median(floor);
        std::printf("  %-36s renderer %8.1f MB/s (%6.1f Mpixel/s)   memcpy %8.1f MB/s   ratio %.1f\n", c.name,
                    mbytes / o, mbytes / 4 / o, mbytes / m, o / m);
    }
    opaque->release();
    glass->release();
    director->end();
    director->mainLoop(0);
    return 0;
}
