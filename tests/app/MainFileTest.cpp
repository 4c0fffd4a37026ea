// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands, the close query and dropped files.

#include <QMimeData>
#include <QTest>
#include <sys/stat.h>

#include "MainWindowFixture.h"
#include "dialogs/Dofind.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"

namespace {

const QString ReadOnlyWarning = "This is a read-only file.  Please save to a different file name.";

}  // namespace

class FileCommands : public MainWindow {
protected:
    // A titled book with an unsaved change, showing its month.
    void StartChanged(const std::string& Name = "B.EVT")
    {
        WriteBook(Dir / Name, {{3, 1, "One"}, {3, 2, "Two"}});
        Start({Name});
        ShowMonth(3);
        EventsList->Modified = true;
        Book = ReadFile(Dir / Name);
    }
    // The texts of the boxes shown so far, each after its beep's name.
    QStringList Boxes() const
    {
        QStringList Texts;
        for (const auto& Box : Recorder.Shown())
            Texts << (Box.Beep ? "*" : "") + Box.Message.Title + ": " + Box.Message.Text;
        return Texts;
    }
    QString Question(const std::string& Name) const
    {
        return "*Confirm: Save changes to\n\n" + QString::fromStdString(Name);
    }
    std::string Caption() const { return Main->windowTitle().toStdString(); }

    filedialogs::TFileDialogRecorder Files;
    std::string Book;  // the file's contents when the change was made
};

TEST_F(FileCommands, NewAsksOnlyWhenThereAreChanges)
{
    WriteBook(Dir / "B.EVT", {{3, 1, "One"}});
    Start({"B.EVT"});
    ShowMonth(3);
    List()->setCurrentRow(0);
    Trigger(Main.get(), "mnuFNew");
    EXPECT_TRUE(Recorder.Shown().empty());
    EXPECT_EQ(Caption(), "Anniversaries List - (Untitled)");
    EXPECT_TRUE(Lines().isEmpty());
    for (const char* Name : {"btnEdit", "btnDelete", "mnuFPrint"}) EXPECT_FALSE(Enabled(Name)) << Name;
    EXPECT_EQ(Main->ShownMonth(), 3);
}

TEST_F(FileCommands, TheAnswerToTheQuestionDecidesWhatNewDoes)
{
    StartChanged();
    const std::string Path = RealPath(Dir / "B.EVT");
    Recorder.QueueAnswer(prompts::TButton::Cancel);
    Main->mnuFNewClick();
    EXPECT_EQ(Boxes(), QStringList{Question(Path)});
    EXPECT_EQ(Lines().size(), 2);
    EXPECT_TRUE(EventsList->Modified);

    Recorder.QueueAnswer(prompts::TButton::No);
    Main->mnuFNewClick();
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_FALSE(EventsList->Modified);
    EXPECT_EQ(ReadFile(Path), Book);  // not written

    // Yes writes the old book before it goes.
    Start({"B.EVT"});
    ShowMonth(3);
    auto* Extra = new TEventItem;
    Extra->DayNumber = 9;
    Extra->EventText = "Added";
    EventsList->Months[3]->Add(Extra);
    EventsList->Modified = true;
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Main->mnuFNewClick();
    TEventsList Saved;
    Saved.LoadFromFile(Path);
    EXPECT_EQ(Saved.Months[3]->Count, 3);
}

