// The grey-scale look the button and the image sprite share: while on, the
// sprite draws with the grey-scale effect's program through its own quad
// command; off, it goes back to the engine's position-texture-colour program.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

class CEffectGreyScale;

class STAGECRAFT_API CGreyScaleLook {
public:
    CGreyScaleLook();
    ~CGreyScaleLook();
    CGreyScaleLook(const CGreyScaleLook&) = delete;
    CGreyScaleLook& operator=(const CGreyScaleLook&) = delete;

    // On: a new effect, bound to the sprite, whose program state the sprite
    // takes. Off: the engine's shared state for the sprite program, effect dropped.
    void Apply(cocos2d::Sprite* sprite, bool on);
    bool IsOn() const { return m_bOn; }

    // Queues one quad with the sprite's current program state; insideBounds
    // is the sprite's culling result, tested again when the transform changed.
    void Draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags, cocos2d::Sprite* sprite,
              cocos2d::V3F_C4B_T2F_Quad* quad, bool& insideBounds);

private:
    bool m_bOn;
    CEffectGreyScale* m_pEffect;
    cocos2d::QuadCommand m_QuadCommand;
};
