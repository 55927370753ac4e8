// Sprite frames from atlases, animations, the renderer's playback order,
// pixel conversion and rendered text.
#include <gtest/gtest.h>

#include "2d/CCAnimationCache.h"
#include "2d/CCSpriteFrameCache.h"
#include "cocos2d.h"
#include "media_fixture.h"
#include "platform/CCImage.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCGroupCommand.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"

USING_NS_CC;
using namespace media_test;

namespace {

using MediaFrames = MediaTest;

const char* const ATLAS = R"(<plist version="1.0"><dict>
  <key>frames</key>
  <dict>
    <key>run_0.png</key>
    <dict>
      <key>frame</key><string>{{0,0},{16,32}}</string>
      <key>offset</key><string>{1,-2}</string>
      <key>rotated</key><false/>
      <key>sourceSize</key><string>{20,36}</string>
    </dict>
    <key>run_1.png</key>
    <dict>
      <key>frame</key><string>{{16,0},{16,32}}</string>
      <key>offset</key><string>{0,0}</string>
      <key>rotated</key><true/>
      <key>sourceSize</key><string>{16,32}</string>
    </dict>
  </dict>
  <key>metadata</key>
  <dict>
    <key>format</key><integer>2</integer>
    <key>textureFileName</key><string>hero.png</string>
  </dict>
</dict></plist>)";

TEST_F(MediaFrames, AtlasPropertyListsFillTheFrameCache)
{
    put("atlas/hero.png", solidPng(64, 32, PNG_RGBA));
    put("atlas/hero.plist", ATLAS);
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile("atlas/hero.plist");
    EXPECT_TRUE(cache->isSpriteFramesWithFileLoaded("atlas/hero.plist"));

    SpriteFrame* first = cache->getSpriteFrameByName("run_0.png");
    ASSERT_NE(nullptr, first);
    EXPECT_SAME(Rect(0, 0, 16, 32), first->getRect());
    EXPECT_EQ(Vec2(1, -2), first->getOffset());
    EXPECT_SAME(Size(20, 36), first->getOriginalSize());
    EXPECT_FALSE(first->isRotated());
    ASSERT_NE(nullptr, first->getTexture());
    EXPECT_EQ(64, first->getTexture()->getPixelsWide());
    SpriteFrame* second = cache->getSpriteFrameByName("run_1.png");
    ASSERT_NE(nullptr, second);
    EXPECT_TRUE(second->isRotated());
    EXPECT_EQ(nullptr, cache->getSpriteFrameByName("run_9.png"));

    Sprite* sprite = Sprite::createWithSpriteFrameName("run_0.png");
    ASSERT_NE(nullptr, sprite);
    EXPECT_SAME(Size(20, 36), sprite->getContentSize()); // the untrimmed size
    EXPECT_TRUE(sprite->isFrameDisplayed(first));
    EXPECT_EQ(nullptr, Sprite::createWithSpriteFrameName("run_9.png"));

    cache->removeSpriteFrameByName("run_0.png");
    EXPECT_EQ(nullptr, cache->getSpriteFrameByName("run_0.png"));
    cache->removeSpriteFrames();
    EXPECT_EQ(nullptr, cache->getSpriteFrameByName("run_1.png"));

    cache->addSpriteFramesWithFile("atlas/missing.plist"); // nothing happens
    EXPECT_FALSE(cache->isSpriteFramesWithFileLoaded("atlas/missing.plist"));
}

TEST_F(MediaFrames, AnimationsLastTheirDelayUnits)
{
    put("walk.png", solidPng(30, 10, PNG_RGBA));
    Texture2D* texture = director->getTextureCache()->addImage("walk.png");
    ASSERT_NE(nullptr, texture);
    Animation* animation = Animation::create();
    ASSERT_NE(nullptr, animation);
    for (int i = 0; i < 3; ++i) animation->addSpriteFrameWithTexture(texture, Rect(10.0f * i, 0, 10, 10));
    animation->setDelayPerUnit(0.1f);
    EXPECT_EQ(3, animation->getFrames().size());
    EXPECT_FLOAT_EQ(3, animation->getTotalDelayUnits());
    EXPECT_FLOAT_EQ(0.3f, animation->getDuration());
    EXPECT_EQ(1u, animation->getLoops());

    Vector<AnimationFrame*> frames;
    ValueMap info;
    info["step"] = Value(1);
    frames.pushBack(AnimationFrame::create(animation->getFrames().at(0)->getSpriteFrame(), 2, info));
    frames.pushBack(AnimationFrame::create(animation->getFrames().at(1)->getSpriteFrame(), 1, ValueMap()));
    Animation* weighted = Animation::create(frames, 0.5f, 3);
    ASSERT_NE(nullptr, weighted);
    EXPECT_FLOAT_EQ(1.5f, weighted->getDuration());
    EXPECT_EQ(3u, weighted->getLoops());
    EXPECT_EQ(1, weighted->getFrames().at(0)->getUserInfo().at("step").asInt());

    Animation* copy = weighted->clone();
    EXPECT_FLOAT_EQ(1.5f, copy->getDuration());

    AnimationCache::getInstance()->addAnimation(animation, "walk");
    EXPECT_EQ(animation, AnimationCache::getInstance()->getAnimation("walk"));
    Sprite* sprite = Sprite::create("walk.png");
    sprite->setDisplayFrameWithAnimationName("walk", 2);
    EXPECT_SAME(Rect(20, 0, 10, 10), sprite->getTextureRect());
    sprite->setDisplayFrameWithAnimationName("walk", 7); // out of range: unchanged
    EXPECT_SAME(Rect(20, 0, 10, 10), sprite->getTextureRect());
    AnimationCache::getInstance()->removeAnimation("walk");
    EXPECT_EQ(nullptr, AnimationCache::getInstance()->getAnimation("walk"));
}

