// The records every widget, the parsed layer and the message carriers share:
// parameters, callbacks and the layout name. Put after the engine base.
#pragma once

#include "layout/CSpriteParamData.h"
#include "layout/CSpriteSelectorN.h"
#include "layout/CSpriteUIJsonData.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CSpriteInterface : public CSpriteParamData, public CSpriteSelectorN, public CSpriteUIJsonData {
public:
    CSpriteInterface();
    CSpriteInterface(const CSpriteInterface& other);
    CSpriteInterface& operator=(const CSpriteInterface& other);
    ~CSpriteInterface() override;
};
