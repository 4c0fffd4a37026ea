// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniDocument.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

TEST(IniDocument, LinesSectionsEntriesAndComments)
{
    const TIniDocument Doc(
        "Before=first section\r\n"   // no section yet: ignored
        "[Owner]\r\n"
        "; Name=commented out\r\n"
        "\r\n"
        "Name = Ann = Smith\n"       // split at the first equals sign; LF alone ends a line too
        "NoEquals\r\n"
        "  [ Spaced ]  \r\n"
        "\tKey\t=\tv\r\n"
        "[Unclosed\r\n"
        "After=unclosed\r\n"
        "[Last]\r\n"
        "End=no line end");
    EXPECT_EQ(Doc.ReadString("Owner", "Before", "-"), "-");
    EXPECT_EQ(Doc.ReadString("Owner", "; Name", "-"), "-");
    EXPECT_EQ(Doc.ReadString("Owner", "Name", "-"), "Ann = Smith");
    EXPECT_EQ(Doc.ReadString("Owner", "NoEquals", "-"), "-");
    EXPECT_EQ(Doc.ReadString("Spaced", "Key", "-"), "v");
    EXPECT_FALSE(Doc.SectionExists("Unclosed")) << "a header needs its closing bracket";
    EXPECT_EQ(Doc.ReadString("Spaced", "After", "-"), "unclosed");
    EXPECT_EQ(Doc.ReadString("Last", "End", "-"), "no line end");
}

TEST(IniDocument, NamesIgnoreCaseAndTheFirstOccurrenceCounts)
{
    const TIniDocument Doc(CrLf({"[Startup]", "LoadFile=first", "LOADFILE=second", "[STARTUP]", "LoadFile=third",
                                 "UseCurrentMonth=0"}));
    EXPECT_EQ(Doc.ReadString("startup", "loadfile", ""), "first");
    EXPECT_TRUE(Doc.ReadBool("Startup", "UseCurrentMonth", true)) << "only the first section counts";
    std::vector<std::string> Keys;
    Doc.ForEachEntry("STARTUP", [&](std::string_view K, std::string_view V) { Keys.push_back(std::string(K) + "=" + std::string(V)); });
    EXPECT_EQ(Keys, (std::vector<std::string>{"LoadFile=first", "LOADFILE=second"})) << "the first section only";
}

TEST(IniDocument, ValuesAreTrimmedUnquotedAndCut)
{
    struct Case { std::string Stored, Read; } Cases[] = {
        {"  padded \t", "padded"},
        {"\"quoted value\"", "quoted value"},
        {"'single'", "single"},
        {"  \" kept blanks \"  ", " kept blanks "},
        {"\"mismatched'", "\"mismatched'"},
        {"\"", "\""},
        {"\"\"", ""},
        {"say \"hi\"", "say \"hi\""},
        {"", ""},
        {std::string(3000, 'z'), std::string(2047, 'z')},
    };
    for (const auto& C : Cases) {
        const TIniDocument Doc("[S]\r\nK=" + C.Stored + "\r\n");
        EXPECT_EQ(Doc.ReadString("S", "K", "default"), C.Read) << C.Stored;
    }
    const TIniDocument Doc("[S]\r\n");
    EXPECT_EQ(Doc.ReadString("S", "K", "default"), "default");
    EXPECT_EQ(Doc.ReadString("T", "K", "default"), "default");
}

TEST(IniDocument, IntegersAndBooleans)
{
    struct Case { std::string Stored; int32_t Read; } Cases[] = {
        {"12", 12}, {"  12", 12}, {"+7", 7}, {"-5", -5}, {"0007", 7}, {"-0", 0},
        {"$1F", 31}, {"0x1F", 31}, {"0X1f", 31}, {"x10", 16}, {"X10", 16},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"0x7FFFFFFF", INT32_MAX},
        {"", -99}, {"abc", -99}, {"12abc", -99}, {"1 2", -99}, {"1.5", -99}, {"-", -99}, {"0x", -99},
        {"$", -99}, {"-$1", -99}, {"--1", -99}, {"2147483648", -99}, {"-2147483649", -99},
        {"99999999999", -99}, {"0x80000000", -99}, {"0xFFFFFFFF", -99}, {"'42'", 42},
    };
    for (const auto& C : Cases) {
        const TIniDocument Doc("[S]\r\nK=" + C.Stored + "\r\n");
        EXPECT_EQ(Doc.ReadInteger("S", "K", -99), C.Read) << '"' << C.Stored << '"';
    }
    const TIniDocument Doc(CrLf({"[S]", "Zero=0", "Two=2", "Word=yes"}));
    EXPECT_FALSE(Doc.ReadBool("S", "Zero", true));
    EXPECT_TRUE(Doc.ReadBool("S", "Two", false));
    EXPECT_TRUE(Doc.ReadBool("S", "Word", true));
    EXPECT_FALSE(Doc.ReadBool("S", "Word", false));
    EXPECT_TRUE(Doc.ReadBool("S", "Missing", true));
}

