// The engine's nine-slice sprite with the widget records; made from a file it
// stretches only the image's centre row and column.
#pragma once

#include <string>

#include "cocos2d.h"
#include "ui/UIScale9Sprite.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CCScale9SpriteEx : public cocos2d::ui::Scale9Sprite, public CSpriteInterface {
public:
    static CCScale9SpriteEx* create();
    // Cap insets at the image's centre pixel, content size the image's; null
    // when the image cannot be loaded.
    static CCScale9SpriteEx* create(const std::string& file);
};
