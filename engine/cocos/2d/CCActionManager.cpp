#include "2d/CCActionManager.h"
#include "2d/CCNode.h"

#include <algorithm>

NS_CC_BEGIN

struct ActionManager::Element
{
    Node* target = nullptr;
    std::vector<Action*> actions; // each retained
    ssize_t actionIndex = -1;
    Action* currentAction = nullptr;
    bool currentActionSalvaged = false;
    bool paused = false;
    bool dead = false; // emptied while the manager was stepping
};

ActionManager::ActionManager()
: _currentTarget(nullptr)
, _currentTargetSalvaged(false)
, _locked(false)
{
}

ActionManager::~ActionManager()
{
    removeAllActions();
    for (Element* e : _targets)
    {
        Node* target = e->target;
        delete e;
        target->release();
    }
    _targets.clear();
}

ActionManager::Element* ActionManager::find(const Node* target) const
{
    for (Element* e : _targets)
    {
        if (e->target == target && !e->dead)
            return e;
    }
    return nullptr;
}

void ActionManager::deleteElementIfEmpty(Element* element)
{
    if (!element->actions.empty())
        return;
    if (_locked || element == _currentTarget)
    {
        element->dead = true;
        if (element == _currentTarget)
            _currentTargetSalvaged = true;
        return;
    }
    _targets.erase(std::remove(_targets.begin(), _targets.end(), element), _targets.end());
    Node* target = element->target;
    delete element;
    // Last: this may delete the node, which asks us about its actions again.
    target->release();
}

void ActionManager::removeActionAt(Element* element, size_t index)
{
    Action* action = element->actions[index];
    if (action == element->currentAction && !element->currentActionSalvaged)
    {
        // Being stepped right now: keep it alive until its step returns.
        element->currentAction->retain();
        element->currentActionSalvaged = true;
    }
    element->actions.erase(element->actions.begin() + index);
    if (static_cast<ssize_t>(index) <= element->actionIndex)
        element->actionIndex--;
    action->release();
    deleteElementIfEmpty(element);
}

void ActionManager::addAction(Action* action, Node* target, bool paused)
{
    if (action == nullptr || target == nullptr)
        return;
    Element* element = find(target);
    if (element == nullptr)
    {
        element = new Element();
        element->paused = paused;
        element->target = target;
        target->retain();
        _targets.push_back(element);
    }
    if (std::find(element->actions.begin(), element->actions.end(), action) != element->actions.end())
        return; // already running on this target
    element->actions.push_back(action);
    action->retain();
    action->startWithTarget(target);
}

void ActionManager::removeAllActions()
{
    std::vector<Node*> targets;
    for (Element* e : _targets)
    {
        if (!e->dead)
            targets.push_back(e->target);
    }
    for (Node* target : targets)
        removeAllActionsFromTarget(target);
}

void ActionManager::removeAllActionsFromTarget(Node* target)
{
    if (target == nullptr)
        return;
    Element* element = find(target);
    if (element == nullptr)
        return;
    if (std::find(element->actions.begin(), element->actions.end(), element->currentAction) != element->actions.end() &&
        !element->currentActionSalvaged)
    {
        element->currentAction->retain();
        element->currentActionSalvaged = true;
    }
    std::vector<Action*> actions;
    actions.swap(element->actions);
    element->actionIndex = -1;
    for (Action* a : actions)
        a->release();
    deleteElementIfEmpty(element);
}

void ActionManager::removeAction(Action* action)
{
    if (action == nullptr)
        return;
    for (Element* e : _targets)
    {
        if (e->dead)
            continue;
        auto it = std::find(e->actions.begin(), e->actions.end(), action);
        if (it != e->actions.end())
        {
            removeActionAt(e, it - e->actions.begin());
            return;
        }
    }
}

void ActionManager::removeActionByTag(int tag, Node* target)
{
    Element* element = find(target);
    if (element == nullptr)
        return;
    for (size_t i = 0; i < element->actions.size(); ++i)
    {
        if (element->actions[i]->getTag() == tag && element->actions[i]->getOriginalTarget() == target)
        {
            removeActionAt(element, i);
            return;
        }
    }
}

