#ifndef __SPRITE_CCSPRITE_FRAME_CACHE_H__
#define __SPRITE_CCSPRITE_FRAME_CACHE_H__

#include <set>
#include <string>

#include "2d/CCSpriteFrame.h"
#include "base/CCMap.h"
#include "base/CCRef.h"
#include "base/CCValue.h"

NS_CC_BEGIN

class Texture2D;

/** Sprite frames by name, filled from texture-atlas property lists (the
 *  formats 0 to 3 written by atlas packers) or one by one. */
class CC_DLL SpriteFrameCache : public Ref
{
public:
    static SpriteFrameCache* getInstance();
    static void destroyInstance();

    virtual ~SpriteFrameCache();

    bool init();

    /** The texture is the plist's metadata textureFileName (beside the
     *  plist), else the plist's name with ".png". */
    void addSpriteFramesWithFile(const std::string& plist);
    void addSpriteFramesWithFile(const std::string& plist, const std::string& textureFileName);
    void addSpriteFramesWithFile(const std::string& plist, Texture2D* texture);
    void addSpriteFramesWithFileContent(const std::string& plist_content, Texture2D* texture);
    void addSpriteFrame(SpriteFrame* frame, const std::string& frameName);
    bool isSpriteFramesWithFileLoaded(const std::string& plist) const;

    void removeSpriteFrames();
    void removeUnusedSpriteFrames();
    void removeSpriteFrameByName(const std::string& name);
    void removeSpriteFramesFromFile(const std::string& plist);
    void removeSpriteFramesFromFileContent(const std::string& plist_content);
    void removeSpriteFramesFromTexture(Texture2D* texture);

    /** The frame of that name (or alias), null when unknown. */
    SpriteFrame* getSpriteFrameByName(const std::string& name);
    CC_DEPRECATED_ATTRIBUTE SpriteFrame* spriteFrameByName(const std::string& name) { return getSpriteFrameByName(name); }

    bool reloadTexture(const std::string& plist);

protected:
    SpriteFrameCache() {}

    void addSpriteFramesWithDictionary(ValueMap& dictionary, Texture2D* texture);
    void removeSpriteFramesFromDictionary(ValueMap& dictionary);

    Map<std::string, SpriteFrame*> _spriteFrames;
    ValueMap _spriteFramesAliases;
    std::set<std::string> _loadedFileNames;
};

NS_CC_END

#endif
