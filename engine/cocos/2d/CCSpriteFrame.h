#ifndef __SPRITE_CCSPRITE_FRAME_H__
#define __SPRITE_CCSPRITE_FRAME_H__

#include <cmath>
#include <string>

#include "base/CCRef.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

class Texture2D;

/** A rectangle of a texture shown by a sprite: the rectangle (in points and
 *  in pixels), whether it is stored rotated, the offset of a trimmed frame
 *  and the size before trimming. A frame made from a file name loads its
 *  texture through the texture cache when first asked for it. */
class CC_DLL SpriteFrame : public Ref, public Clonable
{
public:
    static SpriteFrame* create(const std::string& filename, const Rect& rect);
    static SpriteFrame* create(const std::string& filename, const Rect& rect, bool rotated, const Vec2& offset,
                               const Size& originalSize);
    static SpriteFrame* createWithTexture(Texture2D* pobTexture, const Rect& rect);
    static SpriteFrame* createWithTexture(Texture2D* pobTexture, const Rect& rect, bool rotated, const Vec2& offset,
                                          const Size& originalSize);

    const Rect& getRectInPixels() const { return _rectInPixels; }
    void setRectInPixels(const Rect& rectInPixels);

    bool isRotated() const { return _rotated; }
    void setRotated(bool rotated) { _rotated = rotated; }

    const Rect& getRect() const { return _rect; }
    void setRect(const Rect& rect);

    const Rect& getCenterRect() const { return _centerRect; }
    void setCenterRectInPixels(const Rect& centerRect);
    bool hasCenterRect() const;

    const Vec2& getOffsetInPixels() const { return _offsetInPixels; }
    void setOffsetInPixels(const Vec2& offsetInPixels);

    const Size& getOriginalSizeInPixels() const { return _originalSizeInPixels; }
    void setOriginalSizeInPixels(const Size& sizeInPixels) { _originalSizeInPixels = sizeInPixels; }

    const Size& getOriginalSize() const { return _originalSize; }
    void setOriginalSize(const Size& sizeInPixels) { _originalSize = sizeInPixels; }

    Texture2D* getTexture();
    void setTexture(Texture2D* pobTexture);

    const Vec2& getOffset() const { return _offset; }
    void setOffset(const Vec2& offsets);

    const Vec2& getAnchorPoint() const { return _anchorPoint; }
    void setAnchorPoint(const Vec2& anchorPoint) { _anchorPoint = anchorPoint; }
    bool hasAnchorPoint() const { return !std::isnan(_anchorPoint.x); }

    virtual SpriteFrame* clone() const override;

    const std::string& getTextureFilename() const { return _textureFilename; }

    SpriteFrame();
    virtual ~SpriteFrame();

    bool initWithTexture(Texture2D* pobTexture, const Rect& rect);
    bool initWithTextureFilename(const std::string& filename, const Rect& rect);
    bool initWithTexture(Texture2D* pobTexture, const Rect& rect, bool rotated, const Vec2& offset,
                         const Size& originalSize);
    bool initWithTextureFilename(const std::string& filename, const Rect& rect, bool rotated, const Vec2& offset,
                                 const Size& originalSize);

protected:
    Vec2 _offset;
    Vec2 _anchorPoint;
    Size _originalSize;
    Rect _rectInPixels;
    bool _rotated;
    Rect _rect;
    Rect _centerRect;
    Vec2 _offsetInPixels;
    Size _originalSizeInPixels;
    Texture2D* _texture;
    std::string _textureFilename;
};

NS_CC_END

#endif
