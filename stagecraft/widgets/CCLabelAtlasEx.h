// A character-map label for numbers: large values with magnitude-unit
// glyphs, a seconds count-down, and digits that roll and settle from the
// right onto a new value. For units the map holds, after "0"-"9", ":" (shown
// as the decimal point), ";" (ten thousand) and "<" (hundred million).
#pragma once

#include <string>

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CCLabelAtlasEx : public cocos2d::LabelAtlas, public CSpriteInterface {
public:
    // Room for the decimal form of any 64-bit value.
    static const int ROLL_CAPACITY = 20;

    static CCLabelAtlasEx* create();
    static CCLabelAtlasEx* create(const std::string& text, const std::string& charMapFile, int itemWidth,
                                  int itemHeight, int startCharMap);
    static CCLabelAtlasEx* createWithCountDown(const std::string& text, const std::string& charMapFile,
                                               int itemWidth, int itemHeight, int startCharMap, float seconds);

    // Counts down every frame: moved callback each frame, ended callback at 0.
    void StartCountDown(float seconds);
    float GetCountDown() const { return m_fCountDown; }
    void SetLabelNumWithUnit(long long value);
    // Rolls every 0.04 s until each digit has settled on value.
    void setNumWithAnimation(long long value);
    void updateNum(float dt);

    CCLabelAtlasEx();
    ~CCLabelAtlasEx() override;

private:
    void UpdateTime(float dt);

    bool m_bTwoDigits;
    float m_fCountDown;
    char m_szTarget[ROLL_CAPACITY + 1];
    int m_nRolling[ROLL_CAPACITY];
    int m_nSettled;
    int m_nTargetLength;
};
