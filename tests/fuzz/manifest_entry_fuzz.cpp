// The updater's checks of manifest entries on any names: the input is read as
// 16-bit units (as wchar_t holds them on Windows), a 0 unit ending the first
// name and starting the second.
#include <cwchar>
#include <vector>

#include "FuzzCheck.h"
#include "ManifestEntry.h"

namespace {

bool hasSeparator(const wchar_t* s)
{
    return std::wcschr(s, L'/') != nullptr || std::wcschr(s, L'\\') != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<wchar_t> units;
    for (size_t i = 0; i + 1 < size; i += 2) units.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    units.push_back(0);
    std::vector<wchar_t> second(units.begin() + static_cast<long>(std::wcslen(units.data())), units.end());
    if (second.size() > 1) second.erase(second.begin()); // past the 0 unit between the names
    const wchar_t* a = units.data();
    const wchar_t* b = second.data();

    if (IsSafeRelativeName(a)) {
        FUZZ_CHECK(std::wcslen(a) < static_cast<size_t>(kUpdatePathSize));
        // no segment leads up and out
        for (const wchar_t* seg = a; seg; ) {
            const wchar_t* next = std::wcspbrk(seg, L"/\\");
            const size_t n = next ? static_cast<size_t>(next - seg) : std::wcslen(seg);
            FUZZ_CHECK(!(n == 2 && seg[0] == L'.' && seg[1] == L'.'));
            seg = next ? next + 1 : nullptr;
        }
        FUZZ_CHECK(std::wcschr(a, L':') == nullptr);
    }

    for (bool cutQuery : { false, true }) {
        wchar_t name[kUpdatePathSize];
        GetSafeLastSegment(a, cutQuery, name);
        // a name to place in one folder, or nothing
        if (name[0]) FUZZ_CHECK(IsSafeRelativeName(name) && !hasSeparator(name) && std::wcscmp(name, L".") != 0);
    }

    if (IsChecksumText(a)) FUZZ_CHECK(std::wcslen(a) == 32);
    FUZZ_CHECK(IsSameChecksum(a, b) == IsSameChecksum(b, a));
    FUZZ_CHECK(IsSameChecksum(a, a) == (a[0] != 0));
    return 0;
}
