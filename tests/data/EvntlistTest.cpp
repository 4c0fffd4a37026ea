// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Evntlist.h"

#include <gtest/gtest.h>

namespace {

TEventItem* NewItem(uint8_t Day, const std::string& Text, int32_t Year = -1)
{
    auto* Item = new TEventItem;
    Item->DayNumber = Day;
    Item->EventText = Text;
    Item->OrigYear = Year;
    return Item;
}

}  // namespace

TEST(EventsList, NewBookIsUntitledEmptyAndUnchanged)
{
    TEventsList Book;
    EXPECT_EQ(Book.TotalCount(), 0);
    EXPECT_EQ(Book.GetFileName(), "(Untitled)");
    EXPECT_TRUE(Book.FileName.empty());
    EXPECT_FALSE(Book.Modified);
    for (int M = 1; M <= 12; ++M) ASSERT_NE(Book.Months[M], nullptr);

    const TEventItem Fresh;
    EXPECT_EQ(Fresh.DayNumber, 0);
    EXPECT_EQ(Fresh.OrigYear, 0);
    EXPECT_EQ(Fresh.Next, nullptr);
}

TEST(EventsList, TotalCountAndClear)
{
    TEventsList Book;
    Book.Months[1]->Add(NewItem(5, "Parents' wedding", 1962));
    Book.Months[12]->Add(NewItem(24, "Christmas Eve party"));
    Book.Months[12]->Add(NewItem(1, "Advent"));
    Book.FileName = "/home/ann/family.evt";
    Book.Modified = true;
    EXPECT_EQ(Book.TotalCount(), 3);
    EXPECT_EQ(Book.GetFileName(), "/home/ann/family.evt");

    Book.Clear();
    EXPECT_EQ(Book.TotalCount(), 0);
    EXPECT_EQ(Book.GetFileName(), "(Untitled)");
    EXPECT_FALSE(Book.Modified);
    EXPECT_TRUE(Book.Months[12]->IsEmpty());
}
