// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Forthcoming.h"

#include <algorithm>
#include <tuple>

#include "data/Dateutil.h"
#include "data/Evntlist.h"

namespace {

// An anniversary of the book with the days it falls on around Today.
struct TPlaced {
    const TEventItem* Item;
    size_t BookOrder;
    TCalendarDate Next;      // on or after Today
    TCalendarDate Previous;  // before Today
};

int DaysIn(int Year, int Month)
{
    const bool Leap = Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
    return Month == 2 ? (Leap ? 29 : 28) : DaysInMonth(static_cast<uint16_t>(Month), 2001);
}

std::vector<TPlaced> Place(const TEventsList& Book, const TCalendarDate& Today)
{
    std::vector<TPlaced> Placed;
    for (int Month = 1; Month <= 12; ++Month) {
        const TMyLinkList& List = *Book.Months[Month];
        TListNode* Cursor;
        List.Rewind(Cursor);
        while (List.GetNext(Cursor)) {
            const auto* Item = static_cast<const TEventItem*>(Cursor);
            const int Day = Item->DayNumber;
            const TCalendarDate Current = AnniversaryIn(Today.Year, Month, Day);
            if (Current >= Today)
                Placed.push_back({Item, Placed.size(), Current, AnniversaryIn(Today.Year - 1, Month, Day)});
            else
                Placed.push_back({Item, Placed.size(), AnniversaryIn(Today.Year + 1, Month, Day), Current});
        }
    }
    return Placed;
}

TOccurrence Occurrence(const TEventItem& Item, const TCalendarDate& Date, const TCalendarDate& Today)
{
    return {Date, static_cast<int>(DaySerial(Date) - DaySerial(Today)), AgeReached(Item.OrigYear, Date.Year),
            Item.EventText};
}

}  // namespace

int64_t DaySerial(const TCalendarDate& Date)
{
    // Days from civil: March-based years put the leap day at the end of a year.
    const int64_t Y = int64_t{Date.Year} - (Date.Month <= 2 ? 1 : 0);
    const int64_t Era = (Y >= 0 ? Y : Y - 399) / 400;
    const int64_t YearOfEra = Y - Era * 400;
    const int64_t DayOfYear = (153 * (Date.Month + (Date.Month > 2 ? -3 : 9)) + 2) / 5 + Date.Day - 1;
    const int64_t DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
    return Era * 146097 + DayOfEra - 719468;
}

TCalendarDate AnniversaryIn(int Year, int Month, int Day)
{
    return {Year, Month, std::clamp(Day, 1, DaysIn(Year, Month))};
}

int32_t AgeReached(int32_t OrigYear, int Year)
{
    if (OrigYear == -1 || OrigYear >= Year) return -1;
    return Year - OrigYear;
}

TForthcoming FindForthcoming(const TEventsList& Book, const TCalendarDate& Today, int PriorCount, int NextCount)
{
    std::vector<TPlaced> Placed = Place(Book, Today);
    TForthcoming Result;

    // Only the first few in each direction are ordered; anniversaries of one
    // day keep the book's order.
    const size_t Next = std::min(Placed.size(), static_cast<size_t>(std::max(NextCount, 0)));
    std::partial_sort(Placed.begin(), Placed.begin() + static_cast<ptrdiff_t>(Next), Placed.end(),
                      [](const TPlaced& A, const TPlaced& B) {
                          return std::tie(A.Next, A.BookOrder) < std::tie(B.Next, B.BookOrder);
                      });
    for (size_t I = 0; I < Next; ++I) Result.Next.push_back(Occurrence(*Placed[I].Item, Placed[I].Next, Today));

    const size_t Prior = std::min(Placed.size(), static_cast<size_t>(std::max(PriorCount, 0)));
    std::partial_sort(Placed.begin(), Placed.begin() + static_cast<ptrdiff_t>(Prior), Placed.end(),
                      [](const TPlaced& A, const TPlaced& B) {
                          return std::tie(B.Previous, B.BookOrder) < std::tie(A.Previous, A.BookOrder);
                      });
    for (size_t I = Prior; I-- > 0;)
        Result.Previous.push_back(Occurrence(*Placed[I].Item, Placed[I].Previous, Today));
    return Result;
}

bool AnniversaryWithin(const TEventsList& Book, const TCalendarDate& Today, int Days)
{
    const int64_t Start = DaySerial(Today);
    for (const TPlaced& One : Place(Book, Today))
        if (DaySerial(One.Next) - Start <= Days) return true;
    return false;
}
