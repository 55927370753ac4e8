#include "base/CCStencilStateManager.h"

NS_CC_BEGIN

namespace
{
// One layer per bit of an 8-bit stencil buffer.
const GLint kStencilBits = 8;
}

GLint StencilStateManager::s_layer = -1;

StencilStateManager::StencilStateManager() : _alphaThreshold(1.0f), _inverted(false), _layerOpened(false) {}

void StencilStateManager::onBeforeVisit()
{
    _layerOpened = s_layer + 1 < kStencilBits;
    if (_layerOpened) ++s_layer;
}

void StencilStateManager::onAfterDrawStencil() {}

void StencilStateManager::onAfterVisit()
{
    if (_layerOpened) --s_layer;
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
