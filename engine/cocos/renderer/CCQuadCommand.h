#ifndef __CC_QUADCOMMAND_H__
#define __CC_QUADCOMMAND_H__

#include "base/ccTypes.h"
#include "renderer/CCRenderCommand.h"

NS_CC_BEGIN

class Texture2D;
class GLProgramState;

/** Textured quads drawn with one program state and blend function. The
 *  quads stay owned by the caller and must live until the frame is drawn. */
class CC_DLL QuadCommand : public RenderCommand
{
public:
    QuadCommand();
    ~QuadCommand();

    void init(float globalOrder, Texture2D* texture, GLProgramState* glProgramState, const BlendFunc& blendType,
              V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv, uint32_t flags);
    void init(float globalOrder, GLuint textureID, GLProgramState* shader, const BlendFunc& blendType,
              V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv, uint32_t flags);

    uint32_t getMaterialID() const { return _materialID; }
    GLuint getTextureID() const { return _textureID; }
    /** The texture given to init (null when only its name was). */
    Texture2D* getTexture() const { return _texture; }
    V3F_C4B_T2F_Quad* getQuads() const { return _quads; }
    ssize_t getQuadCount() const { return _quadCount; }
    GLProgramState* getGLProgramState() const { return _glProgramState; }
    BlendFunc getBlendType() const { return _blendType; }

protected:
    uint32_t _materialID;
    GLuint _textureID;
    Texture2D* _texture;
    GLProgramState* _glProgramState;
    BlendFunc _blendType;
    V3F_C4B_T2F_Quad* _quads;
    ssize_t _quadCount;
};

NS_CC_END

#endif
