// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <ctime>

namespace platform {

TLocalDate Today()
{
    const std::time_t Now = std::time(nullptr);
    std::tm Local {};
    localtime_r(&Now, &Local);
    return {Local.tm_year + 1900, Local.tm_mon + 1, Local.tm_mday};
}

}  // namespace platform
