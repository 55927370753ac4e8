#ifndef __CCRENDERCOMMAND_H__
#define __CCRENDERCOMMAND_H__

#include <stdint.h>

#include "math/Mat4.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** One unit of drawing that a node hands to the renderer during a visit. */
class CC_DLL RenderCommand
{
public:
    enum class Type
    {
        UNKNOWN_COMMAND,
        QUAD_COMMAND,
        CUSTOM_COMMAND,
        BATCH_COMMAND,
        GROUP_COMMAND,
        MESH_COMMAND,
        PRIMITIVE_COMMAND,
        TRIANGLES_COMMAND
    };

    void init(float globalZOrder, const Mat4& modelViewTransform, uint32_t flags);

    float getGlobalOrder() const { return _globalOrder; }
    Type getType() const { return _type; }
    bool isTransparent() const { return _isTransparent; }
    void setTransparent(bool isTransparent) { _isTransparent = isTransparent; }
    bool isSkipBatching() const { return _skipBatching; }
    void setSkipBatching(bool value) { _skipBatching = value; }
    bool is3D() const { return _is3D; }
    void set3D(bool value) { _is3D = value; }
    float getDepth() const { return _depth; }
    const Mat4& getModelView() const { return _mv; }

protected:
    RenderCommand();
    virtual ~RenderCommand();

    Type _type;
    float _globalOrder;
    bool _isTransparent;
    bool _skipBatching;
    bool _is3D;
    float _depth;
    Mat4 _mv;
};

NS_CC_END

#endif
