// The list and pager: rows and separators, page turns by swipe with real
// millisecond timing, the axis lock, and buttons inside a dragged list.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "cocos2d.h"

#include "SceneTestFixture.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteButton.h"

USING_NS_CC;
using Direction = cocos2d::extension::ScrollView::Direction;

namespace {

// Hears the end of every page turn.
class PagerView : public CCScrollViewEx {
public:
    static PagerView* create()
    {
        PagerView* view = new PagerView();
        view->init();
        view->autorelease();
        return view;
    }
    void ScrollViewDidPageEnded(cocos2d::extension::ScrollView* view, int pageIndex) override
    {
        EXPECT_EQ(view, this);
        turns.push_back(pageIndex);
    }
    std::vector<int> turns;
};

// A game layer that owns the touches of a list and drives its paging.
class PagingOwner : public Layer {
public:
    static PagingOwner* create(CCScrollViewEx* list)
    {
        PagingOwner* owner = new PagingOwner();
        owner->init();
        owner->autorelease();
        auto listener = EventListenerTouchOneByOne::create();
        listener->onTouchBegan = [list](Touch* t, Event*) {
            list->SetScrollViewPageBegan(t);
            return true;
        };
        listener->onTouchMoved = [list](Touch* t, Event*) { list->SetScrollViewPageMoved(t); };
        listener->onTouchEnded = [list](Touch* t, Event*) { list->SetScrollViewPageEnded(t); };
        owner->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, owner);
        return owner;
    }
};

class Ends : public Ref {
public:
    void Ended(Node*) { ++count; }
    int count = 0;
};

int CellsIn(Node* container)
{
    int cells = 0;
    for (Node* child : container->getChildren())
        cells += dynamic_cast<CCCellLayer*>(child) != nullptr ? 1 : 0;
    return cells;
}

} // namespace

class ListTest : public SceneTest {
protected:
    void TearDown() override
    {
        CSpriteButton::m_bScroll = false;
        SceneTest::TearDown();
    }

    // A 200 x 300 vertical list at (100, 100).
    CCScrollViewEx* list()
    {
        CCScrollViewEx* view = CCScrollViewEx::create(Size(200, 300), Size(200, 300), Direction::VERTICAL);
        view->setPosition(100, 100);
        scene->addChild(view);
        return view;
    }
};

TEST_F(ListTest, RowsFromTheTopWithSeparators)
{
    CCScrollViewEx* view = list();
    // The view hears its own scrolling although the engine's initialisation forgets delegates.
    EXPECT_EQ(view->getDelegate(), static_cast<cocos2d::extension::ScrollViewDelegate*>(view));

    view->InitCellCount(3, 40, true);
    EXPECT_SAME(view->getContentSize(), Size(200, 300));
    const float rows[] = {80, 40, 0};
    for (int i = 0; i < 3; ++i) {
        CCCellLayer* cell = view->GetCellLayer(i);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->getPosition(), Vec2(0, rows[i]));
        EXPECT_SAME(cell->getContentSize(), Size(200, 40));
        EXPECT_EQ(cell->GetMainType(), i);
        EXPECT_EQ(cell->getParent(), view->getContainer());
    }
    EXPECT_EQ(view->GetCellLayer(3), nullptr);
    EXPECT_EQ(view->GetCellLayer(-1), nullptr);

    // int(300 / 40) + 10 lines from the top, each as wide as the list.
    for (int i = 0; i < 17; ++i) {
        auto* line = dynamic_cast<Sprite*>(view->getContainer()->getChildByTag(1001 + i));
        ASSERT_NE(line, nullptr) << i;
        EXPECT_FLOAT_EQ(line->getPositionY(), 260 - 40 * i);
        EXPECT_FLOAT_EQ(line->getBoundingBox().getMinX(), 0);
        EXPECT_FLOAT_EQ(line->getBoundingBox().getMaxX(), 200);
        EXPECT_EQ(line->getColor(), Color3B::GRAY);
        EXPECT_EQ(line->getOpacity(), 100);
    }
    EXPECT_EQ(view->getContainer()->getChildByTag(1018), nullptr);
}

TEST_F(ListTest, AddedRowsJoinAtTheBottomAndTheContentGrows)
{
    CCScrollViewEx* view = list();
    view->InitCellCount(3, 40, false);
    CCCellLayer* added = view->AddCellLayer();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetMainType(), 3);
    EXPECT_EQ(view->GetCellLayer(3), added);
    EXPECT_EQ(added->getPosition(), Vec2(0, 0));
    EXPECT_EQ(view->GetCellLayer(0)->getPosition(), Vec2(0, 120));

    // Rows beyond the view: the content is as high as the rows, none outside it.
    view->InitCellCount(8, 40, false);
    view->AddCellLayer();
    EXPECT_EQ(view->GetCellCount(), 9);
    EXPECT_SAME(view->getContentSize(), Size(200, 360));
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(view->GetCellLayer(i)->getPosition(), Vec2(0, 320 - 40 * i)) << i;
    EXPECT_EQ(CellsIn(view->getContainer()), 9);

    view->SetScrollTop();
    EXPECT_EQ(view->getContentOffset(), Vec2(0, -60));
}

