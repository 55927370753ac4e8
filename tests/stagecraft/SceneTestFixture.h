// The widget tests' scene with the screen adaptation set up for it (the scene
// size is the window's) and drags made of small steps.
#pragma once

#include "WidgetTestFixture.h"
#include "services/CAutoScreen.h"

class SceneTest : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        CAutoScreen::SetSceneSize(960, kHeight);
    }

    // A drag in steps of at most 10 points, one frame of dt after each step.
    void drag(cocos2d::Vec2 from, cocos2d::Vec2 to, float dt = 1.0f / 60)
    {
        touchBegin(from);
        const float length = from.distance(to);
        const int steps = length > 0 ? static_cast<int>(length / 10.0f) + 1 : 0;
        for (int i = 1; i <= steps; ++i) {
            touchMove(from + (to - from) * (static_cast<float>(i) / steps));
            frames(1, dt);
        }
        touchEnd(to);
    }
};
