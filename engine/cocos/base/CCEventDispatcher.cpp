#include "base/CCEventDispatcher.h"

#include <algorithm>
#include "2d/CCNode.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCEventCustom.h"
#include "base/CCEventListenerCustom.h"
#include "base/CCEventListenerKeyboard.h"
#include "base/CCEventListenerMouse.h"
#include "base/CCEventListenerTouch.h"
#include "base/CCEventTouch.h"

NS_CC_BEGIN

static EventListener::ListenerID listenerIDForEvent(Event* event)
{
    switch (event->getType())
    {
    case Event::Type::KEYBOARD:
        return EventListenerKeyboard::LISTENER_ID;
    case Event::Type::MOUSE:
        return EventListenerMouse::LISTENER_ID;
    case Event::Type::CUSTOM:
        return static_cast<EventCustom*>(event)->getEventName();
    case Event::Type::ACCELERATION:
        return "__cc_acceleration";
    case Event::Type::FOCUS:
        return "__cc_focus_event";
    case Event::Type::GAME_CONTROLLER:
        return "__cc_controller";
    case Event::Type::TOUCH:
        break;
    }
    return EventListener::ListenerID();
}

static EventListener::ListenerID listenerIDForType(EventListener::Type type)
{
    switch (type)
    {
    case EventListener::Type::TOUCH_ONE_BY_ONE:
        return EventListenerTouchOneByOne::LISTENER_ID;
    case EventListener::Type::TOUCH_ALL_AT_ONCE:
        return EventListenerTouchAllAtOnce::LISTENER_ID;
    case EventListener::Type::MOUSE:
        return EventListenerMouse::LISTENER_ID;
    case EventListener::Type::KEYBOARD:
        return EventListenerKeyboard::LISTENER_ID;
    case EventListener::Type::ACCELERATION:
        return "__cc_acceleration";
    case EventListener::Type::FOCUS:
        return "__cc_focus_event";
    case EventListener::Type::GAME_CONTROLLER:
        return "__cc_controller";
    default:
        break;
    }
    return EventListener::ListenerID();
}

// Keeps the dispatch depth; changes made during a dispatch are applied when
// the outermost one ends.
class DispatchGuard
{
public:
    DispatchGuard(int& depth, const std::function<void()>& onOutermostEnd)
    : _depth(depth)
    , _onEnd(onOutermostEnd)
    {
        ++_depth;
    }
    ~DispatchGuard()
    {
        if (--_depth == 0)
            _onEnd();
    }

private:
    int& _depth;
    std::function<void()> _onEnd;
};

EventDispatcher::EventDispatcher()
: _inDispatch(0)
, _isEnabled(true)
{
}

EventDispatcher::~EventDispatcher()
{
    removeAllEventListeners();
}

bool EventDispatcher::isLive(EventListener* listener)
{
    return listener->isEnabled() && !listener->isPaused() && listener->isRegistered();
}

void EventDispatcher::addEventListener(EventListener* listener)
{
    listener->retain();
    if (_inDispatch == 0)
        forceAddEventListener(listener);
    else
        _toAddedListeners.push_back(listener);
}

void EventDispatcher::forceAddEventListener(EventListener* listener)
{
    _listenerMap[listener->getListenerID()].push_back(listener);
    if (listener->getFixedPriority() == 0)
    {
        Node* node = listener->getAssociatedNode();
        _nodeListenersMap[node].push_back(listener);
        listener->setPaused(!node->isRunning());
    }
}

void EventDispatcher::addEventListenerWithSceneGraphPriority(EventListener* listener, Node* node)
{
    if (listener == nullptr || node == nullptr || listener->isRegistered() || !listener->checkAvailable())
        return;
    listener->setAssociatedNode(node);
    listener->setFixedPriority(0);
    listener->setRegistered(true);
    listener->setPaused(true);
    addEventListener(listener);
}

void EventDispatcher::addEventListenerWithFixedPriority(EventListener* listener, int fixedPriority)
{
    // Priority 0 belongs to the scene-graph listeners.
    if (listener == nullptr || fixedPriority == 0 || listener->isRegistered() || !listener->checkAvailable())
        return;
    listener->setAssociatedNode(nullptr);
    listener->setFixedPriority(fixedPriority);
    listener->setRegistered(true);
    listener->setPaused(false);
    addEventListener(listener);
}

EventListenerCustom* EventDispatcher::addCustomEventListener(const std::string& eventName,
                                                             const std::function<void(EventCustom*)>& callback)
{
    EventListenerCustom* listener = EventListenerCustom::create(eventName, callback);
    addEventListenerWithFixedPriority(listener, 1);
    return listener;
}

