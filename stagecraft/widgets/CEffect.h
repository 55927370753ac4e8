// Shader effects for sprites: a program state made from a fragment shader file
// and the engine's position-texture-colour vertex shader. The grey-scale
// effect shows disabled-looking sprites.
#pragma once

#include <string>

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CEffect : public cocos2d::Ref {
public:
    CEffect();
    // Copies share the program state; each holds its own reference.
    CEffect(const CEffect& other);
    CEffect& operator=(const CEffect& other);
    ~CEffect() override;

    virtual void setTarget(cocos2d::Sprite* sprite);
    cocos2d::GLProgramState* getGLProgramState() const { return m_pGLProgramState; }

protected:
    // True when a program state was obtained; a missing file leaves none.
    bool initGLProgramState(const std::string& fragmentFile);

private:
    void SetProgramState(cocos2d::GLProgramState* state);

    cocos2d::GLProgramState* m_pGLProgramState;
};

class STAGECRAFT_API CEffectGreyScale : public CEffect {
public:
    static CEffectGreyScale* create();

protected:
    bool init();
};
