#include "renderer/CCGLProgram.h"

#include <cctype>
#include <cstring>
#include <sstream>

#include "math/Mat4.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

const char* GLProgram::SHADER_NAME_ETC1AS_POSITION_TEXTURE_COLOR = "#ShaderETC1ASPositionTextureColor";
const char* GLProgram::SHADER_NAME_ETC1AS_POSITION_TEXTURE_COLOR_NO_MVP = "#ShaderETC1ASPositionTextureColor_noMVP";
const char* GLProgram::SHADER_NAME_ETC1AS_POSITION_TEXTURE_GRAY = "#ShaderETC1ASPositionTextureGray";
const char* GLProgram::SHADER_NAME_ETC1AS_POSITION_TEXTURE_GRAY_NO_MVP = "#ShaderETC1ASPositionTextureGray_noMVP";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR = "ShaderPositionTextureColor";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP = "ShaderPositionTextureColor_noMVP";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST = "ShaderPositionTextureColorAlphaTest";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV = "ShaderPositionTextureColorAlphaTest_NoMV";
const char* GLProgram::SHADER_NAME_POSITION_COLOR = "ShaderPositionColor";
const char* GLProgram::SHADER_NAME_POSITION_COLOR_TEXASPOINTSIZE = "ShaderPositionColorTexAsPointsize";
const char* GLProgram::SHADER_NAME_POSITION_COLOR_NO_MVP = "ShaderPositionColor_noMVP";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE = "ShaderPositionTexture";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_U_COLOR = "ShaderPositionTexture_uColor";
const char* GLProgram::SHADER_NAME_POSITION_TEXTURE_A8_COLOR = "ShaderPositionTextureA8Color";
const char* GLProgram::SHADER_NAME_POSITION_U_COLOR = "ShaderPosition_uColor";
const char* GLProgram::SHADER_NAME_POSITION_LENGTH_TEXTURE_COLOR = "ShaderPositionLengthTextureColor";
const char* GLProgram::SHADER_NAME_POSITION_GRAYSCALE = "ShaderUIGrayScale";
const char* GLProgram::SHADER_NAME_LABEL_NORMAL = "ShaderLabelNormal";
const char* GLProgram::SHADER_NAME_LABEL_OUTLINE = "ShaderLabelOutline";
const char* GLProgram::SHADER_NAME_LABEL_DISTANCEFIELD_NORMAL = "ShaderLabelDFNormal";
const char* GLProgram::SHADER_NAME_LABEL_DISTANCEFIELD_GLOW = "ShaderLabelDFGlow";
const char* GLProgram::SHADER_NAME_LAYER_RADIAL_GRADIENT = "ShaderLayerRadialGradient";
const char* GLProgram::SHADER_3D_POSITION_TEXTURE = "Shader3DPositionTexture";

const char* GLProgram::UNIFORM_NAME_AMBIENT_COLOR = "CC_AmbientColor";
const char* GLProgram::UNIFORM_NAME_P_MATRIX = "CC_PMatrix";
const char* GLProgram::UNIFORM_NAME_MULTIVIEW_P_MATRIX = "CC_MultiViewPMatrix";
const char* GLProgram::UNIFORM_NAME_MV_MATRIX = "CC_MVMatrix";
const char* GLProgram::UNIFORM_NAME_MVP_MATRIX = "CC_MVPMatrix";
const char* GLProgram::UNIFORM_NAME_MULTIVIEW_MVP_MATRIX = "CC_MultiViewMVPMatrix";
const char* GLProgram::UNIFORM_NAME_NORMAL_MATRIX = "CC_NormalMatrix";
const char* GLProgram::UNIFORM_NAME_TIME = "CC_Time";
const char* GLProgram::UNIFORM_NAME_SIN_TIME = "CC_SinTime";
const char* GLProgram::UNIFORM_NAME_COS_TIME = "CC_CosTime";
const char* GLProgram::UNIFORM_NAME_RANDOM01 = "CC_Random01";
const char* GLProgram::UNIFORM_NAME_SAMPLER0 = "CC_Texture0";
const char* GLProgram::UNIFORM_NAME_SAMPLER1 = "CC_Texture1";
const char* GLProgram::UNIFORM_NAME_SAMPLER2 = "CC_Texture2";
const char* GLProgram::UNIFORM_NAME_SAMPLER3 = "CC_Texture3";
const char* GLProgram::UNIFORM_NAME_ALPHA_TEST_VALUE = "CC_alpha_value";

