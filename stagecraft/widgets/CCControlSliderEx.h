// The engine's slider with the widget records; its range is 0 to 1.
#pragma once

#include "cocos2d.h"
#include "extensions/cocos-ext.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CCControlSliderEx : public cocos2d::extension::ControlSlider, public CSpriteInterface {
public:
    static CCControlSliderEx* create();

    CCControlSliderEx();
};