void EventDispatcher::releaseListener(EventListener* listener)
{
    listener->release();
}

void EventDispatcher::removeEventListener(EventListener* listener)
{
    if (listener == nullptr)
        return;

    auto pending = std::find(_toAddedListeners.begin(), _toAddedListeners.end(), listener);
    if (pending != _toAddedListeners.end())
    {
        _toAddedListeners.erase(pending);
        listener->setRegistered(false);
        listener->setAssociatedNode(nullptr);
        releaseListener(listener);
        return;
    }

    auto mapIt = _listenerMap.find(listener->getListenerID());
    if (mapIt == _listenerMap.end())
        return;
    ListenerList& list = mapIt->second;
    auto it = std::find(list.begin(), list.end(), listener);
    if (it == list.end())
        return;
    if (std::find(_toRemovedListeners.begin(), _toRemovedListeners.end(), listener) != _toRemovedListeners.end())
        return;

    listener->setRegistered(false);
    if (Node* node = listener->getAssociatedNode())
    {
        auto nodeIt = _nodeListenersMap.find(node);
        if (nodeIt != _nodeListenersMap.end())
        {
            auto& nodeList = nodeIt->second;
            nodeList.erase(std::remove(nodeList.begin(), nodeList.end(), listener), nodeList.end());
            if (nodeList.empty())
                _nodeListenersMap.erase(nodeIt);
        }
        listener->setAssociatedNode(nullptr);
    }

    if (_inDispatch == 0)
    {
        list.erase(it);
        if (list.empty())
            _listenerMap.erase(mapIt);
        releaseListener(listener);
    }
    else
    {
        _toRemovedListeners.push_back(listener);
    }
}

void EventDispatcher::updateListeners()
{
    ListenerList removed;
    removed.swap(_toRemovedListeners);
    for (EventListener* listener : removed)
    {
        auto mapIt = _listenerMap.find(listener->getListenerID());
        if (mapIt != _listenerMap.end())
        {
            auto& list = mapIt->second;
            list.erase(std::remove(list.begin(), list.end(), listener), list.end());
            if (list.empty())
                _listenerMap.erase(mapIt);
        }
        releaseListener(listener);
    }

    ListenerList added;
    added.swap(_toAddedListeners);
    for (EventListener* listener : added)
        forceAddEventListener(listener);
}

void EventDispatcher::removeEventListenersForTarget(Node* target, bool recursive)
{
    if (target == nullptr)
        return;
    auto nodeIt = _nodeListenersMap.find(target);
    if (nodeIt != _nodeListenersMap.end())
    {
        ListenerList copy = nodeIt->second;
        for (EventListener* listener : copy)
            removeEventListener(listener);
    }
    ListenerList pending;
    for (EventListener* listener : _toAddedListeners)
    {
        if (listener->getAssociatedNode() == target)
            pending.push_back(listener);
    }
    for (EventListener* listener : pending)
        removeEventListener(listener);

    if (recursive)
    {
        for (const auto& child : target->getChildren())
            removeEventListenersForTarget(child, true);
    }
}

void EventDispatcher::removeCustomEventListeners(const std::string& customEventName)
{
    ListenerList victims;
    auto mapIt = _listenerMap.find(customEventName);
    if (mapIt != _listenerMap.end())
        victims = mapIt->second;
    for (EventListener* listener : _toAddedListeners)
    {
        if (listener->getListenerID() == customEventName)
            victims.push_back(listener);
    }
    for (EventListener* listener : victims)
        removeEventListener(listener);
}

void EventDispatcher::removeEventListenersForType(EventListener::Type listenerType)
{
    EventListener::ListenerID id = listenerIDForType(listenerType);
    if (!id.empty())
        removeCustomEventListeners(id);
}

void EventDispatcher::removeAllEventListeners()
{
    std::vector<EventListener::ListenerID> ids;
    for (const auto& entry : _listenerMap)
        ids.push_back(entry.first);
    for (EventListener* listener : _toAddedListeners)
        ids.push_back(listener->getListenerID());
    for (const auto& id : ids)
        removeCustomEventListeners(id);
}

