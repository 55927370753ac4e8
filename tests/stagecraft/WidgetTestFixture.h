// Shared by the widget tests: the engine tests' director with a 960 x 640
// window running a scene, input entering through the view as a desktop
// window delivers it, and time passing through the main loop. The images are
// real PNG files in "stagecraft_fixtures/" beside the programs.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cocos2d.h"

#include "../engine/EngineTestFixture.h"

class WidgetTest : public EngineTest {
protected:
    static constexpr float kHeight = 640;

    // Touch phases at a scene point (origin bottom-left); the view takes
    // window pixels with the origin top-left.
    void touchBegin(cocos2d::Vec2 p, intptr_t id = 1) { touch(0, p, id); }
    void touchMove(cocos2d::Vec2 p, intptr_t id = 1) { touch(1, p, id); }
    void touchEnd(cocos2d::Vec2 p, intptr_t id = 1) { touch(2, p, id); }
    void tap(cocos2d::Vec2 p, intptr_t id = 1)
    {
        touchBegin(p, id);
        touchEnd(p, id);
    }
    void mouseMove(cocos2d::Vec2 p) { view->handleMouseMove(p.x, kHeight - p.y); }

    static std::string fixture(const std::string& name) { return "stagecraft_fixtures/" + name; }

private:
    void touch(int phase, cocos2d::Vec2 p, intptr_t id)
    {
        float x = p.x;
        float y = kHeight - p.y;
        switch (phase) {
        case 0: view->handleTouchesBegin(1, &id, &x, &y); break;
        case 1: view->handleTouchesMove(1, &id, &x, &y); break;
        default: view->handleTouchesEnd(1, &id, &x, &y); break;
        }
    }
};

// Collects the callbacks a widget makes, as "<event> <node name>".
class CallbackLog : public cocos2d::Ref {
public:
    void Began(cocos2d::Node* node) { log.push_back("began " + node->getName()); }
    void Moved(cocos2d::Node* node) { log.push_back("moved " + node->getName()); }
    void Ended(cocos2d::Node* node) { log.push_back("ended " + node->getName()); }
    void LongPressed(cocos2d::Node* node) { log.push_back("long " + node->getName()); }
    void LongPressedEnded(cocos2d::Node* node) { log.push_back("long-ended " + node->getName()); }
    int count(const std::string& entry) const
    {
        int n = 0;
        for (const std::string& e : log)
            n += e == entry ? 1 : 0;
        return n;
    }
    std::vector<std::string> log;
};
