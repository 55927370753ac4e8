#include "renderer/CCGLProgramCache.h"

#include "renderer/CCGLProgram.h"
#include "renderer/ccShaders.h"

NS_CC_BEGIN

namespace {

GLProgramCache* s_sharedCache = nullptr;

struct StandardProgram
{
    const char** name;
    const GLchar* const* vert;
    const GLchar* const* frag;
    const char* defines;
};

// Standard programs and their sources.
const StandardProgram STANDARD_PROGRAMS[] = {
    {&GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR, &ccPositionTextureColor_vert, &ccPositionTextureColor_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP, &ccPositionTextureColor_noMVP_vert,
     &ccPositionTextureColor_noMVP_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST, &ccPositionTextureColor_vert,
     &ccPositionTextureColorAlphaTest_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV, &ccPositionTextureColor_noMVP_vert,
     &ccPositionTextureColorAlphaTest_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_COLOR, &ccPositionColor_vert, &ccPositionColor_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_COLOR_TEXASPOINTSIZE, &ccPositionColorTextureAsPointsize_vert,
     &ccPositionColor_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_COLOR_NO_MVP, &ccPositionTextureColor_noMVP_vert, &ccPositionColor_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_TEXTURE, &ccPositionTexture_vert, &ccPositionTexture_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_TEXTURE_U_COLOR, &ccPositionTexture_uColor_vert, &ccPositionTexture_uColor_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_TEXTURE_A8_COLOR, &ccPositionTextureA8Color_vert, &ccPositionTextureA8Color_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_U_COLOR, &ccPosition_uColor_vert, &ccPosition_uColor_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_LENGTH_TEXTURE_COLOR, &ccPositionColorLengthTexture_vert,
     &ccPositionColorLengthTexture_frag, ""},
    {&GLProgram::SHADER_NAME_POSITION_GRAYSCALE, &ccPositionTextureColor_noMVP_vert, &ccPositionTexture_GrayScale_frag, ""},
    {&GLProgram::SHADER_NAME_LABEL_NORMAL, &ccLabel_vert, &ccLabelNormal_frag, ""},
    {&GLProgram::SHADER_NAME_LABEL_OUTLINE, &ccLabel_vert, &ccLabelOutline_frag, ""},
    {&GLProgram::SHADER_NAME_LABEL_DISTANCEFIELD_NORMAL, &ccLabel_vert, &ccLabelDistanceFieldNormal_frag, ""},
    {&GLProgram::SHADER_NAME_LABEL_DISTANCEFIELD_GLOW, &ccLabel_vert, &ccLabelDistanceFieldGlow_frag, ""},
    {&GLProgram::SHADER_3D_POSITION_TEXTURE, &cc3D_PositionTex_vert, &cc3D_ColorTex_frag, ""},
};

} // namespace

GLProgramCache* GLProgramCache::getInstance()
{
    if (!s_sharedCache)
    {
        s_sharedCache = new (std::nothrow) GLProgramCache();
        if (s_sharedCache && !s_sharedCache->init()) CC_SAFE_DELETE(s_sharedCache);
    }
    return s_sharedCache;
}

void GLProgramCache::destroyInstance()
{
    CC_SAFE_RELEASE_NULL(s_sharedCache);
}

GLProgramCache::GLProgramCache() {}

GLProgramCache::~GLProgramCache()
{
    for (auto& kv : _programs) kv.second->release();
}

bool GLProgramCache::init()
{
    loadDefaultGLPrograms();
    return true;
}

void GLProgramCache::loadDefaultGLPrograms()
{
    for (const StandardProgram& p : STANDARD_PROGRAMS)
    {
        if (_programs.count(*p.name)) continue;
        GLProgram* program = GLProgram::createWithByteArrays(*p.vert, *p.frag, p.defines);
        if (program) addGLProgram(program, *p.name);
    }
}

void GLProgramCache::reloadDefaultGLPrograms()
{
    for (const StandardProgram& p : STANDARD_PROGRAMS)
    {
        GLProgram* program = getGLProgram(*p.name);
        if (!program) continue;
        program->reset();
        program->initWithByteArrays(*p.vert, *p.frag, p.defines);
        program->link();
        program->updateUniforms();
    }
}

GLProgram* GLProgramCache::getGLProgram(const std::string& key)
{
    auto it = _programs.find(key);
    return it == _programs.end() ? nullptr : it->second;
}

void GLProgramCache::addGLProgram(GLProgram* program, const std::string& key)
{
    auto it = _programs.find(key);
    if (it != _programs.end() && it->second == program) return;
    CC_SAFE_RETAIN(program);
    if (it != _programs.end())
    {
        it->second->release();
        if (program) it->second = program;
        else _programs.erase(it);
    }
    else if (program) _programs[key] = program;
}

NS_CC_END
