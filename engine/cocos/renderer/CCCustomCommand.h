#ifndef __CC_CUSTOM_COMMAND_H__
#define __CC_CUSTOM_COMMAND_H__

#include <functional>

#include "renderer/CCRenderCommand.h"

NS_CC_BEGIN

/** Runs its function when the renderer reaches it. */
class CC_DLL CustomCommand : public RenderCommand
{
public:
    CustomCommand();
    ~CustomCommand();

    void init(float globalZOrder, const Mat4& modelViewTransform, uint32_t flags);
    void init(float globalZOrder);

    void execute();

    std::function<void()> func;
};

NS_CC_END

#endif
