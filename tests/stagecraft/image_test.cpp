// The image sprite: frames of a strip, the two clocks under the engine's
// clock (ticks, end, removal), score digits with and without a mark, and
// strips or values that do not fit.
#include <climits>
#include <string>

#include "WidgetTestFixture.h"
#include "widgets/CSpriteImage.h"

using cocos2d::Rect;
using cocos2d::Size;
using cocos2d::Vec2;

namespace {

// The child sprites in the order they were added.
std::vector<cocos2d::Sprite*> Sprites(cocos2d::Node* node)
{
    std::vector<cocos2d::Sprite*> sprites;
    for (cocos2d::Node* child : node->getChildren())
        sprites.push_back(static_cast<cocos2d::Sprite*>(child));
    return sprites;
}

// The glyph a child shows of a strip of glyphs width wide.
int Glyph(cocos2d::Sprite* sprite, float width)
{
    return static_cast<int>(sprite->getTextureRect().origin.x / width + 0.5f);
}

} // namespace

class ImageTest : public WidgetTest {
protected:
    void TearDown() override
    {
        WidgetTest::TearDown();
        log->release();
    }
    void report(CSpriteImage* image, const std::string& name)
    {
        image->setName(name);
        image->SetSelectorMoved(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Moved));
        image->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
    }
    CallbackLog* log = new CallbackLog();
};

TEST_F(ImageTest, FramesOfAStrip)
{
    CSpriteImage* image = CSpriteImage::create(fixture("strip500x40.png"), 5, 3);
    ASSERT_NE(image, nullptr);
    EXPECT_SAME(image->getTextureRect(), Rect(300, 0, 100, 40));
    image->SetTextureType(1, 5);
    EXPECT_SAME(image->getTextureRect(), Rect(100, 0, 100, 40));
    image->SetTextureType(1, 0); // no such frames: nothing changes
    image->SetTextureType(5, 5);
    EXPECT_SAME(image->getTextureRect(), Rect(100, 0, 100, 40));
    image->SetTextureFile(fixture("bar40x20.png"), Rect(5, 0, 0, 0));
    EXPECT_SAME(image->getTextureRect(), Rect(5, 0, 40, 20));
    EXPECT_SAME(CSpriteImage::create(fixture("strip500x40.png"), 0, 2)->getTextureRect(), Rect(0, 0, 500, 40));
    EXPECT_SAME(CSpriteImage::create(fixture("strip500x40.png"), 5, -1)->getTextureRect(), Rect(0, 0, 500, 40));
    EXPECT_EQ(CSpriteImage::create(fixture("missing.png")), nullptr);

    image->SetChairID(3);
    image->SetViewID(65535);
    EXPECT_EQ(image->GetChairID(), 3);
    EXPECT_EQ(image->GetViewID(), 65535);
    image->SetGreyScale(true);
    EXPECT_TRUE(image->GetGreyScale());
    image->SetGreyScale(false);
    EXPECT_FALSE(image->GetGreyScale());
}

TEST_F(ImageTest, TwoDigitClockCountsDownAndLeaves)
{
    CSpriteImage* image = CSpriteImage::createWithTimeClock(fixture("clockbg80x40.png"), fixture("digits220x30.png"),
                                                            20, 15);
    ASSERT_NE(image, nullptr);
    report(image, "turn");
    scene->addChild(image);
    std::vector<cocos2d::Sprite*> digits = Sprites(image);
    ASSERT_EQ(digits.size(), 2u);
    EXPECT_EQ(digits[0]->getPosition(), Vec2(20, 20));
    EXPECT_EQ(digits[1]->getPosition(), Vec2(60, 20));
    EXPECT_SAME(digits[0]->getTextureRect(), Rect(20, 0, 20, 30));
    EXPECT_SAME(digits[1]->getTextureRect(), Rect(100, 0, 20, 30));

    image->SetTimeStart();
    frames(1, 0);
    frames(10, 0.1f);
    EXPECT_EQ(image->GetTimeCount(), 14);
    EXPECT_EQ(Glyph(digits[0], 20), 1);
    EXPECT_EQ(Glyph(digits[1], 20), 4);

    image->SetTimePosition(Vec2(-2, 0), Vec2(2, 1));
    EXPECT_EQ(digits[0]->getPosition(), Vec2(18, 20));
    EXPECT_EQ(digits[1]->getPosition(), Vec2(62, 21));

    // 14 ... 1 reported, 00 shown, and a second later the end.
    frames(140, 0.1f);
    EXPECT_EQ(image->GetTimeCount(), 0);
    EXPECT_EQ(Glyph(digits[1], 20), 0);
    EXPECT_EQ(log->count("moved turn"), 14);
    EXPECT_EQ(log->count("ended turn"), 0);
    frames(10, 0.1f);
    EXPECT_EQ(log->count("ended turn"), 1);
    EXPECT_TRUE(scene->getChildren().empty());
}

