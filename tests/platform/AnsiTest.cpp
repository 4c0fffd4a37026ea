// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, EveryByteSurvivesTheWayThroughAWidget)
{
    std::string All;
    for (int Byte = 1; Byte < 256; ++Byte) All += static_cast<char>(Byte);
    EXPECT_EQ(QStringToAnsi(AnsiToQString(All)), All);
}

TEST(Ansi, ConvertsTheCharactersWhereWindows1252DiffersFromLatin1)
{
    struct Case { std::string Bytes; QString Text; } Cases[] = {
        {"\x80 5", QStringLiteral(u"\u20AC 5")},
        {"caf\xE9", QStringLiteral(u"caf\u00E9")},
        {"\x93quoted\x94", QStringLiteral(u"\u201Cquoted\u201D")},
        {"\x9F", QStringLiteral(u"\u0178")},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(AnsiToQString(C.Bytes), C.Text) << C.Bytes;
        EXPECT_EQ(QStringToAnsi(C.Text), C.Bytes) << C.Bytes;
    }
}

TEST(Ansi, ValidatorRefusesWhatTheFileCannotHold)
{
    TAnsiValidator Validator;
    struct Case { QString Text; QValidator::State State; } Cases[] = {
        {QStringLiteral(u"Caf\u00E9 \u20AC"), QValidator::Acceptable},
        {QString(), QValidator::Acceptable},
        {QStringLiteral(u"Greek \u03B1"), QValidator::Invalid},
        {QStringLiteral(u"Smile \U0001F600"), QValidator::Invalid},
        {QStringLiteral("two\nlines"), QValidator::Invalid},
    };
    for (auto& C : Cases) {
        int Pos = 0;
        EXPECT_EQ(Validator.validate(C.Text, Pos), C.State) << C.Text.toStdString();
    }
}
