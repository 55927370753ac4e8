// Blinks a node between a colour and white instead of hiding it; the node
// gets its own colour back when the action stops.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API ColorBlinkAction : public cocos2d::Blink {
public:
    static ColorBlinkAction* create(const cocos2d::Color3B& colour, float duration, int blinks);

    explicit ColorBlinkAction(const cocos2d::Color3B& colour);

    void startWithTarget(cocos2d::Node* target) override;
    void update(float time) override;
    void stop() override;
    ColorBlinkAction* clone() const override;
    bool isFirstTick() const { return _firstTick; }

private:
    cocos2d::Color3B m_sBlinkColor;
    cocos2d::Color3B m_sTargetColor;
};
