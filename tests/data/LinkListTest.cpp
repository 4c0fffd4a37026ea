// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/LinkList.h"

#include <gtest/gtest.h>
#include <vector>

#include "data/Evntlist.h"

namespace {

// An anniversary that counts how many of its kind are alive, to prove frees.
struct TCountedItem : TEventItem {
    static inline int Alive = 0;
    explicit TCountedItem(uint8_t Day) { DayNumber = Day; ++Alive; }
    ~TCountedItem() override { --Alive; }
};

class LinkList : public ::testing::Test {
protected:
    void TearDown() override
    {
        List.Clear();
        EXPECT_EQ(TCountedItem::Alive, 0);
    }

    TCountedItem* Add(uint8_t Day)
    {
        auto* Item = new TCountedItem(Day);
        List.Add(Item);
        return Item;
    }

    // The days in list order, after checking every link against its mirror.
    std::vector<int> Days() const
    {
        std::vector<int> Result;
        const TListNode* Prev = nullptr;
        for (const TListNode* N = List.Head; N; Prev = N, N = N->Next) {
            EXPECT_EQ(N->Prev, Prev);
            Result.push_back(static_cast<const TEventItem*>(N)->DayNumber);
        }
        EXPECT_EQ(List.Tail, Prev);
        EXPECT_EQ(static_cast<int32_t>(Result.size()), List.Count);
        return Result;
    }

    TMyLinkList List;
};

}  // namespace

TEST_F(LinkList, AddOrdersByDayAndKeepsTiesInInsertionOrder)
{
    TCountedItem* FirstFive = Add(5);
    Add(3);
    TCountedItem* SecondFive = Add(5);
    Add(1);
    EXPECT_EQ(Days(), (std::vector<int>{1, 3, 5, 5}));
    EXPECT_EQ(List.IndexOf(FirstFive), 2);
    EXPECT_EQ(List.IndexOf(SecondFive), 3);

    Add(255);
    Add(0);
    EXPECT_EQ(Days(), (std::vector<int>{0, 1, 3, 5, 5, 255})) << "day numbers compare as unsigned bytes";
}

TEST_F(LinkList, AddToAnEmptyListMakesHeadAndTail)
{
    EXPECT_TRUE(List.IsEmpty());
    TCountedItem* Only = Add(7);
    EXPECT_EQ(List.Head, Only);
    EXPECT_EQ(List.Tail, Only);
    EXPECT_EQ(List.Count, 1);
    EXPECT_EQ(Only->Next, nullptr);
    EXPECT_EQ(Only->Prev, nullptr);
    EXPECT_FALSE(List.IsEmpty());
}

TEST_F(LinkList, ItemAtAndIndexOfBounds)
{
    Add(1);
    TCountedItem* Second = Add(2);
    EXPECT_EQ(List.ItemAt(-1), nullptr);
    EXPECT_EQ(List.ItemAt(2), nullptr);
    EXPECT_EQ(List.ItemAt(1), Second);

    TMyLinkList Other;
    auto* Stranger = new TCountedItem(2);
    Other.Add(Stranger);
    EXPECT_EQ(List.IndexOf(Stranger), -1) << "identity, not an equal day";
}

TEST_F(LinkList, UnlinkHandsTheNodeBackIntact)
{
    TCountedItem* Head = Add(1);
    Add(2);
    Add(3);
    List.Unlink(Head);
    EXPECT_EQ(Days(), (std::vector<int>{2, 3}));
    EXPECT_EQ(List.Head->Prev, nullptr);
    EXPECT_EQ(Head->Next, nullptr);
    EXPECT_EQ(Head->Prev, nullptr);
    EXPECT_EQ(TCountedItem::Alive, 3) << "unlinked, not freed";

    // Moving an edited anniversary: unlink, change the day, add again.
    Head->DayNumber = 3;
    List.Add(Head);
    EXPECT_EQ(Days(), (std::vector<int>{2, 3, 3}));
    EXPECT_EQ(List.Tail, Head);

    TListNode* Middle = List.ItemAt(1);
    List.Unlink(Middle);
    EXPECT_EQ(Days(), (std::vector<int>{2, 3}));
    EXPECT_EQ(List.ItemAt(0)->Next, List.ItemAt(1));
    delete Middle;
}

TEST_F(LinkList, UnlinkOfTheOnlyNodeEmptiesTheList)
{
    TCountedItem* Only = Add(4);
    List.Unlink(Only);
    EXPECT_TRUE(List.IsEmpty());
    EXPECT_EQ(List.Tail, nullptr);
    EXPECT_EQ(List.Count, 0);
    delete Only;
}

TEST_F(LinkList, DeleteFreesAndRelinks)
{
    Add(1);
    TCountedItem* Middle = Add(2);
    Add(3);
    List.Delete(Middle);
    EXPECT_EQ(Days(), (std::vector<int>{1, 3}));
    EXPECT_EQ(TCountedItem::Alive, 2);
    List.Delete(List.Tail);
    EXPECT_EQ(Days(), (std::vector<int>{1}));
}

TEST_F(LinkList, CursorWalk)
{
    TListNode* Cursor = reinterpret_cast<TListNode*>(1);
    List.Rewind(Cursor);
    EXPECT_EQ(Cursor, nullptr);
    EXPECT_FALSE(List.GetNext(Cursor)) << "empty list";

    Add(1);
    Add(2);
    std::vector<int> Seen;
    List.Rewind(Cursor);
    while (List.GetNext(Cursor)) Seen.push_back(static_cast<TEventItem*>(Cursor)->DayNumber);
    EXPECT_EQ(Seen, (std::vector<int>{1, 2}));
    EXPECT_FALSE(List.GetNext(Cursor)) << "stays at the end";
    EXPECT_EQ(Cursor, List.Tail);

    Add(9);
    ASSERT_TRUE(List.GetNext(Cursor)) << "a node linked after the tail is reached next";
    EXPECT_EQ(static_cast<TEventItem*>(Cursor)->DayNumber, 9);
}

TEST_F(LinkList, ClearAndDestructionFreeEveryNode)
{
    List.Clear();  // harmless on an empty list
    Add(1);
    Add(2);
    List.Clear();
    EXPECT_EQ(TCountedItem::Alive, 0);
    EXPECT_TRUE(List.IsEmpty());
    EXPECT_EQ(List.Count, 0);
    {
        TMyLinkList Local;
        Local.Add(new TCountedItem(1));
        Local.Add(new TCountedItem(1));
    }
    EXPECT_EQ(TCountedItem::Alive, 0);
}
