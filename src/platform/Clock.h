// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local calendar date from the system clock, and a millisecond counter.

#include <cstdint>

namespace platform {

struct TLocalDate {
    int Year;   // e.g. 2026
    int Month;  // 1 to 12
    int Day;    // 1 to 31
};

TLocalDate Today();

// Milliseconds from a fixed point in the past, from a clock that never goes
// back. The count wraps around after 2^32 ms, so intervals are the unsigned
// difference of two readings.
uint32_t TickCount();

}  // namespace platform
