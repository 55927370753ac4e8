#ifndef __SPRITE_NODE_CCSPRITE_H__
#define __SPRITE_NODE_CCSPRITE_H__

#include <string>

#include "2d/CCNode.h"
#include "base/CCProtocols.h"
#include "renderer/CCQuadCommand.h"

NS_CC_BEGIN

class SpriteFrame;
class Texture2D;

#define CC_2x2_WHITE_IMAGE_KEY "/cc_2x2_white_image"

/** A textured quad: a rectangle of a texture (or a sprite frame), flipped
 *  as asked, tinted by the node's colour and opacity, drawn with a blend
 *  function and program state. A sprite without texture shows a 2 x 2
 *  white texture. */
class CC_DLL Sprite : public Node, public TextureProtocol
{
public:
    static const int INDEX_NOT_INITIALIZED = -1;

    static Sprite* create();
    /** Null when the image cannot be loaded. */
    static Sprite* create(const std::string& filename);
    static Sprite* create(const std::string& filename, const Rect& rect);
    static Sprite* createWithTexture(Texture2D* texture);
    static Sprite* createWithTexture(Texture2D* texture, const Rect& rect, bool rotated = false);
    static Sprite* createWithSpriteFrame(SpriteFrame* spriteFrame);
    static Sprite* createWithSpriteFrameName(const std::string& spriteFrameName);

    virtual void setTexture(const std::string& filename);
    virtual void setTexture(Texture2D* texture) override;
    virtual Texture2D* getTexture() const override { return _texture; }

    // No default for cleanup here: a sprite's children go with an explicit
    // choice (removeChild(child) does not compile on a sprite).
    virtual void removeChild(Node* child, bool cleanup) override;

    virtual void setTextureRect(const Rect& rect);
    virtual void setTextureRect(const Rect& rect, bool rotated, const Size& untrimmedSize);
    virtual void setVertexRect(const Rect& rect);

    virtual void setSpriteFrame(const std::string& spriteFrameName);
    virtual void setSpriteFrame(SpriteFrame* newFrame);
    CC_DEPRECATED_ATTRIBUTE virtual void setDisplayFrame(SpriteFrame* newFrame) { setSpriteFrame(newFrame); }
    virtual bool isFrameDisplayed(SpriteFrame* frame) const;
    virtual SpriteFrame* getSpriteFrame() const;
    CC_DEPRECATED_ATTRIBUTE virtual SpriteFrame* getDisplayFrame() const { return getSpriteFrame(); }
    virtual void setDisplayFrameWithAnimationName(const std::string& animationName, ssize_t frameIndex);

    virtual bool isDirty() const { return _dirty; }
    virtual void setDirty(bool dirty) { _dirty = dirty; }

    V3F_C4B_T2F_Quad getQuad() const { return _quad; }
    bool isTextureRectRotated() const { return _rectRotated; }
    ssize_t getAtlasIndex() const { return _atlasIndex; }
    void setAtlasIndex(ssize_t atlasIndex) { _atlasIndex = atlasIndex; }
    const Rect& getTextureRect() const { return _rect; }
    const Vec2& getOffsetPosition() const { return _offsetPosition; }

    bool isFlippedX() const { return _flippedX; }
    void setFlippedX(bool flippedX);
    bool isFlippedY() const { return _flippedY; }
    void setFlippedY(bool flippedY);
    CC_DEPRECATED_ATTRIBUTE bool isFlipX() { return isFlippedX(); }
    CC_DEPRECATED_ATTRIBUTE void setFlipX(bool flippedX) { setFlippedX(flippedX); }
    CC_DEPRECATED_ATTRIBUTE bool isFlipY() { return isFlippedY(); }
    CC_DEPRECATED_ATTRIBUTE void setFlipY(bool flippedY) { setFlippedY(flippedY); }

    virtual void setBlendFunc(const BlendFunc& blendFunc) override { _blendFunc = blendFunc; }
    virtual const BlendFunc& getBlendFunc() const override { return _blendFunc; }

    virtual std::string getDescription() const override;

    virtual void setOpacityModifyRGB(bool modify) override;
    virtual bool isOpacityModifyRGB() const override { return _opacityModifyRGB; }

    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    /** Whether the last culling test found the sprite inside the view. */

    Sprite();
    virtual ~Sprite();

    virtual bool init() override;
    virtual bool initWithTexture(Texture2D* texture);
    virtual bool initWithTexture(Texture2D* texture, const Rect& rect);
    virtual bool initWithTexture(Texture2D* texture, const Rect& rect, bool rotated);
    virtual bool initWithSpriteFrame(SpriteFrame* spriteFrame);
    virtual bool initWithSpriteFrameName(const std::string& spriteFrameName);
    virtual bool initWithFile(const std::string& filename);
    virtual bool initWithFile(const std::string& filename, const Rect& rect);

protected:
    virtual void updateColor() override;
    virtual void setTextureCoords(const Rect& rect);
    virtual void updateBlendFunc();
    // The texture a sprite shows when it has none.
    static Texture2D* whiteTexture();

    ssize_t _atlasIndex;
    bool _dirty;
    bool _recursiveDirty;
    bool _shouldBeHidden;
    BlendFunc _blendFunc;
    Texture2D* _texture;
    SpriteFrame* _spriteFrame;
    QuadCommand _quadCommand;
    Rect _rect;
    bool _rectRotated;
    Vec2 _offsetPosition;
    Vec2 _unflippedOffsetPositionFromCenter;
    V3F_C4B_T2F_Quad _quad;
    bool _insideBounds;
    bool _flippedX;
    bool _flippedY;
    bool _opacityModifyRGB;
    std::string _fileName;

private:
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;
};

NS_CC_END

#endif