void ActionManager::removeAllActionsByTag(int tag, Node* target)
{
    Element* element = find(target);
    if (element == nullptr)
        return;
    for (size_t i = 0; i < element->actions.size();)
    {
        Action* a = element->actions[i];
        if (a->getTag() == tag && a->getOriginalTarget() == target)
        {
            bool last = element->actions.size() == 1;
            removeActionAt(element, i);
            if (last)
                return; // the element may be gone
        }
        else
        {
            ++i;
        }
    }
}

void ActionManager::removeActionsByFlags(unsigned int flags, Node* target)
{
    if (flags == 0)
        return;
    Element* element = find(target);
    if (element == nullptr)
        return;
    for (size_t i = 0; i < element->actions.size();)
    {
        Action* a = element->actions[i];
        if ((a->getFlags() & flags) != 0 && a->getOriginalTarget() == target)
        {
            bool last = element->actions.size() == 1;
            removeActionAt(element, i);
            if (last)
                return;
        }
        else
        {
            ++i;
        }
    }
}

Action* ActionManager::getActionByTag(int tag, const Node* target) const
{
    Element* element = find(target);
    if (element == nullptr)
        return nullptr;
    for (Action* a : element->actions)
    {
        if (a->getTag() == tag)
            return a;
    }
    return nullptr;
}

ssize_t ActionManager::getNumberOfRunningActionsInTarget(const Node* target) const
{
    Element* element = find(target);
    return element ? static_cast<ssize_t>(element->actions.size()) : 0;
}

ssize_t ActionManager::getNumberOfRunningActions() const
{
    ssize_t count = 0;
    for (Element* e : _targets)
        count += static_cast<ssize_t>(e->actions.size());
    return count;
}

size_t ActionManager::getNumberOfRunningActionsByTag(const Node* target, int tag) const
{
    Element* element = find(target);
    if (element == nullptr)
        return 0;
    size_t count = 0;
    for (Action* a : element->actions)
    {
        if (a->getTag() == tag)
            ++count;
    }
    return count;
}

void ActionManager::pauseTarget(Node* target)
{
    if (Element* element = find(target))
        element->paused = true;
}

void ActionManager::resumeTarget(Node* target)
{
    if (Element* element = find(target))
        element->paused = false;
}

Vector<Node*> ActionManager::pauseAllRunningActions()
{
    Vector<Node*> idsWithActions;
    for (Element* e : _targets)
    {
        if (!e->dead && !e->paused)
        {
            e->paused = true;
            idsWithActions.pushBack(e->target);
        }
    }
    return idsWithActions;
}

void ActionManager::resumeTargets(const Vector<Node*>& targetsToResume)
{
    for (const auto& node : targetsToResume)
        this->resumeTarget(node);
}

void ActionManager::update(float dt)
{
    bool wasLocked = _locked;
    _locked = true;
    for (size_t i = 0; i < _targets.size(); ++i)
    {
        Element* element = _targets[i];
        if (element->dead)
            continue;
        _currentTarget = element;
        _currentTargetSalvaged = false;
        if (!element->paused)
        {
            for (element->actionIndex = 0; element->actionIndex < static_cast<ssize_t>(element->actions.size());
                 element->actionIndex++)
            {
                element->currentAction = element->actions[element->actionIndex];
                element->currentActionSalvaged = false;
                element->currentAction->step(dt);
                if (element->currentActionSalvaged)
                {
                    // Removed during its own step: drop the reference kept for it.
                    element->currentAction->release();
                }
                else if (element->currentAction->isDone())
                {
                    element->currentAction->stop();
                    Action* action = element->currentAction;
                    element->currentAction = nullptr;
                    auto it = std::find(element->actions.begin(), element->actions.end(), action);
                    if (it != element->actions.end())
                        removeActionAt(element, it - element->actions.begin());
                }
                element->currentAction = nullptr;
                if (element->dead)
                    break;
            }
        }
    }
    _currentTarget = nullptr;
    _currentTargetSalvaged = false;
    _locked = wasLocked;
    if (_locked)
        return;

    // Drop the targets that ran out of actions during this update.
    std::vector<Element*> dead;
    for (Element* e : _targets)
    {
        if (e->dead)
            dead.push_back(e);
    }
    if (dead.empty())
        return;
    _targets.erase(std::remove_if(_targets.begin(), _targets.end(), [](Element* e) { return e->dead; }), _targets.end());
    for (Element* e : dead)
    {
        Node* target = e->target;
        delete e;
        target->release();
    }
}

NS_CC_END
