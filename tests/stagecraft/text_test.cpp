// UTF-8 / 16-bit Unicode conversions, string helpers, MD5 digests and time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "services/CMD5.h"
#include "services/TzStringUtil.h"
#include "services/TzTextConvert.h"
#include "services/TzTime.h"

TEST(Utf8Units, DecodesOneCharacter)
{
    const struct {
        const char* bytes;
        int used;
        unsigned unit;
    } cases[] = {
        { "\xe4\xbd\xa0", 3, 0x4F60 }, { "\xc3\xa9x", 2, 0xE9 }, { "A", 1, 0x41 }, { "\xc2\x80", 2, 0x80 },
        // The three-byte form the encoder writes for 0x80 to 0x7FF reads back.
        { "\xe0\x9f\xbf", 3, 0x7FF },
        // Longer forms of one-byte characters (0 among them) and surrogate
        // halves are no characters.
        { "\xc1\xbf", 2, 0xFFFD }, { "\xc0\x80", 2, 0xFFFD }, { "\xe0\x80\x80", 3, 0xFFFD },
        { "\xed\xa0\x80", 3, 0xFFFD },
    };
    for (const auto& c : cases) {
        wchar_t unit = 0;
        EXPECT_EQ(TzConverUtf8ToUnicode(&unit, c.bytes), c.used) << c.bytes;
        EXPECT_EQ(static_cast<unsigned>(unit), c.unit) << c.bytes;
    }
}

TEST(Utf8Units, EncodesOneUnitAsOneOrThreeBytes)
{
    char out[4] = {};
    EXPECT_EQ(TzConverUnicodeToUtf8(out, static_cast<wchar_t>(0xE9)), 3);
    EXPECT_EQ(std::string(out, 3), "\xe0\x83\xa9");
    wchar_t back = 0;
    EXPECT_EQ(TzConverUtf8ToUnicode(&back, out), 3);
    EXPECT_EQ(static_cast<unsigned>(back), 0xE9u);
    EXPECT_EQ(TzConverUnicodeToUtf8(out, L'z'), 1);
    EXPECT_EQ(out[0], 'z');
}

TEST(Utf8Units, TruncatedSequencesStopAtTheTerminator)
{
    // The bytes after the terminator must never be read as part of a character.
    const char cut2[] = { '\xc3', 0, '\x80', 0 };
    const char cut3[] = { '\xe4', '\xbd', 0, '\x80', 0 };
    wchar_t unit = 0;
    EXPECT_EQ(TzConverUtf8ToUnicode(&unit, cut2), 1);
    EXPECT_EQ(TzConverUtf8ToUnicode(&unit, cut3), 2);

    wchar_t units[8];
    EXPECT_EQ(TzConverUtf8ToUnicodeWithArray(units, 8, cut3), 1);
    EXPECT_EQ(units[1], 0);
    EXPECT_EQ(TzGetUnicodeArrayLengthWithUtf8(cut3), 1);
}

TEST(Utf8Units, StrayAndFourByteSequencesAdvance)
{
    wchar_t units[8];
    // A stray continuation byte, then a four-byte character, then "a".
    EXPECT_EQ(TzConverUtf8ToUnicodeWithArray(units, 8, "\x80\xf0\x9f\x98\x80" "a"), 3);
    EXPECT_EQ(units[2], L'a');
}

TEST(Utf8Units, NoCharacterFormsDoNotEndAnArray)
{
    wchar_t units[8];
    EXPECT_EQ(TzConverUtf8ToUnicodeWithArray(units, 8, "a\xc0\x80" "b\xe0\x80\x80" "c"), 5);
    EXPECT_EQ(units[1], static_cast<wchar_t>(0xFFFD));
    EXPECT_EQ(units[3], static_cast<wchar_t>(0xFFFD));
    EXPECT_EQ(units[4], L'c');
    EXPECT_EQ(TzGetUnicodeArrayLengthWithUtf8("a\xc0\x80" "b"), 3);
}

