#include "ui/UIScale9Sprite.h"

#include <algorithm>

#include "2d/CCSpriteFrame.h"
#include "2d/CCSpriteFrameCache.h"
#include "base/CCDirector.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN
namespace ui {

#define SCALE9_CREATE(INIT_CALL)                              \
    Scale9Sprite* sprite = new (std::nothrow) Scale9Sprite(); \
    if (sprite && sprite->INIT_CALL)                          \
    {                                                         \
        sprite->autorelease();                                \
        return sprite;                                        \
    }                                                         \
    delete sprite;                                            \
    return nullptr;

Scale9Sprite* Scale9Sprite::create()
{
    SCALE9_CREATE(init())
}

Scale9Sprite* Scale9Sprite::create(const std::string& file, const Rect& rect, const Rect& capInsets)
{
    SCALE9_CREATE(initWithFile(file, rect, capInsets))
}

Scale9Sprite* Scale9Sprite::create(const Rect& capInsets, const std::string& file)
{
    SCALE9_CREATE(initWithFile(capInsets, file))
}

Scale9Sprite* Scale9Sprite::create(const std::string& file, const Rect& rect)
{
    SCALE9_CREATE(initWithFile(file, rect))
}

Scale9Sprite* Scale9Sprite::create(const std::string& file)
{
    SCALE9_CREATE(initWithFile(file))
}

Scale9Sprite* Scale9Sprite::createWithSpriteFrame(SpriteFrame* spriteFrame)
{
    SCALE9_CREATE(initWithSpriteFrame(spriteFrame))
}

Scale9Sprite* Scale9Sprite::createWithSpriteFrame(SpriteFrame* spriteFrame, const Rect& capInsets)
{
    SCALE9_CREATE(initWithSpriteFrame(spriteFrame, capInsets))
}

Scale9Sprite* Scale9Sprite::createWithSpriteFrameName(const std::string& spriteFrameName)
{
    SCALE9_CREATE(initWithSpriteFrameName(spriteFrameName))
}

Scale9Sprite* Scale9Sprite::createWithSpriteFrameName(const std::string& spriteFrameName, const Rect& capInsets)
{
    SCALE9_CREATE(initWithSpriteFrameName(spriteFrameName, capInsets))
}

#undef SCALE9_CREATE

Scale9Sprite::Scale9Sprite()
    : _scale9Enabled(false),
      _renderingType(RenderingType::SLICE),
      _brightState(State::NORMAL),
      _insetLeft(0),
      _insetTop(0),
      _insetRight(0),
      _insetBottom(0)
{
}

Scale9Sprite::~Scale9Sprite() {}

bool Scale9Sprite::init()
{
    if (!Sprite::init()) return false;
    _originalSize = Size::ZERO;
    _capInsets = Rect::ZERO;
    _scale9Enabled = true;
    updateSlices();
    return true;
}

bool Scale9Sprite::initWithFile(const std::string& file, const Rect& rect, const Rect& capInsets)
{
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(file);
    if (!texture) return false;
    Rect r = rect;
    if (r.equals(Rect::ZERO)) r.size = texture->getContentSize();
    _scale9Enabled = false; // no slicing while the sprite sets itself up
    if (!Sprite::initWithTexture(texture, r)) return false;
    _fileName = file;
    _originalSize = r.size;
    storeCapInsets(capInsets);
    _scale9Enabled = true;
    updateSlices();
    return true;
}

bool Scale9Sprite::initWithFile(const std::string& file, const Rect& rect)
{
    return initWithFile(file, rect, Rect::ZERO);
}

bool Scale9Sprite::initWithFile(const Rect& capInsets, const std::string& file)
{
    return initWithFile(file, Rect::ZERO, capInsets);
}

bool Scale9Sprite::initWithFile(const std::string& file)
{
    return initWithFile(file, Rect::ZERO, Rect::ZERO);
}

bool Scale9Sprite::initWithSpriteFrame(SpriteFrame* spriteFrame, const Rect& capInsets)
{
    if (!spriteFrame || !spriteFrame->getTexture()) return false;
    _scale9Enabled = false;
    if (!Sprite::initWithSpriteFrame(spriteFrame)) return false;
    _originalSize = spriteFrame->getOriginalSize();
    storeCapInsets(capInsets);
    _scale9Enabled = true;
    updateSlices();
    return true;
}

bool Scale9Sprite::initWithSpriteFrame(SpriteFrame* spriteFrame)
{
    return initWithSpriteFrame(spriteFrame, Rect::ZERO);
}

bool Scale9Sprite::initWithSpriteFrameName(const std::string& spriteFrameName, const Rect& capInsets)
{
    return initWithSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName(spriteFrameName), capInsets);
}

