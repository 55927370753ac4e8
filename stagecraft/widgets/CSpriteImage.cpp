#include "widgets/CSpriteImage.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

const float kClockInterval = 1.0f;
const int kColonGlyph = 10;
const int kHour = 3600;

cocos2d::Texture2D* LoadTexture(const std::string& file)
{
    return file.empty() ? nullptr : cocos2d::Director::getInstance()->getTextureCache()->addImage(file);
}

} // namespace

CSpriteImage::CSpriteImage()
    : m_pTens(nullptr), m_pUnits(nullptr), m_pMinuteTens(nullptr), m_pMinuteUnits(nullptr), m_pSecondTens(nullptr),
      m_pSecondUnits(nullptr), m_pColon(nullptr), m_fTimeCount(0), m_nChairID(0), m_nViewID(0), m_nTimeID(0),
      m_fNumsWidth(0), m_fNumsHeight(0), m_pScoreTexture(nullptr), m_nNumsCount(0), m_nNumsStart(0), m_nMarkStart(0)
{
}

CSpriteImage::~CSpriteImage()
{
    CC_SAFE_RELEASE_NULL(m_pScoreTexture);
}

CSpriteImage* CSpriteImage::create()
{
    CSpriteImage* image = new (std::nothrow) CSpriteImage();
    if (image == nullptr)
        return nullptr;
    if (!image->init()) {
        delete image;
        return nullptr;
    }
    image->autorelease();
    return image;
}

CSpriteImage* CSpriteImage::create(cocos2d::Texture2D* texture, cocos2d::Rect rect)
{
    if (texture == nullptr)
        return nullptr;
    CSpriteImage* image = create();
    if (image == nullptr || !image->initWithTexture(texture, rect))
        return nullptr;
    return image;
}

CSpriteImage* CSpriteImage::create(cocos2d::Texture2D* texture)
{
    if (texture == nullptr)
        return nullptr;
    const cocos2d::Size size = texture->getContentSize();
    return create(texture, cocos2d::Rect(0, 0, size.width, size.height));
}

CSpriteImage* CSpriteImage::create(const std::string& file)
{
    return create(LoadTexture(file));
}

CSpriteImage* CSpriteImage::create(const std::string& file, cocos2d::Rect rect)
{
    return create(LoadTexture(file), rect);
}

CSpriteImage* CSpriteImage::create(const std::string& file, int count, int index)
{
    CSpriteImage* image = create(file);
    if (image == nullptr || count < 1 || index < 0 || index >= count)
        return image;
    const cocos2d::Size size = image->getTexture()->getContentSize();
    const float w = size.width / count;
    image->setTextureRect(cocos2d::Rect(w * index, 0, w, size.height));
    return image;
}

CSpriteImage* CSpriteImage::createWithTimeClock(const std::string& background, const std::string& digits,
                                                float glyphWidth, float seconds)
{
    CSpriteImage* image = create(background);
    if (image != nullptr)
        image->SetTimeTexture(digits, glyphWidth, seconds, false);
    return image;
}

CSpriteImage* CSpriteImage::createWithNumClock(const std::string& digits, float glyphWidth, float seconds)
{
    CSpriteImage* image = create();
    if (image != nullptr)
        image->SetNumTimeTexture(digits, glyphWidth, seconds, false);
    return image;
}

CSpriteImage* CSpriteImage::createScore(const std::string& file, long long score, unsigned short count,
                                        unsigned short digitsStart, unsigned short markStart, float gap)
{
    CSpriteImage* image = create();
    if (image == nullptr)
        return nullptr;
    image->SetNumsCount(count);
    image->SetNumsStart(digitsStart);
    image->SetMarkStart(markStart);
    image->SetScoreFile(file);
    image->SetScore(score, gap);
    return image;
}

// ---------------------------------------------------------------- frames and files

void CSpriteImage::SetTextureRect1(float x, float y, float w, float h)
{
    setTextureRect(cocos2d::Rect(x, y, w, h));
}

void CSpriteImage::SetTextureFile(const std::string& file, cocos2d::Rect rect)
{
    cocos2d::Texture2D* texture = LoadTexture(file);
    if (texture == nullptr)
        return;
    if (rect.size.width == 0 && rect.size.height == 0)
        rect.size = texture->getContentSize();
    setTexture(texture);
    setTextureRect(rect);
}

