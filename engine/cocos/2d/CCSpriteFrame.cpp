#include "2d/CCSpriteFrame.h"

#include <cmath>

#include "base/CCDirector.h"
#include "base/ccMacros.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

SpriteFrame* SpriteFrame::create(const std::string& filename, const Rect& rect)
{
    SpriteFrame* frame = new (std::nothrow) SpriteFrame();
    if (frame && frame->initWithTextureFilename(filename, rect))
    {
        frame->autorelease();
        return frame;
    }
    delete frame;
    return nullptr;
}

SpriteFrame* SpriteFrame::create(const std::string& filename, const Rect& rect, bool rotated, const Vec2& offset,
                                 const Size& originalSize)
{
    SpriteFrame* frame = new (std::nothrow) SpriteFrame();
    if (frame && frame->initWithTextureFilename(filename, rect, rotated, offset, originalSize))
    {
        frame->autorelease();
        return frame;
    }
    delete frame;
    return nullptr;
}

SpriteFrame* SpriteFrame::createWithTexture(Texture2D* texture, const Rect& rect)
{
    SpriteFrame* frame = new (std::nothrow) SpriteFrame();
    if (frame && frame->initWithTexture(texture, rect))
    {
        frame->autorelease();
        return frame;
    }
    delete frame;
    return nullptr;
}

SpriteFrame* SpriteFrame::createWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                                            const Size& originalSize)
{
    SpriteFrame* frame = new (std::nothrow) SpriteFrame();
    if (frame && frame->initWithTexture(texture, rect, rotated, offset, originalSize))
    {
        frame->autorelease();
        return frame;
    }
    delete frame;
    return nullptr;
}

SpriteFrame::SpriteFrame() : _anchorPoint(NAN, NAN), _rotated(false), _texture(nullptr) {}

SpriteFrame::~SpriteFrame()
{
    CC_SAFE_RELEASE(_texture);
}

bool SpriteFrame::initWithTexture(Texture2D* texture, const Rect& rect)
{
    Rect rectInPixels = CC_RECT_POINTS_TO_PIXELS(rect);
    return initWithTexture(texture, rectInPixels, false, Vec2::ZERO, rectInPixels.size);
}

bool SpriteFrame::initWithTextureFilename(const std::string& filename, const Rect& rect)
{
    Rect rectInPixels = CC_RECT_POINTS_TO_PIXELS(rect);
    return initWithTextureFilename(filename, rectInPixels, false, Vec2::ZERO, rectInPixels.size);
}

bool SpriteFrame::initWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                                  const Size& originalSize)
{
    setTexture(texture);
    _rectInPixels = rect;
    _rect = CC_RECT_PIXELS_TO_POINTS(rect);
    _offsetInPixels = offset;
    _offset = CC_POINT_PIXELS_TO_POINTS(_offsetInPixels);
    _originalSizeInPixels = originalSize;
    _originalSize = CC_SIZE_PIXELS_TO_POINTS(_originalSizeInPixels);
    _rotated = rotated;
    _anchorPoint = Vec2(NAN, NAN);
    _centerRect = Rect(NAN, NAN, NAN, NAN);
    return true;
}

bool SpriteFrame::initWithTextureFilename(const std::string& filename, const Rect& rect, bool rotated,
                                          const Vec2& offset, const Size& originalSize)
{
    if (!initWithTexture(nullptr, rect, rotated, offset, originalSize)) return false;
    _textureFilename = filename;
    return true;
}

bool SpriteFrame::hasCenterRect() const
{
    return !std::isnan(_centerRect.origin.x);
}

void SpriteFrame::setRect(const Rect& rect)
{
    _rect = rect;
    _rectInPixels = CC_RECT_POINTS_TO_PIXELS(_rect);
}

void SpriteFrame::setRectInPixels(const Rect& rectInPixels)
{
    _rectInPixels = rectInPixels;
    _rect = CC_RECT_PIXELS_TO_POINTS(rectInPixels);
}

void SpriteFrame::setCenterRectInPixels(const Rect& centerRect)
{
    _centerRect = CC_RECT_PIXELS_TO_POINTS(centerRect);
}

void SpriteFrame::setOffset(const Vec2& offsets)
{
    _offset = offsets;
    _offsetInPixels = CC_POINT_POINTS_TO_PIXELS(_offset);
}

void SpriteFrame::setOffsetInPixels(const Vec2& offsetInPixels)
{
    _offsetInPixels = offsetInPixels;
    _offset = CC_POINT_PIXELS_TO_POINTS(_offsetInPixels);
}

void SpriteFrame::setTexture(Texture2D* texture)
{
    if (_texture == texture) return;
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(_texture);
    _texture = texture;
}

Texture2D* SpriteFrame::getTexture()
{
    if (_texture) return _texture;
    if (!_textureFilename.empty()) return Director::getInstance()->getTextureCache()->addImage(_textureFilename);
    return nullptr;
}

SpriteFrame* SpriteFrame::clone() const
{
    SpriteFrame* copy = new (std::nothrow) SpriteFrame();
    if (!copy) return nullptr;
    copy->initWithTextureFilename(_textureFilename, _rectInPixels, _rotated, _offsetInPixels, _originalSizeInPixels);
    copy->setTexture(_texture);
    copy->_anchorPoint = _anchorPoint;
    copy->_centerRect = _centerRect;
    copy->autorelease();
    return copy;
}

NS_CC_END
