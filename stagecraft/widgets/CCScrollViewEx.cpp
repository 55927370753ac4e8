#include "widgets/CCScrollViewEx.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>

#include "services/TzTime.h"
#include "widgets/CSpriteButton.h"

USING_NS_CC;
using cocos2d::extension::ScrollView;

namespace {

// A swipe shorter than this many milliseconds turns the page once it is
// longer than kQuickSwipeDistance points.
const int kQuickSwipeTime = 600;
const float kQuickSwipeDistance = 50.0f;

// Separator lines: tags from here on, this opacity, and this many more than
// the content holds (room for rows added later).
const int kFirstLineTag = 1001;
const GLubyte kLineOpacity = 100;
const int kSpareLines = 10;

// Milliseconds from an earlier reading of TzMillisecondNow, which wraps in 32 bits.
int ElapsedSince(long earlier)
{
    return static_cast<int32_t>(static_cast<uint32_t>(TzMillisecondNow()) - static_cast<uint32_t>(earlier));
}

// The white 2 x 2 texture a separator line stretches; tinting gives its colour.
Texture2D* LineTexture()
{
    static const unsigned char kWhite[2 * 2 * 4] = {255, 255, 255, 255, 255, 255, 255, 255,
                                                    255, 255, 255, 255, 255, 255, 255, 255};
    Texture2D* texture = new (std::nothrow) Texture2D();
    if (texture == nullptr)
        return nullptr;
    if (!texture->initWithData(kWhite, sizeof(kWhite), Texture2D::PixelFormat::RGBA8888, 2, 2, Size(2, 2))) {
        delete texture;
        return nullptr;
    }
    texture->autorelease();
    return texture;
}

} // namespace

CCCellLayer* CCCellLayer::create()
{
    CCCellLayer* cell = new (std::nothrow) CCCellLayer();
    if (cell != nullptr && cell->init()) {
        cell->autorelease();
        return cell;
    }
    delete cell;
    return nullptr;
}

void CCScrollViewDelegateEx::ScrollViewDidPageEnded(ScrollView* /*view*/, int /*pageIndex*/) {}

CCScrollViewEx::CCScrollViewEx()
    : m_nTouchBeganTime(0),
      m_bMoved(false),
      m_bAutoLock(false),
      m_ePageDirection(Direction::NONE),
      m_sPageSize(Size::ZERO),
      m_nPageIndex(0),
      m_nPageCount(0),
      m_sSeparatorColor(Color3B::GRAY),
      m_fCellWidth(0),
      m_fCellHeight(0),
      m_nCellCount(0)
{
    setDelegate(this);
}

CCScrollViewEx::~CCScrollViewEx() = default;

CCScrollViewEx* CCScrollViewEx::create()
{
    CCScrollViewEx* view = new (std::nothrow) CCScrollViewEx();
    if (view != nullptr && view->init()) {
        view->autorelease();
        return view;
    }
    delete view;
    return nullptr;
}

CCScrollViewEx* CCScrollViewEx::create(Size contentSize, Size viewSize, Direction direction)
{
    CCScrollViewEx* view = create();
    if (view == nullptr)
        return nullptr;
    view->setViewSize(viewSize);
    view->setContentSize(contentSize);
    view->setDirection(direction);
    return view;
}

bool CCScrollViewEx::init()
{
    if (!ScrollView::init())
        return false;
    setDelegate(this);
    return true;
}

void CCScrollViewEx::InitCellCount(int count, float cellHeight, bool lines)
{
    DropCells();
    count = std::max(count, 0);
    m_fCellHeight = cellHeight;
    for (int i = 0; i < count; ++i) {
        CCCellLayer* cell = CCCellLayer::create();
        if (cell == nullptr)
            break;
        cell->SetMainType(i);
        getContainer()->addChild(cell);
        m_vCells.pushBack(cell);
    }
    m_nCellCount = static_cast<int>(m_vCells.size());
    LayoutCells();
    if (lines)
        SetLineHorizontal(cellHeight);
}

CCCellLayer* CCScrollViewEx::AddCellLayer()
{
    CCCellLayer* cell = CCCellLayer::create();
    if (cell == nullptr)
        return nullptr;
    cell->SetMainType(m_nCellCount);
    getContainer()->addChild(cell);
    m_vCells.pushBack(cell);
    m_nCellCount = static_cast<int>(m_vCells.size());
    LayoutCells();
    return cell;
}

// The content is as high as the rows (at least the view); row i lies at
// total - (i + 1) x height, so the last row touches the bottom.
void CCScrollViewEx::LayoutCells()
{
    const Size view = getViewSize();
    const float total = m_nCellCount * m_fCellHeight;
    setContentSize(Size(view.width, std::max(total, view.height)));
    for (int i = 0; i < m_nCellCount; ++i) {
        CCCellLayer* cell = m_vCells.at(i);
        cell->setContentSize(Size(view.width, m_fCellHeight));
        cell->setAnchorPoint(Vec2::ZERO);
        cell->setPosition(0, total - (i + 1) * m_fCellHeight);
    }
}

void CCScrollViewEx::DropCells()
{
    for (CCCellLayer* cell : m_vCells)
        cell->removeFromParentAndCleanup(true);
    m_vCells.clear();
    m_nCellCount = 0;
}

CCCellLayer* CCScrollViewEx::GetCellLayer(int index)
{
    if (index < 0 || index >= static_cast<int>(m_vCells.size()))
        return nullptr;
    return m_vCells.at(index);
}

void CCScrollViewEx::SetLineHorizontal(float rowHeight)
{
    m_fCellHeight = rowHeight;
    PlaceLines(m_vLinesHorizontal, true, rowHeight);
}

