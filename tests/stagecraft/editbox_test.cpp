// The edit box: text typed through the view's character and key paths, the
// byte limit, password display, whole-character deletion, one open box at
// a time, the caret placed by touch and the scroll of long text.
#include <gtest/gtest.h>

#include <string>

#include "cocos2d.h"

#include "SceneTestFixture.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteEditBox.h"
#include "widgets/CSpriteLabel.h"

USING_NS_CC;

namespace {

class Moves : public Ref {
public:
    void Moved(Node*) { ++count; }
    int count = 0;
};

} // namespace

class EditBoxTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        box = makeBox(Vec2(100, 300));
    }

    void TearDown() override
    {
        CSpriteButton::m_pButtonLock = nullptr;
        SceneTest::TearDown();
    }

    // A 300 x 50 box with its bottom-left corner at origin.
    CSpriteEditBox* makeBox(Vec2 origin)
    {
        CSpriteEditBox* b = CSpriteEditBox::create();
        b->setContentSize(Size(300, 50));
        b->setPosition(origin);
        scene->addChild(b);
        return b;
    }

    // Characters as the window delivers them, one code point at a time.
    void type(const std::u32string& text)
    {
        for (char32_t c : text)
            view->handleChar(static_cast<unsigned int>(c));
    }
    void key(EventKeyboard::KeyCode code)
    {
        view->handleKey(code, true);
        view->handleKey(code, false);
    }
    void backspace() { key(EventKeyboard::KeyCode::KEY_BACKSPACE); }
    // Opens a box by a tap at its left edge.
    void open(CSpriteEditBox* b) { tap(b->convertToWorldSpace(Vec2(2, 25))); }

    CSpriteEditBox* box = nullptr;
};

TEST_F(EditBoxTest, TypingStopsAtTheByteLimit)
{
    open(box);
    ASSERT_TRUE(box->IsIMEOpen());
    EXPECT_FALSE(box->GetInputSucceed());
    type(std::u32string(31, U'a'));
    EXPECT_TRUE(box->GetInputSucceed());
    type(U"\u4e2d"); // three bytes would make 34
    EXPECT_EQ(box->GetTextLength(), 31);
    type(U"bcd");
    EXPECT_EQ(box->GetText(), std::string(31, 'a') + "bc");
    EXPECT_EQ(box->GetCursorOffset(), 33);

    box->setText("");
    box->setMaxLength(6);
    type(U"\u4e2d\u6587x");
    EXPECT_EQ(box->GetText(), "\xe4\xb8\xad\xe6\x96\x87");
}

TEST_F(EditBoxTest, PasswordBoxesShowStarsAndTakeSingleBytes)
{
    box->setInputFlag(ui::EditBox::InputFlag::PASSWORD);
    open(box);
    type(U"ab\u4e2dc");
    EXPECT_EQ(box->GetText(), "abc");
    EXPECT_EQ(box->GetDisplayLabel()->getString(), "***");
    box->setText("\xc3\xa9t\xc3\xa9"); // one star per byte
    EXPECT_EQ(box->GetDisplayLabel()->getString(), "*****");
    // Other flags change nothing.
    CSpriteEditBox* plain = makeBox(Vec2(100, 100));
    plain->setInputFlag(ui::EditBox::InputFlag::SENSITIVE);
    plain->setText("xy");
    EXPECT_EQ(plain->GetDisplayLabel()->getString(), "xy");
}

