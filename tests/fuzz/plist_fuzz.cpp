// Property lists on any text: read into values, through the file reader's
// dictionary entry point too, then written and read again. What the writer
// leaves out (elements of no property-list type) aside, the values must come
// back the same.
#include <cmath>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "platform/CCFileUtils.h"
#include "platform/CCPlist.h"

using cocos2d::Value;
using cocos2d::ValueMap;
using cocos2d::ValueVector;

namespace {

// The value without the parts of no property-list type the writer skips.
Value withoutNone(const Value& v)
{
    if (v.getType() == Value::Type::MAP) {
        ValueMap out;
        for (const auto& kv : v.asValueMap())
            if (kv.second.getType() != Value::Type::NONE) out[kv.first] = withoutNone(kv.second);
        return Value(out);
    }
    if (v.getType() == Value::Type::VECTOR) {
        ValueVector out;
        for (const Value& item : v.asValueVector())
            if (item.getType() != Value::Type::NONE) out.push_back(withoutNone(item));
        return Value(out);
    }
    return v;
}

bool same(const Value& a, const Value& b)
{
    if (a.getType() != b.getType()) return false;
    switch (a.getType()) {
    case Value::Type::DOUBLE: {
        const double x = a.asDouble(), y = b.asDouble();
        return (std::isnan(x) && std::isnan(y)) || std::memcmp(&x, &y, sizeof x) == 0;
    }
    case Value::Type::MAP: {
        const ValueMap& ma = a.asValueMap();
        const ValueMap& mb = b.asValueMap();
        if (ma.size() != mb.size()) return false;
        for (const auto& kv : ma) {
            auto it = mb.find(kv.first);
            if (it == mb.end() || !same(kv.second, it->second)) return false;
        }
        return true;
    }
    case Value::Type::VECTOR: {
        const ValueVector& va = a.asValueVector();
        const ValueVector& vb = b.asValueVector();
        if (va.size() != vb.size()) return false;
        for (size_t i = 0; i < va.size(); ++i)
            if (!same(va[i], vb[i])) return false;
        return true;
    }
    default: return a == b;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    Value root = cocos2d::Plist::parse(text, size);
    cocos2d::FileUtils::getInstance()->getValueMapFromData(text, static_cast<int>(size));

    const Value expected = withoutNone(root);
    const std::string written = cocos2d::Plist::write(root);
    Value again = cocos2d::Plist::parse(written.data(), written.size());
    FUZZ_CHECK(same(withoutNone(again), expected));
    return 0;
}