const char* GLProgram::ATTRIBUTE_NAME_COLOR = "a_color";
const char* GLProgram::ATTRIBUTE_NAME_POSITION = "a_position";
const char* GLProgram::ATTRIBUTE_NAME_TEX_COORD = "a_texCoord";
const char* GLProgram::ATTRIBUTE_NAME_TEX_COORD1 = "a_texCoord1";
const char* GLProgram::ATTRIBUTE_NAME_TEX_COORD2 = "a_texCoord2";
const char* GLProgram::ATTRIBUTE_NAME_TEX_COORD3 = "a_texCoord3";
const char* GLProgram::ATTRIBUTE_NAME_NORMAL = "a_normal";
const char* GLProgram::ATTRIBUTE_NAME_BLEND_WEIGHT = "a_blendWeight";
const char* GLProgram::ATTRIBUTE_NAME_BLEND_INDEX = "a_blendIndex";
const char* GLProgram::ATTRIBUTE_NAME_TANGENT = "a_tangent";
const char* GLProgram::ATTRIBUTE_NAME_BINORMAL = "a_binormal";

namespace {

GLuint nextProgramName()
{
    static GLuint next = 0;
    return ++next;
}

const char* const BUILTIN_UNIFORMS[GLProgram::UNIFORM_MAX] = {
    "CC_AmbientColor", "CC_PMatrix",  "CC_MultiViewPMatrix", "CC_MVMatrix", "CC_MVPMatrix",
    "CC_MultiViewMVPMatrix", "CC_NormalMatrix", "CC_Time", "CC_SinTime", "CC_CosTime",
    "CC_Random01", "CC_Texture0", "CC_Texture1", "CC_Texture2", "CC_Texture3",
};

struct StandardAttribute
{
    const char* name;
    GLuint index;
};

const StandardAttribute STANDARD_ATTRIBUTES[] = {
    {"a_position", GLProgram::VERTEX_ATTRIB_POSITION},   {"a_color", GLProgram::VERTEX_ATTRIB_COLOR},
    {"a_texCoord", GLProgram::VERTEX_ATTRIB_TEX_COORD},  {"a_texCoord1", GLProgram::VERTEX_ATTRIB_TEX_COORD1},
    {"a_texCoord2", GLProgram::VERTEX_ATTRIB_TEX_COORD2}, {"a_texCoord3", GLProgram::VERTEX_ATTRIB_TEX_COORD3},
    {"a_normal", GLProgram::VERTEX_ATTRIB_NORMAL},       {"a_blendWeight", GLProgram::VERTEX_ATTRIB_BLEND_WEIGHT},
    {"a_blendIndex", GLProgram::VERTEX_ATTRIB_BLEND_INDEX}, {"a_tangent", GLProgram::VERTEX_ATTRIB_TANGENT},
    {"a_binormal", GLProgram::VERTEX_ATTRIB_BINORMAL},
};

struct GlslType
{
    const char* name;
    GLenum type;
};

// GL enum values of the GLSL types a declaration can name.
const GlslType GLSL_TYPES[] = {
    {"float", 0x1406}, {"vec2", 0x8B50}, {"vec3", 0x8B51}, {"vec4", 0x8B52},  {"int", 0x1404},
    {"ivec2", 0x8B53}, {"ivec3", 0x8B54}, {"ivec4", 0x8B55}, {"bool", 0x8B56}, {"mat2", 0x8B5A},
    {"mat3", 0x8B5B}, {"mat4", 0x8B5C}, {"sampler2D", 0x8B5E}, {"samplerCube", 0x8B60},
};

GLenum typeOf(const std::string& word)
{
    for (const GlslType& t : GLSL_TYPES)
        if (word == t.name) return t.type;
    return 0;
}

// The source with comments blanked out, so declarations inside them are not read.
std::string stripComments(const std::string& s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();)
    {
        if (s.compare(i, 2, "//") == 0)
        {
            while (i < s.size() && s[i] != '\n') ++i;
        }
        else if (s.compare(i, 2, "/*") == 0)
        {
            size_t end = s.find("*/", i + 2);
            i = end == std::string::npos ? s.size() : end + 2;
            out += ' ';
        }
        else out += s[i++];
    }
    return out;
}

} // namespace

GLProgram::GLProgram() : _program(0), _nextUniformLocation(0)
{
    for (GLint& l : _builtInUniforms) l = -1;
}

GLProgram::~GLProgram() {}

GLProgram* GLProgram::createWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray)
{
    return createWithByteArrays(vShaderByteArray, fShaderByteArray, std::string());
}

