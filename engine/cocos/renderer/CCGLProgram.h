#ifndef __CCGLPROGRAM_H__
#define __CCGLPROGRAM_H__

#include <string>
#include <unordered_map>
#include <vector>

#include "base/CCRef.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class Mat4;

struct CC_DLL VertexAttrib
{
    GLuint index;
    GLint size;
    GLenum type;
    std::string name;
};

struct CC_DLL Uniform
{
    GLint location;
    GLint size;
    GLenum type;
    std::string name;
};

/** A shader program. There is no GPU to compile for: the program keeps its
 *  sources, takes its attributes and uniforms from the declarations in them
 *  (plus the engine's built-in uniforms), gives each a location, and records
 *  the values set on them. */
class CC_DLL GLProgram : public Ref
{
public:
    enum
    {
        VERTEX_ATTRIB_POSITION,
        VERTEX_ATTRIB_COLOR,
        VERTEX_ATTRIB_TEX_COORD,
        VERTEX_ATTRIB_TEX_COORD1,
        VERTEX_ATTRIB_TEX_COORD2,
        VERTEX_ATTRIB_TEX_COORD3,
        VERTEX_ATTRIB_NORMAL,
        VERTEX_ATTRIB_BLEND_WEIGHT,
        VERTEX_ATTRIB_BLEND_INDEX,
        VERTEX_ATTRIB_TANGENT,
        VERTEX_ATTRIB_BINORMAL,
        VERTEX_ATTRIB_MAX,

        VERTEX_ATTRIB_TEX_COORDS = VERTEX_ATTRIB_TEX_COORD,
    };

    enum
    {
        UNIFORM_AMBIENT_COLOR,
        UNIFORM_P_MATRIX,
        UNIFORM_MULTIVIEW_P_MATRIX,
        UNIFORM_MV_MATRIX,
        UNIFORM_MVP_MATRIX,
        UNIFORM_MULTIVIEW_MVP_MATRIX,
        UNIFORM_NORMAL_MATRIX,
        UNIFORM_TIME,
        UNIFORM_SIN_TIME,
        UNIFORM_COS_TIME,
        UNIFORM_RANDOM01,
        UNIFORM_SAMPLER0,
        UNIFORM_SAMPLER1,
        UNIFORM_SAMPLER2,
        UNIFORM_SAMPLER3,
        UNIFORM_MAX,
    };

    static const char* SHADER_NAME_ETC1AS_POSITION_TEXTURE_COLOR;
    static const char* SHADER_NAME_ETC1AS_POSITION_TEXTURE_COLOR_NO_MVP;
    static const char* SHADER_NAME_ETC1AS_POSITION_TEXTURE_GRAY;
    static const char* SHADER_NAME_ETC1AS_POSITION_TEXTURE_GRAY_NO_MVP;
    static const char* SHADER_NAME_POSITION_TEXTURE_COLOR;
    static const char* SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP;
    static const char* SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST;
    static const char* SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV;
    static const char* SHADER_NAME_POSITION_COLOR;
    static const char* SHADER_NAME_POSITION_COLOR_TEXASPOINTSIZE;
    static const char* SHADER_NAME_POSITION_COLOR_NO_MVP;
    static const char* SHADER_NAME_POSITION_TEXTURE;
    static const char* SHADER_NAME_POSITION_TEXTURE_U_COLOR;
    static const char* SHADER_NAME_POSITION_TEXTURE_A8_COLOR;
    static const char* SHADER_NAME_POSITION_U_COLOR;
    static const char* SHADER_NAME_POSITION_LENGTH_TEXTURE_COLOR;
    static const char* SHADER_NAME_POSITION_GRAYSCALE;
    static const char* SHADER_NAME_LABEL_NORMAL;
    static const char* SHADER_NAME_LABEL_OUTLINE;
    static const char* SHADER_NAME_LABEL_DISTANCEFIELD_NORMAL;
    static const char* SHADER_NAME_LABEL_DISTANCEFIELD_GLOW;
    static const char* SHADER_NAME_LAYER_RADIAL_GRADIENT;
    static const char* SHADER_3D_POSITION_TEXTURE;

    static const char* UNIFORM_NAME_AMBIENT_COLOR;
    static const char* UNIFORM_NAME_P_MATRIX;
    static const char* UNIFORM_NAME_MULTIVIEW_P_MATRIX;
    static const char* UNIFORM_NAME_MV_MATRIX;
    static const char* UNIFORM_NAME_MVP_MATRIX;
    static const char* UNIFORM_NAME_MULTIVIEW_MVP_MATRIX;
    static const char* UNIFORM_NAME_NORMAL_MATRIX;
    static const char* UNIFORM_NAME_TIME;
    static const char* UNIFORM_NAME_SIN_TIME;
    static const char* UNIFORM_NAME_COS_TIME;
    static const char* UNIFORM_NAME_RANDOM01;
    static const char* UNIFORM_NAME_SAMPLER0;
    static const char* UNIFORM_NAME_SAMPLER1;
    static const char* UNIFORM_NAME_SAMPLER2;
    static const char* UNIFORM_NAME_SAMPLER3;
    static const char* UNIFORM_NAME_ALPHA_TEST_VALUE;

