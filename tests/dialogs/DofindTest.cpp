// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Dofind.h"

#include <gtest/gtest.h>

#include "data/Evntlist.h"

TEST(MatchPosition, FirstOccurrenceJudgedByCaseAndWholeWords)
{
    struct Case { const char* Text; const char* Find; bool MatchCase, WholeWords; int Position; } Cases[] = {
        {"Concatenate", "cat", false, false, 4},
        {"Concatenate", "cat", false, true, 0},
        {"The cat", "cat", false, true, 5},
        {"The cat", "Cat", true, false, 0},
        {"The Cat", "cAT", false, false, 5},
        {"cats", "cat", false, true, 0},
        {"cat.", "cat", false, true, 1},
        {"cat's", "cat", false, true, 1},
        {"cat5", "cat", false, true, 1},
        {"_cat_", "cat", false, true, 2},
        {"scat and cat", "cat", false, true, 0},  // a later occurrence is not tried
        {"The cat", " cat", false, false, 4},     // the blank is part of the match
        {"cat food", " cat", false, false, 0},
        {"Caf\xC9", "caf\xE9", false, false, 0},  // only a-z fold
        {"\xE9t\xE9 cat", "cat", false, true, 5}, // accented letters separate words
        {"anything", "", false, false, 0},
        {"", "cat", false, false, 0},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(MatchPosition(C.Text, {C.Find, C.MatchCase, C.WholeWords}), C.Position)
            << C.Text << " / " << C.Find << " case " << C.MatchCase << " words " << C.WholeWords;
}

class Search : public testing::Test {
protected:
    Search() { EventsList = &Book; }
    ~Search() override { EventsList = nullptr; }

    TEventItem* Add(int Month, uint8_t Day, const char* Text)
    {
        auto* Item = new TEventItem;
        Item->DayNumber = Day;
        Item->EventText = Text;
        Book.Months[Month]->Add(Item);
        return Item;
    }

    TEventsList Book;
};

TEST_F(Search, GoesFromThePositionToTheEndOfDecember)
{
    TEventItem* March = Add(3, 9, "Concatenate");
    TEventItem* SameDayFirst = Add(6, 4, "The cat");
    TEventItem* SameDaySecond = Add(6, 4, "Cat show");
    Add(7, 1, "Dog");
    const TSearchCriteria Cat{"cat", false, false};

    EXPECT_TRUE(FindFirstEvent(Cat));
    EXPECT_EQ(SearchMonth, 3);
    EXPECT_EQ(SearchItem, March);
    EXPECT_TRUE(FindNextEvent(Cat));
    EXPECT_EQ(SearchItem, SameDayFirst);
    EXPECT_TRUE(FindNextEvent(Cat));
    EXPECT_EQ(SearchItem, SameDaySecond);  // same day: in list order
    EXPECT_FALSE(FindNextEvent(Cat));
    EXPECT_EQ(SearchMonth, 13);
    EXPECT_EQ(SearchItem, nullptr);
    EXPECT_FALSE(FindNextEvent(Cat));  // no wrap to January

    EXPECT_TRUE(FindFirstEvent(Cat));  // starts again at January
    EXPECT_EQ(SearchItem, March);

    ResetSearchPosition(5);
    EXPECT_TRUE(FindNextEvent({"cat", false, true}));
    EXPECT_EQ(SearchItem, SameDayFirst);
    EXPECT_FALSE(FindFirstEvent({"DOG", true, false}));
}
