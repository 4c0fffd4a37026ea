// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <ctime>
#include <time.h>

namespace platform {

TLocalDate Today()
{
    const std::time_t Now = std::time(nullptr);
    std::tm Local {};
    localtime_r(&Now, &Local);
    return {Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday};
}

uint32_t TickCount()
{
    timespec Now {};
    clock_gettime(CLOCK_MONOTONIC, &Now);
    return static_cast<uint32_t>(static_cast<uint64_t>(Now.tv_sec) * 1000u + static_cast<uint64_t>(Now.tv_nsec) / 1000000u);
}

}  // namespace platform
