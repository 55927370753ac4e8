#include "widgets/CRotateForever.h"

#include <cmath>
#include <new>

namespace {

const float kTurn = 360.0f;

} // namespace

CRotateForever::CRotateForever() : m_fStartAngleX(0.0f), m_fStartAngleY(0.0f), m_fElapsed(0.0f), m_fSpeed(0.0f) {}

CRotateForever* CRotateForever::create(float speed)
{
    CRotateForever* rotate = new (std::nothrow) CRotateForever();
    if (rotate != nullptr && rotate->initWithDuration(speed)) {
        rotate->m_fSpeed = speed;
        rotate->autorelease();
        return rotate;
    }
    delete rotate;
    return nullptr;
}

bool CRotateForever::initWithDuration(float speed)
{
    // One turn a second on both skew axes, scaled by the speed.
    if (!cocos2d::RotateBy::initWithDuration(1.0f, kTurn, kTurn))
        return false;
    m_fElapsed = 0.0f;
    m_fSpeed = speed;
    return true;
}

void CRotateForever::startWithTarget(cocos2d::Node* target)
{
    cocos2d::ActionInterval::startWithTarget(target);
    m_fStartAngleX = target->getRotationSkewX();
    m_fStartAngleY = target->getRotationSkewY();
}

void CRotateForever::step(float dt)
{
    // The elapsed time is kept within one turn: summed over hours in a float
    // it would swallow the frames' small steps, slowing the turn until it
    // stops.
    m_fElapsed += dt;
    if (m_fSpeed != 0.0f)
        m_fElapsed = std::fmod(m_fElapsed, 1.0f / std::fabs(m_fSpeed));
    update(m_fElapsed * m_fSpeed);
}

void CRotateForever::update(float time)
{
    if (_target == nullptr)
        return;
    if (time > 1.0f)
        time -= 1.0f;
    _target->setRotationSkewX(kTurn * time + m_fStartAngleX);
    _target->setRotationSkewY(kTurn * time + m_fStartAngleY);
}

bool CRotateForever::isDone() const
{
    return false;
}

CRotateForever* CRotateForever::clone() const
{
    return create(m_fSpeed);
}

CRotateForever* CRotateForever::reverse() const
{
    return create(-m_fSpeed);
}