TEST_F(EditBoxTest, BackspaceRemovesWholeCharacters)
{
    open(box);
    type(U"a\u4e2d\u00e9\U0001F600");
    EXPECT_EQ(box->GetTextLength(), 1 + 3 + 2 + 4);
    backspace();
    EXPECT_EQ(box->GetText(), "a\xe4\xb8\xad\xc3\xa9");
    backspace();
    EXPECT_EQ(box->GetText(), "a\xe4\xb8\xad");
    backspace();
    EXPECT_EQ(box->GetText(), "a");
    backspace();
    backspace();
    EXPECT_EQ(box->GetText(), "");
    EXPECT_EQ(box->GetCursorOffset(), 0);

    // Far beyond any small buffer: still one character at a time.
    std::string longText;
    for (int i = 0; i < 3000; ++i)
        longText += "\xe4\xb8\xad";
    box->setText(longText.c_str());
    backspace();
    EXPECT_EQ(box->GetTextLength(), 3 * 2999);
    EXPECT_EQ(box->GetCursorOffset(), 3 * 2999);
    // A touch finds its character anywhere in it, on a character boundary.
    box->SetEditBeganClear(false);
    tap(box->convertToWorldSpace(Vec2(150, 25)));
    EXPECT_GT(box->GetCursorOffset(), 3 * 2900);
    EXPECT_EQ(box->GetCursorOffset() % 3, 0);
}

TEST_F(EditBoxTest, OneBoxAtATimeHasTheInputMethod)
{
    CSpriteEditBox* other = makeBox(Vec2(100, 100));
    int began = 0;
    int ended = 0;
    for (CSpriteEditBox* b : {box, other}) {
        b->m_funcEditBegan = [&began](CSpriteEditBox*) { ++began; };
        b->m_funcEditEnded = [&ended](CSpriteEditBox*) { ++ended; };
    }
    open(box);
    EXPECT_EQ(CSpriteEditBox::m_pOpenEditBox, box);
    EXPECT_TRUE(box->GetCursor()->isVisible());
    type(U"x");
    open(other);
    EXPECT_FALSE(box->IsIMEOpen());
    EXPECT_FALSE(box->GetCursor()->isVisible());
    EXPECT_TRUE(other->GetCursor()->isVisible());
    EXPECT_EQ(CSpriteEditBox::m_pOpenEditBox, other);
    type(U"y");
    EXPECT_EQ(box->GetText(), "x");
    EXPECT_EQ(other->GetText(), "y");
    EXPECT_EQ(began, 2);
    EXPECT_EQ(ended, 1);

    // A tap elsewhere closes it; Return closes it too.
    tap(Vec2(800, 600));
    EXPECT_EQ(CSpriteEditBox::m_pOpenEditBox, nullptr);
    EXPECT_EQ(ended, 2);
    open(other);
    IMEDispatcher::sharedDispatcher()->dispatchInsertText("\n", 1);
    EXPECT_FALSE(other->IsIMEOpen());
    EXPECT_EQ(other->GetText(), "");

    // A box going away gives the input method up.
    open(box);
    box->removeFromParent();
    frames(1, 0);
    EXPECT_EQ(CSpriteEditBox::m_pOpenEditBox, nullptr);
}

TEST_F(EditBoxTest, TouchesPlaceTheCaretAtTheNearestBoundary)
{
    box->SetEditBeganClear(false);
    box->setText("ab");
    const float ab = box->GetDisplayLabel()->getContentSize().width;
    // Far right of a short text: the end, as in every text box.
    tap(box->convertToWorldSpace(Vec2(290, 25)));
    EXPECT_EQ(box->GetCursorOffset(), 2);
    EXPECT_FLOAT_EQ(box->GetCursor()->getPositionX(), ab);
    tap(box->convertToWorldSpace(Vec2(1, 25)));
    EXPECT_EQ(box->GetCursorOffset(), 0);
    EXPECT_FLOAT_EQ(box->GetCursor()->getPositionX(), 0);
    tap(box->convertToWorldSpace(Vec2(ab / 2 + 1, 25)));
    EXPECT_EQ(box->GetCursorOffset(), 1);
    // Typing goes in at the caret.
    type(U"\u4e2d");
    EXPECT_EQ(box->GetText(), "a\xe4\xb8\xad" "b");
    EXPECT_EQ(box->GetCursorOffset(), 4);
}

