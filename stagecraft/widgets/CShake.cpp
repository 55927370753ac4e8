#include "widgets/CShake.h"

#include <cstdlib>
#include <new>

namespace {

// A random value between low and high.
float Random(float low, float high)
{
    return (high - low) * (static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX)) + low;
}

} // namespace

CShake::CShake() : m_fInitialX(0.0f), m_fInitialY(0.0f), m_fStrengthX(0.0f), m_fStrengthY(0.0f) {}

CShake* CShake::create(float duration, float strength)
{
    return createWithStrength(duration, strength, strength);
}

CShake* CShake::createWithStrength(float duration, float strengthX, float strengthY)
{
    CShake* shake = new (std::nothrow) CShake();
    if (shake != nullptr && shake->initWithDuration(duration, strengthX, strengthY)) {
        shake->autorelease();
        return shake;
    }
    delete shake;
    return nullptr;
}

bool CShake::initWithDuration(float duration, float strengthX, float strengthY)
{
    if (!cocos2d::ActionInterval::initWithDuration(duration))
        return false;
    m_fStrengthX = strengthX;
    m_fStrengthY = strengthY;
    return true;
}

void CShake::startWithTarget(cocos2d::Node* target)
{
    cocos2d::ActionInterval::startWithTarget(target);
    m_fInitialX = target->getPositionX();
    m_fInitialY = target->getPositionY();
}

void CShake::update(float time)
{
    if (_target == nullptr)
        return;
    const float dx = Random(-m_fStrengthX, m_fStrengthX) * time;
    const float dy = Random(-m_fStrengthY, m_fStrengthY) * time;
    _target->setPosition(cocos2d::Vec2(m_fInitialX + dx, m_fInitialY + dy));
}

void CShake::stop()
{
    if (_target != nullptr)
        _target->setPosition(cocos2d::Vec2(m_fInitialX, m_fInitialY));
    cocos2d::ActionInterval::stop();
}

CShake* CShake::clone() const
{
    return createWithStrength(_duration, m_fStrengthX, m_fStrengthY);
}

// A shake is its own reverse.
CShake* CShake::reverse() const
{
    return clone();
}
