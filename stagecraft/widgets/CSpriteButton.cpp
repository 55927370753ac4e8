#include "widgets/CSpriteButton.h"

#include <algorithm>
#include <new>

#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CSpriteLabel.h"

namespace {

const float kLongPressSeconds = 0.5f;
const int kRightButton = 1;
const int kLabelZOrder = 100;

// Frames of a strip, left to right, with the count a strip needs at least
// for the look to be cut from it.
struct StripFrame {
    CSpriteButton::BUTTON_ENUM state;
    int frame;
    int threshold;
};
const StripFrame kStripFrames[] = {
    { CSpriteButton::BUTTON_NORMAL, 0, 0 },   { CSpriteButton::BUTTON_PRESSED, 1, 1 },
    { CSpriteButton::BUTTON_SELECTED, 2, 3 }, { CSpriteButton::BUTTON_HOVER, 3, 2 },
    { CSpriteButton::BUTTON_DISABLED, 4, 4 },
};

// The rect a pressed button keeps tracking: half its size more on every side.
cocos2d::Rect Enlarged(const cocos2d::Rect& rect)
{
    const float w = rect.size.width;
    const float h = rect.size.height;
    return cocos2d::Rect(-w / 2, -h / 2, 2 * w, 2 * h);
}

} // namespace

bool CSpriteButton::m_bScroll = false;
float CSpriteButton::m_fScaleValue = 1.2f;
cocos2d::Node* CSpriteButton::m_pButtonLock = nullptr;
cocos2d::Node* CSpriteButton::m_pButtonMoved = nullptr;

CSpriteButton::CSpriteButton()
    : m_pToggleSprite(nullptr), m_fFrameWidth(0), m_fFrameHeight(0), m_fConstScaleX(1), m_fConstScaleY(1),
      m_pLabel(nullptr), m_pScale9(nullptr), m_sRelativeSize(cocos2d::Size::ZERO), m_eButtonStatus(BUTTON_NORMAL),
      m_nButtonType(0), m_eSelectType(SELECT_COLOR), m_bPressed(false), m_bToggleEnabled(false), m_bToggled(false),
      m_bEnableTouch(true), m_bSwallowTouches(true), m_bLongPressFired(false), m_pTouchListener(nullptr),
      m_pMouseListener(nullptr), m_sColorSelect(cocos2d::Color3B::GRAY), m_sColorNormal(cocos2d::Color3B::WHITE),
      m_sColorDisable(cocos2d::Color3B::GRAY), m_fPressedTime(0), m_pLongPressTarget(nullptr),
      m_pLongPressed(nullptr), m_pLongPressedEnded(nullptr)
{
    for (CSpriteButton*& sprite : m_pStateSprite)
        sprite = nullptr;
}

CSpriteButton::~CSpriteButton()
{
    if (m_pButtonLock == this)
        m_pButtonLock = nullptr;
    if (m_pButtonMoved == this)
        m_pButtonMoved = nullptr;
    m_pLongPressed = nullptr;
    m_pLongPressedEnded = nullptr;
    for (CSpriteButton*& sprite : m_pStateSprite)
        CC_SAFE_RELEASE_NULL(sprite);
    CC_SAFE_RELEASE_NULL(m_pToggleSprite);
}

CSpriteButton* CSpriteButton::create()
{
    CSpriteButton* button = new (std::nothrow) CSpriteButton();
    if (button == nullptr)
        return nullptr;
    if (!button->init()) {
        delete button;
        return nullptr;
    }
    button->autorelease();
    return button;
}

CSpriteButton* CSpriteButton::create(const std::string& file, int count, BUTTON_ENUM state)
{
    CSpriteButton* button = create();
    if (button != nullptr)
        button->SetButtonFileStatus(file, count, state);
    return button;
}

CSpriteButton* CSpriteButton::create(const std::string& scale9File, const std::string& text,
                                     const std::string& fontName, float fontSize)
{
    CSpriteButton* button = create();
    if (button != nullptr)
        button->SetButtonScale9Label(scale9File, text, fontName, fontSize);
    return button;
}

