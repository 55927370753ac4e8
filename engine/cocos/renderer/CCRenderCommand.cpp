#include "renderer/CCRenderCommand.h"

NS_CC_BEGIN

RenderCommand::RenderCommand()
    : _type(Type::UNKNOWN_COMMAND), _globalOrder(0), _isTransparent(true), _skipBatching(false), _is3D(false), _depth(0)
{
}

RenderCommand::~RenderCommand() {}

void RenderCommand::init(float globalZOrder, const Mat4& modelViewTransform, uint32_t /*flags*/)
{
    _globalOrder = globalZOrder;
    _mv = modelViewTransform;
    _depth = modelViewTransform.m[14];
}

NS_CC_END
