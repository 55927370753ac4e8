#include "renderer/CCTextureAtlas.h"

#include <cstring>

#include "base/CCDirector.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

TextureAtlas* TextureAtlas::create(const std::string& file, ssize_t capacity)
{
    TextureAtlas* atlas = new (std::nothrow) TextureAtlas();
    if (atlas && atlas->initWithFile(file, capacity))
    {
        atlas->autorelease();
        return atlas;
    }
    delete atlas;
    return nullptr;
}

TextureAtlas* TextureAtlas::createWithTexture(Texture2D* texture, ssize_t capacity)
{
    TextureAtlas* atlas = new (std::nothrow) TextureAtlas();
    if (atlas && atlas->initWithTexture(texture, capacity))
    {
        atlas->autorelease();
        return atlas;
    }
    delete atlas;
    return nullptr;
}

TextureAtlas::TextureAtlas() : _capacity(0), _texture(nullptr), _dirty(false) {}

TextureAtlas::~TextureAtlas()
{
    CC_SAFE_RELEASE(_texture);
}

bool TextureAtlas::initWithFile(const std::string& file, ssize_t capacity)
{
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(file);
    return texture && initWithTexture(texture, capacity);
}

bool TextureAtlas::initWithTexture(Texture2D* texture, ssize_t capacity)
{
    if (!texture || capacity < 0) return false;
    setTexture(texture);
    _capacity = capacity;
    _quads.clear();
    _quads.reserve(static_cast<size_t>(capacity));
    _dirty = true;
    return true;
}

void TextureAtlas::setTexture(Texture2D* texture)
{
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(_texture);
    _texture = texture;
}

bool TextureAtlas::updateQuad(V3F_C4B_T2F_Quad* quad, ssize_t index)
{
    if (!quad || index < 0 || index >= _capacity) return false;
    if (index >= getTotalQuads())
    {
        _quads.resize(static_cast<size_t>(index) + 1, V3F_C4B_T2F_Quad());
    }
    _quads[static_cast<size_t>(index)] = *quad;
    _dirty = true;
    return true;
}

void TextureAtlas::insertQuad(V3F_C4B_T2F_Quad* quad, ssize_t index)
{
    if (!quad || index < 0 || index > getTotalQuads()) return;
    if (getTotalQuads() >= _capacity) resizeCapacity(_capacity + 1);
    _quads.insert(_quads.begin() + index, *quad);
    _dirty = true;
}

void TextureAtlas::removeQuadAtIndex(ssize_t index)
{
    if (index < 0 || index >= getTotalQuads()) return;
    _quads.erase(_quads.begin() + index);
    _dirty = true;
}

void TextureAtlas::removeAllQuads()
{
    _quads.clear();
}

bool TextureAtlas::resizeCapacity(ssize_t capacity)
{
    if (capacity < 0) return false;
    _capacity = capacity;
    if (getTotalQuads() > capacity) _quads.resize(static_cast<size_t>(capacity));
    _dirty = true;
    return true;
}

NS_CC_END
