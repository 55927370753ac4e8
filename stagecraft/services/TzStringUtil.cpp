#include "services/TzStringUtil.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The unit words in code page 936, longest first so that "千万" is not read
// as "千" followed by "万".
struct UnitWord {
    const char* word;
    const char* zeros;
};

const UnitWord kUnitWords[] = {
    { "\xd2\xda", "00000000" },     // 亿
    { "\xc7\xa7\xcd\xf2", "0000000" }, // 千万
    { "\xb0\xd9\xcd\xf2", "000000" },  // 百万
    { "\xca\xae\xcd\xf2", "00000" },   // 十万
    { "\xcd\xf2", "0000" },          // 万
};

std::string g_convertedText;
std::string g_replacedText;

// Lead bytes of double-byte characters in code page 936.
bool IsDoubleByteLead(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}

// Replaces every occurrence of word in ANSI text, matching on character
// boundaries only, so the trail byte of one character and the lead byte of the
// next never count as a word.
void ReplaceAnsiWord(std::string& text, const std::string& word, const std::string& zeros)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, word.size(), word) == 0) {
            out += zeros;
            i += word.size();
            continue;
        }
        const size_t step =
            (IsDoubleByteLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
        out.append(text, i, step);
        i += step;
    }
    text.swap(out);
}

} // namespace

const char* TzConverString(const char* ansi)
{
    g_convertedText = ansi != nullptr ? ansi : "";
    for (const UnitWord& unit : kUnitWords)
        ReplaceAnsiWord(g_convertedText, unit.word, unit.zeros);
    return g_convertedText.c_str();
}

const char* TzReplaceStringWithString(const char* text, const char* find, const char* replace, int& position)
{
    const std::string input = text != nullptr ? text : "";
    const std::string what = find != nullptr ? find : "";
    const std::string with = replace != nullptr ? replace : "";
    position = -1;
    if (what.empty()) {
        g_replacedText = input;
        return g_replacedText.c_str();
    }
    // One pass: each character read is appended to the result and the word
    // is looked for at the result's end, so occurrences go from first to
    // last. A replacement shorter than the word is read again like the text:
    // the result then holds the word nowhere, as when the text is searched
    // again from the start after each replacement, and as each replacement
    // shortens the text this ends. A longer or equal one is appended as it
    // is and joins only with what follows it: read again, it could rebuild
    // the word with the text beside it for ever ("aab", "ab", "bbaa").
    const bool readAgain = with.size() < what.size();
    std::string result;
    result.reserve(input.size());
    std::string pending;  // replacements still to be read, last one first
    size_t next = 0;
    while (next < input.size() || !pending.empty()) {
        if (!pending.empty()) {
            result += pending.back();
            pending.pop_back();
        } else {
            result += input[next++];
        }
        if (result.size() < what.size() || result.back() != what.back() ||
            result.compare(result.size() - what.size(), what.size(), what) != 0)
            continue;
        result.resize(result.size() - what.size());
        if (readAgain)
            pending.append(with.rbegin(), with.rend());
        else
            result += with;
    }
    g_replacedText.swap(result);
    return g_replacedText.c_str();
}

int SwitchStringToValue(const char* text, int& consumed)
{
    if (text == nullptr || *text == 0)
        return 0;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != 0 && *p < 0x80 && !(*p >= '0' && *p <= '9'))
        ++p;
    // Unsigned arithmetic: an over-long number wraps instead of overflowing.
    unsigned int value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10u + static_cast<unsigned int>(*p - '0');
        ++p;
    }
    consumed += static_cast<int>(p - reinterpret_cast<const unsigned char*>(text));
    return static_cast<int>(value);
}

void TzNewChar(char* buffer, unsigned short size, const char* format, ...)
{
    if (buffer == nullptr || size == 0)
        return;
    std::memset(buffer, 0, size);
    if (format == nullptr)
        return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, size, format, args);
    va_end(args);
    buffer[size - 1] = 0;
}
