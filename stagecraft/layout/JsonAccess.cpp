#include "layout/JsonAccess.h"

Json* Json_getItemAt(Json* node, int index)
{
    if (node == nullptr)
        return nullptr;
    Json* child = node->child;
    while (child != nullptr && index > 0) {
        child = child->next;
        --index;
    }
    return child;
}

int Json_getSize(Json* node)
{
    if (node == nullptr)
        return 0;
    int count = 0;
    for (Json* child = node->child; child != nullptr; child = child->next)
        ++count;
    return count;
}

bool Json_getBool(Json* object, const char* name)
{
    const Json* item = Json_getItem(object, name);
    return item != nullptr && item->type != Json_False;
}

namespace JsonRead {

Json* Member(Json* object, const char* name, int type)
{
    Json* item = Json_getItem(object, name);
    return item != nullptr && item->type == type ? item : nullptr;
}

static Json* NumberMember(Json* object, const char* name)
{
    Json* item = Json_getItem(object, name);
    if (item == nullptr)
        return nullptr;
    const bool numeric = item->type == Json_Number || item->type == Json_True || item->type == Json_False;
    return numeric ? item : nullptr;
}

bool HasNumber(Json* object, const char* name)
{
    return NumberMember(object, name) != nullptr;
}

int Int(Json* object, const char* name, int fallback)
{
    const Json* item = NumberMember(object, name);
    return item != nullptr ? item->valueInt : fallback;
}

float Float(Json* object, const char* name, float fallback)
{
    const Json* item = NumberMember(object, name);
    return item != nullptr ? item->valueFloat : fallback;
}

std::string String(Json* object, const char* name, const std::string& fallback)
{
    const Json* item = Member(object, name, Json_String);
    return item != nullptr && item->valueString != nullptr ? std::string(item->valueString) : fallback;
}

bool HasString(Json* object, const char* name)
{
    return Member(object, name, Json_String) != nullptr;
}

Json* Object(Json* object, const char* name)
{
    return Member(object, name, Json_Object);
}

Json* Array(Json* object, const char* name)
{
    return Member(object, name, Json_Array);
}

} // namespace JsonRead
