// The demo's lists, alert box, edit box and lock layer, run in the given
// scene; the main part lends its output, its clock and its camera.
#pragma once

#include <string>

#include "cocos2d.h"

using DemoSay = void (*)(const std::string& text);
using DemoFrames = void (*)(int count);
using DemoSnap = void (*)(const std::string& pictureName);

void ListsAndDialogs(cocos2d::Scene* scene, DemoSay say, DemoFrames frames, DemoSnap snap);
