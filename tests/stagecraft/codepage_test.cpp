// ANSI (code page 936) <-> UTF-8 conversions and the expansion of Chinese
// number-unit words, run natively and under Wine with code page 936.
#include <gtest/gtest.h>

#include <string>

#include "services/TzStringUtil.h"
#include "services/TzTextConvert.h"

#if defined(_WIN32)
#  include <windows.h>
#endif

namespace {

// "你好万" in code page 936 and in UTF-8.
const char kAnsiText[] = "\xc4\xe3\xba\xc3\xcd\xf2";
const char kUtf8Text[] = "\xe4\xbd\xa0\xe5\xa5\xbd\xe4\xb8\x87";

} // namespace

#if defined(_WIN32)
TEST(CodePage, SystemCodePageIs936)
{
    ASSERT_EQ(GetACP(), 936u) << "run with LC_ALL=zh_CN.UTF-8 so Wine's ANSI code page is GBK";
}
#endif

TEST(CodePage, AnsiAndUtf8RoundTrip)
{
    EXPECT_EQ(AnsiToUtf8(kAnsiText), kUtf8Text);
    EXPECT_EQ(TzConverUtf8(kAnsiText), kUtf8Text);
    EXPECT_EQ(Utf8ToAnsi(kUtf8Text), kAnsiText);
    EXPECT_EQ(AnsiToUtf8("plain 123"), "plain 123");
    EXPECT_EQ(AnsiToUtf8(""), "");
    EXPECT_EQ(Utf8ToAnsi(""), "");
}

TEST(CodePage, InvalidInputStillConverts)
{
    // A lead byte cut off at the end and a UTF-8 sequence without its last byte.
    const std::string ansi = AnsiToUtf8("ab\xc4");
    EXPECT_EQ(ansi.compare(0, 2, "ab"), 0);
    const std::string utf8 = Utf8ToAnsi("ab\xe4\xbd");
    EXPECT_EQ(utf8.compare(0, 2, "ab"), 0);
}

TEST(CodePage, EachCharacterWithoutAnAnsiFormBecomesOneQuestionMark)
{
    // A Thai letter (three bytes) and a Korean syllable have no form in code
    // page 936; a stray byte is no character at all.
    EXPECT_EQ(Utf8ToAnsi("a\xe0\xb8\x81" "b\xed\x95\x9c" "c"), "a?b?c");
    EXPECT_EQ(Utf8ToAnsi("\xe4\xbd\xa0\xff\xe5\xa5\xbd"), "\xc4\xe3?\xba\xc3");
}

TEST(NumberUnits, ExpandsUnitWords)
{
    EXPECT_STREQ(TzConverString("3\xcd\xf2"), "30000");             // 3万
    EXPECT_STREQ(TzConverString("2\xc7\xa7\xcd\xf2"), "20000000");  // 2千万
    EXPECT_STREQ(TzConverString("5\xb0\xd9\xcd\xf2"), "5000000");   // 5百万
    EXPECT_STREQ(TzConverString("7\xca\xae\xcd\xf2"), "700000");    // 7十万
    EXPECT_STREQ(TzConverString("1\xd2\xda"), "100000000");         // 1亿
    EXPECT_STREQ(TzConverString("1\xd2\xda" "2\xcd\xf2"), "10000000020000"); // 1亿2万
    EXPECT_STREQ(TzConverString("no units"), "no units");
    EXPECT_STREQ(TzConverString(""), "");
}

TEST(NumberUnits, MatchesWholeCharactersOnly)
{
    // The characters B0 CD and F2 B2: the bytes CD F2 between them straddle two
    // characters and are not the word 万.
    const char text[] = "1\xb0\xcd\xf2\xb2";
    EXPECT_STREQ(TzConverString(text), text);
}

TEST(NumberUnits, ExpandedTextReadsAsNumber)
{
    int consumed = 0;
    EXPECT_EQ(SwitchStringToValue(TzConverString("win 3\xcd\xf2"), consumed), 30000);
}
