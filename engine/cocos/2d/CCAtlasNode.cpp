#include "2d/CCAtlasNode.h"

#include <algorithm>

#include "base/CCDirector.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureAtlas.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

AtlasNode* AtlasNode::create(const std::string& tile, int tileWidth, int tileHeight, int itemsToRender)
{
    AtlasNode* ret = new (std::nothrow) AtlasNode();
    if (ret && ret->initWithTileFile(tile, tileWidth, tileHeight, itemsToRender))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

AtlasNode::AtlasNode()
    : _itemsPerRow(0),
      _itemsPerColumn(0),
      _itemWidth(0),
      _itemHeight(0),
      _colorUnmodified(Color3B::WHITE),
      _textureAtlas(nullptr),
      _isOpacityModifyRGB(false),
      _blendFunc(BlendFunc::ALPHA_PREMULTIPLIED),
      _quadsToDraw(0),
      _ignoreContentScaleFactor(false)
{
}

AtlasNode::~AtlasNode()
{
    CC_SAFE_RELEASE(_textureAtlas);
}

bool AtlasNode::initWithTileFile(const std::string& tile, int tileWidth, int tileHeight, int itemsToRender)
{
    if (tile.empty()) return false;
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(tile);
    return initWithTexture(texture, tileWidth, tileHeight, itemsToRender);
}

bool AtlasNode::initWithTexture(Texture2D* texture, int tileWidth, int tileHeight, int itemsToRender)
{
    // a tile of no size would make the grid arithmetic divide by zero
    if (!texture || tileWidth <= 0 || tileHeight <= 0 || itemsToRender < 0) return false;
    if (!Node::init()) return false;
    _itemWidth = tileWidth;
    _itemHeight = tileHeight;
    _colorUnmodified = Color3B::WHITE;
    _isOpacityModifyRGB = true;
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;

    TextureAtlas* atlas = new (std::nothrow) TextureAtlas();
    if (!atlas || !atlas->initWithTexture(texture, itemsToRender))
    {
        CC_SAFE_RELEASE(atlas);
        return false;
    }
    CC_SAFE_RELEASE(_textureAtlas);
    _textureAtlas = atlas;

    updateBlendFunc();
    updateOpacityModifyRGB();
    calculateMaxItems();
    _quadsToDraw = itemsToRender;
    setGLProgramState(GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR));
    return true;
}

void AtlasNode::calculateMaxItems()
{
    Size s = _textureAtlas->getTexture()->getContentSizeInPixels();
    if (_ignoreContentScaleFactor) s = _textureAtlas->getTexture()->getContentSize();
    _itemsPerColumn = std::max(1, static_cast<int>(s.height / static_cast<float>(_itemHeight)));
    _itemsPerRow = std::max(1, static_cast<int>(s.width / static_cast<float>(_itemWidth)));
}

void AtlasNode::updateAtlasValues() {}

void AtlasNode::updateQuadColors()
{
    if (!_textureAtlas) return;
    Color4B color4(_displayedColor.r, _displayedColor.g, _displayedColor.b, _displayedOpacity);
    if (_isOpacityModifyRGB)
    {
        color4.r = static_cast<GLubyte>(color4.r * _displayedOpacity / 255);
        color4.g = static_cast<GLubyte>(color4.g * _displayedOpacity / 255);
        color4.b = static_cast<GLubyte>(color4.b * _displayedOpacity / 255);
    }
    V3F_C4B_T2F_Quad* quads = _textureAtlas->getQuads();
    for (ssize_t i = 0; quads && i < _textureAtlas->getTotalQuads(); ++i)
        quads[i].bl.colors = quads[i].br.colors = quads[i].tl.colors = quads[i].tr.colors = color4;
}

const Color3B& AtlasNode::getColor() const
{
    if (_isOpacityModifyRGB) return _colorUnmodified;
    return Node::getColor();
}

void AtlasNode::setColor(const Color3B& color3)
{
    Color3B tmp = color3;
    _colorUnmodified = color3;
    if (_isOpacityModifyRGB)
    {
        tmp.r = static_cast<GLubyte>(tmp.r * _displayedOpacity / 255);
        tmp.g = static_cast<GLubyte>(tmp.g * _displayedOpacity / 255);
        tmp.b = static_cast<GLubyte>(tmp.b * _displayedOpacity / 255);
    }
    Node::setColor(tmp);
    updateQuadColors();
}

void AtlasNode::setOpacity(GLubyte opacity)
{
    Node::setOpacity(opacity);
    if (_isOpacityModifyRGB) setColor(_colorUnmodified);
    updateQuadColors();
}

void AtlasNode::setOpacityModifyRGB(bool value)
{
    Color3B oldColor = getColor();
    _isOpacityModifyRGB = value;
    setColor(oldColor);
}

void AtlasNode::updateBlendFunc()
{
    if (!_textureAtlas->getTexture()->hasPremultipliedAlpha())
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

void AtlasNode::updateOpacityModifyRGB()
{
    _isOpacityModifyRGB = _textureAtlas->getTexture()->hasPremultipliedAlpha();
}

Texture2D* AtlasNode::getTexture() const
{
    return _textureAtlas ? _textureAtlas->getTexture() : nullptr;
}

void AtlasNode::setTexture(Texture2D* texture)
{
    if (!_textureAtlas || !texture) return;
    _textureAtlas->setTexture(texture);
    updateBlendFunc();
    updateOpacityModifyRGB();
}

void AtlasNode::setTextureAtlas(TextureAtlas* textureAtlas)
{
    CC_SAFE_RETAIN(textureAtlas);
    CC_SAFE_RELEASE(_textureAtlas);
    _textureAtlas = textureAtlas;
}

void AtlasNode::draw(Renderer* renderer, const Mat4& transform, uint32_t flags)
{
    if (!renderer || !_textureAtlas || _quadsToDraw <= 0) return;
    ssize_t count = std::min(_quadsToDraw, _textureAtlas->getTotalQuads());
    if (count <= 0) return;
    _quadCommand.init(_globalZOrder, _textureAtlas->getTexture(), getGLProgramState(), _blendFunc,
                      _textureAtlas->getQuads(), count, transform, flags);
    renderer->addCommand(&_quadCommand);
}

NS_CC_END