// ---------------------------------------------------------------- textures

void CSpriteButton::ReplaceHolder(CSpriteButton*& slot, cocos2d::Texture2D* texture, const cocos2d::Rect& rect)
{
    CC_SAFE_RELEASE_NULL(slot);
    CSpriteButton* holder = create();
    if (holder == nullptr)
        return;
    holder->initWithTexture(texture, rect);
    holder->setVisible(false);
    holder->retain();
    slot = holder;
}

CSpriteButton* CSpriteButton::GetStateSprite(BUTTON_ENUM state) const
{
    return state >= 0 && state < STATE_COUNT ? m_pStateSprite[state] : nullptr;
}

void CSpriteButton::SetButtonFileStatus(const std::string& file, int count, BUTTON_ENUM state)
{
    if (count <= 0)
        return;
    cocos2d::Texture2D* texture = cocos2d::Director::getInstance()->getTextureCache()->addImage(file);
    if (texture != nullptr)
        SetButtonFileStatus(texture, count, state);
}

void CSpriteButton::SetButtonFileStatus(cocos2d::Texture2D* texture, int count, BUTTON_ENUM state)
{
    if (texture == nullptr || count <= 0)
        return;
    const cocos2d::Size size = texture->getContentSize();
    m_fFrameWidth = size.width;
    m_fFrameHeight = size.height;
    if (state == BUTTON_STRIP) {
        m_fFrameWidth = size.width / count;
        for (const StripFrame& f : kStripFrames) {
            // Only frames that lie inside the strip.
            if (count < f.threshold || f.frame >= count)
                continue;
            ReplaceHolder(m_pStateSprite[f.state], texture,
                          cocos2d::Rect(f.frame * m_fFrameWidth, 0, m_fFrameWidth, m_fFrameHeight));
        }
    } else if (count == 1 && state >= 0 && state < STATE_COUNT) {
        ReplaceHolder(m_pStateSprite[state], texture, cocos2d::Rect(0, 0, size.width, size.height));
    }
    SetButtonShowEnum(state);
}

void CSpriteButton::SetButtonFileStatus(const std::string& file, cocos2d::Rect rect, BUTTON_ENUM state)
{
    if (file.empty())
        return;
    cocos2d::Texture2D* texture = cocos2d::Director::getInstance()->getTextureCache()->addImage(file);
    if (texture != nullptr)
        SetButtonTextureEnum(texture, rect, state);
}

void CSpriteButton::SetButtonTextureEnum(cocos2d::Texture2D* texture, cocos2d::Rect rect, BUTTON_ENUM state)
{
    if (texture == nullptr)
        return;
    if (state >= 0 && state < STATE_COUNT) {
        ReplaceHolder(m_pStateSprite[state], texture, rect);
    } else if (state == BUTTON_TOGGLE) {
        ReplaceHolder(m_pToggleSprite, texture, rect);
        m_bToggleEnabled = true;
    }
}

void CSpriteButton::SetButtonToggleFile(const std::string& file, int count, BUTTON_ENUM state)
{
    CSpriteButton* toggle = create(file, count, state);
    if (toggle == nullptr)
        return;
    m_bToggleEnabled = true;
    toggle->retain();
    CC_SAFE_RELEASE(m_pToggleSprite);
    m_pToggleSprite = toggle;
}

void CSpriteButton::SetButtonToggleWithIndex(int index)
{
    const CSpriteButton* normal = m_pStateSprite[BUTTON_NORMAL];
    if (normal == nullptr || normal->getTexture() == nullptr || m_fFrameWidth <= 0)
        return;
    // Only a frame that lies inside the strip.
    const float width = normal->getTexture()->getContentSize().width;
    if (index < 0 || (index + 1) * m_fFrameWidth > width + 0.5f)
        return;
    m_bToggleEnabled = true;
    ReplaceHolder(m_pToggleSprite, normal->getTexture(),
                  cocos2d::Rect(index * m_fFrameWidth, 0, m_fFrameWidth, m_fFrameHeight));
}

