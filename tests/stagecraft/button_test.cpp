// The sprite button: looks cut from a strip, toggling, scale and tint
// feedback, one press at a time across the scene, scroll claiming, drift,
// long press, hover by the mouse, label and background, grey scale.
#include <cstdlib>
#include <string>
#include <vector>

#include "WidgetTestFixture.h"
#include "renderer/CCSoftwareRenderer.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteLabel.h"

using cocos2d::Rect;
using cocos2d::Size;
using cocos2d::Vec2;

class ButtonTest : public WidgetTest {
protected:
    void TearDown() override
    {
        CSpriteButton::m_bScroll = false;
        WidgetTest::TearDown();
        log->release();
    }

    // A five-frame strip button (100 x 40) centred at pos, reporting to the log.
    CSpriteButton* stripButton(const std::string& name, Vec2 pos, cocos2d::Node* parent = nullptr)
    {
        CSpriteButton* button = CSpriteButton::create(fixture("strip500x40.png"), 5, CSpriteButton::BUTTON_STRIP);
        button->setName(name);
        button->setPosition(pos);
        button->SetSelectorBegan(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Began));
        button->SetSelectorMoved(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Moved));
        button->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
        (parent != nullptr ? parent : scene)->addChild(button);
        return button;
    }

    CallbackLog* log = new CallbackLog();
};

TEST_F(ButtonTest, StripFramesAndLoadingLimits)
{
    CSpriteButton* button = stripButton("strip", Vec2(200, 200));
    EXPECT_FLOAT_EQ(button->GetFrameWidth(), 100);
    EXPECT_FLOAT_EQ(button->GetFrameHeight(), 40);
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_SAME(button->getTextureRect(), Rect(0, 0, 100, 40));
    EXPECT_SAME(button->getContentSize(), Size(100, 40));
    const struct {
        CSpriteButton::BUTTON_ENUM state;
        float x;
    } looks[] = { { CSpriteButton::BUTTON_HOVER, 300 }, { CSpriteButton::BUTTON_SELECTED, 200 },
                  { CSpriteButton::BUTTON_DISABLED, 400 }, { CSpriteButton::BUTTON_PRESSED, 100 },
                  { CSpriteButton::BUTTON_NORMAL, 0 } };
    for (const auto& look : looks) {
        button->SetButtonShowEnum(look.state);
        EXPECT_SAME(button->getTextureRect(), Rect(look.x, 0, 100, 40)) << look.state;
    }

    // A count of 0 or below loads nothing; a single picture for a state
    // other than by count 1 changes no look but is still shown.
    CSpriteButton* empty = CSpriteButton::create(fixture("strip500x40.png"), 0, CSpriteButton::BUTTON_STRIP);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->GetStateSprite(CSpriteButton::BUTTON_NORMAL), nullptr);
    EXPECT_FLOAT_EQ(empty->GetFrameWidth(), 0);
    empty->SetButtonFileStatus(fixture("strip500x40.png"), -3, CSpriteButton::BUTTON_STRIP);
    EXPECT_EQ(empty->GetStateSprite(CSpriteButton::BUTTON_NORMAL), nullptr);
    empty->SetButtonFileStatus(fixture("strip500x40.png"), 2, CSpriteButton::BUTTON_PRESSED);
    EXPECT_EQ(empty->GetStateSprite(CSpriteButton::BUTTON_PRESSED), nullptr);
    EXPECT_EQ(empty->GetButtonStatus(), CSpriteButton::BUTTON_PRESSED);
    empty->SetButtonFileStatus(fixture("missing.png"), 5, CSpriteButton::BUTTON_STRIP);
    EXPECT_EQ(empty->GetStateSprite(CSpriteButton::BUTTON_NORMAL), nullptr);

    // A two-frame strip has no hover frame: none is cut beyond its end.
    CSpriteButton* two = CSpriteButton::create(fixture("strip500x40.png"), 2, CSpriteButton::BUTTON_STRIP);
    EXPECT_FLOAT_EQ(two->GetFrameWidth(), 250);
    ASSERT_NE(two->GetStateSprite(CSpriteButton::BUTTON_PRESSED), nullptr);
    EXPECT_SAME(two->GetStateSprite(CSpriteButton::BUTTON_PRESSED)->getTextureRect(), Rect(250, 0, 250, 40));
    EXPECT_EQ(two->GetStateSprite(CSpriteButton::BUTTON_HOVER), nullptr);
    two->SetButtonShowEnum(CSpriteButton::BUTTON_HOVER);
    EXPECT_SAME(two->getTextureRect(), Rect(0, 0, 250, 40));
}

