#include "widgets/CSpriteLock.h"

#include <new>

#include "services/CAutoScreen.h"
#include "services/TzStringUtil.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"

USING_NS_CC;

std::string CSpriteLock::m_SpriteFile = "LayerCommon/im_wait/im_wait1.png";
float CSpriteLock::m_fLockRemoveTime = 60;
float CSpriteLock::m_fLockFontSize = 32;

namespace {

const float kTickInterval = 0.016666668f;
const GLubyte kColorOpacity = 80;
// Children: z-order and tag of each.
const int kColorZ = 0, kColorTag = 1;
const int kLabelZ = 1, kLabelTag = 2;
const int kSpriteZ = 2, kSpriteTag = 3;
// The message sits this far above the middle, the animation this far below.
const float kLabelRise = 45;
const float kSpriteDrop = 50;
// The animation: seven frames of 0.2 s.
const char kFrameFormat[] = "LayerCommon/im_wait/im_wait%d.png";
const int kFrameCount = 7;
const float kFrameDelay = 0.2f;

} // namespace

CSpriteLock::CSpriteLock()
    : m_pColorLayer(nullptr), m_pLockLabel(nullptr), m_pLockSprite(nullptr), m_fLockTime(0), m_bListening(false)
{
}

CSpriteLock::~CSpriteLock()
{
    if (CSpriteButton::m_pButtonMoved == this)
        CSpriteButton::m_pButtonMoved = nullptr;
}

CSpriteLock* CSpriteLock::create()
{
    CSpriteLock* lock = new (std::nothrow) CSpriteLock();
    if (lock != nullptr && lock->init()) {
        lock->autorelease();
        return lock;
    }
    delete lock;
    return nullptr;
}

CSpriteLock* CSpriteLock::create(const std::string& message)
{
    CSpriteLock* lock = create();
    if (lock == nullptr)
        return nullptr;
    lock->SetLockColor(Color4B(0, 0, 0, 255));
    lock->SetLockString(message);
    lock->SetLockSprite(m_SpriteFile);
    return lock;
}

bool CSpriteLock::init()
{
    if (!Layer::init())
        return false;
    schedule(CC_SCHEDULE_SELECTOR(CSpriteLock::UpdateTime), kTickInterval);
    return true;
}

void CSpriteLock::SetLockColor(Color4B color)
{
    if (m_pColorLayer != nullptr)
        m_pColorLayer->removeFromParent();
    m_pColorLayer = LayerColor::create(color);
    if (m_pColorLayer == nullptr)
        return;
    addChild(m_pColorLayer, kColorZ, kColorTag);
    m_pColorLayer->setColor(Color3B(color.r, color.g, color.b));
    m_pColorLayer->setOpacity(kColorOpacity);
}

void CSpriteLock::SetLockString(const std::string& text)
{
    if (m_pLockLabel != nullptr)
        m_pLockLabel->removeFromParent();
    m_pLockLabel = CSpriteLabel::create(text, "Helvetica", m_fLockFontSize);
    if (m_pLockLabel == nullptr)
        return;
    m_pLockLabel->setAnchorPoint(Vec2(0.0f, 0.5f));
    const Size scene = CAutoScreen::GetSceneSize();
    const float width = m_pLockLabel->getContentSize().width;
    m_pLockLabel->setPosition((scene.width - width) / 2, scene.height / 2 + kLabelRise);
    addChild(m_pLockLabel, kLabelZ, kLabelTag);
}

void CSpriteLock::SetLockSprite(const std::string& file)
{
    if (m_pLockSprite != nullptr)
        m_pLockSprite->removeFromParent();
    m_pLockSprite = CSpriteImage::create(file);
    if (m_pLockSprite == nullptr)
        return;
    const Size size = getContentSize();
    m_pLockSprite->setPosition(size.width / 2, size.height / 2 - kSpriteDrop);
    addChild(m_pLockSprite, kSpriteZ, kSpriteTag);

    Animation* animation = Animation::create();
    char name[64];
    for (int i = 1; i <= kFrameCount; ++i) {
        TzNewChar(name, sizeof(name), kFrameFormat, i);
        animation->addSpriteFrameWithFile(name);
    }
    animation->setDelayPerUnit(kFrameDelay);
    m_pLockSprite->runAction(RepeatForever::create(Animate::create(animation)));
}

void CSpriteLock::UpdateTime(float dt)
{
    m_fLockTime += dt;
}

void CSpriteLock::onEnter()
{
    Node::onEnter();
    if (m_bListening)
        return;
    m_bListening = true;
    EventListenerTouchOneByOne* touch = EventListenerTouchOneByOne::create();
    touch->setSwallowTouches(true);
    touch->onTouchBegan = [](Touch*, Event*) { return true; };
    touch->onTouchMoved = [](Touch*, Event*) {};
    touch->onTouchEnded = [](Touch*, Event*) {};
    touch->onTouchCancelled = [](Touch*, Event*) {};
    _eventDispatcher->addEventListenerWithSceneGraphPriority(touch, this);

    EventListenerMouse* mouse = EventListenerMouse::create();
    mouse->onMouseMove = [this](EventMouse*) { CSpriteButton::m_pButtonMoved = this; };
    _eventDispatcher->addEventListenerWithSceneGraphPriority(mouse, this);
}

void CSpriteLock::onExit()
{
    Node::onExit();
}
