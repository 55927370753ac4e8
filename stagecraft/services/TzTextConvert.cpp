#include "services/TzTextConvert.h"

#include <cstring>
#include <vector>

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <cerrno>
#  include <iconv.h>
#endif

namespace {

// Text the unit decoder produces for bytes it cannot read.
const wchar_t kReplacementUnit = 0xFFFD;

// Output buffer of TzConverUnicodeToUtf8(wchar_t*): 1023 bytes and a terminator.
const size_t kUtf8TextBytes = 1024;

// Units of the buffer TzGetUnicodeArrayLengthWithUtf8 decodes into.
const int kUnicodeCountUnits = 1024;

// Number of continuation bytes a lead byte announces, or -1 for a byte that
// cannot start a character.
int ContinuationCount(unsigned char lead)
{
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC0 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF7)
        return 3;
    return -1;
}

#if defined(_WIN32)

std::string ConvertCodePage(const std::string& text, UINT from, UINT to)
{
    if (text.empty())
        return std::string();
    const int inLength = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(from, 0, text.data(), inLength, nullptr, 0);
    if (wideLength <= 0)
        return std::string();
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    MultiByteToWideChar(from, 0, text.data(), inLength, wide.data(), wideLength);
    const int outLength = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0)
        return std::string();
    std::string out(static_cast<size_t>(outLength), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, &out[0], outLength, nullptr, nullptr);
    return out;
}

#else

// Linux has no ANSI code page; GBK's Microsoft form (CP936) stands for it.
const char kAnsiCharset[] = "CP936";

// Bytes of the one character at text (left bytes remain) in the given
// character set, so that a character iconv cannot convert is skipped whole.
size_t CharacterBytes(const unsigned char* text, size_t left, bool utf8)
{
    if (left == 0)
        return 0;
    if (utf8) {
        // The lead byte and the continuation bytes it announces that follow.
        const int more = ContinuationCount(text[0]);
        size_t n = 1;
        while (more > 0 && n <= static_cast<size_t>(more) && n < left && (text[n] & 0xC0) == 0x80)
            ++n;
        return n;
    }
    // Code page 936: a lead byte and its trail byte.
    const bool lead = text[0] >= 0x81 && text[0] <= 0xFE;
    const bool trail = left > 1 && text[1] >= 0x40 && text[1] <= 0xFE && text[1] != 0x7F;
    return lead && trail ? 2 : 1;
}

// Converts with iconv. A character that cannot be read or has no form in the
// target set becomes one '?' and the conversion goes on after it, as the
// system conversion substitutes its default character.
std::string ConvertCharset(const std::string& text, const char* from, const char* to)
{
    if (text.empty())
        return std::string();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string();

    const bool fromUtf8 = std::strcmp(from, "UTF-8") == 0;
    std::string out;
    std::vector<char> chunk(4 * text.size() + 16);
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* dst = chunk.data();
        size_t dstLeft = chunk.size();
        const size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(chunk.data(), chunk.size() - dstLeft);
        if (rc != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG)
            continue;
        // EILSEQ: a character that is invalid or has no form in the target
        // set; EINVAL: a character cut short at the end.
        out.push_back('?');
        const size_t skip = CharacterBytes(reinterpret_cast<const unsigned char*>(in), inLeft, fromUtf8);
        in += skip;
        inLeft -= skip;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv_close(cd);
    return out;
}

#endif

// Encodes units into out, whole characters while they fit in capacity bytes
// (the terminator not counted); returns the bytes written. *complete tells
// whether every unit was written.
size_t EncodeUnits(char* out, size_t capacity, const wchar_t* units, bool* complete)
{
    size_t used = 0;
    char bytes[3];
    for (; *units != 0; ++units) {
        const size_t n = static_cast<size_t>(TzConverUnicodeToUtf8(bytes, *units));
        if (n > capacity - used) {
            *complete = false;
            return used;
        }
        std::memcpy(out + used, bytes, n);
        used += n;
    }
    *complete = true;
    return used;
}

} // namespace

std::string AnsiToUtf8(std::string ansi)
{
#if defined(_WIN32)
    return ConvertCodePage(ansi, CP_ACP, CP_UTF8);
#else
    return ConvertCharset(ansi, kAnsiCharset, "UTF-8");
#endif
}

