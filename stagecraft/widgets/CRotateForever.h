// Turns a node endlessly at a given speed (turns per second).
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CRotateForever : public cocos2d::RotateBy {
public:
    static CRotateForever* create(float speed);

    CRotateForever();
    bool initWithDuration(float speed);

    void startWithTarget(cocos2d::Node* target) override;
    void step(float dt) override;
    void update(float time) override;
    bool isDone() const override;
    CRotateForever* clone() const override;
    CRotateForever* reverse() const override;

private:
    float m_fStartAngleX;
    float m_fStartAngleY;
    float m_fElapsed;
    float m_fSpeed;
};
