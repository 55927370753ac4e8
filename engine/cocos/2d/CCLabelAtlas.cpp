#include "2d/CCLabelAtlas.h"

#include <cstdio>

#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureAtlas.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

LabelAtlas* LabelAtlas::create()
{
    LabelAtlas* ret = new (std::nothrow) LabelAtlas();
    if (ret) ret->autorelease();
    return ret;
}

LabelAtlas* LabelAtlas::create(const std::string& string, const std::string& charMapFile, int itemWidth,
                               int itemHeight, int startCharMap)
{
    LabelAtlas* ret = new (std::nothrow) LabelAtlas();
    if (ret && ret->initWithString(string, charMapFile, itemWidth, itemHeight, startCharMap))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

LabelAtlas* LabelAtlas::create(const std::string& string, const std::string& fntFile)
{
    LabelAtlas* ret = new (std::nothrow) LabelAtlas();
    if (ret && ret->initWithString(string, fntFile))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

LabelAtlas* LabelAtlas::create(const std::string& string, Texture2D* texture, int itemWidth, int itemHeight,
                               int startCharMap)
{
    LabelAtlas* ret = new (std::nothrow) LabelAtlas();
    if (ret && ret->initWithString(string, texture, itemWidth, itemHeight, startCharMap))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool LabelAtlas::initWithString(const std::string& string, const std::string& charMapFile, int itemWidth,
                                int itemHeight, int startCharMap)
{
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(charMapFile);
    return initWithString(string, texture, itemWidth, itemHeight, startCharMap);
}

bool LabelAtlas::initWithString(const std::string& theString, Texture2D* texture, int itemWidth, int itemHeight,
                                int startCharMap)
{
    if (!initWithTexture(texture, itemWidth, itemHeight, static_cast<int>(theString.size()))) return false;
    _mapStartChar = startCharMap;
    setString(theString);
    return true;
}

bool LabelAtlas::initWithString(const std::string& theString, const std::string& fntFile)
{
    FileUtils* fu = FileUtils::getInstance();
    std::string path = fu->fullPathForFilename(fntFile);
    if (path.empty()) return false;
    ValueMap dict = fu->getValueMapFromFile(path);
    if (dict["version"].asInt() != 1) return false;
    std::string dir = path.substr(0, path.find_last_of('/') + 1);
    std::string textureFilename = dir + dict["textureFilename"].asString();
    float scale = Director::getInstance()->getContentScaleFactor();
    if (!(scale > 0)) scale = 1;
    int width = static_cast<int>(static_cast<float>(dict["itemWidth"].asInt()) / scale);
    int height = static_cast<int>(static_cast<float>(dict["itemHeight"].asInt()) / scale);
    int startChar = dict["firstChar"].asInt();
    return initWithString(theString, textureFilename, width, height, startChar);
}

void LabelAtlas::updateAtlasValues()
{
    if (!_textureAtlas || !_textureAtlas->getTexture()) return;
    ssize_t n = static_cast<ssize_t>(_string.size());
    Texture2D* texture = _textureAtlas->getTexture();
    float textureWide = static_cast<float>(texture->getPixelsWide());
    float textureHigh = static_cast<float>(texture->getPixelsHigh());
    float scale = _ignoreContentScaleFactor ? 1.0f : Director::getInstance()->getContentScaleFactor();
    if (!(scale > 0)) scale = 1;
    float itemWidthInPixels = static_cast<float>(_itemWidth) * scale;
    float itemHeightInPixels = static_cast<float>(_itemHeight) * scale;

    Color4B color4(_displayedColor.r, _displayedColor.g, _displayedColor.b, _displayedOpacity);
    if (_isOpacityModifyRGB)
    {
        color4.r = static_cast<GLubyte>(color4.r * _displayedOpacity / 255);
        color4.g = static_cast<GLubyte>(color4.g * _displayedOpacity / 255);
        color4.b = static_cast<GLubyte>(color4.b * _displayedOpacity / 255);
    }
    for (ssize_t i = 0; i < n; ++i)
    {
        unsigned char a = static_cast<unsigned char>(static_cast<unsigned char>(_string[static_cast<size_t>(i)]) - _mapStartChar);
        float row = static_cast<float>(a % _itemsPerRow);
        float col = static_cast<float>(a / _itemsPerRow);
        float left = row * itemWidthInPixels / textureWide;
        float right = left + itemWidthInPixels / textureWide;
        float top = col * itemHeightInPixels / textureHigh;
        float bottom = top + itemHeightInPixels / textureHigh;

        V3F_C4B_T2F_Quad quad;
        quad.tl.texCoords = Tex2F(left, top);
        quad.tr.texCoords = Tex2F(right, top);
        quad.bl.texCoords = Tex2F(left, bottom);
        quad.br.texCoords = Tex2F(right, bottom);
        float x = static_cast<float>(i * _itemWidth);
        quad.bl.vertices.set(x, 0, 0);
        quad.br.vertices.set(x + _itemWidth, 0, 0);
        quad.tl.vertices.set(x, static_cast<float>(_itemHeight), 0);
        quad.tr.vertices.set(x + _itemWidth, static_cast<float>(_itemHeight), 0);
        quad.bl.colors = quad.br.colors = quad.tl.colors = quad.tr.colors = color4;
        _textureAtlas->updateQuad(&quad, i);
    }
}

void LabelAtlas::setString(const std::string& label)
{
    ssize_t len = static_cast<ssize_t>(label.size());
    _string = label;
    if (_textureAtlas)
    {
        if (len > _textureAtlas->getCapacity()) _textureAtlas->resizeCapacity(len);
        _textureAtlas->removeAllQuads();
        updateAtlasValues();
    }
    setContentSize(Size(static_cast<float>(len * _itemWidth), static_cast<float>(_itemHeight)));
    _quadsToDraw = len;
}

std::string LabelAtlas::getDescription() const
{
    char buf[512];
    std::snprintf(buf, sizeof(buf), "<LabelAtlas | Tag = %d, Label = '%s'>", _tag, _string.c_str());
    return buf;
}

NS_CC_END
