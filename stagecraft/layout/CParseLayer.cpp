#include "layout/CParseLayer.h"

#include "layout/CParseJson.h"
#include "services/CAutoScreen.h"
#include "widgets/CCLabelAtlasEx.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"

namespace {

enum Phase { PHASE_BEGAN, PHASE_MOVED, PHASE_ENDED };

std::string IndexedName(const std::string& name, int index)
{
    return index != -1 ? name + std::to_string(index) : name;
}

// Keeps a layer alive across a hook that may remove it from the scene.
class KeepAlive {
public:
    explicit KeepAlive(cocos2d::Ref* ref) : m_pRef(ref) { m_pRef->retain(); }
    ~KeepAlive() { m_pRef->release(); }
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    cocos2d::Ref* m_pRef;
};

} // namespace

CParseLayer* CParseLayer::create()
{
    CParseLayer* layer = new (std::nothrow) CParseLayer();
    if (layer != nullptr && layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

CParseLayer::CParseLayer() : m_fDesignWidth(0.0f), m_fDesignHeight(0.0f) {}

CParseLayer::~CParseLayer()
{
    if (CSpriteButton::m_pButtonLock == this)
        CSpriteButton::m_pButtonLock = nullptr;
}

void CParseLayer::InitNodeInterface(cocos2d::Node*) {}

bool CParseLayer::TzTouchBegan(cocos2d::Vec2, int)
{
    return false;
}

void CParseLayer::TzTouchMoved(cocos2d::Vec2, int) {}

void CParseLayer::TzTouchEnded(cocos2d::Vec2, int) {}

void CParseLayer::TzTouchScroll(cocos2d::Vec2, int) {}

void CParseLayer::TzTouchCancel(cocos2d::Vec2, int) {}

void CParseLayer::TzKeyMenuClick(cocos2d::EventKeyboard::KeyCode, cocos2d::Event*) {}

void CParseLayer::onEnter()
{
    cocos2d::Layer::onEnter();
}

void CParseLayer::onExit()
{
    cocos2d::Layer::onExit();
}

void CParseLayer::onKeyPressed(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event)
{
    TzKeyMenuClick(key, event);
}

void CParseLayer::onKeyRelease(cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event)
{
    TzKeyMenuClick(key, event);
}

// --- finding widgets -------------------------------------------------------

cocos2d::Node* CParseLayer::GetNodeWithName(const std::string& name, cocos2d::Node* parent, int depth)
{
    if (parent == nullptr) {
        if (depth != 0)
            return nullptr;
        parent = this;
    }
    // A snapshot: nothing below changes the list, but a caller's override might.
    const cocos2d::Vector<cocos2d::Node*> children = parent->getChildren();
    for (cocos2d::Node* child : children) {
        const CSpriteUIJsonData* record = dynamic_cast<CSpriteUIJsonData*>(child);
        if (record == nullptr)
            continue;
        if (name == record->GetJsonName())
            return child;
        cocos2d::Node* inside = child;
        if (CCScrollViewEx* scroll = dynamic_cast<CCScrollViewEx*>(child))
            inside = scroll->getContainer();
        if (inside == nullptr)
            continue;
        if (cocos2d::Node* found = GetNodeWithName(name, inside, depth + 1))
            return found;
    }
    return nullptr;
}

void CParseLayer::RemoveNodeWithName(const std::string& name, int index)
{
    if (cocos2d::Node* node = GetNodeWithName(IndexedName(name, index)))
        node->removeFromParent();
}

bool CParseLayer::GetNodeVisible(const std::string& name)
{
    const cocos2d::Node* node = GetNodeWithName(name);
    return node != nullptr && node->isVisible();
}

void CParseLayer::SetNodeVisible(const std::string& name, bool visible)
{
    if (cocos2d::Node* node = GetNodeWithName(name))
        node->setVisible(visible);
}

CSpriteButton* CParseLayer::FindButton(const std::string& name, int index)
{
    return dynamic_cast<CSpriteButton*>(GetNodeWithName(IndexedName(name, index)));
}

// --- shortcuts -------------------------------------------------------------

void CParseLayer::SetButtonStatusWithEnum(const std::string& name, const std::string& file, int count,
                                          CSpriteButton::BUTTON_ENUM status)
{
    if (CSpriteButton* button = FindButton(name, -1))
        button->SetButtonFileStatus(file, count, status);
}

void CParseLayer::SetButtonShowEnum(const std::string& name, CSpriteButton::BUTTON_ENUM status)
{
    if (CSpriteButton* button = FindButton(name, -1))
        button->SetButtonShowEnum(status);
}

void CParseLayer::SetButtonShowEnum(const std::string& name, int index, CSpriteButton::BUTTON_ENUM status)
{
    // This form always takes the index as part of the name.
    if (CSpriteButton* button = dynamic_cast<CSpriteButton*>(GetNodeWithName(name + std::to_string(index))))
        button->SetButtonShowEnum(status);
}

void CParseLayer::SetButtonEnable(const std::string& name, bool enable, int index)
{
    if (CSpriteButton* button = FindButton(name, index))
        button->SetEnableTouch(enable);
}

void CParseLayer::SetImageTexture(const std::string& name, cocos2d::Texture2D* texture, cocos2d::Rect rect)
{
    CSpriteImage* image = dynamic_cast<CSpriteImage*>(GetNodeWithName(name));
    if (image == nullptr || texture == nullptr)
        return;
    image->setTexture(texture);
    image->setTextureRect(rect);
}

void CParseLayer::SetImageFile(const std::string& name, const std::string& file)
{
    if (CSpriteImage* image = dynamic_cast<CSpriteImage*>(GetNodeWithName(name)))
        image->SetTextureFile(file, cocos2d::Rect::ZERO);
}

void CParseLayer::SetLabelStringEvent(const std::string& name, const std::string& text)
{
    if (CSpriteLabel* label = dynamic_cast<CSpriteLabel*>(GetNodeWithName(name)))
        label->setString(text);
}

void CParseLayer::SetLabelStringWithNumber(const std::string& name, int number)
{
    SetLabelStringEvent(name, std::to_string(number));
}

void CParseLayer::SetLabelAtlasScore(const std::string& name, int number)
{
    if (CCLabelAtlasEx* atlas = dynamic_cast<CCLabelAtlasEx*>(GetNodeWithName(name)))
        atlas->setString(std::to_string(number));
}

void CParseLayer::SetLabelStringWithScore(const std::string&, long long, int) {}

void CParseLayer::SetBoxEditWithText(const std::string&, const std::string&) {}

void CParseLayer::SetBoxEditTouchBeganEvent(const std::string&, cocos2d::Ref*, cocos2d::SEL_CallFuncN) {}

void CParseLayer::SetBoxEditTouchMovedEvent(const std::string&, cocos2d::Ref*, cocos2d::SEL_CallFuncN) {}

void CParseLayer::SetBoxEditTouchEndedEvent(const std::string&, cocos2d::Ref*, cocos2d::SEL_CallFuncN) {}

void CParseLayer::SetAllButtonPriority(int) {}

// --- button events ---------------------------------------------------------

void CParseLayer::ccParseLayerButtonBegan(cocos2d::Node* button)
{
    CallSelectorBegan(button);
}

void CParseLayer::ccParseLayerButtonMoved(cocos2d::Node* button)
{
    CallSelectorMoved(button);
}

void CParseLayer::ccParseLayerButtonEnded(cocos2d::Node* button)
{
    CallSelectorEnded(button);
}

void CParseLayer::SetButtonTouchBeganEvent(const std::string& name, cocos2d::Ref* target,
                                           cocos2d::SEL_CallFuncN handler)
{
    if (CSpriteButton* button = FindButton(name, -1))
        button->SetSelectorBegan(target, handler);
}

void CParseLayer::SetButtonTouchMovedEvent(const std::string& name, cocos2d::Ref* target,
                                           cocos2d::SEL_CallFuncN handler)
{
    if (CSpriteButton* button = FindButton(name, -1))
        button->SetSelectorMoved(target, handler);
}

void CParseLayer::SetButtonTouchEndedEvent(const std::string& name, cocos2d::Ref* target,
                                           cocos2d::SEL_CallFuncN handler)
{
    if (CSpriteButton* button = FindButton(name, -1))
        button->SetSelectorEnded(target, handler);
}

void CParseLayer::SetAllButtonEvent(int phase, cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler,
                                    cocos2d::Node* parent, int depth)
{
    if (parent == nullptr) {
        if (depth != 0)
            return;
        parent = this;
    }
    const cocos2d::Vector<cocos2d::Node*> children = parent->getChildren();
    for (cocos2d::Node* child : children) {
        if (CSpriteButton* button = dynamic_cast<CSpriteButton*>(child)) {
            switch (phase) {
            case PHASE_BEGAN: button->SetSelectorBegan(target, handler); break;
            case PHASE_MOVED: button->SetSelectorMoved(target, handler); break;
            default: button->SetSelectorEnded(target, handler); break;
            }
        }
        SetAllButtonEvent(phase, target, handler, child, depth + 1);
    }
}

void CParseLayer::SetAllButtonTouchBeganEvent(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler,
                                              cocos2d::Node* parent, int depth)
{
    SetAllButtonEvent(PHASE_BEGAN, target, handler, parent, depth);
}

void CParseLayer::SetAllButtonTouchMovedEvent(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler,
                                              cocos2d::Node* parent, int depth)
{
    SetAllButtonEvent(PHASE_MOVED, target, handler, parent, depth);
}

void CParseLayer::SetAllButtonTouchEndedEvent(cocos2d::Ref* target, cocos2d::SEL_CallFuncN handler,
                                              cocos2d::Node* parent, int depth)
{
    SetAllButtonEvent(PHASE_ENDED, target, handler, parent, depth);
}

// --- input -----------------------------------------------------------------

void CParseLayer::RegisterTouchOrMouse()
{
    cocos2d::EventListenerMouse* listener = cocos2d::EventListenerMouse::create();
    listener->onMouseDown = [this](cocos2d::EventMouse* event) { OnMouseDown(event); };
    listener->onMouseUp = [this](cocos2d::EventMouse* event) { OnMouseUp(event); };
    listener->onMouseMove = [this](cocos2d::EventMouse* event) { OnMouseMove(event); };
    listener->onMouseScroll = [this](cocos2d::EventMouse* event) { OnMouseScroll(event); };
    _eventDispatcher->addEventListenerWithSceneGraphPriority(listener, this);
}

void CParseLayer::RegisterKeyMenuClick()
{
    cocos2d::EventListenerKeyboard* listener = cocos2d::EventListenerKeyboard::create();
    listener->onKeyPressed = [this](cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event) {
        onKeyPressed(key, event);
    };
    listener->onKeyReleased = [this](cocos2d::EventKeyboard::KeyCode key, cocos2d::Event* event) {
        onKeyPressed(key, event);
    };
    _eventDispatcher->addEventListenerWithSceneGraphPriority(listener, this);
}

bool CParseLayer::AcceptsPress() const
{
    for (const cocos2d::Node* node = this; node != nullptr; node = node->getParent()) {
        if (!node->isVisible())
            return false;
    }
    return CSpriteButton::m_pButtonLock == nullptr || CSpriteButton::m_pButtonLock == this;
}

cocos2d::Vec2 CParseLayer::CursorInNodeSpace(cocos2d::EventMouse* event) const
{
    return convertToNodeSpace(cocos2d::Vec2(event->getCursorX(), event->getCursorY()));
}

void CParseLayer::OnMouseDown(cocos2d::EventMouse* event)
{
    if (event == nullptr || !AcceptsPress())
        return;
    const cocos2d::Vec2 point = CursorInNodeSpace(event);
    SetTouchActive(true);
    TzTouchBegan(point, static_cast<int>(event->getMouseButton()));
}

void CParseLayer::OnMouseMove(cocos2d::EventMouse* event)
{
    if (event == nullptr || !GetTouchActive())
        return;
    TzTouchMoved(CursorInNodeSpace(event), static_cast<int>(event->getMouseButton()));
}

void CParseLayer::OnMouseUp(cocos2d::EventMouse* event)
{
    if (event == nullptr || !GetTouchActive())
        return;
    KeepAlive alive(this);
    TzTouchEnded(CursorInNodeSpace(event), static_cast<int>(event->getMouseButton()));
    SetTouchActive(false);
}

void CParseLayer::OnMouseScroll(cocos2d::EventMouse* event)
{
    if (event == nullptr)
        return;
    TzTouchScroll(CursorInNodeSpace(event), static_cast<int>(event->getMouseButton()));
}

bool CParseLayer::OnTouchBegan(cocos2d::Touch* touch, cocos2d::Event*)
{
    if (touch == nullptr || !AcceptsPress())
        return false;
    SetTouchActive(true);
    return TzTouchBegan(touch->getLocation(), 0);
}

void CParseLayer::OnTouchMoved(cocos2d::Touch* touch, cocos2d::Event*)
{
    if (touch != nullptr)
        TzTouchMoved(touch->getLocation(), 0);
}

void CParseLayer::OnTouchEnded(cocos2d::Touch* touch, cocos2d::Event*)
{
    if (touch == nullptr)
        return;
    KeepAlive alive(this);
    TzTouchEnded(touch->getLocation(), 0);
    SetTouchActive(false);
}

void CParseLayer::OnTouchCancel(cocos2d::Touch* touch, cocos2d::Event*)
{
    if (touch == nullptr)
        return;
    KeepAlive alive(this);
    TzTouchCancel(touch->getLocation(), 0);
    SetTouchActive(false);
}

// --- adaptation ------------------------------------------------------------

void CParseLayer::SetAutoPosition()
{
    setPosition((CAutoScreen::GetSceneWidth() - m_fDesignWidth) / 2.0f,
                (CAutoScreen::GetSceneHeight() - m_fDesignHeight) / 2.0f);
}

void CParseLayer::SetAutoPosition(cocos2d::Node* node)
{
    CParseJson::shareParseJson()->SetAutoPositionWithNode(node);
}
