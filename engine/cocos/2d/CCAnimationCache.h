#ifndef __CC_ANIMATION_CACHE_H__
#define __CC_ANIMATION_CACHE_H__

#include <string>

#include "2d/CCAnimation.h"
#include "base/CCMap.h"
#include "base/CCRef.h"
#include "base/CCValue.h"

NS_CC_BEGIN

/** Animations by name, added one by one or from animation property lists
 *  (format 1: frame names and a delay; format 2: frame records with delay
 *  units and user data). */
class CC_DLL AnimationCache : public Ref
{
public:
    AnimationCache();
    ~AnimationCache();

    static AnimationCache* getInstance();
    static void destroyInstance();

    bool init() { return true; }

    void addAnimation(Animation* animation, const std::string& name);
    void removeAnimation(const std::string& name);
    /** Null when no animation has that name. */
    Animation* getAnimation(const std::string& name);

    void addAnimationsWithDictionary(const ValueMap& dictionary, const std::string& plist);
    void addAnimationsWithFile(const std::string& plist);

private:
    void parseVersion1(const ValueMap& animations);
    void parseVersion2(const ValueMap& animations);

    Map<std::string, Animation*> _animations;
};

NS_CC_END

#endif
