// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Remopts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sys/stat.h>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "data/Evntlist.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/Prompts.h"
#include "platform/SpinEdit.h"

namespace {

const char* const Inside[] = {"Label4", "edtUseFile", "btnUseCurrent", "btnBrowse", "rdoShowEveryTime",
                              "rdoShowOnlyWhenNear", "Label1", "spedDaysToGo", "rdoCloseManually", "rdoTimedClose",
                              "Label5", "spedShowTime", "Label2", "spedEventsPrevious", "Label3", "spedEventsNext"};

}  // namespace

class ReminderOptions : public testing::Test {
protected:
    ReminderOptions()
    {
        OldConfigDirs = qgetenv("XDG_CONFIG_DIRS");
        mkdir((Dir / "xdg").c_str(), 0755);
        mkdir((Dir / "xdg/autostart").c_str(), 0755);
        qputenv("XDG_CONFIG_DIRS", QByteArray::fromStdString(Dir / "xdg") + ":/etc/xdg");
        Dialog.SettingsFile = Settings();
        Dialog.ProgramFolder = Dir.Path() + "/";
        EventsList = &Book;
    }
    ~ReminderOptions() override
    {
        Dialog.hide();
        EventsList = nullptr;
        qputenv("XDG_CONFIG_DIRS", OldConfigDirs);
    }

    std::string Settings() const { return Dir / "datevane.INI"; }
    std::string Entry() const { return Dir / "xdg/autostart/Datevane Event Reminder.desktop"; }
    void WriteSettings(const std::vector<std::string>& Lines) { WriteFile(Settings(), CrLf(Lines)); }
    void Show() { ShowActive(&Dialog); }
    bool Enabled(const char* Name) const { return Child<QWidget>(&Dialog, Name)->isEnabled(); }
    QString Shown(const char* Name) const { return Child<TSpinEdit>(&Dialog, Name)->text(); }
    // Shows the dialog with reminders on and File chosen.
    void ShowWithFile(const std::string& File)
    {
        WriteSettings({"[DueAlert]", "ShowOnStartup=1", "UseFile=" + File});
        Show();
    }

    TTempDir Dir;
    TEventsList Book;
    prompts::TPromptRecorder Recorder;
    TfrmReminderOptions Dialog;
    QByteArray OldConfigDirs;
};

