// The spine JSON reader: document model, look-up and the limits it enforces.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "spine/Json.h"

namespace {

struct JsonDoc
{
    explicit JsonDoc(const char* text) : root(Json_create(text)) {}
    ~JsonDoc() { Json_dispose(root); }
    Json* root;
};

TEST(MediaJson, RecordLayoutAndTypeCodes)
{
    EXPECT_EQ(0, Json_False);
    EXPECT_EQ(1, Json_True);
    EXPECT_EQ(2, Json_NULL);
    EXPECT_EQ(3, Json_Number);
    EXPECT_EQ(4, Json_String);
    EXPECT_EQ(5, Json_Array);
    EXPECT_EQ(6, Json_Object);
    // next, child, type, size, valueString, valueInt, valueFloat, name
    EXPECT_EQ(0u, offsetof(Json, next));
    EXPECT_LT(offsetof(Json, next), offsetof(Json, child));
    EXPECT_LT(offsetof(Json, child), offsetof(Json, type));
    EXPECT_LT(offsetof(Json, type), offsetof(Json, size));
    EXPECT_LT(offsetof(Json, size), offsetof(Json, valueString));
    EXPECT_LT(offsetof(Json, valueString), offsetof(Json, valueInt));
    EXPECT_LT(offsetof(Json, valueInt), offsetof(Json, valueFloat));
    EXPECT_LT(offsetof(Json, valueFloat), offsetof(Json, name));
}

TEST(MediaJson, ValuesOfEachKind)
{
    JsonDoc doc(R"({"t": true, "f": false, "n": null, "num": -3.75, "big": 1e12, "s": "x",
                    "a": [1, 2, 3], "o": {"k": 1}})");
    ASSERT_NE(nullptr, doc.root);
    EXPECT_EQ(Json_Object, doc.root->type);
    EXPECT_EQ(8, doc.root->size);

    Json* t = Json_getItem(doc.root, "t");
    ASSERT_NE(nullptr, t);
    EXPECT_EQ(Json_True, t->type);
    EXPECT_EQ(1, t->valueInt);
    EXPECT_EQ(0.0f, t->valueFloat);
    EXPECT_EQ(1, Json_getInt(doc.root, "t", 7));
    EXPECT_EQ(0.0f, Json_getFloat(doc.root, "t", 7));

    Json* f = Json_getItem(doc.root, "f");
    EXPECT_EQ(Json_False, f->type);
    EXPECT_EQ(0, f->valueInt);
    EXPECT_EQ(Json_NULL, Json_getItem(doc.root, "n")->type);

    Json* num = Json_getItem(doc.root, "num");
    EXPECT_EQ(Json_Number, num->type);
    EXPECT_FLOAT_EQ(-3.75f, num->valueFloat);
    EXPECT_EQ(-3, num->valueInt); // truncated toward zero
    EXPECT_EQ(2147483647, Json_getInt(doc.root, "big", 0)); // saturates rather than overflowing

    EXPECT_STREQ("x", Json_getString(doc.root, "s", "d"));
    EXPECT_EQ(nullptr, Json_getString(doc.root, "num", "d")); // present but not a string
    EXPECT_STREQ("d", Json_getString(doc.root, "missing", "d"));

    Json* a = Json_getItem(doc.root, "a");
    EXPECT_EQ(Json_Array, a->type);
    EXPECT_EQ(3, a->size);
    int expected = 1;
    for (Json* c = a->child; c; c = c->next) EXPECT_EQ(expected++, c->valueInt);
    EXPECT_EQ(4, expected);
    EXPECT_EQ(nullptr, a->child->name);
    EXPECT_STREQ("o", Json_getItem(doc.root, "o")->name);
}

TEST(MediaJson, LookupIgnoresAsciiCaseAndTakesTheFirstMatch)
{
    JsonDoc doc(R"({"visible": 1, "VISIBLE": 2, "Name": "n"})");
    ASSERT_NE(nullptr, doc.root);
    EXPECT_EQ(1, Json_getInt(doc.root, "Visible", 0));
    EXPECT_EQ(1, Json_getInt(doc.root, "visible", 0));
    EXPECT_STREQ("n", Json_getString(doc.root, "name", nullptr));
    EXPECT_EQ(nullptr, Json_getItem(doc.root, "nam"));
    EXPECT_EQ(nullptr, Json_getItem(nullptr, "x"));
}

TEST(MediaJson, StringsDecodeEscapesAndSurrogatePairs)
{
    JsonDoc doc(R"({"e": "a\"b\\c\/d\n\t", "cjk": "\u4e2d\u6587", "emoji": "\ud83d\ude00", "lone": "\ud800x"})");
    ASSERT_NE(nullptr, doc.root);
    EXPECT_STREQ("a\"b\\c/d\n\t", Json_getString(doc.root, "e", nullptr));
    EXPECT_STREQ("\xE4\xB8\xAD\xE6\x96\x87", Json_getString(doc.root, "cjk", nullptr));
    EXPECT_STREQ("\xF0\x9F\x98\x80", Json_getString(doc.root, "emoji", nullptr));
    EXPECT_STREQ("\xEF\xBF\xBDx", Json_getString(doc.root, "lone", nullptr));
}

TEST(MediaJson, MalformedInputGivesNull)
{
    const char* bad[] = {"", "{", "[1, 2", "{\"a\" 1}", "{\"a\": }", "\"unterminated", "tru", "[1,]x", "{\"a\":\"\\u12\"}", "[-inf]", "[-nan]", "[0x10]", "[-]"};
    for (const char* text : bad)
    {
        Json* j = Json_create(text);
        EXPECT_EQ(nullptr, j) << text;
        Json_dispose(j);
    }
    EXPECT_EQ(nullptr, Json_create(nullptr));
    EXPECT_NE(nullptr, Json_getError());
}

TEST(MediaJson, NestingDepthIsBounded)
{
    std::string ok(100, '[');
    ok += std::string(100, ']');
    JsonDoc shallow(ok.c_str());
    EXPECT_NE(nullptr, shallow.root);

    std::string deep(100000, '[');
    deep += std::string(100000, ']');
    JsonDoc tooDeep(deep.c_str());
    EXPECT_EQ(nullptr, tooDeep.root);
}

TEST(MediaJson, ByteOrderMarkIsSkipped)
{
    JsonDoc doc("\xEF\xBB\xBF{\"a\": 5}");
    ASSERT_NE(nullptr, doc.root);
    EXPECT_EQ(5, Json_getInt(doc.root, "a", 0));
}

} // namespace