TEST(IniDocument, WritesKeepEverythingElseInPlace)
{
    TIniDocument Doc(CrLf({"; top", "[FormPosition]", "top=1", "Left=2", "", "; note", "[Startup]", "LoadFile=x"}));
    Doc.WriteInteger("FormPosition", "Top", 125);      // replaced where it stands, its spelling kept
    Doc.WriteInteger("FormPosition", "Width", -450);   // after the last entry, before the blank line
    Doc.WriteBool("Startup", "UseCurrentMonth", true);
    Doc.WriteString("DueAlert", "UseFile", "  /home/ann/family.evt ");  // written unchanged
    EXPECT_EQ(Doc.Text(), CrLf({"; top", "[FormPosition]", "top=125", "Left=2", "Width=-450", "", "; note",
                                "[Startup]", "LoadFile=x", "UseCurrentMonth=1", "[DueAlert]",
                                "UseFile=  /home/ann/family.evt "}));
    EXPECT_EQ(Doc.ReadInteger("formposition", "width", 0), -450);

    TIniDocument Empty("[Only]\r\n");
    Empty.WriteString("Only", "K", "v");
    EXPECT_EQ(Empty.Text(), CrLf({"[Only]", "K=v"}));
}

TEST(IniDocument, WrittenLineBreaksCannotAddLines)
{
    TIniDocument Doc;
    Doc.WriteString("S", "K", "one\r\n[Evil]\nInjected=1");
    EXPECT_FALSE(Doc.SectionExists("Evil"));
    EXPECT_EQ(Doc.Text(), CrLf({"[S]", "K=one  [Evil] Injected=1"}));
}

TEST(IniDocument, EraseRemovesEverySectionOfThatNameAndNothingElse)
{
    TIniDocument Doc(CrLf({"; c", "[A]", "k=1", "[B]", "k=2", "; inside B", "[a]", "k=3", "[C]", "k=4"}));
    Doc.EraseSection("Missing");
    Doc.EraseSection("b");
    Doc.EraseSection("A");
    EXPECT_EQ(Doc.Text(), CrLf({"; c", "[C]", "k=4"}));
    EXPECT_FALSE(Doc.SectionExists("A"));
    Doc.WriteString("A", "k", "5");
    EXPECT_EQ(Doc.Text(), CrLf({"; c", "[C]", "k=4", "[A]", "k=5"}));
}

TEST(IniDocument, ByteOrderMarkIsSkippedAndKept)
{
    TIniDocument Doc("\xEF\xBB\xBF[January]\r\nNumberOfItems=0\r\n");
    EXPECT_EQ(Doc.ReadInteger("January", "NumberOfItems", -1), 0);
    Doc.WriteInteger("January", "NumberOfItems", 1);
    EXPECT_EQ(Doc.Text(), "\xEF\xBB\xBF[January]\r\nNumberOfItems=1\r\n");
}

TEST(IniDocument, JunkAndNulBytesReadAsDefaults)
{
    std::string Junk;
    for (int I = 0; I < 100000; ++I) Junk += static_cast<char>((I * 7919) % 256);
    const TIniDocument Doc(Junk + std::string("\0[S]\r\nK\0=1\r\n", 12));
    EXPECT_EQ(Doc.ReadInteger("January", "NumberOfItems", -1), -1);
    EXPECT_EQ(TIniDocument(Doc.Text()).Text(), Doc.Text()) << "written back, it reads the same";
}
