// The engine's XML reader on any text, and its writer on what it read: a tree
// written out and read again is the same tree (names, attributes, children,
// and the text of elements without children; text mixed with child elements
// gains the writer's indentation and is not compared).
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "platform/CCXmlDocument.h"

using cocos2d::XmlDocument;
using cocos2d::XmlElement;

namespace {

void checkSame(const XmlElement& a, const XmlElement& b)
{
    FUZZ_CHECK(a.name == b.name);
    FUZZ_CHECK(a.attributes == b.attributes);
    FUZZ_CHECK(a.children.size() == b.children.size());
    if (a.children.empty()) FUZZ_CHECK(a.text == b.text);
    for (size_t i = 0; i < a.children.size(); ++i) checkSame(*a.children[i], *b.children[i]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<XmlElement> root = XmlDocument::parse(std::string(reinterpret_cast<const char*>(data), size));
    if (!root) return 0;
    std::string written = XmlDocument::write(*root, "<!DOCTYPE x>");
    std::unique_ptr<XmlElement> again = XmlDocument::parse(written);
    FUZZ_CHECK(again != nullptr);
    checkSame(*root, *again);
    return 0;
}
