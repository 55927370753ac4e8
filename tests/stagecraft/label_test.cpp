// The text label: scores with magnitude units, clocks and count-downs in
// their layouts under the engine's clock, dates, and shortening to a width
// with the real font.
#include <climits>
#include <string>

#include "WidgetTestFixture.h"
#include "widgets/CSpriteLabel.h"

class LabelTest : public WidgetTest {
protected:
    void TearDown() override
    {
        WidgetTest::TearDown();
        log->release();
    }

    // A count-down label in the scene that logs its ticks' texts.
    CSpriteLabel* clock(int h, int m, int s, CSpriteLabel::TimeModel layout)
    {
        CSpriteLabel* label = CSpriteLabel::create(h, m, s, layout, "Arial", 20);
        label->setName("clock");
        label->SetSelectorMoved(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Moved));
        label->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
        scene->addChild(label);
        return label;
    }
    // Runs frames of 1/60 s, collecting each text shown that differs from the last.
    std::vector<std::string> run(CSpriteLabel* label, int count)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i) {
            frames(1, 1.0f / 60);
            if (texts.empty() || texts.back() != label->getString())
                texts.push_back(label->getString());
        }
        return texts;
    }

    CallbackLog* log = new CallbackLog();
};

TEST_F(LabelTest, ScoresWithMagnitudeUnits)
{
    CSpriteLabel* label = CSpriteLabel::create("", "Arial", 20);
    const struct {
        long long score;
        const char* text;
    } cases[] = {
        { 123456789, "1.235亿" },  { 100000000, "1亿" },  { 9999999, "1000万" },      { 9999998, "9999998" },
        { -5, "-5" },               { 12345678, "1234.57万" }, { 250000000, "2.5亿" }, { 0, "0" },
        { LLONG_MIN, "-9223372036854775808" },
    };
    for (const auto& c : cases) {
        label->SetScore(c.score);
        EXPECT_EQ(label->getString(), c.text) << c.score;
    }
    label->SetScore(LLONG_MAX);
    EXPECT_EQ(label->getString().substr(label->getString().size() - 3), "亿");
}

TEST_F(LabelTest, StartsStaticAndStill)
{
    CSpriteLabel* label = CSpriteLabel::create("still", "Arial", 20);
    EXPECT_EQ(label->GetCountMode(), CSpriteLabel::TIME_STATIC);
    scene->addChild(label);
    label->startCountDownTime(0, 0, 5);
    frames(10, 0.1f);
    EXPECT_EQ(label->getString(), "still");
}

TEST_F(LabelTest, CountDownFromOneSecondEndsOnce)
{
    CSpriteLabel* label = clock(0, 0, 1, CSpriteLabel::TIME_MS);
    frames(1, 0); // entering the scene
    frames(1, 1.0f / 60);
    EXPECT_EQ(label->getString(), "00:00");
    int endedAt = -1;
    for (int i = 2; i <= 120 && endedAt < 0; ++i) {
        frames(1, 1.0f / 60);
        if (log->count("ended clock") > 0)
            endedAt = i;
    }
    EXPECT_GE(endedAt, 58);
    EXPECT_LE(endedAt, 62);
    const int ticks = log->count("moved clock");
    frames(60, 1.0f / 60);
    EXPECT_EQ(log->count("ended clock"), 1);
    EXPECT_EQ(log->count("moved clock"), ticks);
}

TEST_F(LabelTest, CountDownNeverShowsSixtySeconds)
{
    CSpriteLabel* label = clock(0, 1, 1, CSpriteLabel::TIME_MS);
    frames(1, 0);
    std::vector<std::string> texts = run(label, 150);
    EXPECT_EQ(texts, (std::vector<std::string>{ "01:00", "00:59", "00:58" }));

    CSpriteLabel* hours = clock(2, 0, 0, CSpriteLabel::TIME_HMS);
    frames(1, 0);
    texts = run(hours, 70);
    EXPECT_EQ(texts, (std::vector<std::string>{ "01:59:59", "01:59:58" }));
}

