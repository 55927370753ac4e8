#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "cocos2d.h"

#include "services/CAutoScreen.h"

// A director with a 960 x 640 window (design resolution and scene size the
// same) running an empty scene. Input goes in through the view as a window
// delivers it; positions are given in scene points (origin bottom left) and
// turned into window pixels here. Time passes through the director's frames.
class SceneTest : public ::testing::Test
{
protected:
    static constexpr float kHeight = 640;

    void SetUp() override
    {
        director = cocos2d::Director::getInstance();
        view = cocos2d::GLViewImpl::createWithRect("stagecraft test", cocos2d::Rect(0, 0, 960, kHeight));
        director->setOpenGLView(view);
        view->setDesignResolutionSize(960, kHeight, ResolutionPolicy::SHOW_ALL);
        CAutoScreen::SetSceneSize(960, kHeight);
        scene = cocos2d::Scene::create();
        director->runWithScene(scene);
        director->mainLoop(0.0f);
    }

    void TearDown() override
    {
        director->end();
        director->mainLoop(0.0f);
    }

    void frames(int count, float dt)
    {
        for (int i = 0; i < count; ++i)
            director->mainLoop(dt);
    }

    void touchBegin(cocos2d::Vec2 p) { touch(&cocos2d::GLView::handleTouchesBegin, p); }
    void touchMove(cocos2d::Vec2 p) { touch(&cocos2d::GLView::handleTouchesMove, p); }
    void touchEnd(cocos2d::Vec2 p) { touch(&cocos2d::GLView::handleTouchesEnd, p); }
    void touchCancel(cocos2d::Vec2 p) { touch(&cocos2d::GLView::handleTouchesCancel, p); }
    void tap(cocos2d::Vec2 p)
    {
        touchBegin(p);
        touchEnd(p);
    }
    void mouseMove(cocos2d::Vec2 p) { view->handleMouseMove(p.x, kHeight - p.y); }

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

    cocos2d::Director* director = nullptr;
    cocos2d::GLView* view = nullptr;
    cocos2d::Scene* scene = nullptr;

private:
    void touch(void (cocos2d::GLView::*handler)(int, intptr_t[], float[], float[]), cocos2d::Vec2 p)
    {
        intptr_t id = 1;
        float x = p.x;
        float y = kHeight - p.y;
        (view->*handler)(1, &id, &x, &y);
    }
};
