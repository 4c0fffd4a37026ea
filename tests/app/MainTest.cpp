// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Main.h"

#include <QActionGroup>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "GuiTestSupport.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"
#include "data/Dateutil.h"
#include "data/Evntlist.h"
#include "dialogs/Aeevent.h"
#include "dialogs/Dofind.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/IniFile.h"
#include "platform/MaskEdit.h"
#include "platform/Prompts.h"
#include "platform/RadioGroup.h"
#include "platform/SpinEdit.h"

TEST_F(MainWindow, FirstStartUsesTheDefaults)
{
    Start();
    ShowActive(Main.get());
    EXPECT_EQ(Main->geometry().size(), QSize(450, 339));
    EXPECT_EQ(Main->pos(), QPoint(186, 125));
    EXPECT_EQ(Main->minimumSize(), QSize(400, 339));
    EXPECT_EQ(Main->windowTitle(), "Anniversaries List - (Untitled)");
    EXPECT_TRUE(Child<QAction>(Main.get(), "mnuOStartonCurrentMonth")->isChecked());
    const int Today = platform::Today().Month;
    EXPECT_EQ(Main->ShownMonth(), Today);
    EXPECT_TRUE(Child<QAction>(Main.get(), (QString::fromStdString(MonthName(uint8_t(Today))) + "1").toLatin1())->isChecked());
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_TRUE(Enabled("btnAdd"));
    for (const char* Name : {"btnEdit", "btnDelete", "mnuEEdit", "mnuEDelete", "mnuFPrint", "mnuSFindNext"})
        EXPECT_FALSE(Enabled(Name)) << Name;
    EXPECT_TRUE(Recorder.Shown().empty());
}

TEST_F(MainWindow, StoredPlaceAndSizeFollowTheValueRules)
{
    struct Case { const char* Key; const char* Value; QRect Expected; } Cases[] = {
        {"Width", "300", {186, 125, 400, 339}},
        {"Height", "100", {186, 125, 450, 339}},
        {"Top", "0x40", {186, 64, 450, 339}},
        {"Top", "abc", {186, 125, 450, 339}},
        {"Left", "20", {20, 125, 450, 339}},
    };
    for (const auto& C : Cases) {
        WriteFile(Settings(), CrLf({"[FormPosition]", std::string(C.Key) + "=" + C.Value}));
        Start();
        EXPECT_EQ(QRect(Main->pos(), Main->size()), C.Expected) << C.Key << "=" << C.Value;
        Stop();
    }
}

