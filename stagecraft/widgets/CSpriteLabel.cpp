#include "widgets/CSpriteLabel.h"

#include <cfloat>
#include <cmath>
#include <new>

#include "services/TzStringUtil.h"
#include "services/TzTextConvert.h"

namespace {

// The unit words in code page 936: "万" and "亿".
const char kTenThousandAnsi[] = "\xCD\xF2";
const char kHundredMillionAnsi[] = "\xD2\xDA";
const char kEllipsis[] = "...";
const float kTickInterval = 1.0f / 60.0f;
const std::size_t kClockBufferSize = 20;
const std::size_t kScoreBufferSize = 256;

// Drops trailing zeros after the decimal point, then the point itself.
void TrimDecimals(std::string& text)
{
    while (text.find('.') != std::string::npos && text.find('.') > 0) {
        const char last = text.back();
        if (last != '0' && last != '.')
            break;
        text.pop_back();
    }
}

// The largest float below 60: a borrowed minute never shows as 60 seconds.
const float kBelowMinute = std::nextafter(60.0f, 0.0f);

} // namespace

CSpriteLabel::CSpriteLabel()
    : m_nWidthLimit(0), m_eModel(ELLIPSIS_NONE), m_eCountMode(TIME_STATIC), m_eTimeLayout(TIME_STATIC), m_nYear(0),
      m_nMonth(0), m_nDay(0), m_nHours(0), m_nMinutes(0), m_fSeconds(0)
{
}

CSpriteLabel::~CSpriteLabel() = default;

CSpriteLabel* CSpriteLabel::create()
{
    CSpriteLabel* label = new (std::nothrow) CSpriteLabel();
    if (label == nullptr)
        return nullptr;
    if (!label->init()) {
        delete label;
        return nullptr;
    }
    label->autorelease();
    return label;
}

CSpriteLabel* CSpriteLabel::create(const std::string& text, const std::string& fontName, float fontSize)
{
    CSpriteLabel* label = create();
    if (label == nullptr)
        return nullptr;
    label->setSystemFontSize(fontSize);
    label->setSystemFontName(fontName);
    label->setString(text);
    return label;
}

CSpriteLabel* CSpriteLabel::create(int hours, int minutes, int seconds, TimeModel layout,
                                   const std::string& fontName, float fontSize)
{
    CSpriteLabel* label = create();
    if (label == nullptr)
        return nullptr;
    label->setSystemFontSize(fontSize);
    label->setSystemFontName(fontName);
    label->setTimeShowType(layout, TIME_COUNT_DOWN);
    label->startCountDownTime(hours, minutes, seconds);
    return label;
}

void CSpriteLabel::setString(const std::string& text)
{
    m_strFullText = text;
    cocos2d::Label::setString(text);
}

void CSpriteLabel::setString(const std::string& text, int width, Model model)
{
    m_strFullText = text;
    m_eModel = model;
    m_nWidthLimit = width;
    EllipsisShow();
}

void CSpriteLabel::SetEllipsis(int width, Model model)
{
    m_nWidthLimit = width;
    m_eModel = model;
    EllipsisShow();
}

void CSpriteLabel::EllipsisShow()
{
    if (m_eModel == ELLIPSIS_BACK)
        EllipsisShowBack();
}

float CSpriteLabel::MeasureWidth(const std::string& text) const
{
    cocos2d::Label* measure = cocos2d::Label::createWithSystemFont(text, getSystemFontName(), getSystemFontSize());
    return measure == nullptr ? 0.0f : measure->getContentSize().width;
}

void CSpriteLabel::EllipsisShowBack()
{
    std::u16string units;
    if (!cocos2d::StringUtils::UTF8ToUTF16(m_strFullText, units))
        return;
    const std::size_t count = units.size();
    if (count == 0) {
        // Nothing to shorten: the empty text is the whole text.
        setString(m_strFullText);
        return;
    }
    auto withEllipsis = [&units](std::size_t length) {
        std::string prefix;
        cocos2d::StringUtils::UTF16ToUTF8(units.substr(0, length), prefix);
        return prefix + kEllipsis;
    };
    const float limit = static_cast<float>(m_nWidthLimit);
    std::size_t reached = 0;
    while (reached < count && MeasureWidth(withEllipsis(reached + 1)) <= limit)
        ++reached;
    if (reached == 0)
        return; // not even one character fits with the ellipsis
    if (reached == count) {
        setString(m_strFullText);
        return;
    }
    for (std::size_t length = reached + 1; length > 0; --length) {
        const std::string candidate = withEllipsis(length);
        if (MeasureWidth(candidate) <= limit) {
            setString(candidate);
            return;
        }
    }
}

std::string CSpriteLabel::FormatWithUnits(long long value, const std::string& tenThousand,
                                          const std::string& hundredMillion)
{
    char buffer[kScoreBufferSize];
    const float v = static_cast<float>(value);
    std::string text;
    if (value >= 100000000LL) {
        TzNewChar(buffer, sizeof(buffer), "%0.3f", static_cast<double>(v / 100000000.0f));
        text = buffer;
        TrimDecimals(text);
        text += hundredMillion;
    } else if (value >= 9999999LL) {
        TzNewChar(buffer, sizeof(buffer), "%0.2f", static_cast<double>(v / 10000.0f));
        text = buffer;
        TrimDecimals(text);
        text += tenThousand;
    } else {
        TzNewChar(buffer, sizeof(buffer), "%lld", value);
        text = buffer;
    }
    return text;
}