TEST_F(FileCommands, OpenLoadsAnAnniversaryFileAndRefusesOthers)
{
    WriteBook(Dir / "other.evt", {{3, 5, "Other"}, {6, 1, "June"}});
    WriteBook(Dir / "NOTES.TXT", {{3, 5, "Not a book"}});
    StartChanged();
    List()->setCurrentRow(0);
    SearchMonth = 3;
    SearchItem = static_cast<TEventItem*>(EventsList->Months[3]->ItemAt(0));

    Recorder.QueueAnswer(prompts::TButton::No);
    Files.QueueFileName("NOTES.TXT");
    Main->mnuFOpenClick();
    EXPECT_EQ(Boxes(), QStringList({Question(RealPath(Dir / "B.EVT")),
                                    "*Error: NOTES.TXT\n\nThis is not a valid DateVane anniversaries list file."}));
    EXPECT_EQ(Lines().size(), 2);
    EXPECT_TRUE(EventsList->Modified);  // the changes stay after No until something replaces them

    Recorder.Clear();
    Recorder.QueueAnswer(prompts::TButton::No);
    Files.QueueFileName("other");  // the default extension is added, and the lower-case file found
    Main->mnuFOpenClick();
    EXPECT_EQ(Files.Shown().size(), 2u);
    EXPECT_EQ(RealPath(EventsList->FileName), RealPath(Dir / "other.evt"));
    EXPECT_EQ(Lines(), QStringList{"5 - Other  "});
    EXPECT_EQ(Caption(), "Anniversaries List - other.evt");
    EXPECT_FALSE(EventsList->Modified);
    EXPECT_EQ(Selected(), -1);
    EXPECT_FALSE(Enabled("btnEdit"));
    EXPECT_TRUE(Enabled("mnuFPrint"));
    EXPECT_EQ(SearchMonth, 3);
    EXPECT_EQ(SearchItem, nullptr);  // the old book's anniversaries are gone

    // Cancelling the dialog changes nothing.
    Files.QueueCancel();
    Main->mnuFOpenClick();
    EXPECT_EQ(Lines(), QStringList{"5 - Other  "});
}

TEST_F(FileCommands, SaveWritesTheFileOrAsksForANameFirst)
{
    // A titled book is written again, changed or not, without a question.
    WriteBook(Dir / "B.EVT", {{3, 1, "One"}});
    Start({"B.EVT"});
    WriteFile(Dir / "B.EVT", "");
    Trigger(Main.get(), "mnuFSave");
    EXPECT_NE(ReadFile(Dir / "B.EVT"), "");
    EXPECT_TRUE(Recorder.Shown().empty());
    EXPECT_TRUE(Files.Shown().empty());

    // Untitled: the Save As dialog; cancelling leaves the book as it was.
    Main->mnuFNewClick();
    EventsList->Modified = true;
    Files.QueueCancel();
    Main->mnuFSaveClick();
    ASSERT_EQ(Files.Shown().size(), 1u);
    EXPECT_EQ(Files.Shown()[0].Title, "Save as...");
    EXPECT_EQ(Files.Shown()[0].Filters, QStringList({"Datevane Data Files (*.EVT)", "All Files (*)"}));
    EXPECT_EQ(Files.Shown()[0].Folder, Dir.Path() + "/");
    EXPECT_EQ(EventsList->GetFileName(), "(Untitled)");
    EXPECT_TRUE(EventsList->Modified);

    // A name without extension gets ".EVT"; the caption follows the new name.
    Files.QueueFileName("notes");
    Main->mnuFSaveClick();
    EXPECT_EQ(EventsList->FileName, Dir / "notes.EVT");
    EXPECT_TRUE(platform::FileExists(Dir / "notes.EVT"));
    EXPECT_FALSE(EventsList->Modified);
    EXPECT_EQ(Caption(), "Anniversaries List - notes.EVT");

    // The next use proposes the name chosen last.
    Files.QueueCancel();
    Main->mnuFSaveAsClick();
    EXPECT_EQ(Files.Shown().back().Proposed, "notes.EVT");
}

TEST_F(FileCommands, AReadOnlyFileIsNeverWritten)
{
    StartChanged();
    ASSERT_EQ(chmod((Dir / "B.EVT").c_str(), 0444), 0);
    // Save: the warning, then Save As, whose dialog refuses the read-only file
    // and takes the next name typed.
    Files.QueueFileName("B.EVT");
    Files.QueueFileName("COPY.EVT");
    Main->mnuFSaveClick();
    EXPECT_EQ(Boxes(), QStringList({"*Warning: " + ReadOnlyWarning,
                                    "Save as...: " + QString::fromStdString(Dir / "B.EVT")
                                        + "\nThis file is read-only.\nTry again with a different file name."}));
    EXPECT_EQ(ReadFile(Dir / "B.EVT"), Book);
    EXPECT_EQ(EventsList->FileName, Dir / "COPY.EVT");
    EXPECT_EQ(Caption(), "Anniversaries List - COPY.EVT");

    // The question before New: Yes on a read-only file goes the same way.
    Stop();
    StartChanged("RO.EVT");
    ASSERT_EQ(chmod((Dir / "RO.EVT").c_str(), 0444), 0);
    Recorder.Clear();
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Files.QueueCancel();
    Main->mnuFNewClick();
    EXPECT_EQ(Boxes(), QStringList({Question(RealPath(Dir / "RO.EVT")), "*Warning: " + ReadOnlyWarning}));
    EXPECT_EQ(Lines().size(), 2);  // Save As cancelled: New stopped
    EXPECT_TRUE(EventsList->Modified);
}

