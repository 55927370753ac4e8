// The parsed layer: finding widgets by layout name, the shortcuts on named
// widgets, button events routed to the screen's handlers, and mouse, touch and
// key input turned into the screen's hooks.
#include <string>

#include "LayoutTestFixture.h"
#include "widgets/CCLabelAtlasEx.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"

using cocos2d::EventKeyboard;
using cocos2d::Rect;
using cocos2d::Vec2;

namespace {

const char* const kButtonImage = R"("normalData": {"path": "stagecraft_fixtures/bar40x20.png", "resourceType": 0})";

std::string button(const std::string& name, float x, float y)
{
    return "{\"classname\": \"Button\", \"options\": {\"name\": \"" + name + "\", \"x\": " + std::to_string(x) +
           ", \"y\": " + std::to_string(y) + ", " + kButtonImage + "}}";
}

} // namespace

class ParsedLayerTest : public LayoutTest {
protected:
    void TearDown() override
    {
        other->release();
        LayoutTest::TearDown();
    }

    // A recording screen at (100, 50) in the scene.
    RecordingLayer* placedScreen(const std::string& children = "")
    {
        RecordingLayer* layer = screenWith(children);
        layer->setPosition(Vec2(100, 50));
        return layer;
    }

    // The mouse at a scene point (window pixels have their origin top-left).
    void mouseDown(Vec2 p, cocos2d::EventMouse::MouseButton b = cocos2d::EventMouse::MouseButton::BUTTON_LEFT)
    {
        view->handleMouseDown(p.x, kHeight - p.y, b);
    }
    void mouseUp(Vec2 p) { view->handleMouseUp(p.x, kHeight - p.y); }
    void mouseScroll(Vec2 p) { view->handleMouseScroll(p.x, kHeight - p.y, 0, 1); }

    static std::vector<std::string> names(const RecordingLayer* layer)
    {
        std::vector<std::string> out;
        for (const RecordingLayer::Hook& hook : layer->hooks)
            out.push_back(hook.name);
        return out;
    }

    CallbackLog* other = new CallbackLog();
};

// ---------------------------------------------------------------- finding

TEST_F(ParsedLayerTest, FindingByNameDepthFirstThroughScrollViews)
{
    RecordingLayer* layer = screenWith(
        entry("Panel", R"("name": "group", "tag": 1)", entry("ImageView", R"("name": "dup", "tag": 11)")) + "," +
        entry("ImageView", R"("name": "dup", "tag": 12)") + "," +
        entry("ScrollView", R"("name": "list", "width": 200, "height": 100, "innerWidth": 200, "innerHeight": 300)",
              entry("ImageView", R"("name": "in_list", "tag": 13)")));

    // The first match in depth-first child order: the one inside "group".
    ASSERT_NE(nullptr, layer->GetNodeWithName("dup"));
    EXPECT_EQ(11, layer->GetNodeWithName("dup")->getTag());
    cocos2d::Node* group = layer->GetNodeWithName("group");
    EXPECT_EQ(11, layer->GetNodeWithName("dup", group, 1)->getTag());
    EXPECT_EQ(nullptr, layer->GetNodeWithName("dup", nullptr, 1));

    // Inside a scroll view, through its container.
    cocos2d::Node* inList = layer->GetNodeWithName("in_list");
    ASSERT_NE(nullptr, inList);
    EXPECT_EQ(13, inList->getTag());
    EXPECT_EQ(dynamic_cast<CCScrollViewEx*>(layer->GetNodeWithName("list"))->getContainer(), inList->getParent());

    // Whole names only, case-sensitive.
    EXPECT_EQ(nullptr, layer->GetNodeWithName("du"));
    EXPECT_EQ(nullptr, layer->GetNodeWithName("DUP"));
    EXPECT_EQ(nullptr, layer->GetNodeWithName("missing"));

    // Below a node without a layout record nothing is found, not even a widget.
    cocos2d::Node* bare = cocos2d::Node::create();
    CSpriteImage* hidden = CSpriteImage::create();
    hidden->SetJsonName("hidden");
    bare->addChild(hidden);
    layer->addChild(bare, -1);
    EXPECT_EQ(nullptr, layer->GetNodeWithName("hidden"));
}

