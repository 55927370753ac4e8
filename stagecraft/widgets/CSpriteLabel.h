// The platform's system-font text label: text shortened to a width with a
// trailing "...", scores with the Chinese magnitude units, and a clock that
// counts up or down in one of several time or date layouts, reporting every
// tick (moved callback) and the end of a count-down (ended callback).
#pragma once

#include <string>

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CSpriteLabel : public cocos2d::Label, public CSpriteInterface {
public:
    // Display layouts (1-7) and count modes (10-12).
    enum TimeModel {
        TIME_HMS = 1,
        TIME_HM = 2,
        TIME_MS = 3,
        TIME_MS_HUNDREDTHS = 5,
        TIME_DATE = 6,
        TIME_AUTO = 7,
        TIME_STATIC = 10,
        TIME_COUNT_UP = 11,
        TIME_COUNT_DOWN = 12,
    };
    enum Model {
        ELLIPSIS_NONE = 0,
        ELLIPSIS_BACK = 4,
    };

    static CSpriteLabel* create();
    static CSpriteLabel* create(const std::string& text, const std::string& fontName, float fontSize);
    // A count-down from hours:minutes:seconds shown in layout.
    static CSpriteLabel* create(int hours, int minutes, int seconds, TimeModel layout, const std::string& fontName,
                                float fontSize);

    // Keeps the text as the full text and shows it.
    void setString(const std::string& text) override;
    // Keeps the text, width and model; shows the text when the model shortens it.
    void setString(const std::string& text, int width, Model model);
    void SetEllipsis(int width, Model model);
    const std::string& GetFullText() const { return m_strFullText; }

    // Scores: from 100,000,000 on in hundred millions, from 9,999,999 on in
    // ten thousands (at most three and two decimals, trailing zeros dropped).
    void SetScore(long long score);
    // The score text with the given unit texts (shared with the number label).
    static std::string FormatWithUnits(long long value, const std::string& tenThousand,
                                       const std::string& hundredMillion);

    void setTimeShowType(TimeModel layout, TimeModel countMode);
    TimeModel GetTimeLayout() const { return m_eTimeLayout; }
    TimeModel GetCountMode() const { return m_eCountMode; }
    // Keeps the time and, unless the count mode is TIME_STATIC, ticks 60 times a second.
    void startCountDownTime(int hours, int minutes, int seconds);
    void setTimeWithDate(int year, int month, int day);

    CSpriteLabel();
    ~CSpriteLabel() override;

private:
    void EllipsisShow();
    void EllipsisShowBack();
    float MeasureWidth(const std::string& text) const;
    void updateTimeCountDown(float dt);
    void updateTimeWithAddValue(float dt);
    std::string FormatTime() const;

    std::string m_strFullText;
    int m_nWidthLimit;
    Model m_eModel;
    TimeModel m_eCountMode;
    TimeModel m_eTimeLayout;
    int m_nYear;
    int m_nMonth;
    int m_nDay;
    int m_nHours;
    int m_nMinutes;
    float m_fSeconds;
};
