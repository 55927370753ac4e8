// Walking and reading the engine's JSON documents: the library's exported
// additions to the reader (children by position, child count, flags), and
// the typed look-ups the layout parser reads its keys with.
#pragma once

#include <string>

#include "spine/Json.h"

#include "StagecraftExport.h"

// The child at index of an array or object: the first one for an index of 0
// or below, null at or past the end (and for a null node).
STAGECRAFT_API Json* Json_getItemAt(Json* node, int index);
// The number of children, counted along the list; 0 for a leaf or null.
STAGECRAFT_API int Json_getSize(Json* node);
// False when the member is absent or the JSON value false; true for any other
// value (true, every number, every string, null, arrays, objects).
STAGECRAFT_API bool Json_getBool(Json* object, const char* name);

// Typed look-ups: a member whose value is not of the type asked for counts as
// absent and gives the default. Numbers also accept true and false, read as
// the reader stores them (integer 1 or 0, float 0).
namespace JsonRead {
Json* Member(Json* object, const char* name, int type);
bool HasNumber(Json* object, const char* name);
int Int(Json* object, const char* name, int fallback);
float Float(Json* object, const char* name, float fallback);
// Strings: the member's text, or the default when it is absent or not a string.
std::string String(Json* object, const char* name, const std::string& fallback);
bool HasString(Json* object, const char* name);
Json* Object(Json* object, const char* name);
Json* Array(Json* object, const char* name);
} // namespace JsonRead
