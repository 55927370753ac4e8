#include "services/TzDebugAids.h"

#include <cstdint>
#include <cstdlib>

#include "services/TzTime.h"

namespace {

const GLubyte kBackgroundOpacity = 50;
const long kDoubleTouchMs = 250;

long g_lastTouchMs = 0;

void AddBackground(cocos2d::Node* parent, const cocos2d::Size& size, const cocos2d::Color3B& color)
{
    if (parent == nullptr)
        return;
    cocos2d::LayerColor* layer =
        cocos2d::LayerColor::create(cocos2d::Color4B(color.r, color.g, color.b, 255), size.width, size.height);
    if (layer == nullptr)
        return;
    layer->setAnchorPoint(cocos2d::Vec2(0.0f, 0.0f));
    layer->setPosition(cocos2d::Vec2(0.0f, 0.0f));
    layer->setOpacity(kBackgroundOpacity);
    parent->addChild(layer);
}

} // namespace

void testBackGround(cocos2d::Node* node)
{
    testBackGround(node, cocos2d::Color3B(255, 0, 0));
}

void testBackGround(cocos2d::Node* node, cocos2d::Color3B color)
{
    if (node != nullptr)
        AddBackground(node, node->getContentSize(), color);
}

void testBackGround(cocos2d::Size size, cocos2d::Node* parent)
{
    AddBackground(parent, size, cocos2d::Color3B(255, 0, 0));
}

bool isDoubleTouch()
{
    const long now = TzMillisecondNow();
    // The readings wrap at 32 bits; their difference is taken the same way.
    const int32_t apart = static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(g_lastTouchMs));
    if (g_lastTouchMs != 0 && std::labs(static_cast<long>(apart)) < kDoubleTouchMs) {
        g_lastTouchMs = 0;
        return true;
    }
    g_lastTouchMs = now;
    return false;
}

void TzDebugShow(cocos2d::Node*, const char*, ...) {}