GLProgram* GLProgram::createWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray,
                                           const std::string& compileTimeDefines)
{
    GLProgram* ret = new (std::nothrow) GLProgram();
    if (ret && ret->initWithByteArrays(vShaderByteArray, fShaderByteArray, compileTimeDefines))
    {
        ret->link();
        ret->updateUniforms();
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool GLProgram::initWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray)
{
    return initWithByteArrays(vShaderByteArray, fShaderByteArray, std::string());
}

bool GLProgram::initWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray,
                                   const std::string& compileTimeDefines)
{
    // an empty shader fails to compile
    if (!vShaderByteArray || !fShaderByteArray || !*vShaderByteArray || !*fShaderByteArray) return false;
    reset();
    _vertexSource = compileTimeDefines.empty() ? vShaderByteArray : compileTimeDefines + "\n" + vShaderByteArray;
    _fragmentSource = compileTimeDefines.empty() ? fShaderByteArray : compileTimeDefines + "\n" + fShaderByteArray;
    _program = nextProgramName();

    for (int i = 0; i < UNIFORM_MAX; ++i)
    {
        Uniform u{_nextUniformLocation++, 1, 0, BUILTIN_UNIFORMS[i]};
        _builtInUniforms[i] = u.location;
    }
    parseDeclarations(_vertexSource);
    parseDeclarations(_fragmentSource);
    return true;
}

