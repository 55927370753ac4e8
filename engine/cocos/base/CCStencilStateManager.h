#ifndef __CC_STENCIL_STATE_MANAGER_H__
#define __CC_STENCIL_STATE_MANAGER_H__

#include "platform/CCGL.h"
#include "platform/CCPlatformMacros.h"
#include "renderer/CCSoftwareStencil.h"

NS_CC_BEGIN

/** The stencil state of one clipping node. The renderer calls it at three
 *  points of the node's draw: before the stencil (a new stencil layer begins),
 *  after the stencil (the content is drawn through it) and after the content
 *  (the layer ends). Layers nest; there are at most eight of them, one per bit
 *  of the stencil buffer; a node nested deeper ignores its own stencil (its
 *  content is clipped by the layers around it only). */
class CC_DLL StencilStateManager
{
public:
    StencilStateManager();

    void onBeforeVisit();
    void onAfterDrawStencil();
    void onAfterVisit();

    void setAlphaThreshold(GLfloat alphaThreshold);
    GLfloat getAlphaThreshold() const;
    void setInverted(bool inverted);
    bool isInverted() const;

    /** The stencil layers open at this point of the frame. */
    static GLint getCurrentLayer() { return s_layer; }

private:
    CC_DISALLOW_COPY_AND_ASSIGN(StencilStateManager);

    static GLint s_layer;
    GLfloat _alphaThreshold;
    bool _inverted;
    // whether this node's layer was opened (it is not past the eighth)
    bool _layerOpened;
    // the bits of this layer and the layers around it
    GLint _maskLayerLE;
    // the stencil state before the layer opened, put back when it closes
    SoftwareStencil _saved;
};

NS_CC_END

#endif
