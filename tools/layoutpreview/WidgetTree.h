// The widget tree of a parsed layout as text, one widget a line, indented by
// nesting: class, layout name, position (in the parent) and where that lies in
// the scene, content size (and a scroll view's view size), scale, z-order,
// visibility, and a label's text.
// Only widgets built from the layout are listed (nodes the widgets make for
// themselves are walked through, not shown); children come in drawing order
// once a frame has been drawn.
#pragma once

#include <ostream>
#include <string>

#include "cocos2d.h"

// Writes root (always) and every layout widget below it.
void PrintWidgetTree(cocos2d::Node* root, std::ostream& out);

// A number as a game developer reads it: at most `decimals` decimals, no
// trailing zeros, no "-0".
std::string FormatNumber(float value, int decimals = 2);
