#ifndef __CCNOTIFICATIONCENTER_H__
#define __CCNOTIFICATIONCENTER_H__

#include <string>
#include <vector>
#include "base/CCRef.h"

NS_CC_BEGIN

class NotificationObserver;

// Named notifications delivered at once, on the posting thread, to every
// observer of the name (and of the sender, when the observer named one).
class CC_DLL __NotificationCenter : public Ref
{
public:
    __NotificationCenter();
    ~__NotificationCenter();

    static __NotificationCenter* getInstance();
    static void destroyInstance();
    CC_DEPRECATED_ATTRIBUTE static __NotificationCenter* sharedNotificationCenter() { return getInstance(); }

    // An observer of the same target, name and sender is added once.
    void addObserver(Ref* target, SEL_CallFuncO selector, const std::string& name, Ref* sender);
    void removeObserver(Ref* target, const std::string& name);
    int removeAllObservers(Ref* target);
    // The observer's selector gets the sender given here, or its own sender
    // when this is null.
    void postNotification(const std::string& name);
    void postNotification(const std::string& name, Ref* sender);
    int getObserverHandlerByName(const std::string& name);

private:
    bool observerExisted(Ref* target, const std::string& name, Ref* sender);

    std::vector<NotificationObserver*> _observers; // each retained
};

class CC_DLL NotificationObserver : public Ref
{
public:
    NotificationObserver(Ref* target, SEL_CallFuncO selector, const std::string& name, Ref* sender);
    ~NotificationObserver();

    void performSelector(Ref* sender);

    Ref* getTarget() const { return _target; }
    SEL_CallFuncO getSelector() const { return _selector; }
    const std::string& getName() const { return _name; }
    Ref* getSender() const { return _sender; }
    int getHandler() const { return _handler; }
    void setHandler(int handler) { _handler = handler; }

private:
    Ref* _target;
    SEL_CallFuncO _selector;
    std::string _name;
    Ref* _sender;
    int _handler;
};

NS_CC_END

#endif
