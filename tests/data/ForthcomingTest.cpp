// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Forthcoming.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "data/Evntlist.h"

namespace {

// "text date days age" for each occurrence, for compact comparisons.
std::vector<std::string> Lines(const std::vector<TOccurrence>& List)
{
    std::vector<std::string> Out;
    for (const TOccurrence& O : List) {
        char Date[16];
        std::snprintf(Date, sizeof Date, "%04d-%02d-%02d", O.Date.Year, O.Date.Month, O.Date.Day);
        Out.push_back(O.Text + " " + Date + " " + std::to_string(O.DaysToGo) + " " + std::to_string(O.Age));
    }
    return Out;
}

using TLines = std::vector<std::string>;

}  // namespace

TEST(Forthcoming, DaySerialCountsCalendarDays)
{
    EXPECT_EQ(DaySerial({1970, 1, 1}), 0);
    EXPECT_EQ(DaySerial({2000, 3, 1}) - DaySerial({2000, 2, 28}), 2);  // 400-year leap
    EXPECT_EQ(DaySerial({1900, 3, 1}) - DaySerial({1900, 2, 28}), 1);  // century, common
    EXPECT_EQ(DaySerial({2027, 1, 1}) - DaySerial({2026, 12, 31}), 1);
    EXPECT_EQ(DaySerial({1969, 12, 31}), -1);
}

TEST(Forthcoming, AnniversaryDayAndAge)
{
    struct Case { int Year, Month, Day; TCalendarDate Expected; } Cases[] = {
        {2028, 2, 29, {2028, 2, 29}},
        {2027, 2, 29, {2027, 2, 28}},  // common year
        {2100, 2, 29, {2100, 2, 28}},  // century, common
        {2027, 4, 31, {2027, 4, 30}},  // a day no April has
        {2027, 1, 0, {2027, 1, 1}},
        {2027, 1, 255, {2027, 1, 31}},
    };
    for (const auto& C : Cases) EXPECT_EQ(AnniversaryIn(C.Year, C.Month, C.Day), C.Expected) << C.Month << "/" << C.Day;

    EXPECT_EQ(AgeReached(1986, 2026), 40);
    EXPECT_EQ(AgeReached(-1, 2026), -1);    // first year not known
    EXPECT_EQ(AgeReached(2026, 2026), -1);  // the first time is no age
    EXPECT_EQ(AgeReached(2030, 2026), -1);
    EXPECT_EQ(AgeReached(0, 2026), 2026);
}

TEST(Forthcoming, ListsWrapAroundTheYearEndBothWays)
{
    TEventsList Book;
    AddAnniversaries(Book, {{1, 2, "New year walk", 2000}, {6, 1, "Midyear"}, {12, 30, "Wedding", 1986}});

    TForthcoming Late = FindForthcoming(Book, {2026, 12, 31}, 2, 2);
    EXPECT_EQ(Lines(Late.Previous), (TLines{"Midyear 2026-06-01 -213 -1", "Wedding 2026-12-30 -1 40"}));
    EXPECT_EQ(Lines(Late.Next), (TLines{"New year walk 2027-01-02 2 27", "Midyear 2027-06-01 152 -1"}));

    TForthcoming Early = FindForthcoming(Book, {2027, 1, 1}, 1, 1);
    EXPECT_EQ(Lines(Early.Previous), (TLines{"Wedding 2026-12-30 -2 40"}));
    EXPECT_EQ(Lines(Early.Next), (TLines{"New year walk 2027-01-02 1 27"}));
}

TEST(Forthcoming, TodaysAnniversariesAreNextInBookOrder)
{
    TEventsList Book;
    AddAnniversaries(Book, {{3, 14, "First"}, {3, 14, "Second", 1990}, {3, 14, "Third"}, {3, 13, "Yesterday"},
                {3, 15, "Tomorrow"}});
    TForthcoming Found = FindForthcoming(Book, {2026, 3, 14}, 1, 2);
    EXPECT_EQ(Lines(Found.Previous), (TLines{"Yesterday 2026-03-13 -1 -1"}));
    EXPECT_EQ(Lines(Found.Next), (TLines{"First 2026-03-14 0 -1", "Second 2026-03-14 0 36"}));

    // A count that ends within a day's anniversaries takes the book's first.
    Found = FindForthcoming(Book, {2026, 3, 15}, 3, 0);
    EXPECT_EQ(Lines(Found.Previous), (TLines{"First 2026-03-14 -1 -1", "Second 2026-03-14 -1 36",
                                             "Third 2026-03-14 -1 -1"}));
    EXPECT_TRUE(Found.Next.empty());
}

