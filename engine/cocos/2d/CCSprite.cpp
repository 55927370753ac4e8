#include "2d/CCSprite.h"

#include <cstdio>
#include <cstring>

#include "2d/CCAnimation.h"
#include "2d/CCAnimationCache.h"
#include "2d/CCSpriteFrame.h"
#include "2d/CCSpriteFrameCache.h"
#include "base/CCDirector.h"
#include "platform/CCImage.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

#define SPRITE_CREATE(INIT_CALL)                    \
    Sprite* sprite = new (std::nothrow) Sprite();   \
    if (sprite && sprite->INIT_CALL)                \
    {                                               \
        sprite->autorelease();                      \
        return sprite;                              \
    }                                               \
    delete sprite;                                  \
    return nullptr;

Sprite* Sprite::create()
{
    SPRITE_CREATE(init())
}

Sprite* Sprite::create(const std::string& filename)
{
    SPRITE_CREATE(initWithFile(filename))
}

Sprite* Sprite::create(const std::string& filename, const Rect& rect)
{
    SPRITE_CREATE(initWithFile(filename, rect))
}

Sprite* Sprite::createWithTexture(Texture2D* texture)
{
    SPRITE_CREATE(initWithTexture(texture))
}

Sprite* Sprite::createWithTexture(Texture2D* texture, const Rect& rect, bool rotated)
{
    SPRITE_CREATE(initWithTexture(texture, rect, rotated))
}

Sprite* Sprite::createWithSpriteFrame(SpriteFrame* spriteFrame)
{
    SPRITE_CREATE(initWithSpriteFrame(spriteFrame))
}

Sprite* Sprite::createWithSpriteFrameName(const std::string& spriteFrameName)
{
    SPRITE_CREATE(initWithSpriteFrameName(spriteFrameName))
}

#undef SPRITE_CREATE

Sprite::Sprite()
    : _atlasIndex(INDEX_NOT_INITIALIZED),
      _dirty(false),
      _recursiveDirty(false),
      _shouldBeHidden(false),
      _blendFunc(BlendFunc::ALPHA_PREMULTIPLIED),
      _texture(nullptr),
      _spriteFrame(nullptr),
      _rectRotated(false),
      _insideBounds(true),
      _flippedX(false),
      _flippedY(false),
      _opacityModifyRGB(true)
{
    _quad = V3F_C4B_T2F_Quad();
}

Sprite::~Sprite()
{
    CC_SAFE_RELEASE(_spriteFrame);
    CC_SAFE_RELEASE(_texture);
}

bool Sprite::init()
{
    return initWithTexture(nullptr, Rect::ZERO);
}

bool Sprite::initWithTexture(Texture2D* texture)
{
    if (!texture) return false;
    Rect rect = Rect::ZERO;
    rect.size = texture->getContentSize();
    return initWithTexture(texture, rect);
}

bool Sprite::initWithTexture(Texture2D* texture, const Rect& rect)
{
    return initWithTexture(texture, rect, false);
}

bool Sprite::initWithTexture(Texture2D* texture, const Rect& rect, bool rotated)
{
    if (!Node::init()) return false;
    _recursiveDirty = false;
    setDirty(false);
    _opacityModifyRGB = true;
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    _flippedX = _flippedY = false;
    setAnchorPoint(Vec2(0.5f, 0.5f));
    _offsetPosition.setZero();
    _unflippedOffsetPositionFromCenter.setZero();
    _quad = V3F_C4B_T2F_Quad();
    _quad.bl.colors = _quad.br.colors = _quad.tl.colors = _quad.tr.colors = Color4B::WHITE;

    setGLProgramState(GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));
    setTexture(texture);
    setTextureRect(rect, rotated, rect.size);
    return true;
}

bool Sprite::initWithFile(const std::string& filename)
{
    if (filename.empty()) return false;
    _fileName = filename;
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(filename);
    if (!texture) return false;
    Rect rect = Rect::ZERO;
    rect.size = texture->getContentSize();
    return initWithTexture(texture, rect);
}

bool Sprite::initWithFile(const std::string& filename, const Rect& rect)
{
    if (filename.empty()) return false;
    _fileName = filename;
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(filename);
    if (!texture) return false;
    return initWithTexture(texture, rect);
}

bool Sprite::initWithSpriteFrameName(const std::string& spriteFrameName)
{
    if (spriteFrameName.empty()) return false;
    SpriteFrame* frame = SpriteFrameCache::getInstance()->getSpriteFrameByName(spriteFrameName);
    return initWithSpriteFrame(frame);
}

