// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Find Next in the main window.

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "MainWindowFixture.h"
#include "dialogs/Dofind.h"

class FindCommands : public MainWindow {
protected:
    FindCommands()
    {
        WriteBook(Dir / "B.EVT", {{3, 9, "Concatenate"}, {5, 1, "Dog"}, {6, 4, "The cat"}, {8, 2, "Cat nap"}});
        Start({"B.EVT"});
        ShowActive(Main.get());
        ShowMonth(1);
    }
    // Answers the next find dialog.
    void Criteria(const QString& Text, bool MatchCase = false, bool WholeWords = false, bool Ok = true)
    {
        WhenModal([=, this](QWidget*) {
            FindDialog->cboSearchString->setText(Text);
            FindDialog->chkMatchCase->setChecked(MatchCase);
            FindDialog->chkWholeWords->setChecked(WholeWords);
            (Ok ? FindDialog->btnOK : FindDialog->btnCancel)->click();
        });
    }
    // The shown month and selected line's text, or the last message.
    std::string Found()
    {
        if (!Recorder.Shown().empty()) {
            const QString Text = Recorder.Shown().back().Message.Text;
            Recorder.Clear();
            return Text.toStdString();
        }
        return std::to_string(Main->ShownMonth()) + ": " + (Selected() < 0 ? "" : Lines()[Selected()].toStdString());
    }
};

TEST_F(FindCommands, FindThenFindNextWalkTheMonths)
{
    EXPECT_FALSE(Enabled("mnuSFindNext"));
    Criteria("cat");
    Trigger(Main.get(), "mnuSFind");
    EXPECT_EQ(Found(), "3: 9 - Concatenate  ");
    EXPECT_TRUE(Enabled("btnEdit"));
    ShowActive(Main.get());
    QTest::keyClick(Main.get(), Qt::Key_F3);
    EXPECT_EQ(Found(), "6: 4 - The cat  ");
    Main->mnuSFindNextClick();
    EXPECT_EQ(Found(), "8: 2 - Cat nap  ");
    Main->mnuSFindNextClick();
    EXPECT_EQ(Found(), "There are no more anniversaries that match your search.");
    Main->mnuSFindNextClick();
    EXPECT_EQ(Found(), "There are no more anniversaries that match your search.");

    // A month the user selects is where Find Next goes on.
    ShowMonth(5);
    Main->mnuSFindNextClick();
    EXPECT_EQ(Found(), "6: 4 - The cat  ");
    // Find starts again at January.
    Criteria("cat");
    Main->mnuSFindClick();
    EXPECT_EQ(Found(), "3: 9 - Concatenate  ");
}

TEST_F(FindCommands, OptionsNarrowTheMatches)
{
    struct Case { QString Text; bool MatchCase, WholeWords; QString Result; } Cases[] = {
        {"cat", false, true, "6: 4 - The cat  "},
        {"cat", true, true, "6: 4 - The cat  "},
        {"Cat", true, false, "8: 2 - Cat nap  "},
        {" cat", false, false, "6: 4 - The cat  "},
        {"Cow", false, false, "There are no anniversaries that match your search."},
    };
    for (const auto& C : Cases) {
        Criteria(C.Text, C.MatchCase, C.WholeWords);
        Main->mnuSFindClick();
        EXPECT_EQ(Found(), C.Result.toStdString()) << C.Text.toStdString();
    }
    EXPECT_TRUE(Enabled("mnuSFindNext"));  // enabled even after a search that found nothing
}

TEST_F(FindCommands, CancelSearchesNothingButKeepsWhatWasTyped)
{
    Criteria("dog", false, false, false);
    Main->mnuSFindClick();
    EXPECT_EQ(Found(), "1: ");
    EXPECT_FALSE(Enabled("mnuSFindNext"));

    Criteria("cat");
    Main->mnuSFindClick();
    Criteria("dog", false, false, false);
    Main->mnuSFindClick();
    Main->mnuSFindNextClick();  // goes on from March with the criteria left in the dialog
    EXPECT_EQ(Found(), "5: 1 - Dog  ");
}

TEST_F(FindCommands, DeletingTheFoundAnniversaryMovesTheSearchToTheMonthStart)
{
    Criteria("cat");
    Main->mnuSFindClick();
    Main->mnuSFindNextClick();
    EXPECT_EQ(Found(), "6: 4 - The cat  ");
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Main->btnDeleteClick();
    Recorder.Clear();
    Main->mnuSFindNextClick();
    EXPECT_EQ(Found(), "8: 2 - Cat nap  ");
}
