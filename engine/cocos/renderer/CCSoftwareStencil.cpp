#include "renderer/CCSoftwareStencil.h"

NS_CC_BEGIN

unsigned char SoftwareStencil::operate(GLenum op, unsigned char value) const
{
    switch (op)
    {
    case GL_ZERO: return 0;
    case GL_REPLACE: return static_cast<unsigned char>(ref & 0xFF);
    case GL_INCR: return value == 0xFF ? value : static_cast<unsigned char>(value + 1);
    case GL_DECR: return value == 0 ? value : static_cast<unsigned char>(value - 1);
    case GL_INVERT: return static_cast<unsigned char>(~value);
    case GL_KEEP:
    default: return value;
    }
}

bool SoftwareStencil::test(unsigned char& value) const
{
    if (!enabled) return true;
    GLuint r = static_cast<GLuint>(ref) & valueMask & 0xFF, s = value & valueMask;
    bool pass;
    switch (func)
    {
    case GL_NEVER: pass = false; break;
    case GL_LESS: pass = r < s; break;
    case GL_LEQUAL: pass = r <= s; break;
    case GL_GREATER: pass = r > s; break;
    case GL_GEQUAL: pass = r >= s; break;
    case GL_EQUAL: pass = r == s; break;
    case GL_NOTEQUAL: pass = r != s; break;
    case GL_ALWAYS:
    default: pass = true; break;
    }
    unsigned char next = operate(pass ? passOp : failOp, value);
    value = static_cast<unsigned char>((value & ~writeMask) | (next & writeMask));
    return pass;
}

NS_CC_END
