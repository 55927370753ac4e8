#include "widgets/CCScale9SpriteEx.h"

#include <new>

CCScale9SpriteEx* CCScale9SpriteEx::create()
{
    CCScale9SpriteEx* sprite = new (std::nothrow) CCScale9SpriteEx();
    if (sprite != nullptr && sprite->init()) {
        sprite->autorelease();
        return sprite;
    }
    delete sprite;
    return nullptr;
}

CCScale9SpriteEx* CCScale9SpriteEx::create(const std::string& file)
{
    cocos2d::Sprite* measure = cocos2d::Sprite::create(file);
    if (measure == nullptr)
        return nullptr;
    const cocos2d::Size size = measure->getContentSize();

    CCScale9SpriteEx* sprite = create();
    if (sprite == nullptr)
        return nullptr;
    if (!sprite->initWithFile(cocos2d::Rect(size.width / 2, size.height / 2, 1, 1), file))
        return nullptr; // autoreleased already: the pool frees it
    sprite->setContentSize(size);
    return sprite;
}
