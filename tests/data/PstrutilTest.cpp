// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Pstrutil.h"

#include <gtest/gtest.h>

TEST(Pstrutil, StripSpacesRemovesOnlyBlanksAtTheEnds)
{
    struct Case { std::string In, Out; } Cases[] = {
        {"", ""},
        {"    ", ""},
        {"  Tree planted  ", "Tree planted"},
        {"a  b", "a  b"},
        {"\tTab kept ", "\tTab kept"},
        {" trailing tab\t", "trailing tab\t"},
    };
    for (const auto& C : Cases) EXPECT_EQ(StripSpaces(C.In), C.Out) << '"' << C.In << '"';
    EXPECT_EQ(StripLeadingSpaces("  a "), "a ");
    EXPECT_EQ(StripTrailingSpaces("  a "), "  a");
}

TEST(Pstrutil, StripTrailingCharAndStripChar)
{
    EXPECT_EQ(StripTrailingChar("", 'x'), "");
    EXPECT_EQ(StripTrailingChar("axxx", 'x'), "a");
    EXPECT_EQ(StripTrailingChar("xxx", 'x'), "");
    EXPECT_EQ(StripChar("1 9 9 6", ' '), "1996");
    EXPECT_EQ(StripChar("  ", ' '), "");
    EXPECT_EQ(StripChar("no blanks", 'z'), "no blanks");
}

TEST(Pstrutil, UpperCaseFoldsOnlyAToZ)
{
    EXPECT_EQ(UpperCase("family.evt"), "FAMILY.EVT");
    EXPECT_EQ(UpperCase("caf\xE9 \xC3\xA9 [a-z]"), "CAF\xE9 \xC3\xA9 [A-Z]");  // Windows-1252 and UTF-8 bytes alike
}

TEST(Pstrutil, IsAllDigits)
{
    struct Case { std::string In; bool Out; } Cases[] = {
        {"", false}, {"-5", false}, {"19 96", false}, {"1.5", false}, {"+1", false},
        {"0007", true}, {"1996", true}, {"\xB2", false},  // superscript two is no digit
    };
    for (const auto& C : Cases) EXPECT_EQ(IsAllDigits(C.In), C.Out) << '"' << C.In << '"';
}
