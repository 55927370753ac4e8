// Blinks a node between a colour and white instead of hiding it.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API ColorBlinkAction : public cocos2d::Blink {
public:
    static ColorBlinkAction* create(const cocos2d::Color3B& colour, float duration, int blinks);

    explicit ColorBlinkAction(const cocos2d::Color3B& colour);

    void update(float time) override;
    ColorBlinkAction* clone() const override;
    bool isFirstTick() const { return _firstTick; }

private:
    cocos2d::Color3B m_sBlinkColor;
};
