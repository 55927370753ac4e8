#ifndef __CC_ANIMATION_H__
#define __CC_ANIMATION_H__

#include <string>

#include "base/CCRef.h"
#include "base/CCValue.h"
#include "base/CCVector.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

class Texture2D;
class SpriteFrame;
class Node;

/** One frame of an animation: a sprite frame shown for a number of delay
 *  units, with optional user data announced when it is displayed. */
class CC_DLL AnimationFrame : public Ref, public Clonable
{
public:
    struct DisplayedEventInfo
    {
        Node* target;
        const ValueMap* userInfo;
    };

    static AnimationFrame* create(SpriteFrame* spriteFrame, float delayUnits, const ValueMap& userInfo);

    SpriteFrame* getSpriteFrame() const { return _spriteFrame; }
    void setSpriteFrame(SpriteFrame* frame);
    float getDelayUnits() const { return _delayUnits; }
    void setDelayUnits(float delayUnits) { _delayUnits = delayUnits; }
    const ValueMap& getUserInfo() const { return _userInfo; }
    ValueMap& getUserInfo() { return _userInfo; }
    void setUserInfo(const ValueMap& userInfo) { _userInfo = userInfo; }

    virtual AnimationFrame* clone() const override;

    AnimationFrame();
    virtual ~AnimationFrame();
    bool initWithSpriteFrame(SpriteFrame* spriteFrame, float delayUnits, const ValueMap& userInfo);

protected:
    SpriteFrame* _spriteFrame;
    float _delayUnits;
    ValueMap _userInfo;

private:
    AnimationFrame(const AnimationFrame&) = delete;
    AnimationFrame& operator=(const AnimationFrame&) = delete;
};

/** Frames played one after another; a frame lasts its delay units times the
 *  delay per unit, the whole animation `loops` times. */
class CC_DLL Animation : public Ref, public Clonable
{
public:
    static Animation* create();
    static Animation* createWithSpriteFrames(const Vector<SpriteFrame*>& arrayOfSpriteFrameNames, float delay = 0.0f,
                                             unsigned int loops = 1);
    static Animation* create(const Vector<AnimationFrame*>& arrayOfAnimationFrameNames, float delayPerUnit,
                             unsigned int loops = 1);

    void addSpriteFrame(SpriteFrame* frame);
    void addSpriteFrameWithFile(const std::string& filename);
    CC_DEPRECATED_ATTRIBUTE void addSpriteFrameWithFileName(const std::string& filename) { addSpriteFrameWithFile(filename); }
    void addSpriteFrameWithTexture(Texture2D* pobTexture, const Rect& rect);

    float getTotalDelayUnits() const { return _totalDelayUnits; }
    void setDelayPerUnit(float delayPerUnit) { _delayPerUnit = delayPerUnit; }
    float getDelayPerUnit() const { return _delayPerUnit; }
    /** Length of one loop in seconds. */
    float getDuration() const;

    const Vector<AnimationFrame*>& getFrames() const { return _frames; }
    void setFrames(const Vector<AnimationFrame*>& frames);

    bool getRestoreOriginalFrame() const { return _restoreOriginalFrame; }
    void setRestoreOriginalFrame(bool restoreOriginalFrame) { _restoreOriginalFrame = restoreOriginalFrame; }
    unsigned int getLoops() const { return _loops; }
    void setLoops(unsigned int loops) { _loops = loops; }

    virtual Animation* clone() const override;

    Animation();
    virtual ~Animation();
    bool init();
    bool initWithSpriteFrames(const Vector<SpriteFrame*>& arrayOfSpriteFrameNames, float delay = 0.0f,
                              unsigned int loops = 1);
    bool initWithAnimationFrames(const Vector<AnimationFrame*>& arrayOfAnimationFrameNames, float delayPerUnit,
                                 unsigned int loops);

protected:
    float _totalDelayUnits;
    float _delayPerUnit;
    Vector<AnimationFrame*> _frames;
    bool _restoreOriginalFrame;
    unsigned int _loops;

private:
    Animation(const Animation&) = delete;
    Animation& operator=(const Animation&) = delete;
};

NS_CC_END

#endif