TEST_F(FileCommands, SaveAsAsksBeforeReplacingAFile)
{
    WriteFile(Dir / "OLD.EVT", "old");
    StartChanged();
    Recorder.QueueAnswer(prompts::TButton::No);
    Files.QueueFileName("old.evt");  // found whatever the case of its letters
    Files.QueueCancel();
    EXPECT_FALSE(Main->SaveAs());
    EXPECT_EQ(ReadFile(Dir / "OLD.EVT"), "old");
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Files.QueueFileName("OLD");
    EXPECT_TRUE(Main->SaveAs());
    EXPECT_NE(ReadFile(Dir / "OLD.EVT"), "old");
    const auto& Shown = Recorder.Shown();
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[1].Message.Text, QString::fromStdString(RealPath(Dir / "OLD.EVT")) + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(Shown[1].Message.Default, prompts::TButton::No);
    EXPECT_FALSE(platform::FileExists(Dir / "old.evt"));
}

TEST_F(FileCommands, SaveAsToAnotherExtensionWritesButOpenRefusesIt)
{
    StartChanged();
    Files.QueueFileName("LIST.TXT");
    Main->mnuFSaveAsClick();
    EXPECT_EQ(Caption(), "Anniversaries List - LIST.TXT");
    EXPECT_TRUE(platform::FileExists(Dir / "LIST.TXT"));
    Files.QueueFileName("LIST.TXT");
    Main->mnuFOpenClick();
    EXPECT_EQ(Boxes(), QStringList{"*Error: LIST.TXT\n\nThis is not a valid DateVane anniversaries list file."});
    ASSERT_EQ(Files.Shown().size(), 2u);
    EXPECT_EQ(Files.Shown()[1].Title, "");
    EXPECT_EQ(Files.Shown()[1].Filters, QStringList{"Datevane Data File (*.EVT)"});
}

TEST_F(FileCommands, AFailedSaveKeepsTheChangesTheFileAndTheWindow)
{
    // The file became a folder, or its folder went, after it was opened.
    for (const bool FolderGone : {false, true}) {
        Stop();
        ASSERT_EQ(mkdir((Dir / "sub").c_str(), 0755), 0);
        WriteBook(Dir / "sub/B.EVT", {{3, 1, "One"}});
        Start({"sub/B.EVT"});
        const std::string Name = EventsList->FileName;
        EventsList->Modified = true;
        ASSERT_EQ(std::remove(Name.c_str()), 0);
        if (FolderGone)
            ASSERT_EQ(rmdir((Dir / "sub").c_str()), 0);
        else
            ASSERT_EQ(mkdir(Name.c_str(), 0755), 0);
        Recorder.Clear();
        Main->mnuFSaveClick();
        EXPECT_EQ(Boxes(), QStringList{"Datevane Anniversary Reminder: Unable to write to " + QString::fromStdString(Name) + "."});
        EXPECT_TRUE(EventsList->Modified);

        // The close in progress is abandoned.
        ShowActive(Main.get());
        Recorder.QueueAnswer(prompts::TButton::Yes);
        EXPECT_FALSE(Main->close());
        EXPECT_TRUE(Main->isVisible());
        EXPECT_TRUE(EventsList->Modified);
        Main->hide();
        if (!FolderGone) {
            ASSERT_EQ(rmdir(Name.c_str()), 0);
            ASSERT_EQ(rmdir((Dir / "sub").c_str()), 0);
        }
    }
}

TEST_F(FileCommands, AFailedSaveAsKeepsThePreviousName)
{
    StartChanged();
    const std::string Previous = EventsList->FileName;
    Files.QueueFileName(std::string(300, 'N').append(".EVT"));  // longer than a file name may be
    Main->mnuFSaveAsClick();
    ASSERT_EQ(Recorder.Shown().size(), 1u);
    EXPECT_TRUE(Recorder.Shown()[0].Message.Text.startsWith("Unable to write to " + QString::fromStdString(Dir.Path())));
    EXPECT_EQ(EventsList->FileName, Previous);
    EXPECT_EQ(Caption(), "Anniversaries List - B.EVT");
    EXPECT_TRUE(EventsList->Modified);
}

