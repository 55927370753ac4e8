#include "widgets/CGreyScaleLook.h"

#include "widgets/CEffect.h"

CGreyScaleLook::CGreyScaleLook() : m_bOn(false), m_pEffect(nullptr) {}

CGreyScaleLook::~CGreyScaleLook()
{
    CC_SAFE_RELEASE_NULL(m_pEffect);
}

void CGreyScaleLook::Apply(cocos2d::Sprite* sprite, bool on)
{
    m_bOn = on;
    if (on) {
        CC_SAFE_RELEASE_NULL(m_pEffect);
        m_pEffect = CEffectGreyScale::create();
        if (m_pEffect == nullptr)
            return;
        m_pEffect->retain();
        m_pEffect->setTarget(sprite);
        if (m_pEffect->getGLProgramState() != nullptr)
            sprite->setGLProgramState(m_pEffect->getGLProgramState());
        return;
    }
    sprite->setGLProgramState(cocos2d::GLProgramState::getOrCreateWithGLProgramName(
        cocos2d::GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));
    CC_SAFE_RELEASE_NULL(m_pEffect);
}

void CGreyScaleLook::Draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags,
                          cocos2d::Sprite* sprite, cocos2d::V3F_C4B_T2F_Quad* quad, bool& insideBounds)
{
    if (renderer == nullptr || sprite->getTexture() == nullptr)
        return;
    if (flags & cocos2d::Node::FLAGS_TRANSFORM_DIRTY)
        insideBounds = renderer->checkVisibility(transform, sprite->getContentSize());
    if (!insideBounds)
        return;
    m_QuadCommand.init(sprite->getGlobalZOrder(), sprite->getTexture(), sprite->getGLProgramState(),
                       sprite->getBlendFunc(), quad, 1, transform, flags);
    renderer->addCommand(&m_QuadCommand);
}
