// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's reminder commands: Options > Reminder... and
// View > Forthcoming Anniversaries, with a stand-in reminder program.

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/stat.h>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "app/Main.h"
#include "dialogs/Aeevent.h"
#include "dialogs/Remopts.h"
#include "platform/Prompts.h"

class ReminderCommands : public testing::Test {
protected:
    ReminderCommands()
    {
        OldConfigDirs = qgetenv("XDG_CONFIG_DIRS");
        mkdir((Dir / "xdg").c_str(), 0755);
        mkdir((Dir / "xdg/autostart").c_str(), 0755);
        qputenv("XDG_CONFIG_DIRS", QByteArray::fromStdString(Dir / "xdg"));
    }
    ~ReminderCommands() override
    {
        Options.reset();
        Details.reset();
        Main.reset();
        qputenv("XDG_CONFIG_DIRS", OldConfigDirs);
    }

    void Start()
    {
        Main = std::make_unique<TfrmMain>(TProgramContext{Dir / "datevane", {}});
        Options = std::make_unique<TfrmReminderOptions>(Main.get());
        Main->SetReminderOptionsDialog(Options.get());
        Details = std::make_unique<TfrmAEEvent>(Main.get());
        Main->SetDetailsDialog(Details.get());
        ShowActive(Main.get());
    }
    std::string Settings() const { return Dir / "datevane.INI"; }
    // A stand-in reminder program that runs Script.
    void WriteReminder(const std::string& Script)
    {
        WriteFile(Dir / "duealert", "#!/bin/sh\n" + Script + "\n");
        chmod((Dir / "duealert").c_str(), 0755);
    }
    bool ForthcomingEnabled() const { return Child<QAction>(Main.get(), "mnuVForthcomingEvents")->isEnabled(); }

    TTempDir Dir;
    prompts::TPromptRecorder Recorder;
    std::unique_ptr<TfrmMain> Main;
    std::unique_ptr<TfrmReminderOptions> Options;
    std::unique_ptr<TfrmAEEvent> Details;
    QByteArray OldConfigDirs;
};

TEST_F(ReminderCommands, ReminderEnabledNeedsRemindersOnAndAFileName)
{
    struct Case { std::vector<std::string> Keys; bool Enabled; } Cases[] = {
        {{}, false},
        {{"ShowOnStartup=1"}, false},
        {{"ShowOnStartup=1", "UseFile=   "}, false},  // read without its blanks
        {{"ShowOnStartup=0", "UseFile=/x.EVT"}, false},
        {{"ShowOnStartup=1", "UseFile=/not/there.EVT"}, true},  // existence is not looked at
        {{"ShowOnStartup=x", "UseFile=/x.EVT"}, false},
    };
    Start();
    for (const auto& C : Cases) {
        std::vector<std::string> Lines = {"[DueAlert]"};
        Lines.insert(Lines.end(), C.Keys.begin(), C.Keys.end());
        WriteFile(Settings(), CrLf(Lines));
        EXPECT_EQ(Main->ReminderEnabled(), C.Enabled) << Lines.back();
    }
}

TEST_F(ReminderCommands, ForthcomingIsEnabledAtStartAndFollowsTheDialogAfterOkOrCancel)
{
    Start();
    EXPECT_TRUE(ForthcomingEnabled());  // whatever the settings say

    WhenModal([this](QWidget*) { Options->btnOK->click(); });  // reminders off
    Trigger(Main.get(), "mnuOReminder");
    EXPECT_FALSE(ForthcomingEnabled());

    WriteFile(Settings(), CrLf({"[DueAlert]", "ShowOnStartup=1", "UseFile=/elsewhere.EVT"}));
    WhenModal([this](QWidget*) {
        Options->chkShowOnStartup->setChecked(false);
        Options->btnCancel->click();
    });
    Trigger(Main.get(), "mnuOReminder");
    EXPECT_TRUE(ForthcomingEnabled());  // the unchanged file decides
    EXPECT_EQ(ReadFile(Settings()), CrLf({"[DueAlert]", "ShowOnStartup=1", "UseFile=/elsewhere.EVT"}));
}

TEST_F(ReminderCommands, OkWithRemindersOnRegistersTheProgramBesideTheMainProgram)
{
    WriteFile(Dir / "family.EVT", "");
    Start();
    WhenModal([this](QWidget*) {
        Options->chkShowOnStartup->setChecked(true);
        Options->edtUseFile->setText(QString::fromStdString(Dir / "family.EVT"));
        Options->btnOK->click();
    });
    Trigger(Main.get(), "mnuOReminder");
    EXPECT_TRUE(ForthcomingEnabled());
    EXPECT_TRUE(Recorder.Shown().empty());
    EXPECT_NE(ReadFile(Dir / "xdg/autostart/Datevane Event Reminder.desktop").find("\nExec=" + Dir / "duealert\n"),
              std::string::npos);
}

TEST_F(ReminderCommands, ForthcomingStartsTheReminderWithFAndWaitsForIt)
{
    // The answer comes only after a while, so returning earlier would miss it.
    WriteReminder("sleep 0.3; echo \"$@\" > '" + Dir / "arguments" + "'");
    Start();
    Trigger(Main.get(), "mnuVForthcomingEvents");
    EXPECT_EQ(ReadFile(Dir / "arguments"), "-F\n");
}

TEST_F(ReminderCommands, ForthcomingWithoutAReminderProgramDoesNothingVisible)
{
    Start();
    Trigger(Main.get(), "mnuVForthcomingEvents");
    EXPECT_TRUE(Recorder.Shown().empty());
    EXPECT_TRUE(Main->isVisible());
    WriteFile(Dir / "duealert", "not a program");  // there, but cannot be started
    Trigger(Main.get(), "mnuVForthcomingEvents");
    EXPECT_TRUE(Recorder.Shown().empty());
}

TEST_F(ReminderCommands, WindowStaysUsableWhileWaitingAndClosingItEndsTheWait)
{
    WriteReminder("echo $$ > '" + Dir / "pid" + "'; exec sleep 30");
    Start();
    bool DialogWorked = false;
    QTimer::singleShot(300, Main.get(), [&] {
        // A dialog of the main window opens and closes during the wait.
        WhenModal([&](QWidget* Modal) {
            DialogWorked = Modal == Options.get();
            Options->btnCancel->click();
        });
        Trigger(Main.get(), "mnuOReminder");
        Main->close();
    });
    QElapsedTimer Clock;
    Clock.start();
    Trigger(Main.get(), "mnuVForthcomingEvents");
    EXPECT_LT(Clock.elapsed(), 5000);
    EXPECT_TRUE(DialogWorked);

    // The reminder program keeps running after the wait has ended.
    const pid_t Reminder = std::stoi(ReadFile(Dir / "pid"));
    EXPECT_EQ(kill(Reminder, 0), 0);
    kill(Reminder, SIGTERM);
}
