// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile anniversary files load, in time linear in their size,
// to the book the reading rules make of them.

#include <gtest/gtest.h>

#include "BadInputs.h"
#include "TestSupport.h"
#include "data/Evntlist.h"

namespace {

// The first line where two book descriptions differ, for a readable failure
// when a book has 200,000 anniversaries.
std::string FirstDifference(const std::string& Got, const std::string& Expected)
{
    size_t Line = 1, Start = 0;
    for (size_t I = 0; I < std::min(Got.size(), Expected.size()) && Got[I] == Expected[I]; ++I)
        if (Got[I] == '\n') ++Line, Start = I + 1;
    const auto LineAt = [&](const std::string& S) {
        return S.substr(Start, std::min<size_t>(S.find('\n', Start) - Start, 80));
    };
    return "line " + std::to_string(Line) + ": got \"" + LineAt(Got) + "\", expected \"" + LineAt(Expected) + "\"";
}

}  // namespace

TEST(BadInput, EachFileLoadsToTheBookTheReadingRulesGive)
{
    TTempDir Dir;
    const std::string File = Dir / "BAD.EVT";
    for (const TBadInput& Case : badinputs::All()) {
        SCOPED_TRACE(Case.Name);
        WriteFile(File, Case.Contents());
        TEventsList Book;
        AddAnniversaries(Book, {{5, 1, "from before"}});
        Book.Modified = true;
        Book.LoadFromFile(File);
        EXPECT_EQ(Book.FileName, File);
        EXPECT_FALSE(Book.Modified);
        const std::string Got = DescribeBook(Book), Expected = Case.Expected();
        EXPECT_TRUE(Got == Expected) << FirstDifference(Got, Expected);
    }
}

// What a save of such a book keeps reads back as the same book, the byte-order
// mark included.
TEST(BadInput, ABookLoadedFromAByteOrderMarkedFileSavesAndLoadsBack)
{
    TTempDir Dir;
    const std::string File = Dir / "BOM.EVT";
    for (const TBadInput& Case : badinputs::All())
        if (Case.Name.starts_with("a UTF-8")) WriteFile(File, Case.Contents());
    TEventsList Book;
    Book.LoadFromFile(File);
    AddAnniversaries(Book, {{1, 7, "added"}});
    Book.SaveToFile();
    EXPECT_TRUE(ReadFile(File).starts_with("\xEF\xBB\xBF[January]\r\n"));
    TEventsList Back;
    Back.LoadFromFile(File);
    EXPECT_EQ(DescribeBook(Back), DescribeBook(Book));
    EXPECT_EQ(Back.Months[1]->Count, 2);
}
