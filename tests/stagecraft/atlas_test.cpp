// The number label on a character map: magnitude-unit glyphs, the seconds
// count-down under the engine's clock, and rolling digits that settle.
#include <climits>
#include <string>

#include "WidgetTestFixture.h"
#include "widgets/CCLabelAtlasEx.h"

class AtlasTest : public WidgetTest {
protected:
    void TearDown() override
    {
        WidgetTest::TearDown();
        log->release();
    }
    // The map holds "0"-"9", ":", ";" and "<", 16 x 24 each.
    CCLabelAtlasEx* number(const std::string& text = "0")
    {
        CCLabelAtlasEx* label = CCLabelAtlasEx::create(text, fixture("charmap208x24.png"), 16, 24, '0');
        if (label != nullptr) {
            label->setName("number");
            scene->addChild(label);
        }
        return label;
    }
    // Ticks of the rolling animation until it stops (at most limit).
    std::vector<std::string> roll(CCLabelAtlasEx* label, int limit)
    {
        std::vector<std::string> texts;
        frames(1, 0);
        for (int i = 0; i < limit && label->isScheduled(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum)); ++i) {
            frames(1, 0.04f);
            texts.push_back(label->getString());
        }
        return texts;
    }
    CallbackLog* log = new CallbackLog();
};

TEST_F(AtlasTest, UnitGlyphs)
{
    CCLabelAtlasEx* label = number();
    ASSERT_NE(label, nullptr);
    label->SetLabelNumWithUnit(150000000);
    EXPECT_EQ(label->getString(), "1:5<");
    label->SetLabelNumWithUnit(12345678);
    EXPECT_EQ(label->getString(), "1234:57;");
    label->SetLabelNumWithUnit(5000);
    EXPECT_EQ(label->getString(), "5000");
    EXPECT_SAME(label->getContentSize(), cocos2d::Size(64, 24));
    EXPECT_EQ(CCLabelAtlasEx::create("1", fixture("missing.png"), 16, 24, '0'), nullptr);
}

TEST_F(AtlasTest, CountDownFromThreeSeconds)
{
    CCLabelAtlasEx* label = number("03");
    label->SetSelectorMoved(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Moved));
    label->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
    label->StartCountDown(3.0f);
    frames(1, 0.0f);
    std::vector<std::string> texts;
    for (int i = 0; i < 50; ++i) {
        frames(1, 0.1f);
        if (texts.empty() || texts.back() != label->getString())
            texts.push_back(label->getString());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{ "02", "01", "00" }));
    EXPECT_EQ(log->count("ended number"), 1);
    const int moved = log->count("moved number");
    EXPECT_GE(moved, 28);
    frames(10, 0.1f); // stopped
    EXPECT_EQ(log->count("moved number"), moved);
    EXPECT_EQ(log->count("ended number"), 1);
}

TEST_F(AtlasTest, RollingDigitsSettleAndStop)
{
    CCLabelAtlasEx* label = number();
    label->setNumWithAnimation(205);
    std::vector<std::string> texts = roll(label, 100);
    ASSERT_FALSE(texts.empty());
    EXPECT_LE(texts.size(), 30u);
    EXPECT_EQ(texts.back(), "205");
    for (const std::string& t : texts)
        EXPECT_EQ(t.size(), 3u);
    EXPECT_FALSE(label->isScheduled(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum)));

    // A minus sign settles at once; the digits roll onto the value.
    label->setNumWithAnimation(-42);
    texts = roll(label, 100);
    EXPECT_EQ(texts.back(), "-42");
    EXPECT_FALSE(label->isScheduled(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum)));

    // Every 64-bit value fits, the longest included.
    label->setNumWithAnimation(LLONG_MIN);
    texts = roll(label, 300);
    EXPECT_EQ(texts.back(), "-9223372036854775808");
    EXPECT_FALSE(label->isScheduled(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum)));
}
