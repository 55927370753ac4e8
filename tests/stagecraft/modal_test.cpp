// The alert box and the lock layer over a running scene: layouts, answers,
// time, and nothing below them pressed or hovered.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cocos2d.h"

#include "SceneTestFixture.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CSpriteAlert.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"
#include "widgets/CSpriteLock.h"

USING_NS_CC;

// --- the alert box ------------------------------------------------------------------------

namespace {

// A strip button below the modal layers, counting its presses.
class ButtonBelow : public Ref {
public:
    explicit ButtonBelow(Node* scene)
    {
        button = CSpriteButton::create("LayerCommon/bt_alert1.png", 5, CSpriteButton::BUTTON_STRIP);
        button->setPosition(100, 100);
        button->SetSelectorEnded(this, CC_CALLFUNCN_SELECTOR(ButtonBelow::Ended));
        scene->addChild(button);
    }
    void Ended(Node*) { ++presses; }
    CSpriteButton* button = nullptr;
    int presses = 0;
};

// The alert's answer, heard by a node of the game.
class Answer : public Node {
public:
    void Answered(Node* node)
    {
        alert = dynamic_cast<CSpriteAlert*>(node);
        ASSERT_NE(alert, nullptr);
        index = alert->GetSelectIndex();
        type = alert->GetAlertType();
        onScene = alert->getParent() != nullptr;
    }
    CSpriteAlert* alert = nullptr;
    int index = -1;
    int type = -1;
    bool onScene = true;
};

const char kTitleUtf8[] = "\xe7\xb3\xbb\xe7\xbb\x9f\xe6\x8f\x90\xe7\xa4\xba";
const char kSureUtf8[] = "\xe7\xa1\xae\xe5\xae\x9a";
const char kCancelUtf8[] = "\xe5\x8f\x96\xe6\xb6\x88";
const char kSwitchUtf8[] = "\xe5\x88\x87\xe6\x8d\xa2\xe8\xb4\xa6\xe5\x8f\xb7";

} // namespace

class AlertTest : public SceneTest {
protected:
    void TearDown() override
    {
        CSpriteAlert::m_bButtonLabel = false;
        CSpriteAlert::m_eButtonExEnum = CSpriteAlert::EX_DESC_NONE;
        CSpriteAlert::m_sButtonFileDesc.clear();
        SceneTest::TearDown();
        CSpriteButton::m_pButtonMoved = nullptr;
    }

    // The world point of a node at (right - 10, middle).
    static Vec2 nearRightEnd(Node* node)
    {
        const Size size = node->getContentSize();
        return node->convertToWorldSpace(Vec2(size.width - 10, size.height / 2));
    }
};

TEST_F(AlertTest, MobileLayoutAndTheRightButtonAnswers)
{
    Answer answer;
    CSpriteAlert* alert = CSpriteAlert::create("x", &answer, CC_CALLFUNCN_SELECTOR(Answer::Answered),
                                               CSpriteAlert::ALERT_SURE_CANCEL, 7);
    ASSERT_NE(alert, nullptr);
    scene->addChild(alert);
    const Size panel = alert->GetPanel()->getContentSize();
    EXPECT_FLOAT_EQ(panel.width, 640);
    EXPECT_EQ(alert->GetPanel()->getPosition(), Vec2(480, 320));
    EXPECT_EQ(alert->GetTitleLabel()->getString(), kTitleUtf8);
    EXPECT_EQ(alert->GetTitleLabel()->getPosition(), Vec2(320, panel.height - 20));
    ASSERT_EQ(alert->GetButtons().size(), 2u);
    CSpriteButton* sure = alert->GetButtons().at(0);
    CSpriteButton* cancel = alert->GetButtons().at(1);
    EXPECT_EQ(sure->getPosition(), Vec2(160, 20));
    EXPECT_EQ(cancel->getPosition(), Vec2(480, 20));
    EXPECT_EQ(cancel->getAnchorPoint(), Vec2(0.5f, 0.0f));
    EXPECT_EQ(sure->GetLabel()->getString(), "");
    EXPECT_STREQ(sure->GetJsonName(), "bt_Sure");
    EXPECT_STREQ(cancel->GetJsonName(), "bt_Cancel");
    EXPECT_EQ(cancel->GetButtonType(), 1);

    tap(nearRightEnd(cancel));
    EXPECT_EQ(answer.alert, alert);
    EXPECT_EQ(answer.index, 1);
    EXPECT_EQ(answer.type, 7);
    EXPECT_FALSE(answer.onScene);
    EXPECT_EQ(alert->GetPressedButton(), cancel);
}