void CSpriteImage::SetTextureType(int index, int count)
{
    cocos2d::Texture2D* texture = getTexture();
    if (texture == nullptr || count < 1 || index < 0 || index >= count)
        return;
    m_fNumsWidth = static_cast<float>(texture->getPixelsWide()) / count;
    m_fNumsHeight = static_cast<float>(texture->getPixelsHigh());
    setTextureRect(cocos2d::Rect(index * m_fNumsWidth, 0, m_fNumsWidth, m_fNumsHeight));
}

void CSpriteImage::SetNumsSize(cocos2d::Size size)
{
    m_fNumsWidth = size.width;
    m_fNumsHeight = size.height;
}

// ---------------------------------------------------------------- clocks

void CSpriteImage::Forget(CSpriteImage*& sprite)
{
    if (sprite != nullptr)
        sprite->removeFromParent();
    sprite = nullptr;
}

CSpriteImage* CSpriteImage::AddGlyphSprite(const std::string& digits, cocos2d::Vec2 pos)
{
    CSpriteImage* sprite = create(digits);
    if (sprite == nullptr)
        sprite = create(); // a missing strip gives an empty sprite
    if (sprite == nullptr)
        return nullptr;
    sprite->setPosition(pos);
    addChild(sprite, 0);
    return sprite;
}

void CSpriteImage::ShowGlyph(CSpriteImage* sprite, int glyph) const
{
    if (sprite == nullptr || m_fNumsWidth <= 0)
        return;
    sprite->setTextureRect(cocos2d::Rect(glyph * m_fNumsWidth, 0, m_fNumsWidth, m_fNumsHeight));
}

void CSpriteImage::SetTimeTexture(const std::string& digits, float glyphWidth, float seconds, bool reset)
{
    if (reset) {
        Forget(m_pTens);
        Forget(m_pUnits);
    }
    if (m_pTens == nullptr) {
        const cocos2d::Size size = getContentSize();
        m_pTens = AddGlyphSprite(digits, cocos2d::Vec2(size.width / 4, size.height / 2));
        Forget(m_pUnits);
        m_pUnits = AddGlyphSprite(digits, cocos2d::Vec2(size.width - size.width / 4, size.height / 2));
    }
    m_fTimeCount = seconds;
    m_fNumsWidth = glyphWidth;
    m_fNumsHeight = m_pTens != nullptr ? m_pTens->getContentSize().height : 0;
    DrawTimeClock();
}

void CSpriteImage::DrawTimeClock()
{
    // Two digits: what does not fit shows as 00 or 99.
    const int value = std::min(std::max(static_cast<int>(m_fTimeCount), 0), 99);
    ShowGlyph(m_pTens, value / 10);
    ShowGlyph(m_pUnits, value % 10);
}

void CSpriteImage::SetNumTimeTexture(const std::string& digits, float glyphWidth, float seconds, bool reset)
{
    if (reset) {
        Forget(m_pMinuteTens);
        Forget(m_pMinuteUnits);
        Forget(m_pColon);
        Forget(m_pSecondTens);
        Forget(m_pSecondUnits);
    }
    if (m_pMinuteTens == nullptr) {
        const float step = getContentSize().width / 11 + glyphWidth;
        CSpriteImage** sprites[] = { &m_pMinuteTens, &m_pMinuteUnits, &m_pColon, &m_pSecondTens, &m_pSecondUnits };
        for (int k = 0; k < 5; ++k) {
            Forget(*sprites[k]);
            *sprites[k] = AddGlyphSprite(digits, cocos2d::Vec2(k * step, 0));
        }
    }
    m_fTimeCount = seconds;
    m_fNumsWidth = glyphWidth;
    m_fNumsHeight = m_pMinuteTens != nullptr ? m_pMinuteTens->getContentSize().height : 0;
    DrawNumClock();
}

void CSpriteImage::DrawNumClock()
{
    const int s = std::max(static_cast<int>(m_fTimeCount), 0) % kHour;
    ShowGlyph(m_pMinuteTens, s / 60 / 10);
    ShowGlyph(m_pMinuteUnits, s / 60 % 10);
    ShowGlyph(m_pColon, kColonGlyph);
    ShowGlyph(m_pSecondTens, s % 60 / 10);
    ShowGlyph(m_pSecondUnits, s % 60 % 10);
}

void CSpriteImage::SetTimeStart()
{
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteImage::UpdateTimeClock));
    schedule(CC_SCHEDULE_SELECTOR(CSpriteImage::UpdateTimeClock), kClockInterval);
}