TEST_F(ButtonTest, ToggleFlipsOnEveryClick)
{
    // Without a normal look there is nothing to cut the toggled look from.
    CSpriteButton* bare = CSpriteButton::create();
    bare->SetButtonToggleWithIndex(2);
    EXPECT_FALSE(bare->GetEnableToggle());
    EXPECT_EQ(bare->GetToggleSprite(), nullptr);

    CSpriteButton* button = stripButton("toggle", Vec2(200, 200));
    button->SetButtonToggleWithIndex(5); // beyond the five frames
    EXPECT_FALSE(button->GetEnableToggle());
    button->SetButtonToggleWithIndex(2);
    ASSERT_TRUE(button->GetEnableToggle());
    tap(Vec2(200, 200));
    EXPECT_TRUE(button->GetToggle());
    EXPECT_SAME(button->getTextureRect(), Rect(200, 0, 100, 40));
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(button->getColor(), cocos2d::Color3B::WHITE);
    // The pointer passing over and away keeps the toggled look.
    mouseMove(Vec2(200, 200));
    mouseMove(Vec2(600, 600));
    EXPECT_SAME(button->getTextureRect(), Rect(200, 0, 100, 40));
    tap(Vec2(200, 200));
    EXPECT_FALSE(button->GetToggle());
    EXPECT_SAME(button->getTextureRect(), Rect(0, 0, 100, 40));
    EXPECT_EQ(log->count("ended toggle"), 2);

    // A toggled look from a file of its own, with its own looks.
    CSpriteButton* fileToggle = stripButton("file", Vec2(500, 200));
    fileToggle->SetButtonToggleFile(fixture("bar40x20.png"), 1, CSpriteButton::BUTTON_NORMAL);
    fileToggle->SetEnableToggle(true);
    EXPECT_SAME(fileToggle->getTextureRect(), Rect(0, 0, 40, 20));
    fileToggle->SetButtonShowEnum(CSpriteButton::BUTTON_PRESSED);
    EXPECT_SAME(fileToggle->getTextureRect(), Rect(100, 0, 100, 40));
}

TEST_F(ButtonTest, ScaleFeedbackFollowsThePress)
{
    CSpriteButton* button = stripButton("scale", Vec2(200, 200));
    button->SetSelectType(CSpriteButton::SELECT_SCALE);
    EXPECT_FLOAT_EQ(button->GetConstScaleX(), 1);
    touchBegin(Vec2(210, 205));
    EXPECT_FLOAT_EQ(button->getScaleX(), 1.2f);
    EXPECT_FLOAT_EQ(button->getScaleY(), 1.2f);
    EXPECT_TRUE(button->GetButtonSelect());
    EXPECT_EQ(CSpriteButton::m_pButtonLock, button);
    touchEnd(Vec2(210, 205));
    EXPECT_FLOAT_EQ(button->getScaleX(), 1);
    EXPECT_FLOAT_EQ(button->getScaleY(), 1);
    EXPECT_EQ(CSpriteButton::m_pButtonLock, nullptr);
    EXPECT_EQ(log->log, (std::vector<std::string>{ "began scale", "ended scale" }));

    // Colour feedback tints while pressed.
    button->SetSelectType(CSpriteButton::SELECT_COLOR);
    touchBegin(Vec2(200, 200));
    EXPECT_EQ(button->getColor(), cocos2d::Color3B::GRAY);
    touchEnd(Vec2(200, 200));
    EXPECT_EQ(button->getColor(), cocos2d::Color3B::WHITE);
}

