// File access for the fuzz targets without a disk: every file lives in a map
// in memory, so that each input costs no system call and leaves nothing behind.
#pragma once

#include <map>
#include <string>

#include "platform/CCFileUtils.h"

class MemoryFileUtils : public cocos2d::FileUtils
{
public:
    // Installs a fresh instance as the engine's FileUtils (the engine owns it).
    static MemoryFileUtils* install();

    void setFile(const std::string& path, const std::string& contents) { _files[fullPath(path)] = contents; }
    // The contents, or null when there is no such file.
    const std::string* file(const std::string& path) const;

    std::string getStringFromFile(const std::string& filename) const override;
    cocos2d::Data getDataFromFile(const std::string& filename) const override;
    bool writeStringToFile(const std::string& dataStr, const std::string& fullPath) const override;
    bool isFileExist(const std::string& filename) const override;
    std::string getWritablePath() const override;

private:
    std::string fullPath(const std::string& filename) const;

    mutable std::map<std::string, std::string> _files;
};
