// Damaged, cut-off and foreign files given to the image, property-list, JSON
// and font readers: each gives nothing (or its fallback) and reads no further
// than the bytes it was handed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "cocos2d.h"
#include "editor-support/spine/Json.h"
#include "media_fixture.h"
#include "platform/CCImage.h"
#include "platform/CCSystemFont.h"
#include "renderer/CCTextureCache.h"

USING_NS_CC;
using namespace media_test;

namespace {

using MediaBadInput = MediaTest;

// Replaces bytes of the header chunk (offsets within its 13 data bytes) and
// rewrites its checksum, so only the changed field is wrong.
std::string withHeader(std::string png, size_t at, const std::string& bytes)
{
    png.replace(16 + at, bytes.size(), bytes);
    std::string body = png.substr(12, 17);
    std::string crc;
    putBE32(crc, pngCrc(body));
    png.replace(29, 4, crc);
    return png;
}

TEST_F(MediaBadInput, DamagedPngsGiveNoImageTextureOrSprite)
{
    std::string good = solidPng(8, 8, PNG_RGBA);
    const size_t idat = 8 + 25; // the data chunk follows the signature and the header
    std::string badDeflate = good;
    badDeflate[idat + 8 + 2] = '\x07'; // block type 3, which does not exist
    std::string longChunk = good;
    longChunk.replace(idat, 4, std::string("\x7f\xff\xff\xf0", 4)); // data said to run far past the end
    std::string swapped = std::string("\x89PNG\r\n\x1a\n", 8) + good.substr(idat, good.size() - idat - 12) +
                          good.substr(8, 25) + good.substr(good.size() - 12);
    std::string shortRows = withHeader(good, 4, std::string("\x00\x00\x00\x40", 4)); // 64 rows, data for 8

    const std::pair<const char*, std::string> bad[] = {
        {"signature.png", good.substr(0, 8)},
        {"header_only.png", good.substr(0, idat)},
        {"no_end.png", good.substr(0, good.size() - 12)},
        {"deflate.png", badDeflate},
        {"long_chunk.png", longChunk},
        {"swapped.png", swapped},
        {"short_rows.png", shortRows},
        {"zero_width.png", withHeader(good, 0, std::string(4, '\0'))},
        {"depth3.png", withHeader(good, 8, "\x03")},
        {"colour5.png", withHeader(good, 9, "\x05")},
        {"jpeg.png", "\xFF\xD8\xFF\xE0 not really a jpeg"},
        {"zeros.png", std::string(4096, '\0')},
        {"empty.png", ""},
    };
    TextureCache* cache = director->getTextureCache();
    for (const auto& file : bad)
    {
        std::string path = put(file.first, file.second);
        Image* image = new Image();
        EXPECT_FALSE(image->initWithImageFile(file.first)) << file.first;
        EXPECT_EQ(nullptr, image->getData()) << file.first;
        image->release();
        EXPECT_EQ(nullptr, cache->addImage(file.first)) << file.first;
        EXPECT_EQ(nullptr, cache->getTextureForKey(path)) << file.first;
        EXPECT_EQ(nullptr, Sprite::create(file.first)) << file.first;
    }
    // a folder of that name, and no name at all
    FileUtils::getInstance()->createDirectory(dir + "folder.png");
    EXPECT_EQ(nullptr, cache->addImage(dir + "folder.png"));
    EXPECT_EQ(nullptr, cache->addImage(""));
    EXPECT_EQ(nullptr, Sprite::create(""));

    // a failed load is not remembered: the repaired file loads
    put("deflate.png", good);
    Texture2D* texture = cache->addImage("deflate.png");
    ASSERT_NE(nullptr, texture);
    EXPECT_EQ(8, texture->getPixelsWide());
    ASSERT_NE(nullptr, Sprite::create("deflate.png"));

    // bytes after the end chunk are not part of the image
    put("trailing.png", good + "left over");
    Image* image = new Image();
    EXPECT_TRUE(image->initWithImageFile("trailing.png"));
    EXPECT_EQ(8, image->getWidth());
    image->release();
}

TEST_F(MediaBadInput, BrokenPropertyListsGiveEmptyMaps)
{
    std::string noise;
    for (int i = 0; i < 600; ++i) noise += static_cast<char>((i * 37 + 11) & 0xFF);
    const std::string bad[] = {
        // not a map at the root
        "<plist><array><string>a</string></array></plist>",
        "<plist><string>x</string></plist>",
        "<plist><integer>5</integer></plist>",
        "<plist></plist>",
        "<html><body><key>a</key><string>x</string></body></html>",
        // cut off, at every kind of place
        "<plist><dict><ke",
        "<plist><dict><key>a</key><string>x</string></dict>",
        "<plist><dict><key>a</key><string>x</str",
        "<plist version=\"1.0",
        "<?xml version=\"1.0\"?>",
        // tags that do not pair up
        "<plist><dict></dict></dict></plist>",
        "<plist><dict><key>a</key></string></dict></plist>",
        "</plist>",
        // not text
        std::string("bplist00\xd1\x01\x02\x51\x61\x51\x62\x08\x0b", 18),
        std::string("\0\0\0<plist>", 10),
        noise,
    };
    int i = 0;
    for (const std::string& text : bad)
    {
        std::string name = "broken" + std::to_string(i++) + ".plist";
        put(name, text);
        EXPECT_TRUE(FileUtils::getInstance()->getValueMapFromFile(name).empty()) << text;
    }

    std::string deep;
    for (int d = 0; d < 5000; ++d) deep += "<dict><key>k</key>";
    put("deep.plist", "<plist>" + deep + "</plist>");
    EXPECT_TRUE(FileUtils::getInstance()->getValueMapFromFile("deep.plist").empty());

    // nesting well inside the limit still reads, and a last key without a value is dropped
    std::string nested = "<string>bottom</string>";
    for (int d = 0; d < 50; ++d) nested = "<dict><key>k</key>" + nested + "</dict>";
    put("nested.plist", "<plist><dict><key>top</key>" + nested + "<key>dangling</key></dict></plist>");
    ValueMap map = FileUtils::getInstance()->getValueMapFromFile("nested.plist");
    ASSERT_EQ(1u, map.size());
    const Value* v = &map["top"];
    for (int d = 0; d < 50; ++d)
    {
        ASSERT_EQ(Value::Type::MAP, v->getType()) << d;
        v = &v->asValueMap().at("k");
    }
    EXPECT_EQ("bottom", v->asString());
}

TEST(MediaBadInputJson, CutOffOrGarbledInputGivesNullAndAnError)
{
    const std::string bad[] = {
        // cut off
        "{\"a\":", "{\"a\":[1,2", "{\"a\":\"x", "\"\\", "\"\\u12", "[\"\\uD800\\u", "-", "{\"a\":tr", "{\"a", "[",
        // garbage
        "\x01\x02\xff", "\xEF\xBB", "\xEF\xBB\xBF", "}", "]", ":", "@", "{1:2}", "{\"a\":1,}", "[,]",
    };
    for (const std::string& text : bad)
    {
        Json* j = Json_create(text.c_str());
        EXPECT_EQ(nullptr, j) << text;
        EXPECT_NE(nullptr, Json_getError()) << text;
        Json_dispose(j);
    }
    // a good document clears the error of the last one
    Json* ok = Json_create("{\"a\": [1, {\"b\": null}]}");
    ASSERT_NE(nullptr, ok);
    EXPECT_EQ(nullptr, Json_getError());
    Json_dispose(ok);

    std::string objects, arrays;
    for (int d = 0; d < 50000; ++d) objects += "{\"a\":";
    for (int d = 0; d < 50000; ++d) arrays += d % 2 ? "{\"a\":" : "[";
    for (const std::string* deep : {&objects, &arrays})
    {
        EXPECT_EQ(nullptr, Json_create(deep->c_str()));
        EXPECT_NE(nullptr, Json_getError());
    }
}

uint32_t be32At(const std::string& b, size_t at)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

void expectSaneSize(Label* label, const char* what)
{
    ASSERT_NE(nullptr, label) << what;
    Size size = label->getContentSize();
    EXPECT_TRUE(std::isfinite(size.width) && std::isfinite(size.height)) << what;
    EXPECT_GE(size.width, 0) << what;
    EXPECT_GE(size.height, 0) << what;
}

TEST_F(MediaBadInput, UnusableFontFilesFallBackWithASaneSize)
{
    std::string real = FileUtils::getInstance()->getStringFromFile(SystemFont::fileForName("Arial"));
    ASSERT_GT(real.size(), 10000u);
    std::string zeroEm = real;
    for (size_t i = 0, tables = (static_cast<unsigned char>(real[4]) << 8) | static_cast<unsigned char>(real[5]);
         i < tables; ++i)
    {
        size_t rec = 12 + i * 16;
        if (real.compare(rec, 4, "head") == 0) zeroEm.replace(be32At(real, rec + 8) + 18, 2, std::string(2, '\0'));
    }
    ASSERT_NE(real, zeroEm);
    put("fonts/zero_em.ttf", zeroEm);
    std::string manyTables = real.substr(0, 64);
    manyTables[4] = manyTables[5] = '\xff'; // 65535 tables listed in 64 bytes
    put("fonts/many_tables.ttf", manyTables);
    put("fonts/collection.ttf", std::string("ttcf\x00\x01\x00\x00\x00\x00\x00\x01\x7f\xff\xff\xf0", 16));
    put("fonts/noise.ttf", real.substr(real.size() / 2));

    Label* fallback = Label::createWithSystemFont("abc", "Unknown Face", 20);
    expectSaneSize(fallback, "fallback");
    float width = fallback->getContentSize().width;
    EXPECT_GT(width, 10);
    for (const char* name : {"fonts/zero_em.ttf", "fonts/many_tables.ttf", "fonts/collection.ttf", "fonts/noise.ttf",
                             "fonts/absent.ttf", "/no/such/folder/font.ttf"})
    {
        Label* label = Label::createWithSystemFont("abc", name, 20);
        expectSaneSize(label, name);
        EXPECT_FLOAT_EQ(width, label->getContentSize().width) << name;
        expectSaneSize(Label::createWithSystemFont("", name, 20), name);
    }
}

} // namespace
