#include "services/TzTime.h"

#include <cstdint>

#include "platform/CCStdC.h"

namespace {

timeval Now()
{
    timeval now = {};
    gettimeofday(&now, nullptr);
    return now;
}

} // namespace

long TzSystemTimeNowSec()
{
    return static_cast<long>(Now().tv_sec);
}

long TzSystemSecond()
{
    return TzSystemTimeNowSec();
}

long TzMillisecondNow()
{
    const timeval now = Now();
    // Wrapping is intended; unsigned arithmetic makes it well defined.
    const uint32_t ms = static_cast<uint32_t>(now.tv_sec) * 1000u + static_cast<uint32_t>(now.tv_usec / 1000);
    return static_cast<long>(static_cast<int32_t>(ms));
}