void EventDispatcher::pauseEventListenersForTarget(Node* target, bool recursive)
{
    auto nodeIt = _nodeListenersMap.find(target);
    if (nodeIt != _nodeListenersMap.end())
    {
        for (EventListener* listener : nodeIt->second)
            listener->setPaused(true);
    }
    for (EventListener* listener : _toAddedListeners)
    {
        if (listener->getAssociatedNode() == target)
            listener->setPaused(true);
    }
    if (recursive && target)
    {
        for (const auto& child : target->getChildren())
            pauseEventListenersForTarget(child, true);
    }
}

void EventDispatcher::resumeEventListenersForTarget(Node* target, bool recursive)
{
    auto nodeIt = _nodeListenersMap.find(target);
    if (nodeIt != _nodeListenersMap.end())
    {
        for (EventListener* listener : nodeIt->second)
            listener->setPaused(false);
    }
    for (EventListener* listener : _toAddedListeners)
    {
        if (listener->getAssociatedNode() == target)
            listener->setPaused(false);
    }
    if (recursive && target)
    {
        for (const auto& child : target->getChildren())
            resumeEventListenersForTarget(child, true);
    }
}

void EventDispatcher::setPriority(EventListener* listener, int fixedPriority)
{
    if (listener == nullptr || fixedPriority == 0 || listener->getAssociatedNode() != nullptr)
        return;
    listener->setFixedPriority(fixedPriority);
}

bool EventDispatcher::hasEventListener(const EventListener::ListenerID& listenerID) const
{
    auto it = _listenerMap.find(listenerID);
    return it != _listenerMap.end() && !it->second.empty();
}

void EventDispatcher::visitTarget(Node* node, std::map<float, std::vector<Node*>>* byGlobalZ) const
{
    // Walk in drawing order: children below zero, the node, the others.
    node->sortAllChildren();
    const auto& children = node->getChildren();
    ssize_t count = children.size();
    ssize_t i = 0;
    for (; i < count; ++i)
    {
        Node* child = children.at(i);
        if (child->getLocalZOrder() >= 0)
            break;
        visitTarget(child, byGlobalZ);
    }
    if (_nodeListenersMap.find(node) != _nodeListenersMap.end())
        (*byGlobalZ)[node->getGlobalZOrder()].push_back(node);
    for (; i < count; ++i)
        visitTarget(children.at(i), byGlobalZ);
}

void EventDispatcher::sortedListeners(const EventListener::ListenerID& listenerID, ListenerList* fixedBelow,
                                      ListenerList* sceneGraph, ListenerList* fixedAbove)
{
    auto mapIt = _listenerMap.find(listenerID);
    if (mapIt == _listenerMap.end())
        return;
    for (EventListener* listener : mapIt->second)
    {
        int priority = listener->getFixedPriority();
        if (priority == 0)
            sceneGraph->push_back(listener);
        else if (priority < 0)
            fixedBelow->push_back(listener);
        else
            fixedAbove->push_back(listener);
    }
    auto byFixedPriority = [](const EventListener* l1, const EventListener* l2) {
        return l1->getFixedPriority() < l2->getFixedPriority();
    };
    std::stable_sort(fixedBelow->begin(), fixedBelow->end(), byFixedPriority);
    std::stable_sort(fixedAbove->begin(), fixedAbove->end(), byFixedPriority);

    if (sceneGraph->empty())
        return;
    // Drawing order across the running scene: later drawn, higher number;
    // a higher global z-order outranks any drawing order.
    std::unordered_map<Node*, int> nodePriority;
    if (Scene* root = Director::getInstance()->getRunningScene())
    {
        std::map<float, std::vector<Node*>> byGlobalZ;
        visitTarget(root, &byGlobalZ);
        int index = 0;
        for (const auto& entry : byGlobalZ)
        {
            for (Node* node : entry.second)
                nodePriority[node] = ++index;
        }
    }
    auto priorityOf = [&nodePriority](const EventListener* l) {
        auto it = nodePriority.find(l->getAssociatedNode());
        return it == nodePriority.end() ? 0 : it->second;
    };
    std::stable_sort(sceneGraph->begin(), sceneGraph->end(), [&priorityOf](const EventListener* l1, const EventListener* l2) {
        return priorityOf(l1) > priorityOf(l2);
    });
}

void EventDispatcher::dispatchEvent(Event* event)
{
    if (!_isEnabled || event == nullptr)
        return;
    DispatchGuard guard(_inDispatch, [this]() { updateListeners(); });

    if (event->getType() == Event::Type::TOUCH)
    {
        dispatchTouchEvent(static_cast<EventTouch*>(event));
        return;
    }

    ListenerList below, scene, above;
    sortedListeners(listenerIDForEvent(event), &below, &scene, &above);
    for (const ListenerList* list : {&below, &scene, &above})
    {
        for (EventListener* listener : *list)
        {
            if (!isLive(listener))
                continue;
            event->setCurrentTarget(listener->getAssociatedNode());
            if (listener->_onEvent)
                listener->_onEvent(event);
            if (event->isStopped())
                return;
        }
    }
}

