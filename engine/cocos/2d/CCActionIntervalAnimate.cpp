#include "2d/CCActionInterval.h"

#include "2d/CCNode.h"

#if __has_include("2d/CCAnimation.h") && __has_include("2d/CCSprite.h")
#include "2d/CCAnimation.h"
#include "2d/CCSprite.h"
#include "2d/CCSpriteFrame.h"
#define CC_ANIMATE_HAS_SPRITES 1
#else
#define CC_ANIMATE_HAS_SPRITES 0
#endif

NS_CC_BEGIN

// MARK: Animate

Animate::Animate()
: _splitTimes(new std::vector<float>)
, _nextFrame(0)
, _origFrame(nullptr)
, _currFrameIndex(0)
, _executedLoops(0)
, _animation(nullptr)
{
}

Animate::~Animate()
{
    CC_SAFE_RELEASE(_animation);
    CC_SAFE_RELEASE(_origFrame);
    delete _splitTimes;
}

Animate* Animate::create(Animation* animation)
{
    Animate* animate = new (std::nothrow) Animate();
    if (animate && animate->initWithAnimation(animation))
    {
        animate->autorelease();
        return animate;
    }
    delete animate;
    return nullptr;
}

#if CC_ANIMATE_HAS_SPRITES

bool Animate::initWithAnimation(Animation* animation)
{
    if (animation == nullptr)
        return false;
    float singleDuration = animation->getDuration();
    if (ActionInterval::initWithDuration(singleDuration * animation->getLoops()))
    {
        _nextFrame = 0;
        setAnimation(animation);
        _origFrame = nullptr;
        _executedLoops = 0;
        _splitTimes->reserve(animation->getFrames().size());

        // Where each frame starts, as a share of one loop.
        float accumUnitsOfTime = 0;
        float newUnitOfTimeValue = singleDuration / animation->getTotalDelayUnits();
        auto& frames = animation->getFrames();
        for (auto& frame : frames)
        {
            float value = (accumUnitsOfTime * newUnitOfTimeValue) / singleDuration;
            accumUnitsOfTime += frame->getDelayUnits();
            _splitTimes->push_back(value);
        }
        return true;
    }
    return false;
}

void Animate::setAnimation(Animation* animation)
{
    if (_animation != animation)
    {
        CC_SAFE_RETAIN(animation);
        CC_SAFE_RELEASE(_animation);
        _animation = animation;
    }
}

Animate* Animate::clone() const
{
    return Animate::create(_animation->clone());
}

void Animate::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
    Sprite* sprite = static_cast<Sprite*>(target);
    CC_SAFE_RELEASE(_origFrame);
    if (_animation->getRestoreOriginalFrame())
    {
        _origFrame = sprite->getSpriteFrame();
        CC_SAFE_RETAIN(_origFrame);
    }
    _nextFrame = 0;
    _executedLoops = 0;
}

void Animate::stop()
{
    if (_animation->getRestoreOriginalFrame() && _target)
    {
        auto blend = static_cast<Sprite*>(_target)->getBlendFunc();
        static_cast<Sprite*>(_target)->setSpriteFrame(_origFrame);
        static_cast<Sprite*>(_target)->setBlendFunc(blend);
    }
    ActionInterval::stop();
}

void Animate::update(float t)
{
    // When the animation loops, t covers all loops.
    if (t < 1.0f)
    {
        t *= _animation->getLoops();
        unsigned int loopNumber = (unsigned int)t;
        if (loopNumber > _executedLoops)
        {
            _nextFrame = 0;
            _executedLoops++;
        }
        t = fmodf(t, 1.0f);
    }

    auto& frames = _animation->getFrames();
    auto numberOfFrames = frames.size();
    for (int i = _nextFrame; i < numberOfFrames; i++)
    {
        float splitTime = _splitTimes->at(i);
        if (splitTime <= t)
        {
            auto blend = static_cast<Sprite*>(_target)->getBlendFunc();
            _currFrameIndex = i;
            AnimationFrame* frame = frames.at(_currFrameIndex);
            SpriteFrame* frameToDisplay = frame->getSpriteFrame();
            static_cast<Sprite*>(_target)->setSpriteFrame(frameToDisplay);
            static_cast<Sprite*>(_target)->setBlendFunc(blend);
            _nextFrame = i + 1;
        }
        else
        {
            // Frames are in time order.
            break;
        }
    }
}

Animate* Animate::reverse() const
{
    auto& oldArray = _animation->getFrames();
    Vector<AnimationFrame*> newArray(oldArray.size());
    for (auto it = oldArray.crbegin(); it != oldArray.crend(); ++it)
        newArray.pushBack((*it)->clone());
    Animation* newAnim = Animation::create(newArray, _animation->getDelayPerUnit(), _animation->getLoops());
    newAnim->setRestoreOriginalFrame(_animation->getRestoreOriginalFrame());
    return Animate::create(newAnim);
}

#else

// Without sprites in the build there is nothing to animate.
bool Animate::initWithAnimation(Animation* animation)
{
    CC_UNUSED_PARAM(animation);
    return false;
}

void Animate::setAnimation(Animation* animation)
{
    CC_UNUSED_PARAM(animation);
}

Animate* Animate::clone() const
{
    return nullptr;
}

void Animate::startWithTarget(Node* target)
{
    ActionInterval::startWithTarget(target);
}

void Animate::stop()
{
    ActionInterval::stop();
}

void Animate::update(float t)
{
    CC_UNUSED_PARAM(t);
}

Animate* Animate::reverse() const
{
    return nullptr;
}

#endif


NS_CC_END
