// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which anniversaries of a book lie just behind and just ahead of a given day,
// how many days away each one is and what age it reaches. Plain functions of
// the date they are given, so they never look at a clock.

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

class TEventsList;
class TEventItem;

struct TCalendarDate {
    int Year;
    int Month;  // 1 to 12
    int Day;    // 1 to the length of the month
    auto operator<=>(const TCalendarDate&) const = default;
};

// Days since 1 January 1970 (negative before it), in the proleptic Gregorian calendar.
int64_t DaySerial(const TCalendarDate& Date);

// The day an anniversary of Month and Day falls on in Year: a day past the end
// of the month (29 February in a common year, or a day no month has) falls on
// the month's last day, a day below 1 on the first.
TCalendarDate AnniversaryIn(int Year, int Month, int Day);

// The age an anniversary first held in OrigYear reaches in Year; -1 when the
// first year is not known (-1) or is not before Year.
int32_t AgeReached(int32_t OrigYear, int Year);

// One anniversary on the day it falls on this time round.
struct TOccurrence {
    TCalendarDate Date;
    int DaysToGo;        // negative for a day already past, 0 for today
    int32_t Age;         // as AgeReached gives it
    std::string Text;    // Windows-1252, as in the book
};

struct TForthcoming {
    std::vector<TOccurrence> Previous;  // the most recent ones before today, oldest first
    std::vector<TOccurrence> Next;      // today's and the coming ones, soonest first
};

// The PriorCount most recent anniversaries before Today and the NextCount
// ones from Today on, each anniversary taken at most once per list and the
// lists wrapping round the year end. Anniversaries of one day keep the book's
// order. Counts below zero count as zero.
TForthcoming FindForthcoming(const TEventsList& Book, const TCalendarDate& Today, int PriorCount, int NextCount);

// True when an anniversary falls on Today or no more than Days days after it.
bool AnniversaryWithin(const TEventsList& Book, const TCalendarDate& Today, int Days);