TEST_F(MainWindow, CommandLineChoosesTheFile)
{
    WriteBook(Dir / "FAMILY.EVT", {{1, 5, "Parents' wedding", 1962}});
    WriteBook(Dir / "friends.evt", {{2, 3, "Tom"}});
    WriteBook(Dir / "LAST.EVT", {{3, 1, "Last used"}});
    WriteBook(Dir / "Both.evt", {{4, 1, "Mixed case"}});
    WriteBook(Dir / "BOTH.EVT", {{4, 1, "Upper case"}});
    const std::string Real = RealPath(Dir.Path());
    const QString MoreThanOne = "You have specified more than one file to load.  "
                                "Only the first file name received will be loaded.";
    const QString NotValid = "NOTES.TXT\n\nThis is not a valid Datevane anniversaries list file so the "
                             "last used anniversaries list will be opened instead.";
    struct Case {
        std::vector<std::string> Arguments;
        std::string LoadFile, FileName;
        QStringList Messages;
    } Cases[] = {
        {{"family"}, "", Real + "/FAMILY.EVT", {}},
        {{"friends"}, "", Real + "/friends.evt", {}},  // the real name, whatever its case
        {{Dir / "friends.evt"}, "", Real + "/friends.evt", {}},
        {{"Both.evt"}, "", Real + "/Both.evt", {}},  // the name as typed wins
        {{"both"}, "", Real + "/BOTH.EVT", {}},
        {{"notes.txt"}, Dir / "LAST.EVT", Dir / "LAST.EVT", {NotValid}},
        {{"missing"}, Dir / "LAST.EVT", Dir / "LAST.EVT", {}},
        {{"family", "friends"}, "", Real + "/FAMILY.EVT", {MoreThanOne}},
        {{}, Dir / "GONE.EVT", "", {}},
    };
    for (const auto& C : Cases) {
        Recorder.Clear();
        WriteFile(Settings(), CrLf({"[Startup]", "LoadFile=" + C.LoadFile}));
        Start(C.Arguments);
        const std::string Case = C.Arguments.empty() ? "(none)" : C.Arguments.front();
        EXPECT_EQ(EventsList->FileName, C.FileName) << Case;
        EXPECT_EQ(Main->windowTitle().toStdString(),
                  "Anniversaries List - " + (C.FileName.empty() ? "(Untitled)" : C.FileName.substr(C.FileName.rfind('/') + 1)));
        QStringList Shown;
        for (const auto& Box : Recorder.Shown()) {
            Shown << Box.Message.Text;
            EXPECT_EQ(Box.Message.Title, "Error");
            EXPECT_EQ(Box.Beep, prompts::TBeep::Asterisk);
        }
        EXPECT_EQ(Shown, C.Messages) << Case;
        Stop();
    }
    EXPECT_FALSE(platform::FileExists(Dir / "FRIENDS.EVT"));
}

TEST_F(MainWindow, ShutDownKeepsPlaceMonthChoiceAndFile)
{
    WriteBook(Dir / "FAMILY.EVT", {{1, 5, "Parents' wedding", 1962}});
    Start({"family"});
    Main->move(40, 50);
    Main->resize(520, 400);
    Trigger(Main.get(), "mnuOStartonCurrentMonth");
    Trigger(Main.get(), "mnuOStartonCurrentMonth");
    Trigger(Main.get(), "mnuOStartonCurrentMonth");
    EXPECT_FALSE(TIniFile(Settings()).Load().SectionExists("Startup"));  // nothing is written before shut-down
    Stop();

    const TIniFile Ini(Settings());
    EXPECT_EQ(Ini.ReadInteger("FormPosition", "Top", 0), 50);
    EXPECT_EQ(Ini.ReadInteger("FormPosition", "Left", 0), 40);
    EXPECT_EQ(Ini.ReadInteger("FormPosition", "Width", 0), 520);
    EXPECT_EQ(Ini.ReadInteger("FormPosition", "Height", 0), 400);
    EXPECT_EQ(Ini.ReadString("Startup", "UseCurrentMonth", ""), "0");
    EXPECT_EQ(Ini.ReadString("Startup", "LoadFile", ""), RealPath(Dir / "FAMILY.EVT"));

    Start();
    EXPECT_EQ(Main->ShownMonth(), 1);
    EXPECT_EQ(Lines(), QStringList{QString("5 - Parents' wedding  (%1)").arg(ThisYear - 1962)});
    EXPECT_FALSE(Child<QAction>(Main.get(), "mnuOStartonCurrentMonth")->isChecked());
    EventsList->Clear();  // untitled at shut-down
    Stop();
    EXPECT_EQ(TIniFile(Settings()).ReadString("Startup", "LoadFile", "?"), "");
}

TEST_F(MainWindow, SettingsThatCannotBeWrittenAtShutDownAreReportedAndTheProgramEnds)
{
    WriteFile(Settings(), CrLf({"[FormPosition]", "Top=7"}));
    ASSERT_EQ(chmod(Settings().c_str(), 0444), 0);
    Start();
    Stop();
    ASSERT_EQ(Recorder.Shown().size(), 1u);
    EXPECT_EQ(Recorder.Shown()[0].Message.Title, "Datevane Anniversary Reminder");
    EXPECT_EQ(Recorder.Shown()[0].Message.Text.toStdString(), "Unable to write to " + Settings() + ".");
    EXPECT_EQ(ReadFile(Settings()), CrLf({"[FormPosition]", "Top=7"}));
    EXPECT_EQ(EventsList, nullptr);
}

