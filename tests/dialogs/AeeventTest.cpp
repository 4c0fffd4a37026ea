// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Aeevent.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "data/Dateutil.h"
#include "platform/MaskEdit.h"
#include "platform/Prompts.h"
#include "platform/SpinEdit.h"

TEST(AeeventRules, YearTextsGiveTheirBoundFaultAndStoredYear)
{
    const uint16_t Now = CurrentYear();
    const std::string ThisOne = std::to_string(Now), Next = std::to_string(Now + 1);
    const std::string NonNumeric = "Invalid, non-numeric year entered.";
    const std::string TooLate = "Year cannot be greater than this year.";
    struct Case { std::string Text; int32_t Bound; std::string Fault; int32_t Stored; } Cases[] = {
        {"", 1996, "", -1},
        {"1995", 1995, "", 1995},
        {"95", 95, "", 95},              // the digits in the last two positions
        {"95  ", -1, NonNumeric, 95},    // the digits in the first two positions
        {"1 95", -1, NonNumeric, 195},
        {"0000", 0, "", 0},
        {ThisOne, Now, "", Now},
        {Next, Now + 1, TooLate, Now + 1},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(BoundYear(C.Text), C.Bound) << C.Text;
        EXPECT_EQ(YearFault(C.Text, Now), C.Fault) << C.Text;
        if (C.Fault.empty()) {
            EXPECT_EQ(OrigYearFromText(C.Text), C.Stored) << C.Text;
        }
    }
}

namespace {

// Types Text into Widget character by character, as a keyboard would.
void Type(QWidget* Widget, const QString& Text)
{
    for (const QChar Ch : Text) {
        QKeyEvent Press(QEvent::KeyPress, 0, Qt::NoModifier, QString(Ch));
        QKeyEvent Release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(Ch));
        QApplication::sendEvent(Widget, &Press);
        QApplication::sendEvent(Widget, &Release);
    }
}

}  // namespace

class Aeevent : public testing::Test {
protected:
    // Sets the dialog up as the main window does for an anniversary of Month.
    void Prepare(int Month, int Day, const QString& Text, const QString& Year)
    {
        Dialog.SelectedMonth = Month;
        Dialog.spedDayNumber->SetMaxValue(DaysInMonth(static_cast<uint16_t>(Month), 1996));
        Dialog.spedDayNumber->SetValue(Day);
        Dialog.SetEventText(Text);
        Dialog.mskEdYear->SetText(Year);
    }

    // Shows the dialog modally, runs Step in it, and returns the result.
    int Run(std::function<void()> Step)
    {
        WhenModal([Step = std::move(Step)](QWidget*) { Step(); });
        return Dialog.ShowModal();
    }

    prompts::TPromptRecorder Recorder;
    TfrmAEEvent Dialog;
};

TEST_F(Aeevent, OkFollowsTheTextAndTheTextComesBackTrimmed)
{
    Prepare(3, 14, QString(), QString());
    bool EnabledWhenEmpty = true, EnabledWithBlanks = true, EnabledWithText = false;
    const int Result = Run([&] {
        EnabledWhenEmpty = Dialog.btnOK->isEnabled();
        QTest::keyClicks(Dialog.edtEventText, "   ");
        EnabledWithBlanks = Dialog.btnOK->isEnabled();
        QTest::keyClicks(Dialog.edtEventText, "Wedding  ");
        EnabledWithText = Dialog.btnOK->isEnabled();
        QTest::keyClick(Dialog.edtEventText, Qt::Key_Return);  // OK is the default button
    });
    EXPECT_FALSE(EnabledWhenEmpty);
    EXPECT_FALSE(EnabledWithBlanks);
    EXPECT_TRUE(EnabledWithText);
    EXPECT_EQ(Result, TfrmAEEvent::mrOk);
    EXPECT_EQ(Dialog.edtEventText->text(), "Wedding");
    EXPECT_EQ(Dialog.spedDayNumber->Value(), 14);
}

TEST_F(Aeevent, YearRuleSetsFebruarysBoundOnShowingAndOnLeavingTheYearBox)
{
    Prepare(2, 29, QStringLiteral("Leap day"), QStringLiteral("1995"));
    int BoundOnShow = 0;
    Run([&] {
        BoundOnShow = Dialog.spedDayNumber->MaxValue();
        Dialog.btnCancel->click();
    });
    EXPECT_EQ(BoundOnShow, 28);

    Prepare(2, 29, QStringLiteral("Leap day"), QString());
    int BoundWithoutYear = 0, BoundAfterExit = 0, ShownAfterExit = 0, Stepped = 0;
    Run([&] {
        BoundWithoutYear = Dialog.spedDayNumber->MaxValue();
        Dialog.mskEdYear->setFocus();
        Dialog.mskEdYear->SetText(QStringLiteral("2023"));
        Dialog.btnOK->setFocus();  // leaves the year box
        BoundAfterExit = Dialog.spedDayNumber->MaxValue();
        ShownAfterExit = Dialog.spedDayNumber->Value();  // a lowered bound leaves the day shown alone
        Dialog.spedDayNumber->stepBy(-1);
        Stepped = Dialog.spedDayNumber->Value();
        Dialog.btnCancel->click();
    });
    EXPECT_EQ(BoundWithoutYear, 29);
    EXPECT_EQ(BoundAfterExit, 28);
    EXPECT_EQ(ShownAfterExit, 29);
    EXPECT_EQ(Stepped, 28);
}

