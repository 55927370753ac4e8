#include "widgets/ColorBlinkAction.h"

#include <cmath>
#include <new>

ColorBlinkAction::ColorBlinkAction(const cocos2d::Color3B& colour)
    : m_sBlinkColor(colour), m_sTargetColor(cocos2d::Color3B::WHITE)
{
}

ColorBlinkAction* ColorBlinkAction::create(const cocos2d::Color3B& colour, float duration, int blinks)
{
    ColorBlinkAction* blink = new (std::nothrow) ColorBlinkAction(colour);
    if (blink != nullptr && blink->initWithDuration(duration, blinks)) {
        blink->autorelease();
        return blink;
    }
    delete blink;
    return nullptr;
}

void ColorBlinkAction::startWithTarget(cocos2d::Node* target)
{
    cocos2d::Blink::startWithTarget(target);
    m_sTargetColor = target->getColor();
}

void ColorBlinkAction::update(float time)
{
    if (_target == nullptr || isDone() || _times <= 0)
        return;
    const float slice = 1.0f / static_cast<float>(_times);
    const float within = std::fmod(time, slice);
    _target->setColor(within > slice / 2 ? cocos2d::Color3B::WHITE : m_sBlinkColor);
}

ColorBlinkAction* ColorBlinkAction::clone() const
{
    return create(m_sBlinkColor, _duration, _times);
}

void ColorBlinkAction::stop()
{
    if (_target != nullptr)
        _target->setColor(m_sTargetColor);
    cocos2d::Blink::stop();
}
