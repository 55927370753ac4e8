#ifndef __cocos2d_libs__CCValue__
#define __cocos2d_libs__CCValue__

#include <string>
#include <unordered_map>
#include <vector>
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class Value;

typedef std::vector<Value> ValueVector;
typedef std::unordered_map<std::string, Value> ValueMap;
typedef std::unordered_map<int, Value> ValueMapIntKey;

CC_DLL extern const ValueVector ValueVectorNull;
CC_DLL extern const ValueMap ValueMapNull;
CC_DLL extern const ValueMapIntKey ValueMapIntKeyNull;

// A variant of the property-list kinds. Reading it as another kind converts:
// a string reads as its number (atoi / atof), a number as its decimal text
// (floats with 7 decimals, doubles with 16), "0" and "false" read as false.
class CC_DLL Value
{
public:
    static const Value Null;

    enum class Type
    {
        NONE = 0,
        BYTE,
        INTEGER,
        UNSIGNED,
        FLOAT,
        DOUBLE,
        BOOLEAN,
        STRING,
        VECTOR,
        MAP,
        INT_KEY_MAP
    };

    Value();
    explicit Value(unsigned char v);
    explicit Value(int v);
    explicit Value(unsigned int v);
    explicit Value(float v);
    explicit Value(double v);
    explicit Value(bool v);
    explicit Value(const char* v);
    explicit Value(const std::string& v);
    explicit Value(const ValueVector& v);
    explicit Value(ValueVector&& v);
    explicit Value(const ValueMap& v);
    explicit Value(ValueMap&& v);
    explicit Value(const ValueMapIntKey& v);
    explicit Value(ValueMapIntKey&& v);
    Value(const Value& other);
    Value(Value&& other);
    ~Value();

    Value& operator=(const Value& other);
    Value& operator=(Value&& other);
    Value& operator=(unsigned char v);
    Value& operator=(int v);
    Value& operator=(unsigned int v);
    Value& operator=(float v);
    Value& operator=(double v);
    Value& operator=(bool v);
    Value& operator=(const char* v);
    Value& operator=(const std::string& v);
    Value& operator=(const ValueVector& v);
    Value& operator=(ValueVector&& v);
    Value& operator=(const ValueMap& v);
    Value& operator=(ValueMap&& v);
    Value& operator=(const ValueMapIntKey& v);
    Value& operator=(ValueMapIntKey&& v);

    bool operator!=(const Value& v);
    bool operator!=(const Value& v) const;
    bool operator==(const Value& v);
    bool operator==(const Value& v) const;

    unsigned char asByte() const;
    int asInt() const;
    unsigned int asUnsignedInt() const;
    float asFloat() const;
    double asDouble() const;
    bool asBool() const;
    std::string asString() const;

    // Of another kind these give an empty collection (never a crash); the
    // non-const forms then hand out a scratch collection that is emptied on
    // each such call.
    ValueVector& asValueVector();
    const ValueVector& asValueVector() const;
    ValueMap& asValueMap();
    const ValueMap& asValueMap() const;
    ValueMapIntKey& asIntKeyMap();
    const ValueMapIntKey& asIntKeyMap() const;

    bool isNull() const { return _type == Type::NONE; }
    Type getType() const { return _type; }
    std::string getDescription() const;

private:
    void clear();
    void reset(Type type);

    union
    {
        unsigned char byteVal;
        int intVal;
        unsigned int unsignedVal;
        float floatVal;
        double doubleVal;
        bool boolVal;
        std::string* strVal;
        ValueVector* vectorVal;
        ValueMap* mapVal;
        ValueMapIntKey* intKeyMapVal;
    } _field;

    Type _type;
};

NS_CC_END

#endif
