// Shared by the layout tests: small layout files written into the engine's
// writable folder and parsed through the file utilities, a scene set up as a
// 960 x 640 design shown at the same size (changed per test for adaptation),
// and a parsed layer that keeps what it is told and what its hooks hear.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "SceneTestFixture.h"
#include "layout/CParseJson.h"
#include "layout/CParseLayer.h"
#include "services/CAutoScreen.h"
#include "widgets/CSpriteButton.h"

// A screen that records the widgets it is told about and the hooks it hears.
class RecordingLayer : public CParseLayer {
public:
    static RecordingLayer* create()
    {
        RecordingLayer* layer = new RecordingLayer();
        layer->init();
        layer->autorelease();
        return layer;
    }
    void InitNodeInterface(cocos2d::Node* node) override { ++announced[node]; }
    bool TzTouchBegan(cocos2d::Vec2 point, int button) override
    {
        hooks.push_back(Hook{ "began", point, button });
        return claim;
    }
    void TzTouchMoved(cocos2d::Vec2 point, int button) override { hooks.push_back(Hook{ "moved", point, button }); }
    void TzTouchEnded(cocos2d::Vec2 point, int button) override { hooks.push_back(Hook{ "ended", point, button }); }
    void TzTouchScroll(cocos2d::Vec2 point, int button) override { hooks.push_back(Hook{ "scroll", point, button }); }
    void TzTouchCancel(cocos2d::Vec2 point, int button) override { hooks.push_back(Hook{ "cancel", point, button }); }
    void TzKeyMenuClick(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event*) override { keys.push_back(key); }

    struct Hook {
        std::string name;
        cocos2d::Vec2 point;
        int button;
    };
    std::map<cocos2d::Node*, int> announced;
    std::vector<Hook> hooks;
    std::vector<cocos2d::EventKeyboard::KeyCode> keys;
    bool claim = true;
};

class LayoutTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        screen(960, 640, false);
        folder = cocos2d::FileUtils::getInstance()->getWritablePath() + "layout_test/";
        cocos2d::FileUtils::getInstance()->createDirectory(folder);
    }

    void TearDown() override
    {
        CSpriteButton::m_pButtonLock = nullptr;
        CSpriteButton::m_pButtonMoved = nullptr;
        cocos2d::FileUtils::getInstance()->removeDirectory(folder);
        screen(960, 640, false);
        SceneTest::TearDown();
        log->release();
    }

    // The scene the adaptation sees, for a 960 x 640 design resolution.
    static void screen(float width, float height, bool resolute)
    {
        CAutoScreen::sceneResolute = cocos2d::Size(960, 640);
        CAutoScreen::SetSceneSize(width, height);
        CAutoScreen::SetResoluteBool(resolute);
        CAutoScreen::SetSceneScale(resolute ? height / 640 : width / 960);
    }

    // A layout file designed for 960 x 640 (unless told otherwise) around a root entry.
    static std::string document(const std::string& root, float width = 960, float height = 640)
    {
        return "{\"version\": \"1.2.0.1\", \"textures\": [], \"designWidth\": " + std::to_string(width) +
               ", \"designHeight\": " + std::to_string(height) + ", \"widgetTree\": " + root + "}";
    }

    // One widget entry.
    static std::string entry(const std::string& classname, const std::string& options,
                             const std::string& children = "")
    {
        return "{\"classname\": \"" + classname + "\", \"options\": {" + options + "}, \"children\": [" +
               children + "]}";
    }

    // Image entries at (100, 100), one per name, each followed by a comma.
    static std::string imagesAt100(std::initializer_list<const char*> names)
    {
        std::string out;
        for (const char* name : names)
            out += entry("ImageView", std::string("\"name\": \"") + name + "\", \"x\": 100, \"y\": 100") + ",";
        return out;
    }

    std::string write(const std::string& text, const std::string& name = "layout.json")
    {
        const std::string path = folder + name;
        cocos2d::FileUtils::getInstance()->writeStringToFile(text, path);
        return path;
    }

    cocos2d::Node* parse(const std::string& text, CParseLayer* layer)
    {
        return CParseJson::shareParseJson()->ParseLayerJsonFile(write(text).c_str(), layer);
    }

    // A recording layer in the scene with root's children parsed into it.
    RecordingLayer* screenWith(const std::string& children)
    {
        RecordingLayer* layer = RecordingLayer::create();
        scene->addChild(layer);
        parse(document(entry("Panel", "\"name\": \"root\"", children)), layer);
        return layer;
    }

    std::string folder;
    CallbackLog* log = new CallbackLog();
};
