// The platform's general image sprite: an image or one frame of a strip,
// and three composites drawn from a strip of equal-width glyphs: a two-digit
// seconds clock over a background, a minutes:seconds clock, and a row of
// score digits with an optional leading mark. Clocks count down once a
// second, report every second (moved) and the end (ended) through the
// callback record, and then leave the scene. Also carries three seat ids
// and a grey-scale look.
#pragma once

#include <string>

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "widgets/CGreyScaleLook.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CSpriteImage : public cocos2d::Sprite, public CSpriteInterface {
public:
    // The mark index that means "no mark".
    static const unsigned short NO_MARK = 255;

    static CSpriteImage* create();
    static CSpriteImage* create(const std::string& file);
    static CSpriteImage* create(const std::string& file, cocos2d::Rect rect);
    static CSpriteImage* create(cocos2d::Texture2D* texture);
    static CSpriteImage* create(cocos2d::Texture2D* texture, cocos2d::Rect rect);
    // Frame index of count equal frames of the file (the whole file when
    // there is no such frame).
    static CSpriteImage* create(const std::string& file, int count, int index);
    static CSpriteImage* createWithTimeClock(const std::string& background, const std::string& digits,
                                             float glyphWidth, float seconds);
    static CSpriteImage* createWithNumClock(const std::string& digits, float glyphWidth, float seconds);
    static CSpriteImage* createScore(const std::string& file, long long score, unsigned short count,
                                     unsigned short digitsStart, unsigned short markStart, float gap);

    // Frames and files.
    void SetTextureRect1(float x, float y, float w, float h);
    // A rect of size 0 x 0 stands for the whole texture (origin kept).
    void SetTextureFile(const std::string& file, cocos2d::Rect rect);
    // Frame index of count equal frames of the current texture; nothing when
    // there is no such frame.
    void SetTextureType(int index, int count);

    // Two-digit seconds clock over this image (digits 0-9 in the strip).
    void SetTimeTexture(const std::string& digits, float glyphWidth, float seconds, bool reset);
    void SetTimeStart();
    void SetTimePosition(cocos2d::Vec2 left, cocos2d::Vec2 right);
    // Minutes:seconds clock (digits 0-9 and the colon as glyph 10).
    void SetNumTimeTexture(const std::string& digits, float glyphWidth, float seconds, bool reset);
    void SetTimeNumStart();
    void SetTimeNumPosition(cocos2d::Vec2 left, cocos2d::Vec2 right);
    int GetTimeCount() const { return static_cast<int>(m_fTimeCount); }

    // Score digits from a glyph strip; set the glyph count before the file.
    void SetScoreFile(const std::string& file);
    void SetScore(long long score, float gap);
    void SetNumsWidth(float width) { m_fNumsWidth = width; }
    void SetNumsHeight(float height) { m_fNumsHeight = height; }
    void SetNumsSize(cocos2d::Size size);
    float GetNumsWidth() const { return m_fNumsWidth; }
    float GetNumsHeight() const { return m_fNumsHeight; }
    void SetNumsCount(unsigned short count) { m_nNumsCount = count; }
    void SetNumsStart(unsigned short start) { m_nNumsStart = start; }
    void SetMarkStart(unsigned short start) { m_nMarkStart = start; }

    void SetChairID(unsigned short id) { m_nChairID = id; }
    unsigned short GetChairID() const { return m_nChairID; }
    void SetViewID(unsigned short id) { m_nViewID = id; }
    unsigned short GetViewID() const { return m_nViewID; }
    void SetTimeID(unsigned short id) { m_nTimeID = id; }
    unsigned short GetTimeID() const { return m_nTimeID; }

    void SetGreyScale(bool on);
    bool GetGreyScale() const { return m_GreyScale.IsOn(); }
    void draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) override;

    CSpriteImage();
    ~CSpriteImage() override;

private:
    // A child showing glyph of the digit strip file at pos.
    CSpriteImage* AddGlyphSprite(const std::string& digits, cocos2d::Vec2 pos);
    void ShowGlyph(CSpriteImage* sprite, int glyph) const;
    void DrawTimeClock();
    void DrawNumClock();
    // One second less; false once the clock has ended and left the scene.
    bool TickClock();
    void UpdateTimeClock(float dt);
    void UpdateTimeNumClock(float dt);
    static void Forget(CSpriteImage*& sprite);

    CSpriteImage* m_pTens;
    CSpriteImage* m_pUnits;
    CSpriteImage* m_pMinuteTens;
    CSpriteImage* m_pMinuteUnits;
    CSpriteImage* m_pSecondTens;
    CSpriteImage* m_pSecondUnits;
    CSpriteImage* m_pColon;
    float m_fTimeCount;
    unsigned short m_nChairID;
    unsigned short m_nViewID;
    unsigned short m_nTimeID;
    float m_fNumsWidth;
    float m_fNumsHeight;
    cocos2d::Texture2D* m_pScoreTexture;
    unsigned short m_nNumsCount;
    unsigned short m_nNumsStart;
    unsigned short m_nMarkStart;
    CGreyScaleLook m_GreyScale;
};
