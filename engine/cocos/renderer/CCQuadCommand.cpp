#include "renderer/CCQuadCommand.h"

#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

QuadCommand::QuadCommand()
    : _materialID(0), _textureID(0), _texture(nullptr), _glProgramState(nullptr), _blendType(BlendFunc::DISABLE), _quads(nullptr),
      _quadCount(0)
{
    _type = Type::QUAD_COMMAND;
}

QuadCommand::~QuadCommand() {}

void QuadCommand::init(float globalOrder, Texture2D* texture, GLProgramState* glProgramState,
                       const BlendFunc& blendType, V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv,
                       uint32_t flags)
{
    init(globalOrder, texture ? texture->getName() : 0, glProgramState, blendType, quads, quadCount, mv, flags);
    _texture = texture;
}

void QuadCommand::init(float globalOrder, GLuint textureID, GLProgramState* shader, const BlendFunc& blendType,
                       V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv, uint32_t flags)
{
    RenderCommand::init(globalOrder, mv, flags);
    _textureID = textureID;
    _texture = nullptr;
    _glProgramState = shader;
    _blendType = blendType;
    _quads = quads;
    _quadCount = quadCount;
    // commands of one material can be drawn as one batch
    _materialID = static_cast<uint32_t>(textureID * 2654435761u) ^ static_cast<uint32_t>(reinterpret_cast<uintptr_t>(shader))
                  ^ (blendType.src << 16) ^ blendType.dst;
}

NS_CC_END