bool Scale9Sprite::initWithSpriteFrameName(const std::string& spriteFrameName)
{
    return initWithSpriteFrameName(spriteFrameName, Rect::ZERO);
}

bool Scale9Sprite::init(Sprite* sprite, const Rect& rect, bool rotated, const Rect& capInsets)
{
    return updateWithSprite(sprite, rect, rotated, capInsets);
}

bool Scale9Sprite::init(Sprite* sprite, const Rect& rect, const Rect& capInsets)
{
    return init(sprite, rect, false, capInsets);
}

bool Scale9Sprite::updateWithSprite(Sprite* sprite, const Rect& rect, bool rotated, const Rect& capInsets)
{
    if (!sprite) return init();
    Texture2D* texture = sprite->getTexture();
    Rect r = rect.equals(Rect::ZERO) ? sprite->getTextureRect() : rect;
    _scale9Enabled = false;
    if (!Sprite::initWithTexture(texture, r, rotated)) return false;
    _originalSize = r.size;
    storeCapInsets(capInsets);
    _scale9Enabled = true;
    updateSlices();
    return true;
}

Scale9Sprite* Scale9Sprite::resizableSpriteWithCapInsets(const Rect& capInsets) const
{
    Scale9Sprite* copy = new (std::nothrow) Scale9Sprite();
    if (copy && copy->updateWithSprite(const_cast<Scale9Sprite*>(this), _rect, _rectRotated, capInsets))
    {
        copy->autorelease();
        return copy;
    }
    delete copy;
    return nullptr;
}

void Scale9Sprite::setSpriteFrame(SpriteFrame* spriteFrame, const Rect& capInsets)
{
    if (!spriteFrame) return;
    bool enabled = _scale9Enabled;
    _scale9Enabled = false;
    Sprite::setSpriteFrame(spriteFrame);
    _originalSize = spriteFrame->getOriginalSize();
    storeCapInsets(capInsets);
    _scale9Enabled = enabled;
    updateSlices();
}

void Scale9Sprite::setState(State state)
{
    if (state == _brightState) return;
    _brightState = state;
    const char* program = state == State::GRAY ? GLProgram::SHADER_NAME_POSITION_GRAYSCALE
                                               : GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP;
    setGLProgramState(GLProgramState::getOrCreateWithGLProgramName(program));
}

void Scale9Sprite::storeCapInsets(const Rect& given)
{
    const float w = _originalSize.width, h = _originalSize.height;
    // No insets: the centre third. Insets reaching past the image are cut
    // back the way they always were: an origin past it to 0, a size past
    // it to 1.
    Rect insets = given.equals(Rect::ZERO) ? Rect(w / 3, h / 3, w / 3, h / 3) : given;
    if (insets.origin.x > w) insets.origin.x = 0;
    if (insets.origin.y > h) insets.origin.y = 0;
    if (insets.size.width > w) insets.size.width = 1;
    if (insets.size.height > h) insets.size.height = 1;
    _capInsets = insets;
    _insetLeft = insets.origin.x;
    _insetTop = insets.origin.y;
    _insetRight = w - insets.origin.x - insets.size.width;
    _insetBottom = h - insets.origin.y - insets.size.height;
}

Rect Scale9Sprite::effectiveInsets() const
{
    float w = _originalSize.width, h = _originalSize.height;
    // Slices are cut inside the image whatever the insets say.
    float x = std::min(std::max(_capInsets.origin.x, 0.0f), w);
    float y = std::min(std::max(_capInsets.origin.y, 0.0f), h);
    float cw = std::min(std::max(_capInsets.size.width, 0.0f), w - x);
    float ch = std::min(std::max(_capInsets.size.height, 0.0f), h - y);
    return Rect(x, y, cw, ch);
}

void Scale9Sprite::setCapInsets(const Rect& insets)
{
    storeCapInsets(insets);
    updateSlices();
}

#define SCALE9_INSET_SETTER(NAME, MEMBER)                                                           \
    void Scale9Sprite::NAME(float value)                                                            \
    {                                                                                               \
        MEMBER = value;                                                                             \
        setCapInsets(Rect(_insetLeft, _insetTop, _originalSize.width - _insetLeft - _insetRight,    \
                          _originalSize.height - _insetTop - _insetBottom));                        \
    }

SCALE9_INSET_SETTER(setInsetLeft, _insetLeft)
SCALE9_INSET_SETTER(setInsetTop, _insetTop)
SCALE9_INSET_SETTER(setInsetRight, _insetRight)
SCALE9_INSET_SETTER(setInsetBottom, _insetBottom)

#undef SCALE9_INSET_SETTER

