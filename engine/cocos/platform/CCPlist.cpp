#include "platform/CCPlist.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/CCXmlDocument.h"

NS_CC_BEGIN

namespace {

Value convert(const XmlElement& e);

ValueMap convertDict(const XmlElement& e)
{
    ValueMap map;
    const std::string* key = nullptr;
    for (const auto& child : e.children)
    {
        if (child->name == "key")
        {
            key = &child->text;
            continue;
        }
        if (!key) continue; // a value without its key
        map[*key] = convert(*child);
        key = nullptr;
    }
    return map;
}

Value convert(const XmlElement& e)
{
    const std::string& n = e.name;
    if (n == "dict") return Value(convertDict(e));
    if (n == "array")
    {
        ValueVector vec;
        for (const auto& child : e.children) vec.push_back(convert(*child));
        return Value(vec);
    }
    if (n == "string" || n == "date" || n == "data") return Value(e.text);
    if (n == "integer") return Value(std::atoi(e.text.c_str()));
    if (n == "real") return Value(std::atof(e.text.c_str()));
    if (n == "true") return Value(true);
    if (n == "false") return Value(false);
    return Value();
}

void writeValue(const Value& v, XmlElement& parent);

void writeMap(const ValueMap& map, XmlElement& dict)
{
    std::vector<std::string> keys;
    for (const auto& kv : map) keys.push_back(kv.first);
    std::sort(keys.begin(), keys.end());
    for (const std::string& k : keys)
    {
        const Value& v = map.at(k);
        if (v.getType() == Value::Type::NONE || v.getType() == Value::Type::INT_KEY_MAP) continue;
        dict.addChild("key")->text = k;
        writeValue(v, dict);
    }
}

void writeValue(const Value& v, XmlElement& parent)
{
    switch (v.getType())
    {
    case Value::Type::MAP: writeMap(v.asValueMap(), *parent.addChild("dict")); break;
    case Value::Type::VECTOR:
    {
        XmlElement* array = parent.addChild("array");
        for (const Value& item : v.asValueVector()) writeValue(item, *array);
        break;
    }
    case Value::Type::BOOLEAN: parent.addChild(v.asBool() ? "true" : "false"); break;
    case Value::Type::STRING: parent.addChild("string")->text = v.asString(); break;
    case Value::Type::BYTE:
    case Value::Type::INTEGER:
    case Value::Type::UNSIGNED: parent.addChild("integer")->text = v.asString(); break;
    case Value::Type::FLOAT:
    case Value::Type::DOUBLE:
    {
        char buf[64];
        std::snprintf(buf, sizeof(buf), "%.17g", v.asDouble());
        parent.addChild("real")->text = buf;
        break;
    }
    default: break;
    }
}

} // namespace

Value Plist::parse(const char* data, size_t length)
{
    if (!data || length == 0) return Value();
    std::unique_ptr<XmlElement> root = XmlDocument::parse(std::string(data, length));
    if (!root) return Value();
    // <plist> wraps the value; a bare <dict> or <array> is taken as well
    const XmlElement* value = root.get();
    if (root->name == "plist")
    {
        if (root->children.empty()) return Value();
        value = root->children.front().get();
    }
    return convert(*value);
}

std::string Plist::write(const Value& root)
{
    XmlElement plist("plist");
    plist.attributes.emplace_back("version", "1.0");
    writeValue(root, plist);
    return XmlDocument::write(plist, "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                     "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">");
}

NS_CC_END
