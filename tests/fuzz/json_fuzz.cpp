// The engine's JSON reader on any text: parse, walk the whole tree with the
// look-ups the layout loader makes, free it.
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "spine/Json.h"

namespace {

bool sameNameIgnoringCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        char ca = *a, cb = *b;
        if (ca >= 'A' && ca <= 'Z') ca = static_cast<char>(ca - 'A' + 'a');
        if (cb >= 'A' && cb <= 'Z') cb = static_cast<char>(cb - 'A' + 'a');
        if (ca != cb) return false;
        if (ca == 0) return true;
    }
}

void walk(Json* node, int depth)
{
    FUZZ_CHECK(depth <= Json_MaxDepth + 1);
    FUZZ_CHECK(node->type >= Json_False && node->type <= Json_Object);
    if (node->type == Json_String) FUZZ_CHECK(node->valueString != nullptr);
    if (node->type == Json_True) FUZZ_CHECK(node->valueInt == 1);
    int count = 0;
    for (Json* c = node->child; c; c = c->next) {
        ++count;
        if (node->type == Json_Object) {
            FUZZ_CHECK(c->name != nullptr);
            // the first member of that name, in any case, is what a look-up finds
            Json* found = Json_getItem(node, c->name);
            FUZZ_CHECK(found != nullptr && sameNameIgnoringCase(found->name, c->name));
            Json_getString(node, c->name, "");
            Json_getFloat(node, c->name, 0.0f);
            Json_getInt(node, c->name, 0);
        } else {
            FUZZ_CHECK(c->name == nullptr);
        }
        walk(c, depth + 1);
    }
    FUZZ_CHECK(node->type == Json_Array || node->type == Json_Object || count == 0);
    FUZZ_CHECK(count == node->size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size); // the reader takes a terminated string
    Json* root = Json_create(text.c_str());
    if (!root) {
        FUZZ_CHECK(Json_getError() != nullptr);
        return 0;
    }
    walk(root, 0);
    // names the layout loader asks for
    for (const char* name : { "widgetTree", "children", "options", "classname", "name", "tag", "visible" })
        Json_getItem(root, name);
    Json_dispose(root);
    return 0;
}
