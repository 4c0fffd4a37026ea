// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpinEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <functional>
#include <set>
#include <vector>

#include "GuiTestSupport.h"

namespace {
// Lets the tests put any text in the box and see which arrows are open.
class TOpenSpinEdit : public TSpinEdit {
public:
    using TSpinEdit::TSpinEdit;
    using TSpinEdit::lineEdit;
    using TSpinEdit::stepEnabled;
};

using TAction = std::function<void(TSpinEdit*)>;

void Press(TSpinEdit* Box, Qt::Key Key)
{
    QTest::keyClick(Box, Key);
}

void ClickArrow(TSpinEdit* Box, QStyle::SubControl Arrow)
{
    QStyleOptionSpinBox Option;
    Option.initFrom(Box);
    Option.subControls = QStyle::SC_All;
    const QRect Where = Box->style()->subControlRect(QStyle::CC_SpinBox, &Option, Arrow, Box);
    ASSERT_TRUE(Where.isValid());
    QTest::mouseClick(Box, Qt::LeftButton, {}, Where.center());
}

class SpinEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        Other->move(0, 40);
        ShowActive(&Dialog);
        Focus(Box);
    }

    void Range(int Min, int Max, int Increment = 1)
    {
        Box->SetMinValue(Min);
        Box->SetMaxValue(Max);
        Box->SetIncrement(Increment);
    }

    QDialog Dialog;
    TOpenSpinEdit* Box = new TOpenSpinEdit(&Dialog);
    QLineEdit* Other = new QLineEdit(&Dialog);  // somewhere for the focus to go
};
}  // namespace

TEST_F(SpinEdit, TextThatIsNoNumberReadsAsTheMinimum)
{
    Range(3, 31);
    const struct {
        const char* Text;
        int Value;
    } Cases[] = {{"17", 17}, {"0", 0}, {"", 3}, {"x", 3}, {"12x", 3}, {"99999999999", 3}};
    for (const auto& Case : Cases) {
        Box->lineEdit()->setText(Case.Text);
        ASSERT_EQ(Box->text(), Case.Text);
        EXPECT_EQ(Box->Value(), Case.Value) << Case.Text;
    }
}

TEST_F(SpinEdit, SetValueBringsTheValueIntoTheRangeUnlessMinimumEqualsMaximum)
{
    const struct {
        int Min, Max, Value;
        const char* Shown;
    } Cases[] = {{1, 31, 15, "15"}, {1, 31, 0, "1"},   {1, 31, 32, "31"},
                 {-5, 5, -9, "-5"}, {0, 0, 42, "42"}, {7, 7, -3, "-3"}};
    for (const auto& Case : Cases) {
        Range(Case.Min, Case.Max);
        Box->SetValue(Case.Value);
        EXPECT_EQ(Box->text(), Case.Shown) << Case.Min << ".." << Case.Max << " set " << Case.Value;
    }
}

TEST_F(SpinEdit, ALoweredMaximumKeepsTheValueUntilTheBoxIsSteppedOrLeft)
{
    const struct {
        const char* Name;
        TAction Act;
    } Cases[] = {
        {"Down key", [](TSpinEdit* B) { Press(B, Qt::Key_Down); }},
        {"Up key", [](TSpinEdit* B) { Press(B, Qt::Key_Up); }},
        {"PageUp key", [](TSpinEdit* B) { Press(B, Qt::Key_PageUp); }},
        {"up arrow", [](TSpinEdit* B) { ClickArrow(B, QStyle::SC_SpinBoxUp); }},
        {"stepBy(-1)", [](TSpinEdit* B) { B->stepBy(-1); }},
        {"CheckValue", [](TSpinEdit* B) { B->CheckValue(); }},
        {"leaving", [this](TSpinEdit*) { Focus(Other); }},
    };
    for (const auto& Case : Cases) {
        Focus(Box);
        Range(1, 29);
        Box->SetValue(29);
        Box->SetMaxValue(28);
        Box->SetIncrement(1);
        EXPECT_EQ(Box->text(), "29") << Case.Name;
        Case.Act(Box);
        EXPECT_EQ(Box->text(), "28") << Case.Name;
    }
}

