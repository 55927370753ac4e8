#include "base/CCScheduler.h"

#include <algorithm>

NS_CC_BEGIN

const int Scheduler::PRIORITY_SYSTEM = INT_MIN;
const int Scheduler::PRIORITY_NON_SYSTEM_MIN = PRIORITY_SYSTEM + 1;

struct Scheduler::Timer
{
    void* target = nullptr;
    std::string key;
    SEL_SCHEDULE selector = nullptr;
    ccSchedulerFunc callback;
    float interval = 0;
    float delay = 0;
    unsigned int repeat = 0;
    float elapsed = -1;
    unsigned int timesExecuted = 0;
    bool useDelay = false;
    bool runForever = false;
    bool cancelled = false;

    void setup(float seconds, unsigned int repeatTimes, float delaySeconds)
    {
        elapsed = -1;
        interval = seconds;
        delay = delaySeconds;
        useDelay = delay > 0.0f;
        repeat = repeatTimes;
        runForever = repeat == CC_REPEAT_FOREVER;
        timesExecuted = 0;
    }

    void trigger(float dt)
    {
        if (selector)
            (static_cast<Ref*>(target)->*selector)(dt);
        else if (callback)
            callback(dt);
    }
};

struct Scheduler::TargetTimers
{
    void* target = nullptr;
    bool paused = false;
    bool removed = false;
    std::vector<std::shared_ptr<Timer>> timers;
};

struct Scheduler::UpdateEntry
{
    void* target = nullptr;
    ccSchedulerFunc callback;
    int priority = 0;
    bool paused = false;
    bool markedForDeletion = false;
};

Scheduler::Scheduler()
: _timeScale(1.0f)
, _updateHashLocked(false)
, _currentTargetSalvaged(false)
{
}

Scheduler::~Scheduler()
{
    unscheduleAll();
}

Scheduler::TargetTimers* Scheduler::findTargetTimers(const void* target) const
{
    for (const auto& t : _timerTargets)
    {
        if (t->target == target && !t->removed)
            return t.get();
    }
    return nullptr;
}

Scheduler::TargetTimers* Scheduler::targetTimersFor(void* target, bool paused)
{
    TargetTimers* element = findTargetTimers(target);
    if (element == nullptr)
    {
        std::unique_ptr<TargetTimers> created(new TargetTimers());
        created->target = target;
        created->paused = paused;
        element = created.get();
        _timerTargets.push_back(std::move(created));
    }
    return element;
}

Scheduler::Timer* Scheduler::findTimer(const void* target, const std::string& key, SEL_SCHEDULE selector) const
{
    TargetTimers* element = findTargetTimers(target);
    if (element == nullptr)
        return nullptr;
    for (const auto& timer : element->timers)
    {
        if (timer->cancelled)
            continue;
        if (selector ? timer->selector == selector : (timer->selector == nullptr && timer->key == key))
            return timer.get();
    }
    return nullptr;
}

Scheduler::UpdateEntry* Scheduler::findUpdate(const void* target) const
{
    for (const auto& u : _updates)
    {
        if (u->target == target && !u->markedForDeletion)
            return u.get();
    }
    return nullptr;
}

void Scheduler::addTimer(void* target, bool paused, const std::shared_ptr<Timer>& timer)
{
    targetTimersFor(target, paused)->timers.push_back(timer);
}

void Scheduler::schedule(const ccSchedulerFunc& callback, void* target, float interval, unsigned int repeat,
                         float delay, bool paused, const std::string& key)
{
    if (target == nullptr || key.empty() || !callback)
        return;
    if (Timer* existing = findTimer(target, key, nullptr))
    {
        // Scheduling the same key again only changes its interval.
        existing->interval = interval;
        return;
    }
    auto timer = std::make_shared<Timer>();
    timer->target = target;
    timer->key = key;
    timer->callback = callback;
    timer->setup(interval, repeat, delay);
    addTimer(target, paused, timer);
}

void Scheduler::schedule(const ccSchedulerFunc& callback, void* target, float interval, bool paused,
                         const std::string& key)
{
    schedule(callback, target, interval, CC_REPEAT_FOREVER, 0.0f, paused, key);
}