void CCScrollViewEx::SetLineVertical(float columnWidth)
{
    m_fCellWidth = columnWidth;
    PlaceLines(m_vLinesVertical, false, columnWidth);
}

// Horizontal line j lies at (0, H - (j + 1) x step) and spans the width;
// vertical line j at ((j + 1) x step, -H), reaching up 2H.
void CCScrollViewEx::PlaceLines(Vector<Sprite*>& lines, bool horizontal, float step)
{
    if (!(step > 0))
        return;
    const Size size = getContainer()->getContentSize();
    auto place = [&](Sprite* line, int j) {
        if (horizontal)
            line->setPosition(0, size.height - (j + 1) * step);
        else
            line->setPosition((j + 1) * step, -size.height);
        if (line->getParent() == nullptr)
            getContainer()->addChild(line, 0, kFirstLineTag + j);
    };
    if (!lines.empty()) {
        for (int j = 0; j < static_cast<int>(lines.size()); ++j)
            place(lines.at(j), j);
        return;
    }
    Texture2D* texture = LineTexture();
    if (texture == nullptr)
        return;
    const float across = horizontal ? size.height : size.width;
    const int count = static_cast<int>(std::min(across / step, 100000.0f)) + kSpareLines;
    for (int i = 0; i < count; ++i) {
        Sprite* line = Sprite::createWithTexture(texture);
        if (line == nullptr)
            break;
        line->setColor(m_sSeparatorColor);
        line->setOpacity(kLineOpacity);
        if (horizontal) {
            line->setAnchorPoint(Vec2(0.0f, 0.5f));
            line->setScaleX(size.width / line->getContentSize().width);
        } else {
            line->setAnchorPoint(Vec2(0.5f, 0.0f));
            line->setScaleY(2 * size.height / line->getContentSize().height);
        }
        lines.pushBack(line);
        place(line, i);
    }
}

void CCScrollViewEx::SetSeparatorColor(Color3B color)
{
    m_sSeparatorColor = color;
    for (Sprite* line : m_vLinesVertical)
        line->setColor(color);
    for (Sprite* line : m_vLinesHorizontal)
        line->setColor(color);
}

void CCScrollViewEx::ResetScrollView()
{
    getContainer()->removeAllChildren();
    m_vCells.clear();
    m_nCellCount = 0;
}

void CCScrollViewEx::RemoveAllCellChild()
{
    ResetScrollView();
    if (!m_vLinesHorizontal.empty())
        SetLineHorizontal(m_fCellHeight);
    if (!m_vLinesVertical.empty())
        SetLineVertical(m_fCellWidth);
}

void CCScrollViewEx::RemoveChildByTag(int tag)
{
    getContainer()->removeChildByTag(tag, true);
}

void CCScrollViewEx::SetScrollTop()
{
    const Size view = getViewSize();
    const Size content = getContentSize();
    setContentOffset(Vec2(view.width - content.width, view.height - content.height), false);
}

void CCScrollViewEx::SetDirectionBothWithAutoLockBegan()
{
    if (getDirection() != Direction::BOTH)
        return;
    m_bAutoLock = true;
    const Vec2 offset = getContentOffset();
    if (offset.x != 0) {
        setDirection(Direction::HORIZONTAL);
        getContainer()->setPositionY(0);
    } else if (offset.y != 0) {
        setDirection(Direction::VERTICAL);
        getContainer()->setPositionX(0);
    }
}

void CCScrollViewEx::SetDirectionBothWithAutoLockEnded()
{
    if (m_bAutoLock)
        setDirection(Direction::BOTH);
}

void CCScrollViewEx::SetPageIndex(int index, bool /*animated*/)
{
    m_nPageIndex = index;
    unscheduleAllCallbacks();
    if (m_ePageDirection == Direction::HORIZONTAL)
        setContentOffset(Vec2(-index * m_sPageSize.width, 0), true);
    if (CCScrollViewDelegateEx* delegate = dynamic_cast<CCScrollViewDelegateEx*>(getDelegate()))
        delegate->ScrollViewDidPageEnded(this, m_nPageIndex);
}

void CCScrollViewEx::SetScrollViewPageBegan(Touch* touch)
{
    if (touch == nullptr)
        return;
    m_sTouchBeganPoint = convertTouchToNodeSpace(touch);
    m_nTouchBeganTime = TzMillisecondNow();
    m_bMoved = false;
}

void CCScrollViewEx::SetScrollViewPageMoved(Touch* /*touch*/)
{
    m_bMoved = true;
}

void CCScrollViewEx::SetScrollViewPageEnded(Touch* touch)
{
    if (!m_bMoved || touch == nullptr)
        return;
    const Vec2 point = convertTouchToNodeSpace(touch);
    const float d = m_ePageDirection != Direction::HORIZONTAL ? point.y - m_sTouchBeganPoint.y
                                                              : point.x - m_sTouchBeganPoint.x;
    const bool quick = ElapsedSince(m_nTouchBeganTime) < kQuickSwipeTime && std::fabs(d) > kQuickSwipeDistance;
    if (quick || std::fabs(d) > m_sPageSize.width / 2) {
        if (d < 0) {
            if (m_nPageIndex < m_nPageCount - 1)
                ++m_nPageIndex;
        } else if (m_nPageIndex > 0) {
            --m_nPageIndex;
        }
    }
    SetPageIndex(m_nPageIndex, true);
}

void CCScrollViewEx::scrollViewDidScroll(ScrollView* view)
{
    CSpriteButton::m_bScroll = view != nullptr && view->isDragging();
}

void CCScrollViewEx::scrollViewEndedScroll(ScrollView* /*view*/) {}
