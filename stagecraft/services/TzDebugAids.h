// Debugging aids: coloured backgrounds that make a node's area visible and a
// double-tap detector.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

// Adds to node a half-transparent colour layer (opacity 50) of its content size.
STAGECRAFT_API void testBackGround(cocos2d::Node* node);
STAGECRAFT_API void testBackGround(cocos2d::Node* node, cocos2d::Color3B color);
// The same in red with the given size, added to parent.
STAGECRAFT_API void testBackGround(cocos2d::Size size, cocos2d::Node* parent);

// True when called within 250 ms of the previous call that returned false.
STAGECRAFT_API bool isDoubleTouch();

// Shows a text over node on the platforms that have it; nothing here.
STAGECRAFT_API void TzDebugShow(cocos2d::Node* node, const char* format, ...);
