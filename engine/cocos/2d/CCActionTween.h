#ifndef __CCACTIONTWEEN_H__
#define __CCACTIONTWEEN_H__

#include <string>
#include "2d/CCActionInterval.h"

NS_CC_BEGIN

// Receives the values an ActionTween computes for its key.
class CC_DLL ActionTweenDelegate
{
public:
    virtual ~ActionTweenDelegate() {}
    virtual void updateTweenAction(float value, const std::string& key) = 0;
};

// Moves a named value from one number to another over the duration; the
// node running it must be an ActionTweenDelegate.
class CC_DLL ActionTween : public ActionInterval
{
public:
    static ActionTween* create(float duration, const std::string& key, float from, float to);

    virtual void startWithTarget(Node* target) override;
    virtual void update(float dt) override;
    virtual ActionTween* reverse() const override;
    virtual ActionTween* clone() const override;

    bool initWithDuration(float duration, const std::string& key, float from, float to);

protected:
    std::string _key;
    float _from = 0;
    float _to = 0;
    float _delta = 0;
};

NS_CC_END

#endif