TEST_F(ListTest, ClearingDropsRowsAndKeepsSeparatorsWhenAsked)
{
    CCScrollViewEx* view = list();
    view->InitCellCount(3, 40, true);
    view->SetLineVertical(50);
    const int lines = 17 + 14;
    EXPECT_EQ(static_cast<int>(view->getContainer()->getChildrenCount()), 3 + lines);

    view->RemoveAllCellChild();
    EXPECT_EQ(CellsIn(view->getContainer()), 0);
    EXPECT_EQ(static_cast<int>(view->getContainer()->getChildrenCount()), lines);
    EXPECT_EQ(view->GetCellLayer(0), nullptr);
    EXPECT_EQ(view->GetCellCount(), 0);
    // A new first row starts at the top again.
    CCCellLayer* first = view->AddCellLayer();
    EXPECT_EQ(first->GetMainType(), 0);
    EXPECT_EQ(view->GetCellLayer(0), first);

    // Row and column lines share their tags from 1001 on; the 17th row line has its own.
    view->RemoveChildByTag(1017);
    EXPECT_EQ(view->getContainer()->getChildByTag(1017), nullptr);
    view->ResetScrollView();
    EXPECT_EQ(static_cast<int>(view->getContainer()->getChildrenCount()), 0);
    EXPECT_EQ(view->GetCellLayer(0), nullptr);
}

TEST_F(ListTest, ColumnSeparatorsCoverTheContentAndTakeNewColours)
{
    CCScrollViewEx* view = list();
    view->SetLineVertical(50);
    EXPECT_FLOAT_EQ(view->GetCellWigth(), 50);
    for (int i = 0; i < 14; ++i) {
        auto* line = dynamic_cast<Sprite*>(view->getContainer()->getChildByTag(1001 + i));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->getPosition(), Vec2(50.0f * (i + 1), -300));
        EXPECT_LE(line->getBoundingBox().getMinY(), 0);
        EXPECT_GE(line->getBoundingBox().getMaxY(), 300);
    }
    view->SetSeparatorColor(Color3B(10, 200, 30));
    EXPECT_EQ(dynamic_cast<Sprite*>(view->getContainer()->getChildByTag(1005))->getColor(), Color3B(10, 200, 30));

    // Sizes of zero draw nothing and divide nothing.
    CCScrollViewEx* empty = list();
    empty->SetLineHorizontal(0);
    empty->SetLineVertical(0);
    empty->InitCellCount(3, 0, true);
    EXPECT_EQ(static_cast<int>(empty->getContainer()->getChildrenCount()), 3);
}

class PagerTest : public ListTest {
protected:
    // Three pages of 200 x 100 in a horizontal pager at (100, 100).
    void SetUp() override
    {
        ListTest::SetUp();
        pager = PagerView::create();
        pager->setViewSize(Size(200, 100));
        pager->setContentSize(Size(600, 100));
        pager->setDirection(Direction::HORIZONTAL);
        pager->SetPageDirection(Direction::HORIZONTAL);
        pager->SetPageSize(Size(200, 100));
        pager->SetPageCount(3);
        pager->setSwallowTouches(false);
        pager->setPosition(100, 100);
        PagingOwner* owner = PagingOwner::create(pager);
        owner->addChild(pager);
        scene->addChild(owner);
    }

    // A swipe along x by dx, spread over at least ms milliseconds of real time.
    void swipe(float dx, int ms)
    {
        const Vec2 from(250, 150);
        touchBegin(from);
        const int steps = 6;
        for (int i = 1; i <= steps; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms / steps));
            touchMove(from + Vec2(dx * i / steps, 0));
            frames(1, 1.0f / 60);
        }
        touchEnd(from + Vec2(dx, 0));
        frames(20, 1.0f / 60); // the page animation
    }

    PagerView* pager = nullptr;
};

