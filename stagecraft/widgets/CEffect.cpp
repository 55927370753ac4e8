#include "widgets/CEffect.h"

#include <new>

namespace {

const char kGreyScaleShader[] = "GAME_FRAME/greyScale.fsh";

} // namespace

CEffect::CEffect() : m_pGLProgramState(nullptr) {}

CEffect::CEffect(const CEffect& other) : cocos2d::Ref(), m_pGLProgramState(nullptr)
{
    SetProgramState(other.m_pGLProgramState);
}

CEffect& CEffect::operator=(const CEffect& other)
{
    SetProgramState(other.m_pGLProgramState);
    return *this;
}

CEffect::~CEffect()
{
    SetProgramState(nullptr);
}

void CEffect::SetProgramState(cocos2d::GLProgramState* state)
{
    if (state != nullptr)
        state->retain();
    if (m_pGLProgramState != nullptr)
        m_pGLProgramState->release();
    m_pGLProgramState = state;
}

void CEffect::setTarget(cocos2d::Sprite*) {}

bool CEffect::initGLProgramState(const std::string& fragmentFile)
{
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    const std::string path = files->fullPathForFilename(fragmentFile);
    if (path.empty())
        return false;
    const std::string source = files->getStringFromFile(path);
    if (source.empty())
        return false;
    cocos2d::GLProgram* program = cocos2d::GLProgram::createWithByteArrays(cocos2d::ccPositionTextureColor_noMVP_vert,
                                                                           source.c_str());
    if (program == nullptr)
        return false;
    SetProgramState(cocos2d::GLProgramState::getOrCreateWithGLProgram(program));
    return m_pGLProgramState != nullptr;
}

CEffectGreyScale* CEffectGreyScale::create()
{
    CEffectGreyScale* effect = new (std::nothrow) CEffectGreyScale();
    if (effect == nullptr)
        return nullptr;
    effect->init();
    effect->autorelease();
    return effect;
}

bool CEffectGreyScale::init()
{
    initGLProgramState(kGreyScaleShader);
    return true;
}