// ---------------------------------------------------------------- label and background

void CSpriteButton::SetButtonScale9File(const std::string& file)
{
    if (m_pScale9 != nullptr) {
        m_pScale9->removeFromParent();
        m_pScale9 = nullptr;
    }
    CCScale9SpriteEx* background = CCScale9SpriteEx::create(file);
    if (background == nullptr)
        return;
    m_pScale9 = background;
    const cocos2d::Size size = getContentSize();
    m_pScale9->setPosition(cocos2d::Vec2(size.width / 2, size.height / 2));
    addChild(m_pScale9, 0);
}

void CSpriteButton::SetButtobLabel(const std::string& text, std::string fontName, float fontSize)
{
    if (m_pLabel != nullptr) {
        m_pLabel->removeFromParent();
        m_pLabel = nullptr;
    }
    CSpriteLabel* label = CSpriteLabel::create(text, fontName, fontSize);
    if (label == nullptr)
        return;
    m_pLabel = label;
    addChild(m_pLabel, kLabelZOrder);
    FitLabel();
}

void CSpriteButton::SetButtonScale9Label(const std::string& scale9File, const std::string& text,
                                         std::string fontName, float fontSize)
{
    if (!scale9File.empty())
        SetButtonScale9File(scale9File);
    SetButtobLabel(text, fontName, fontSize);
    FitLabel();
}

void CSpriteButton::SetScale9RelativeSize(cocos2d::Size size)
{
    m_sRelativeSize = size;
    FitLabel();
}

void CSpriteButton::FitLabel()
{
    if (m_pLabel == nullptr)
        return;
    const cocos2d::Size label = m_pLabel->getContentSize();
    setContentSize(cocos2d::Size(m_sRelativeSize.width + label.width, m_sRelativeSize.height + label.height));
}

void CSpriteButton::setContentSize(const cocos2d::Size& size)
{
    cocos2d::Sprite::setContentSize(size);
    cocos2d::Size fitted = size;
    if (m_pScale9 != nullptr) {
        const cocos2d::Size background = m_pScale9->getContentSize();
        fitted.width = std::max(fitted.width, background.width);
        fitted.height = std::max(fitted.height, background.height);
        cocos2d::Sprite::setContentSize(fitted);
        m_pScale9->setContentSize(fitted);
        m_pScale9->setPosition(cocos2d::Vec2(fitted.width / 2, fitted.height / 2));
    }
    if (m_pLabel != nullptr)
        m_pLabel->setPosition(cocos2d::Vec2(fitted.width / 2, fitted.height / 2));
}

// ---------------------------------------------------------------- state and look

void CSpriteButton::RestScale(float factor)
{
    setScale(m_fConstScaleX * factor, m_fConstScaleY * factor);
}

void CSpriteButton::ShowSprite(const cocos2d::Sprite* source)
{
    if (source == nullptr || source->getTexture() == nullptr)
        return;
    setTexture(source->getTexture());
    setTextureRect(source->getTextureRect());
}

void CSpriteButton::SetButtonShowEnum(BUTTON_ENUM state)
{
    m_eButtonStatus = state == BUTTON_STRIP ? BUTTON_NORMAL : state;
    const BUTTON_ENUM shown = m_eButtonStatus;

    const CSpriteButton* source = nullptr;
    if (m_bToggleEnabled && m_bToggled && m_pToggleSprite != nullptr) {
        source = m_pToggleSprite->GetStateSprite(shown);
        // A toggled look of one texture stands for the normal look.
        if (source == nullptr && shown == BUTTON_NORMAL)
            source = m_pToggleSprite;
    }
    if (source == nullptr)
        source = GetStateSprite(shown);

    if (m_eSelectType != SELECT_NONE) {
        const bool scale = m_eSelectType == SELECT_SCALE;
        switch (shown) {
        case BUTTON_NORMAL:
            if (scale)
                RestScale(1.0f);
            else
                setColor(m_sColorNormal);
            break;
        case BUTTON_PRESSED:
        case BUTTON_SELECTED:
            if (scale)
                RestScale(m_fScaleValue);
            else
                setColor(m_sColorSelect);
            break;
        case BUTTON_HOVER:
            setColor(m_sColorSelect);
            break;
        case BUTTON_DISABLED:
            if (scale)
                RestScale(1.0f);
            setColor(m_sColorSelect);
            break;
        default:
            break;
        }
    }
    ShowSprite(source);
}

