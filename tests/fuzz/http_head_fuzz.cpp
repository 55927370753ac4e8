// The updater's reading of an HTTP response header from any bytes a server
// sends: where the header ends, the status, Content-Length, Content-Range,
// Location and ETag; and its decimal reader against a plain reference.
#include <cstring>
#include <vector>

#include "CHttpResponseHead.h"
#include "FuzzCheck.h"

namespace {

void checkDecimal(const char* text, size_t length)
{
    bool expected = length > 0 && length <= 19;
    unsigned __int128 reference = 0;
    for (size_t i = 0; expected && i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') expected = false;
        else reference = reference * 10 + static_cast<unsigned>(text[i] - '0');
    }
    if (reference > 0x7FFFFFFFFFFFFFFFull) expected = false;
    uint64_t value = 12345;
    const bool parsed = CHttpResponseHead::ParseDecimal(text, length, value);
    FUZZ_CHECK(parsed == expected);
    FUZZ_CHECK(parsed ? value == static_cast<uint64_t>(reference) : value == 12345);
}

bool inside(const char* p, size_t n, const uint8_t* data, size_t length)
{
    const char* begin = reinterpret_cast<const char*>(data);
    return p >= begin && n <= length && p + n <= begin + length;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t end = CHttpResponseHead::FindEnd(data, size);
    FUZZ_CHECK(end <= size);
    if (end) {
        FUZZ_CHECK(end >= 4 && std::memcmp(data + end - 4, "\r\n\r\n", 4) == 0);
        FUZZ_CHECK(CHttpResponseHead::FindEnd(data, end - 1) == 0); // not found before it has all arrived
    }
    // The header as the downloader takes it: up to its end, or all there is.
    const size_t length = end ? end : size;
    std::vector<uint8_t> header(data, data + length); // exactly its bytes, so reading past them is caught
    CHttpResponseHead::ParseStatus(header.data(), header.size());

    CHttpResponseHead head;
    head.Parse(header.data(), header.size());
    if (head.HasContentRange()) FUZZ_CHECK(head.GetRangeFirst() <= head.GetRangeLast());
    if (head.HasContentLength()) FUZZ_CHECK(head.GetContentLength() <= 0x7FFFFFFFFFFFFFFFull);
    size_t n = 0;
    if (const char* location = head.GetLocation(n)) FUZZ_CHECK(inside(location, n, header.data(), header.size()));
    if (const char* etag = head.GetETag(n)) FUZZ_CHECK(inside(etag, n, header.data(), header.size()));

    checkDecimal(reinterpret_cast<const char*>(data), size < 24 ? size : 24);
    return 0;
}
