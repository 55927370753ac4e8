// Stagecraft's text helpers on any text. The input's first line is the word
// to find, the second its replacement, the rest the text.
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "services/TzStringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzParts parts(data, size);
    const std::string find = parts.next();
    const std::string replace = parts.next();
    const std::string text = parts.rest();

    // unit words become zeros: the result has no fewer bytes than the text
    const char* converted = TzConverString(text.c_str());
    FUZZ_CHECK(std::strlen(converted) >= std::strlen(text.c_str()));

    int position = 7;
    const char* replaced = TzReplaceStringWithString(text.c_str(), find.c_str(), replace.c_str(), position);
    FUZZ_CHECK(position == -1);
    const std::string what = find.c_str(), with = replace.c_str(), in = text.c_str(); // as the function sees them
    if (!what.empty()) {
        // each character read completes at most one occurrence, so the work
        // and the result stay within one replacement per character
        FUZZ_CHECK(std::strlen(replaced) <= in.size() * (with.size() + 1));
        // a replacement shorter than the word leaves none behind
        if (with.size() < what.size())
            FUZZ_CHECK(std::strstr(replaced, what.c_str()) == nullptr);
    }

    int consumed = 0;
    SwitchStringToValue(text.c_str(), consumed);
    FUZZ_CHECK(consumed >= 0 && static_cast<size_t>(consumed) <= std::strlen(text.c_str()));

    char buffer[16];
    const unsigned short bufferSize = static_cast<unsigned short>(1 + text.size() % sizeof(buffer));
    TzNewChar(buffer, bufferSize, "%s", text.c_str());
    FUZZ_CHECK(std::strlen(buffer) < bufferSize);
    return 0;
}
