#include "deprecated/CCString.h"

#include <stdlib.h>
#include <string.h>
#include <vector>

#if __has_include("platform/CCFileUtils.h")
#include "platform/CCFileUtils.h"
#define CC_STRING_HAS_FILE_UTILS 1
#else
#define CC_STRING_HAS_FILE_UTILS 0
#endif

NS_CC_BEGIN

static const size_t kMaxStringLen = 1024 * 100;

__String::__String() {}
__String::__String(const char* str) : _string(str ? str : "") {}
__String::__String(const std::string& str) : _string(str) {}
__String::__String(const __String& str) : Ref(), Clonable(), _string(str.getCString()) {}
__String::~__String() {}

__String& __String::operator=(const __String& other)
{
    if (this != &other)
        _string = other._string;
    return *this;
}

bool __String::initWithFormatAndValist(const char* format, va_list ap)
{
    std::vector<char> buf(kMaxStringLen);
    vsnprintf(buf.data(), kMaxStringLen, format, ap);
    _string = buf.data();
    return true;
}

void __String::appendWithFormat(const char* format, ...)
{
    va_list ap;
    va_start(ap, format);
    std::vector<char> buf(kMaxStringLen);
    vsnprintf(buf.data(), kMaxStringLen, format, ap);
    va_end(ap);
    _string.append(buf.data());
}

int __String::intValue() const
{
    return _string.empty() ? 0 : atoi(_string.c_str());
}

unsigned int __String::uintValue() const
{
    return _string.empty() ? 0 : static_cast<unsigned int>(atoi(_string.c_str()));
}

float __String::floatValue() const
{
    return _string.empty() ? 0.0f : static_cast<float>(atof(_string.c_str()));
}

double __String::doubleValue() const
{
    return _string.empty() ? 0.0 : atof(_string.c_str());
}

bool __String::boolValue() const
{
    if (_string.empty())
        return false;
    return !(_string == "0" || _string == "false");
}

bool __String::isEqual(const Ref* pObject)
{
    const __String* pStr = dynamic_cast<const __String*>(pObject);
    return pStr != nullptr && _string == pStr->_string;
}

__String* __String::create(const std::string& str)
{
    __String* ret = new (std::nothrow) __String(str);
    if (ret)
        ret->autorelease();
    return ret;
}

__String* __String::createWithData(const unsigned char* data, size_t nLen)
{
    if (data == nullptr)
        return __String::create("");
    return __String::create(std::string(reinterpret_cast<const char*>(data), nLen));
}

__String* __String::createWithFormat(const char* format, ...)
{
    __String* ret = __String::create("");
    va_list ap;
    va_start(ap, format);
    ret->initWithFormatAndValist(format, ap);
    va_end(ap);
    return ret;
}

__String* __String::createWithContentsOfFile(const std::string& filename)
{
#if CC_STRING_HAS_FILE_UTILS
    return __String::create(FileUtils::getInstance()->getStringFromFile(filename));
#else
    CC_UNUSED_PARAM(filename);
    return __String::create("");
#endif
}

__String* __String::clone() const
{
    return __String::create(_string);
}

NS_CC_END