void CSpriteButton::SetEnableTouch(bool on)
{
    m_bEnableTouch = on;
    SetButtonShowEnum(on ? BUTTON_NORMAL : BUTTON_DISABLED);
}

void CSpriteButton::SetSwallowTouches(bool swallow)
{
    m_bSwallowTouches = swallow;
    if (m_pTouchListener != nullptr)
        m_pTouchListener->setSwallowTouches(swallow);
}

void CSpriteButton::SetGreyScale(bool on)
{
    m_GreyScale.Apply(this, on);
}

void CSpriteButton::SetEnableToggle(bool on)
{
    m_bToggled = on;
    ShowSprite(on ? static_cast<const cocos2d::Sprite*>(m_pToggleSprite) : m_pStateSprite[BUTTON_NORMAL]);
}

void CSpriteButton::TintParts(const cocos2d::Color3B* label, const cocos2d::Color3B* background,
                              const cocos2d::Color3B& own)
{
    if (m_pLabel == nullptr && m_pScale9 == nullptr) {
        setColor(own);
        return;
    }
    if (m_pLabel != nullptr && label != nullptr)
        m_pLabel->setColor(*label);
    if (m_pScale9 != nullptr && background != nullptr)
        m_pScale9->setColor(*background);
}

void CSpriteButton::SetColorSelect(const cocos2d::Color3B& colour)
{
    m_sColorSelect = colour;
    TintParts(&colour, &colour, colour);
}

void CSpriteButton::SetColorNormal(const cocos2d::Color3B& colour)
{
    m_sColorNormal = colour;
    TintParts(&colour, &cocos2d::Color3B::WHITE, colour);
}

void CSpriteButton::SetColorDisable(const cocos2d::Color3B& colour)
{
    m_sColorDisable = colour;
    TintParts(nullptr, nullptr, colour);
}

cocos2d::Rect CSpriteButton::getRect() const
{
    const cocos2d::Size size = getContentSize();
    return cocos2d::Rect(0, 0, size.width, size.height);
}

void CSpriteButton::setLongPressedCallback(cocos2d::Ref* target, cocos2d::SEL_CallFuncN callback)
{
    m_pLongPressTarget = target;
    m_pLongPressed = callback;
}

void CSpriteButton::setLongPressedEndedCallback(cocos2d::Ref* target, cocos2d::SEL_CallFuncN callback)
{
    m_pLongPressTarget = target;
    m_pLongPressedEnded = callback;
}

// ---------------------------------------------------------------- input