TEST_F(ParsedLayerTest, RemovingAndShowingByNameWithAnIndex)
{
    const std::string longName = "im_player_avatar_frame_seat_";
    RecordingLayer* layer = screenWith(
        entry("ImageView", R"("name": "item")") + "," + entry("ImageView", R"("name": "item3")") + "," +
        entry("ImageView", R"("name": "item30")") + "," + entry("ImageView", "\"name\": \"" + longName + "12345\"") +
        "," + button("bt_seat_of_a_player_number_7", 100, 100));

    layer->RemoveNodeWithName("item", 3);
    EXPECT_EQ(nullptr, layer->GetNodeWithName("item3"));
    EXPECT_NE(nullptr, layer->GetNodeWithName("item"));
    EXPECT_NE(nullptr, layer->GetNodeWithName("item30"));
    layer->RemoveNodeWithName("item");
    EXPECT_EQ(nullptr, layer->GetNodeWithName("item"));
    layer->RemoveNodeWithName("item", 4); // no such widget
    EXPECT_NE(nullptr, layer->GetNodeWithName("item30"));

    // Long names keep their whole index.
    layer->RemoveNodeWithName(longName, 12345);
    EXPECT_EQ(nullptr, layer->GetNodeWithName(longName + "12345"));
    CSpriteButton* seat = dynamic_cast<CSpriteButton*>(layer->GetNodeWithName("bt_seat_of_a_player_number_7"));
    ASSERT_NE(nullptr, seat);
    layer->SetButtonShowEnum("bt_seat_of_a_player_number_", 7, CSpriteButton::BUTTON_PRESSED);
    EXPECT_EQ(CSpriteButton::BUTTON_PRESSED, seat->GetButtonStatus());
    layer->SetButtonEnable("bt_seat_of_a_player_number_", false, 7);
    EXPECT_FALSE(seat->GetEnableTouch());
    EXPECT_EQ(CSpriteButton::BUTTON_DISABLED, seat->GetButtonStatus());
}

TEST_F(ParsedLayerTest, ShortcutsOnNamedWidgets)
{
    RecordingLayer* layer = screenWith(
        button("bt_ok", 100, 100) + "," + entry("Label", R"("name": "lb_name", "fontSize": 20)") + "," +
        entry("LabelAtlas", R"("name": "num", "stringValue": "0", "charMapFile": "m", "itemWidth": 16,
                               "itemHeight": 24, "startCharMap": "0",
                               "charMapFileData": {"path": "stagecraft_fixtures/charmap208x24.png"})") +
        "," + entry("ImageView", R"("name": "im_face")"));
    CSpriteButton* ok = dynamic_cast<CSpriteButton*>(layer->GetNodeWithName("bt_ok"));
    CSpriteLabel* name = dynamic_cast<CSpriteLabel*>(layer->GetNodeWithName("lb_name"));
    CCLabelAtlasEx* num = dynamic_cast<CCLabelAtlasEx*>(layer->GetNodeWithName("num"));
    CSpriteImage* face = dynamic_cast<CSpriteImage*>(layer->GetNodeWithName("im_face"));
    ASSERT_TRUE(ok && name && num && face);

    layer->SetButtonShowEnum("bt_ok", CSpriteButton::BUTTON_HOVER);
    EXPECT_EQ(CSpriteButton::BUTTON_HOVER, ok->GetButtonStatus());
    layer->SetButtonEnable("bt_ok", false);
    EXPECT_FALSE(ok->GetEnableTouch());
    layer->SetButtonStatusWithEnum("bt_ok", fixture("strip500x40.png"), 5, CSpriteButton::BUTTON_STRIP);
    EXPECT_FLOAT_EQ(100, ok->GetFrameWidth());

    layer->SetLabelStringEvent("lb_name", "player");
    EXPECT_EQ("player", name->getString());
    layer->SetLabelStringWithNumber("lb_name", -42);
    EXPECT_EQ("-42", name->getString());
    layer->SetLabelAtlasScore("num", 2048);
    EXPECT_EQ("2048", num->getString());

    layer->SetImageFile("im_face", fixture("bar40x20.png"));
    ASSERT_NE(nullptr, face->getTexture());
    EXPECT_SAME(face->getTextureRect(), Rect(0, 0, 40, 20));
    cocos2d::Texture2D* strip = director->getTextureCache()->addImage(fixture("strip500x40.png"));
    layer->SetImageTexture("im_face", strip, Rect(100, 0, 100, 40));
    EXPECT_EQ(strip, face->getTexture());
    EXPECT_SAME(face->getTextureRect(), Rect(100, 0, 100, 40));

    layer->SetNodeVisible("lb_name", false);
    EXPECT_FALSE(layer->GetNodeVisible("lb_name"));
    EXPECT_FALSE(name->isVisible());

    // Missing names and widgets of another class: nothing happens.
    layer->SetLabelStringEvent("bt_ok", "x");
    layer->SetButtonShowEnum("lb_name", CSpriteButton::BUTTON_PRESSED);
    layer->SetImageFile("missing", fixture("bar40x20.png"));
    layer->SetImageTexture("im_face", nullptr, Rect(0, 0, 1, 1));
    layer->SetNodeVisible("missing", false);
    EXPECT_FALSE(layer->GetNodeVisible("missing"));
    layer->SetLabelStringWithScore("lb_name", 5, 0);
    layer->SetBoxEditWithText("lb_name", "x");
    EXPECT_EQ("-42", name->getString());
    EXPECT_EQ(strip, face->getTexture());
}