TEST_F(ButtonTest, OnePressAtATimeAndDisabledRefuses)
{
    CSpriteButton* a = stripButton("a", Vec2(200, 200));
    CSpriteButton* b = stripButton("b", Vec2(400, 200));
    touchBegin(Vec2(200, 200), 1);
    touchBegin(Vec2(400, 200), 2);
    EXPECT_FALSE(b->GetButtonSelect());
    touchEnd(Vec2(400, 200), 2);
    touchEnd(Vec2(200, 200), 1);
    EXPECT_EQ(log->log, (std::vector<std::string>{ "began a", "ended a" }));
    tap(Vec2(400, 200));
    EXPECT_EQ(log->count("ended b"), 1);

    b->SetEnableTouch(false);
    EXPECT_SAME(b->getTextureRect(), Rect(400, 0, 100, 40));
    EXPECT_FALSE(b->TzTouchBegan(Vec2(50, 20), 0));
    b->setVisible(false);
    b->SetEnableTouch(true);
    EXPECT_FALSE(b->TzTouchBegan(Vec2(50, 20), 0));
    b->setVisible(true);
    // The right mouse button is ignored in every phase.
    EXPECT_FALSE(a->TzTouchBegan(Vec2(50, 20), 1));
    a->TzTouchMoved(Vec2(50, 20), 1);
    EXPECT_EQ(a->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    view->handleMouseDown(200, kHeight - 200, cocos2d::EventMouse::MouseButton::BUTTON_RIGHT);
    view->handleMouseUp(200, kHeight - 200, cocos2d::EventMouse::MouseButton::BUTTON_RIGHT);
    EXPECT_EQ(log->count("began a"), 1);
}

TEST_F(ButtonTest, ScrollingClaimsWithoutFeedback)
{
    CSpriteButton* button = stripButton("scroll", Vec2(200, 200));
    CSpriteButton::m_bScroll = true;
    EXPECT_TRUE(button->TzTouchBegan(Vec2(50, 20), 0));
    touchBegin(Vec2(200, 200));
    EXPECT_FALSE(button->GetButtonSelect());
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    touchMove(Vec2(205, 200));
    touchEnd(Vec2(205, 200));
    EXPECT_TRUE(log->log.empty());
    EXPECT_EQ(CSpriteButton::m_pButtonLock, nullptr);
}

TEST_F(ButtonTest, PressToleratesHalfItsSizeOfDrift)
{
    CSpriteButton* button = stripButton("drift", Vec2(200, 200)); // node origin at (150, 180)
    touchBegin(Vec2(200, 200));
    touchMove(Vec2(150 - 50 + 1, 180 + 20));
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_PRESSED);
    EXPECT_EQ(button->GetSelectorPoint(), Vec2(-49, 20));
    touchEnd(Vec2(150 - 50 + 1, 180 + 20));
    EXPECT_EQ(log->count("ended drift"), 1);

    // Further out it lets go of the look and, released there, of the click.
    touchBegin(Vec2(200, 200));
    touchMove(Vec2(150 - 51, 200));
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, nullptr);
    touchEnd(Vec2(150 - 51, 200));
    EXPECT_EQ(log->count("ended drift"), 1);
    EXPECT_EQ(log->count("moved drift"), 2);
}