TEST_F(PagerTest, QuickShortSwipesAndSlowLongDragsTurnPages)
{
    swipe(-60, 0);
    EXPECT_EQ(pager->GetPageIndex(), 1);
    EXPECT_EQ(pager->getContentOffset(), Vec2(-200, 0));
    // 60 points slowly: not enough, the page snaps back.
    swipe(-60, 700);
    EXPECT_EQ(pager->GetPageIndex(), 1);
    EXPECT_EQ(pager->getContentOffset(), Vec2(-200, 0));
    // 110 points slowly: more than half a page.
    swipe(-110, 700);
    EXPECT_EQ(pager->GetPageIndex(), 2);
    EXPECT_EQ(pager->getContentOffset(), Vec2(-400, 0));
    EXPECT_EQ(pager->turns, (std::vector<int>{1, 1, 2}));
}

TEST_F(PagerTest, PagesStopAtBothEndsAndTapsTurnNothing)
{
    swipe(80, 0);
    EXPECT_EQ(pager->GetPageIndex(), 0);
    pager->SetPageIndex(2, true);
    frames(20, 1.0f / 60);
    swipe(-80, 0);
    EXPECT_EQ(pager->GetPageIndex(), 2);
    swipe(80, 0);
    EXPECT_EQ(pager->GetPageIndex(), 1);
    EXPECT_EQ(pager->getContentOffset(), Vec2(-200, 0));
    const size_t turns = pager->turns.size();
    tap(Vec2(250, 150));
    EXPECT_EQ(pager->turns.size(), turns);
}

TEST_F(ListTest, ButtonsInsideADraggedListNeverFire)
{
    CCScrollViewEx* view = list();
    view->InitCellCount(10, 40, false);
    view->SetScrollTop();
    Ends ends;
    auto* button = CSpriteButton::create("LayerCommon/bt_alert0.png", 5, CSpriteButton::BUTTON_STRIP);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->getContentSize().equals(Size(120, 40))); // one frame of the strip
    button->SetSwallowTouches(false); // the list hears the touch too
    button->SetSelectorEnded(&ends, CC_CALLFUNCN_SELECTOR(Ends::Ended));
    button->setPosition(100, 20);
    CCCellLayer* top = view->GetCellLayer(0);
    top->addChild(button);
    const Vec2 onButton = top->convertToWorldSpace(Vec2(100, 20));

    touchBegin(onButton);
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_PRESSED);
    for (int i = 1; i <= 8; ++i) {
        touchMove(onButton + Vec2(0, 8.0f * i));
        frames(1, 1.0f / 60);
        if (i > 2) {
            EXPECT_TRUE(CSpriteButton::m_bScroll) << i;
            EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL) << i;
        }
    }
    touchEnd(onButton + Vec2(0, 64));
    EXPECT_EQ(ends.count, 0);
    EXPECT_EQ(button->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(CSpriteButton::m_pButtonLock, nullptr);

    // Once the list comes to rest the button works again.
    frames(120, 1.0f / 60);
    EXPECT_FALSE(CSpriteButton::m_bScroll);
    view->SetScrollTop();
    tap(button->convertToWorldSpace(Vec2(60, 20)));
    EXPECT_EQ(ends.count, 1);
}

TEST_F(ListTest, BothWaysLocksToTheFirstAxisUntilReleased)
{
    auto* view = CCScrollViewEx::create(Size(400, 400), Size(200, 200), Direction::BOTH);
    view->setPosition(100, 100);
    scene->addChild(view);

    touchBegin(Vec2(250, 250));
    touchMove(Vec2(240, 250));
    touchMove(Vec2(220, 250));
    EXPECT_EQ(view->getContentOffset(), Vec2(-20, 0));
    view->SetDirectionBothWithAutoLockBegan();
    EXPECT_EQ(view->getDirection(), Direction::HORIZONTAL);
    // Locked: moving up and down no longer moves the content vertically.
    touchMove(Vec2(200, 210));
    touchMove(Vec2(190, 170));
    EXPECT_FLOAT_EQ(view->getContentOffset().y, 0);
    EXPECT_FLOAT_EQ(view->getContentOffset().x, -50);
    touchEnd(Vec2(190, 170));
    view->SetDirectionBothWithAutoLockEnded();
    EXPECT_EQ(view->getDirection(), Direction::BOTH);

    // A first movement along y locks the other axis and puts x back.
    view->setContentOffset(Vec2(0, -30));
    view->SetDirectionBothWithAutoLockBegan();
    EXPECT_EQ(view->getDirection(), Direction::VERTICAL);
    view->SetDirectionBothWithAutoLockEnded();
    EXPECT_EQ(view->getDirection(), Direction::BOTH);

    // Only two-way views lock.
    CCScrollViewEx* vertical = list();
    vertical->setContentOffset(Vec2(-10, -10));
    vertical->SetDirectionBothWithAutoLockBegan();
    vertical->SetDirectionBothWithAutoLockEnded();
    EXPECT_EQ(vertical->getDirection(), Direction::VERTICAL);
}
