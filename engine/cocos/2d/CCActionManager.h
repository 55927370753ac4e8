#ifndef __ACTION_CCACTION_MANAGER_H__
#define __ACTION_CCACTION_MANAGER_H__

#include <vector>
#include "2d/CCAction.h"
#include "base/CCRef.h"
#include "base/CCVector.h"

NS_CC_BEGIN

class Node;

// Steps the actions of every target once per frame. A target with actions is
// retained until its last action ends or is removed.
class CC_DLL ActionManager : public Ref
{
public:
    ActionManager();
    ~ActionManager();

    // Starts the action on the target at once (startWithTarget); it is
    // stepped from the next update on.
    virtual void addAction(Action* action, Node* target, bool paused);
    virtual void removeAllActions();
    virtual void removeAllActionsFromTarget(Node* target);
    virtual void removeAction(Action* action);
    virtual void removeActionByTag(int tag, Node* target);
    virtual void removeAllActionsByTag(int tag, Node* target);
    virtual void removeActionsByFlags(unsigned int flags, Node* target);
    virtual Action* getActionByTag(int tag, const Node* target) const;
    virtual ssize_t getNumberOfRunningActionsInTarget(const Node* target) const;
    virtual ssize_t getNumberOfRunningActions() const;
    virtual size_t getNumberOfRunningActionsByTag(const Node* target, int tag) const;
    virtual void pauseTarget(Node* target);
    virtual void resumeTarget(Node* target);
    virtual Vector<Node*> pauseAllRunningActions();
    virtual void resumeTargets(const Vector<Node*>& targetsToResume);

    virtual void update(float dt);

protected:
    struct Element;
    Element* find(const Node* target) const;
    void removeActionAt(Element* element, size_t index);
    void deleteElementIfEmpty(Element* element);

    std::vector<Element*> _targets;
    Element* _currentTarget;
    bool _currentTargetSalvaged;
    bool _locked;
};

NS_CC_END

#endif
