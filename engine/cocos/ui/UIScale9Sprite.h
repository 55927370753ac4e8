#ifndef __cocos2d_libs__UIScale9Sprite__
#define __cocos2d_libs__UIScale9Sprite__

#include <vector>

#include "2d/CCSprite.h"
#include "ui/GUIExport.h"

NS_CC_BEGIN
namespace ui {

/** A sprite drawn as nine slices: the cap insets mark the centre rectangle
 *  of the image (in points, from the top left of the sprite's rectangle);
 *  the four corners keep their size, the edges stretch along one axis and
 *  the centre along both when the content size changes. Zero insets mean
 *  the centre third (and getCapInsets says so). A content size smaller than
 *  the two caps shrinks the caps in proportion. */
class CC_GUI_DLL Scale9Sprite : public Sprite
{
public:
    enum class State
    {
        NORMAL,
        GRAY
    };

    enum class RenderingType
    {
        SIMPLE,
        SLICE
    };

    Scale9Sprite();
    virtual ~Scale9Sprite();

    static Scale9Sprite* create();
    static Scale9Sprite* create(const std::string& file, const Rect& rect, const Rect& capInsets);
    static Scale9Sprite* create(const Rect& capInsets, const std::string& file);
    static Scale9Sprite* create(const std::string& file, const Rect& rect);
    static Scale9Sprite* create(const std::string& file);
    static Scale9Sprite* createWithSpriteFrame(SpriteFrame* spriteFrame);
    static Scale9Sprite* createWithSpriteFrame(SpriteFrame* spriteFrame, const Rect& capInsets);
    static Scale9Sprite* createWithSpriteFrameName(const std::string& spriteFrameName);
    static Scale9Sprite* createWithSpriteFrameName(const std::string& spriteFrameName, const Rect& capInsets);

    virtual bool initWithFile(const std::string& file, const Rect& rect, const Rect& capInsets);
    virtual bool initWithFile(const std::string& file, const Rect& rect) override;
    virtual bool initWithFile(const Rect& capInsets, const std::string& file);
    virtual bool initWithFile(const std::string& file) override;
    virtual bool initWithSpriteFrame(SpriteFrame* spriteFrame, const Rect& capInsets);
    virtual bool initWithSpriteFrame(SpriteFrame* spriteFrame) override;
    virtual bool initWithSpriteFrameName(const std::string& spriteFrameName, const Rect& capInsets);
    virtual bool initWithSpriteFrameName(const std::string& spriteFrameName) override;
    virtual bool init() override;
    virtual bool init(Sprite* sprite, const Rect& rect, bool rotated, const Rect& capInsets);
    virtual bool init(Sprite* sprite, const Rect& rect, const Rect& capInsets);

    Scale9Sprite* resizableSpriteWithCapInsets(const Rect& capInsets) const;
    virtual bool updateWithSprite(Sprite* sprite, const Rect& rect, bool rotated, const Rect& capInsets);

    virtual void setSpriteFrame(SpriteFrame* spriteFrame, const Rect& capInsets);
    using Sprite::setSpriteFrame;

    virtual void setState(State state);
    State getState() const { return _brightState; }

    /** The size of the image (the sprite's rectangle) before stretching. */
    Size getOriginalSize() const { return _originalSize; }
    void setPreferredSize(const Size& size) { setContentSize(size); }
    Size getPreferredSize() const { return getContentSize(); }

    void setInsetLeft(float leftInset);
    float getInsetLeft() const { return _insetLeft; }
    void setInsetTop(float topInset);
    float getInsetTop() const { return _insetTop; }
    void setInsetRight(float rightInset);
    float getInsetRight() const { return _insetRight; }
    void setInsetBottom(float bottomInset);
    float getInsetBottom() const { return _insetBottom; }

    void setScale9Enabled(bool enabled);
    bool isScale9Enabled() const { return _scale9Enabled; }

    Sprite* getSprite() { return this; }
    void copyTo(Scale9Sprite* copy) const;

    void setRenderingType(RenderingType type);
    RenderingType getRenderingType() const { return _renderingType; }

    void setCapInsets(const Rect& insets);
    Rect getCapInsets() const { return _capInsets; }

    void resetRender() { updateSlices(); }

    virtual void setContentSize(const Size& size) override;
    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    /** The quads drawn while slicing: rows bottom to top, columns left to
     *  right (empty when not sliced). */
    const std::vector<V3F_C4B_T2F_Quad>& getSliceQuads() const { return _slices; }

protected:
    virtual void updateColor() override;
    void updateSlices();
    // Keeps insets as given, the centre third for none; sets the four edges.
    void storeCapInsets(const Rect& insets);
    // The stored insets cut to the image, for slicing.
    Rect effectiveInsets() const;

    bool _scale9Enabled;
    RenderingType _renderingType;
    State _brightState;
    Size _originalSize;
    Rect _capInsets;
    float _insetLeft;
    float _insetTop;
    float _insetRight;
    float _insetBottom;
    std::vector<V3F_C4B_T2F_Quad> _slices;
    QuadCommand _slicesCommand;
};

} // namespace ui
NS_CC_END

#endif
