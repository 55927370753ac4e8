#include "renderer/CCTextureCache.h"

#include <cstdio>

#include "base/CCDirector.h"
#include "base/CCScheduler.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"

NS_CC_BEGIN

TextureCache* TextureCache::getInstance()
{
    return Director::getInstance()->getTextureCache();
}

TextureCache::TextureCache() {}

TextureCache::~TextureCache()
{
    for (auto& kv : _textures) kv.second->release();
}

std::string TextureCache::getDescription() const
{
    char buf[64];
    std::snprintf(buf, sizeof(buf), "<TextureCache | Number of textures = %d>", static_cast<int>(_textures.size()));
    return buf;
}

Texture2D* TextureCache::addImage(const std::string& path)
{
    std::string fullpath = FileUtils::getInstance()->fullPathForFilename(path);
    if (fullpath.empty()) return nullptr;
    auto it = _textures.find(fullpath);
    if (it != _textures.end()) return it->second;

    Image* image = new (std::nothrow) Image();
    Texture2D* texture = nullptr;
    if (image && image->initWithImageFile(fullpath))
    {
        texture = new (std::nothrow) Texture2D();
        if (texture && texture->initWithImage(image))
        {
            texture->setPath(fullpath);
            _textures.emplace(fullpath, texture); // the cache's reference
        }
        else
        {
            CC_SAFE_RELEASE_NULL(texture);
        }
    }
    CC_SAFE_RELEASE(image);
    return texture;
}

void TextureCache::addImageAsync(const std::string& path, const std::function<void(Texture2D*)>& callback)
{
    Texture2D* texture = addImage(path);
    if (!callback) return;
    // handed over in the next frame, as a loader thread would
    CC_SAFE_RETAIN(texture);
    Director::getInstance()->getScheduler()->performFunctionInCocosThread([texture, callback]() {
        callback(texture);
        CC_SAFE_RELEASE(texture);
    });
}

Texture2D* TextureCache::addImage(Image* image, const std::string& key)
{
    if (!image) return nullptr;
    auto it = _textures.find(key);
    if (it != _textures.end()) return it->second;
    Texture2D* texture = new (std::nothrow) Texture2D();
    if (!texture || !texture->initWithImage(image))
    {
        CC_SAFE_RELEASE(texture);
        return nullptr;
    }
    if (!key.empty())
    {
        texture->setPath(key);
        _textures.emplace(key, texture);
    }
    else
    {
        texture->autorelease(); // not kept by the cache
    }
    return texture;
}

Texture2D* TextureCache::getTextureForKey(const std::string& textureKeyName) const
{
    auto it = _textures.find(textureKeyName);
    if (it == _textures.end())
    {
        std::string key = FileUtils::getInstance()->fullPathForFilename(textureKeyName);
        it = _textures.find(key);
    }
    return it == _textures.end() ? nullptr : it->second;
}

bool TextureCache::reloadTexture(const std::string& fileName)
{
    std::string fullpath = FileUtils::getInstance()->fullPathForFilename(fileName);
    if (fullpath.empty()) return false;
    auto it = _textures.find(fullpath);
    if (it == _textures.end()) return addImage(fullpath) != nullptr;
    Image* image = new (std::nothrow) Image();
    bool ok = image && image->initWithImageFile(fullpath) && it->second->initWithImage(image);
    CC_SAFE_RELEASE(image);
    return ok;
}

void TextureCache::removeAllTextures()
{
    for (auto& kv : _textures) kv.second->release();
    _textures.clear();
}

void TextureCache::removeUnusedTextures()
{
    for (auto it = _textures.begin(); it != _textures.end();)
    {
        if (it->second->getReferenceCount() == 1)
        {
            it->second->release();
            it = _textures.erase(it);
        }
        else ++it;
    }
}

void TextureCache::removeTexture(Texture2D* texture)
{
    if (!texture) return;
    for (auto it = _textures.begin(); it != _textures.end();)
    {
        if (it->second == texture)
        {
            texture->release();
            it = _textures.erase(it);
        }
        else ++it;
    }
}

void TextureCache::removeTextureForKey(const std::string& textureKeyName)
{
    auto it = _textures.find(textureKeyName);
    if (it == _textures.end()) it = _textures.find(FileUtils::getInstance()->fullPathForFilename(textureKeyName));
    if (it == _textures.end()) return;
    it->second->release();
    _textures.erase(it);
}

std::string TextureCache::getCachedTextureInfo() const
{
    std::string info;
    unsigned long total = 0;
    for (const auto& kv : _textures)
    {
        Texture2D* t = kv.second;
        unsigned long bytes = static_cast<unsigned long>(t->getPixelsWide()) * t->getPixelsHigh() *
                              t->getBitsPerPixelForFormat() / 8;
        total += bytes;
        char line[512];
        std::snprintf(line, sizeof(line), "\"%s\" rc=%u id=%u %d x %d @ %u bpp => %lu KB\n", kv.first.c_str(),
                      t->getReferenceCount(), t->getName(), t->getPixelsWide(), t->getPixelsHigh(),
                      t->getBitsPerPixelForFormat(), bytes / 1024);
        info += line;
    }
    char last[128];
    std::snprintf(last, sizeof(last), "TextureCache dumpDebugInfo: %d textures, for %lu KB (%.2f MB)\n",
                  static_cast<int>(_textures.size()), total / 1024, total / (1024.0 * 1024.0));
    return info + last;
}

std::string TextureCache::getTextureFilePath(Texture2D* texture) const
{
    for (const auto& kv : _textures)
        if (kv.second == texture) return kv.first;
    return std::string();
}

void TextureCache::renameTextureWithKey(const std::string& srcName, const std::string& dstName)
{
    std::string key = srcName;
    auto it = _textures.find(key);
    if (it == _textures.end())
    {
        key = FileUtils::getInstance()->fullPathForFilename(srcName);
        it = _textures.find(key);
    }
    if (it == _textures.end()) return;
    std::string fullpath = FileUtils::getInstance()->fullPathForFilename(dstName);
    if (fullpath.empty()) return;
    Image* image = new (std::nothrow) Image();
    if (image && image->initWithImageFile(fullpath))
    {
        Texture2D* texture = new (std::nothrow) Texture2D();
        if (texture && texture->initWithImage(image))
        {
            it->second->release();
            it->second = texture;
        }
        else CC_SAFE_RELEASE(texture);
    }
    CC_SAFE_RELEASE(image);
}

NS_CC_END
