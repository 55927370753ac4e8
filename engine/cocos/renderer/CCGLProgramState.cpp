#include "renderer/CCGLProgramState.h"

#include <map>

#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCTexture2D.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

namespace {

// One shared state per program (getOrCreateWithGLProgram).
std::map<GLProgram*, GLProgramState*>& sharedStates()
{
    static std::map<GLProgram*, GLProgramState*> states;
    return states;
}

} // namespace

UniformValue::UniformValue()
    : _uniform(nullptr), _glprogram(nullptr), _type(Type::VALUE), _isInt(false), _texture(nullptr), _textureId(0),
      _textureUnit(0)
{
}

UniformValue::UniformValue(Uniform* uniform, GLProgram* glprogram) : UniformValue()
{
    _uniform = uniform;
    _glprogram = glprogram;
}

UniformValue::UniformValue(const UniformValue& o) : UniformValue()
{
    *this = o;
}

UniformValue::~UniformValue()
{
    CC_SAFE_RELEASE(_texture);
}

UniformValue& UniformValue::operator=(const UniformValue& o)
{
    if (this == &o) return *this;
    CC_SAFE_RETAIN(o._texture);
    CC_SAFE_RELEASE(_texture);
    _uniform = o._uniform;
    _glprogram = o._glprogram;
    _type = o._type;
    _floats = o._floats;
    _isInt = o._isInt;
    _texture = o._texture;
    _textureId = o._textureId;
    _textureUnit = o._textureUnit;
    _callback = o._callback;
    return *this;
}

void UniformValue::setFloat(float value)
{
    _type = Type::VALUE;
    _isInt = false;
    _floats.assign(1, value);
}

void UniformValue::setInt(int value)
{
    _type = Type::VALUE;
    _isInt = true;
    _floats.assign(1, static_cast<float>(value));
}

void UniformValue::setFloatv(ssize_t size, const float* pointer)
{
    _type = Type::POINTER;
    _isInt = false;
    if (pointer && size > 0) _floats.assign(pointer, pointer + size);
    else _floats.clear();
}

void UniformValue::setVec2(const Vec2& value)
{
    _type = Type::VALUE;
    _isInt = false;
    _floats = {value.x, value.y};
}

void UniformValue::setVec3(const Vec3& value)
{
    _type = Type::VALUE;
    _isInt = false;
    _floats = {value.x, value.y, value.z};
}

void UniformValue::setVec4(const Vec4& value)
{
    _type = Type::VALUE;
    _isInt = false;
    _floats = {value.x, value.y, value.z, value.w};
}

void UniformValue::setMat4(const Mat4& value)
{
    _type = Type::VALUE;
    _isInt = false;
    _floats.assign(value.m, value.m + 16);
}

void UniformValue::setCallback(const std::function<void(GLProgram*, Uniform*)>& callback)
{
    _type = Type::CALLBACK_FN;
    _callback = callback;
}

void UniformValue::setTexture(GLuint textureId, GLuint textureUnit)
{
    CC_SAFE_RELEASE_NULL(_texture);
    _type = Type::VALUE;
    _isInt = true;
    _textureId = textureId;
    _textureUnit = textureUnit;
    _floats.assign(1, static_cast<float>(textureUnit));
}

void UniformValue::setTexture(Texture2D* texture, GLuint textureUnit)
{
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(_texture);
    _texture = texture;
    _type = Type::VALUE;
    _isInt = true;
    _textureId = texture ? texture->getName() : 0;
    _textureUnit = textureUnit;
    _floats.assign(1, static_cast<float>(textureUnit));
}

void UniformValue::apply()
{
    if (!_glprogram || !_uniform) return;
    if (_type == Type::CALLBACK_FN)
    {
        if (_callback) _callback(_glprogram, _uniform);
        return;
    }
    GLint location = _uniform->location;
    if (_isInt && _floats.size() == 1)
    {
        _glprogram->setUniformLocationWith1i(location, static_cast<GLint>(_floats[0]));
        return;
    }
    _glprogram->setUniformLocationWith1fv(location, _floats.data(), static_cast<unsigned int>(_floats.size()));
}