TEST_F(FileCommands, CloseQueryFollowsTheAnswer)
{
    struct Case {
        std::vector<prompts::TButton> Answers;
        bool Untitled, CancelSaveAs, Closes, Written;
    } Cases[] = {
        {{prompts::TButton::Cancel}, false, false, false, false},
        {{prompts::TButton::No}, false, false, true, false},
        {{prompts::TButton::Yes}, false, false, true, true},
        {{prompts::TButton::Yes}, true, true, false, false},
    };
    for (const auto& C : Cases) {
        Stop();
        StartChanged();
        if (C.Untitled) EventsList->FileName.clear();
        ShowActive(Main.get());
        for (const auto Answer : C.Answers) Recorder.QueueAnswer(Answer);
        if (C.CancelSaveAs) Files.QueueCancel();
        Trigger(Main.get(), "mnuFExit");
        EXPECT_EQ(!Main->isVisible(), C.Closes);
        EXPECT_EQ(ReadFile(Dir / "B.EVT") != Book, C.Written);
        Main->hide();
    }
    // Without changes nothing is asked.
    Stop();
    Start();
    ShowActive(Main.get());
    Recorder.Clear();
    EXPECT_TRUE(Main->close());
    EXPECT_TRUE(Recorder.Shown().empty());
}

TEST_F(FileCommands, DroppedFilesOpenTheFirstAfterTheQuestions)
{
    WriteBook(Dir / "ONE.EVT", {{3, 7, "Dropped"}});
    WriteBook(Dir / "TWO.EVT", {{3, 8, "Second"}});
    StartChanged();
    SearchItem = static_cast<TEventItem*>(EventsList->Months[3]->ItemAt(1));
    Recorder.QueueAnswer(prompts::TButton::No);
    Main->WMDropFiles({Dir / "ONE.EVT", Dir / "TWO.EVT"});
    EXPECT_EQ(Boxes(), QStringList({"*Error: You have specified more than one file to load.  "
                                    "Only the first file name received will be loaded.",
                                    Question(RealPath(Dir / "B.EVT"))}));
    EXPECT_EQ(Lines(), QStringList{"7 - Dropped  "});
    EXPECT_EQ(Caption(), "Anniversaries List - ONE.EVT");
    EXPECT_EQ(SearchItem, nullptr);

    // A file that is not an anniversary file: the question first (the book may
    // be saved), then the refusal; the book stays.
    EventsList->Modified = true;
    Recorder.Clear();
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Main->WMDropFiles({Dir / "notes.txt"});
    EXPECT_EQ(Boxes(), QStringList({Question(Dir / "ONE.EVT"),
                                    "*Error: notes.txt\n\nThis is not a valid Datevane anniversaries list file."}));
    EXPECT_EQ(Lines(), QStringList{"7 - Dropped  "});
    EXPECT_FALSE(EventsList->Modified);  // saved on Yes
}

TEST_F(FileCommands, TheWindowTakesFilesDraggedOntoIt)
{
    WriteBook(Dir / "ONE.EVT", {{3, 7, "Dropped"}});
    Start();
    ShowActive(Main.get());
    ShowMonth(3);
    QMimeData Data;
    Data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Dir / "ONE.EVT")), QUrl("https://example.org/x.EVT")});
    const QPoint At = List()->mapTo(Main.get(), List()->rect().center());
    QDragEnterEvent Enter(At, Qt::CopyAction, &Data, Qt::LeftButton, {});
    QApplication::sendEvent(Main.get(), &Enter);
    EXPECT_TRUE(Enter.isAccepted());
    QDropEvent Drop(At, Qt::CopyAction, &Data, Qt::LeftButton, {});
    QApplication::sendEvent(Main.get(), &Drop);
    QTRY_COMPARE(Lines(), QStringList{"7 - Dropped  "});
    EXPECT_TRUE(Recorder.Shown().empty());  // one local file: no message

    QMimeData Text;
    Text.setText("not a file");
    QDragEnterEvent Refused(At, Qt::CopyAction, &Text, Qt::LeftButton, {});
    QApplication::sendEvent(Main.get(), &Refused);
    EXPECT_FALSE(Refused.isAccepted());
}
