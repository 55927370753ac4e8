#ifndef __CC_SOFTWARE_STENCIL_H__
#define __CC_SOFTWARE_STENCIL_H__

#include "platform/CCGL.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** The stencil stage of the software renderer, an 8-bit stencil buffer's
 *  test and operations as glStencilFunc, glStencilOp and glStencilMask set
 *  them. There is no depth buffer, so the depth-fail operation never runs. */
struct CC_DLL SoftwareStencil
{
    bool enabled = false;
    GLenum func = GL_ALWAYS;
    GLint ref = 0;
    GLuint valueMask = 0xFF;
    GLuint writeMask = 0xFF;
    GLenum failOp = GL_KEEP;
    GLenum passOp = GL_KEEP;

    /** Tests a fragment against the stencil value under it and updates the
     *  value by the fail or pass operation; true when the fragment passes.
     *  A disabled stage passes everything and changes nothing. */
    bool test(unsigned char& value) const;

    /** What an operation makes of a value. */
    unsigned char operate(GLenum op, unsigned char value) const;
};

NS_CC_END

#endif
