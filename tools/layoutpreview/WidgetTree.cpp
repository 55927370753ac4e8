#include "WidgetTree.h"

#include <cxxabi.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "extensions/GUI/CCScrollView/CCScrollView.h"
#include "layout/CSpriteUIJsonData.h"

namespace {

// The class of node as C++ names it (the widget's own class, not the engine base).
std::string ClassName(cocos2d::Node* node)
{
    const char* mangled = typeid(*node).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && readable ? std::string(readable.get()) : std::string(mangled);
}

// Widgets the parser built carry a layout record tied to the root layer.
bool IsLayoutWidget(cocos2d::Node* node)
{
    const CSpriteUIJsonData* record = dynamic_cast<CSpriteUIJsonData*>(node);
    return record != nullptr && record->GetJsonParent() != nullptr;
}

std::string Pair(float a, float b, const char* separator)
{
    return FormatNumber(a) + separator + FormatNumber(b);
}

void PrintNode(cocos2d::Node* node, int depth, std::ostream& out)
{
    std::string line(static_cast<size_t>(depth) * 2, ' ');
    line += ClassName(node);
    const CSpriteUIJsonData* record = dynamic_cast<CSpriteUIJsonData*>(node);
    line += " \"";
    line += record != nullptr ? record->GetJsonName() : node->getName();
    line += "\"  pos (" + Pair(node->getPositionX(), node->getPositionY(), ", ") + ")";
    cocos2d::Node* parent = node->getParent();
    if (parent != nullptr) {
        const cocos2d::Vec2 scene = parent->convertToWorldSpace(node->getPosition());
        line += " scene (" + Pair(scene.x, scene.y, ", ") + ")";
    }
    const cocos2d::Size size = node->getContentSize();
    line += "  size " + Pair(size.width, size.height, " x ");
    if (const auto* list = dynamic_cast<cocos2d::extension::ScrollView*>(node))
        line += " view " + Pair(list->getViewSize().width, list->getViewSize().height, " x ");
    if (node->getScaleX() == node->getScaleY())
        line += "  scale " + FormatNumber(node->getScaleX(), 4);
    else
        line += "  scale " + FormatNumber(node->getScaleX(), 4) + ", " + FormatNumber(node->getScaleY(), 4);
    line += "  z " + std::to_string(node->getLocalZOrder());
    if (!node->isVisible())
        line += "  hidden";
    if (const cocos2d::Label* label = dynamic_cast<cocos2d::Label*>(node))
        line += "  text \"" + label->getString() + "\"";
    out << line << '\n';
}

void PrintBelow(cocos2d::Node* node, int depth, std::ostream& out)
{
    // A copy: nothing changes the tree while it is printed, but the walk
    // must not depend on that.
    const cocos2d::Vector<cocos2d::Node*> children = node->getChildren();
    for (cocos2d::Node* child : children) {
        if (IsLayoutWidget(child)) {
            PrintNode(child, depth, out);
            PrintBelow(child, depth + 1, out);
        } else {
            PrintBelow(child, depth, out);
        }
    }
}

} // namespace

std::string FormatNumber(float value, int decimals)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    // A float has at most 39 integer digits: the buffer always holds the text.
    char text[64];
    const int length = std::snprintf(text, sizeof(text), "%.*f", decimals, static_cast<double>(value));
    if (length < 0 || length >= static_cast<int>(sizeof(text)))
        return "?";
    std::string result(text);
    if (result.find('.') != std::string::npos) {
        while (result.back() == '0')
            result.pop_back();
        if (result.back() == '.')
            result.pop_back();
    }
    if (result == "-0")
        result = "0";
    return result;
}

void PrintWidgetTree(cocos2d::Node* root, std::ostream& out)
{
    if (root == nullptr)
        return;
    PrintNode(root, 0, out);
    PrintBelow(root, 1, out);
}
