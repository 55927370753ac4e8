#ifndef __cocos2d_libs__CCTouchEventListener__
#define __cocos2d_libs__CCTouchEventListener__

#include <vector>
#include "base/CCEventListener.h"
#include "base/CCTouch.h"

NS_CC_BEGIN

// Touches one at a time. Returning true from onTouchBegan claims the touch:
// its moves, end and cancel go to this listener only, and with swallowing on
// no listener after it sees the touch in any phase.
class CC_DLL EventListenerTouchOneByOne : public EventListener
{
public:
    static const std::string LISTENER_ID;

    static EventListenerTouchOneByOne* create();
    virtual ~EventListenerTouchOneByOne();

    void setSwallowTouches(bool needSwallow) { _needSwallow = needSwallow; }
    bool isSwallowTouches() { return _needSwallow; }

    virtual EventListenerTouchOneByOne* clone() override;
    virtual bool checkAvailable() override;

public:
    typedef std::function<bool(Touch*, Event*)> ccTouchBeganCallback;
    typedef std::function<void(Touch*, Event*)> ccTouchCallback;

    ccTouchBeganCallback onTouchBegan;
    ccTouchCallback onTouchMoved;
    ccTouchCallback onTouchEnded;
    ccTouchCallback onTouchCancelled;

    EventListenerTouchOneByOne();
    bool init();

private:
    std::vector<Touch*> _claimedTouches;
    bool _needSwallow;

    friend class EventDispatcher;
};

// All touches of a phase at once, after the one-by-one listeners.
class CC_DLL EventListenerTouchAllAtOnce : public EventListener
{
public:
    static const std::string LISTENER_ID;

    static EventListenerTouchAllAtOnce* create();
    virtual ~EventListenerTouchAllAtOnce();

    virtual EventListenerTouchAllAtOnce* clone() override;
    virtual bool checkAvailable() override;

public:
    typedef std::function<void(const std::vector<Touch*>&, Event*)> ccTouchesCallback;

    ccTouchesCallback onTouchesBegan;
    ccTouchesCallback onTouchesMoved;
    ccTouchesCallback onTouchesEnded;
    ccTouchesCallback onTouchesCancelled;

    EventListenerTouchAllAtOnce();
    bool init();

    friend class EventDispatcher;
};

NS_CC_END

#endif
