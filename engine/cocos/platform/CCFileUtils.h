#ifndef __CC_FILEUTILS_H__
#define __CC_FILEUTILS_H__

#include <string>
#include <unordered_map>
#include <vector>

#include "base/CCData.h"
#include "base/CCValue.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** Finds, reads and writes the game's files.
 *
 *  A relative name is looked for in each search path, in order, and within
 *  each in every resolution folder; the first existing file wins and is
 *  remembered. Search paths that are relative are taken from the default
 *  resource root, which is the working directory at start-up. Paths use "/"
 *  on every platform; names are UTF-8. */
class CC_DLL FileUtils
{
public:
    static FileUtils* getInstance();
    static void destroyInstance();
    /** Installs a replacement (taking ownership); null restores the default. */
    static void setDelegate(FileUtils* delegate);

    virtual ~FileUtils();

    virtual void purgeCachedEntries();

    virtual std::string getStringFromFile(const std::string& filename) const;
    virtual Data getDataFromFile(const std::string& filename) const;

    /** Full path of a file found through the search paths; an absolute name
     *  is returned as it is; empty when no such file exists. */
    virtual std::string fullPathForFilename(const std::string& filename) const;
    virtual std::string fullPathFromRelativeFile(const std::string& filename, const std::string& relativeFile);

    virtual void setSearchPaths(const std::vector<std::string>& searchPaths);
    // Paths resolved before keep resolving as they did (the cache stays).
    void addSearchPath(const std::string& path, const bool front = false);
    virtual const std::vector<std::string>& getSearchPaths() const;
    virtual const std::vector<std::string>& getOriginalSearchPaths() const;

    virtual void setSearchResolutionsOrder(const std::vector<std::string>& searchResolutionsOrder);
    virtual void addSearchResolutionsOrder(const std::string& order, const bool front = false);
    virtual const std::vector<std::string>& getSearchResolutionsOrder() const;

    void setDefaultResourceRootPath(const std::string& path);
    const std::string& getDefaultResourceRootPath() const { return _defaultResRootPath; }

    /** Folder for the game's own data, ending in "/"; created when missing.
     *  By default ~/.config/<program>/ on Linux and
     *  %LOCALAPPDATA%/<program>/ on Windows (else <working dir>/writable/). */
    virtual std::string getWritablePath() const;
    virtual void setWritablePath(const std::string& writablePath);

    /** Property lists (XML): the root dictionary / array, empty when the file
     *  is missing or malformed or its root is of the other kind. */
    virtual ValueMap getValueMapFromFile(const std::string& filename) const;
    virtual ValueMap getValueMapFromData(const char* filedata, int filesize) const;
    virtual ValueVector getValueVectorFromFile(const std::string& filename) const;

    virtual bool writeToFile(const ValueMap& dict, const std::string& fullPath) const;
    virtual bool writeValueMapToFile(const ValueMap& dict, const std::string& fullPath) const;
    virtual bool writeValueVectorToFile(const ValueVector& vecData, const std::string& fullPath) const;
    virtual bool writeStringToFile(const std::string& dataStr, const std::string& fullPath) const;
    virtual bool writeDataToFile(const Data& data, const std::string& fullPath) const;

    virtual bool isFileExist(const std::string& filename) const;
    virtual bool isAbsolutePath(const std::string& path) const;
    virtual bool isDirectoryExist(const std::string& dirPath) const;
    virtual bool createDirectory(const std::string& dirPath) const;
    virtual bool removeDirectory(const std::string& dirPath) const;
    virtual bool removeFile(const std::string& filepath) const;
    virtual bool renameFile(const std::string& path, const std::string& oldname, const std::string& name) const;
    virtual bool renameFile(const std::string& oldfullpath, const std::string& newfullpath) const;
    virtual long getFileSize(const std::string& filepath) const;
    virtual std::string getFileExtension(const std::string& filePath) const;

    virtual void setPopupNotify(bool notify) { _popupNotify = notify; }
    bool isPopupNotify() const { return _popupNotify; }

    const std::unordered_map<std::string, std::string>& getFullPathCache() const { return _fullPathCache; }

protected:
    FileUtils();
    virtual bool init();

    virtual bool isFileExistInternal(const std::string& fullPath) const;
    virtual bool isDirectoryExistInternal(const std::string& dirPath) const;
    virtual std::string getPathForFilename(const std::string& filename, const std::string& resolutionDirectory,
                                           const std::string& searchPath) const;
    static std::string normalizeDirectory(const std::string& path);

    std::vector<std::string> _searchResolutionsOrderArray;
    std::vector<std::string> _searchPathArray;
    std::vector<std::string> _originalSearchPaths;
    std::string _defaultResRootPath;
    mutable std::unordered_map<std::string, std::string> _fullPathCache;
    std::string _writablePath;
    bool _popupNotify;

    static FileUtils* s_sharedFileUtils;
};

NS_CC_END

#endif
