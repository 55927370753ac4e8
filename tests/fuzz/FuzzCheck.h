// What the fuzz targets share: a check that stops the run (libFuzzer then
// keeps the input as a crash) and a way to split one input into parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(cond)                                                                    \
    do {                                                                                    \
        if (!(cond)) {                                                                      \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)

// Reads the input as parts separated by one byte, so that the corpus files
// stay readable text: the part up to the next separator (or the rest).
class FuzzParts
{
public:
    FuzzParts(const uint8_t* data, size_t size) : _p(reinterpret_cast<const char*>(data)), _end(_p + size) {}

    std::string next(char separator = '\n')
    {
        const char* start = _p;
        while (_p < _end && *_p != separator) ++_p;
        std::string part(start, _p);
        if (_p < _end) ++_p;
        return part;
    }
    std::string rest()
    {
        std::string part(_p, _end);
        _p = _end;
        return part;
    }

private:
    const char* _p;
    const char* _end;
};
