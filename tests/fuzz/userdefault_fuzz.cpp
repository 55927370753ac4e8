// UserDefault over a settings file of any content. The input's first line is
// a key, the rest is the file. Every getter reads the key; then a value is set
// and deleted again, after which the key reads as set and as deleted, and the
// file's first other setting keeps its value through both rewrites.
#include <memory>
#include <string>

#include "FuzzCheck.h"
#include "MemoryFileUtils.h"
#include "base/CCUserDefault.h"
#include "platform/CCXmlDocument.h"

using cocos2d::UserDefault;
using cocos2d::XmlDocument;
using cocos2d::XmlElement;

namespace {

MemoryFileUtils* g_files = MemoryFileUtils::install();

// The name of the first setting of the file other than key (a child element
// of the root without children of its own), if any.
bool otherSetting(const std::string& file, const std::string& key, std::string& name)
{
    std::unique_ptr<XmlElement> root = XmlDocument::parse(file);
    if (!root || root->name != "userDefaultRoot") return false;
    for (const auto& child : root->children) {
        if (child->name == key || root->firstChild(child->name) != child.get()) continue;
        if (!child->children.empty() || child->text.empty() || child->name.find('\0') != std::string::npos) continue;
        name = child->name;
        return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzParts parts(data, size);
    const std::string key = parts.next().c_str(); // up to a NUL, as the getters see it
    const std::string file = parts.rest();
    UserDefault* settings = UserDefault::getInstance();
    g_files->setFile(UserDefault::getXMLFilePath(), file);

    const char* k = key.c_str();
    settings->getBoolForKey(k);
    settings->getIntegerForKey(k);
    settings->getFloatForKey(k);
    settings->getDoubleForKey(k);
    settings->getStringForKey(k);
    settings->getDataForKey(k);

    std::string otherName, otherValue;
    const bool hasOther = otherSetting(file, key, otherName);
    if (hasOther) otherValue = settings->getStringForKey(otherName.c_str());

    // A key that cannot be stored reads as the default, so "set" holds either way.
    settings->setStringForKey(k, "set");
    FUZZ_CHECK(settings->getStringForKey(k, "set") == "set");
    if (hasOther) FUZZ_CHECK(settings->getStringForKey(otherName.c_str()) == otherValue);

    settings->deleteValueForKey(k);
    FUZZ_CHECK(settings->getStringForKey(k, "gone") == "gone");
    if (hasOther) FUZZ_CHECK(settings->getStringForKey(otherName.c_str()) == otherValue);
    return 0;
}
