#include "widgets/CCLabelAtlasEx.h"

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <cstring>
#include <new>

#include "services/TzStringUtil.h"
#include "widgets/CSpriteLabel.h"

namespace {

const float kRollInterval = 0.04f;

} // namespace

CCLabelAtlasEx::CCLabelAtlasEx() : m_bTwoDigits(true), m_fCountDown(0), m_nSettled(0), m_nTargetLength(0)
{
    std::memset(m_szTarget, 0, sizeof(m_szTarget));
    std::memset(m_nRolling, 0, sizeof(m_nRolling));
}

CCLabelAtlasEx::~CCLabelAtlasEx() = default;

CCLabelAtlasEx* CCLabelAtlasEx::create()
{
    CCLabelAtlasEx* label = new (std::nothrow) CCLabelAtlasEx();
    if (label != nullptr)
        label->autorelease();
    return label;
}

CCLabelAtlasEx* CCLabelAtlasEx::create(const std::string& text, const std::string& charMapFile, int itemWidth,
                                       int itemHeight, int startCharMap)
{
    CCLabelAtlasEx* label = new (std::nothrow) CCLabelAtlasEx();
    if (label == nullptr)
        return nullptr;
    if (!label->initWithString(text, charMapFile, itemWidth, itemHeight, startCharMap)) {
        delete label;
        return nullptr;
    }
    label->autorelease();
    return label;
}

CCLabelAtlasEx* CCLabelAtlasEx::createWithCountDown(const std::string& text, const std::string& charMapFile,
                                                    int itemWidth, int itemHeight, int startCharMap, float seconds)
{
    CCLabelAtlasEx* label = create(text, charMapFile, itemWidth, itemHeight, startCharMap);
    if (label != nullptr)
        label->StartCountDown(seconds);
    return label;
}

void CCLabelAtlasEx::StartCountDown(float seconds)
{
    m_fCountDown = seconds;
    schedule(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::UpdateTime));
}

void CCLabelAtlasEx::UpdateTime(float dt)
{
    if (m_fCountDown > FLT_MIN)
        m_fCountDown -= dt;
    else
        m_fCountDown = 0;
    const int seconds = static_cast<int>(m_fCountDown);
    char text[24];
    if (m_bTwoDigits || m_fCountDown > 10)
        TzNewChar(text, sizeof(text), "%d%d", seconds / 10, seconds % 10);
    else
        TzNewChar(text, sizeof(text), "%d", seconds % 10);
    setString(text);

    if (m_fCountDown > 0) {
        CallSelectorMoved(this);
        return;
    }
    if (GetSelectorTarget() == nullptr || GetSelectorEnded() == nullptr)
        return; // without an ended handler the tick keeps running at 0
    unschedule(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::UpdateTime));
    retain();
    CallSelectorEnded(this);
    autorelease();
}

void CCLabelAtlasEx::SetLabelNumWithUnit(long long value)
{
    std::string text = CSpriteLabel::FormatWithUnits(value, ";", "<");
    const std::size_t point = text.find('.');
    if (point != std::string::npos)
        text[point] = ':';
    setString(text);
}

void CCLabelAtlasEx::setNumWithAnimation(long long value)
{
    char text[ROLL_CAPACITY + 4];
    std::snprintf(text, sizeof(text), "%lld", value);
    const std::size_t length = std::min<std::size_t>(std::strlen(text), ROLL_CAPACITY);
    std::memset(m_szTarget, 0, sizeof(m_szTarget));
    std::memcpy(m_szTarget, text, length);
    m_nTargetLength = static_cast<int>(length);
    for (int i = 0; i < m_nTargetLength; ++i)
        m_nRolling[i] = cocos2d::RandomHelper::random_int(0, 9);
    m_nSettled = m_nTargetLength - 1;
    unschedule(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum));
    schedule(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum), kRollInterval);
}

void CCLabelAtlasEx::updateNum(float)
{
    char text[ROLL_CAPACITY + 1] = {};
    for (int i = 0; i < m_nTargetLength; ++i) {
        const char target = m_szTarget[i];
        if (i > m_nSettled) {
            text[i] = target;
            continue;
        }
        // A character that is not a digit (the minus sign) never rolls: it
        // shows at once and counts as met, so the animation always ends.
        if (target < '0' || target > '9') {
            text[i] = target;
            --m_nSettled;
            continue;
        }
        const int shown = m_nRolling[i] % 10;
        text[i] = static_cast<char>('0' + shown);
        m_nRolling[i] = shown + 1;
        if (shown == target - '0')
            --m_nSettled;
    }
    setString(text);
    if (m_nSettled < 0)
        unschedule(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum));
}
