// SPDX-License-Identifier: GPL-3.0-or-later
#include "duealert/Reminder.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <sys/stat.h>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "data/Evntlist.h"
#include "duealert/ReminderWindow.h"

namespace {

constexpr TCalendarDate Today {2026, 12, 30};

// A book with one anniversary in two days and one in three weeks.
void WriteBook(const std::string& FileName)
{
    TEventsList Book;
    auto* Near = new TEventItem;
    Near->DayNumber = 1;
    Near->EventText = "New year's caf\xe9";  // Windows-1252
    Near->OrigYear = 1987;
    Book.Months[1]->Add(Near);
    auto* Far = new TEventItem;
    Far->DayNumber = 20;
    Far->EventText = "Far";
    Far->OrigYear = -1;
    Book.Months[1]->Add(Far);
    Book.FileName = FileName;
    Book.SaveToFile();
}

}  // namespace

class Reminder : public testing::Test {
protected:
    Reminder() { WriteBook(BookFile()); }

    std::string Settings() const { return Dir / "datevane.INI"; }
    std::string BookFile() const { return Dir / "family.EVT"; }
    void WriteSettings(const std::vector<std::string>& Keys)
    {
        std::vector<std::string> Lines = {"[DueAlert]"};
        Lines.insert(Lines.end(), Keys.begin(), Keys.end());
        WriteFile(Settings(), CrLf(Lines));
    }

    TTempDir Dir;
};

TEST_F(Reminder, AtLogOnItShowsOnlyWhatTheSettingsAskFor)
{
    const std::string Use = "UseFile=" + BookFile();
    struct Case { std::vector<std::string> Keys; bool Shows; } Cases[] = {
        {{"ShowOnStartup=0", Use}, false},
        {{"ShowOnStartup=1"}, false},
        {{"ShowOnStartup=1", "UseFile=" + Dir / "gone.EVT"}, false},
        {{"ShowOnStartup=1", Use}, true},  // every time, the default
        {{"ShowOnStartup=1", Use, "ShowEveryTime=0", "DaysPrior=2"}, true},   // in two days
        {{"ShowOnStartup=1", Use, "ShowEveryTime=0", "DaysPrior=1"}, false},
        {{"ShowOnStartup=1", Use, "PriorEvents=0", "NextEvents=0"}, false},  // nothing to list
    };
    for (const auto& C : Cases) {
        WriteSettings(C.Keys);
        EXPECT_EQ(PrepareReminder(Settings(), false, Today).Show, C.Shows) << C.Keys.back();
    }
    std::remove(Settings().c_str());
    EXPECT_FALSE(PrepareReminder(Settings(), false, Today).Show);
}

TEST_F(Reminder, OnDemandItAlwaysShowsAndSaysWhatIsWrong)
{
    const auto Problem = [&] {
        const TReminderRun Run = PrepareReminder(Settings(), true, Today);
        EXPECT_TRUE(Run.Show);
        return Run.Problem;
    };
    EXPECT_EQ(Problem(), "The settings file \"" + Settings() + "\" does not exist. No anniversary file is chosen for "
                         "the reminder. Choose one in Datevane under Options > Reminder...");
    mkdir(Settings().c_str(), 0755);
    EXPECT_EQ(Problem(), "The settings file \"" + Settings() + "\" cannot be read.");
    rmdir(Settings().c_str());

    WriteSettings({"ShowOnStartup=0", "UseFile=   "});
    EXPECT_EQ(Problem(), "No anniversary file is chosen for the reminder. "
                         "Choose one in Datevane under Options > Reminder...");
    WriteSettings({"UseFile=" + Dir / "gone.EVT"});
    EXPECT_EQ(Problem(), "The anniversary file \"" + Dir / "gone.EVT" + "\" does not exist.");
    const char Junk[] = "\0\xff[[[=\n\r=]]\x01NumberOfItems=99999999\n";
    WriteFile(Dir / "junk.EVT", std::string(Junk, sizeof Junk - 1));  // the NUL inside included
    WriteSettings({"UseFile=" + Dir / "junk.EVT"});
    EXPECT_EQ(Problem(), "The anniversary file \"" + Dir / "junk.EVT" + "\" holds no anniversaries.");
    WriteSettings({"UseFile=" + BookFile(), "PriorEvents=0", "NextEvents=0"});
    EXPECT_EQ(Problem(), "The reminder is set to list no anniversaries. "
                         "Set how many in Datevane under Options > Reminder...");
}

