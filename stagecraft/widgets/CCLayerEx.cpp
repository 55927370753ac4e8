#include "widgets/CCLayerEx.h"

#include <new>

#include "services/CAutoScreen.h"
#include "widgets/WidgetListeners.h"

USING_NS_CC;

namespace {

// The colour layer behind the content.
const int kColorLayerZ = -1;
const int kColorLayerTag = 0;

} // namespace

CCLayerEx::CCLayerEx()
    : m_nRemoveTag(-1),
      m_pRemoveNode(nullptr),
      m_pSelectRemoveTarget(nullptr),
      m_pSelectRemoveCallback(nullptr),
      m_bBeganInside(false),
      m_bRemoveSelf(true)
{
}

CCLayerEx::~CCLayerEx()
{
    CC_SAFE_RELEASE(m_pRemoveNode);
}

CCLayerEx* CCLayerEx::create()
{
    CCLayerEx* layer = new (std::nothrow) CCLayerEx();
    if (layer != nullptr && layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

bool CCLayerEx::init()
{
    if (!Layer::init())
        return false;
    InitValue();
    return true;
}

void CCLayerEx::InitValue()
{
    m_sRemoveRect = Rect::ZERO;
    m_nRemoveTag = -1;
    SetRemoveNodeRetained(nullptr);
    m_pSelectRemoveTarget = nullptr;
    m_pSelectRemoveCallback = nullptr;
    m_bBeganInside = false;
    m_bRemoveSelf = true;
    RegisterTouchEvent();
}

void CCLayerEx::RegisterTouchEvent()
{
    ListenToMouseMoves(this);
    ListenToTouches(this, true);
}

void CCLayerEx::SetRemoveNodeRetained(Node* node)
{
    if (node == m_pRemoveNode)
        return;
    CC_SAFE_RETAIN(node);
    CC_SAFE_RELEASE(m_pRemoveNode);
    m_pRemoveNode = node;
}

void CCLayerEx::SetRemoveNode(Node* node)
{
    SetRemoveNodeRetained(node);
    m_bRemoveSelf = true;
}

void CCLayerEx::SetSelectRemove(Ref* target, SEL_CallFuncN callback)
{
    m_pSelectRemoveTarget = target;
    m_pSelectRemoveCallback = callback;
}

Rect CCLayerEx::GetRemoveRect()
{
    if (m_nRemoveTag != -1)
        SetRemoveNodeRetained(getChildByTag(m_nRemoveTag));
    Node* node = m_pRemoveNode;
    if (node == nullptr)
        return m_sRemoveRect;
    // The node's bottom-left corner in its parent's space, taken to the world.
    const Size size = node->getContentSize();
    const Vec2 anchor = node->getAnchorPoint();
    Vec2 corner(node->getPositionX() - size.width * anchor.x, node->getPositionY() - size.height * anchor.y);
    if (Node* parent = node->getParent())
        corner = parent->convertToWorldSpace(corner);
    m_sRemoveRect = Rect(corner.x, corner.y, size.width, size.height);
    return m_sRemoveRect;
}

void CCLayerEx::SetLayerColor(Color4B color, float opacity)
{
    LayerColor* back = LayerColor::create(color, CAutoScreen::GetSceneWidth(), CAutoScreen::GetSceneHeight());
    if (back == nullptr)
        return;
    back->setAnchorPoint(Vec2::ZERO);
    back->setPosition(Vec2::ZERO);
    back->setOpacity(static_cast<GLubyte>(static_cast<int>(opacity * 255)));
    addChild(back, kColorLayerZ, kColorLayerTag);
}

bool CCLayerEx::OnTouchBegan(Touch* touch, Event* /*event*/)
{
    if (!isVisible())
        return false;
    m_bBeganInside = false;
    SetSelectorPoint(convertTouchToNodeSpace(touch));
    CallSelectorBegan(this);
    m_bBeganInside = GetRemoveRect().containsPoint(touch->getLocation());
    return true;
}

void CCLayerEx::OnTouchMoved(Touch* touch, Event* /*event*/)
{
    SetSelectorPoint(convertTouchToNodeSpace(touch));
    CallSelectorMoved(this);
}

void CCLayerEx::OnTouchEnded(Touch* touch, Event* /*event*/)
{
    // The handlers may take the layer off the scene; it lives to the end of this call.
    retain();
    CallSelectorEnded(this);
    SetSelectorPoint(convertTouchToNodeSpace(touch));
    if (m_bRemoveSelf && !m_bBeganInside && !GetRemoveRect().containsPoint(touch->getLocation())) {
        if (m_pSelectRemoveTarget != nullptr && m_pSelectRemoveCallback != nullptr)
            (m_pSelectRemoveTarget->*m_pSelectRemoveCallback)(this);
        removeFromParentAndCleanup(true);
    }
    autorelease();
}

void CCLayerEx::OnTouchCancel(Touch* touch, Event* event)
{
    OnTouchEnded(touch, event);
}

void CCLayerEx::OnMouseMove(Event* /*event*/) {}