TEST(Utf8Units, BoundedArrayWriterRefusesWhatDoesNotFit)
{
    wchar_t units[] = { L'a', static_cast<wchar_t>(0x4F60), L'b', 0 };  // 1 + 3 + 1 bytes
    char out[8];
    std::memset(out, 'Z', sizeof(out));
    EXPECT_EQ(TzConverUnicodeToUtf8WithArray(out, 6, units), 5);
    EXPECT_STREQ(out, "a\xe4\xbd\xa0" "b");
    EXPECT_EQ(out[6], 'Z');

    std::memset(out, 'Z', sizeof(out));
    EXPECT_EQ(TzConverUnicodeToUtf8WithArray(out, 5, units), -1);  // no room for the terminator
    EXPECT_STREQ(out, "");
    EXPECT_EQ(out[5], 'Z');
    EXPECT_EQ(TzConverUnicodeToUtf8WithArray(out, 3, units), -1);  // the character would be cut
    EXPECT_STREQ(out, "");

    EXPECT_EQ(TzConverUnicodeToUtf8WithArray(out, 8, nullptr), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(TzConverUnicodeToUtf8WithArray(out, 0, units), -1);
    EXPECT_EQ(TzConverUnicodeToUtf8WithArray(nullptr, 8, units), -1);
}

TEST(Utf8Units, ArraysRoundTrip)
{
    wchar_t units[16];
    EXPECT_EQ(TzConverUtf8ToUnicodeWithArray(units, 16, "a\xe4\xbd\xa0\xe5\xa5\xbd"), 3);
    EXPECT_EQ(TzGetUnicodeArrayLength(units), 3);
    EXPECT_EQ(TzConverUnicodeToUtf8(units), "a\xe4\xbd\xa0\xe5\xa5\xbd");

    char out[16] = {};
    TzConverUnicodeToUtf8WithArray(out, units);
    EXPECT_STREQ(out, "a\xe4\xbd\xa0\xe5\xa5\xbd");

    EXPECT_EQ(TzConverUtf8ToUnicodeWithArray(units, 16, nullptr), 0);
    EXPECT_EQ(TzGetUnicodeArrayLengthWithUtf8("\xe4\xbd\xa0\xe5\xa5\xbd"), 2);
}

TEST(Utf8Units, ArraysStayWithinTheirBounds)
{
    // Four units of room: three characters and the terminator; the guard after
    // the array keeps its value.
    wchar_t units[5];
    units[4] = 0x7777;
    EXPECT_EQ(TzConverUtf8ToUnicodeWithArray(units, 4, "abcdefgh"), 3);
    EXPECT_EQ(units[3], 0);
    EXPECT_EQ(units[4], 0x7777);

    // 400 CJK units need 1200 bytes; the text form keeps whole characters in 1023.
    std::wstring many(400, static_cast<wchar_t>(0x4F60));
    const std::string text = TzConverUnicodeToUtf8(&many[0]);
    EXPECT_EQ(text.size(), 1023u);
    EXPECT_EQ(TzGetUnicodeArrayLengthWithUtf8(std::string(1500, 'x').c_str()), 1023);
}

TEST(Strings, SwitchStringToValue)
{
    int consumed = 0;
    EXPECT_EQ(SwitchStringToValue("x=42;", consumed), 42);
    EXPECT_EQ(consumed, 4);
    EXPECT_EQ(SwitchStringToValue("7", consumed), 7);
    EXPECT_EQ(consumed, 5); // increased, not reset

    consumed = 0;
    EXPECT_EQ(SwitchStringToValue("", consumed), 0);
    EXPECT_EQ(SwitchStringToValue(nullptr, consumed), 0);
    EXPECT_EQ(consumed, 0);
    // A byte with its high bit set ends the skipping.
    EXPECT_EQ(SwitchStringToValue("ab\xcd\xf2" "12", consumed), 0);
    EXPECT_EQ(consumed, 2);
    consumed = 0;
    EXPECT_EQ(SwitchStringToValue("-15", consumed), 15); // no sign
}

TEST(Strings, ReplaceStringWithString)
{
    int position = 99;
    EXPECT_STREQ(TzReplaceStringWithString("a-b-c", "-", "+", position), "a+b+c");
    EXPECT_EQ(position, -1);
    EXPECT_STREQ(TzReplaceStringWithString("none", "x", "y", position), "none");
    EXPECT_EQ(position, -1);
    // Each pass searches the whole text again.
    EXPECT_STREQ(TzReplaceStringWithString("aab", "ab", "b", position), "b");
    // A replacement containing the word ends instead of growing forever.
    EXPECT_STREQ(TzReplaceStringWithString("ab", "a", "aa", position), "aab");
    // Occurrences that keep forming anew ("ab" by "bba" doubles the text for
    // each 'a') stop once the text outgrows what one pass could make of it.
    const std::string grows = std::string(40, 'a') + "b";
    EXPECT_LE(std::strlen(TzReplaceStringWithString(grows.c_str(), "ab", "bba", position)), 41u + 21u * 3u);
    EXPECT_STREQ(TzReplaceStringWithString("abc", "", "x", position), "abc");
    EXPECT_STREQ(TzReplaceStringWithString(nullptr, "a", "b", position), "");
    // A shorter replacement leaves no occurrence anywhere: runs collapse.
    EXPECT_STREQ(TzReplaceStringWithString("a     b  c", "  ", " ", position), "a b c");
    EXPECT_STREQ(TzReplaceStringWithString("xaabby", "ab", "", position), "xy");
    // A replacement that rebuilds the word with the text beside it ends.
    EXPECT_STREQ(TzReplaceStringWithString("aab", "ab", "bbaa", position), "abbaa");
    EXPECT_STREQ(TzReplaceStringWithString("abb", "ab", "xa", position), "xxa");
    EXPECT_EQ(position, -1);
}

TEST(Strings, ReplaceStringWithStringOverLongTexts)
{
    // Searching the whole text again after every replacement takes hours here.
    const size_t n = 1 << 20;
    int position = 0;
    const std::string as(n, 'a');
    EXPECT_EQ(std::string(TzReplaceStringWithString(as.c_str(), "a", "bc", position)).size(), 2 * n);
    EXPECT_STREQ(TzReplaceStringWithString(as.c_str(), "aa", "a", position), "a");
    std::string grow(n, 'a');
    grow += 'b';
    EXPECT_EQ(std::string(TzReplaceStringWithString(grow.c_str(), "ab", "bbaa", position)).size(), n + 3);
}

TEST(Strings, NewCharTruncatesAndTerminates)
{
    char buffer[8];
    std::memset(buffer, 'Z', sizeof(buffer));
    TzNewChar(buffer, 6, "%s-%d", "abc", 1234);
    EXPECT_STREQ(buffer, "abc-1");
    EXPECT_EQ(buffer[6], 'Z');
    TzNewChar(buffer, 8, "%d", 7);
    EXPECT_STREQ(buffer, "7");
    EXPECT_EQ(buffer[7], 0);
}

TEST(Digest, KnownDigests)
{
    CMD5 md5;
    EXPECT_STREQ(md5.MD5_Algorithm("abc"), "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_STREQ(md5.MD5_Algorithm(""), "D41D8CD98F00B204E9800998ECF8427E");
    // 56 and 64 bytes need a second padding block.
    EXPECT_STREQ(TzConverUft8ToMD5("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
                 "8215EF0796A20BCAAAE116D3876C664A");
    EXPECT_STREQ(TzConverUft8ToMD5(std::string(64, 'a').c_str()), "014842D480B571495A4A0363793F7367");
    EXPECT_STREQ(TzConverUft8ToMD5(std::string(1000, 'a').c_str()), "CABE45DCC9AE5B66BA86600CCA6B8BA8");
}

TEST(Digest, SharedBufferAndWideForm)
{
    char* first = TzConverUft8ToMD5("abc");
    char* second = TzConverUft8ToMD5("");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "D41D8CD98F00B204E9800998ECF8427E");

    wchar_t wide[40];
    TzConverUtf8ToMD5Unicode(wide, 40, "abc");
    EXPECT_EQ(TzGetUnicodeArrayLength(wide), 32);
    EXPECT_EQ(wide[0], L'9');
    EXPECT_EQ(wide[31], L'2');
}

TEST(Time, MillisecondsFollowTheClock)
{
    const long sec = TzSystemTimeNowSec();
    EXPECT_LE(sec, TzSystemSecond());
    EXPECT_GT(sec, 1600000000L);
    const long before = TzMillisecondNow();
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    const long after = TzMillisecondNow();
    EXPECT_GE(after - before, 50);
    EXPECT_LT(after - before, 5000);
}
