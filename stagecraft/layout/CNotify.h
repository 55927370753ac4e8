// A notification's message (the three texts of its parameter record) and the
// functions that post notifications through the engine's notification centre.
#pragma once

#include <string>

#include "cocos2d.h"

#include "layout/CSpriteInterface.h"
#include "StagecraftExport.h"

class STAGECRAFT_API CNotify : public cocos2d::Ref, public CSpriteInterface {
public:
    static CNotify* create();
    // A new autoreleased message with the three texts.
    static CNotify* create(const std::string& text1, const std::string& text2, const std::string& text3);

    CNotify();
    ~CNotify() override;

private:
    CNotify(const CNotify&) = delete;
    CNotify& operator=(const CNotify&) = delete;
};

// The name layers listen to for their messages.
#define LAYER_NOTIFY_NAME "ccNd_LayerNotify"

// Posts "ccNd_LayerNotify" with a new message (text, empty, empty).
STAGECRAFT_API void PostLayerNotification(std::string text);
// Posts name with a new message (text1, text2, empty).
STAGECRAFT_API void PostNotification(std::string name, std::string text1, std::string text2);
// Replaces the first text of notify and posts name with it (a new message
// (text1, empty, empty) when notify is null).
STAGECRAFT_API void PostNotification(std::string name, std::string text1, CNotify* notify);
