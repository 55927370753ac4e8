#include "base/CCUserDefault.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/CCFileUtils.h"
#include "platform/CCXmlDocument.h"

#define USERDEFAULT_ROOT_NAME "userDefaultRoot"
#define XML_FILE_NAME "UserDefault.xml"

NS_CC_BEGIN

UserDefault* UserDefault::_userDefault = nullptr;
std::string UserDefault::_filePath;
bool UserDefault::_isFilePathInitialized = false;

namespace {

const char BASE64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string base64Encode(const unsigned char* in, size_t len)
{
    std::string out;
    for (size_t i = 0; i < len; i += 3)
    {
        unsigned v = static_cast<unsigned>(in[i]) << 16;
        if (i + 1 < len) v |= static_cast<unsigned>(in[i + 1]) << 8;
        if (i + 2 < len) v |= in[i + 2];
        out += BASE64[(v >> 18) & 63];
        out += BASE64[(v >> 12) & 63];
        out += i + 1 < len ? BASE64[(v >> 6) & 63] : '=';
        out += i + 2 < len ? BASE64[v & 63] : '=';
    }
    return out;
}

std::string base64Decode(const std::string& in)
{
    std::string out;
    unsigned v = 0;
    int bits = 0;
    for (char c : in)
    {
        const char* p = c ? std::strchr(BASE64, c) : nullptr;
        if (!p) continue; // padding, line breaks
        v = (v << 6) | static_cast<unsigned>(p - BASE64);
        bits += 6;
        if (bits >= 8)
        {
            bits -= 8;
            out += static_cast<char>((v >> bits) & 0xFF);
        }
    }
    return out;
}

std::unique_ptr<XmlElement> loadRoot()
{
    std::string text = FileUtils::getInstance()->getStringFromFile(UserDefault::getXMLFilePath());
    std::unique_ptr<XmlElement> root = XmlDocument::parse(text);
    if (!root || root->name != USERDEFAULT_ROOT_NAME) return nullptr;
    return root;
}

bool saveRoot(const XmlElement& root)
{
    return FileUtils::getInstance()->writeStringToFile(XmlDocument::write(root), UserDefault::getXMLFilePath());
}

} // namespace

UserDefault::UserDefault() {}

UserDefault::~UserDefault() {}

bool UserDefault::isValidKey(const char* key)
{
    if (!key || !*key) return false;
    auto nameStart = [](unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; };
    const unsigned char* p = reinterpret_cast<const unsigned char*>(key);
    if (!nameStart(*p)) return false;
    for (++p; *p; ++p)
        if (!nameStart(*p) && !(*p >= '0' && *p <= '9') && *p != '-' && *p != '.') return false;
    // names starting with "xml" are reserved
    return !((key[0] | 0x20) == 'x' && (key[1] | 0x20) == 'm' && (key[2] | 0x20) == 'l');
}

bool UserDefault::getValueForKey(const char* key, std::string& value)
{
    if (!isValidKey(key)) return false;
    std::unique_ptr<XmlElement> root = loadRoot();
    if (!root) return false;
    XmlElement* node = root->firstChild(key);
    if (!node || node->text.empty()) return false;
    value = node->text;
    return true;
}

void UserDefault::setValueForKey(const char* key, const char* value)
{
    if (!isValidKey(key) || !value) return;
    std::unique_ptr<XmlElement> root = loadRoot();
    if (!root) root.reset(new XmlElement(USERDEFAULT_ROOT_NAME));
    XmlElement* node = root->firstChild(key);
    if (!node) node = root->addChild(key);
    node->text = value;
    node->children.clear();
    saveRoot(*root);
}

bool UserDefault::getBoolForKey(const char* key)
{
    return getBoolForKey(key, false);
}

bool UserDefault::getBoolForKey(const char* key, bool defaultValue)
{
    std::string v;
    if (!getValueForKey(key, v)) return defaultValue;
    return v == "true";
}

