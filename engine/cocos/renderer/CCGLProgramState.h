#ifndef __CCGLPROGRAMSTATE_H__
#define __CCGLPROGRAMSTATE_H__

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/CCRef.h"
#include "math/CCMath.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class GLProgram;
class Texture2D;
class Node;
struct Uniform;

/** A value to give one uniform of a program when it is applied. */
class CC_DLL UniformValue
{
public:
    enum class Type
    {
        VALUE,
        POINTER,
        CALLBACK_FN
    };

    UniformValue();
    UniformValue(Uniform* uniform, GLProgram* glprogram);
    UniformValue(const UniformValue& o);
    ~UniformValue();
    UniformValue& operator=(const UniformValue& o);

    void setFloat(float value);
    void setInt(int value);
    void setFloatv(ssize_t size, const float* pointer);
    void setVec2(const Vec2& value);
    void setVec3(const Vec3& value);
    void setVec4(const Vec4& value);
    void setMat4(const Mat4& value);
    void setCallback(const std::function<void(GLProgram*, Uniform*)>& callback);
    void setTexture(GLuint textureId, GLuint textureUnit);
    void setTexture(Texture2D* texture, GLuint textureUnit);

    void apply();

    const std::vector<float>& getFloats() const { return _floats; }
    Texture2D* getTexture() const { return _texture; }
    GLuint getTextureId() const { return _textureId; }
    GLuint getTextureUnit() const { return _textureUnit; }
    bool isInteger() const { return _isInt; }
    Type getType() const { return _type; }
    Uniform* getUniform() const { return _uniform; }

protected:
    Uniform* _uniform;
    GLProgram* _glprogram;
    Type _type;
    std::vector<float> _floats;
    bool _isInt;
    Texture2D* _texture;
    GLuint _textureId;
    GLuint _textureUnit;
    std::function<void(GLProgram*, Uniform*)> _callback;
};

/** A program together with the uniform values one node draws it with. */
class CC_DLL GLProgramState : public Ref
{
public:
    static GLProgramState* create(GLProgram* glprogram);
    /** The one state shared by everything using this program. */
    static GLProgramState* getOrCreateWithGLProgram(GLProgram* glprogram);
    static GLProgramState* getOrCreateWithGLProgramName(const std::string& glProgramName);
    static GLProgramState* getOrCreateWithGLProgramName(const std::string& glProgramName, Texture2D* texture);
    static GLProgramState* getOrCreateWithShaders(const std::string& vertexShader, const std::string& fragShader,
                                                  const std::string& compileTimeDefines);

    GLProgramState* clone() const;

    void apply(const Mat4& modelView);
    void applyGLProgram(const Mat4& modelView);
    void applyAttributes(bool applyAttribFlags = true);
    void applyUniforms();

    void setGLProgram(GLProgram* glprogram);
    GLProgram* getGLProgram() const { return _glprogram; }

    uint32_t getVertexAttribsFlags() const { return _vertexAttribsFlags; }
    ssize_t getVertexAttribCount() const { return 0; }
    ssize_t getUniformCount() const { return static_cast<ssize_t>(_uniforms.size()); }

    void setUniformInt(const std::string& uniformName, int value);
    void setUniformFloat(const std::string& uniformName, float value);
    void setUniformFloatv(const std::string& uniformName, ssize_t size, const float* pointer);
    void setUniformVec2(const std::string& uniformName, const Vec2& value);
    void setUniformVec3(const std::string& uniformName, const Vec3& value);
    void setUniformVec4(const std::string& uniformName, const Vec4& value);
    void setUniformMat4(const std::string& uniformName, const Mat4& value);
    void setUniformCallback(const std::string& uniformName, const std::function<void(GLProgram*, Uniform*)>& callback);
    void setUniformTexture(const std::string& uniformName, Texture2D* texture);
    void setUniformTexture(const std::string& uniformName, GLuint textureId);

    void setUniformInt(GLint uniformLocation, int value);
    void setUniformFloat(GLint uniformLocation, float value);
    void setUniformFloatv(GLint uniformLocation, ssize_t size, const float* pointer);
    void setUniformVec2(GLint uniformLocation, const Vec2& value);
    void setUniformVec3(GLint uniformLocation, const Vec3& value);
    void setUniformVec4(GLint uniformLocation, const Vec4& value);
    void setUniformMat4(GLint uniformLocation, const Mat4& value);
    void setUniformCallback(GLint uniformLocation, const std::function<void(GLProgram*, Uniform*)>& callback);
    void setUniformTexture(GLint uniformLocation, Texture2D* texture);
    void setUniformTexture(GLint uniformLocation, GLuint textureId);

    void setParameterAutoBinding(const std::string& uniformName, const std::string& autoBinding);

    Node* getNodeBinding() const { return _nodeBinding; }
    void setNodeBinding(Node* node) { _nodeBinding = node; }

    /** The value set for a uniform of the program, null when none was set
     *  or the program has no such uniform. */
    UniformValue* getUniformValue(const std::string& uniformName);
    UniformValue* getUniformValue(GLint uniformLocation);

    GLProgramState();
    virtual ~GLProgramState();

protected:
    bool init(GLProgram* program);
    void resetGLProgram();
    UniformValue* uniformByLocation(GLint uniformLocation);
    GLuint textureUnitFor(UniformValue* value);

    std::unordered_map<GLint, UniformValue> _uniforms;
    std::unordered_map<std::string, GLint> _uniformsByName;
    std::unordered_map<std::string, std::string> _autoBindings;
    GLProgram* _glprogram;
    uint32_t _vertexAttribsFlags;
    int _textureUnitIndex;
    Node* _nodeBinding;
};

NS_CC_END

#endif