GLProgram* GLProgram::createWithFilenames(const std::string& vShaderFilename, const std::string& fShaderFilename)
{
    GLProgram* ret = new (std::nothrow) GLProgram();
    if (ret && ret->initWithFilenames(vShaderFilename, fShaderFilename))
    {
        ret->link();
        ret->updateUniforms();
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool GLProgram::initWithFilenames(const std::string& vShaderFilename, const std::string& fShaderFilename)
{
    FileUtils* fu = FileUtils::getInstance();
    std::string v = fu->getStringFromFile(fu->fullPathForFilename(vShaderFilename));
    std::string f = fu->getStringFromFile(fu->fullPathForFilename(fShaderFilename));
    return initWithByteArrays(v.c_str(), f.c_str());
}

void GLProgram::parseDeclarations(const std::string& source)
{
    std::istringstream in(stripComments(source));
    std::string stmt;
    while (std::getline(in, stmt, ';'))
    {
        std::istringstream words(stmt);
        std::vector<std::string> w;
        std::string word;
        while (words >> word) w.push_back(word);
        if (w.size() < 3) continue;
        bool isUniform = w[0] == "uniform";
        bool isAttribute = w[0] == "attribute";
        if (!isUniform && !isAttribute) continue;
        // uniform [precision] type name[size]
        size_t t = 1;
        if (w[t] == "lowp" || w[t] == "mediump" || w[t] == "highp") ++t;
        if (t + 1 >= w.size()) continue;
        GLenum type = typeOf(w[t]);
        std::string name = w[t + 1];
        GLint size = 1;
        size_t bracket = name.find('[');
        if (bracket != std::string::npos)
        {
            size = std::atoi(name.c_str() + bracket + 1);
            name.erase(bracket);
        }
        if (name.empty()) continue;
        if (isAttribute)
        {
            if (_vertexAttribs.count(name)) continue;
            GLuint index = static_cast<GLuint>(VERTEX_ATTRIB_MAX + _vertexAttribs.size());
            for (const StandardAttribute& a : STANDARD_ATTRIBUTES)
                if (name == a.name) index = a.index;
            _vertexAttribs[name] = VertexAttrib{index, size, type, name};
        }
        else
        {
            bool builtIn = false;
            for (const char* b : BUILTIN_UNIFORMS)
                if (name == b) builtIn = true;
            if (builtIn || _userUniforms.count(name)) continue;
            _userUniforms[name] = Uniform{_nextUniformLocation++, size, type, name};
        }
    }
}

Uniform* GLProgram::getUniform(const std::string& name)
{
    auto it = _userUniforms.find(name);
    return it == _userUniforms.end() ? nullptr : &it->second;
}

Uniform* GLProgram::getUniformForLocation(GLint location)
{
    for (auto& kv : _userUniforms)
        if (kv.second.location == location) return &kv.second;
    return nullptr;
}

VertexAttrib* GLProgram::getVertexAttrib(const std::string& name)
{
    auto it = _vertexAttribs.find(name);
    return it == _vertexAttribs.end() ? nullptr : &it->second;
}

void GLProgram::bindAttribLocation(const std::string& attributeName, GLuint index) const
{
    auto it = _vertexAttribs.find(attributeName);
    if (it != _vertexAttribs.end()) it->second.index = index;
}

GLint GLProgram::getAttribLocation(const std::string& attributeName) const
{
    auto it = _vertexAttribs.find(attributeName);
    return it == _vertexAttribs.end() ? -1 : static_cast<GLint>(it->second.index);
}

GLint GLProgram::getUniformLocation(const std::string& attributeName) const
{
    auto it = _userUniforms.find(attributeName);
    if (it != _userUniforms.end()) return it->second.location;
    if (_program)
        for (int i = 0; i < UNIFORM_MAX; ++i)
            if (attributeName == BUILTIN_UNIFORMS[i]) return _builtInUniforms[i];
    return -1;
}

GLint GLProgram::getUniformLocationForName(const char* name) const
{
    return name ? getUniformLocation(name) : -1;
}

bool GLProgram::link()
{
    return _program != 0;
}

void GLProgram::use() {}

void GLProgram::updateUniforms()
{
    // samplers 0..3 sit on texture units 0..3
    for (int i = 0; i < 4; ++i) setUniformLocationWith1i(_builtInUniforms[UNIFORM_SAMPLER0 + i], i);
}

void GLProgram::reset()
{
    _program = 0;
    _vertexSource.clear();
    _fragmentSource.clear();
    _userUniforms.clear();
    _vertexAttribs.clear();
    _uniformValues.clear();
    _nextUniformLocation = 0;
    for (GLint& l : _builtInUniforms) l = -1;
}

const std::vector<GLfloat>* GLProgram::getUniformValues(GLint location) const
{
    auto it = _uniformValues.find(location);
    return it == _uniformValues.end() ? nullptr : &it->second;
}

void GLProgram::setUniformValues(GLint location, const GLfloat* values, size_t count)
{
    if (location < 0 || (!values && count)) return;
    _uniformValues[location].assign(values, values + count);
}

void GLProgram::setUniformIntValues(GLint location, const GLint* values, size_t count)
{
    if (location < 0 || (!values && count)) return;
    std::vector<GLfloat>& v = _uniformValues[location];
    v.clear();
    for (size_t i = 0; i < count; ++i) v.push_back(static_cast<GLfloat>(values[i]));
}

void GLProgram::setUniformLocationWith1i(GLint location, GLint i1)
{
    GLint v[] = {i1};
    setUniformIntValues(location, v, 1);
}

void GLProgram::setUniformLocationWith2i(GLint location, GLint i1, GLint i2)
{
    GLint v[] = {i1, i2};
    setUniformIntValues(location, v, 2);
}

void GLProgram::setUniformLocationWith3i(GLint location, GLint i1, GLint i2, GLint i3)
{
    GLint v[] = {i1, i2, i3};
    setUniformIntValues(location, v, 3);
}

void GLProgram::setUniformLocationWith4i(GLint location, GLint i1, GLint i2, GLint i3, GLint i4)
{
    GLint v[] = {i1, i2, i3, i4};
    setUniformIntValues(location, v, 4);
}

void GLProgram::setUniformLocationWith1f(GLint location, GLfloat f1)
{
    setUniformValues(location, &f1, 1);
}

void GLProgram::setUniformLocationWith2f(GLint location, GLfloat f1, GLfloat f2)
{
    GLfloat v[] = {f1, f2};
    setUniformValues(location, v, 2);
}

void GLProgram::setUniformLocationWith3f(GLint location, GLfloat f1, GLfloat f2, GLfloat f3)
{
    GLfloat v[] = {f1, f2, f3};
    setUniformValues(location, v, 3);
}

void GLProgram::setUniformLocationWith4f(GLint location, GLfloat f1, GLfloat f2, GLfloat f3, GLfloat f4)
{
    GLfloat v[] = {f1, f2, f3, f4};
    setUniformValues(location, v, 4);
}

void GLProgram::setUniformLocationWith1fv(GLint location, const GLfloat* floats, unsigned int n)
{
    setUniformValues(location, floats, n);
}

void GLProgram::setUniformLocationWith2fv(GLint location, const GLfloat* floats, unsigned int n)
{
    setUniformValues(location, floats, static_cast<size_t>(n) * 2);
}

void GLProgram::setUniformLocationWith3fv(GLint location, const GLfloat* floats, unsigned int n)
{
    setUniformValues(location, floats, static_cast<size_t>(n) * 3);
}

void GLProgram::setUniformLocationWith4fv(GLint location, const GLfloat* floats, unsigned int n)
{
    setUniformValues(location, floats, static_cast<size_t>(n) * 4);
}

void GLProgram::setUniformLocationWithMatrix2fv(GLint location, const GLfloat* m, unsigned int n)
{
    setUniformValues(location, m, static_cast<size_t>(n) * 4);
}

void GLProgram::setUniformLocationWithMatrix3fv(GLint location, const GLfloat* m, unsigned int n)
{
    setUniformValues(location, m, static_cast<size_t>(n) * 9);
}

void GLProgram::setUniformLocationWithMatrix4fv(GLint location, const GLfloat* m, unsigned int n)
{
    setUniformValues(location, m, static_cast<size_t>(n) * 16);
}

void GLProgram::setUniformsForBuiltins()
{
    setUniformsForBuiltins(Mat4::IDENTITY);
}

void GLProgram::setUniformsForBuiltins(const Mat4& modelView)
{
    setUniformLocationWithMatrix4fv(_builtInUniforms[UNIFORM_MV_MATRIX], modelView.m, 1);
}

NS_CC_END