TEST_F(ButtonTest, LongPressThenEnded)
{
    CSpriteButton* button = stripButton("long", Vec2(200, 200));
    button->setLongPressedCallback(log, CC_CALLFUNCN_SELECTOR(CallbackLog::LongPressed));
    button->setLongPressedEndedCallback(log, CC_CALLFUNCN_SELECTOR(CallbackLog::LongPressedEnded));
    touchBegin(Vec2(200, 200));
    frames(1, 0.0f);
    frames(4, 0.1f);
    EXPECT_EQ(log->count("long long"), 0);
    frames(4, 0.1f);
    EXPECT_EQ(log->count("long long"), 1);
    touchEnd(Vec2(200, 200));
    EXPECT_EQ(log->log,
              (std::vector<std::string>{ "began long", "long long", "long-ended long", "ended long" }));

    // A press that becomes the drag of a list fires neither.
    log->log.clear();
    touchBegin(Vec2(200, 200));
    frames(3, 0.1f);
    CSpriteButton::m_bScroll = true;
    touchMove(Vec2(200, 230));
    frames(10, 0.1f);
    touchEnd(Vec2(200, 230));
    CSpriteButton::m_bScroll = false;
    EXPECT_EQ(log->log, (std::vector<std::string>{ "began long" }));

    // A short press fires neither.
    log->log.clear();
    touchBegin(Vec2(200, 200));
    frames(3, 0.1f);
    touchEnd(Vec2(200, 200));
    EXPECT_EQ(log->log, (std::vector<std::string>{ "began long", "ended long" }));
}

TEST_F(ButtonTest, ButtonLeavingMidPressGivesUpTheLock)
{
    cocos2d::Layer* layer = cocos2d::Layer::create();
    scene->addChild(layer);
    stripButton("leaving", Vec2(200, 200), layer);
    CSpriteButton* other = stripButton("other", Vec2(400, 200));
    touchBegin(Vec2(200, 200));
    mouseMove(Vec2(200, 200));
    EXPECT_NE(CSpriteButton::m_pButtonLock, nullptr);
    // A server message closes the layer while the finger is still down.
    layer->removeFromParent();
    EXPECT_EQ(CSpriteButton::m_pButtonLock, nullptr);
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, nullptr);
    touchEnd(Vec2(200, 200));
    tap(Vec2(400, 200));
    EXPECT_EQ(log->count("ended other"), 1);
    EXPECT_EQ(other->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
}

TEST_F(ButtonTest, MouseHoverAndItsOwner)
{
    CSpriteButton* button = stripButton("hover", Vec2(200, 200));
    mouseMove(Vec2(210, 200));
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_HOVER);
    EXPECT_SAME(button->getTextureRect(), Rect(300, 0, 100, 40));
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, button);
    mouseMove(Vec2(600, 200));
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, nullptr);

    // While another node owns the hover only the buttons inside it track.
    cocos2d::Node* panel = cocos2d::Node::create();
    scene->addChild(panel);
    CSpriteButton* inside = stripButton("inside", Vec2(400, 200), panel);
    CSpriteButton::m_pButtonMoved = panel;
    mouseMove(Vec2(200, 200));
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    mouseMove(Vec2(400, 200));
    EXPECT_EQ(inside->GetButtonStatus(), CSpriteButton::BUTTON_HOVER);
    // A button disabled by its own click hands the hover on.
    CSpriteButton::m_pButtonMoved = nullptr;
    mouseMove(Vec2(200, 200));
    ASSERT_EQ(CSpriteButton::m_pButtonMoved, button);
    button->SetEnableTouch(false);
    mouseMove(Vec2(205, 200));
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, nullptr);
    mouseMove(Vec2(400, 200));
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, inside);
    // A hidden ancestor gives the hover up.
    CSpriteButton::m_pButtonMoved = inside;
    panel->setVisible(false);
    mouseMove(Vec2(400, 200));
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, nullptr);
}

