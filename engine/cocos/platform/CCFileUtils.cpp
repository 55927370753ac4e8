#include "platform/CCFileUtils.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "base/ccUTF8.h"
#include "platform/CCPlist.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <direct.h>
#include <io.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

NS_CC_BEGIN

FileUtils* FileUtils::s_sharedFileUtils = nullptr;

namespace {

#ifdef _WIN32
std::wstring widen(const std::string& utf8)
{
    std::u16string u16;
    if (!StringUtils::UTF8ToUTF16(utf8, u16)) return std::wstring(utf8.begin(), utf8.end());
    return std::wstring(u16.begin(), u16.end());
}

std::string narrow(const wchar_t* wide)
{
    std::u16string u16;
    for (; *wide; ++wide) u16 += static_cast<char16_t>(*wide);
    std::string out;
    StringUtils::UTF16ToUTF8(u16, out);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}
#endif

FILE* openFile(const std::string& path, const char* mode)
{
#ifdef _WIN32
    return _wfopen(widen(path).c_str(), widen(mode).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

// 1 regular file, 2 directory, 0 nothing
int statKind(const std::string& path)
{
#ifdef _WIN32
    std::string p = path;
    while (p.size() > 3 && (p.back() == '/' || p.back() == '\\')) p.pop_back();
    struct _stat st;
    if (_wstat(widen(p).c_str(), &st) != 0) return 0;
    if (st.st_mode & _S_IFDIR) return 2;
    return (st.st_mode & _S_IFREG) ? 1 : 0;
#else
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    return S_ISREG(st.st_mode) ? 1 : 0;
#endif
}

bool makeOneDirectory(const std::string& path)
{
#ifdef _WIN32
    return _wmkdir(widen(path).c_str()) == 0;
#else
    return mkdir(path.c_str(), 0755) == 0;
#endif
}

std::string currentDirectory()
{
#ifdef _WIN32
    wchar_t buf[1024];
    if (!_wgetcwd(buf, 1024)) return std::string();
    return narrow(buf);
#else
    char buf[4096];
    if (!getcwd(buf, sizeof(buf))) return std::string();
    return buf;
#endif
}

std::string programName()
{
    std::string path;
#ifdef _WIN32
    wchar_t buf[1024];
    DWORD n = GetModuleFileNameW(nullptr, buf, 1024);
    if (n > 0 && n < 1024) path = narrow(buf);
#else
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n > 0)
    {
        buf[n] = 0;
        path = buf;
    }
#endif
    size_t slash = path.find_last_of('/');
    if (slash != std::string::npos) path = path.substr(slash + 1);
    size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot > 0) path = path.substr(0, dot);
    return path.empty() ? std::string("cocos2d") : path;
}

} // namespace

FileUtils* FileUtils::getInstance()
{
    if (!s_sharedFileUtils)
    {
        s_sharedFileUtils = new FileUtils();
        s_sharedFileUtils->init();
    }
    return s_sharedFileUtils;
}

void FileUtils::destroyInstance()
{
    delete s_sharedFileUtils;
    s_sharedFileUtils = nullptr;
}

void FileUtils::setDelegate(FileUtils* delegate)
{
    delete s_sharedFileUtils;
    s_sharedFileUtils = delegate;
}

FileUtils::FileUtils() : _popupNotify(true) {}

FileUtils::~FileUtils() {}

bool FileUtils::init()
{
    _defaultResRootPath = normalizeDirectory(currentDirectory());
    _searchPathArray.push_back(_defaultResRootPath);
    _searchResolutionsOrderArray.push_back("");
    return true;
}

std::string FileUtils::normalizeDirectory(const std::string& path)
{
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (!p.empty() && p.back() != '/') p += '/';
    return p;
}

void FileUtils::purgeCachedEntries()
{
    _fullPathCache.clear();
}

void FileUtils::setDefaultResourceRootPath(const std::string& path)
{
    std::string root = normalizeDirectory(path);
    if (root == _defaultResRootPath) return;
    _defaultResRootPath = root;
    // relative search paths hang off the root
    setSearchPaths(std::vector<std::string>(_originalSearchPaths));
}

