// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar facts, and the year the program started in.

#include <cstdint>
#include <string>

// The year of the local date when the program started. Ages are counted
// against it, so they do not change when the program runs into a new year.
extern const uint16_t ThisYear;

uint16_t CurrentYear();
// "January" to "December" for 1 to 12; empty for any other value.
std::string MonthName(uint8_t Month);
// The days of Month (1 to 12) in Year; 0 for any other month.
int DaysInMonth(uint16_t Month, uint16_t Year);
bool IsLeapYear(uint16_t Year);
