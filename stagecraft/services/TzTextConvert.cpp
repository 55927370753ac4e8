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

// Converts with iconv; a byte that does not belong to the source character set
// becomes '?' and the conversion goes on after it, as the system conversion
// substitutes its default character.
std::string ConvertCharset(const std::string& text, const char* from, const char* to)
{
    if (text.empty())
        return std::string();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string();

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
        // EILSEQ: an invalid byte; EINVAL: a sequence cut short at the end.
        out.push_back('?');
        ++in;
        --inLeft;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv_close(cd);
    return out;
}

#endif

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

// Encodes units into out (capacity bytes, the terminator not counted), whole
// characters only; returns the bytes written.
size_t EncodeUnits(char* out, size_t capacity, const wchar_t* units)
{
    size_t used = 0;
    char bytes[3];
    for (; *units != 0; ++units) {
        const size_t n = static_cast<size_t>(TzConverUnicodeToUtf8(bytes, *units));
        if (used + n > capacity)
            break;
        std::memcpy(out + used, bytes, n);
        used += n;
    }
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
    if (more == 1)
        *out = static_cast<wchar_t>(((b[0] & 0x1F) << 6) | (b[1] & 0x3F));
    else if (more == 2)
        *out = static_cast<wchar_t>(((b[0] & 0x0F) << 12) | ((b[1] & 0x3F) << 6) | (b[2] & 0x3F));
    else
        *out = kReplacementUnit; // beyond the Basic Multilingual Plane
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
    for (; *units != 0; ++units)
        out += TzConverUnicodeToUtf8(out, *units);
}

std::string TzConverUnicodeToUtf8(wchar_t* units)
{
    if (units == nullptr)
        return std::string();
    char text[kUtf8TextBytes] = {};
    EncodeUnits(text, sizeof(text) - 1, units);
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
