// The waiting layer shown while the client waits for the server: a
// translucent colour over the whole window that swallows every touch and the
// pointer's hover, a message and a looping seven-frame animation. It counts
// how long it has been shown so that the game can take it away after a
// time-out.
#pragma once

#include <string>

#include "cocos2d.h"

#include "StagecraftExport.h"

class CSpriteImage;
class CSpriteLabel;

class STAGECRAFT_API CSpriteLock : public cocos2d::Layer {
public:
    // Class-wide settings; games may change them.
    static std::string m_SpriteFile;
    static float m_fLockRemoveTime;
    static float m_fLockFontSize;

    CSpriteLock();
    ~CSpriteLock() override;

    static CSpriteLock* create();
    static CSpriteLock* create(const std::string& message);
    bool init() override;

    void SetLockColor(cocos2d::Color4B color);
    void SetLockString(const std::string& text);
    void SetLockSprite(const std::string& file);

    void UpdateTime(float dt);
    float GetLockTime() const { return m_fLockTime; }
    // True once the lock has been shown longer than m_fLockRemoveTime.
    bool GetIsRemoveTime() const { return m_fLockTime > m_fLockRemoveTime; }

    CSpriteImage* GetLockSprite() const { return m_pLockSprite; }
    CSpriteLabel* GetLockLabel() const { return m_pLockLabel; }

    void onEnter() override;
    void onExit() override;

private:
    cocos2d::LayerColor* m_pColorLayer;
    CSpriteLabel* m_pLockLabel;
    CSpriteImage* m_pLockSprite;
    float m_fLockTime;
    bool m_bListening;
};
