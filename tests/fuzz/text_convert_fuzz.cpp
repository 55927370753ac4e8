// The text conversions on any bytes: the engine's UTF-8/UTF-16/UTF-32
// conversions (well-formed text comes back unchanged; the input's bytes read
// as UTF-16 and UTF-32 units too), Stagecraft's ANSI (code page 936) and
// UTF-8 conversions (whatever the input, they give well-formed text of their
// output kind) and its 16-bit Unicode arrays (units come back through UTF-8
// unchanged; bounded forms stay inside their buffers).
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "base/ccUTF8.h"
#include "services/TzTextConvert.h"

namespace su = cocos2d::StringUtils;

namespace {

void engineConversions(const std::string& bytes)
{
    std::u16string u16;
    std::u32string u32;
    std::string back;
    if (su::UTF8ToUTF16(bytes, u16)) {
        FUZZ_CHECK(su::UTF16ToUTF8(u16, back) && back == bytes);
        FUZZ_CHECK(su::UTF8ToUTF32(bytes, u32));
        std::u16string fromU32;
        FUZZ_CHECK(su::UTF32ToUTF16(u32, fromU32) && fromU32 == u16);
        FUZZ_CHECK(su::UTF32ToUTF8(u32, back) && back == bytes);
        if (bytes.find('\0') == std::string::npos)
            FUZZ_CHECK(su::getCharacterCountInUTF8String(bytes) == static_cast<long>(u32.size()));
    } else {
        FUZZ_CHECK(!su::UTF8ToUTF32(bytes, u32));
    }
    cocos2d::cc_utf8_strlen(bytes.c_str(), static_cast<int>(bytes.size() / 2));

    // the same bytes as 16-bit and 32-bit units
    std::u16string units16(bytes.size() / 2, u'\0');
    std::memcpy(&units16[0], bytes.data(), units16.size() * 2);
    if (su::UTF16ToUTF8(units16, back)) {
        std::u16string again;
        FUZZ_CHECK(su::UTF8ToUTF16(back, again) && again == units16);
        FUZZ_CHECK(su::UTF16ToUTF32(units16, u32));
    }
    std::vector<char16_t> vec = su::getChar16VectorFromUTF16String(units16);
    su::getIndexOfLastNotChar16(vec, u' ');
    su::trimUTF16Vector(vec);
    FUZZ_CHECK(vec.empty() || !su::isUnicodeSpace(vec.back()));

    std::u32string units32(bytes.size() / 4, U'\0');
    std::memcpy(&units32[0], bytes.data(), units32.size() * 4);
    if (su::UTF32ToUTF8(units32, back)) {
        std::u32string again;
        FUZZ_CHECK(su::UTF8ToUTF32(back, again) && again == units32);
    }
    su::UTF32ToUTF16(units32, u16);
}

void codePageConversions(const std::string& bytes)
{
    std::u32string u32;
    const std::string utf8 = AnsiToUtf8(bytes);
    FUZZ_CHECK(su::UTF8ToUTF32(utf8, u32));
    FUZZ_CHECK(TzConverUtf8(bytes) == utf8);
    const std::string ansi = Utf8ToAnsi(bytes);
    FUZZ_CHECK(su::UTF8ToUTF32(AnsiToUtf8(ansi), u32));
}

void unicodeArrays(const std::string& bytes, int count)
{
    const char* text = bytes.c_str();
    std::vector<wchar_t> units(static_cast<size_t>(count) + 1, L'\x5a5a');
    const unsigned short n = TzConverUtf8ToUnicodeWithArray(units.data(), count, text);
    FUZZ_CHECK(n < count && units[static_cast<size_t>(count) - 1] == 0);
    FUZZ_CHECK(units[static_cast<size_t>(count)] == L'\x5a5a'); // nothing written past count
    const int length = TzGetUnicodeArrayLength(units.data());
    FUZZ_CHECK(length <= n);
    TzGetUnicodeArrayLengthWithUtf8(text);

    // three bytes a unit at most, plus the terminator the caller provides
    std::vector<char> encoded(3 * static_cast<size_t>(length) + 1, 0);
    TzConverUnicodeToUtf8WithArray(encoded.data(), units.data());
    std::vector<wchar_t> again(static_cast<size_t>(length) + 1);
    TzConverUtf8ToUnicodeWithArray(again.data(), length + 1, encoded.data());
    FUZZ_CHECK(std::memcmp(again.data(), units.data(), sizeof(wchar_t) * static_cast<size_t>(length)) == 0);

    const std::string bounded = TzConverUnicodeToUtf8(units.data());
    FUZZ_CHECK(bounded.size() <= 1023 && std::strncmp(bounded.c_str(), encoded.data(), bounded.size()) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    // the first byte sizes the unit array, the rest is the text
    const int count = 1 + data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    engineConversions(bytes);
    codePageConversions(bytes);
    unicodeArrays(bytes, count);
    return 0;
}
