#ifndef __CCSTRING_H__
#define __CCSTRING_H__

#include <stdarg.h>
#include <string.h>
#include <string>
#include "base/CCRef.h"

NS_CC_BEGIN

// A reference-counted string (the engine's older object type).
class CC_DLL __String : public Ref, public Clonable
{
public:
    __String();
    __String(const char* str);
    __String(const std::string& str);
    __String(const __String& str);
    virtual ~__String();

    __String& operator=(const __String& other);

    const char* getCString() const { return _string.c_str(); }
    int length() const { return static_cast<int>(_string.length()); }
    int compare(const char* str) const { return strcmp(getCString(), str ? str : ""); }
    void append(const std::string& str) { _string.append(str); }
    void appendWithFormat(const char* format, ...) CC_FORMAT_PRINTF(2, 3);

    int intValue() const;
    unsigned int uintValue() const;
    float floatValue() const;
    double doubleValue() const;
    // False for an empty string, "0" and "false".
    bool boolValue() const;

    bool isEqual(const Ref* pObject);

    static __String* create(const std::string& str);
    // At most 100 KiB of text; longer output is cut.
    static __String* createWithFormat(const char* format, ...) CC_FORMAT_PRINTF(1, 2);
    static __String* createWithData(const unsigned char* pData, size_t nLen);
    static __String* createWithContentsOfFile(const std::string& filename);

    virtual __String* clone() const override;

    std::string _string;

private:
    bool initWithFormatAndValist(const char* format, va_list ap);
};

NS_CC_END

#endif