TEST_F(AlertTest, LongMessagesWrapAndThePanelHoldsThem)
{
    CSpriteAlert* alert = CSpriteAlert::create(std::string(60, 'W'), CSpriteAlert::ALERT_SURE);
    CSpriteLabel* message = alert->GetMessage();
    EXPECT_FLOAT_EQ(message->getContentSize().width, 512);
    const float needed = alert->GetTitleLabel()->getContentSize().height + message->getContentSize().height
                         + alert->GetButtons().at(0)->getContentSize().height + 4 * 65;
    EXPECT_GE(alert->GetPanel()->getContentSize().height, needed);
    EXPECT_GT(message->getContentSize().height, alert->GetTitleLabel()->getContentSize().height * 2);
    EXPECT_EQ(alert->GetButtons().at(0)->getPosition(), Vec2(320, 20));
}

TEST_F(AlertTest, ButtonLabelsAndDescriptionsWhenAskedFor)
{
    CSpriteAlert::m_bButtonLabel = true;
    CSpriteAlert::m_eButtonExEnum = CSpriteAlert::EX_DESC_IMAGE;
    CSpriteAlert* alert = CSpriteAlert::create("x", CSpriteAlert::ALERT_SWITCH_CANCEL);
    // Stored in the ANSI code page, shown as readable text.
    EXPECT_EQ(alert->GetButtons().at(0)->GetLabel()->getString(), kSwitchUtf8);
    EXPECT_EQ(alert->GetButtons().at(1)->GetLabel()->getString(), kCancelUtf8);
    // No description names, no description images.
    const auto childrenOf = [](CSpriteButton* b) { return static_cast<int>(b->getChildrenCount()); };
    const int plain = childrenOf(alert->GetButtons().at(0));

    CSpriteAlert::m_sButtonFileDesc = "LayerCommon/im_wait/im_wait1.png";
    CSpriteAlert* described = CSpriteAlert::create("x", CSpriteAlert::ALERT_SURE_CANCEL);
    CSpriteButton* sure = described->GetButtons().at(0);
    EXPECT_EQ(sure->GetLabel()->getString(), kSureUtf8);
    EXPECT_EQ(childrenOf(sure), plain + 1);
    EXPECT_EQ(childrenOf(described->GetButtons().at(1)), plain);
    CSpriteImage* description = nullptr;
    for (Node* child : sure->getChildren())
        if (auto* image = dynamic_cast<CSpriteImage*>(child))
            description = image;
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(description->getPosition(), Vec2(sure->getContentSize().width / 2, sure->getContentSize().height / 2));
}

TEST_F(AlertTest, DesktopLayoutSwapAndNoButtonsForTheSwitch)
{
    CSpriteAlert* alert = CSpriteAlert::createPC("Connection lost.", CSpriteAlert::ALERT_SURE_CANCEL);
    const Size panel = alert->GetPanel()->getContentSize();
    EXPECT_SAME(panel, Size(500, 300));
    EXPECT_EQ(alert->GetTitleLabel(), nullptr);
    CSpriteLabel* message = alert->GetMessage();
    EXPECT_EQ(message->getAnchorPoint(), Vec2(0, 1));
    EXPECT_EQ(message->getPosition(), Vec2(86, 200));
    EXPECT_FLOAT_EQ(message->getSystemFontSize(), 20);
    CSpriteButton* sure = alert->GetButtons().at(0);
    CSpriteButton* cancel = alert->GetButtons().at(1);
    EXPECT_EQ(sure->getPosition(), Vec2(125, 20));
    EXPECT_EQ(cancel->getPosition(), Vec2(375, 20));
    // One 120 x 40 frame of the five-frame strip.
    EXPECT_SAME(sure->getTextureRect(), Rect(0, 0, 120, 40));
    EXPECT_EQ(cancel->GetParamInt(), 1);

    alert->SetAlertButtonCutoverPos();
    EXPECT_FLOAT_EQ(sure->getPositionX(), 375);
    EXPECT_FLOAT_EQ(cancel->getPositionX(), 125);

    EXPECT_TRUE(CSpriteAlert::createPC("x", CSpriteAlert::ALERT_SWITCH_CANCEL)->GetButtons().empty());
    CSpriteAlert* single = CSpriteAlert::createPC("x", CSpriteAlert::ALERT_SURE);
    single->SetAlertButtonCutoverPos();
    EXPECT_EQ(single->GetButtons().at(0)->getPosition(), Vec2(250, 20));
}