int UserDefault::getIntegerForKey(const char* key)
{
    return getIntegerForKey(key, 0);
}

int UserDefault::getIntegerForKey(const char* key, int defaultValue)
{
    std::string v;
    if (!getValueForKey(key, v)) return defaultValue;
    return std::atoi(v.c_str());
}

float UserDefault::getFloatForKey(const char* key)
{
    return getFloatForKey(key, 0.0f);
}

float UserDefault::getFloatForKey(const char* key, float defaultValue)
{
    return static_cast<float>(getDoubleForKey(key, static_cast<double>(defaultValue)));
}

double UserDefault::getDoubleForKey(const char* key)
{
    return getDoubleForKey(key, 0.0);
}

double UserDefault::getDoubleForKey(const char* key, double defaultValue)
{
    std::string v;
    if (!getValueForKey(key, v)) return defaultValue;
    return std::atof(v.c_str());
}

std::string UserDefault::getStringForKey(const char* key)
{
    return getStringForKey(key, "");
}

std::string UserDefault::getStringForKey(const char* key, const std::string& defaultValue)
{
    std::string v;
    if (!getValueForKey(key, v)) return defaultValue;
    return v;
}

Data UserDefault::getDataForKey(const char* key)
{
    return getDataForKey(key, Data::Null);
}

Data UserDefault::getDataForKey(const char* key, const Data& defaultValue)
{
    std::string v;
    if (!getValueForKey(key, v)) return defaultValue;
    std::string bytes = base64Decode(v);
    Data out;
    out.copy(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<ssize_t>(bytes.size()));
    return out;
}

void UserDefault::setBoolForKey(const char* key, bool value)
{
    setValueForKey(key, value ? "true" : "false");
}

void UserDefault::setIntegerForKey(const char* key, int value)
{
    char buf[32];
    std::snprintf(buf, sizeof(buf), "%d", value);
    setValueForKey(key, buf);
}

void UserDefault::setFloatForKey(const char* key, float value)
{
    setDoubleForKey(key, static_cast<double>(value));
}

void UserDefault::setDoubleForKey(const char* key, double value)
{
    char buf[512];
    std::snprintf(buf, sizeof(buf), "%f", value);
    setValueForKey(key, buf);
}

void UserDefault::setStringForKey(const char* key, const std::string& value)
{
    setValueForKey(key, value.c_str());
}

void UserDefault::setDataForKey(const char* key, const Data& value)
{
    setValueForKey(key, base64Encode(value.getBytes(), static_cast<size_t>(value.getSize())).c_str());
}

void UserDefault::flush() {}

void UserDefault::deleteValueForKey(const char* key)
{
    if (!isValidKey(key)) return;
    std::unique_ptr<XmlElement> root = loadRoot();
    if (!root) return;
    if (root->removeChildren(key) > 0) saveRoot(*root);
}

UserDefault* UserDefault::getInstance()
{
    if (!_userDefault)
    {
        initXMLFilePath();
        if (!isXMLFileExist()) createXMLFile();
        _userDefault = new UserDefault();
    }
    return _userDefault;
}

void UserDefault::destroyInstance()
{
    delete _userDefault;
    _userDefault = nullptr;
    _isFilePathInitialized = false;
}

void UserDefault::setDelegate(UserDefault* delegate)
{
    delete _userDefault;
    _userDefault = delegate;
}

bool UserDefault::isXMLFileExist()
{
    return FileUtils::getInstance()->isFileExist(getXMLFilePath());
}

void UserDefault::initXMLFilePath()
{
    if (_isFilePathInitialized) return;
    _filePath = FileUtils::getInstance()->getWritablePath() + XML_FILE_NAME;
    _isFilePathInitialized = true;
}

bool UserDefault::createXMLFile()
{
    return saveRoot(XmlElement(USERDEFAULT_ROOT_NAME));
}

const std::string& UserDefault::getXMLFilePath()
{
    initXMLFilePath();
    return _filePath;
}

NS_CC_END