void CSpriteImage::SetTimeNumStart()
{
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteImage::UpdateTimeNumClock));
    schedule(CC_SCHEDULE_SELECTOR(CSpriteImage::UpdateTimeNumClock), kClockInterval);
}

void CSpriteImage::SetTimePosition(cocos2d::Vec2 left, cocos2d::Vec2 right)
{
    if (m_pTens != nullptr)
        m_pTens->setPosition(m_pTens->getPosition() + left);
    if (m_pUnits != nullptr)
        m_pUnits->setPosition(m_pUnits->getPosition() + right);
}

void CSpriteImage::SetTimeNumPosition(cocos2d::Vec2 left, cocos2d::Vec2 right)
{
    for (CSpriteImage* sprite : { m_pMinuteTens, m_pSecondTens }) {
        if (sprite != nullptr)
            sprite->setPosition(sprite->getPosition() + left);
    }
    for (CSpriteImage* sprite : { m_pMinuteUnits, m_pSecondUnits }) {
        if (sprite != nullptr)
            sprite->setPosition(sprite->getPosition() + right);
    }
}

bool CSpriteImage::TickClock()
{
    m_fTimeCount -= 1;
    if (m_fTimeCount >= 0)
        return true;
    // Run out: the tick stops (also for an image without a parent, which
    // would otherwise report the end every second), the handler sees the
    // image, and the image leaves the scene.
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteImage::UpdateTimeClock));
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteImage::UpdateTimeNumClock));
    retain();
    CallSelectorEnded(this);
    removeFromParent();
    autorelease();
    return false;
}

void CSpriteImage::UpdateTimeClock(float)
{
    if (!TickClock())
        return;
    DrawTimeClock();
    if (m_fTimeCount > 0)
        CallSelectorMoved(this);
}

void CSpriteImage::UpdateTimeNumClock(float)
{
    if (!TickClock())
        return;
    DrawNumClock();
    if (m_fTimeCount > 0)
        CallSelectorMoved(this);
}

// ---------------------------------------------------------------- score

void CSpriteImage::SetScoreFile(const std::string& file)
{
    cocos2d::Texture2D* texture = LoadTexture(file);
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(m_pScoreTexture);
    m_pScoreTexture = texture;
    if (texture == nullptr)
        return;
    const cocos2d::Size size = texture->getContentSize();
    // Without a glyph count there is no glyph to cut.
    m_fNumsWidth = m_nNumsCount > 0 ? size.width / m_nNumsCount : 0;
    m_fNumsHeight = size.height;
}

void CSpriteImage::SetScore(long long score, float gap)
{
    removeAllChildrenWithCleanup(true);
    // The clocks' digits were children too.
    m_pTens = m_pUnits = m_pMinuteTens = m_pMinuteUnits = m_pSecondTens = m_pSecondUnits = m_pColon = nullptr;

    char text[24];
    std::snprintf(text, sizeof(text), "%lld", score);
    // The magnitude's digits; no minus glyph is drawn.
    const std::string digits = text[0] == '-' ? text + 1 : text;
    const int n = static_cast<int>(digits.size());
    const int m = m_nMarkStart != NO_MARK ? 1 : 0;
    const float gw = m_fNumsWidth;
    const float gh = m_fNumsHeight;

    auto addGlyph = [this, gw, gh](int glyph, float x) {
        if (m_pScoreTexture == nullptr || gw <= 0 || glyph >= m_nNumsCount)
            return; // nothing to cut, or a glyph beyond the strip
        CSpriteImage* sprite = create(m_pScoreTexture, cocos2d::Rect(glyph * gw, 0, gw, gh));
        if (sprite == nullptr)
            return;
        sprite->setPosition(cocos2d::Vec2(x, gh / 2));
        addChild(sprite, 0);
    };
    if (m != 0)
        addGlyph(m_nMarkStart, gw / 2);
    for (int j = 0; j < n; ++j)
        addGlyph(m_nNumsStart + (digits[j] - '0'), gw * (j + 0.5f + m) + j * gap);
    setContentSize(cocos2d::Size((gw + gap) * (n + m), gh));
}

// ---------------------------------------------------------------- grey scale

void CSpriteImage::SetGreyScale(bool on)
{
    m_GreyScale.Apply(this, on);
}

void CSpriteImage::draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags)
{
    if (!m_GreyScale.IsOn()) {
        cocos2d::Sprite::draw(renderer, transform, flags);
        return;
    }
    m_GreyScale.Draw(renderer, transform, flags, this, &_quad, _insideBounds);
}
