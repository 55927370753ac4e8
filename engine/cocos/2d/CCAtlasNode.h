#ifndef __CCATLAS_NODE_H__
#define __CCATLAS_NODE_H__

#include "2d/CCNode.h"
#include "base/CCProtocols.h"
#include "base/ccTypes.h"
#include "renderer/CCQuadCommand.h"

NS_CC_BEGIN

class TextureAtlas;

/** A node drawing quads of a texture laid out as a grid of equal tiles
 *  (item width x item height, counted in pixels). */
class CC_DLL AtlasNode : public Node, public TextureProtocol
{
public:
    static AtlasNode* create(const std::string& filename, int tileWidth, int tileHeight, int itemsToRender);

    virtual void updateAtlasValues();

    void setTextureAtlas(TextureAtlas* textureAtlas);
    TextureAtlas* getTextureAtlas() const { return _textureAtlas; }
    void setQuadsToDraw(ssize_t quadsToDraw) { _quadsToDraw = quadsToDraw; }
    ssize_t getQuadsToDraw() const { return _quadsToDraw; }

    virtual Texture2D* getTexture() const override;
    virtual void setTexture(Texture2D* texture) override;
    virtual bool isOpacityModifyRGB() const override { return _isOpacityModifyRGB; }
    virtual void setOpacityModifyRGB(bool isOpacityModifyRGB) override;
    virtual const Color3B& getColor() const override;
    virtual void setColor(const Color3B& color) override;
    virtual void setOpacity(GLubyte opacity) override;
    virtual void setBlendFunc(const BlendFunc& blendFunc) override { _blendFunc = blendFunc; }
    virtual const BlendFunc& getBlendFunc() const override { return _blendFunc; }
    void setIgnoreContentScaleFactor(bool bIgnoreContentScaleFactor) { _ignoreContentScaleFactor = bIgnoreContentScaleFactor; }

    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    AtlasNode();
    virtual ~AtlasNode();

    /** False when the file cannot be loaded or a tile size is not positive. */
    bool initWithTileFile(const std::string& tile, int tileWidth, int tileHeight, int itemsToRender);
    bool initWithTexture(Texture2D* texture, int tileWidth, int tileHeight, int itemsToRender);

protected:
    void calculateMaxItems();
    void updateBlendFunc();
    void updateOpacityModifyRGB();
    // Writes the tint of the node into every quad.
    void updateQuadColors();

    int _itemsPerRow;
    int _itemsPerColumn;
    int _itemWidth;
    int _itemHeight;
    Color3B _colorUnmodified;
    TextureAtlas* _textureAtlas;
    bool _isOpacityModifyRGB;
    BlendFunc _blendFunc;
    ssize_t _quadsToDraw;
    bool _ignoreContentScaleFactor;
    QuadCommand _quadCommand;

private:
    AtlasNode(const AtlasNode&) = delete;
    AtlasNode& operator=(const AtlasNode&) = delete;
};

NS_CC_END

#endif
