#include "MemoryFileUtils.h"

namespace {

const char kRoot[] = "/memory/";

} // namespace

MemoryFileUtils* MemoryFileUtils::install()
{
    MemoryFileUtils* files = new MemoryFileUtils();
    files->init();
    cocos2d::FileUtils::setDelegate(files);
    return files;
}

std::string MemoryFileUtils::fullPath(const std::string& filename) const
{
    return !filename.empty() && filename[0] == '/' ? filename : kRoot + filename;
}

const std::string* MemoryFileUtils::file(const std::string& path) const
{
    auto it = _files.find(fullPath(path));
    return it == _files.end() ? nullptr : &it->second;
}

std::string MemoryFileUtils::getStringFromFile(const std::string& filename) const
{
    const std::string* contents = file(filename);
    return contents ? *contents : std::string();
}

cocos2d::Data MemoryFileUtils::getDataFromFile(const std::string& filename) const
{
    cocos2d::Data data;
    if (const std::string* contents = file(filename))
        data.copy(reinterpret_cast<const unsigned char*>(contents->data()), static_cast<ssize_t>(contents->size()));
    return data;
}

bool MemoryFileUtils::writeStringToFile(const std::string& dataStr, const std::string& path) const
{
    _files[fullPath(path)] = dataStr;
    return true;
}

bool MemoryFileUtils::isFileExist(const std::string& filename) const
{
    return file(filename) != nullptr;
}

std::string MemoryFileUtils::getWritablePath() const
{
    return kRoot;
}
