#ifndef __CCCONTROL_H__
#define __CCCONTROL_H__

#include <unordered_map>

#include "2d/CCLayer.h"
#include "base/CCVector.h"
#include "extensions/ExtensionMacros.h"

NS_CC_BEGIN
class Touch;
class Event;
NS_CC_END

NS_CC_EXT_BEGIN

class Invocation;

/** Number of kinds of control event. */
#define kControlEventTotalNumber 9

/** Base of the controls: enabled, selected and highlighted states, and
 *  target-action pairs per control event, called in the order they were
 *  added when the event is sent. */
class CC_EX_DLL Control : public Layer
{
public:
    enum class EventType
    {
        TOUCH_DOWN = 1 << 0,
        DRAG_INSIDE = 1 << 1,
        DRAG_OUTSIDE = 1 << 2,
        DRAG_ENTER = 1 << 3,
        DRAG_EXIT = 1 << 4,
        TOUCH_UP_INSIDE = 1 << 5,
        TOUCH_UP_OUTSIDE = 1 << 6,
        TOUCH_CANCEL = 1 << 7,
        VALUE_CHANGED = 1 << 8
    };

    typedef void (Ref::*Handler)(Ref*, EventType);

    enum class State
    {
        NORMAL = 1 << 0,
        HIGH_LIGHTED = 1 << 1,
        DISABLED = 1 << 2,
        SELECTED = 1 << 3
    };

    static Control* create();

    virtual void setEnabled(bool bEnabled);
    virtual bool isEnabled() const { return _enabled; }
    virtual void setSelected(bool bSelected);
    virtual bool isSelected() const { return _selected; }
    virtual void setHighlighted(bool bHighlighted);
    virtual bool isHighlighted() const { return _highlighted; }
    bool hasVisibleParents() const;
    virtual void needsLayout() {}

    /** Calls the actions registered for each event set in controlEvents. */
    virtual void sendActionsForControlEvents(EventType controlEvents);
    virtual void addTargetWithActionForControlEvents(Ref* target, Handler action, EventType controlEvents);
    virtual void removeTargetWithActionForControlEvent(Ref* target, Handler action, EventType controlEvents);

    virtual Vec2 getTouchLocation(Touch* touch);

    virtual bool onTouchBegan(Touch* /*touch*/, Event* /*event*/) override { return false; }
    virtual void onTouchMoved(Touch* /*touch*/, Event* /*event*/) override {}
    virtual void onTouchEnded(Touch* /*touch*/, Event* /*event*/) override {}
    virtual void onTouchCancelled(Touch* /*touch*/, Event* /*event*/) override {}

    virtual bool isTouchInside(Touch* touch);

    virtual void setOpacityModifyRGB(bool bOpacityModifyRGB) override;
    virtual bool isOpacityModifyRGB() const override { return _isOpacityModifyRGB; }

    virtual State getState() const { return _state; }

    Control();
    virtual bool init() override;
    virtual ~Control();

protected:
    Vector<Invocation*>& dispatchListforControlEvent(EventType controlEvent);
    void addTargetWithActionForControlEvent(Ref* target, Handler action, EventType controlEvent);

    bool _enabled;
    bool _selected;
    bool _highlighted;
    bool _hasVisibleParents;
    std::unordered_map<int, Vector<Invocation*>*> _dispatchTable;
    bool _isOpacityModifyRGB;
    State _state;

private:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
};

CC_EX_DLL Control::EventType operator|(Control::EventType a, Control::EventType b);

NS_CC_EXT_END

#endif