TEST_F(ReminderOptions, FirstShowingWithoutSettingsHasEverythingOffAndDisabled)
{
    Show();
    EXPECT_EQ(Dialog.windowTitle(), "Reminder Options");
    EXPECT_EQ(help::HelpContext(Dialog.edtUseFile), 41);
    EXPECT_FALSE(Dialog.chkShowOnStartup->isChecked());
    EXPECT_TRUE(Dialog.edtUseFile->text().isEmpty());
    EXPECT_TRUE(Dialog.rdoShowEveryTime->isChecked());
    EXPECT_TRUE(Dialog.rdoCloseManually->isChecked());
    EXPECT_EQ(Shown("spedDaysToGo"), "1");
    EXPECT_EQ(Shown("spedEventsPrevious"), "0");
    EXPECT_EQ(Shown("spedEventsNext"), "0");
    for (const char* Name : Inside) EXPECT_FALSE(Enabled(Name)) << Name;
    for (const char* Name : {"chkShowOnStartup", "GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "btnOK", "btnCancel"})
        EXPECT_TRUE(Enabled(Name)) << Name;
}

TEST_F(ReminderOptions, ShowingLoadsTheSettingsWithDefaultsAndClamping)
{
    struct Case {
        std::vector<std::string> Keys;
        bool EveryTime;
        QString DaysToGo;
        bool Manual;
        QString Duration, Previous, Next;
    } Cases[] = {
        // Keys that are missing give their defaults.
        {{"ShowEveryTime=0", "ManualClose=0"}, false, "7", false, "5", "3", "3"},
        {{"ShowEveryTime=0", "DaysPrior=0", "PriorEvents=25", "NextEvents=-4"}, false, "1", true, "1", "10", "0"},
        {{"ShowEveryTime=0", "DaysPrior=150", "ManualClose=0", "ShowForSecs=abc"}, false, "99", false, "5", "3", "3"},
        // Days and seconds are not read unless their choice is made.
        {{"ShowEveryTime=7", "DaysPrior=50", "ManualClose=1", "ShowForSecs=40"}, true, "1", true, "1", "3", "3"},
    };
    for (const Case& C : Cases) {
        std::vector<std::string> Lines = {"[dueALERT]", "showonstartup=1", "UseFile= \"/data/x.evt\" "};
        Lines.insert(Lines.end(), C.Keys.begin(), C.Keys.end());
        WriteSettings(Lines);
        Show();
        const std::string Context = C.Keys.front() + " " + C.Keys.back();
        EXPECT_TRUE(Dialog.chkShowOnStartup->isChecked()) << Context;
        EXPECT_EQ(Dialog.edtUseFile->text(), "/data/x.evt") << Context;
        EXPECT_EQ(Dialog.rdoShowEveryTime->isChecked(), C.EveryTime) << Context;
        EXPECT_EQ(Dialog.rdoShowOnlyWhenNear->isChecked(), !C.EveryTime) << Context;
        EXPECT_EQ(Shown("spedDaysToGo"), C.DaysToGo) << Context;
        EXPECT_EQ(Enabled("spedDaysToGo"), !C.EveryTime) << Context;
        EXPECT_EQ(Dialog.rdoCloseManually->isChecked(), C.Manual) << Context;
        EXPECT_EQ(Shown("spedShowTime"), C.Duration) << Context;
        EXPECT_EQ(Enabled("Label5"), !C.Manual) << Context;
        EXPECT_EQ(Shown("spedEventsPrevious"), C.Previous) << Context;
        EXPECT_EQ(Shown("spedEventsNext"), C.Next) << Context;
        Dialog.hide();
    }
}

TEST_F(ReminderOptions, ShowingWithRemindersOffResetsAllButTheDuration)
{
    ShowWithFile("/data/x.evt");
    Dialog.rdoTimedClose->setChecked(true);
    Dialog.spedShowTime->SetValue(42);
    Dialog.rdoShowOnlyWhenNear->setChecked(true);
    Dialog.spedEventsNext->SetValue(4);
    Dialog.hide();

    WriteSettings({"[DueAlert]", "ShowOnStartup=0", "UseFile=/data/x.evt", "PriorEvents=5", "NextEvents=5"});
    Show();
    EXPECT_TRUE(Dialog.edtUseFile->text().isEmpty());
    EXPECT_TRUE(Dialog.rdoShowEveryTime->isChecked());
    EXPECT_TRUE(Dialog.rdoCloseManually->isChecked());
    EXPECT_EQ(Shown("spedDaysToGo"), "1");
    EXPECT_EQ(Shown("spedEventsNext"), "0");
    EXPECT_EQ(Shown("spedShowTime"), "42");
    EXPECT_FALSE(Enabled("spedShowTime"));
}

TEST_F(ReminderOptions, ChoicesEnableTheirBoxesAndKeepTheirValues)
{
    Show();
    Dialog.chkShowOnStartup->click();
    for (const char* Name : {"edtUseFile", "btnBrowse", "rdoTimedClose", "spedEventsPrevious", "Label3"})
        EXPECT_TRUE(Enabled(Name)) << Name;
    EXPECT_FALSE(Enabled("spedShowTime"));
    EXPECT_FALSE(Enabled("spedDaysToGo"));

    Dialog.rdoTimedClose->click();
    EXPECT_TRUE(Enabled("spedShowTime"));
    EXPECT_TRUE(Enabled("Label5"));
    Dialog.spedShowTime->SetValue(12);
    Dialog.rdoCloseManually->click();
    EXPECT_FALSE(Enabled("spedShowTime"));
    EXPECT_EQ(Shown("spedShowTime"), "12");

    Dialog.rdoShowOnlyWhenNear->click();
    EXPECT_TRUE(Enabled("spedDaysToGo"));
    EXPECT_TRUE(Enabled("Label1"));

    // Turning reminders off disables everything again, choices included.
    Dialog.chkShowOnStartup->click();
    for (const char* Name : Inside) EXPECT_FALSE(Enabled(Name)) << Name;
    EXPECT_TRUE(Dialog.rdoShowOnlyWhenNear->isChecked());
}

TEST_F(ReminderOptions, UseCurrentNeedsABookWithAFile)
{
    Show();
    Dialog.chkShowOnStartup->setChecked(true);
    EXPECT_FALSE(Enabled("btnUseCurrent"));  // untitled book
    Dialog.hide();

    Book.FileName = Dir / "family.EVT";
    Show();
    EXPECT_FALSE(Enabled("btnUseCurrent"));  // reminders off
    Dialog.chkShowOnStartup->setChecked(true);
    ASSERT_TRUE(Enabled("btnUseCurrent"));
    Dialog.btnUseCurrent->click();
    EXPECT_EQ(Dialog.edtUseFile->text().toStdString(), Dir / "family.EVT");
}

TEST_F(ReminderOptions, BrowseOpensWithTheFileLastChosenThere)
{
    WriteFile(Dir / "a.EVT", "");
    filedialogs::TFileDialogRecorder Files;
    Files.QueueFileName(Dir / "a");
    Files.QueueCancel();
    ShowWithFile("/typed/name.evt");
    Dialog.btnBrowse->click();
    EXPECT_EQ(Dialog.edtUseFile->text().toStdString(), Dir / "a.EVT");
    Dialog.edtUseFile->setText(QStringLiteral("/typed/again.evt"));
    Dialog.btnBrowse->click();  // cancelled
    EXPECT_EQ(Dialog.edtUseFile->text(), "/typed/again.evt");
    ASSERT_EQ(Files.Shown().size(), 2u);
    EXPECT_EQ(Files.Shown()[0].Proposed, "");  // not given the file box's text
    EXPECT_EQ(Files.Shown()[1].Proposed, "a.EVT");
    EXPECT_EQ(Files.Shown()[1].Filters, QStringList{"Datevane Data File (*.EVT)"});
}

TEST_F(ReminderOptions, OkRefusesAMissingFileNameOrAFileThatIsNotThere)
{
    mkdir((Dir / "folder.EVT").c_str(), 0755);
    struct Case { std::string Typed; QString Message; } Cases[] = {
        {"   ", "You must specify which file you wish to be reminded of anniversaries from."},
        {Dir / "missing.EVT", "You must specify a valid file from which you wish to be reminded of anniversaries."},
        {Dir / "folder.EVT", "You must specify a valid file from which you wish to be reminded of anniversaries."},
    };
    ShowWithFile("");
    for (const Case& C : Cases) {
        Recorder.Clear();
        Dialog.edtUseFile->setText(QString::fromStdString(C.Typed));
        Focus(Dialog.spedEventsNext);
        Dialog.btnOK->click();
        ASSERT_EQ(Recorder.Shown().size(), 1u) << C.Typed;
        const auto& Shown = Recorder.Shown().front();
        EXPECT_EQ(Shown.Message.Text, C.Message);
        EXPECT_EQ(Shown.Message.Title, "Error");
        EXPECT_EQ(Shown.Message.Icon, prompts::TIcon::Error);
        EXPECT_EQ(Shown.Beep, prompts::TBeep::Asterisk);
        EXPECT_TRUE(Dialog.isVisible());
        EXPECT_TRUE(Dialog.edtUseFile->hasFocus()) << C.Typed;
        EXPECT_EQ(Dialog.edtUseFile->text().toStdString(), C.Typed);
    }
    EXPECT_EQ(ReadFile(Settings()), CrLf({"[DueAlert]", "ShowOnStartup=1", "UseFile="}));  // nothing written
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Entry())));
}