GLProgramState* GLProgramState::create(GLProgram* glprogram)
{
    GLProgramState* ret = new (std::nothrow) GLProgramState();
    if (ret && ret->init(glprogram))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

GLProgramState* GLProgramState::getOrCreateWithGLProgram(GLProgram* glprogram)
{
    if (!glprogram) return nullptr;
    auto& states = sharedStates();
    auto it = states.find(glprogram);
    if (it != states.end()) return it->second;
    GLProgramState* state = new (std::nothrow) GLProgramState();
    if (!state || !state->init(glprogram))
    {
        delete state;
        return nullptr;
    }
    states[glprogram] = state; // the shared table keeps this reference
    return state;
}

GLProgramState* GLProgramState::getOrCreateWithGLProgramName(const std::string& glProgramName)
{
    GLProgram* program = GLProgramCache::getInstance()->getGLProgram(glProgramName);
    return program ? getOrCreateWithGLProgram(program) : nullptr;
}

GLProgramState* GLProgramState::getOrCreateWithGLProgramName(const std::string& glProgramName, Texture2D* /*texture*/)
{
    return getOrCreateWithGLProgramName(glProgramName);
}

GLProgramState* GLProgramState::getOrCreateWithShaders(const std::string& vertexShader, const std::string& fragShader,
                                                       const std::string& compileTimeDefines)
{
    std::string key = vertexShader + "+" + fragShader + "+" + compileTimeDefines;
    GLProgramCache* cache = GLProgramCache::getInstance();
    GLProgram* program = cache->getGLProgram(key);
    if (!program)
    {
        FileUtils* fu = FileUtils::getInstance();
        std::string v = fu->getStringFromFile(vertexShader);
        std::string f = fu->getStringFromFile(fragShader);
        program = GLProgram::createWithByteArrays(v.c_str(), f.c_str(), compileTimeDefines);
        if (!program) return nullptr;
        cache->addGLProgram(program, key);
    }
    return create(program);
}

GLProgramState::GLProgramState() : _glprogram(nullptr), _vertexAttribsFlags(0), _textureUnitIndex(1), _nodeBinding(nullptr) {}

GLProgramState::~GLProgramState()
{
    auto& states = sharedStates();
    auto it = states.find(_glprogram);
    if (it != states.end() && it->second == this) states.erase(it);
    CC_SAFE_RELEASE(_glprogram);
}

bool GLProgramState::init(GLProgram* program)
{
    if (!program) return false;
    program->retain();
    CC_SAFE_RELEASE(_glprogram);
    _glprogram = program;
    resetGLProgram();
    return true;
}

void GLProgramState::resetGLProgram()
{
    _uniforms.clear();
    _uniformsByName.clear();
    _textureUnitIndex = 1;
    _vertexAttribsFlags = 0;
    if (!_glprogram) return;
    for (const char* a : {GLProgram::ATTRIBUTE_NAME_POSITION, GLProgram::ATTRIBUTE_NAME_COLOR,
                          GLProgram::ATTRIBUTE_NAME_TEX_COORD})
    {
        GLint l = _glprogram->getAttribLocation(a);
        if (l >= 0 && l < 32) _vertexAttribsFlags |= 1u << l;
    }
}

GLProgramState* GLProgramState::clone() const
{
    GLProgramState* copy = new (std::nothrow) GLProgramState();
    if (!copy) return nullptr;
    copy->init(_glprogram);
    copy->_uniforms = _uniforms;
    copy->_uniformsByName = _uniformsByName;
    copy->_autoBindings = _autoBindings;
    copy->_textureUnitIndex = _textureUnitIndex;
    copy->_nodeBinding = _nodeBinding;
    copy->autorelease();
    return copy;
}

void GLProgramState::setGLProgram(GLProgram* glprogram)
{
    if (glprogram == _glprogram) return;
    init(glprogram);
}

void GLProgramState::apply(const Mat4& modelView)
{
    applyGLProgram(modelView);
    applyAttributes();
    applyUniforms();
}

void GLProgramState::applyGLProgram(const Mat4& modelView)
{
    if (!_glprogram) return;
    _glprogram->use();
    _glprogram->setUniformsForBuiltins(modelView);
}

void GLProgramState::applyAttributes(bool /*applyAttribFlags*/) {}

void GLProgramState::applyUniforms()
{
    for (auto& kv : _uniforms) kv.second.apply();
}

UniformValue* GLProgramState::getUniformValue(GLint uniformLocation)
{
    if (!_glprogram || uniformLocation < 0) return nullptr;
    auto it = _uniforms.find(uniformLocation);
    return it == _uniforms.end() ? nullptr : &it->second;
}

UniformValue* GLProgramState::getUniformValue(const std::string& uniformName)
{
    if (!_glprogram) return nullptr;
    Uniform* u = _glprogram->getUniform(uniformName);
    if (!u) return nullptr;
    auto it = _uniforms.find(u->location);
    if (it == _uniforms.end()) it = _uniforms.emplace(u->location, UniformValue(u, _glprogram)).first;
    _uniformsByName[uniformName] = u->location;
    return &it->second;
}

UniformValue* GLProgramState::uniformByLocation(GLint uniformLocation)
{
    if (!_glprogram) return nullptr;
    Uniform* u = _glprogram->getUniformForLocation(uniformLocation);
    if (!u) return nullptr;
    auto it = _uniforms.find(uniformLocation);
    if (it == _uniforms.end()) it = _uniforms.emplace(uniformLocation, UniformValue(u, _glprogram)).first;
    return &it->second;
}

#define UNIFORM_SETTER(NAME, ARG, CALL)                                 \
    void GLProgramState::NAME(const std::string& uniformName, ARG)      \
    {                                                                   \
        if (UniformValue* v = getUniformValue(uniformName)) v->CALL;    \
    }                                                                   \
    void GLProgramState::NAME(GLint uniformLocation, ARG)               \
    {                                                                   \
        if (UniformValue* v = uniformByLocation(uniformLocation)) v->CALL; \
    }

UNIFORM_SETTER(setUniformInt, int value, setInt(value))
UNIFORM_SETTER(setUniformFloat, float value, setFloat(value))
UNIFORM_SETTER(setUniformVec2, const Vec2& value, setVec2(value))
UNIFORM_SETTER(setUniformVec3, const Vec3& value, setVec3(value))
UNIFORM_SETTER(setUniformVec4, const Vec4& value, setVec4(value))
UNIFORM_SETTER(setUniformMat4, const Mat4& value, setMat4(value))
UNIFORM_SETTER(setUniformCallback, const std::function<void(GLProgram*, Uniform*)>& callback, setCallback(callback))
UNIFORM_SETTER(setUniformTexture, GLuint textureId, setTexture(textureId, textureUnitFor(v)))
UNIFORM_SETTER(setUniformTexture, Texture2D* texture, setTexture(texture, textureUnitFor(v)))

#undef UNIFORM_SETTER

void GLProgramState::setUniformFloatv(const std::string& uniformName, ssize_t size, const float* pointer)
{
    if (UniformValue* v = getUniformValue(uniformName)) v->setFloatv(size, pointer);
}

void GLProgramState::setUniformFloatv(GLint uniformLocation, ssize_t size, const float* pointer)
{
    if (UniformValue* v = uniformByLocation(uniformLocation)) v->setFloatv(size, pointer);
}

GLuint GLProgramState::textureUnitFor(UniformValue* value)
{
    // a uniform keeps the unit it was first given; unit 0 is the node's own texture
    if (value->getTexture() || value->getTextureId() || value->getTextureUnit()) return value->getTextureUnit();
    return static_cast<GLuint>(_textureUnitIndex++);
}

void GLProgramState::setParameterAutoBinding(const std::string& uniformName, const std::string& autoBinding)
{
    _autoBindings[uniformName] = autoBinding;
}

NS_CC_END