void FileUtils::setSearchPaths(const std::vector<std::string>& searchPaths)
{
    bool existDefaultRoot = false;
    _fullPathCache.clear();
    _searchPathArray.clear();
    _originalSearchPaths = searchPaths;
    for (const std::string& path : searchPaths)
    {
        std::string full = isAbsolutePath(path) ? normalizeDirectory(path) : normalizeDirectory(_defaultResRootPath + path);
        if (path.empty()) full = _defaultResRootPath;
        if (full == _defaultResRootPath) existDefaultRoot = true;
        _searchPathArray.push_back(full);
    }
    if (!existDefaultRoot) _searchPathArray.push_back(_defaultResRootPath);
}

void FileUtils::addSearchPath(const std::string& searchpath, const bool front)
{
    std::string full = isAbsolutePath(searchpath) ? normalizeDirectory(searchpath)
                                                 : normalizeDirectory(_defaultResRootPath + searchpath);
    if (searchpath.empty()) full = _defaultResRootPath;
    if (front)
    {
        _originalSearchPaths.insert(_originalSearchPaths.begin(), searchpath);
        _searchPathArray.insert(_searchPathArray.begin(), full);
    }
    else
    {
        _originalSearchPaths.push_back(searchpath);
        _searchPathArray.push_back(full);
    }
    // Paths already resolved keep resolving where they did: the cache stays.
}

const std::vector<std::string>& FileUtils::getSearchPaths() const
{
    return _searchPathArray;
}

const std::vector<std::string>& FileUtils::getOriginalSearchPaths() const
{
    return _originalSearchPaths;
}

void FileUtils::setSearchResolutionsOrder(const std::vector<std::string>& searchResolutionsOrder)
{
    _fullPathCache.clear();
    _searchResolutionsOrderArray.clear();
    bool existDefault = false;
    for (const std::string& order : searchResolutionsOrder)
    {
        std::string dir = order.empty() ? order : normalizeDirectory(order);
        if (dir.empty()) existDefault = true;
        _searchResolutionsOrderArray.push_back(dir);
    }
    if (!existDefault) _searchResolutionsOrderArray.push_back("");
}

void FileUtils::addSearchResolutionsOrder(const std::string& order, const bool front)
{
    std::string dir = order.empty() ? order : normalizeDirectory(order);
    if (front) _searchResolutionsOrderArray.insert(_searchResolutionsOrderArray.begin(), dir);
    else _searchResolutionsOrderArray.push_back(dir);
    _fullPathCache.clear();
}

const std::vector<std::string>& FileUtils::getSearchResolutionsOrder() const
{
    return _searchResolutionsOrderArray;
}

bool FileUtils::isAbsolutePath(const std::string& path) const
{
    if (path.empty()) return false;
#ifdef _WIN32
    // A drive ("C:..."), or a network share ("//server/..."); a path from the
    // root of the current drive ("/x") is not absolute here.
    if (path.size() > 2 && ((path[0] >= 'a' && path[0] <= 'z') || (path[0] >= 'A' && path[0] <= 'Z'))
        && path[1] == ':')
        return true;
    return path.size() > 1 && path[0] == '/' && path[1] == '/';
#else
    return path[0] == '/';
#endif
}

std::string FileUtils::getPathForFilename(const std::string& filename, const std::string& resolutionDirectory,
                                          const std::string& searchPath) const
{
    std::string file = filename;
    std::string filePath;
    size_t slash = filename.find_last_of('/');
    if (slash != std::string::npos)
    {
        filePath = filename.substr(0, slash + 1);
        file = filename.substr(slash + 1);
    }
    std::string path = searchPath + filePath + resolutionDirectory + file;
    return isFileExistInternal(path) ? path : std::string();
}