bool Sprite::initWithSpriteFrame(SpriteFrame* spriteFrame)
{
    if (!spriteFrame || !spriteFrame->getTexture()) return false;
    bool ok = initWithTexture(spriteFrame->getTexture(), spriteFrame->getRect(), spriteFrame->isRotated());
    setSpriteFrame(spriteFrame);
    return ok;
}

Texture2D* Sprite::whiteTexture()
{
    TextureCache* cache = Director::getInstance()->getTextureCache();
    Texture2D* texture = cache->getTextureForKey(CC_2x2_WHITE_IMAGE_KEY);
    if (texture) return texture;
    unsigned char pixels[16];
    std::memset(pixels, 0xFF, sizeof(pixels));
    Image* image = new (std::nothrow) Image();
    if (image && image->initWithRawData(pixels, sizeof(pixels), 2, 2, 8)) texture = cache->addImage(image, CC_2x2_WHITE_IMAGE_KEY);
    CC_SAFE_RELEASE(image);
    return texture;
}

void Sprite::setTexture(const std::string& filename)
{
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(filename);
    setTexture(texture);
    _fileName = filename;
    Rect rect = Rect::ZERO;
    if (texture) rect.size = texture->getContentSize();
    setTextureRect(rect);
}

void Sprite::setTexture(Texture2D* texture)
{
    if (!texture) texture = whiteTexture();
    if (_texture != texture)
    {
        CC_SAFE_RETAIN(texture);
        CC_SAFE_RELEASE(_texture);
        _texture = texture;
        updateBlendFunc();
    }
}

void Sprite::updateBlendFunc()
{
    if (!_texture || !_texture->hasPremultipliedAlpha())
    {
        _blendFunc = BlendFunc::ALPHA_NON_PREMULTIPLIED;
        setOpacityModifyRGB(false);
    }
    else
    {
        _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
        setOpacityModifyRGB(true);
    }
}

void Sprite::removeChild(Node* child, bool cleanup)
{
    Node::removeChild(child, cleanup);
}

void Sprite::setTextureRect(const Rect& rect)
{
    setTextureRect(rect, false, rect.size);
}

void Sprite::setTextureRect(const Rect& rect, bool rotated, const Size& untrimmedSize)
{
    _rectRotated = rotated;
    setContentSize(untrimmedSize);
    setVertexRect(rect);
    setTextureCoords(rect);

    float relativeOffsetX = _unflippedOffsetPositionFromCenter.x;
    float relativeOffsetY = _unflippedOffsetPositionFromCenter.y;
    if (_flippedX) relativeOffsetX = -relativeOffsetX;
    if (_flippedY) relativeOffsetY = -relativeOffsetY;
    _offsetPosition.x = relativeOffsetX + (_contentSize.width - _rect.size.width) / 2;
    _offsetPosition.y = relativeOffsetY + (_contentSize.height - _rect.size.height) / 2;

    float x1 = _offsetPosition.x, y1 = _offsetPosition.y;
    float x2 = x1 + _rect.size.width, y2 = y1 + _rect.size.height;
    _quad.bl.vertices.set(x1, y1, 0.0f);
    _quad.br.vertices.set(x2, y1, 0.0f);
    _quad.tl.vertices.set(x1, y2, 0.0f);
    _quad.tr.vertices.set(x2, y2, 0.0f);
    updateColor();
}

void Sprite::setVertexRect(const Rect& rect)
{
    _rect = rect;
}

void Sprite::setTextureCoords(const Rect& rectInPoints)
{
    Texture2D* tex = _texture;
    if (!tex || tex->getPixelsWide() <= 0 || tex->getPixelsHigh() <= 0) return;
    Rect rect = CC_RECT_POINTS_TO_PIXELS(rectInPoints);
    float atlasWidth = static_cast<float>(tex->getPixelsWide());
    float atlasHeight = static_cast<float>(tex->getPixelsHigh());
    float left, right, top, bottom;
    if (_rectRotated)
    {
        // stored turned a quarter clockwise in the atlas
        left = rect.origin.x / atlasWidth;
        right = (rect.origin.x + rect.size.height) / atlasWidth;
        top = rect.origin.y / atlasHeight;
        bottom = (rect.origin.y + rect.size.width) / atlasHeight;
        if (_flippedX) std::swap(top, bottom);
        if (_flippedY) std::swap(left, right);
        _quad.bl.texCoords = Tex2F(left, top);
        _quad.br.texCoords = Tex2F(left, bottom);
        _quad.tl.texCoords = Tex2F(right, top);
        _quad.tr.texCoords = Tex2F(right, bottom);
        return;
    }
    left = rect.origin.x / atlasWidth;
    right = (rect.origin.x + rect.size.width) / atlasWidth;
    top = rect.origin.y / atlasHeight;
    bottom = (rect.origin.y + rect.size.height) / atlasHeight;
    if (_flippedX) std::swap(left, right);
    if (_flippedY) std::swap(top, bottom);
    _quad.bl.texCoords = Tex2F(left, bottom);
    _quad.br.texCoords = Tex2F(right, bottom);
    _quad.tl.texCoords = Tex2F(left, top);
    _quad.tr.texCoords = Tex2F(right, top);
}

