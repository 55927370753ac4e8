#ifndef __CCSCROLLVIEW_H__
#define __CCSCROLLVIEW_H__

#include <vector>

#include "2d/CCLayer.h"
#include "base/CCEventListenerTouch.h"
#include "renderer/CCCustomCommand.h"
#include "extensions/ExtensionMacros.h"

NS_CC_EXT_BEGIN

class ScrollView;

class CC_EX_DLL ScrollViewDelegate
{
public:
    virtual ~ScrollViewDelegate() {}
    virtual void scrollViewDidScroll(ScrollView* /*view*/) {}
    /** The content stopped moving: an animated offset arrived or a flick
     *  finished decelerating. */
    virtual void scrollViewEndedScroll(ScrollView* /*view*/) {}
    virtual void scrollViewDidZoom(ScrollView* /*view*/) {}
};

/** A window of viewSize onto a larger container that the user drags. The
 *  content offset is the container's position (0 at the bottom left, going
 *  negative as the content moves left or down). A drag starts once the
 *  finger has moved 7/160 inch; past the edges the content follows it at
 *  0.35 of its move. A flick keeps the content moving and slows it down;
 *  content dragged past its edges (with bounce) springs back. Children added
 *  to the view go into the container as they are (anchor point included);
 *  removeAllChildren empties the container and takes it out of the view. */
class CC_EX_DLL ScrollView : public Layer
{
public:
    enum class Direction
    {
        NONE = -1,
        HORIZONTAL = 0,
        VERTICAL,
        BOTH
    };

    static ScrollView* create(Size size, Node* container = NULL);
    static ScrollView* create();

    ScrollView();
    virtual ~ScrollView();

    bool init() override;
    bool initWithViewSize(Size size, Node* container = NULL);

    void setContentOffset(Vec2 offset, bool animated = false);
    Vec2 getContentOffset();
    /** Moves the content to the offset in dt seconds. */
    void setContentOffsetInDuration(Vec2 offset, float dt);
    void stopAnimatedContentOffset();

    void setZoomScale(float s);
    void setZoomScale(float s, bool animated);
    float getZoomScale();
    void setZoomScaleInDuration(float s, float dt);
    void setMinScale(float minScale) { _minScale = minScale; }
    void setMaxScale(float maxScale) { _maxScale = maxScale; }

    Vec2 minContainerOffset();
    Vec2 maxContainerOffset();

    bool isNodeVisible(Node* node);

    void pause(Ref* sender);
    void resume(Ref* sender);

    void setTouchEnabled(bool enabled);
    bool isTouchEnabled() const { return _touchListener != nullptr; }
    void setSwallowTouches(bool needSwallow);

    bool isDragging() const { return _dragging; }
    bool isTouchMoved() const { return _touchMoved; }
    bool isBounceable() const { return _bounceable; }
    void setBounceable(bool bBounceable) { _bounceable = bBounceable; }

    Size getViewSize() const { return _viewSize; }
    void setViewSize(Size size);

    Node* getContainer() { return _container; }
    void setContainer(Node* pContainer);

    Direction getDirection() const { return _direction; }
    virtual void setDirection(Direction eDirection) { _direction = eDirection; }

    ScrollViewDelegate* getDelegate() { return _delegate; }
    void setDelegate(ScrollViewDelegate* pDelegate) { _delegate = pDelegate; }

    void updateInset();

    bool isClippingToBounds() { return _clippingToBounds; }
    void setClippingToBounds(bool bClippingToBounds) { _clippingToBounds = bClippingToBounds; }

    virtual bool onTouchBegan(Touch* touch, Event* event) override;
    virtual void onTouchMoved(Touch* touch, Event* event) override;
    virtual void onTouchEnded(Touch* touch, Event* event) override;
    virtual void onTouchCancelled(Touch* touch, Event* event) override;

    /** The container's size. */
    virtual void setContentSize(const Size& size) override;
    virtual const Size& getContentSize() const override;

    using Node::addChild;
    virtual void addChild(Node* child, int zOrder, int tag) override;
    virtual void addChild(Node* child, int zOrder, const std::string& name) override;
    virtual void removeAllChildren() override;
    virtual void removeAllChildrenWithCleanup(bool cleanup) override;
    virtual void removeChild(Node* child, bool cleanup = true) override;

    bool hasVisibleParents() const;

    /** Draws the container cut to the view's rectangle while clipping to
     *  bounds (the scissor box, within the box of a scroll view around it). */
    virtual void visit(Renderer* renderer, const Mat4& parentTransform, uint32_t parentFlags) override;

protected:
    void beforeDraw();
    void onBeforeDraw();
    void afterDraw();
    void onAfterDraw();

    // Takes a reference to the container, giving up the one it had.
    void holdContainer(Node* container);
    void relocateContainer(bool animated);
    void deaccelerateScrolling(float dt);
    void performedAnimatedScroll(float dt);
    void stoppedAnimatedScroll(Node* node);
    void handleZoom();
    Rect getViewRect();
    // Points to inches on the screen: through the view's scale to pixels,
    // then the screen's dots per inch.
    float convertDistanceFromPointToInch(float pointDis);

    float _zoomScale;
    float _minZoomScale;
    float _maxZoomScale;
    ScrollViewDelegate* _delegate;
    Direction _direction;
    bool _dragging;
    Vec2 _contentOffset;
    Node* _container;
    bool _touchMoved;
    Vec2 _maxInset;
    Vec2 _minInset;
    bool _bounceable;
    bool _clippingToBounds;
    Vec2 _scrollDistance;
    Vec2 _touchPoint;
    float _touchLength;
    std::vector<Touch*> _touches;
    Size _viewSize;
    float _minScale, _maxScale;
    EventListenerTouchOneByOne* _touchListener;

    // the animated content offset: from, to, elapsed and length
    bool _animating;
    Vec2 _animationFrom;
    Vec2 _animationTo;
    float _animationElapsed;
    float _animationDuration;

    CustomCommand _beforeDrawCommand;
    CustomCommand _afterDrawCommand;
    // a scroll view around this one had the scissor on: its box comes back after
    bool _scissorRestored;
    Rect _parentScissorRect;
};

NS_CC_EXT_END

#endif
