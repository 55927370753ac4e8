// The platform's list and pager on the engine's scroll view: fixed-height
// rows laid out from the top, optional separator lines, paging by swipe,
// locking a two-way view to the axis of the first movement, and telling
// every button whether a drag is in progress.
#pragma once

#include "cocos2d.h"
#include "extensions/GUI/CCScrollView/CCScrollView.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

// One row of a list: a plain layer with the widget records. Its main type
// (parameter record) is its row index.
class STAGECRAFT_API CCCellLayer : public cocos2d::Layer, public CSpriteInterface {
public:
    static CCCellLayer* create();
};

// The engine's scroll-view delegate plus the end of a page turn.
class STAGECRAFT_API CCScrollViewDelegateEx : public cocos2d::extension::ScrollViewDelegate {
public:
    virtual void ScrollViewDidPageEnded(cocos2d::extension::ScrollView* view, int pageIndex);
};

class STAGECRAFT_API CCScrollViewEx : public cocos2d::extension::ScrollView,
                                      public CSpriteInterface,
                                      public CCScrollViewDelegateEx {
public:
    using Direction = cocos2d::extension::ScrollView::Direction;

    CCScrollViewEx();
    ~CCScrollViewEx() override;

    static CCScrollViewEx* create();
    static CCScrollViewEx* create(cocos2d::Size contentSize, cocos2d::Size viewSize, Direction direction);
    // The engine's initialisation forgets the delegate; the view sets itself again.
    bool init() override;

    void SetCellWidth(float width) { m_fCellWidth = width; }
    float GetCellWigth() const { return m_fCellWidth; }
    void SetCellHeight(float height) { m_fCellHeight = height; }
    float GetCellHeight() const { return m_fCellHeight; }
    void SetPageDirection(Direction direction) { m_ePageDirection = direction; }
    Direction GetPageDirection() const { return m_ePageDirection; }
    int GetPageIndex() const { return m_nPageIndex; }
    int GetPageCount() const { return m_nPageCount; }
    // A pager needs both: how many pages, and how wide one is.
    void SetPageCount(int count) { m_nPageCount = count; }
    void SetPageSize(cocos2d::Size size) { m_sPageSize = size; }
    cocos2d::Size GetPageSize() const { return m_sPageSize; }

    // Rows: count rows of cellHeight stacked from the top down to the bottom
    // of their total height; the previous rows are dropped.
    void InitCellCount(int count, float cellHeight, bool lines);
    // One more row of the current height, appended below the others.
    CCCellLayer* AddCellLayer();
    CCCellLayer* GetCellLayer(int index);
    int GetCellCount() const { return m_nCellCount; }

    // Separator lines every rowHeight from the top / every columnWidth from
    // the left; a size of 0 or less draws none.
    void SetLineHorizontal(float rowHeight);
    void SetLineVertical(float columnWidth);
    void SetSeparatorColor(cocos2d::Color3B color);

    // Empty the container (and the rows); RemoveAllCellChild keeps the separators.
    void ResetScrollView();
    void RemoveAllCellChild();
    void RemoveChildByTag(int tag);

    void SetScrollTop();

    void SetDirectionBothWithAutoLockBegan();
    void SetDirectionBothWithAutoLockEnded();

    // The paging gesture; the owner of the touches calls these from its handlers.
    void SetPageIndex(int index, bool animated);
    void SetScrollViewPageBegan(cocos2d::Touch* touch);
    void SetScrollViewPageMoved(cocos2d::Touch* touch);
    void SetScrollViewPageEnded(cocos2d::Touch* touch);

    void scrollViewDidScroll(cocos2d::extension::ScrollView* view) override;
    // Declared without "override": engines without this notice simply never call it.
    virtual void scrollViewEndedScroll(cocos2d::extension::ScrollView* view);

private:
    // Lines of one axis: created on first use, moved and re-attached afterwards.
    void PlaceLines(cocos2d::Vector<cocos2d::Sprite*>& lines, bool horizontal, float step);
    void LayoutCells();
    void DropCells();

    cocos2d::Vec2 m_sTouchBeganPoint;
    long m_nTouchBeganTime;
    bool m_bMoved;
    bool m_bAutoLock;
    Direction m_ePageDirection;
    cocos2d::Size m_sPageSize;
    int m_nPageIndex;
    int m_nPageCount;
    cocos2d::Color3B m_sSeparatorColor;
    float m_fCellWidth;
    float m_fCellHeight;
    cocos2d::Vector<cocos2d::Sprite*> m_vLinesVertical;
    cocos2d::Vector<cocos2d::Sprite*> m_vLinesHorizontal;
    cocos2d::Vector<CCCellLayer*> m_vCells;
    int m_nCellCount;
};
