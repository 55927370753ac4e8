// The demo's lists, alert box, edit box and lock layer, run in the given
// scene; the main part lends its output and its clock.
#pragma once

#include <string>

#include "cocos2d.h"

using DemoSay = void (*)(const std::string& text);
using DemoFrames = void (*)(int count);

void ListsAndDialogs(cocos2d::Scene* scene, DemoSay say, DemoFrames frames);