// ---------------------------------------------------------------- button events

TEST_F(ParsedLayerTest, ButtonEventsReachTheScreensHandlers)
{
    RecordingLayer* layer =
        screenWith(button("bt_a", 200, 200) + "," + button("bt_b", 400, 200) + "," + button("bt_c", 600, 200));

    // Without handlers the layer takes the events and calls nothing.
    tap(Vec2(200, 200));
    layer->SetSelectorBegan(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Began));
    layer->SetSelectorMoved(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Moved));
    layer->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
    tap(Vec2(200, 200));
    EXPECT_EQ((std::vector<std::string>{ "began bt_a", "ended bt_a" }), log->log);
    layer->ccParseLayerButtonMoved(layer->GetNodeWithName("bt_c"));
    EXPECT_EQ(1, log->count("moved bt_c"));

    // One button's own handler for another target: it no longer reports to the layer at all.
    layer->SetButtonTouchEndedEvent("bt_b", other, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
    log->log.clear();
    tap(Vec2(400, 200));
    EXPECT_TRUE(log->log.empty());
    EXPECT_EQ((std::vector<std::string>{ "ended bt_b" }), other->log);
    // For the layer itself the others stay.
    layer->SetButtonTouchEndedEvent("bt_c", layer, CC_CALLFUNCN_SELECTOR(CParseLayer::ccParseLayerButtonEnded));
    tap(Vec2(600, 200));
    EXPECT_EQ((std::vector<std::string>{ "began bt_c", "ended bt_c" }), log->log);

    // Every button, also below a node without a layout record.
    cocos2d::Node* bare = cocos2d::Node::create();
    CSpriteButton* loose = CSpriteButton::create(fixture("bar40x20.png"), 1, CSpriteButton::BUTTON_NORMAL);
    loose->setName("loose");
    loose->setPosition(Vec2(800, 400));
    bare->addChild(loose);
    layer->addChild(bare);
    other->log.clear();
    layer->SetAllButtonTouchBeganEvent(other, CC_CALLFUNCN_SELECTOR(CallbackLog::Began));
    for (Vec2 p : { Vec2(200, 200), Vec2(400, 200), Vec2(800, 400) })
        tap(p);
    // (bt_b still has its own ended handler.)
    EXPECT_EQ((std::vector<std::string>{ "began bt_a", "began bt_b", "ended bt_b", "began loose" }), other->log);
    layer->SetAllButtonTouchEndedEvent(other, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended), bare, 1);
    layer->SetAllButtonTouchMovedEvent(other, CC_CALLFUNCN_SELECTOR(CallbackLog::Moved), nullptr, 1);
    other->log.clear();
    tap(Vec2(800, 400));
    EXPECT_EQ((std::vector<std::string>{ "began loose", "ended loose" }), other->log);
}

// ---------------------------------------------------------------- input

TEST_F(ParsedLayerTest, MouseInputInNodeSpaceWhileAPressIsActive)
{
    RecordingLayer* layer = placedScreen();
    layer->RegisterTouchOrMouse();

    // Without a press first, moves and releases reach no hook.
    mouseMove(Vec2(300, 250));
    mouseUp(Vec2(300, 250));
    EXPECT_TRUE(layer->hooks.empty());

    mouseDown(Vec2(300, 250));
    EXPECT_TRUE(layer->GetTouchActive());
    mouseMove(Vec2(310, 260));
    mouseUp(Vec2(320, 270));
    EXPECT_FALSE(layer->GetTouchActive());
    mouseMove(Vec2(330, 280));
    ASSERT_EQ((std::vector<std::string>{ "began", "moved", "ended" }), names(layer));
    EXPECT_SAME(layer->hooks[0].point, Vec2(200, 200));
    EXPECT_SAME(layer->hooks[1].point, Vec2(210, 210));
    EXPECT_SAME(layer->hooks[2].point, Vec2(220, 220));
    EXPECT_EQ(0, layer->hooks[0].button);

    // The right button is passed on; the wheel always reaches its hook.
    layer->hooks.clear();
    mouseDown(Vec2(300, 250), cocos2d::EventMouse::MouseButton::BUTTON_RIGHT);
    EXPECT_EQ(1, layer->hooks.back().button);
    mouseUp(Vec2(300, 250));
    mouseScroll(Vec2(150, 100));
    ASSERT_EQ((std::vector<std::string>{ "began", "ended", "scroll" }), names(layer));
    EXPECT_SAME(layer->hooks[2].point, Vec2(50, 50));
}