TEST_F(MainWindow, FirstRunMarkerIsRemovedAtStart)
{
    WriteFile(Dir / "DATEVANE.NEW", "");
    Start();
    EXPECT_FALSE(platform::FileExists(Dir / "DATEVANE.NEW"));
}

TEST(MainWindowLines, ShowDayTextAndAge)
{
    struct Case { uint8_t Day; std::string Text; int32_t Year; std::string Line; } Cases[] = {
        {5, "Wedding", ThisYear - 12, "5 - Wedding  (12)"},
        {17, "Tree planted", -1, "17 - Tree planted  "},
        {1, "New", ThisYear, "1 - New  (0)"},
        {1, "Next year", ThisYear + 1, "1 - Next year  (-1)"},
        {9, "Long ago", 0, "9 - Long ago  (" + std::to_string(ThisYear) + ")"},
    };
    for (const auto& C : Cases) {
        TEventItem Item;
        Item.DayNumber = C.Day;
        Item.EventText = C.Text;
        Item.OrigYear = C.Year;
        EXPECT_EQ(EventLineText(Item), C.Line);
    }
}

TEST_F(MainWindow, AddPutsTheNewAnniversaryAfterItsDayAndSelectsIt)
{
    Start();
    ShowActive(Main.get());
    ShowMonth(2);
    Answer(29, QStringLiteral("Leap baby"), QString::number(ThisYear - 4));
    QTest::keyClick(Main.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(EventsList->Modified);
    EXPECT_TRUE(Enabled("mnuFPrint"));
    Answer(29, QStringLiteral("Second on the day"), QString());
    Main->btnAddClick();
    Answer(3, QStringLiteral("Cancelled"), QString(), false);
    Main->btnAddClick();

    EXPECT_EQ(Lines(), QStringList({"29 - Leap baby  (4)", "29 - Second on the day  "}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(Enabled("btnEdit"));
    EXPECT_EQ(EventsList->Months[2]->Count, 2);
    const auto* Second = static_cast<TEventItem*>(EventsList->Months[2]->ItemAt(1));
    EXPECT_EQ(Second->OrigYear, -1);
    EXPECT_EQ(Dialog->windowTitle(), "Add New Anniversary for February");
    EXPECT_EQ(help::HelpContext(Dialog.get()), help::AddAnniversary);
}

TEST_F(MainWindow, EditMovesAChangedDayAndCountsEveryOkAsAChange)
{
    WriteBook(Dir / "B.EVT", {{5, 3, "Three", 2000}, {5, 5, "Five"}, {5, 7, "Seven", 1990}});
    Start({"b"});
    ShowActive(Main.get());
    ShowMonth(5);

    List()->setCurrentRow(1);
    bool EmptyYearShown = false;
    WhenModal([&](QWidget*) {
        EmptyYearShown = Dialog->mskEdYear->Text().isEmpty() && Dialog->spedDayNumber->Value() == 5;
        Dialog->btnCancel->click();
    });
    Main->btnEditClick();
    EXPECT_TRUE(EmptyYearShown);  // the year box does not keep the year of an earlier use
    EXPECT_FALSE(EventsList->Modified);

    List()->setCurrentRow(2);
    Answer(3, QStringLiteral("Seven, now three"), QStringLiteral("1990"));
    Trigger(Main.get(), "mnuEEdit");
    EXPECT_EQ(Lines(), QStringList({"3 - Three  (" + QString::number(ThisYear - 2000) + ")",
                                    "3 - Seven, now three  (" + QString::number(ThisYear - 1990) + ")",
                                    "5 - Five  "}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(Dialog->windowTitle(), "Edit Anniversary for May");

    EventsList->Modified = false;
    WhenModal([&](QWidget*) { Dialog->btnOK->click(); });
    List()->setCurrentRow(0);
    const QPoint FirstLine = List()->visualItemRect(List()->item(0)).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, FirstLine);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, FirstLine);
    EXPECT_TRUE(EventsList->Modified);
    EXPECT_EQ(Selected(), 0);
}

TEST_F(MainWindow, DeleteAsksThenSelectsTheLineThatFollowed)
{
    WriteBook(Dir / "B.EVT", {{7, 1, "One"}, {7, 2, "Two"}, {7, 3, "Three"}});
    Start({"b"});
    ShowMonth(7);

    List()->setCurrentRow(1);
    Recorder.QueueAnswer(prompts::TButton::No);
    Main->btnDeleteClick();
    ASSERT_EQ(Recorder.Shown().size(), 1u);
    const auto& Box = Recorder.Shown()[0];
    EXPECT_EQ(Box.Message.Text, "Are you sure that you want to delete the anniversary 'Two'?");
    EXPECT_EQ(Box.Message.Title, "Confirm");
    EXPECT_EQ(Box.Beep, prompts::TBeep::Question);
    EXPECT_EQ(Lines().size(), 3);
    EXPECT_FALSE(EventsList->Modified);

    SearchMonth = 7;
    SearchItem = static_cast<TEventItem*>(EventsList->Months[7]->ItemAt(1));
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Trigger(Main.get(), "mnuEDelete");
    EXPECT_EQ(Lines(), QStringList({"1 - One  ", "3 - Three  "}));
    EXPECT_EQ(Selected(), 1);
    EXPECT_TRUE(EventsList->Modified);
    EXPECT_EQ(SearchItem, nullptr);  // never left pointing at the deleted anniversary

    Recorder.QueueAnswer(prompts::TButton::Yes);
    Main->btnDeleteClick();
    EXPECT_EQ(Selected(), 0);  // the last line went: the new last one is selected
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Main->btnDeleteClick();
    EXPECT_EQ(Selected(), -1);
    EXPECT_FALSE(Enabled("btnEdit"));
    EXPECT_FALSE(Enabled("mnuEDelete"));
    EXPECT_FALSE(Enabled("mnuFPrint"));
}

TEST_F(MainWindow, MonthSubmenuAndMonthGroupStayInStep)
{
    WriteBook(Dir / "B.EVT", {{3, 14, "Pi day"}});
    Start({"b"});
    ShowActive(Main.get());
    ShowMonth(1);
    SearchMonth = 1;
    SearchItem = reinterpret_cast<TEventItem*>(&SearchMonth);  // any position inside January

    Trigger(Main.get(), "March1");
    EXPECT_EQ(Main->ShownMonth(), 3);
    EXPECT_EQ(Lines(), QStringList{"14 - Pi day  "});
    EXPECT_EQ(SearchMonth, 3);
    EXPECT_EQ(SearchItem, nullptr);
    EXPECT_TRUE(Months()->isAncestorOf(QApplication::focusWidget()));

    List()->setCurrentRow(0);
    Trigger(Main.get(), "March1");  // the shown month: only the focus moves
    EXPECT_EQ(Selected(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(Main->ShownMonth(), 4);
    EXPECT_TRUE(Child<QAction>(Main.get(), "April1")->isChecked());
    EXPECT_FALSE(Child<QAction>(Main.get(), "March1")->isChecked());
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_EQ(SearchMonth, 4);
}

TEST_F(MainWindow, DoubleClickWithoutASelectedLineDoesNothing)
{
    WriteBook(Dir / "B.EVT", {{3, 14, "Pi day"}});
    Start({"b"});
    ShowMonth(3);
    Main->lstEventsDblClick();
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_FALSE(EventsList->Modified);
}

TEST_F(MainWindow, ResizingStretchesTheListAndMovesTheButtons)
{
    Start();
    ShowActive(Main.get());
    const QGroupBox* Group = Child<QGroupBox>(Main.get(), "GroupBox1");
    const QPushButton* Add = Child<QPushButton>(Main.get(), "btnAdd");
    for (const QSize Size : {QSize(450, 339), QSize(700, 500), QSize(400, 339)}) {
        Main->resize(Size);
        QApplication::processEvents();
        EXPECT_EQ(Group->width(), Main->centralWidget()->width() - 16);
        EXPECT_EQ(List()->height(), Group->height() - 39);
        EXPECT_EQ(List()->geometry().right() + 1 + 7, Add->x());  // the list reaches the buttons
        EXPECT_EQ(Add->geometry().right() + 1 + 14, Group->width());
        for (const char* Name : {"btnEdit", "btnDelete"})
            EXPECT_EQ(Child<QPushButton>(Main.get(), Name)->x(), Add->x()) << Name;
        EXPECT_GT(List()->width(), 150);
    }
}

TEST_F(MainWindow, MenusCarryTheirCaptionsShortcutsAndHelpContexts)
{
    Start();
    struct Case { const char* Name; const char* Caption; const char* Shortcut; int Context; } Cases[] = {
        {"mnuFNew", "&New", "Ctrl+N", 4},       {"mnuFOpen", "&Open...", "Ctrl+O", 4},
        {"mnuFSave", "&Save", "Ctrl+S", 4},     {"mnuFSaveAs", "Save &As...", "", 4},
        {"mnuFPrinterSetup", "Printer Set&up...", "", 4},
        {"mnuFPrint", "&Print...", "Ctrl+P", 4}, {"mnuFExit", "E&xit", "", 4},
        {"mnuSFind", "Find...", "Ctrl+F", 12},  {"mnuSFindNext", "Find &Next", "F3", 12},
        {"mnuVForthcomingEvents", "Forthcoming Anniversaries...", "", 49},
        {"mnuEAdd", "&Add...", "Ctrl+E", 13},   {"mnuEEdit", "&Edit...", "Ctrl+R", 13},
        {"mnuEDelete", "&Delete...", "Ctrl+T", 13},
        {"mnuOStartonCurrentMonth", "&Start on Current Month", "", 14},
        {"mnuOReminder", "&Reminder...", "", 14},
        {"mnuHHelpTopics", "Help Topics", "Ctrl+F1", 15}, {"mnuHAbout", "About Datevane...", "", 15},
        {"December1", "December", "", 13},
    };
    for (const auto& C : Cases) {
        const QAction* Entry = Child<QAction>(Main.get(), C.Name);
        ASSERT_NE(Entry, nullptr);
        EXPECT_EQ(Entry->text(), C.Caption) << C.Name;
        EXPECT_EQ(Entry->shortcut().toString(), C.Shortcut) << C.Name;
        EXPECT_EQ(help::HelpContext(Entry), C.Context) << C.Name;
    }
    QStringList Bar;
    for (const QAction* Menu : Main->menuBar()->actions()) Bar << Menu->text();
    EXPECT_EQ(Bar, QStringList({"&File", "&Search", "&View", "&Anniversary", "&Options", "&Help"}));
    EXPECT_EQ(help::HelpContext(List()), help::MainWindow);
}

TEST_F(MainWindow, Windows1252TextsAreShownAndKeptByteForByte)
{
    const std::string Text = "Caf\xE9 \x80 5 \x93opening\x94";
    WriteBook(Dir / "B.EVT", {{9, 1, Text}});
    Start({"b"});
    ShowMonth(9);
    EXPECT_EQ(Lines(), QStringList{QStringLiteral(u"1 - Caf\u00E9 \u20AC 5 \u201Copening\u201D  ")});
    List()->setCurrentRow(0);
    WhenModal([&](QWidget*) { Dialog->btnOK->click(); });
    Main->btnEditClick();
    EXPECT_EQ(static_cast<TEventItem*>(EventsList->Months[9]->ItemAt(0))->EventText, Text);
}
