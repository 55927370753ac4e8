#ifndef __CC_GROUP_COMMAND_H__
#define __CC_GROUP_COMMAND_H__

#include "renderer/CCRenderCommand.h"

NS_CC_BEGIN

/** Stands in its parent queue for a queue of its own; the commands added
 *  between Renderer::pushGroup(id) and popGroup() go there. */
class CC_DLL GroupCommand : public RenderCommand
{
public:
    GroupCommand();
    ~GroupCommand();

    void init(float globalOrder);
    int getRenderQueueID() const { return _renderQueueID; }

protected:
    int _renderQueueID;
};

NS_CC_END

#endif