TEST_F(ReminderOptions, OkWithRemindersOffWritesTheKeysAndRemovesTheEntry)
{
    WriteFile(Entry(), "[Desktop Entry]\n");
    WriteFile(Settings(), CrLf({"[Startup]", "LoadFile=/x.EVT", "[DueAlert]", "NextEvents=9", "ShowOnStartup=1"}));
    Show();
    Dialog.chkShowOnStartup->setChecked(false);
    Dialog.edtUseFile->setText(QStringLiteral("  not checked  "));
    Dialog.spedEventsPrevious->SetValue(2);
    Dialog.btnOK->click();
    EXPECT_TRUE(Recorder.Shown().empty());
    EXPECT_EQ(Dialog.result(), TfrmReminderOptions::mrOk);
    EXPECT_FALSE(Dialog.isVisible());
    // Existing keys are replaced where they stand, new ones follow in order;
    // the disabled boxes are written as they stand.
    EXPECT_EQ(ReadFile(Settings()),
              CrLf({"[Startup]", "LoadFile=/x.EVT", "[DueAlert]", "NextEvents=9", "ShowOnStartup=0",
                    "UseFile=  not checked  ", "ShowEveryTime=1", "DaysPrior=0", "ManualClose=1", "ShowForSecs=0",
                    "PriorEvents=2"}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Entry())));

    // Removing an entry that is not there is no failure either.
    Show();
    Dialog.btnOK->click();
    EXPECT_TRUE(Recorder.Shown().empty());
    EXPECT_EQ(Dialog.result(), TfrmReminderOptions::mrOk);
}

