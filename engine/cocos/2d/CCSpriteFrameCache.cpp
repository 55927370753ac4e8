#include "2d/CCSpriteFrameCache.h"

#include <cstdlib>
#include <vector>

#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

namespace {

SpriteFrameCache* s_sharedSpriteFrameCache = nullptr;

// The numbers of "{{x,y},{w,h}}", "{x,y}" and the like, in order.
std::vector<float> numbersOf(const std::string& s)
{
    std::vector<float> out;
    const char* p = s.c_str();
    while (*p)
    {
        if ((*p >= '0' && *p <= '9') || *p == '-' || *p == '+' || *p == '.')
        {
            char* end = nullptr;
            float v = std::strtof(p, &end);
            if (end == p)
            {
                ++p;
                continue;
            }
            out.push_back(v);
            p = end;
        }
        else ++p;
    }
    return out;
}

Rect rectFromString(const std::string& s)
{
    std::vector<float> n = numbersOf(s);
    return n.size() >= 4 ? Rect(n[0], n[1], n[2], n[3]) : Rect::ZERO;
}

Vec2 pointFromString(const std::string& s)
{
    std::vector<float> n = numbersOf(s);
    return n.size() >= 2 ? Vec2(n[0], n[1]) : Vec2::ZERO;
}

Size sizeFromString(const std::string& s)
{
    std::vector<float> n = numbersOf(s);
    return n.size() >= 2 ? Size(n[0], n[1]) : Size::ZERO;
}

const Value& valueOf(const ValueMap& map, const char* key)
{
    static const Value none;
    auto it = map.find(key);
    return it == map.end() ? none : it->second;
}

} // namespace

SpriteFrameCache* SpriteFrameCache::getInstance()
{
    if (!s_sharedSpriteFrameCache)
    {
        s_sharedSpriteFrameCache = new (std::nothrow) SpriteFrameCache();
        if (s_sharedSpriteFrameCache) s_sharedSpriteFrameCache->init();
    }
    return s_sharedSpriteFrameCache;
}

void SpriteFrameCache::destroyInstance()
{
    CC_SAFE_RELEASE_NULL(s_sharedSpriteFrameCache);
}

SpriteFrameCache::~SpriteFrameCache() {}

bool SpriteFrameCache::init()
{
    _spriteFrames.reserve(20);
    _spriteFramesAliases.reserve(20);
    _loadedFileNames.clear();
    return true;
}

void SpriteFrameCache::addSpriteFramesWithDictionary(ValueMap& dictionary, Texture2D* texture)
{
    if (!texture) return;
    const ValueMap& metadata = valueOf(dictionary, "metadata").getType() == Value::Type::MAP
                                   ? valueOf(dictionary, "metadata").asValueMap()
                                   : ValueMap();
    int format = valueOf(metadata, "format").asInt();
    if (format < 0 || format > 3) return;
    const Value& framesValue = valueOf(dictionary, "frames");
    if (framesValue.getType() != Value::Type::MAP) return;

    for (const auto& entry : framesValue.asValueMap())
    {
        if (entry.second.getType() != Value::Type::MAP) continue;
        const ValueMap& d = entry.second.asValueMap();
        const std::string& name = entry.first;
        if (_spriteFrames.at(name)) continue;
        SpriteFrame* frame = nullptr;
        if (format == 0)
        {
            float x = valueOf(d, "x").asFloat(), y = valueOf(d, "y").asFloat();
            float w = valueOf(d, "width").asFloat(), h = valueOf(d, "height").asFloat();
            float ox = valueOf(d, "offsetX").asFloat(), oy = valueOf(d, "offsetY").asFloat();
            float ow = std::abs(valueOf(d, "originalWidth").asFloat());
            float oh = std::abs(valueOf(d, "originalHeight").asFloat());
            frame = SpriteFrame::createWithTexture(texture, Rect(x, y, w, h), false, Vec2(ox, oy), Size(ow, oh));
        }
        else if (format == 1 || format == 2)
        {
            Rect rect = rectFromString(valueOf(d, "frame").asString());
            bool rotated = format == 2 && valueOf(d, "rotated").asBool();
            Vec2 offset = pointFromString(valueOf(d, "offset").asString());
            Size source = sizeFromString(valueOf(d, "sourceSize").asString());
            frame = SpriteFrame::createWithTexture(texture, rect, rotated, offset, source);
        }
        else
        {
            Size spriteSize = sizeFromString(valueOf(d, "spriteSize").asString());
            Vec2 offset = pointFromString(valueOf(d, "spriteOffset").asString());
            Size source = sizeFromString(valueOf(d, "spriteSourceSize").asString());
            Rect textureRect = rectFromString(valueOf(d, "textureRect").asString());
            bool rotated = valueOf(d, "textureRotated").asBool();
            const Value& aliases = valueOf(d, "aliases");
            if (aliases.getType() == Value::Type::VECTOR)
                for (const Value& alias : aliases.asValueVector()) _spriteFramesAliases[alias.asString()] = Value(name);
            frame = SpriteFrame::createWithTexture(
                texture, Rect(textureRect.origin.x, textureRect.origin.y, spriteSize.width, spriteSize.height),
                rotated, offset, source);
        }
        if (frame) _spriteFrames.insert(name, frame);
    }
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist, Texture2D* texture)
{
    if (_loadedFileNames.count(plist)) return;
    std::string fullPath = FileUtils::getInstance()->fullPathForFilename(plist);
    ValueMap dict = FileUtils::getInstance()->getValueMapFromFile(fullPath);
    if (dict.empty()) return;
    addSpriteFramesWithDictionary(dict, texture);
    _loadedFileNames.insert(plist);
}