void CSpriteLabel::SetScore(long long score)
{
    setString(FormatWithUnits(score, TzConverUtf8(kTenThousandAnsi), TzConverUtf8(kHundredMillionAnsi)));
}

void CSpriteLabel::setTimeShowType(TimeModel layout, TimeModel countMode)
{
    m_eTimeLayout = layout;
    m_eCountMode = countMode;
}

void CSpriteLabel::startCountDownTime(int hours, int minutes, int seconds)
{
    m_nHours = hours;
    m_nMinutes = minutes;
    m_fSeconds = static_cast<float>(seconds);
    if (m_eCountMode == TIME_STATIC)
        return;
    unschedule(CC_SCHEDULE_SELECTOR(CSpriteLabel::updateTimeCountDown));
    schedule(CC_SCHEDULE_SELECTOR(CSpriteLabel::updateTimeCountDown), kTickInterval);
}

void CSpriteLabel::setTimeWithDate(int year, int month, int day)
{
    m_nYear = year;
    m_nMonth = month;
    m_nDay = day;
    updateTimeCountDown(0);
}

std::string CSpriteLabel::FormatTime() const
{
    char buffer[kClockBufferSize];
    const int h = m_nHours;
    const int m = m_nMinutes;
    const int s = static_cast<int>(m_fSeconds);
    TimeModel layout = m_eTimeLayout;
    if (layout == TIME_AUTO)
        layout = h != 0 ? TIME_HMS : TIME_MS_HUNDREDTHS;
    switch (layout) {
    case TIME_HMS:
        TzNewChar(buffer, sizeof(buffer), "%d%d:%d%d:%d%d", h / 10, h % 10, m / 10, m % 10, s / 10, s % 10);
        break;
    case TIME_HM:
        TzNewChar(buffer, sizeof(buffer), "%d%d:%d%d", h / 10, h % 10, m / 10, m % 10);
        break;
    case TIME_MS:
        TzNewChar(buffer, sizeof(buffer), "%d%d:%d%d", m / 10, m % 10, s / 10, s % 10);
        break;
    case TIME_MS_HUNDREDTHS: {
        const int tenths = static_cast<int>(m_fSeconds * 10) % 10;
        const int hundredths = static_cast<int>(m_fSeconds * 100) % 10;
        TzNewChar(buffer, sizeof(buffer), "%d%d:%d%d:%d%d", m / 10, m % 10, s / 10, s % 10, tenths, hundredths);
        break;
    }
    case TIME_DATE:
        if (m_nYear != 0)
            TzNewChar(buffer, sizeof(buffer), "%d-%d%d-%d%d", m_nYear, m_nMonth / 10, m_nMonth % 10, m_nDay / 10,
                      m_nDay % 10);
        else
            TzNewChar(buffer, sizeof(buffer), "%d%d-%d%d", m_nMonth / 10, m_nMonth % 10, m_nDay / 10, m_nDay % 10);
        break;
    default:
        TzNewChar(buffer, sizeof(buffer), "%d%d", s / 10, s % 10);
        break;
    }
    return buffer;
}

void CSpriteLabel::updateTimeCountDown(float dt)
{
    updateTimeWithAddValue(dt);
    setString(FormatTime());
    const bool finished =
        m_eCountMode == TIME_COUNT_DOWN && m_nHours == 0 && m_nMinutes == 0 && m_fSeconds == 0.0f;
    if (finished)
        unschedule(CC_SCHEDULE_SELECTOR(CSpriteLabel::updateTimeCountDown));
    // Either handler may remove the label: nothing of it is touched afterwards.
    retain();
    CallSelectorMoved(this);
    if (finished)
        CallSelectorEnded(this);
    release();
}

void CSpriteLabel::updateTimeWithAddValue(float dt)
{
    if (m_eCountMode == TIME_COUNT_UP) {
        if (m_fSeconds + dt < 60.0f) {
            m_fSeconds += dt;
            return;
        }
        m_fSeconds = 0;
        if (++m_nMinutes >= 60) {
            m_nMinutes = 0;
            m_nHours = m_nHours >= 23 ? 0 : m_nHours + 1;
        }
        return;
    }
    float seconds = m_fSeconds - dt;
    if (seconds > FLT_MIN) {
        m_fSeconds = seconds;
        return;
    }
    // Borrow whole minutes while time went below zero, carrying what is left
    // of the tick: 01:00 is followed by 00:59, never by 00:60.
    while (seconds < 0.0f && (m_nMinutes >= 1 || m_nHours >= 1)) {
        if (m_nMinutes >= 1) {
            --m_nMinutes;
        } else {
            --m_nHours;
            m_nMinutes = 59;
        }
        seconds = std::fmin(seconds + 60.0f, kBelowMinute);
    }
    if (seconds <= FLT_MIN && m_nMinutes == 0 && m_nHours == 0) {
        m_fSeconds = 0;
        return;
    }
    m_fSeconds = seconds > FLT_MIN ? seconds : 0.0f;
}