TEST_F(LabelTest, CountUpCarriesAndWraps)
{
    CSpriteLabel* label = CSpriteLabel::create("", "Arial", 20);
    scene->addChild(label);
    label->setTimeShowType(CSpriteLabel::TIME_HMS, CSpriteLabel::TIME_COUNT_UP);
    label->startCountDownTime(23, 59, 58);
    frames(1, 0);
    const std::vector<std::string> texts = run(label, 190);
    EXPECT_EQ(texts, (std::vector<std::string>{ "23:59:58", "23:59:59", "00:00:00", "00:00:01" }));
}

TEST_F(LabelTest, LayoutsAndDates)
{
    CSpriteLabel* label = CSpriteLabel::create("", "Arial", 20);
    label->setTimeShowType(CSpriteLabel::TIME_DATE, CSpriteLabel::TIME_STATIC);
    label->setTimeWithDate(2014, 3, 7);
    EXPECT_EQ(label->getString(), "2014-03-07");
    label->setTimeWithDate(0, 3, 7);
    EXPECT_EQ(label->getString(), "03-07");

    const struct {
        CSpriteLabel::TimeModel layout;
        int hours;
        const char* text;
    } layouts[] = {
        { CSpriteLabel::TIME_HMS, 1, "01:02:03" }, { CSpriteLabel::TIME_HM, 1, "01:02" },
        { CSpriteLabel::TIME_MS, 1, "02:03" },     { CSpriteLabel::TIME_AUTO, 1, "01:02:03" },
        { CSpriteLabel::TIME_AUTO, 0, "02:03:00" }, { CSpriteLabel::TIME_MS_HUNDREDTHS, 0, "02:03:00" },
        { CSpriteLabel::TIME_STATIC, 0, "03" },
    };
    for (const auto& l : layouts) {
        label->setTimeShowType(l.layout, CSpriteLabel::TIME_STATIC);
        label->startCountDownTime(l.hours, 2, 3);
        label->setTimeWithDate(0, 0, 0);
        EXPECT_EQ(label->getString(), l.text) << l.layout;
    }
}

TEST_F(LabelTest, HandlerRemovingTheLabelAtTheEnd)
{
    class Remover : public cocos2d::Ref {
    public:
        void Ended(cocos2d::Node* node) { node->removeFromParent(); }
    } remover;
    CSpriteLabel* label = CSpriteLabel::create(0, 0, 1, CSpriteLabel::TIME_MS, "Arial", 20);
    label->SetSelectorEnded(&remover, CC_CALLFUNCN_SELECTOR(Remover::Ended));
    scene->addChild(label);
    frames(90, 1.0f / 60);
    EXPECT_TRUE(scene->getChildren().empty());
}

TEST_F(LabelTest, EllipsisShortensToTheWidth)
{
    CSpriteLabel* label = CSpriteLabel::create("", "Arial", 20);
    const std::string text = "Player of the table";
    auto width = [](const std::string& s) {
        return cocos2d::Label::createWithSystemFont(s, "Arial", 20)->getContentSize().width;
    };
    label->setString(text, static_cast<int>(width(text)) + 40, CSpriteLabel::ELLIPSIS_BACK);
    EXPECT_EQ(label->getString(), text);

    const int limit = static_cast<int>(width("Player..."));
    label->setString(text, limit, CSpriteLabel::ELLIPSIS_BACK);
    EXPECT_EQ(label->getString(), "Player...");
    EXPECT_EQ(label->GetFullText(), "Player...");
    EXPECT_LE(label->getContentSize().width, limit);

    // Chinese text is cut by characters, never inside one.
    label->setString("牌桌上的玩家名字", static_cast<int>(width("牌桌上...")) + 1, CSpriteLabel::ELLIPSIS_BACK);
    EXPECT_EQ(label->getString(), "牌桌上...");

    // Too narrow for even one character: the label is left as it was; an
    // empty text shows empty.
    label->setString("shown");
    label->setString(text, 3, CSpriteLabel::ELLIPSIS_BACK);
    EXPECT_EQ(label->getString(), "shown");
    label->setString("", 100, CSpriteLabel::ELLIPSIS_BACK);
    EXPECT_EQ(label->getString(), "");
    // Other models leave the label alone.
    label->setString("kept");
    label->SetEllipsis(10, CSpriteLabel::ELLIPSIS_NONE);
    EXPECT_EQ(label->getString(), "kept");
}
