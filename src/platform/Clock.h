// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local calendar date from the system clock.

namespace platform {

struct TLocalDate {
    int Year;   // e.g. 2026
    int Month;  // 1 to 12
    int Day;    // 1 to 31
};

TLocalDate Today();

}  // namespace platform