TEST_F(SpinEdit, StepsMoveByTheIncrementWithinTheRange)
{
    const struct {
        int Min, Max, Increment;
        const char* Start;
        const char* Name;
        TAction Act;
        const char* Shown;
    } Cases[] = {
        {0, 100, 5, "50", "Up", [](TSpinEdit* B) { Press(B, Qt::Key_Up); }, "55"},
        {0, 100, 5, "50", "Down", [](TSpinEdit* B) { Press(B, Qt::Key_Down); }, "45"},
        {0, 100, 5, "50", "PageUp", [](TSpinEdit* B) { Press(B, Qt::Key_PageUp); }, "100"},
        {0, 100, 5, "50", "PageDown", [](TSpinEdit* B) { Press(B, Qt::Key_PageDown); }, "0"},
        {0, 100, 5, "97", "Up", [](TSpinEdit* B) { Press(B, Qt::Key_Up); }, "100"},
        {0, 100, 5, "3", "stepBy(-2)", [](TSpinEdit* B) { B->stepBy(-2); }, "0"},
        {0, 31, 1, "1", "Down", [](TSpinEdit* B) { Press(B, Qt::Key_Down); }, "0"},
        {0, 31, 1, "1", "down arrow", [](TSpinEdit* B) { ClickArrow(B, QStyle::SC_SpinBoxDown); }, "0"},
        {0, 31, 1, "", "Up", [](TSpinEdit* B) { Press(B, Qt::Key_Up); }, "1"},
        {5, 5, 1, "5", "Up", [](TSpinEdit* B) { Press(B, Qt::Key_Up); }, "6"},
    };
    for (const auto& Case : Cases) {
        Range(Case.Min, Case.Max, Case.Increment);
        Box->lineEdit()->setText(Case.Start);
        Case.Act(Box);
        EXPECT_EQ(Box->text(), Case.Shown) << Case.Name << " from \"" << Case.Start << '"';
    }
}

TEST_F(SpinEdit, AnArrowIsOpenWhileItsStepWouldChangeTheValue)
{
    using E = QAbstractSpinBox;
    const struct {
        int Min, Max, Value;
        E::StepEnabled Open;
    } Cases[] = {
        {1, 31, 15, E::StepUpEnabled | E::StepDownEnabled},
        {1, 31, 31, E::StepDownEnabled},
        {1, 31, 1, E::StepUpEnabled},
        {5, 5, 5, E::StepUpEnabled | E::StepDownEnabled},
    };
    for (const auto& Case : Cases) {
        Range(Case.Min, Case.Max);
        Box->SetValue(Case.Value);
        EXPECT_EQ(Box->stepEnabled(), Case.Open) << Case.Value << " in " << Case.Min << ".." << Case.Max;
    }
    Range(1, 31);
    Box->SetValue(29);
    Box->SetMaxValue(28);
    EXPECT_EQ(Box->stepEnabled(), E::StepUpEnabled | E::StepDownEnabled) << "both bring 29 into 1..28";
}

TEST_F(SpinEdit, TypingTakesDigitsOnlyAndNothingBeyondAnInt)
{
    const struct {
        int Min;
        const char* Keys;
        const char* Shown;
    } Cases[] = {
        {0, "1a2-3 .+", "123"},
        {0, "99999999999", "999999999"},
        {0, "-4", "4"},
        {-10, "-4x", "-4"},
    };
    for (const auto& Case : Cases) {
        Range(Case.Min, 31);
        Box->lineEdit()->clear();
        QTest::keyClicks(Box, Case.Keys);
        EXPECT_EQ(Box->text(), Case.Shown) << Case.Keys;
    }
}

TEST_F(SpinEdit, KeyDownSeesEveryKeyFirstAndMayKeepItFromTheBox)
{
    Range(1, 31);
    Box->SetValue(10);
    std::set<int> Kept = {Qt::Key_Escape, Qt::Key_5};
    std::vector<int> Seen;
    QObject::connect(Box, &TSpinEdit::KeyDown, [&](QKeyEvent* Event) {
        Seen.push_back(Event->key());
        if (Kept.contains(Event->key()))
            Event->accept();
    });

    QTest::keyClick(Box, Qt::Key_Escape);
    EXPECT_TRUE(Dialog.isVisible()) << "a kept Escape does not reach the dialog";
    Box->lineEdit()->end(false);
    QTest::keyClick(Box, Qt::Key_5);
    EXPECT_EQ(Box->text(), "10");
    QTest::keyClick(Box, Qt::Key_Up);
    EXPECT_EQ(Box->text(), "11");

    Kept.clear();
    QTest::keyClick(Box, Qt::Key_Escape);
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Seen, (std::vector<int>{Qt::Key_Escape, Qt::Key_5, Qt::Key_Up, Qt::Key_Escape}));
}
