#ifndef __CCGLPROGRAMCACHE_H__
#define __CCGLPROGRAMCACHE_H__

#include <string>
#include <unordered_map>

#include "base/CCRef.h"

NS_CC_BEGIN

class GLProgram;

/** The engine's programs by name: the standard ones (GLProgram::SHADER_NAME_*)
 *  made on first use, and any a game adds. */
class CC_DLL GLProgramCache : public Ref
{
public:
    GLProgramCache();
    ~GLProgramCache();

    static GLProgramCache* getInstance();
    static void destroyInstance();

    void loadDefaultGLPrograms();
    void reloadDefaultGLPrograms();

    /** The program of that name, or null. */
    GLProgram* getGLProgram(const std::string& key);
    GLProgram* getProgram(const std::string& key) { return getGLProgram(key); }

    void addGLProgram(GLProgram* program, const std::string& key);

private:
    bool init();

    std::unordered_map<std::string, GLProgram*> _programs;
};

NS_CC_END

#endif