std::string FileUtils::fullPathForFilename(const std::string& filename) const
{
    if (filename.empty()) return std::string();
    if (isAbsolutePath(filename)) return filename;

    auto cached = _fullPathCache.find(filename);
    if (cached != _fullPathCache.end()) return cached->second;

    std::string name = filename;
#ifdef _WIN32
    std::replace(name.begin(), name.end(), '\\', '/');
#endif
    for (const std::string& searchPath : _searchPathArray)
    {
        for (const std::string& resolution : _searchResolutionsOrderArray)
        {
            std::string full = getPathForFilename(name, resolution, searchPath);
            if (!full.empty())
            {
                _fullPathCache[filename] = full;
                return full;
            }
        }
    }
    return std::string();
}

std::string FileUtils::fullPathFromRelativeFile(const std::string& filename, const std::string& relativeFile)
{
    size_t slash = relativeFile.find_last_of('/');
    return relativeFile.substr(0, slash == std::string::npos ? 0 : slash + 1) + filename;
}

bool FileUtils::isFileExistInternal(const std::string& fullPath) const
{
    return statKind(fullPath) == 1;
}

bool FileUtils::isDirectoryExistInternal(const std::string& dirPath) const
{
    return statKind(dirPath) == 2;
}

bool FileUtils::isFileExist(const std::string& filename) const
{
    if (isAbsolutePath(filename)) return isFileExistInternal(filename);
    return !fullPathForFilename(filename).empty();
}

bool FileUtils::isDirectoryExist(const std::string& dirPath) const
{
    if (isAbsolutePath(dirPath)) return isDirectoryExistInternal(dirPath);
    for (const std::string& searchPath : _searchPathArray)
        if (isDirectoryExistInternal(searchPath + dirPath)) return true;
    return false;
}

bool FileUtils::createDirectory(const std::string& dirPath) const
{
    std::string path = dirPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (isDirectoryExistInternal(path)) return true;
    // make every missing folder along the way
    size_t start = 0;
#ifdef _WIN32
    if (path.size() > 2 && path[1] == ':') start = 3;
#endif
    for (size_t pos = path.find('/', start ? start : 1); ; pos = path.find('/', pos + 1))
    {
        std::string part = pos == std::string::npos ? path : path.substr(0, pos);
        if (!part.empty() && !isDirectoryExistInternal(part) && !makeOneDirectory(part)
            && !isDirectoryExistInternal(part))
            return false;
        if (pos == std::string::npos) break;
    }
    return isDirectoryExistInternal(path);
}

bool FileUtils::removeDirectory(const std::string& dirPath) const
{
    std::string path = normalizeDirectory(dirPath);
    if (!isDirectoryExistInternal(path)) return false;
#ifdef _WIN32
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(widen(path + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::string name = narrow(fd.cFileName);
            if (name == "." || name == "..") continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeDirectory(path + name);
            else removeFile(path + name);
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    return _wrmdir(widen(path.substr(0, path.size() - 1)).c_str()) == 0;
#else
    if (DIR* dir = opendir(path.c_str()))
    {
        while (struct dirent* entry = readdir(dir))
        {
            std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            std::string child = path + name;
            if (statKind(child) == 2) removeDirectory(child);
            else removeFile(child);
        }
        closedir(dir);
    }
    return rmdir(path.c_str()) == 0;
#endif
}

bool FileUtils::removeFile(const std::string& filepath) const
{
#ifdef _WIN32
    return _wremove(widen(filepath).c_str()) == 0;
#else
    return std::remove(filepath.c_str()) == 0;
#endif
}

bool FileUtils::renameFile(const std::string& path, const std::string& oldname, const std::string& name) const
{
    std::string dir = normalizeDirectory(path);
    return renameFile(dir + oldname, dir + name);
}

bool FileUtils::renameFile(const std::string& oldfullpath, const std::string& newfullpath) const
{
#ifdef _WIN32
    return MoveFileExW(widen(oldfullpath).c_str(), widen(newfullpath).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
    return std::rename(oldfullpath.c_str(), newfullpath.c_str()) == 0;
#endif
}

long FileUtils::getFileSize(const std::string& filepath) const
{
    std::string full = fullPathForFilename(filepath);
    if (full.empty()) return -1;
    FILE* f = openFile(full, "rb");
    if (!f) return -1;
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::fclose(f);
    return size;
}

std::string FileUtils::getFileExtension(const std::string& filePath) const
{
    size_t dot = filePath.find_last_of('.');
    size_t slash = filePath.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
    std::string ext = filePath.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

Data FileUtils::getDataFromFile(const std::string& filename) const
{
    Data data;
    std::string full = fullPathForFilename(filename);
    if (full.empty()) return data;
    FILE* f = openFile(full, "rb");
    if (!f) return data;
    std::string bytes;
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), f)) > 0) bytes.append(chunk, n);
    std::fclose(f);
    data.copy(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<ssize_t>(bytes.size()));
    return data;
}