void Scheduler::schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay,
                         bool paused)
{
    if (target == nullptr || selector == nullptr)
        return;
    if (Timer* existing = findTimer(target, std::string(), selector))
    {
        existing->interval = interval;
        return;
    }
    auto timer = std::make_shared<Timer>();
    timer->target = target;
    timer->selector = selector;
    timer->setup(interval, repeat, delay);
    addTimer(target, paused, timer);
}

void Scheduler::schedule(SEL_SCHEDULE selector, Ref* target, float interval, bool paused)
{
    schedule(selector, target, interval, CC_REPEAT_FOREVER, 0.0f, paused);
}

void Scheduler::schedulePerFrame(const ccSchedulerFunc& callback, void* target, int priority, bool paused)
{
    if (UpdateEntry* existing = findUpdate(target))
    {
        if (existing->priority == priority)
            return;
        unscheduleUpdate(target);
    }
    std::unique_ptr<UpdateEntry> entry(new UpdateEntry());
    entry->target = target;
    entry->callback = callback;
    entry->priority = priority;
    entry->paused = paused;
    // After every entry of the same or a lower priority.
    auto pos = std::upper_bound(_updates.begin(), _updates.end(), priority,
                                [](int p, const std::unique_ptr<UpdateEntry>& e) { return p < e->priority; });
    _updates.insert(pos, std::move(entry));
}

void Scheduler::unschedule(const std::string& key, void* target)
{
    if (Timer* timer = findTimer(target, key, nullptr))
    {
        timer->cancelled = true;
        if (!_updateHashLocked)
            purgeRemoved();
    }
}

void Scheduler::unschedule(SEL_SCHEDULE selector, Ref* target)
{
    if (selector == nullptr)
        return;
    if (Timer* timer = findTimer(target, std::string(), selector))
    {
        timer->cancelled = true;
        if (!_updateHashLocked)
            purgeRemoved();
    }
}

void Scheduler::unscheduleUpdate(void* target)
{
    if (target == nullptr)
        return;
    if (UpdateEntry* entry = findUpdate(target))
    {
        entry->markedForDeletion = true;
        if (!_updateHashLocked)
            purgeRemoved();
    }
}

void Scheduler::unscheduleAllForTarget(void* target)
{
    if (target == nullptr)
        return;
    if (TargetTimers* element = findTargetTimers(target))
    {
        for (auto& timer : element->timers)
            timer->cancelled = true;
        element->removed = true;
    }
    unscheduleUpdate(target);
    if (!_updateHashLocked)
        purgeRemoved();
}

void Scheduler::unscheduleAll()
{
    unscheduleAllWithMinPriority(PRIORITY_SYSTEM);
}

void Scheduler::unscheduleAllWithMinPriority(int minPriority)
{
    for (auto& element : _timerTargets)
    {
        for (auto& timer : element->timers)
            timer->cancelled = true;
        element->removed = true;
    }
    for (auto& entry : _updates)
    {
        if (entry->priority >= minPriority)
            entry->markedForDeletion = true;
    }
    if (!_updateHashLocked)
        purgeRemoved();
}

bool Scheduler::isScheduled(const std::string& key, const void* target) const
{
    return findTimer(target, key, nullptr) != nullptr;
}

bool Scheduler::isScheduled(SEL_SCHEDULE selector, const Ref* target) const
{
    return selector != nullptr && findTimer(target, std::string(), selector) != nullptr;
}

void Scheduler::pauseTarget(void* target)
{
    if (TargetTimers* element = findTargetTimers(target))
        element->paused = true;
    if (UpdateEntry* entry = findUpdate(target))
        entry->paused = true;
}

void Scheduler::resumeTarget(void* target)
{
    if (TargetTimers* element = findTargetTimers(target))
        element->paused = false;
    if (UpdateEntry* entry = findUpdate(target))
        entry->paused = false;
}

bool Scheduler::isTargetPaused(void* target)
{
    if (TargetTimers* element = findTargetTimers(target))
        return element->paused;
    if (UpdateEntry* entry = findUpdate(target))
        return entry->paused;
    return false;
}

std::set<void*> Scheduler::pauseAllTargets()
{
    return pauseAllTargetsWithMinPriority(PRIORITY_SYSTEM);
}

