#include "2d/CCAnimation.h"

#include "2d/CCSpriteFrame.h"
#include "base/CCDirector.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

AnimationFrame* AnimationFrame::create(SpriteFrame* spriteFrame, float delayUnits, const ValueMap& userInfo)
{
    AnimationFrame* ret = new (std::nothrow) AnimationFrame();
    if (ret && ret->initWithSpriteFrame(spriteFrame, delayUnits, userInfo))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

AnimationFrame::AnimationFrame() : _spriteFrame(nullptr), _delayUnits(0.0f) {}

AnimationFrame::~AnimationFrame()
{
    CC_SAFE_RELEASE(_spriteFrame);
}

bool AnimationFrame::initWithSpriteFrame(SpriteFrame* spriteFrame, float delayUnits, const ValueMap& userInfo)
{
    setSpriteFrame(spriteFrame);
    setDelayUnits(delayUnits);
    setUserInfo(userInfo);
    return true;
}

void AnimationFrame::setSpriteFrame(SpriteFrame* frame)
{
    if (_spriteFrame == frame) return;
    CC_SAFE_RETAIN(frame);
    CC_SAFE_RELEASE(_spriteFrame);
    _spriteFrame = frame;
}

AnimationFrame* AnimationFrame::clone() const
{
    AnimationFrame* frame = new (std::nothrow) AnimationFrame();
    if (!frame) return nullptr;
    frame->initWithSpriteFrame(_spriteFrame ? _spriteFrame->clone() : nullptr, _delayUnits, _userInfo);
    frame->autorelease();
    return frame;
}

Animation* Animation::create()
{
    Animation* a = new (std::nothrow) Animation();
    if (a && a->init())
    {
        a->autorelease();
        return a;
    }
    delete a;
    return nullptr;
}

Animation* Animation::createWithSpriteFrames(const Vector<SpriteFrame*>& frames, float delay, unsigned int loops)
{
    Animation* a = new (std::nothrow) Animation();
    if (a && a->initWithSpriteFrames(frames, delay, loops))
    {
        a->autorelease();
        return a;
    }
    delete a;
    return nullptr;
}

Animation* Animation::create(const Vector<AnimationFrame*>& frames, float delayPerUnit, unsigned int loops)
{
    Animation* a = new (std::nothrow) Animation();
    if (a && a->initWithAnimationFrames(frames, delayPerUnit, loops))
    {
        a->autorelease();
        return a;
    }
    delete a;
    return nullptr;
}

Animation::Animation() : _totalDelayUnits(0.0f), _delayPerUnit(0.0f), _restoreOriginalFrame(false), _loops(0) {}

Animation::~Animation() {}

bool Animation::init()
{
    _loops = 1;
    _delayPerUnit = 0.0f;
    return true;
}

bool Animation::initWithSpriteFrames(const Vector<SpriteFrame*>& frames, float delay, unsigned int loops)
{
    _delayPerUnit = delay;
    _loops = loops;
    for (SpriteFrame* spriteFrame : frames)
    {
        AnimationFrame* frame = AnimationFrame::create(spriteFrame, 1, ValueMap());
        if (!frame) continue;
        _frames.pushBack(frame);
        _totalDelayUnits++;
    }
    return true;
}

bool Animation::initWithAnimationFrames(const Vector<AnimationFrame*>& frames, float delayPerUnit, unsigned int loops)
{
    _delayPerUnit = delayPerUnit;
    _loops = loops;
    setFrames(frames);
    return true;
}

void Animation::setFrames(const Vector<AnimationFrame*>& frames)
{
    _frames = frames;
    _totalDelayUnits = 0;
    for (AnimationFrame* f : _frames) _totalDelayUnits += f->getDelayUnits();
}

void Animation::addSpriteFrame(SpriteFrame* spriteFrame)
{
    AnimationFrame* frame = AnimationFrame::create(spriteFrame, 1.0f, ValueMap());
    if (!frame) return;
    _frames.pushBack(frame);
    _totalDelayUnits++;
}

void Animation::addSpriteFrameWithFile(const std::string& filename)
{
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(filename);
    if (!texture) return;
    Rect rect = Rect::ZERO;
    rect.size = texture->getContentSize();
    addSpriteFrame(SpriteFrame::createWithTexture(texture, rect));
}

void Animation::addSpriteFrameWithTexture(Texture2D* texture, const Rect& rect)
{
    if (SpriteFrame* frame = SpriteFrame::createWithTexture(texture, rect)) addSpriteFrame(frame);
}

float Animation::getDuration() const
{
    return _totalDelayUnits * _delayPerUnit;
}

Animation* Animation::clone() const
{
    Animation* a = new (std::nothrow) Animation();
    if (!a) return nullptr;
    a->initWithAnimationFrames(_frames, _delayPerUnit, _loops);
    a->setRestoreOriginalFrame(_restoreOriginalFrame);
    a->autorelease();
    return a;
}

NS_CC_END