TEST_F(EditBoxTest, TheFirstTapClearsTheTextLaterTapsKeepIt)
{
    box->setText("old");
    open(box);
    EXPECT_EQ(box->GetText(), "");
    type(U"new");
    tap(box->convertToWorldSpace(Vec2(1, 25)));
    EXPECT_EQ(box->GetText(), "new");
    EXPECT_EQ(box->GetCursorOffset(), 0);
}

TEST_F(EditBoxTest, LongTextScrollsItsEndIntoView)
{
    open(box);
    type(std::u32string(30, U'W'));
    CSpriteLabel* label = box->GetDisplayLabel();
    const float width = label->getContentSize().width;
    ASSERT_GT(width, 300);
    EXPECT_FLOAT_EQ(label->getPositionX(), -(width - 300));
    EXPECT_NEAR(box->GetCursor()->getPositionX(), 300, 0.01);
    // A touch on the visible part finds the character under it.
    tap(box->convertToWorldSpace(Vec2(299, 25)));
    EXPECT_EQ(box->GetCursorOffset(), 30);
    backspace();
    backspace();
    EXPECT_EQ(box->GetTextLength(), 28);
    EXPECT_FLOAT_EQ(label->getPositionX(), -(label->getContentSize().width - 300));
}

TEST_F(EditBoxTest, PlaceholderShowsGreyedWhileEmpty)
{
    box->setPlaceHolder("name");
    CSpriteLabel* label = box->GetDisplayLabel();
    EXPECT_EQ(label->getString(), "name");
    const Color3B grey = label->getColor();
    EXPECT_NE(grey, Color3B::WHITE);
    EXPECT_EQ(box->GetText(), "");
    open(box);
    type(U"x");
    EXPECT_EQ(label->getString(), "x");
    EXPECT_EQ(label->getColor(), Color3B::WHITE);
    EXPECT_FLOAT_EQ(box->GetCursor()->getPositionX(), label->getContentSize().width);
    backspace();
    EXPECT_EQ(label->getString(), "name");
    EXPECT_EQ(label->getColor(), grey);
    EXPECT_FLOAT_EQ(box->GetCursor()->getPositionX(), 0);
}

TEST_F(EditBoxTest, FilterKeysAndRefusals)
{
    box->m_funcTextChanged = [](CSpriteEditBox*, const char* text, size_t) { return text[0] < '0' || text[0] > '9'; };
    Moves moves;
    box->SetSelectorMoved(&moves, CC_CALLFUNCN_SELECTOR(Moves::Moved));
    open(box);
    type(U"a1b2");
    EXPECT_EQ(box->GetText(), "ab");
    key(EventKeyboard::KeyCode::KEY_F);
    EXPECT_EQ(box->GetInputCode(), EventKeyboard::KeyCode::KEY_F);
    EXPECT_EQ(moves.count, 1);

    // Input switched off: the touch is claimed but nothing opens.
    CSpriteEditBox* locked = makeBox(Vec2(100, 100));
    locked->SetEnableInput(false);
    open(locked);
    EXPECT_FALSE(locked->IsIMEOpen());
    // Another node's press in progress keeps the box shut.
    box->CloseIME();
    CSpriteButton::m_pButtonLock = scene;
    open(box);
    EXPECT_FALSE(box->IsIMEOpen());
}

TEST_F(EditBoxTest, TheBoxIsHitWhereItIsDrawn)
{
    // A layer keeps its default anchor (0.5, 0.5) without moving by it.
    ASSERT_EQ(box->getAnchorPoint(), Vec2(0.5f, 0.5f));
    tap(Vec2(390, 340)); // the top-right corner of the box
    EXPECT_TRUE(box->IsIMEOpen());
    tap(Vec2(90, 290)); // just below and left of it
    EXPECT_FALSE(box->IsIMEOpen());
    box->setVisible(false);
    tap(Vec2(200, 320));
    EXPECT_FALSE(box->IsIMEOpen());
}