std::string FileUtils::getStringFromFile(const std::string& filename) const
{
    Data data = getDataFromFile(filename);
    if (data.isNull()) return std::string();
    return std::string(reinterpret_cast<const char*>(data.getBytes()), static_cast<size_t>(data.getSize()));
}

std::string FileUtils::getWritablePath() const
{
    if (!_writablePath.empty()) return _writablePath;
    std::string dir;
#ifdef _WIN32
    wchar_t buf[1024];
    DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", buf, 1024);
    if (n > 0 && n < 1024) dir = narrow(buf) + "/" + programName() + "/";
#else
    if (const char* home = std::getenv("HOME"))
        if (*home) dir = std::string(home) + "/.config/" + programName() + "/";
#endif
    if (dir.empty() || !createDirectory(dir)) dir = normalizeDirectory(currentDirectory()) + "writable/";
    createDirectory(dir);
    return dir;
}

void FileUtils::setWritablePath(const std::string& writablePath)
{
    _writablePath = writablePath.empty() ? writablePath : normalizeDirectory(writablePath);
    if (!_writablePath.empty()) createDirectory(_writablePath);
}

ValueMap FileUtils::getValueMapFromFile(const std::string& filename) const
{
    std::string text = getStringFromFile(filename);
    return getValueMapFromData(text.data(), static_cast<int>(text.size()));
}

ValueMap FileUtils::getValueMapFromData(const char* filedata, int filesize) const
{
    if (!filedata || filesize <= 0) return ValueMap();
    Value root = Plist::parse(filedata, static_cast<size_t>(filesize));
    if (root.getType() != Value::Type::MAP) return ValueMap();
    return root.asValueMap();
}

ValueVector FileUtils::getValueVectorFromFile(const std::string& filename) const
{
    std::string text = getStringFromFile(filename);
    Value root = Plist::parse(text.data(), text.size());
    if (root.getType() != Value::Type::VECTOR) return ValueVector();
    return root.asValueVector();
}

bool FileUtils::writeToFile(const ValueMap& dict, const std::string& fullPath) const
{
    return writeValueMapToFile(dict, fullPath);
}

bool FileUtils::writeValueMapToFile(const ValueMap& dict, const std::string& fullPath) const
{
    return writeStringToFile(Plist::write(Value(dict)), fullPath);
}

bool FileUtils::writeValueVectorToFile(const ValueVector& vecData, const std::string& fullPath) const
{
    return writeStringToFile(Plist::write(Value(vecData)), fullPath);
}

bool FileUtils::writeStringToFile(const std::string& dataStr, const std::string& fullPath) const
{
    Data data;
    data.copy(reinterpret_cast<const unsigned char*>(dataStr.data()), static_cast<ssize_t>(dataStr.size()));
    if (dataStr.empty())
    {
        FILE* f = openFile(fullPath, "wb");
        if (!f) return false;
        std::fclose(f);
        return true;
    }
    return writeDataToFile(data, fullPath);
}

bool FileUtils::writeDataToFile(const Data& data, const std::string& fullPath) const
{
    if (fullPath.empty()) return false;
    FILE* f = openFile(fullPath, "wb");
    if (!f) return false;
    size_t size = static_cast<size_t>(data.getSize());
    bool ok = size == 0 || std::fwrite(data.getBytes(), 1, size, f) == size;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

NS_CC_END