void CSpriteButton::onEnter()
{
    cocos2d::Sprite::onEnter();
    setCascadeColorEnabled(true);
    // The listeners live as long as the button; entering again reuses them.
    if (m_pTouchListener != nullptr)
        return;
    m_pMouseListener = cocos2d::EventListenerMouse::create();
    m_pMouseListener->onMouseMove = [this](cocos2d::EventMouse* event) { OnMouseMove(event); };
    getEventDispatcher()->addEventListenerWithSceneGraphPriority(m_pMouseListener, this);

    m_pTouchListener = cocos2d::EventListenerTouchOneByOne::create();
    m_pTouchListener->setSwallowTouches(m_bSwallowTouches);
    m_pTouchListener->onTouchBegan = [this](cocos2d::Touch* touch, cocos2d::Event* event) {
        return OnTouchBegan(touch, event);
    };
    m_pTouchListener->onTouchMoved = [this](cocos2d::Touch* touch, cocos2d::Event* event) {
        OnTouchMoved(touch, event);
    };
    m_pTouchListener->onTouchEnded = [this](cocos2d::Touch* touch, cocos2d::Event* event) {
        OnTouchEnded(touch, event);
    };
    m_pTouchListener->onTouchCancelled = [this](cocos2d::Touch* touch, cocos2d::Event* event) {
        OnTouchCancel(touch, event);
    };
    getEventDispatcher()->addEventListenerWithSceneGraphPriority(m_pTouchListener, this);
}

void CSpriteButton::onExit()
{
    // A button that leaves mid-press (its layer removed by a handler or a
    // server message) never hears the release: it gives up the press here.
    ReleaseInput();
    cocos2d::Sprite::onExit();
}

void CSpriteButton::DropHover()
{
    if (m_pButtonMoved == this)
        m_pButtonMoved = nullptr;
}

void CSpriteButton::ReleaseInput()
{
    if (m_pButtonLock == this)
        m_pButtonLock = nullptr;
    DropHover();
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteButton::schedulePressedTime));
    m_fPressedTime = 0;
    m_bLongPressFired = false;
    if (m_bPressed) {
        m_bPressed = false;
        SetButtonShowEnum(BUTTON_NORMAL);
    }
}

bool CSpriteButton::OnTouchBegan(cocos2d::Touch* touch, cocos2d::Event*)
{
    return TzTouchBegan(convertToNodeSpace(touch->getLocation()), 0);
}

void CSpriteButton::OnTouchMoved(cocos2d::Touch* touch, cocos2d::Event*)
{
    TzTouchMoved(convertToNodeSpace(touch->getLocation()), 0);
}

void CSpriteButton::OnTouchEnded(cocos2d::Touch* touch, cocos2d::Event*)
{
    TzTouchEnded(convertToNodeSpace(touch->getLocation()), 0);
}

void CSpriteButton::OnTouchCancel(cocos2d::Touch* touch, cocos2d::Event*)
{
    TzTouchCancel(convertToNodeSpace(touch->getLocation()), 0);
}

bool CSpriteButton::AncestorHidden() const
{
    for (const cocos2d::Node* node = getParent(); node != nullptr; node = node->getParent()) {
        if (!node->isVisible())
            return true;
    }
    return false;
}

bool CSpriteButton::TzTouchBegan(cocos2d::Vec2 point, int button)
{
    if (!isVisible() || button == kRightButton)
        return false;
    if (m_eButtonStatus == BUTTON_DISABLED)
        return false;
    if (m_pButtonLock != nullptr && m_pButtonLock != this)
        return false;
    if (m_bScroll) {
        m_bPressed = false;
        return true;
    }
    if (AncestorHidden())
        return false;
    SetSelectorPoint(point);
    if (!getRect().containsPoint(point))
        return false;

    m_bPressed = true;
    m_pButtonLock = this;
    SetButtonShowEnum(BUTTON_PRESSED);
    retain();
    CallSelectorBegan(this);
    if (m_pLongPressed != nullptr)
        schedule(CC_SCHEDULE_SELECTOR(CSpriteButton::schedulePressedTime));
    release();
    return true;
}