TEST_F(ImageTest, MinutesSecondsClockWrapsAtTheHour)
{
    CSpriteImage* image = CSpriteImage::createWithNumClock(fixture("digits220x30.png"), 20, 3725);
    ASSERT_NE(image, nullptr);
    std::vector<cocos2d::Sprite*> parts = Sprites(image);
    ASSERT_EQ(parts.size(), 5u);
    const int expected[] = { 0, 2, 10, 0, 5 };
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(Glyph(parts[k], 20), expected[k]) << k;
        EXPECT_EQ(parts[k]->getPosition(), Vec2(k * 20.0f, 0)) << k;
    }
    // Set again afresh: five parts, not a second colon.
    image->SetNumTimeTexture(fixture("digits220x30.png"), 20, 61, true);
    parts = Sprites(image);
    ASSERT_EQ(parts.size(), 5u);
    EXPECT_EQ(Glyph(parts[1], 20), 1);
    EXPECT_EQ(Glyph(parts[4], 20), 1);

    report(image, "num");
    scene->addChild(image);
    image->SetTimeNumStart();
    frames(1, 0);
    frames(11, 0.1f);
    EXPECT_EQ(Glyph(parts[1], 20), 1);
    EXPECT_EQ(Glyph(parts[3], 20), 0);
    EXPECT_EQ(Glyph(parts[4], 20), 0);
    frames(10, 0.1f);
    EXPECT_EQ(Glyph(parts[1], 20), 0);
    EXPECT_EQ(Glyph(parts[3], 20), 5);
    EXPECT_EQ(Glyph(parts[4], 20), 9);
}

TEST_F(ImageTest, ScoreDigitsAndMark)
{
    // Eleven glyphs 10 wide: 0-9 and a mark.
    CSpriteImage* score = CSpriteImage::createScore(fixture("score110x14.png"), -305, 11, 0, CSpriteImage::NO_MARK, 2);
    ASSERT_NE(score, nullptr);
    std::vector<cocos2d::Sprite*> digits = Sprites(score);
    ASSERT_EQ(digits.size(), 3u);
    const float xs[] = { 5, 17, 29 };
    const int glyphs[] = { 3, 0, 5 };
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(digits[j]->getPosition(), Vec2(xs[j], 7)) << j;
        EXPECT_EQ(Glyph(digits[j], 10), glyphs[j]) << j;
    }
    EXPECT_SAME(score->getContentSize(), Size(36, 14));

    score->SetMarkStart(10);
    score->SetScore(7, 0);
    digits = Sprites(score);
    ASSERT_EQ(digits.size(), 2u);
    EXPECT_EQ(digits[0]->getPosition().x, 5);
    EXPECT_EQ(Glyph(digits[0], 10), 10);
    EXPECT_EQ(digits[1]->getPosition().x, 15);
    EXPECT_EQ(Glyph(digits[1], 10), 7);
    EXPECT_EQ(score->getContentSize().width, 20);

    // The most negative value shows all nineteen digits of its magnitude.
    score->SetMarkStart(CSpriteImage::NO_MARK);
    score->SetScore(LLONG_MIN, 0);
    digits = Sprites(score);
    ASSERT_EQ(digits.size(), 19u);
    EXPECT_EQ(Glyph(digits[0], 10), 9);
    EXPECT_EQ(Glyph(digits[18], 10), 8);
}

TEST_F(ImageTest, StripsThatDoNotFit)
{
    // No glyph count: nothing to cut, nothing divided by zero.
    CSpriteImage* none = CSpriteImage::createScore(fixture("score110x14.png"), 42, 0, 0, CSpriteImage::NO_MARK, 0);
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->getChildren().empty());
    EXPECT_SAME(none->getContentSize(), Size(0, 14));

    // Digits whose glyphs would lie beyond the strip are not cut.
    CSpriteImage* shifted = CSpriteImage::createScore(fixture("score110x14.png"), 19, 11, 2, CSpriteImage::NO_MARK, 0);
    std::vector<cocos2d::Sprite*> digits = Sprites(shifted);
    ASSERT_EQ(digits.size(), 1u);
    EXPECT_EQ(Glyph(digits[0], 10), 3);

    // A missing strip gives empty digits that never show a glyph.
    CSpriteImage* clock = CSpriteImage::createWithNumClock(fixture("missing.png"), 20, 75);
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ(clock->getChildrenCount(), 5);
    // A score on a clock image drops the clock's digits with its children.
    CSpriteImage* turn = CSpriteImage::createWithTimeClock(fixture("clockbg80x40.png"), fixture("digits220x30.png"),
                                                           20, 9);
    turn->SetNumsCount(11);
    turn->SetMarkStart(CSpriteImage::NO_MARK);
    turn->SetScoreFile(fixture("score110x14.png"));
    turn->SetScore(5, 0);
    turn->SetTimeTexture(fixture("digits220x30.png"), 20, 8, false);
    EXPECT_EQ(turn->getChildrenCount(), 3);
}