TEST_F(ParsedLayerTest, PressesRefusedWhileLockedElsewhereOrHidden)
{
    RecordingLayer* layer = placedScreen();
    layer->RegisterTouchOrMouse();
    RecordingLayer* rival = RecordingLayer::create();
    scene->addChild(rival);

    CSpriteButton::m_pButtonLock = rival;
    mouseDown(Vec2(300, 250));
    mouseMove(Vec2(310, 250));
    mouseUp(Vec2(300, 250));
    EXPECT_TRUE(layer->hooks.empty());
    cocos2d::Touch touch;
    touch.setTouchInfo(1, 300, kHeight - 250);
    EXPECT_FALSE(layer->OnTouchBegan(&touch, nullptr));
    EXPECT_FALSE(layer->GetTouchActive());

    // Its own lock does not keep it out.
    CSpriteButton::m_pButtonLock = layer;
    mouseDown(Vec2(300, 250));
    EXPECT_EQ(1u, layer->hooks.size());
    mouseUp(Vec2(300, 250));

    // Hidden, or below a hidden parent: refused.
    CSpriteButton::m_pButtonLock = nullptr;
    layer->hooks.clear();
    cocos2d::Node* holder = cocos2d::Node::create();
    scene->addChild(holder);
    layer->retain();
    layer->removeFromParent();
    holder->addChild(layer);
    layer->release();
    holder->setVisible(false);
    mouseDown(Vec2(300, 250));
    EXPECT_FALSE(layer->OnTouchBegan(&touch, nullptr));
    EXPECT_TRUE(layer->hooks.empty());

    // A layer that goes away gives up the lock it held.
    CSpriteButton::m_pButtonLock = rival;
    rival->removeFromParent();
    frames(1, 0.0f);
    EXPECT_EQ(nullptr, CSpriteButton::m_pButtonLock);
}

TEST_F(ParsedLayerTest, TouchesInWorldCoordinates)
{
    RecordingLayer* layer = placedScreen();
    cocos2d::EventListenerTouchOneByOne* listener = cocos2d::EventListenerTouchOneByOne::create();
    listener->onTouchBegan = CC_CALLBACK_2(CParseLayer::OnTouchBegan, layer);
    listener->onTouchMoved = CC_CALLBACK_2(CParseLayer::OnTouchMoved, layer);
    listener->onTouchEnded = CC_CALLBACK_2(CParseLayer::OnTouchEnded, layer);
    listener->onTouchCancelled = CC_CALLBACK_2(CParseLayer::OnTouchCancel, layer);
    director->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, layer);

    touchBegin(Vec2(300, 250));
    EXPECT_TRUE(layer->GetTouchActive());
    touchMove(Vec2(310, 250));
    touchEnd(Vec2(320, 250));
    EXPECT_FALSE(layer->GetTouchActive());
    ASSERT_EQ((std::vector<std::string>{ "began", "moved", "ended" }), names(layer));
    EXPECT_SAME(layer->hooks[0].point, Vec2(300, 250));
    EXPECT_SAME(layer->hooks[2].point, Vec2(320, 250));
    EXPECT_EQ(0, layer->hooks[1].button);

    // A screen that does not claim the touch hears nothing more of it.
    layer->hooks.clear();
    layer->claim = false;
    tap(Vec2(300, 250));
    EXPECT_EQ((std::vector<std::string>{ "began" }), names(layer));

    cocos2d::Touch touch;
    touch.setTouchInfo(1, 300, kHeight - 250);
    layer->OnTouchCancel(&touch, nullptr);
    EXPECT_EQ("cancel", layer->hooks.back().name);
    EXPECT_FALSE(layer->GetTouchActive());
}

TEST_F(ParsedLayerTest, EveryKeyStrokeArrivesOnPressAndOnRelease)
{
    RecordingLayer* layer = placedScreen();
    layer->RegisterKeyMenuClick();
    view->handleKey(EventKeyboard::KeyCode::KEY_ESCAPE, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_ESCAPE, false);
    EXPECT_EQ((std::vector<EventKeyboard::KeyCode>{ EventKeyboard::KeyCode::KEY_ESCAPE,
                                                    EventKeyboard::KeyCode::KEY_ESCAPE }),
              layer->keys);
    layer->onKeyRelease(EventKeyboard::KeyCode::KEY_F1, nullptr);
    EXPECT_EQ(EventKeyboard::KeyCode::KEY_F1, layer->keys.back());
}