TEST_F(ButtonTest, LabelOnBackgroundAndColours)
{
    CSpriteButton* button = CSpriteButton::create(fixture("bar40x20.png"), "OK", "Arial", 20);
    ASSERT_NE(button, nullptr);
    scene->addChild(button);
    CSpriteLabel* label = button->GetLabel();
    ASSERT_NE(label, nullptr);
    ASSERT_NE(button->GetScale9(), nullptr);
    EXPECT_EQ(label->getLocalZOrder(), 100);
    const Size text = label->getContentSize();
    EXPECT_GT(text.width, 10);
    // The background is never smaller than its picture.
    EXPECT_SAME(button->getContentSize(), Size(std::max(text.width, 40.0f), std::max(text.height, 20.0f)));

    button->SetScale9RelativeSize(Size(60, 30));
    const Size size(60 + text.width, 30 + text.height);
    EXPECT_SAME(button->getContentSize(), size);
    EXPECT_SAME(button->GetScale9()->getContentSize(), size);
    EXPECT_EQ(label->getPosition(), Vec2(size.width / 2, size.height / 2));
    EXPECT_EQ(button->GetScale9()->getPosition(), Vec2(size.width / 2, size.height / 2));

    // Tints reach the label through cascading colour.
    button->SetButtonShowEnum(CSpriteButton::BUTTON_PRESSED);
    EXPECT_EQ(label->getDisplayedColor(), cocos2d::Color3B::GRAY);
    button->SetColorNormal(cocos2d::Color3B::RED);
    EXPECT_EQ(label->getColor(), cocos2d::Color3B::RED);
    EXPECT_EQ(button->GetScale9()->getColor(), cocos2d::Color3B::WHITE);
    button->SetButtonShowEnum(CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(button->getColor(), cocos2d::Color3B::RED);
}

TEST_F(ButtonTest, GreyScaleDrawsItsOwnQuad)
{
    CSpriteButton* button = stripButton("grey", Vec2(200, 200));
    cocos2d::GLProgramState* plain = button->getGLProgramState();
    button->SetGreyScale(true);
    EXPECT_TRUE(button->GetGreyScale());
    EXPECT_NE(button->getGLProgramState(), plain);
    frames(1, 0.016f);
    const GLuint texture = button->getTexture()->getName();
    int quads = 0;
    for (const auto& command : director->getRenderer()->getLastFrameCommands())
        quads += command.type == cocos2d::RenderCommand::Type::QUAD_COMMAND && command.textureID == texture;
    EXPECT_EQ(quads, 1);

    button->SetGreyScale(false);
    EXPECT_FALSE(button->GetGreyScale());
    EXPECT_EQ(button->getGLProgramState(), cocos2d::GLProgramState::getOrCreateWithGLProgramName(
                                               cocos2d::GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));
}

// What a player sees: the grey button drawn in greys of the same brightness
// as its normal twin's colours.
TEST_F(ButtonTest, GreyScaleButtonIsDrawnGreyBesideItsColouredTwin)
{
    stripButton("normal", Vec2(200, 200));
    CSpriteButton* grey = stripButton("grey", Vec2(400, 200));
    grey->SetGreyScale(true);
    frames(1, 0.016f);
    const cocos2d::SoftwareTarget& frame = director->getRenderer()->getSoftwareRenderer()->getTarget();
    auto pixel = [&](float x, float y) {
        const unsigned char* p = frame.getPixels() +
                                 (static_cast<size_t>(frame.getHeight() - 1 - static_cast<int>(y)) * frame.getWidth() +
                                  static_cast<size_t>(x)) * 4;
        return std::vector<int>{p[0], p[1], p[2]};
    };
    int coloured = 0;
    for (float dx = -40; dx <= 40; dx += 10) {
        std::vector<int> n = pixel(200 + dx, 200), g = pixel(400 + dx, 200);
        EXPECT_NEAR(g[0], g[1], 2) << dx;
        EXPECT_NEAR(g[1], g[2], 2) << dx;
        const float luminance = 0.299f * n[0] + 0.587f * n[1] + 0.114f * n[2];
        EXPECT_NEAR(g[0], luminance, 3) << dx;
        coloured += std::abs(n[0] - n[1]) > 10 || std::abs(n[1] - n[2]) > 10;
    }
    EXPECT_GT(coloured, 0); // the twin is not grey itself
    grey->SetGreyScale(false);
    frames(1, 0.016f);
    EXPECT_EQ(pixel(200, 200), pixel(400, 200));
}
