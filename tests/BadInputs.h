// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Anniversary files that are damaged, hostile or merely odd, each with the book
// the reading rules make of it. The large ones are made when asked for, so
// that no test carries them around.

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "TestSupport.h"

struct TBadInput {
    std::string Name;
    std::function<std::string()> Contents;
    std::function<std::string()> Expected;  // as DescribeBook gives it
};

namespace badinputs {

inline std::function<std::string()> Text(std::vector<std::string> Lines)
{
    return [Lines] { return CrLf(Lines); };
}

inline std::function<std::string()> Book(std::vector<std::string> Lines)
{
    return [Lines] {
        std::string Out;
        for (const auto& Line : Lines) Out += Line + "\n";
        return Out;
    };
}

// Bytes of every value from a fixed sequence: no line of it forms a header.
inline std::string BinaryJunk()
{
    std::mt19937 Random(8);
    std::string Junk(1 << 20, '\0');
    for (char& C : Junk) C = static_cast<char>(Random() & 0xFF);
    return Junk;
}

constexpr size_t FiftyMegabytes = 50u << 20;
constexpr int ManyEntries = 200000;

// 50 MB made to be slow to read: January lists 200,000 entries that name two
// item sections in changing letter cases, the later entries an earlier day;
// each section holds over a million filler entries before its DayNumber.
inline std::string FiftyMegabyteFile()
{
    std::string Head = "[January]\r\nNumberOfItems=" + std::to_string(ManyEntries) + "\r\n";
    for (int I = 1; I <= ManyEntries; ++I)
        Head += std::to_string(I) + (I <= ManyEntries / 2 ? (I % 2 ? "=LATE\r\n" : "=late\r\n")
                                                           : (I % 2 ? "=EARLY\r\n" : "=Early\r\n"));
    const std::string Late = "[LATE]\r\nEventText=late\r\n", LateEnd = "DayNumber=31\r\nOrigYear=1999\r\n";
    const std::string Early = "[Early]\r\nEventText=early\r\n", EarlyEnd = "DayNumber=2\r\n";
    const std::string Tail = CrLf({"[December]", "NumberOfItems=1", "1=D1", "[D1]", "DayNumber=24", "EventText=Eve"});
    const std::string Filler = "Note=a filler entry of the section\r\n";
    const size_t Fixed = Head.size() + Late.size() + LateEnd.size() + Early.size() + EarlyEnd.size() + Tail.size();
    const size_t Lines = (FiftyMegabytes - Fixed) / Filler.size() / 2 + 1;
    std::string Text;
    Text.reserve(Fixed + 2 * Lines * Filler.size());
    Text += Head;
    Text += Late;
    for (size_t I = 0; I < Lines; ++I) Text += Filler;
    Text += LateEnd;
    Text += Early;
    for (size_t I = 0; I < Lines; ++I) Text += Filler;
    Text += EarlyEnd;
    Text += Tail;
    return Text;
}

inline std::string FiftyMegabyteBook()
{
    std::string Out;
    for (int I = 0; I < ManyEntries / 2; ++I) Out += "1/2 -1 early\n";
    for (int I = 0; I < ManyEntries / 2; ++I) Out += "1/31 1999 late\n";
    return Out + "12/24 -1 Eve\n";
}

constexpr size_t TenMegabytes = 10u << 20;

// An anniversary whose text is one line of 10 MB, between two ordinary ones.
inline std::string TenMegabyteLine()
{
    return CrLf({"[March]", "NumberOfItems=3", "1=BEFORE", "2=LONG", "3=AFTER", "[BEFORE]", "DayNumber=1",
                 "EventText=before", "[LONG]", "DayNumber=14", "EventText=" + std::string(TenMegabytes, 'y'),
                 "OrigYear=1970", "[AFTER]", "DayNumber=15", "EventText=after"});
}

inline std::string TenMegabyteBook()
{
    return "3/1 -1 before\n3/14 1970 " + std::string(2047, 'y') + "\n3/15 -1 after\n";
}

inline std::vector<TBadInput> All()
{
    using namespace std::string_literals;
    const std::string Nul(1, '\0');
    return {
        {"binary junk", BinaryJunk, Book({})},
        {"an empty file", [] { return std::string(); }, Book({})},
        {"50 MB of entries naming two long sections", FiftyMegabyteFile, FiftyMegabyteBook},
        {"a 10 MB line", TenMegabyteLine, TenMegabyteBook},
        // A NUL byte is an ordinary byte of the name or value it stands in.
        {"NUL bytes in names and values",
         Text({"[Jan" + Nul + "uary]", "NumberOfItems=1", "1=J1",                       // not January
               "[February]", "NumberOf" + Nul + "Items=1", "1=F1",                       // no count
               "[March]", "NumberOfItems=1" + Nul, "1=M1",                               // no number
               "[April]", "NumberOfItems=2", "1=A" + Nul + "1", "2=A2",
               "[A" + Nul + "1]", "DayNumber=3", "EventText=nul" + Nul + "key", "OrigYear=" + Nul,
               "[A2]", "DayNumber=4" + Nul, "EventText=" + Nul, "OrigYear=2001",
               "[J1]", "DayNumber=1", "[F1]", "DayNumber=2", "[M1]", "DayNumber=3"}),
         Book({"4/1 2001 " + Nul, "4/3 -1 nul" + Nul + "key"})},
        // The entries below the broken header belong to February, whose own count stays.
        {"a section header without its closing bracket",
         Text({"[February]", "NumberOfItems=1", "1=F1", "[March", "NumberOfItems=2", "1=M1", "2=M2",
               "[F1]", "DayNumber=5", "EventText=February's", "[M1]", "DayNumber=6", "[M2]", "DayNumber=7"}),
         Book({"2/5 -1 February's"})},
        {"NumberOfItems of -1, 0x7FFFFFFF and 99999999999",
         Text({"[January]", "NumberOfItems=-1", "1=K1",
               "[February]", "NumberOfItems=0x7FFFFFFF", "1=K1", "3=K2", "2147483647=K3", "2147483648=K3",
               "[March]", "NumberOfItems=99999999999", "1=K1",   // outside 32 bits: the default 0
               "[K1]", "DayNumber=9", "EventText=one", "[K2]", "DayNumber=8", "EventText=two",
               "[K3]", "DayNumber=7", "EventText=last"}),
         Book({"2/7 -1 last", "2/8 -1 two", "2/9 -1 one"})},
        {"an item key naming a month section",
         Text({"[January]", "NumberOfItems=1", "1=february", "[February]", "NumberOfItems=1", "1=F1",
               "[F1]", "DayNumber=9", "EventText=February's", "OrigYear=2000"}),
         Book({"1/1 -1 ", "2/9 2000 February's"})},
        {"a month entry naming its own month",
         Text({"[April]", "NumberOfItems=3", "1=April", "2=A1", "3=APRIL", "[A1]", "DayNumber=1",
               "EventText=own"}),
         Book({"4/1 -1 ", "4/1 -1 own", "4/1 -1 "})},
        // Only the low eight bits of a number in 32 bits count.
        {"DayNumber of 256, -1, 0x1F and beyond",
         Text({"[May]", "NumberOfItems=7", "1=D1", "2=D2", "3=D3", "4=D4", "5=D5", "6=D6", "7=D7",
               "[D1]", "DayNumber=256", "EventText=256", "[D2]", "DayNumber=-1", "EventText=-1",
               "[D3]", "DayNumber=0x1F", "EventText=0x1F", "[D4]", "DayNumber=$11F", "EventText=$11F",
               "[D5]", "DayNumber=-256", "EventText=-256", "[D6]", "DayNumber=4294967295",
               "EventText=4294967295", "[D7]", "DayNumber=0xFFFFFFFF", "EventText=0xFFFFFFFF"}),
         Book({"5/0 -1 256", "5/0 -1 -256", "5/1 -1 4294967295", "5/1 -1 0xFFFFFFFF", "5/31 -1 0x1F",
               "5/31 -1 $11F", "5/255 -1 -1"})},
        // A UTF-8 byte-order mark at the start of the file is skipped: the first
        // header still opens its section.
        {"a UTF-8 byte-order mark before the first header",
         [] {
             return "\xEF\xBB\xBF"s + CrLf({"[January]", "NumberOfItems=1", "1=K1", "[K1]", "DayNumber=6",
                                            "EventText=Caf\xC3\xA9", "[February]", "NumberOfItems=1", "1=K2",
                                            "[K2]", "DayNumber=7", "\xEF\xBB\xBF[March]", "NumberOfItems=1",
                                            "1=K1"});
         },
         Book({"1/6 -1 Caf\xC3\xA9", "2/7 -1 "})},
    };
}

}  // namespace badinputs