TEST_F(AlertTest, NothingBelowIsPressedOrHovered)
{
    ButtonBelow below(scene);
    CSpriteAlert* alert = CSpriteAlert::createPC("x", CSpriteAlert::ALERT_SURE);
    scene->addChild(alert);
    tap(Vec2(100, 100));
    EXPECT_EQ(below.presses, 0);
    mouseMove(Vec2(100, 100));
    mouseMove(Vec2(101, 100));
    EXPECT_EQ(below.button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, alert);
    // The alert's own button still shows hover.
    CSpriteButton* sure = alert->GetButtons().at(0);
    mouseMove(sure->convertToWorldSpace(Vec2(60, 20)));
    EXPECT_EQ(sure->GetButtonStatus(), CSpriteButton::BUTTON_HOVER);
    // Answered, it leaves, and the scene below works again.
    tap(sure->convertToWorldSpace(Vec2(60, 20)));
    EXPECT_EQ(alert->getParent(), nullptr);
    frames(1, 0);
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, nullptr);
    tap(Vec2(100, 100));
    EXPECT_EQ(below.presses, 1);
}

// --- the lock layer ------------------------------------------------------------------------

class LockTest : public SceneTest {
protected:
    void TearDown() override
    {
        SceneTest::TearDown();
        CSpriteButton::m_pButtonMoved = nullptr;
    }
};

TEST_F(LockTest, LayoutOfColourMessageAndAnimation)
{
    CSpriteLock* lock = CSpriteLock::create("Connecting...");
    scene->addChild(lock);
    auto* colour = dynamic_cast<LayerColor*>(lock->getChildByTag(1));
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->getOpacity(), 80);
    EXPECT_SAME(colour->getContentSize(), Size(960, 640));
    CSpriteLabel* label = lock->GetLockLabel();
    EXPECT_EQ(lock->getChildByTag(2), label);
    EXPECT_FLOAT_EQ(label->getSystemFontSize(), 32);
    EXPECT_FLOAT_EQ(label->getPositionX(), (960 - label->getContentSize().width) / 2);
    EXPECT_FLOAT_EQ(label->getPositionY(), 365);
    EXPECT_EQ(lock->getChildByTag(3), lock->GetLockSprite());
    EXPECT_EQ(lock->GetLockSprite()->getPosition(), Vec2(480, 270));
    EXPECT_SAME(lock->GetLockSprite()->getContentSize(), Size(64, 64));
}

TEST_F(LockTest, AnimationLoopsSevenFramesEveryOnePointFourSeconds)
{
    CSpriteLock* lock = CSpriteLock::create("wait");
    scene->addChild(lock);
    Sprite* sprite = lock->GetLockSprite();
    auto frameAt = [&]() {
        for (int k = 1; k <= 7; ++k) {
            Texture2D* texture = director->getTextureCache()->addImage(
                "LayerCommon/im_wait/im_wait" + std::to_string(k) + ".png");
            if (sprite->getTexture() == texture)
                return k;
        }
        return 0;
    };
    // Times in the middle of each frame, over two loops.
    std::vector<int> seen;
    float now = 0;
    for (float at : {0.1f, 0.3f, 0.5f, 0.7f, 0.9f, 1.1f, 1.3f, 1.5f, 1.7f, 2.7f, 2.9f}) {
        frames(static_cast<int>((at - now) / 0.05f + 0.5f), 0.05f);
        now = at;
        seen.push_back(frameAt());
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 1, 2, 7, 1}));
}

TEST_F(LockTest, TimesOutAfterSixtySeconds)
{
    CSpriteLock* lock = CSpriteLock::create("wait");
    scene->addChild(lock);
    frames(1, 0.25f); // the frame it arrives in starts its clock
    frames(59 * 4, 0.25f);
    EXPECT_NEAR(lock->GetLockTime(), 59, 0.02);
    EXPECT_FALSE(lock->GetIsRemoveTime());
    frames(2 * 4, 0.25f);
    EXPECT_TRUE(lock->GetIsRemoveTime());

    // The boundary itself: exactly 60 is not yet over.
    CSpriteLock* exact = CSpriteLock::create();
    exact->UpdateTime(60);
    EXPECT_FALSE(exact->GetIsRemoveTime());
    exact->UpdateTime(0.001f);
    EXPECT_TRUE(exact->GetIsRemoveTime());
}

TEST_F(LockTest, SwallowsTouchesAndHover)
{
    ButtonBelow below(scene);
    CSpriteLock* lock = CSpriteLock::create("wait");
    scene->addChild(lock);
    tap(Vec2(100, 100));
    mouseMove(Vec2(100, 100));
    mouseMove(Vec2(102, 101));
    EXPECT_EQ(below.presses, 0);
    EXPECT_EQ(below.button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, lock);
    lock->removeFromParent();
    frames(1, 0); // the game's last reference goes with the frame's pool
    EXPECT_EQ(CSpriteButton::m_pButtonMoved, nullptr);
    tap(Vec2(100, 100));
    EXPECT_EQ(below.presses, 1);
}
