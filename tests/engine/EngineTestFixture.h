#pragma once

#include <gtest/gtest.h>
#include "GeometryExpect.h"
#include "cocos2d.h"


// A director with a 960 x 640 window (design resolution the same, SHOW_ALL)
// running an empty scene. Each test ends the director, which clears the
// scene, timers, actions and listeners for the next one.
class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        director = cocos2d::Director::getInstance();
        view = cocos2d::GLViewImpl::createWithRect("engine test", cocos2d::Rect(0, 0, 960, 640));
        director->setOpenGLView(view);
        view->setDesignResolutionSize(960, 640, ResolutionPolicy::SHOW_ALL);
        scene = cocos2d::Scene::create();
        director->runWithScene(scene);
        director->mainLoop(0.0f); // the scene starts running in this frame
    }

    void TearDown() override
    {
        director->end();
        director->mainLoop(0.0f);
    }

    // Frames of dt seconds.
    void frames(int count, float dt)
    {
        for (int i = 0; i < count; ++i)
            director->mainLoop(dt);
    }

    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;
};