std::set<void*> Scheduler::pauseAllTargetsWithMinPriority(int minPriority)
{
    std::set<void*> paused;
    for (auto& element : _timerTargets)
    {
        if (element->removed)
            continue;
        element->paused = true;
        paused.insert(element->target);
    }
    for (auto& entry : _updates)
    {
        if (entry->markedForDeletion || entry->priority < minPriority)
            continue;
        entry->paused = true;
        paused.insert(entry->target);
    }
    return paused;
}

void Scheduler::resumeTargets(const std::set<void*>& targetsToResume)
{
    for (void* target : targetsToResume)
        resumeTarget(target);
}

void Scheduler::performFunctionInCocosThread(std::function<void()> function)
{
    std::lock_guard<std::mutex> lock(_performMutex);
    _functionsToPerform.push_back(std::move(function));
}

void Scheduler::removeAllFunctionsToBePerformedInCocosThread()
{
    std::lock_guard<std::mutex> lock(_performMutex);
    _functionsToPerform.clear();
}

void Scheduler::updateTimer(const std::shared_ptr<Timer>& timer, float dt)
{
    Timer& t = *timer;
    if (t.elapsed == -1)
    {
        // The frame the timer was scheduled in only starts its clock.
        t.elapsed = 0;
        t.timesExecuted = 0;
        return;
    }

    t.elapsed += dt;
    if (t.useDelay)
    {
        if (t.elapsed < t.delay)
            return;
        t.trigger(t.delay);
        t.elapsed = t.elapsed - t.delay;
        t.timesExecuted += 1;
        t.useDelay = false;
        if (!t.runForever && t.timesExecuted > t.repeat)
        {
            t.cancelled = true;
            return;
        }
    }

    // An interval of 0 fires once each frame.
    float interval = (t.interval > 0) ? t.interval : t.elapsed;
    while (!t.cancelled && t.elapsed >= interval)
    {
        t.trigger(interval);
        t.elapsed -= interval;
        t.timesExecuted += 1;
        if (!t.runForever && t.timesExecuted > t.repeat)
        {
            t.cancelled = true;
            break;
        }
        if (t.elapsed <= 0.f)
            break;
    }
}

void Scheduler::update(float dt)
{
    _updateHashLocked = true;
    if (_timeScale != 1.0f)
        dt *= _timeScale;

    // Per-frame updates, by priority. Entries added meanwhile wait for the
    // next frame; none is freed before purgeRemoved().
    std::vector<UpdateEntry*> updates;
    updates.reserve(_updates.size());
    for (const auto& entry : _updates)
        updates.push_back(entry.get());
    for (UpdateEntry* entry : updates)
    {
        if (!entry->paused && !entry->markedForDeletion)
        {
            ccSchedulerFunc callback = entry->callback; // the entry may go away inside
            callback(dt);
        }
    }

    // Timers, target by target in order of first scheduling.
    for (size_t ti = 0; ti < _timerTargets.size(); ++ti)
    {
        TargetTimers* element = _timerTargets[ti].get();
        _currentTargetSalvaged = false;
        if (element->removed || element->paused)
            continue;
        for (size_t i = 0; i < element->timers.size(); ++i)
        {
            std::shared_ptr<Timer> timer = element->timers[i];
            if (timer->cancelled)
                continue;
            updateTimer(timer, dt);
            _currentTargetSalvaged = element->removed;
            if (_currentTargetSalvaged)
                break;
        }
    }
    _currentTargetSalvaged = false;
    _updateHashLocked = false;
    purgeRemoved();

    std::vector<std::function<void()>> functions;
    {
        std::lock_guard<std::mutex> lock(_performMutex);
        functions.swap(_functionsToPerform);
    }
    for (const auto& function : functions)
        function();
}

void Scheduler::purgeRemoved()
{
    _updates.erase(std::remove_if(_updates.begin(), _updates.end(),
                                  [](const std::unique_ptr<UpdateEntry>& e) { return e->markedForDeletion; }),
                   _updates.end());
    for (auto& element : _timerTargets)
    {
        auto& timers = element->timers;
        timers.erase(std::remove_if(timers.begin(), timers.end(),
                                    [](const std::shared_ptr<Timer>& t) { return t->cancelled; }),
                     timers.end());
        if (timers.empty())
            element->removed = true;
    }
    _timerTargets.erase(std::remove_if(_timerTargets.begin(), _timerTargets.end(),
                                       [](const std::unique_ptr<TargetTimers>& t) { return t->removed; }),
                        _timerTargets.end());
}

NS_CC_END