TEST_F(Aeevent, OkRefusesABadYearWithItsMessageAndStaysOpen)
{
    const QString Next = QString::number(CurrentYear() + 1);
    struct Case { QString Year; const char* Message; } Cases[] = {
        {Next, "Year cannot be greater than this year."},
        {QStringLiteral("95  "), "Invalid, non-numeric year entered."},
    };
    for (const auto& C : Cases) {
        Recorder.Clear();
        Prepare(6, 1, QStringLiteral("Moved house"), C.Year);
        bool OpenAfterOk = false;
        const int Result = Run([&] {
            Dialog.btnOK->click();
            OpenAfterOk = Dialog.isVisible();
            Dialog.btnCancel->click();
        });
        EXPECT_TRUE(OpenAfterOk);
        EXPECT_EQ(Result, TfrmAEEvent::mrCancel);
        ASSERT_EQ(Recorder.Shown().size(), 1u);
        EXPECT_EQ(Recorder.Shown()[0].Message.Text, C.Message);
        EXPECT_EQ(Recorder.Shown()[0].Message.Title, "Error");
        EXPECT_EQ(Recorder.Shown()[0].Beep, prompts::TBeep::Asterisk);
        EXPECT_EQ(Dialog.mskEdYear->Text(), C.Year);  // no control changed
    }
}

TEST_F(Aeevent, YearOfThisYearAndTheLastTwoPositionsAreAccepted)
{
    for (const QString& Year : {QString::number(CurrentYear()), QStringLiteral("95"), QStringLiteral("0000")}) {
        Prepare(6, 1, QStringLiteral("Moved house"), Year);
        EXPECT_EQ(Run([&] { Dialog.btnOK->click(); }), TfrmAEEvent::mrOk) << Year.toStdString();
    }
    EXPECT_TRUE(Recorder.Shown().empty());
}

TEST_F(Aeevent, EnteringOrClickingTheYearBoxSelectsTheWholeYear)
{
    Prepare(6, 1, QStringLiteral("Moved house"), QStringLiteral("1990"));
    QString OnEnter, OnClick, OnRightClick;
    Run([&] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        OnEnter = Dialog.mskEdYear->selectedText();
        Dialog.mskEdYear->deselect();
        QTest::mouseClick(Dialog.mskEdYear, Qt::LeftButton, {}, QPoint(4, 4));
        OnClick = Dialog.mskEdYear->selectedText();
        Dialog.mskEdYear->deselect();
        QTest::mousePress(Dialog.mskEdYear, Qt::RightButton, {}, QPoint(4, 4));
        OnRightClick = Dialog.mskEdYear->selectedText();
        QTest::mouseRelease(Dialog.mskEdYear, Qt::RightButton, {}, QPoint(4, 4));
        Dialog.btnCancel->click();
    });
    EXPECT_EQ(OnEnter, "1990");
    EXPECT_EQ(OnClick, "1990");
    EXPECT_EQ(OnRightClick, "");
}

TEST_F(Aeevent, EscapeInTheDayBoxCancelsAsTheCancelButtonDoes)
{
    Prepare(1, 5, QStringLiteral("Anything"), QString());
    EXPECT_EQ(Run([&] { QTest::keyClick(Dialog.spedDayNumber, Qt::Key_Escape); }), TfrmAEEvent::mrCancel);
    EXPECT_FALSE(Dialog.isVisible());
}

TEST_F(Aeevent, ADayTypedPastTheMonthAndConfirmedWithEnterIsBroughtIntoRange)
{
    Prepare(4, 1, QStringLiteral("April fool"), QString());
    const int Result = Run([&] {
        Dialog.spedDayNumber->setFocus();
        QTest::keyClick(Dialog.spedDayNumber, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Dialog.spedDayNumber, "45");
        QTest::keyClick(Dialog.spedDayNumber, Qt::Key_Return);
    });
    EXPECT_EQ(Result, TfrmAEEvent::mrOk);
    EXPECT_EQ(Dialog.spedDayNumber->Value(), 30);
}

TEST_F(Aeevent, AStoredTextLongerThanTheBoxSurvivesUntouched)
{
    const QString Long(70, u'x');
    Prepare(8, 2, Long, QString());
    Run([&] {
        QTest::keyClick(Dialog.edtEventText, Qt::Key_End);
        QTest::keyClicks(Dialog.edtEventText, "more");  // cannot grow past what it holds
        Dialog.btnOK->click();
    });
    EXPECT_EQ(Dialog.edtEventText->text(), Long);
}

TEST_F(Aeevent, TextBoxRefusesCharactersTheFileCannotHold)
{
    Prepare(8, 2, QString(), QString());
    Run([&] {
        Type(Dialog.edtEventText, QStringLiteral(u"Caf\u00E9 \u03B1\u20AC"));
        Dialog.btnOK->click();
    });
    EXPECT_EQ(Dialog.edtEventText->text(), QStringLiteral(u"Caf\u00E9 \u20AC"));
}

TEST_F(Aeevent, AfterAnErrorBoxTheFocusIsBackInTheDayBox)
{
    Prepare(6, 1, QStringLiteral("Moved house"), QStringLiteral("95  "));
    QWidget* FocusAfterBox = nullptr;
    Run([&] {
        Dialog.mskEdYear->setFocus();
        Dialog.btnOK->click();
        FocusAfterBox = Dialog.focusWidget();
        Dialog.btnCancel->click();
    });
    ASSERT_EQ(Recorder.Shown().size(), 1u);
    ASSERT_NE(FocusAfterBox, nullptr);
    EXPECT_TRUE(FocusAfterBox == Dialog.spedDayNumber || Dialog.spedDayNumber->isAncestorOf(FocusAfterBox));
}
