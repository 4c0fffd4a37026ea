// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Dateutil.h"

#include "platform/Clock.h"

namespace {
constexpr uint8_t DaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr const char* MonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
}  // namespace

const uint16_t ThisYear = CurrentYear();

uint16_t CurrentYear()
{
    return static_cast<uint16_t>(platform::Today().Year);
}

std::string MonthName(uint8_t Month)
{
    return Month >= 1 && Month <= 12 ? MonthNames[Month - 1] : "";
}

int DaysInMonth(uint16_t Month, uint16_t Year)
{
    if (Month < 1 || Month > 12) return 0;
    return DaysPerMonth[Month - 1] + (Month == 2 && IsLeapYear(Year) ? 1 : 0);
}

bool IsLeapYear(uint16_t Year)
{
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}