void CSpriteButton::TzTouchMoved(cocos2d::Vec2 point, int button)
{
    if (!isVisible() || button == kRightButton || m_eButtonStatus == BUTTON_DISABLED || !m_bEnableTouch)
        return;
    if (m_pButtonLock != nullptr && m_pButtonLock != this)
        return;
    if (m_bScroll) {
        // A press that turned into a drag of a list is no long press.
        m_bPressed = false;
        SetButtonShowEnum(BUTTON_NORMAL);
        undoLongPressButton();
        return;
    }
    if (AncestorHidden()) {
        DropHover();
        return;
    }
    SetSelectorPoint(point);
    cocos2d::Rect rect = getRect();
    if (m_bPressed)
        rect = Enlarged(rect);
    if (rect.containsPoint(point)) {
        if (m_pButtonMoved == nullptr)
            m_pButtonMoved = this;
        SetButtonShowEnum(m_bPressed ? BUTTON_PRESSED : BUTTON_HOVER);
    } else {
        DropHover();
        SetButtonShowEnum(BUTTON_NORMAL);
        undoLongPressButton();
    }
    CallSelectorMoved(this);
}

void CSpriteButton::TzTouchEnded(cocos2d::Vec2 point, int)
{
    if (m_pButtonLock == this)
        m_pButtonLock = nullptr;
    if (m_bScroll) {
        // A press that turned into a drag of a list is no long press.
        m_bPressed = false;
        SetButtonShowEnum(BUTTON_NORMAL);
        undoLongPressButton();
        return;
    }
    SetSelectorPoint(point);
    const cocos2d::Rect rect = Enlarged(getRect());
    // The resting look first, so that a toggle button does not keep the
    // pressed tint or scale; then the flipped toggled look.
    SetButtonShowEnum(BUTTON_NORMAL);
    if (m_bToggleEnabled)
        SetEnableToggle(!m_bToggled);
    m_bPressed = false;
    retain();
    undoLongPressButton();
    if (rect.containsPoint(point))
        CallSelectorEnded(this);
    release();
}

void CSpriteButton::TzTouchCancel(cocos2d::Vec2 point, int button)
{
    TzTouchEnded(point, button);
}

void CSpriteButton::OnMouseMove(cocos2d::Event* event)
{
    if (!isVisible() || m_eButtonStatus == BUTTON_DISABLED) {
        // A button hidden or disabled under the pointer (often by its own
        // click handler) hands the hover on; it would never hear a move again.
        DropHover();
        return;
    }
    if (m_bScroll) {
        SetButtonShowEnum(BUTTON_NORMAL);
        return;
    }
    if (AncestorHidden()) {
        DropHover();
        return;
    }
    bool track = m_pButtonMoved == nullptr || m_pButtonMoved == this;
    for (const cocos2d::Node* node = getParent(); !track && node != nullptr; node = node->getParent())
        track = node == m_pButtonMoved;
    if (!track)
        return;
    cocos2d::EventMouse* mouse = static_cast<cocos2d::EventMouse*>(event);
    const cocos2d::Vec2 point = convertToNodeSpace(cocos2d::Vec2(mouse->getCursorX(), mouse->getCursorY()));
    SetSelectorPoint(point);
    TzTouchMoved(point, static_cast<int>(mouse->getMouseButton()));
}

void CSpriteButton::schedulePressedTime(float dt)
{
    m_fPressedTime += dt;
    if (m_fPressedTime <= kLongPressSeconds || m_pLongPressed == nullptr)
        return;
    m_bLongPressFired = true;
    m_fPressedTime = 0;
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteButton::schedulePressedTime));
    if (m_pLongPressTarget != nullptr)
        (m_pLongPressTarget->*m_pLongPressed)(this);
}

void CSpriteButton::undoLongPressButton()
{
    if (m_pLongPressed == nullptr)
        return;
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteButton::schedulePressedTime));
    m_fPressedTime = 0;
    const bool fired = m_bLongPressFired;
    m_bLongPressFired = false;
    if (fired && m_pLongPressedEnded != nullptr && m_pLongPressTarget != nullptr)
        (m_pLongPressTarget->*m_pLongPressedEnded)(this);
}

void CSpriteButton::draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags)
{
    if (!m_GreyScale.IsOn()) {
        cocos2d::Sprite::draw(renderer, transform, flags);
        return;
    }
    m_GreyScale.Draw(renderer, transform, flags, this, &_quad, _insideBounds);
}
