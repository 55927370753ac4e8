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
    std::string result = text != nullptr ? text : "";
    const std::string what = find != nullptr ? find : "";
    const std::string with = replace != nullptr ? replace : "";
    position = -1;
    if (!what.empty()) {
        size_t at = result.find(what);
        position = at == std::string::npos ? -1 : static_cast<int>(at);
        // After each replacement the first occurrence is looked for again, so
        // occurrences the replacement forms with the text around it are
        // replaced too. None can start before the replaced place less the
        // word's length, the text there being unchanged and free of it. When
        // the replacement itself contains the word, searching again there
        // would never end, so the search then goes on after it.
        const bool resumeAfter = with.find(what) != std::string::npos;
        // Occurrences that keep forming anew can grow the text without end
        // ("ab" by "bba" doubles it for each 'a' before the 'b'); the
        // replacing stops once the text is longer than one pass over the
        // original could make it.
        const size_t longest = result.size() + (result.size() / what.size() + 1) * with.size();
        while (at != std::string::npos && result.size() - what.size() + with.size() <= longest) {
            result.replace(at, what.size(), with);
            const size_t from = resumeAfter ? at + with.size() : (at >= what.size() ? at - what.size() + 1 : 0);
            at = result.find(what, from);
        }
        position = -1;
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
