// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Prompts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"

using namespace prompts;

TEST(Prompts, RecorderAnswersFromItsQueueAndKeepsTheBeepBeforeEachBox)
{
    TPromptRecorder Recorder;
    Recorder.QueueAnswer(TButton::No);
    Beep(TBeep::Question);
    EXPECT_EQ(Show(ConfirmMessage(QStringLiteral("Sure?"))), TButton::No);
    EXPECT_EQ(Show(ErrorMessage(QStringLiteral("Bad."))), TButton::Ok);  // nothing queued: the default

    ASSERT_EQ(Recorder.Shown().size(), 2u);
    EXPECT_EQ(Recorder.Shown()[0].Beep, TBeep::Question);
    EXPECT_EQ(Recorder.Shown()[0].Message.Title, "Confirm");
    EXPECT_FALSE(Recorder.Shown()[1].Beep.has_value());
    EXPECT_EQ(Recorder.Beeps(), std::vector<TBeep>{TBeep::Question});
}

// The real box, as the user meets it.
TEST(Prompts, ConfirmationBoxHasItsCaptionsDefaultAndEscape)
{
    QStringList Captions;
    QString Title, Text, Default;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    WhenModal([&](QWidget* Modal) {
        auto* Box = qobject_cast<QMessageBox*>(Modal);
        ASSERT_NE(Box, nullptr);
        for (const QAbstractButton* Button : Box->buttons()) Captions << Button->text();
        Title = Box->windowTitle();
        Text = Box->text();
        Icon = Box->icon();
        Default = Box->defaultButton()->text();
        QTest::keyClick(Box, Qt::Key_Escape);
    });
    EXPECT_EQ(Show(ConfirmMessage(QStringLiteral("Save changes to"))), TButton::Cancel);
    Captions.sort();
    EXPECT_EQ(Captions, QStringList({"&No", "&Yes", "Cancel"}));
    EXPECT_EQ(Title, "Confirm");
    EXPECT_EQ(Text, "Save changes to");
    EXPECT_EQ(Icon, QMessageBox::Question);
    EXPECT_EQ(Default, "&Yes");

    WhenModal([](QWidget* Modal) {
        for (QAbstractButton* Button : qobject_cast<QMessageBox*>(Modal)->buttons())
            if (Button->text() == "&No") Button->click();
    });
    EXPECT_EQ(Show(ConfirmMessage(QStringLiteral("Again?"))), TButton::No);
}

TEST(Prompts, ErrorAndWarningBoxesHaveOneOkButton)
{
    struct Case { TMessage Message; const char* Title; QMessageBox::Icon Icon; } Cases[] = {
        {ErrorMessage(QStringLiteral("Bad.")), "Error", QMessageBox::Critical},
        {WarningMessage(QStringLiteral("Careful.")), "Warning", QMessageBox::Warning},
    };
    for (const auto& C : Cases) {
        WhenModal([&](QWidget* Modal) {
            auto* Box = qobject_cast<QMessageBox*>(Modal);
            ASSERT_NE(Box, nullptr);
            EXPECT_EQ(Box->windowTitle(), C.Title);
            EXPECT_EQ(Box->icon(), C.Icon);
            ASSERT_EQ(Box->buttons().size(), 1);
            EXPECT_EQ(Box->buttons().front()->text(), "OK");
            QTest::keyClick(Box, Qt::Key_Return);
        });
        EXPECT_EQ(Show(C.Message), TButton::Ok);
    }
}