void EventDispatcher::dispatchCustomEvent(const std::string& eventName, void* optionalUserData)
{
    EventCustom ev(eventName);
    ev.setUserData(optionalUserData);
    dispatchEvent(&ev);
}

void EventDispatcher::dispatchTouchEvent(EventTouch* event)
{
    ListenerList oneByOne, allAtOnce;
    {
        ListenerList below, scene, above;
        sortedListeners(EventListenerTouchOneByOne::LISTENER_ID, &below, &scene, &above);
        oneByOne = below;
        oneByOne.insert(oneByOne.end(), scene.begin(), scene.end());
        oneByOne.insert(oneByOne.end(), above.begin(), above.end());
    }
    {
        ListenerList below, scene, above;
        sortedListeners(EventListenerTouchAllAtOnce::LISTENER_ID, &below, &scene, &above);
        allAtOnce = below;
        allAtOnce.insert(allAtOnce.end(), scene.begin(), scene.end());
        allAtOnce.insert(allAtOnce.end(), above.begin(), above.end());
    }
    if (oneByOne.empty() && allAtOnce.empty())
        return;

    const std::vector<Touch*> originalTouches = event->getTouches();
    std::vector<Touch*> mutableTouches = originalTouches;
    const EventTouch::EventCode code = event->getEventCode();

    for (Touch* touch : originalTouches)
    {
        for (EventListener* l : oneByOne)
        {
            if (!isLive(l))
                continue;
            auto listener = static_cast<EventListenerTouchOneByOne*>(l);
            event->setCurrentTarget(listener->getAssociatedNode());

            bool isClaimed = false;
            if (code == EventTouch::EventCode::BEGAN)
            {
                if (listener->onTouchBegan)
                {
                    isClaimed = listener->onTouchBegan(touch, event);
                    if (isClaimed && listener->isRegistered())
                        listener->_claimedTouches.push_back(touch);
                }
            }
            else
            {
                auto& claimed = listener->_claimedTouches;
                if (std::find(claimed.begin(), claimed.end(), touch) != claimed.end())
                {
                    isClaimed = true;
                    switch (code)
                    {
                    case EventTouch::EventCode::MOVED:
                        if (listener->onTouchMoved)
                            listener->onTouchMoved(touch, event);
                        break;
                    case EventTouch::EventCode::ENDED:
                        if (listener->onTouchEnded)
                            listener->onTouchEnded(touch, event);
                        break;
                    case EventTouch::EventCode::CANCELLED:
                        if (listener->onTouchCancelled)
                            listener->onTouchCancelled(touch, event);
                        break;
                    default:
                        break;
                    }
                    if (code == EventTouch::EventCode::ENDED || code == EventTouch::EventCode::CANCELLED)
                        claimed.erase(std::remove(claimed.begin(), claimed.end(), touch), claimed.end());
                }
            }

            if (event->isStopped())
                return;

            if (isClaimed && listener->isRegistered() && listener->isSwallowTouches())
            {
                mutableTouches.erase(std::remove(mutableTouches.begin(), mutableTouches.end(), touch),
                                     mutableTouches.end());
                break;
            }
        }
    }

    if (allAtOnce.empty() || mutableTouches.empty())
        return;
    for (EventListener* l : allAtOnce)
    {
        if (!isLive(l))
            continue;
        auto listener = static_cast<EventListenerTouchAllAtOnce*>(l);
        event->setCurrentTarget(listener->getAssociatedNode());
        switch (code)
        {
        case EventTouch::EventCode::BEGAN:
            if (listener->onTouchesBegan)
                listener->onTouchesBegan(mutableTouches, event);
            break;
        case EventTouch::EventCode::MOVED:
            if (listener->onTouchesMoved)
                listener->onTouchesMoved(mutableTouches, event);
            break;
        case EventTouch::EventCode::ENDED:
            if (listener->onTouchesEnded)
                listener->onTouchesEnded(mutableTouches, event);
            break;
        case EventTouch::EventCode::CANCELLED:
            if (listener->onTouchesCancelled)
                listener->onTouchesCancelled(mutableTouches, event);
            break;
        }
        if (event->isStopped())
            return;
    }
}

NS_CC_END
