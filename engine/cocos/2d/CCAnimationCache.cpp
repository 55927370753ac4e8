#include "2d/CCAnimationCache.h"

#include "2d/CCSpriteFrame.h"
#include "2d/CCSpriteFrameCache.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

namespace {

AnimationCache* s_sharedAnimationCache = nullptr;

const Value& valueOf(const ValueMap& map, const char* key)
{
    static const Value none;
    auto it = map.find(key);
    return it == map.end() ? none : it->second;
}

} // namespace

AnimationCache* AnimationCache::getInstance()
{
    if (!s_sharedAnimationCache)
    {
        s_sharedAnimationCache = new (std::nothrow) AnimationCache();
        if (s_sharedAnimationCache) s_sharedAnimationCache->init();
    }
    return s_sharedAnimationCache;
}

void AnimationCache::destroyInstance()
{
    CC_SAFE_RELEASE_NULL(s_sharedAnimationCache);
}

AnimationCache::AnimationCache() {}

AnimationCache::~AnimationCache() {}

void AnimationCache::addAnimation(Animation* animation, const std::string& name)
{
    if (animation) _animations.insert(name, animation);
}

void AnimationCache::removeAnimation(const std::string& name)
{
    if (!name.empty()) _animations.erase(name);
}

Animation* AnimationCache::getAnimation(const std::string& name)
{
    return _animations.at(name);
}

void AnimationCache::parseVersion1(const ValueMap& animations)
{
    SpriteFrameCache* frameCache = SpriteFrameCache::getInstance();
    for (const auto& anim : animations)
    {
        if (anim.second.getType() != Value::Type::MAP) continue;
        const ValueMap& d = anim.second.asValueMap();
        const Value& names = valueOf(d, "frames");
        if (names.getType() != Value::Type::VECTOR) continue;
        Vector<AnimationFrame*> frames;
        for (const Value& name : names.asValueVector())
        {
            SpriteFrame* spriteFrame = frameCache->getSpriteFrameByName(name.asString());
            if (!spriteFrame) continue;
            if (AnimationFrame* frame = AnimationFrame::create(spriteFrame, 1, ValueMap())) frames.pushBack(frame);
        }
        if (frames.empty()) continue;
        Animation* animation = Animation::create(frames, valueOf(d, "delay").asFloat(), 1);
        if (animation) addAnimation(animation, anim.first);
    }
}

void AnimationCache::parseVersion2(const ValueMap& animations)
{
    SpriteFrameCache* frameCache = SpriteFrameCache::getInstance();
    for (const auto& anim : animations)
    {
        if (anim.second.getType() != Value::Type::MAP) continue;
        const ValueMap& d = anim.second.asValueMap();
        const Value& records = valueOf(d, "frames");
        if (records.getType() != Value::Type::VECTOR) continue;
        Vector<AnimationFrame*> frames;
        for (const Value& record : records.asValueVector())
        {
            if (record.getType() != Value::Type::MAP) continue;
            const ValueMap& r = record.asValueMap();
            SpriteFrame* spriteFrame = frameCache->getSpriteFrameByName(valueOf(r, "spriteframe").asString());
            if (!spriteFrame) continue;
            const Value& info = valueOf(r, "notification");
            ValueMap userInfo = info.getType() == Value::Type::MAP ? info.asValueMap() : ValueMap();
            if (AnimationFrame* frame = AnimationFrame::create(spriteFrame, valueOf(r, "delayUnits").asFloat(), userInfo))
                frames.pushBack(frame);
        }
        const Value& loops = valueOf(d, "loops");
        unsigned int loopCount = loops.isNull() ? 1u : static_cast<unsigned int>(loops.asInt());
        Animation* animation = Animation::create(frames, valueOf(d, "delayPerUnit").asFloat(), loopCount);
        if (!animation) continue;
        animation->setRestoreOriginalFrame(valueOf(d, "restoreOriginalFrame").asBool());
        addAnimation(animation, anim.first);
    }
}

void AnimationCache::addAnimationsWithDictionary(const ValueMap& dictionary, const std::string& plist)
{
    const Value& animations = valueOf(dictionary, "animations");
    if (animations.getType() != Value::Type::MAP) return;
    int version = 1;
    const Value& properties = valueOf(dictionary, "properties");
    if (properties.getType() == Value::Type::MAP)
    {
        const ValueMap& p = properties.asValueMap();
        version = valueOf(p, "format").asInt();
        const Value& sheets = valueOf(p, "spritesheets");
        if (sheets.getType() == Value::Type::VECTOR)
            for (const Value& sheet : sheets.asValueVector())
                SpriteFrameCache::getInstance()->addSpriteFramesWithFile(
                    FileUtils::getInstance()->fullPathFromRelativeFile(sheet.asString(), plist));
    }
    if (version == 1) parseVersion1(animations.asValueMap());
    else if (version == 2) parseVersion2(animations.asValueMap());
}

void AnimationCache::addAnimationsWithFile(const std::string& plist)
{
    if (plist.empty()) return;
    ValueMap dict = FileUtils::getInstance()->getValueMapFromFile(plist);
    if (dict.empty()) return;
    addAnimationsWithDictionary(dict, plist);
}

NS_CC_END
