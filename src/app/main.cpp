// SPDX-License-Identifier: GPL-3.0-or-later
// Prints an anniversary file month by month, each anniversary with the years
// since its first year: a look at a book until the main window takes over.

#include <cstdint>
#include <cstdio>
#include <string>

#include "data/Dateutil.h"
#include "data/Evntlist.h"

namespace {

std::string LineText(const TEventItem& Item)
{
    std::string Line = std::to_string(Item.DayNumber) + " - " + Item.EventText + "  ";
    if (Item.OrigYear != -1) Line += "(" + std::to_string(int64_t{ThisYear} - Item.OrigYear) + ")";
    return Line;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.EVT\n", argv[0]);
        return 2;
    }
    TEventsList Book;
    Book.LoadFromFile(argv[1]);
    std::printf("%s: %d anniversaries\n", Book.GetFileName().c_str(), Book.TotalCount());
    for (int M = 1; M <= 12; ++M) {
        const TMyLinkList& List = *Book.Months[M];
        if (List.IsEmpty()) continue;
        std::printf("\n%s\n", MonthName(static_cast<uint8_t>(M)).c_str());
        TListNode* Cursor;
        List.Rewind(Cursor);
        while (List.GetNext(Cursor)) std::printf("  %s\n", LineText(*static_cast<TEventItem*>(Cursor)).c_str());
    }
    return 0;
}
