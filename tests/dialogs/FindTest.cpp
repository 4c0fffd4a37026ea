// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Find.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "platform/Help.h"
#include "platform/Prompts.h"

TEST(FindDialog, BlankTextIsRefusedAndWhatWasTypedStays)
{
    prompts::TPromptRecorder Recorder;
    TfrmFind Find;
    EXPECT_EQ(Find.windowTitle(), "Find...");
    EXPECT_EQ(help::HelpContext(&Find), 38);
    EXPECT_FALSE(Find.chkMatchCase->isChecked());
    EXPECT_FALSE(Find.chkWholeWords->isChecked());

    bool StayedOpen = false;
    WhenModal([&](QWidget*) {
        Find.cboSearchString->setText("   ");
        QTest::keyClick(Find.cboSearchString, Qt::Key_Return);
        StayedOpen = Find.isVisible() && QApplication::focusWidget() == Find.cboSearchString;
        Find.cboSearchString->setText(" cat");
        Find.chkWholeWords->setChecked(true);
        QTest::keyClick(Find.cboSearchString, Qt::Key_Escape);
    });
    EXPECT_EQ(Find.ShowModal(), TfrmFind::mrCancel);
    EXPECT_TRUE(StayedOpen);
    ASSERT_EQ(Recorder.Shown().size(), 1u);
    EXPECT_EQ(Recorder.Shown()[0].Message.Text, "You have not entered a text to search for.");
    EXPECT_EQ(Recorder.Shown()[0].Message.Title, "Error");
    EXPECT_EQ(Recorder.Shown()[0].Beep, prompts::TBeep::Asterisk);

    // Cancel kept the criteria; the next showing selects the text to be typed over.
    EXPECT_EQ(Find.Criteria().Text, " cat");
    EXPECT_TRUE(Find.Criteria().WholeWords);
    bool Selected = false;
    WhenModal([&](QWidget*) {
        Selected = Find.cboSearchString->selectedText() == " cat";
        QTest::keyClicks(Find.cboSearchString, "dog");
        Find.btnOK->click();
    });
    EXPECT_EQ(Find.ShowModal(), TfrmFind::mrOk);
    EXPECT_TRUE(Selected);
    EXPECT_EQ(Find.Criteria().Text, "dog");
}
