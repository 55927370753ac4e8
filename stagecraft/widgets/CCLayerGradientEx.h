// The engine's gradient layer with the widget records.
#pragma once

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CCLayerGradientEx : public cocos2d::LayerGradient, public CSpriteInterface {
public:
    static CCLayerGradientEx* create();
};