TEST(Forthcoming, TwentyNinthOfFebruaryInCommonAndLeapYears)
{
    TEventsList Book;
    AddAnniversaries(Book, {{2, 28, "Eve", 2000}, {2, 29, "Leap day", 2000}});

    // In a common year both fall on the 28th, the 28th's own first.
    EXPECT_EQ(Lines(FindForthcoming(Book, {2027, 2, 1}, 0, 2).Next),
              (TLines{"Eve 2027-02-28 27 27", "Leap day 2027-02-28 27 27"}));
    EXPECT_EQ(Lines(FindForthcoming(Book, {2027, 2, 28}, 0, 1).Next), (TLines{"Eve 2027-02-28 0 27"}));
    EXPECT_EQ(Lines(FindForthcoming(Book, {2027, 3, 1}, 2, 0).Previous),
              (TLines{"Eve 2027-02-28 -1 27", "Leap day 2027-02-28 -1 27"}));
    // In a leap year the leap day has its own day.
    EXPECT_EQ(Lines(FindForthcoming(Book, {2028, 2, 29}, 1, 1).Previous), (TLines{"Eve 2028-02-28 -1 28"}));
    EXPECT_EQ(Lines(FindForthcoming(Book, {2028, 2, 29}, 1, 1).Next), (TLines{"Leap day 2028-02-29 0 28"}));
    // Looking back from a common year into a leap year, and ahead the other way.
    EXPECT_EQ(Lines(FindForthcoming(Book, {2029, 1, 10}, 1, 0).Previous), (TLines{"Leap day 2028-02-29 -316 28"}));
    EXPECT_EQ(Lines(FindForthcoming(Book, {2027, 12, 31}, 0, 2).Next),
              (TLines{"Eve 2028-02-28 59 28", "Leap day 2028-02-29 60 28"}));
}

TEST(Forthcoming, CountsLargerThanTheBookListEachAnniversaryOnce)
{
    TEventsList Book;
    AddAnniversaries(Book, {{5, 1, "May Day"}, {9, 9, "Nine"}});
    TForthcoming Found = FindForthcoming(Book, {2026, 7, 1}, 10, 10);
    EXPECT_EQ(Lines(Found.Previous), (TLines{"Nine 2025-09-09 -295 -1", "May Day 2026-05-01 -61 -1"}));
    EXPECT_EQ(Lines(Found.Next), (TLines{"Nine 2026-09-09 70 -1", "May Day 2027-05-01 304 -1"}));

    Found = FindForthcoming(Book, {2026, 7, 1}, -3, -1);
    EXPECT_TRUE(Found.Previous.empty());
    EXPECT_TRUE(Found.Next.empty());
    TEventsList Empty;
    Found = FindForthcoming(Empty, {2026, 7, 1}, 3, 3);
    EXPECT_TRUE(Found.Previous.empty());
    EXPECT_TRUE(Found.Next.empty());
}

TEST(Forthcoming, AnniversaryWithinCountsTodayAndWrapsTheYear)
{
    TEventsList Book;
    AddAnniversaries(Book, {{1, 3, "Early January"}});
    struct Case { TCalendarDate Today; int Days; bool Expected; } Cases[] = {
        {{2027, 1, 3}, 0, true},     // today
        {{2027, 1, 4}, 7, false},    // just past: next one is a year away
        {{2026, 12, 27}, 7, true},   // seven days ahead, over the year end
        {{2026, 12, 26}, 7, false},  // eight
        {{2026, 12, 27}, -1, false},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(AnniversaryWithin(Book, C.Today, C.Days), C.Expected) << C.Today.Month << "/" << C.Today.Day;
    EXPECT_FALSE(AnniversaryWithin(TEventsList(), {2027, 1, 3}, 400));
}