std::string Utf8ToAnsi(std::string utf8)
{
#if defined(_WIN32)
    return ConvertCodePage(utf8, CP_UTF8, CP_ACP);
#else
    return ConvertCharset(utf8, "UTF-8", kAnsiCharset);
#endif
}

std::string TzConverUtf8(std::string ansi)
{
    return AnsiToUtf8(ansi);
}

int TzConverUtf8ToUnicode(wchar_t* out, const char* utf8)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(utf8);
    const int more = ContinuationCount(b[0]);
    if (more == 0) {
        *out = static_cast<wchar_t>(b[0]);
        return 1;
    }
    if (more < 0) {
        // A stray continuation byte or a byte no UTF-8 text contains.
        *out = kReplacementUnit;
        return 1;
    }
    for (int i = 1; i <= more; ++i) {
        if (b[i] == 0) {
            // Cut short by the terminator: consume what is there, not the terminator.
            *out = kReplacementUnit;
            return i;
        }
    }
    unsigned int unit = kReplacementUnit; // four bytes: beyond the Basic Multilingual Plane
    if (more == 1)
        unit = ((b[0] & 0x1Fu) << 6) | (b[1] & 0x3Fu);
    else if (more == 2)
        unit = ((b[0] & 0x0Fu) << 12) | ((b[1] & 0x3Fu) << 6) | (b[2] & 0x3Fu);
    // Longer forms of what one byte writes (among them the forms of 0, which
    // would end an array early) and the halves of surrogate pairs are no
    // characters. Three bytes for 0x80 to 0x7FF are read: the encoder below
    // writes them so.
    if (unit < 0x80 || (unit >= 0xD800 && unit <= 0xDFFF))
        unit = kReplacementUnit;
    *out = static_cast<wchar_t>(unit);
    return more + 1;
}

int TzConverUnicodeToUtf8(char* out, wchar_t unit)
{
    const unsigned int u = static_cast<unsigned int>(unit) & 0xFFFF;
    if (u < 0x80) {
        out[0] = static_cast<char>(u);
        return 1;
    }
    out[0] = static_cast<char>(0xE0 | (u >> 12));
    out[1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (u & 0x3F));
    return 3;
}

unsigned short TzConverUtf8ToUnicodeWithArray(wchar_t* out, int count, const char* utf8)
{
    if (utf8 == nullptr || out == nullptr || count <= 0)
        return 0;
    std::memset(out, 0, sizeof(wchar_t) * static_cast<size_t>(count));
    int characters = 0;
    while (*utf8 != 0 && characters < count - 1) {
        utf8 += TzConverUtf8ToUnicode(&out[characters], utf8);
        ++characters;
    }
    return static_cast<unsigned short>(characters);
}

void TzConverUnicodeToUtf8WithArray(char* out, wchar_t* units)
{
    if (out == nullptr || units == nullptr)
        return;
    bool complete = false;
    EncodeUnits(out, static_cast<size_t>(-1), units, &complete);
}

int TzConverUnicodeToUtf8WithArray(char* out, int size, const wchar_t* units)
{
    if (out == nullptr || size <= 0)
        return -1;
    out[0] = 0;
    if (units == nullptr)
        return 0;
    bool complete = false;
    const size_t used = EncodeUnits(out, static_cast<size_t>(size) - 1, units, &complete);
    if (!complete) {
        out[0] = 0;
        return -1;
    }
    out[used] = 0;
    return static_cast<int>(used);
}

std::string TzConverUnicodeToUtf8(wchar_t* units)
{
    if (units == nullptr)
        return std::string();
    char text[kUtf8TextBytes] = {};
    bool complete = false;
    EncodeUnits(text, sizeof(text) - 1, units, &complete);
    return std::string(text);
}

int TzGetUnicodeArrayLength(wchar_t* units)
{
    if (units == nullptr)
        return 0;
    size_t n = 0;
    while (units[n] != 0)
        ++n;
    return static_cast<unsigned short>(n);
}

int TzGetUnicodeArrayLengthWithUtf8(const char* utf8)
{
    wchar_t units[kUnicodeCountUnits] = {};
    TzConverUtf8ToUnicodeWithArray(units, kUnicodeCountUnits, utf8);
    return TzGetUnicodeArrayLength(units);
}
