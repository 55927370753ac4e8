// The XML reader and writer, UTF-8 conversions and byte buffers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/CCData.h"
#include "base/ccUTF8.h"
#include "platform/CCSAXParser.h"
#include "platform/CCXmlDocument.h"

USING_NS_CC;

namespace {

// Writes every event as one line: "<name a=v>", "</name>", "text".
class EventLog : public SAXDelegator
{
public:
    void startElement(void*, const char* name, const char** atts) override
    {
        std::string line = std::string("<") + name;
        for (int i = 0; atts && atts[i]; i += 2) line += std::string(" ") + atts[i] + "=" + atts[i + 1];
        events.push_back(line + ">");
    }
    void endElement(void*, const char* name) override { events.push_back(std::string("</") + name + ">"); }
    void textHandler(void*, const char* s, int len) override
    {
        std::string text(s, static_cast<size_t>(len));
        if (text.find_first_not_of(" \n\t") != std::string::npos) events.push_back(text);
    }
    std::vector<std::string> events;
};

std::vector<std::string> parse(const std::string& xml, bool* ok = nullptr)
{
    EventLog log;
    SAXParser parser;
    parser.setDelegator(&log);
    bool result = parser.parse(xml.data(), xml.size());
    if (ok) *ok = result;
    return log.events;
}

TEST(MediaXml, ElementsAttributesTextAndEntities)
{
    bool ok = false;
    std::vector<std::string> events = parse(
        "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n"
        "<!DOCTYPE root [ <!ELEMENT root ANY> ]>\n"
        "<root a=\"1\" b='two words'>\n"
        "  <!-- <ignored/> -->\n"
        "  <leaf/>\n"
        "  <t>x &lt; y &amp;&amp; &#65;&#x42; &quot;q&quot; &apos;</t>\n"
        "  <c><![CDATA[<raw & kept>]]></c>\n"
        "</root>\n",
        &ok);
    EXPECT_TRUE(ok);
    std::vector<std::string> expected = {"<root a=1 b=two words>",
                                         "<leaf>",
                                         "</leaf>",
                                         "<t>",
                                         "x < y && AB \"q\" '",
                                         "</t>",
                                         "<c>",
                                         "<raw & kept>",
                                         "</c>",
                                         "</root>"};
    EXPECT_EQ(expected, events);
}

TEST(MediaXml, CharacterReferencesBecomeUtf8)
{
    std::vector<std::string> events = parse("<r>&#x4E2D;&#20013;&#x1F600;</r>");
    ASSERT_EQ(3u, events.size());
    EXPECT_EQ("\xE4\xB8\xAD\xE4\xB8\xAD\xF0\x9F\x98\x80", events[1]);
}

TEST(MediaXml, MalformedDocumentsAreRefused)
{
    const char* bad[] = {
        "<a><b></a></b>",        // crossed
        "<a>",                   // unclosed
        "<a></a><b></b>",        // two roots
        "text<a/>",              // text outside the root
        "<a x=1/>",              // unquoted attribute
        "<a x=\"1/>",            // unterminated attribute
        "<a>&unknown;</a>",      // unknown entity
        "<a>&#xZZ;</a>",         // bad reference
        "<a><!-- open </a>",     // unterminated comment
        "<a><![CDATA[ open</a>", // unterminated CDATA
        "",
    };
    for (const char* xml : bad)
    {
        bool ok = true;
        parse(xml, &ok);
        EXPECT_FALSE(ok) << xml;
    }
    std::string deep;
    for (int i = 0; i <= SAXParser::kMaxDepth; ++i) deep += "<d>";
    bool ok = true;
    parse(deep, &ok);
    EXPECT_FALSE(ok);
}

TEST(MediaXml, TreesReadAndWriteBack)
{
    std::unique_ptr<XmlElement> root = XmlDocument::parse("<cfg v=\"a&amp;b\">\n\t<x>1</x>\n\t<y/>\n\t<x>2</x>\n</cfg>");
    ASSERT_NE(nullptr, root);
    EXPECT_EQ("cfg", root->name);
    EXPECT_EQ("", root->text); // indentation is not content
    ASSERT_EQ(1u, root->attributes.size());
    EXPECT_EQ("a&b", root->attributes[0].second);
    ASSERT_NE(nullptr, root->firstChild("x"));
    EXPECT_EQ("1", root->firstChild("x")->text);
    EXPECT_EQ(2, root->removeChildren("x"));
    root->addChild("z")->text = "<&\">";

    std::string written = XmlDocument::write(*root);
    std::unique_ptr<XmlElement> again = XmlDocument::parse(written);
    ASSERT_NE(nullptr, again);
    ASSERT_EQ(2u, again->children.size());
    EXPECT_EQ("<&\">", again->firstChild("z")->text);
    EXPECT_EQ(written, XmlDocument::write(*again)); // stable: no whitespace creeps in
    EXPECT_EQ(nullptr, XmlDocument::parse("<broken>"));
}

TEST(MediaXml, Utf8ConversionsAndTheirFailures)
{
    std::u16string u16;
    ASSERT_TRUE(StringUtils::UTF8ToUTF16("a\xE4\xB8\xAD\xF0\x9F\x98\x80", u16));
    ASSERT_EQ(4u, u16.size()); // the emoji is a surrogate pair
    EXPECT_EQ(0x4E2D, u16[1]);
    EXPECT_EQ(0xD83D, u16[2]);
    std::string back;
    ASSERT_TRUE(StringUtils::UTF16ToUTF8(u16, back));
    EXPECT_EQ("a\xE4\xB8\xAD\xF0\x9F\x98\x80", back);

    std::u32string u32;
    EXPECT_FALSE(StringUtils::UTF8ToUTF32("\xE4\xB8", u32));     // cut short
    EXPECT_FALSE(StringUtils::UTF8ToUTF32("\xC0\xAF", u32));     // overlong
    EXPECT_FALSE(StringUtils::UTF8ToUTF32("\xED\xA0\x80", u32)); // a surrogate
    EXPECT_FALSE(StringUtils::UTF8ToUTF32("\xFF", u32));
    EXPECT_FALSE(StringUtils::UTF16ToUTF8(std::u16string(1, static_cast<char16_t>(0xDC00)), back));
    EXPECT_EQ(3, StringUtils::getCharacterCountInUTF8String("a\xE4\xB8\xAD\xF0\x9F\x98\x80"));
    EXPECT_EQ("x=5 y=ab", StringUtils::format("x=%d y=%s", 5, "ab"));
    EXPECT_EQ(std::string(300, 'z'), StringUtils::format("%s", std::string(300, 'z').c_str()));
}

TEST(MediaXml, DataOwnsItsBytes)
{
    const unsigned char bytes[] = {1, 2, 3};
    Data a;
    EXPECT_TRUE(a.isNull());
    a.copy(bytes, 3);
    Data b = a; // a copy of its own
    b.getBytes()[0] = 9;
    EXPECT_EQ(1, a.getBytes()[0]);
    Data c = std::move(b);
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(9, c.getBytes()[0]);
    ssize_t size = 0;
    unsigned char* taken = c.takeBuffer(&size);
    EXPECT_EQ(3, size);
    EXPECT_TRUE(c.isNull());
    std::free(taken);
    a.copy(nullptr, 5);
    EXPECT_TRUE(a.isNull());
}

} // namespace
