// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Dateutil.h"

#include <gtest/gtest.h>

TEST(Dateutil, MonthNames)
{
    EXPECT_EQ(MonthName(1), "January");
    EXPECT_EQ(MonthName(5), "May");
    EXPECT_EQ(MonthName(9), "September");
    EXPECT_EQ(MonthName(12), "December");
    EXPECT_EQ(MonthName(0), "");
    EXPECT_EQ(MonthName(13), "");
    EXPECT_EQ(MonthName(255), "");
}

TEST(Dateutil, DaysInMonthFollowsTheGregorianLeapYears)
{
    struct Case { uint16_t Month, Year; int Days; } Cases[] = {
        {2, 1996, 29}, {2, 1900, 28}, {2, 2000, 29}, {2, 2001, 28}, {2, 2100, 28}, {2, 2400, 29},
        {1, 2001, 31}, {4, 1996, 30}, {4, 2001, 30}, {12, 0, 31}, {0, 2000, 0}, {13, 2000, 0},
    };
    for (const auto& C : Cases) EXPECT_EQ(DaysInMonth(C.Month, C.Year), C.Days) << C.Month << "/" << C.Year;
}

TEST(Dateutil, ThisYearIsTheYearTheProgramStartedIn)
{
    // The run may cross New Year's Eve between the two readings.
    EXPECT_LE(ThisYear, CurrentYear());
    EXPECT_GE(ThisYear + 1, CurrentYear());
    EXPECT_GE(ThisYear, 2024);
}
