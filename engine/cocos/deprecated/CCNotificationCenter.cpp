#include "deprecated/CCNotificationCenter.h"

#include <algorithm>

NS_CC_BEGIN

static __NotificationCenter* s_sharedNotifCenter = nullptr;

__NotificationCenter::__NotificationCenter()
{
}

__NotificationCenter::~__NotificationCenter()
{
    for (NotificationObserver* observer : _observers)
        observer->release();
}

__NotificationCenter* __NotificationCenter::getInstance()
{
    if (!s_sharedNotifCenter)
        s_sharedNotifCenter = new (std::nothrow) __NotificationCenter;
    return s_sharedNotifCenter;
}

void __NotificationCenter::destroyInstance()
{
    CC_SAFE_RELEASE_NULL(s_sharedNotifCenter);
}

bool __NotificationCenter::observerExisted(Ref* target, const std::string& name, Ref* sender)
{
    for (NotificationObserver* observer : _observers)
    {
        if (observer->getName() == name && observer->getTarget() == target && observer->getSender() == sender)
            return true;
    }
    return false;
}

void __NotificationCenter::addObserver(Ref* target, SEL_CallFuncO selector, const std::string& name, Ref* sender)
{
    if (this->observerExisted(target, name, sender))
        return;
    NotificationObserver* observer = new (std::nothrow) NotificationObserver(target, selector, name, sender);
    if (!observer)
        return;
    _observers.push_back(observer);
}

void __NotificationCenter::removeObserver(Ref* target, const std::string& name)
{
    for (auto it = _observers.begin(); it != _observers.end(); ++it)
    {
        NotificationObserver* observer = *it;
        if (observer->getName() == name && observer->getTarget() == target)
        {
            _observers.erase(it);
            observer->release();
            return;
        }
    }
}

int __NotificationCenter::removeAllObservers(Ref* target)
{
    std::vector<NotificationObserver*> removed;
    for (auto it = _observers.begin(); it != _observers.end();)
    {
        if ((*it)->getTarget() == target)
        {
            removed.push_back(*it);
            it = _observers.erase(it);
        }
        else
        {
            ++it;
        }
    }
    for (NotificationObserver* observer : removed)
        observer->release();
    return static_cast<int>(removed.size());
}

void __NotificationCenter::postNotification(const std::string& name, Ref* sender)
{
    // The post goes to the observers there when it began: one added by a
    // callback waits for the next post, one removed by a callback is still
    // called in this one (the retained copy keeps it alive).
    std::vector<NotificationObserver*> copy = _observers;
    for (NotificationObserver* observer : copy)
        observer->retain();
    for (NotificationObserver* observer : copy)
    {
        if (observer->getName() == name &&
            (observer->getSender() == sender || observer->getSender() == nullptr || sender == nullptr))
        {
            observer->performSelector(sender);
        }
    }
    for (NotificationObserver* observer : copy)
        observer->release();
}

void __NotificationCenter::postNotification(const std::string& name)
{
    this->postNotification(name, nullptr);
}

int __NotificationCenter::getObserverHandlerByName(const std::string& name)
{
    if (name.empty())
        return 0;
    for (NotificationObserver* observer : _observers)
    {
        if (name == observer->getName())
            return observer->getHandler();
    }
    return 0;
}

NotificationObserver::NotificationObserver(Ref* target, SEL_CallFuncO selector, const std::string& name, Ref* sender)
: _target(target)
, _selector(selector)
, _name(name)
, _sender(sender)
, _handler(0)
{
}

NotificationObserver::~NotificationObserver()
{
}

void NotificationObserver::performSelector(Ref* sender)
{
    if (_target && _selector)
    {
        if (sender)
            (_target->*_selector)(sender);
        else
            (_target->*_selector)(_sender);
    }
}

NS_CC_END