    static const char* ATTRIBUTE_NAME_COLOR;
    static const char* ATTRIBUTE_NAME_POSITION;
    static const char* ATTRIBUTE_NAME_TEX_COORD;
    static const char* ATTRIBUTE_NAME_TEX_COORD1;
    static const char* ATTRIBUTE_NAME_TEX_COORD2;
    static const char* ATTRIBUTE_NAME_TEX_COORD3;
    static const char* ATTRIBUTE_NAME_NORMAL;
    static const char* ATTRIBUTE_NAME_BLEND_WEIGHT;
    static const char* ATTRIBUTE_NAME_BLEND_INDEX;
    static const char* ATTRIBUTE_NAME_TANGENT;
    static const char* ATTRIBUTE_NAME_BINORMAL;

    GLProgram();
    virtual ~GLProgram();

    static GLProgram* createWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray);
    static GLProgram* createWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray,
                                           const std::string& compileTimeDefines);
    bool initWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray);
    bool initWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray,
                            const std::string& compileTimeDefines);
    static GLProgram* createWithFilenames(const std::string& vShaderFilename, const std::string& fShaderFilename);
    bool initWithFilenames(const std::string& vShaderFilename, const std::string& fShaderFilename);

    Uniform* getUniform(const std::string& name);
    /** The user uniform at a location, or null. */
    Uniform* getUniformForLocation(GLint location);
    VertexAttrib* getVertexAttrib(const std::string& name);

    void bindAttribLocation(const std::string& attributeName, GLuint index) const;
    GLint getAttribLocation(const std::string& attributeName) const;
    GLint getUniformLocation(const std::string& attributeName) const;
    GLint getUniformLocationForName(const char* name) const;

    bool link();
    void use();
    void updateUniforms();

    void setUniformLocationWith1i(GLint location, GLint i1);
    void setUniformLocationWith2i(GLint location, GLint i1, GLint i2);
    void setUniformLocationWith3i(GLint location, GLint i1, GLint i2, GLint i3);
    void setUniformLocationWith4i(GLint location, GLint i1, GLint i2, GLint i3, GLint i4);
    void setUniformLocationWith1f(GLint location, GLfloat f1);
    void setUniformLocationWith2f(GLint location, GLfloat f1, GLfloat f2);
    void setUniformLocationWith3f(GLint location, GLfloat f1, GLfloat f2, GLfloat f3);
    void setUniformLocationWith4f(GLint location, GLfloat f1, GLfloat f2, GLfloat f3, GLfloat f4);
    void setUniformLocationWith1fv(GLint location, const GLfloat* floats, unsigned int numberOfArrays);
    void setUniformLocationWith2fv(GLint location, const GLfloat* floats, unsigned int numberOfArrays);
    void setUniformLocationWith3fv(GLint location, const GLfloat* floats, unsigned int numberOfArrays);
    void setUniformLocationWith4fv(GLint location, const GLfloat* floats, unsigned int numberOfArrays);
    void setUniformLocationWithMatrix2fv(GLint location, const GLfloat* matrixArray, unsigned int numberOfMatrices);
    void setUniformLocationWithMatrix3fv(GLint location, const GLfloat* matrixArray, unsigned int numberOfMatrices);
    void setUniformLocationWithMatrix4fv(GLint location, const GLfloat* matrixArray, unsigned int numberOfMatrices);

    void setUniformsForBuiltins();
    void setUniformsForBuiltins(const Mat4& modelView);

    std::string getVertexShaderLog() const { return std::string(); }
    std::string getFragmentShaderLog() const { return std::string(); }
    std::string getProgramLog() const { return std::string(); }

    void reset();

    GLuint getProgram() const { return _program; }

    const std::string& getVertexShaderSource() const { return _vertexSource; }
    const std::string& getFragmentShaderSource() const { return _fragmentSource; }

    /** The values last set on a uniform location (ints are kept as floats);
     *  null when nothing was set there. */
    const std::vector<GLfloat>* getUniformValues(GLint location) const;

protected:
    void parseDeclarations(const std::string& source);
    void setUniformValues(GLint location, const GLfloat* values, size_t count);
    void setUniformIntValues(GLint location, const GLint* values, size_t count);

    GLuint _program;
    std::string _vertexSource;
    std::string _fragmentSource;
    std::unordered_map<std::string, Uniform> _userUniforms;
    mutable std::unordered_map<std::string, VertexAttrib> _vertexAttribs;
    std::unordered_map<GLint, std::vector<GLfloat>> _uniformValues;
    GLint _builtInUniforms[UNIFORM_MAX];
    GLint _nextUniformLocation;
};

NS_CC_END

#endif