void Scale9Sprite::setScale9Enabled(bool enabled)
{
    // The content size stays what it was either way.
    _scale9Enabled = enabled;
    updateSlices();
}

void Scale9Sprite::setRenderingType(RenderingType type)
{
    _renderingType = type;
    updateSlices();
}

void Scale9Sprite::copyTo(Scale9Sprite* copy) const
{
    if (!copy) return;
    copy->updateWithSprite(const_cast<Scale9Sprite*>(this), _rect, _rectRotated, _capInsets);
    copy->setContentSize(_contentSize);
    copy->setState(_brightState);
    copy->setRenderingType(_renderingType);
}

void Scale9Sprite::setContentSize(const Size& size)
{
    Sprite::setContentSize(size);
    updateSlices();
}

namespace {

// Splits a length into a fixed start, a stretched middle and a fixed end;
// when the length cannot hold both ends they shrink in proportion.
void splitLength(float length, float start, float end, float out[3])
{
    if (length >= start + end)
    {
        out[0] = start;
        out[1] = length - start - end;
        out[2] = end;
        return;
    }
    float scale = (start + end) > 0 ? length / (start + end) : 0.0f;
    out[0] = start * scale;
    out[1] = 0;
    out[2] = end * scale;
}

} // namespace

void Scale9Sprite::updateSlices()
{
    _slices.clear();
    if (!_scale9Enabled || _renderingType != RenderingType::SLICE || !_texture) return;
    if (_originalSize.width <= 0 || _originalSize.height <= 0) return;
    float pixelsWide = static_cast<float>(_texture->getPixelsWide());
    float pixelsHigh = static_cast<float>(_texture->getPixelsHigh());
    if (pixelsWide <= 0 || pixelsHigh <= 0) return;
    float scale = Director::getInstance()->getContentScaleFactor();
    if (!(scale > 0)) scale = 1;

    Rect insets = effectiveInsets();
    float l = insets.origin.x, t = insets.origin.y;
    float r = _originalSize.width - l - insets.size.width;
    float b = _originalSize.height - t - insets.size.height;

    // on screen: columns left to right, rows bottom to top
    float widths[3], heights[3];
    splitLength(_contentSize.width, l, r, widths);
    splitLength(_contentSize.height, b, t, heights);
    // in the texture (y down from the rectangle's top)
    float rx = _rect.origin.x, ry = _rect.origin.y;
    float texX[4] = {rx, rx + l, rx + l + insets.size.width, rx + _originalSize.width};
    float texY[4] = {ry + _originalSize.height, ry + t + insets.size.height, ry + t, ry}; // bottom edge first

    Color4B color = _quad.bl.colors;
    float y = 0;
    for (int row = 0; row < 3; ++row)
    {
        float x = 0;
        for (int col = 0; col < 3; ++col)
        {
            V3F_C4B_T2F_Quad q;
            float x2 = x + widths[col], y2 = y + heights[row];
            q.bl.vertices.set(x, y, 0);
            q.br.vertices.set(x2, y, 0);
            q.tl.vertices.set(x, y2, 0);
            q.tr.vertices.set(x2, y2, 0);
            float u1 = texX[col] * scale / pixelsWide, u2 = texX[col + 1] * scale / pixelsWide;
            float vBottom = texY[row] * scale / pixelsHigh, vTop = texY[row + 1] * scale / pixelsHigh;
            q.bl.texCoords = Tex2F(u1, vBottom);
            q.br.texCoords = Tex2F(u2, vBottom);
            q.tl.texCoords = Tex2F(u1, vTop);
            q.tr.texCoords = Tex2F(u2, vTop);
            q.bl.colors = q.br.colors = q.tl.colors = q.tr.colors = color;
            _slices.push_back(q);
            x = x2;
        }
        y += heights[row];
    }
}

void Scale9Sprite::updateColor()
{
    Sprite::updateColor();
    for (V3F_C4B_T2F_Quad& q : _slices) q.bl.colors = q.br.colors = q.tl.colors = q.tr.colors = _quad.bl.colors;
}

void Scale9Sprite::draw(Renderer* renderer, const Mat4& transform, uint32_t flags)
{
    if (_slices.empty())
    {
        Sprite::draw(renderer, transform, flags);
        return;
    }
    if (!_texture || !renderer) return;
    _insideBounds = (flags & FLAGS_TRANSFORM_DIRTY) ? renderer->checkVisibility(transform, _contentSize) : _insideBounds;
    if (!_insideBounds) return;
    _slicesCommand.init(_globalZOrder, _texture, getGLProgramState(), _blendFunc, _slices.data(),
                        static_cast<ssize_t>(_slices.size()), transform, flags);
    renderer->addCommand(&_slicesCommand);
}

} // namespace ui
NS_CC_END
