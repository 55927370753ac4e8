#ifndef __CCSCHEDULER_H__
#define __CCSCHEDULER_H__

#include <climits>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>
#include "base/CCRef.h"
#include "base/CCVector.h"

NS_CC_BEGIN

typedef std::function<void(float)> ccSchedulerFunc;

// Calls timers and per-frame updates when the director advances it.
//
// Timers: a callback every `interval` seconds (every frame for 0), `repeat`
// times after the first call (CC_REPEAT_FOREVER for no end), starting after
// `delay`. A timer does not fire in the frame it was scheduled in: its first
// update only starts its clock. Intervals shorter than a frame fire several
// times in that frame.
//
// Updates: target->update(dt) every frame, lowest priority first; they run
// before the timers. Targets are not retained.
class CC_DLL Scheduler : public Ref
{
public:
    static const int PRIORITY_SYSTEM;
    static const int PRIORITY_NON_SYSTEM_MIN;

    Scheduler();
    virtual ~Scheduler();

    float getTimeScale() { return _timeScale; }
    void setTimeScale(float timeScale) { _timeScale = timeScale; }

    void update(float dt);

    void schedule(const ccSchedulerFunc& callback, void* target, float interval, unsigned int repeat, float delay,
                  bool paused, const std::string& key);
    void schedule(const ccSchedulerFunc& callback, void* target, float interval, bool paused, const std::string& key);
    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, unsigned int repeat, float delay, bool paused);
    void schedule(SEL_SCHEDULE selector, Ref* target, float interval, bool paused);

    template<class T>
    void scheduleUpdate(T* target, int priority, bool paused)
    {
        this->schedulePerFrame([target](float dt) { target->update(dt); }, target, priority, paused);
    }

    void unschedule(const std::string& key, void* target);
    void unschedule(SEL_SCHEDULE selector, Ref* target);
    void unscheduleUpdate(void* target);
    void unscheduleAllForTarget(void* target);
    void unscheduleAll();
    void unscheduleAllWithMinPriority(int minPriority);

    bool isScheduled(const std::string& key, const void* target) const;
    bool isScheduled(SEL_SCHEDULE selector, const Ref* target) const;

    void pauseTarget(void* target);
    void resumeTarget(void* target);
    bool isTargetPaused(void* target);
    std::set<void*> pauseAllTargets();
    std::set<void*> pauseAllTargetsWithMinPriority(int minPriority);
    void resumeTargets(const std::set<void*>& targetsToResume);

    // Runs the function at the end of the next update, on the thread that
    // advances the scheduler. May be called from any thread.
    void performFunctionInCocosThread(std::function<void()> function);
    void removeAllFunctionsToBePerformedInCocosThread();

    bool isCurrentTargetSalvaged() const { return _currentTargetSalvaged; }

protected:
    void schedulePerFrame(const ccSchedulerFunc& callback, void* target, int priority, bool paused);

private:
    struct Timer;
    struct TargetTimers;
    struct UpdateEntry;

    TargetTimers* findTargetTimers(const void* target) const;
    TargetTimers* targetTimersFor(void* target, bool paused);
    void addTimer(void* target, bool paused, const std::shared_ptr<Timer>& timer);
    Timer* findTimer(const void* target, const std::string& key, SEL_SCHEDULE selector) const;
    UpdateEntry* findUpdate(const void* target) const;
    void updateTimer(const std::shared_ptr<Timer>& timer, float dt);
    void purgeRemoved();

    float _timeScale;
    std::vector<std::unique_ptr<UpdateEntry>> _updates; // sorted by priority, stable
    std::vector<std::unique_ptr<TargetTimers>> _timerTargets; // in order of first scheduling
    bool _updateHashLocked;
    bool _currentTargetSalvaged;

    std::vector<std::function<void()>> _functionsToPerform;
    std::mutex _performMutex;
};

NS_CC_END

#endif