void Sprite::setFlippedX(bool flippedX)
{
    if (_flippedX == flippedX) return;
    _flippedX = flippedX;
    setTextureRect(_rect, _rectRotated, _contentSize);
}

void Sprite::setFlippedY(bool flippedY)
{
    if (_flippedY == flippedY) return;
    _flippedY = flippedY;
    setTextureRect(_rect, _rectRotated, _contentSize);
}

void Sprite::updateColor()
{
    Color4B color4(_displayedColor.r, _displayedColor.g, _displayedColor.b, _displayedOpacity);
    if (_opacityModifyRGB)
    {
        color4.r = static_cast<GLubyte>(color4.r * _displayedOpacity / 255.0f);
        color4.g = static_cast<GLubyte>(color4.g * _displayedOpacity / 255.0f);
        color4.b = static_cast<GLubyte>(color4.b * _displayedOpacity / 255.0f);
    }
    _quad.bl.colors = _quad.br.colors = _quad.tl.colors = _quad.tr.colors = color4;
}

void Sprite::setOpacityModifyRGB(bool modify)
{
    if (_opacityModifyRGB == modify) return;
    _opacityModifyRGB = modify;
    updateColor();
}

void Sprite::setSpriteFrame(const std::string& spriteFrameName)
{
    if (spriteFrameName.empty()) return;
    SpriteFrame* frame = SpriteFrameCache::getInstance()->getSpriteFrameByName(spriteFrameName);
    if (frame) setSpriteFrame(frame);
}

void Sprite::setSpriteFrame(SpriteFrame* newFrame)
{
    if (!newFrame) return;
    if (_spriteFrame != newFrame)
    {
        newFrame->retain();
        CC_SAFE_RELEASE(_spriteFrame);
        _spriteFrame = newFrame;
    }
    _unflippedOffsetPositionFromCenter = newFrame->getOffset();
    Texture2D* texture = newFrame->getTexture();
    if (texture != _texture) setTexture(texture);
    _rectRotated = newFrame->isRotated();
    setTextureRect(newFrame->getRect(), _rectRotated, newFrame->getOriginalSize());
    if (newFrame->hasAnchorPoint()) setAnchorPoint(newFrame->getAnchorPoint());
}

void Sprite::setDisplayFrameWithAnimationName(const std::string& animationName, ssize_t frameIndex)
{
    Animation* a = AnimationCache::getInstance()->getAnimation(animationName);
    if (!a || frameIndex < 0 || frameIndex >= a->getFrames().size()) return;
    AnimationFrame* frame = a->getFrames().at(frameIndex);
    if (frame) setSpriteFrame(frame->getSpriteFrame());
}

bool Sprite::isFrameDisplayed(SpriteFrame* frame) const
{
    if (!frame) return false;
    Rect r = frame->getRect();
    return r.equals(_rect) && frame->getTexture() == _texture && frame->getOffset().equals(_unflippedOffsetPositionFromCenter);
}

SpriteFrame* Sprite::getSpriteFrame() const
{
    if (_spriteFrame) return _spriteFrame;
    return SpriteFrame::createWithTexture(_texture, CC_RECT_POINTS_TO_PIXELS(_rect), _rectRotated,
                                          CC_POINT_POINTS_TO_PIXELS(_unflippedOffsetPositionFromCenter),
                                          CC_SIZE_POINTS_TO_PIXELS(_contentSize));
}

std::string Sprite::getDescription() const
{
    char buf[128];
    std::snprintf(buf, sizeof(buf), "<Sprite | Tag = %d, TextureID = %u>", _tag, _texture ? _texture->getName() : 0u);
    return buf;
}

void Sprite::draw(Renderer* renderer, const Mat4& transform, uint32_t flags)
{
    if (!_texture || !renderer) return;
    // culling: only re-tested when the transform changed
    _insideBounds = (flags & FLAGS_TRANSFORM_DIRTY) ? renderer->checkVisibility(transform, _contentSize) : _insideBounds;
    if (!_insideBounds) return;
    _quadCommand.init(_globalZOrder, _texture, getGLProgramState(), _blendFunc, &_quad, 1, transform, flags);
    renderer->addCommand(&_quadCommand);
}

NS_CC_END
