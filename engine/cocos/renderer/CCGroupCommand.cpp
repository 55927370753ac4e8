#include "renderer/CCGroupCommand.h"

#include "base/CCDirector.h"
#include "renderer/CCRenderer.h"

NS_CC_BEGIN

GroupCommand::GroupCommand() : _renderQueueID(-1)
{
    _type = Type::GROUP_COMMAND;
}

GroupCommand::~GroupCommand() {}

void GroupCommand::init(float globalOrder)
{
    _globalOrder = globalOrder;
    if (_renderQueueID < 0)
    {
        Renderer* renderer = Director::getInstance()->getRenderer();
        if (renderer) _renderQueueID = renderer->createRenderQueue();
    }
}

NS_CC_END
