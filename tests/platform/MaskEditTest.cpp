// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MaskEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeySequence>
#include <QTest>
#include <string>
#include <vector>

#include "GuiTestSupport.h"

namespace {
class MaskEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        Other->move(0, 40);
        ShowActive(&Dialog);
        Focus(Box);
    }

    QDialog Dialog;
    TMaskEdit* Box = new TMaskEdit(4, &Dialog);
    QLineEdit* Other = new QLineEdit(&Dialog);  // somewhere for the focus to go
};
}  // namespace

TEST_F(MaskEdit, TypedDigitsOverwriteTheirPositionsAndAnythingElseIsRefused)
{
    const struct {
        const char* Start;
        int Cursor;
        const char* Keys;
        const char* Text;
        int CursorAfter;
    } Cases[] = {
        {"", 0, "95", "95  ", 2},
        {"", 2, "95", "95", 4},
        {"", 0, "1995", "1995", 4},
        {"1995", 1, "8", "1895", 2},
        {"1995", 4, "7", "1995", 4},
        {"", 0, "1a9 x9.5", "1995", 4},
        {"1995", 1, " ", "1995", 1},
    };
    for (const auto& Case : Cases) {
        Box->SetText(Case.Start);
        Box->setCursorPosition(Case.Cursor);
        QTest::keyClicks(Box, Case.Keys);
        EXPECT_EQ(Box->Text(), Case.Text) << '"' << Case.Keys << "\" at " << Case.Cursor << " over \"" << Case.Start << '"';
        EXPECT_EQ(Box->cursorPosition(), Case.CursorAfter) << Case.Keys;
    }
}

TEST_F(MaskEdit, ErasingKeysAndTypingOverASelectionBlankPositionsInPlace)
{
    const struct {
        int From, Length;  // a Length of 0 places the cursor at From
        Qt::Key Key;
        const char* Text;
        int CursorAfter;
    } Cases[] = {
        {2, 0, Qt::Key_Backspace, "1 95", 1}, {2, 0, Qt::Key_Delete, "19 5", 2}, {0, 0, Qt::Key_Backspace, "1995", 0},
        {0, 0, Qt::Key_Delete, "995", 0},     {1, 2, Qt::Key_Backspace, "1  5", 1}, {1, 2, Qt::Key_7, "17 5", 2},
        {0, 4, Qt::Key_2, "2   ", 1},         {1, 2, Qt::Key_A, "1995", 3},         {1, 2, Qt::Key_Space, "1995", 3},
    };
    for (const auto& Case : Cases) {
        Box->SetText("1995");
        if (Case.Length)
            Box->setSelection(Case.From, Case.Length);
        else
            Box->setCursorPosition(Case.From);
        QTest::keyClick(Box, Case.Key);
        const std::string Name = QKeySequence(Case.Key).toString().toStdString();
        EXPECT_EQ(Box->Text(), Case.Text) << Name << " at " << Case.From << '+' << Case.Length;
        EXPECT_EQ(Box->cursorPosition(), Case.CursorAfter) << Name;
    }
}

TEST_F(MaskEdit, PastedDigitsFillPositionsFromTheCursor)
{
    Box->SetText("");
    Box->setCursorPosition(1);
    QGuiApplication::clipboard()->setText("20");
    QTest::keyClick(Box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box->displayText(), " 20 ");
    EXPECT_EQ(Box->Text(), "20 ");
}

TEST_F(MaskEdit, SetTextFillsThePositionsFromTheRight)
{
    EXPECT_EQ(Box->maxLength(), 4);
    const struct {
        const char* Value;
        const char* Shown;
        const char* Text;
    } Cases[] = {
        {"", "    ", ""},         {"1990", "1990", "1990"}, {"95", "  95", "95"},     {"95  ", "95  ", "95  "},
        {"1 95", "1 95", "1 95"}, {"0000", "0000", "0000"}, {"12345", "2345", "2345"}, {"19x5", "19 5", "19 5"},
        {"-7", "   7", "7"},
    };
    for (const auto& Case : Cases) {
        Box->SetText(Case.Value);
        EXPECT_EQ(Box->displayText(), Case.Shown) << '"' << Case.Value << '"';
        EXPECT_EQ(Box->Text(), Case.Text) << '"' << Case.Value << '"';
    }

    TMaskEdit Day(2);
    EXPECT_EQ(Day.maxLength(), 2);
    Day.SetText("1995");
    EXPECT_EQ(Day.Text(), "95");
}

TEST_F(MaskEdit, EscapeUndoesAChangeAndOtherwiseReachesTheDialog)
{
    Focus(Other);
    Box->SetText("1995");
    Focus(Box);
    Box->setCursorPosition(0);
    QTest::keyClicks(Box, "20");
    ASSERT_EQ(Box->Text(), "2095");

    QTest::keyClick(Box, Qt::Key_Escape);
    EXPECT_TRUE(Dialog.isVisible());
    EXPECT_EQ(Box->Text(), "1995");

    QTest::keyClick(Box, Qt::Key_Escape);
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Dialog.result(), QDialog::Rejected);
}

TEST_F(MaskEdit, FocusSignalsComeAfterTheBoxHasHandledTheFocus)
{
    int Entered = 0, Exited = 0;
    QObject::connect(Box, &TMaskEdit::Enter, [&] {
        ++Entered;
        Box->selectAll();
    });
    QObject::connect(Box, &TMaskEdit::Exit, [&] { ++Exited; });
    Box->SetText("1995");

    // Tabbing into a masked box puts the cursor on the first position; a
    // receiver selecting everything must see its selection stay.
    Focus(Other);
    Focus(Box, Qt::TabFocusReason);
    EXPECT_EQ(Box->selectionStart(), 0);
    EXPECT_EQ(Box->selectionLength(), 4);
    Focus(Other);
    EXPECT_EQ(Entered, 1);
    EXPECT_EQ(Exited, 2);
}

TEST_F(MaskEdit, MouseDownComesAfterTheClickHasPlacedTheCursor)
{
    std::vector<Qt::MouseButton> Buttons;
    QObject::connect(Box, &TMaskEdit::MouseDown, [&](Qt::MouseButton Button) {
        Buttons.push_back(Button);
        Box->setSelection(0, Box->maxLength());
    });
    Box->SetText("1995");
    Focus(Other);
    QTest::mouseClick(Box, Qt::LeftButton, {}, QPoint(Box->width() / 2, Box->height() / 2));
    EXPECT_TRUE(Box->hasFocus());
    EXPECT_EQ(Box->selectionStart(), 0);
    EXPECT_EQ(Box->selectionLength(), 4);
    EXPECT_EQ(Buttons, std::vector<Qt::MouseButton>{Qt::LeftButton});
}
