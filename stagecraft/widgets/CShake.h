// Shakes a node around its position with an amplitude growing from nothing to
// the full strength over the duration; the node is back in place at the end.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CShake : public cocos2d::ActionInterval {
public:
    static CShake* create(float duration, float strength);
    static CShake* createWithStrength(float duration, float strengthX, float strengthY);

    CShake();
    bool initWithDuration(float duration, float strengthX, float strengthY);

    void startWithTarget(cocos2d::Node* target) override;
    void update(float time) override;
    void stop() override;
    CShake* clone() const override;
    CShake* reverse() const override;

private:
    float m_fInitialX;
    float m_fInitialY;
    float m_fStrengthX;
    float m_fStrengthY;
};
