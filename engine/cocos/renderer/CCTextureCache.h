#ifndef __CCTEXTURE_CACHE_H__
#define __CCTEXTURE_CACHE_H__

#include <functional>
#include <string>
#include <unordered_map>

#include "base/CCRef.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

class Image;

/** Textures by key: the full path of the image file they came from, or a
 *  key the caller gives with an image. The cache holds one reference to
 *  each. */
class CC_DLL TextureCache : public Ref
{
public:
    /** The director's cache. */
    static TextureCache* getInstance();

    TextureCache();
    virtual ~TextureCache();

    virtual std::string getDescription() const;

    /** The texture of an image file, decoded on first use; null when the
     *  file is missing or not a decodable image. */
    Texture2D* addImage(const std::string& filepath);
    /** Loads like addImage and hands the result (null on failure) to the
     *  callback in the next frame. */
    virtual void addImageAsync(const std::string& filepath, const std::function<void(Texture2D*)>& callback);
    virtual void unbindImageAsync(const std::string& /*filename*/) {}
    virtual void unbindAllImageAsync() {}
    Texture2D* addImage(Image* image, const std::string& key);

    Texture2D* getTextureForKey(const std::string& key) const;
    bool reloadTexture(const std::string& fileName);

    void removeAllTextures();
    void removeUnusedTextures();
    void removeTexture(Texture2D* texture);
    void removeTextureForKey(const std::string& key);

    std::string getCachedTextureInfo() const;
    void waitForQuit() {}
    std::string getTextureFilePath(Texture2D* texture) const;
    void renameTextureWithKey(const std::string& srcName, const std::string& dstName);

protected:
    std::unordered_map<std::string, Texture2D*> _textures;
};

NS_CC_END

#endif
