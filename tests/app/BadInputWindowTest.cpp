// SPDX-License-Identifier: GPL-3.0-or-later
// The worst of the damaged and hostile files, opened in the main window: each
// shows its months, takes a new anniversary and saves a file that loads back.

#include "BadInputs.h"
#include "MainWindowFixture.h"
#include "data/Dateutil.h"
#include "platform/FileDialogs.h"

TEST_F(MainWindow, TheWorstFilesOpenAndTheProgramStaysUsable)
{
    const std::vector<std::string> Worst = {"binary junk", "50 MB of entries naming two long sections",
                                            "a 10 MB line", "a UTF-8 byte-order mark before the first header"};
    filedialogs::TFileDialogRecorder Files;
    bool Started = false;
    for (const TBadInput& Case : badinputs::All()) {
        if (std::find(Worst.begin(), Worst.end(), Case.Name) == Worst.end()) continue;
        SCOPED_TRACE(Case.Name);
        const std::string Name = "BAD" + std::to_string(Case.Name.size()) + ".EVT";
        WriteFile(Dir / Name, Case.Contents());
        // The first from the command line, the others through File > Open.
        if (!Started) {
            Start({Name});
            ShowActive(Main.get());
            Started = true;
        } else {
            Files.QueueFileName(Name);
            Trigger(Main.get(), "mnuFOpen");
        }
        EXPECT_EQ(Main->windowTitle().toStdString(), "Anniversaries List - " + Name);
        EXPECT_EQ(DescribeBook(*EventsList), Case.Expected());
        for (int Month : {1, 3, 12}) {
            ShowMonth(Month);
            EXPECT_EQ(Lines().size(), EventsList->Months[Month]->Count) << "month " << Month;
        }

        ShowMonth(2);
        Answer(28, QStringLiteral("Added after opening"), QStringLiteral("2000"));
        Main->btnAddClick();
        EXPECT_TRUE(Lines().contains(QStringLiteral("28 - Added after opening  (%1)").arg(ThisYear - 2000)));
        Trigger(Main.get(), "mnuFSave");
        EXPECT_FALSE(EventsList->Modified);
        TEventsList Back;
        Back.LoadFromFile(Dir / Name);
        EXPECT_EQ(DescribeBook(Back), DescribeBook(*EventsList));
    }
    EXPECT_TRUE(Recorder.Shown().empty()) << "no message box";
}
