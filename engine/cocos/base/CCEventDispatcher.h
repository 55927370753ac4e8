#ifndef __CC_EVENT_DISPATCHER_H__
#define __CC_EVENT_DISPATCHER_H__

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>
#include "base/CCEvent.h"
#include "base/CCEventListener.h"
#include "base/CCRef.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class EventCustom;
class EventListenerCustom;
class EventTouch;
class Node;

// Delivers events to listeners in the engine's order: fixed priorities below
// 0 (lowest first), then the scene-graph listeners (front-most node first:
// higher global z-order, then the node drawn later; one node's listeners in
// the order added), then fixed priorities above 0. Listeners added or removed
// while an event is delivered take effect when the delivery is over.
class CC_DLL EventDispatcher : public Ref
{
public:
    void addEventListenerWithSceneGraphPriority(EventListener* listener, Node* node);
    void addEventListenerWithFixedPriority(EventListener* listener, int fixedPriority);
    EventListenerCustom* addCustomEventListener(const std::string& eventName,
                                                const std::function<void(EventCustom*)>& callback);

    void removeEventListener(EventListener* listener);
    void removeEventListenersForType(EventListener::Type listenerType);
    void removeEventListenersForTarget(Node* target, bool recursive = false);
    void removeCustomEventListeners(const std::string& customEventName);
    void removeAllEventListeners();

    void pauseEventListenersForTarget(Node* target, bool recursive = false);
    void resumeEventListenersForTarget(Node* target, bool recursive = false);

    void setPriority(EventListener* listener, int fixedPriority);
    void setEnabled(bool isEnabled) { _isEnabled = isEnabled; }
    bool isEnabled() const { return _isEnabled; }

    void dispatchEvent(Event* event);
    void dispatchCustomEvent(const std::string& eventName, void* optionalUserData = nullptr);

    bool hasEventListener(const EventListener::ListenerID& listenerID) const;

    // Kept for the engine's interface: the order is worked out on each dispatch.
    void setDirtyForNode(Node* node) { CC_UNUSED_PARAM(node); }

    EventDispatcher();
    ~EventDispatcher();

protected:
    typedef std::vector<EventListener*> ListenerList;

    void addEventListener(EventListener* listener);
    void forceAddEventListener(EventListener* listener);
    void dispatchTouchEvent(EventTouch* event);
    // Scene-graph listeners first sorted front to back, then fixed ones.
    void sortedListeners(const EventListener::ListenerID& listenerID, ListenerList* fixedBelow,
                         ListenerList* sceneGraph, ListenerList* fixedAbove);
    void visitTarget(Node* node, std::map<float, std::vector<Node*>>* byGlobalZ) const;
    void updateListeners();
    void releaseListener(EventListener* listener);
    static bool isLive(EventListener* listener);

    // Every registered listener of each listener id, in order of addition.
    std::unordered_map<EventListener::ListenerID, ListenerList> _listenerMap;
    std::unordered_map<Node*, ListenerList> _nodeListenersMap;
    ListenerList _toAddedListeners;
    ListenerList _toRemovedListeners;
    int _inDispatch;
    bool _isEnabled;
};

NS_CC_END

#endif