TEST_F(MediaFrames, RendererPlaysBackByGlobalOrderAndGroups)
{
    Renderer& renderer = *director->getRenderer();
    std::vector<int> order;
    CustomCommand a, b, c, inGroup;
    a.init(1);
    a.func = [&order] { order.push_back(1); };
    b.init(-1);
    b.func = [&order] { order.push_back(-1); };
    c.init(1);
    c.func = [&order] { order.push_back(2); }; // same order as a: after it
    inGroup.init(5); // within its group: played where the group stands
    inGroup.func = [&order] { order.push_back(10); };
    GroupCommand group;
    group.init(0.5f);

    renderer.addCommand(&a);
    renderer.addCommand(&group);
    renderer.pushGroup(group.getRenderQueueID());
    renderer.addCommand(&inGroup);
    renderer.popGroup();
    renderer.addCommand(&b);
    renderer.addCommand(&c);
    renderer.render();
    EXPECT_EQ((std::vector<int>{-1, 10, 1, 2}), order);
    EXPECT_EQ(5u, renderer.getLastFrameCommands().size());

    order.clear();
    renderer.render(); // the queues were emptied
    EXPECT_TRUE(order.empty());
    EXPECT_TRUE(renderer.getLastFrameCommands().empty());
}

TEST_F(MediaFrames, ImagesConvertToOtherFormatsAndSaveAsPng)
{
    put("rgb.png", solidPng(3, 2, PNG_RGB, 255, 0, 0));
    Image* image = new Image();
    ASSERT_TRUE(image->initWithImageFile("rgb.png"));
    Texture2D* texture = new Texture2D();
    ASSERT_TRUE(texture->initWithImage(image, Texture2D::PixelFormat::RGBA4444));
    EXPECT_EQ(Texture2D::PixelFormat::RGBA4444, texture->getPixelFormat());
    ASSERT_EQ(12u, texture->getPixelData().size());
    EXPECT_EQ(0xF0, texture->getPixelData()[1] & 0xF0); // red nibble full
    EXPECT_EQ(0x0F, texture->getPixelData()[0] & 0x0F); // opaque
    texture->release();

    std::string saved = dir + "saved.png";
    ASSERT_TRUE(image->saveToFile(saved));
    Image* reread = new Image();
    ASSERT_TRUE(reread->initWithImageFile(saved));
    EXPECT_EQ(3, reread->getWidth());
    EXPECT_EQ(Texture2D::PixelFormat::RGB888, reread->getRenderFormat());
    EXPECT_EQ(255, reread->getData()[0]);
    reread->release();
    image->release();
}

// The column of the leftmost and rightmost inked pixel of a text texture.
void inkColumns(Texture2D* texture, int& first, int& last)
{
    first = texture->getPixelsWide();
    last = -1;
    const std::vector<unsigned char>& px = texture->getPixelData();
    for (int y = 0; y < texture->getPixelsHigh(); ++y)
        for (int x = 0; x < texture->getPixelsWide(); ++x)
            if (px[(static_cast<size_t>(y) * texture->getPixelsWide() + x) * 4 + 3] > 64)
            {
                first = std::min(first, x);
                last = std::max(last, x);
            }
}

TEST_F(MediaFrames, TextIsDrawnWhereItsAlignmentPutsIt)
{
    Texture2D* left = new Texture2D();
    Texture2D* right = new Texture2D();
    ASSERT_TRUE(left->initWithString("ab", "Arial", 20, Size(200, 30), TextHAlignment::LEFT));
    ASSERT_TRUE(right->initWithString("ab", "Arial", 20, Size(200, 30), TextHAlignment::RIGHT));
    EXPECT_EQ(Texture2D::PixelFormat::RGBA8888, left->getPixelFormat());
    EXPECT_TRUE(left->hasPremultipliedAlpha());
    EXPECT_EQ(200, left->getPixelsWide());
    int l0, l1, r0, r1;
    inkColumns(left, l0, l1);
    inkColumns(right, r0, r1);
    ASSERT_GE(l1, 0);
    ASSERT_GE(r1, 0);
    EXPECT_LT(l0, 5);
    EXPECT_LT(l1, 40);
    EXPECT_GT(r0, 160);
    EXPECT_GT(r1, 190);
    left->release();
    right->release();

    Texture2D* none = new Texture2D();
    EXPECT_FALSE(none->initWithString("", "Arial", 20));
    none->release();
}

} // namespace
