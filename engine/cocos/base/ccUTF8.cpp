#include "base/ccUTF8.h"

#include <cstdarg>
#include <cstdio>

NS_CC_BEGIN

namespace StringUtils {

std::string format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int needed = vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out;
    if (needed > 0)
    {
        out.resize(static_cast<size_t>(needed) + 1);
        vsnprintf(&out[0], out.size(), fmt, args);
        out.resize(static_cast<size_t>(needed));
    }
    va_end(args);
    return out;
}

namespace {

// Decodes one code point at s[i]; advances i. False for malformed input
// (bad lead byte, truncated or bad continuation, overlong form, surrogate,
// out of range).
bool decodeUtf8(const std::string& s, size_t& i, char32_t& cp)
{
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra;
    char32_t minimum;
    if (c < 0x80) { cp = c; ++i; return true; }
    else if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; minimum = 0x80; }
    else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; minimum = 0x800; }
    else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; minimum = 0x10000; }
    else return false;
    if (i + extra >= s.size()) return false;
    for (int k = 1; k <= extra; ++k)
    {
        unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
    return true;
}

void encodeUtf8(char32_t cp, std::string& out)
{
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800)
    {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else if (cp < 0x10000)
    {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void encodeUtf16(char32_t cp, std::u16string& out)
{
    if (cp < 0x10000) out += static_cast<char16_t>(cp);
    else
    {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (cp >> 10));
        out += static_cast<char16_t>(0xDC00 | (cp & 0x3FF));
    }
}

bool decodeUtf16(const std::u16string& s, size_t& i, char32_t& cp)
{
    char16_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF)
    {
        if (i + 1 >= s.size()) return false;
        char16_t low = s[i + 1];
        if (low < 0xDC00 || low > 0xDFFF) return false;
        cp = 0x10000 + ((static_cast<char32_t>(c & 0x3FF) << 10) | (low & 0x3FF));
        i += 2;
        return true;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) return false;
    cp = c;
    ++i;
    return true;
}

bool validCodePoint(char32_t cp)
{
    return cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

} // namespace

bool UTF8ToUTF32(const std::string& utf8, std::u32string& outUtf32)
{
    std::u32string out;
    for (size_t i = 0; i < utf8.size();)
    {
        char32_t cp;
        if (!decodeUtf8(utf8, i, cp)) return false;
        out += cp;
    }
    outUtf32.swap(out);
    return true;
}

bool UTF8ToUTF16(const std::string& utf8, std::u16string& outUtf16)
{
    std::u16string out;
    for (size_t i = 0; i < utf8.size();)
    {
        char32_t cp;
        if (!decodeUtf8(utf8, i, cp)) return false;
        encodeUtf16(cp, out);
    }
    outUtf16.swap(out);
    return true;
}

bool UTF16ToUTF8(const std::u16string& utf16, std::string& outUtf8)
{
    std::string out;
    for (size_t i = 0; i < utf16.size();)
    {
        char32_t cp;
        if (!decodeUtf16(utf16, i, cp)) return false;
        encodeUtf8(cp, out);
    }
    outUtf8.swap(out);
    return true;
}

bool UTF32ToUTF8(const std::u32string& utf32, std::string& outUtf8)
{
    std::string out;
    for (char32_t cp : utf32)
    {
        if (!validCodePoint(cp)) return false;
        encodeUtf8(cp, out);
    }
    outUtf8.swap(out);
    return true;
}

bool UTF16ToUTF32(const std::u16string& utf16, std::u32string& outUtf32)
{
    std::u32string out;
    for (size_t i = 0; i < utf16.size();)
    {
        char32_t cp;
        if (!decodeUtf16(utf16, i, cp)) return false;
        out += cp;
    }
    outUtf32.swap(out);
    return true;
}

bool UTF32ToUTF16(const std::u32string& utf32, std::u16string& outUtf16)
{
    std::u16string out;
    for (char32_t cp : utf32)
    {
        if (!validCodePoint(cp)) return false;
        encodeUtf16(cp, out);
    }
    outUtf16.swap(out);
    return true;
}

bool isUnicodeSpace(char32_t ch)
{
    return (ch >= 0x0009 && ch <= 0x000D) || ch == 0x0020 || ch == 0x0085 || ch == 0x00A0 || ch == 0x1680
        || (ch >= 0x2000 && ch <= 0x200A) || ch == 0x2028 || ch == 0x2029 || ch == 0x202F
        || ch == 0x205F || ch == 0x3000;
}

bool isCJKUnicode(char32_t ch)
{
    return (ch >= 0x4E00 && ch <= 0x9FBF) || (ch >= 0x2E80 && ch <= 0x2FDF) || (ch >= 0x2FF0 && ch <= 0x30FF)
        || (ch >= 0x3100 && ch <= 0x31BF) || (ch >= 0x3200 && ch <= 0x9FFF) || (ch >= 0xAC00 && ch <= 0xD7AF)
        || (ch >= 0xF900 && ch <= 0xFAFF) || (ch >= 0xFE30 && ch <= 0xFE4F) || (ch >= 0x31C0 && ch <= 0x4DFF)
        || (ch >= 0xFF00 && ch <= 0xFFEF);
}

long getCharacterCountInUTF8String(const std::string& utf8)
{
    return cc_utf8_strlen(utf8.c_str(), static_cast<int>(utf8.size()));
}

unsigned int getIndexOfLastNotChar16(const std::vector<char16_t>& str, char16_t c)
{
    int len = static_cast<int>(str.size());
    int i = len - 1;
    for (; i >= 0; --i)
        if (str[i] != c) return static_cast<unsigned int>(i);
    return static_cast<unsigned int>(i);
}

void trimUTF16Vector(std::vector<char16_t>& str)
{
    size_t len = str.size();
    if (len == 0) return;
    size_t last = len;
    while (last > 0 && isUnicodeSpace(str[last - 1])) --last;
    str.erase(str.begin() + last, str.end());
}

std::vector<char16_t> getChar16VectorFromUTF16String(const std::u16string& utf16)
{
    return std::vector<char16_t>(utf16.begin(), utf16.end());
}

} // namespace StringUtils

long cc_utf8_strlen(const char* p, int max)
{
    if (!p) return 0;
    long count = 0;
    for (int i = 0; (max < 0 || i < max) && p[i]; ++i)
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) ++count;
    return count;
}

NS_CC_END
