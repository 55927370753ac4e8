#include "base/CCStencilStateManager.h"

#include "renderer/CCSoftwareRenderer.h"

NS_CC_BEGIN

namespace
{
// One layer per bit of an 8-bit stencil buffer.
const GLint kStencilBits = 8;
}

GLint StencilStateManager::s_layer = -1;

StencilStateManager::StencilStateManager()
    : _alphaThreshold(1.0f), _inverted(false), _layerOpened(false), _maskLayerLE(0)
{
}

// The layer's bit is cleared over the whole frame (set, inverted), then set
// (cleared, inverted) wherever the stencil draws; nothing of the stencil
// reaches the colours.
void StencilStateManager::onBeforeVisit()
{
    _layerOpened = s_layer + 1 < kStencilBits;
    if (!_layerOpened) return;
    ++s_layer;
    GLint maskLayer = 0x1 << s_layer;
    GLint maskLayerBelow = maskLayer - 1;
    _maskLayerLE = maskLayer | maskLayerBelow;

    SoftwareRenderer* software = SoftwareRenderer::getCurrent();
    if (software) _saved = software->getTarget().stencil();
    glEnable(GL_STENCIL_TEST);
    glStencilMask(static_cast<GLuint>(maskLayer));
    glStencilFunc(GL_NEVER, maskLayer, static_cast<GLuint>(maskLayer));
    glStencilOp(!_inverted ? GL_ZERO : GL_REPLACE, GL_KEEP, GL_KEEP);
    if (software) software->drawFullScreenStencilQuad();
    glStencilFunc(GL_NEVER, maskLayer, static_cast<GLuint>(maskLayer));
    glStencilOp(!_inverted ? GL_REPLACE : GL_ZERO, GL_KEEP, GL_KEEP);
}

// The content draws where this layer's bit and those of the layers around
// it are all set.
void StencilStateManager::onAfterDrawStencil()
{
    if (!_layerOpened) return;
    glStencilFunc(GL_EQUAL, _maskLayerLE, static_cast<GLuint>(_maskLayerLE));
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
}

void StencilStateManager::onAfterVisit()
{
    if (_layerOpened)
    {
        if (SoftwareRenderer* software = SoftwareRenderer::getCurrent()) software->getTarget().stencil() = _saved;
        --s_layer;
    }
    _layerOpened = false;
}

void StencilStateManager::setAlphaThreshold(GLfloat alphaThreshold)
{
    _alphaThreshold = alphaThreshold;
}

GLfloat StencilStateManager::getAlphaThreshold() const
{
    return _alphaThreshold;
}

void StencilStateManager::setInverted(bool inverted)
{
    _inverted = inverted;
}

bool StencilStateManager::isInverted() const
{
    return _inverted;
}

NS_CC_END