TEST_F(Reminder, OnDemandItListsTheBookNamedWithBlanksAround)
{
    WriteSettings({"UseFile=\"  " + BookFile() + " \"", "PriorEvents=1", "NextEvents=1"});
    const TReminderRun Run = PrepareReminder(Settings(), true, Today);
    EXPECT_EQ(Run.Problem, "");
    EXPECT_EQ(Run.BookFile, BookFile());
    ASSERT_EQ(Run.Anniversaries.Next.size(), 1u);
    EXPECT_EQ(Run.Anniversaries.Next[0].DaysToGo, 2);
    ASSERT_EQ(Run.Anniversaries.Previous.size(), 1u);
    EXPECT_EQ(Run.Anniversaries.Previous[0].Text, "Far");
}

TEST(ReminderTexts, AgeAndDaysToGo)
{
    struct Case { int Days; int32_t Age; QString AgeShown, When; } Cases[] = {
        {0, 40, "turns 40", "today"},        {1, -1, "", "tomorrow"},  {12, 3, "turns 3", "in 12 days"},
        {-1, 40, "turned 40", "yesterday"},  {-30, -1, "", "30 days ago"},
    };
    for (const auto& C : Cases) {
        const TOccurrence One {{2026, 1, 1}, C.Days, C.Age, "x"};
        EXPECT_EQ(AgeText(One), C.AgeShown) << C.Days;
        EXPECT_EQ(WhenText(One), C.When) << C.Days;
    }
}

TEST_F(Reminder, WindowListsBothWaysAndClosesAfterItsCountdown)
{
    WriteSettings({"UseFile=" + BookFile(), "ManualClose=0", "ShowForSecs=2", "PriorEvents=1", "NextEvents=1"});
    const TReminderRun Run = PrepareReminder(Settings(), true, Today);
    auto* Window = new TfrmReminder(Run, Today);
    Window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<TfrmReminder> Alive(Window);
    Window->show();
    EXPECT_EQ(Window->lblToday->text(), "Today is Wednesday 30 December 2026");
    QStringList Rows;
    for (int Row = 0; Row < Window->lstAnniversaries->topLevelItemCount(); ++Row) {
        QStringList Cells;
        for (int Column = 0; Column < 4; ++Column) Cells << Window->lstAnniversaries->topLevelItem(Row)->text(Column);
        Rows << Cells.join(u'|');
    }
    EXPECT_EQ(Rows, (QStringList{"Recent|||", "Tue 20 Jan 2026|Far||344 days ago", "Coming|||",
                                 QStringLiteral("Fri 1 Jan 2027|New year's caf\u00e9|turns 40|in 2 days")}));
    EXPECT_EQ(Window->lblCountdown->text(), "Closes in 2 seconds");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Window->lblCountdown->text() == "Closes in 1 second"; }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Alive.isNull(); }, 3000));
}

TEST_F(Reminder, WindowStaysUntilClosedOrShowsTheProblem)
{
    WriteSettings({"UseFile=" + Dir / "gone.EVT"});
    TfrmReminder Window(PrepareReminder(Settings(), true, Today), Today);
    Window.show();
    EXPECT_TRUE(Window.lblProblem->isVisible());
    EXPECT_FALSE(Window.lstAnniversaries->isVisible());
    EXPECT_TRUE(Window.lblCountdown->text().isEmpty());
    QTest::qWait(1100);
    EXPECT_TRUE(Window.isVisible());
    Window.btnClose->click();
    EXPECT_FALSE(Window.isVisible());
}