TEST_F(ReminderOptions, OkWithRemindersOnWritesTheChoicesAndTheLogOnEntry)
{
    const std::string Book = Dir / "family.EVT";
    WriteFile(Book, "");
    ShowWithFile("");
    Dialog.edtUseFile->setText(QString::fromStdString(" " + Book + " "));
    Dialog.spedDaysToGo->SetValue(20);  // not chosen: 0 is written
    Dialog.spedShowTime->SetValue(30);
    Dialog.rdoTimedClose->click();
    Dialog.spedEventsNext->SetValue(7);
    Dialog.btnOK->click();
    EXPECT_TRUE(Recorder.Shown().empty());
    EXPECT_EQ(Dialog.result(), TfrmReminderOptions::mrOk);
    EXPECT_EQ(ReadFile(Settings()),
              CrLf({"[DueAlert]", "ShowOnStartup=1", "UseFile= " + Book + " ", "ShowEveryTime=1", "DaysPrior=0",
                    "ManualClose=0", "ShowForSecs=30", "PriorEvents=3", "NextEvents=7"}));
    EXPECT_EQ(ReadFile(Entry()), "[Desktop Entry]\nType=Application\nName=Datevane Event Reminder\nExec=" + Dir.Path()
                                     + "/duealert\nTerminal=false\n");
}

TEST_F(ReminderOptions, TheEntryQuotesAProgramPathWithReservedCharacters)
{
    const std::string Book = Dir / "family.EVT";
    WriteFile(Book, "");
    Dialog.ProgramFolder = "/opt/My $Apps \"100%\"\\/";
    ShowWithFile(Book);
    Dialog.btnOK->click();
    // Quoted with $ " \ escaped, % doubled, and the backslashes of that
    // doubled again as the entry's string values need.
    EXPECT_NE(ReadFile(Entry()).find("\nExec=\"/opt/My \\\\$Apps \\\\\"100%%\\\\\"\\\\\\\\/duealert\"\n"),
              std::string::npos)
        << ReadFile(Entry());
}

TEST_F(ReminderOptions, AnEntryThatCannotBeWrittenIsReportedAndTheDialogStillCloses)
{
    const std::string Book = Dir / "family.EVT";
    WriteFile(Book, "");
    rmdir((Dir / "xdg/autostart").c_str());  // never created by the dialog
    ShowWithFile(Book);
    Dialog.btnOK->click();
    ASSERT_EQ(Recorder.Shown().size(), 1u);
    EXPECT_EQ(Recorder.Shown().front().Message.Text, "Failed to set data for 'Datevane Event Reminder'.");
    EXPECT_EQ(Recorder.Shown().front().Message.Title, ApplicationTitle);
    EXPECT_EQ(Dialog.result(), TfrmReminderOptions::mrOk);
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_NE(ReadFile(Settings()).find("NextEvents=3"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Dir / "xdg/autostart")));
}

TEST_F(ReminderOptions, ASettingsFileThatCannotBeWrittenKeepsTheDialogOpen)
{
    const std::string Book = Dir / "family.EVT";
    WriteFile(Book, "");
    ShowWithFile(Book);
    chmod(Settings().c_str(), 0444);
    Dialog.btnOK->click();
    ASSERT_EQ(Recorder.Shown().size(), 1u);
    EXPECT_EQ(Recorder.Shown().front().Message.Text, QString::fromStdString("Unable to write to " + Settings() + "."));
    EXPECT_TRUE(Dialog.isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Entry())));
}

TEST_F(ReminderOptions, CancelAndEscapeWriteNothing)
{
    WriteSettings({"[DueAlert]", "ShowOnStartup=0"});
    const std::string Before = ReadFile(Settings());
    for (const bool Escape : {false, true}) {
        WhenModal([&](QWidget*) {
            Dialog.chkShowOnStartup->setChecked(true);
            Dialog.edtUseFile->setText(QStringLiteral("/changed.EVT"));
            if (Escape)
                QTest::keyClick(Dialog.edtUseFile, Qt::Key_Escape);
            else
                Dialog.btnCancel->click();
        });
        EXPECT_EQ(Dialog.ShowModal(), TfrmReminderOptions::mrCancel);
        EXPECT_EQ(ReadFile(Settings()), Before);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(Entry())));
    }
}

TEST_F(ReminderOptions, EnterPressesNoButton)
{
    ShowWithFile("/data/x.evt");
    Focus(Dialog.spedEventsNext);
    QTest::keyClick(Dialog.spedEventsNext, Qt::Key_Return);
    EXPECT_TRUE(Dialog.isVisible());
    EXPECT_EQ(ReadFile(Settings()), CrLf({"[DueAlert]", "ShowOnStartup=1", "UseFile=/data/x.evt"}));
}