void SpriteFrameCache::addSpriteFramesWithFileContent(const std::string& plist_content, Texture2D* texture)
{
    ValueMap dict = FileUtils::getInstance()->getValueMapFromData(plist_content.c_str(),
                                                                  static_cast<int>(plist_content.size()));
    addSpriteFramesWithDictionary(dict, texture);
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist, const std::string& textureFileName)
{
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(textureFileName);
    if (texture) addSpriteFramesWithFile(plist, texture);
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist)
{
    if (_loadedFileNames.count(plist)) return;
    FileUtils* fu = FileUtils::getInstance();
    std::string fullPath = fu->fullPathForFilename(plist);
    if (fullPath.empty()) return;
    ValueMap dict = fu->getValueMapFromFile(fullPath);
    if (dict.empty()) return;

    std::string texturePath;
    const Value& metadata = valueOf(dict, "metadata");
    if (metadata.getType() == Value::Type::MAP)
    {
        texturePath = valueOf(metadata.asValueMap(), "textureFileName").asString();
        if (!texturePath.empty()) texturePath = fu->fullPathFromRelativeFile(texturePath, plist);
    }
    if (texturePath.empty())
    {
        texturePath = plist;
        size_t dot = texturePath.find_last_of('.');
        if (dot != std::string::npos) texturePath.erase(dot);
        texturePath += ".png";
    }
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(texturePath);
    if (!texture) return;
    addSpriteFramesWithDictionary(dict, texture);
    _loadedFileNames.insert(plist);
}

bool SpriteFrameCache::isSpriteFramesWithFileLoaded(const std::string& plist) const
{
    return _loadedFileNames.count(plist) > 0;
}

void SpriteFrameCache::addSpriteFrame(SpriteFrame* frame, const std::string& frameName)
{
    if (!frame) return;
    _spriteFrames.insert(frameName, frame);
}

void SpriteFrameCache::removeSpriteFrames()
{
    _spriteFrames.clear();
    _spriteFramesAliases.clear();
    _loadedFileNames.clear();
}

void SpriteFrameCache::removeUnusedSpriteFrames()
{
    std::vector<std::string> unused;
    for (const auto& kv : _spriteFrames)
        if (kv.second->getReferenceCount() == 1) unused.push_back(kv.first);
    for (const std::string& name : unused) _spriteFrames.erase(name);
    if (!unused.empty()) _loadedFileNames.clear();
}

void SpriteFrameCache::removeSpriteFrameByName(const std::string& name)
{
    if (name.empty()) return;
    auto alias = _spriteFramesAliases.find(name);
    if (alias != _spriteFramesAliases.end())
    {
        _spriteFrames.erase(alias->second.asString());
        _spriteFramesAliases.erase(alias);
    }
    else _spriteFrames.erase(name);
    _loadedFileNames.clear();
}

void SpriteFrameCache::removeSpriteFramesFromDictionary(ValueMap& dictionary)
{
    const Value& frames = valueOf(dictionary, "frames");
    if (frames.getType() != Value::Type::MAP) return;
    for (const auto& kv : frames.asValueMap()) _spriteFrames.erase(kv.first);
}

void SpriteFrameCache::removeSpriteFramesFromFile(const std::string& plist)
{
    ValueMap dict = FileUtils::getInstance()->getValueMapFromFile(plist);
    if (dict.empty()) return;
    removeSpriteFramesFromDictionary(dict);
    _loadedFileNames.erase(plist);
}

void SpriteFrameCache::removeSpriteFramesFromFileContent(const std::string& plist_content)
{
    ValueMap dict = FileUtils::getInstance()->getValueMapFromData(plist_content.data(),
                                                                  static_cast<int>(plist_content.size()));
    removeSpriteFramesFromDictionary(dict);
}

void SpriteFrameCache::removeSpriteFramesFromTexture(Texture2D* texture)
{
    std::vector<std::string> keys;
    for (const auto& kv : _spriteFrames)
        if (kv.second->getTexture() == texture) keys.push_back(kv.first);
    for (const std::string& k : keys) _spriteFrames.erase(k);
}

SpriteFrame* SpriteFrameCache::getSpriteFrameByName(const std::string& name)
{
    SpriteFrame* frame = _spriteFrames.at(name);
    if (!frame)
    {
        auto alias = _spriteFramesAliases.find(name);
        if (alias != _spriteFramesAliases.end()) frame = _spriteFrames.at(alias->second.asString());
    }
    return frame;
}

bool SpriteFrameCache::reloadTexture(const std::string& plist)
{
    if (!_loadedFileNames.count(plist)) return false;
    removeSpriteFramesFromFile(plist);
    addSpriteFramesWithFile(plist);
    return isSpriteFramesWithFileLoaded(plist);
}

NS_CC_END
