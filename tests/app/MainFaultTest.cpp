// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail on the user's paths: a full or failing disk, a read-only
// file, a folder without write permission, a folder where a file should be,
// and settings that cannot be written at shut-down. Each ends with the error
// text, the file on disk exactly as it was, no temporary file left, and the
// user's work still in the window, unsaved, so that a close still asks.

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "FaultInjection.h"
#include "MainWindowFixture.h"
#include "platform/FileDialogs.h"
#include "platform/IniFile.h"

namespace {

const QString AppTitle = "Datevane Anniversary Reminder";

std::vector<std::string> FilesIn(const std::string& Folder)
{
    std::vector<std::string> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder)) Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
}

}  // namespace

class SaveFaults : public MainWindow {
protected:
    // Opens Folder/B.EVT, a book of one anniversary, and adds a second one
    // through the details dialog: the user's unsaved work.
    void StartWithWork(const std::string& Folder)
    {
        mkdir(Folder.c_str(), 0755);
        WriteBook(Folder + "/B.EVT", {{3, 1, "One"}});
        Start({Folder + "/B.EVT"});
        ShowActive(Main.get());
        ShowMonth(3);
        Answer(9, QStringLiteral("Unsaved work"), QString());
        Main->btnAddClick();
        Name = EventsList->FileName;
        Old = ReadFile(Name);
        Title = Main->windowTitle();
        ASSERT_TRUE(EventsList->Modified);
        ASSERT_EQ(Lines(), QStringList({"1 - One  ", "9 - Unsaved work  "}));
    }

    QStringList Boxes() const
    {
        QStringList Texts;
        for (const auto& Box : Recorder.Shown())
            Texts << (Box.Beep ? "*" : "") + Box.Message.Title + ": " + Box.Message.Text;
        return Texts;
    }
    static QString WriteError(const std::string& FileName)
    {
        return AppTitle + ": Unable to write to " + QString::fromStdString(FileName) + ".";
    }
    static QString Question(const std::string& FileName)
    {
        return "*Confirm: Save changes to\n\n" + QString::fromStdString(FileName);
    }
    void ExpectErrorBoxLast() const
    {
        ASSERT_FALSE(Recorder.Shown().empty());
        const prompts::TMessage& Box = Recorder.Shown().back().Message;
        EXPECT_EQ(Box.Icon, prompts::TIcon::Error);
        EXPECT_EQ(Box.Buttons, std::vector<prompts::TButton>{prompts::TButton::Ok});
    }
    // The file as it was, nothing beside it in its folder, the work unsaved in the window.
    void ExpectWorkKept(const std::string& Folder) const
    {
        EXPECT_EQ(ReadFile(Name), Old);
        EXPECT_EQ(FilesIn(Folder), std::vector<std::string>{"B.EVT"});
        EXPECT_TRUE(EventsList->Modified);
        EXPECT_EQ(EventsList->FileName, Name);
        EXPECT_EQ(Main->windowTitle(), Title);
        EXPECT_EQ(Lines(), QStringList({"1 - One  ", "9 - Unsaved work  "}));
    }
    // A close asks; a Yes whose save fails too keeps the window open.
    void ExpectCloseAsksAndStaysOpen(const QString& Error)
    {
        Recorder.Clear();
        Recorder.QueueAnswer(prompts::TButton::Yes);
        EXPECT_FALSE(Main->close());
        EXPECT_TRUE(Main->isVisible());
        EXPECT_EQ(Boxes(), QStringList({Question(Name), Error}));
    }
    void ExpectSavedOnClose()
    {
        Recorder.Clear();
        Recorder.QueueAnswer(prompts::TButton::Yes);
        EXPECT_TRUE(Main->close());
        TEventsList Saved;
        Saved.LoadFromFile(Name);
        EXPECT_EQ(Saved.Months[3]->Count, 2);
    }

    filedialogs::TFileDialogRecorder Files;
    std::string Name, Old;
    QString Title;
};

TEST_F(SaveFaults, ADiskFullOrFailingKeepsTheFileAndTheWork)
{
    if (faults::RerunWithFaultLibrary()) return;
    const std::string Disk = Dir / "disk";
    StartWithWork(Disk);
    for (const faults::TFault& Fault : faults::DiskFaults()) {
        SCOPED_TRACE(Fault.Name);
        const faults::TInjectedFault Failing(Disk, Fault);
        Recorder.Clear();
        Trigger(Main.get(), "mnuFSave");
        EXPECT_EQ(Boxes(), QStringList{WriteError(Name)});
        ExpectErrorBoxLast();
        ExpectWorkKept(Disk);
        ExpectCloseAsksAndStaysOpen(WriteError(Name));
        ExpectWorkKept(Disk);
    }
    // With room on the disk again, nothing of the work was lost.
    ExpectSavedOnClose();
    EXPECT_EQ(FilesIn(Disk), std::vector<std::string>{"B.EVT"});
}

TEST_F(SaveFaults, SaveAsOntoAFullOrFailingDiskKeepsTheNameAndTheWork)
{
    if (faults::RerunWithFaultLibrary()) return;
    const std::string Disk = Dir / "disk";
    StartWithWork(Disk);
    const std::string Other = Dir / "other";
    mkdir(Other.c_str(), 0755);
    WriteFile(Other + "/OLD.EVT", "old");
    for (const faults::TFault& Fault : faults::DiskFaults()) {
        SCOPED_TRACE(Fault.Name);
        const faults::TInjectedFault Failing(Other, Fault);
        // A new file and one to replace (the dialog asks first).
        Recorder.Clear();
        Files.QueueFileName(Other + "/NEW.EVT");
        Main->mnuFSaveAsClick();
        EXPECT_EQ(Boxes(), QStringList{WriteError(Other + "/NEW.EVT")});
        Recorder.Clear();
        Recorder.QueueAnswer(prompts::TButton::Yes);
        Files.QueueFileName(Other + "/OLD.EVT");
        Main->mnuFSaveAsClick();
        ASSERT_EQ(Boxes().size(), 2) << Boxes().join('|').toStdString();
        EXPECT_EQ(Boxes()[1], WriteError(Other + "/OLD.EVT"));
        ExpectErrorBoxLast();
        EXPECT_EQ(FilesIn(Other), std::vector<std::string>{"OLD.EVT"});
        EXPECT_EQ(ReadFile(Other + "/OLD.EVT"), "old");
        ExpectWorkKept(Disk);
    }
    ExpectSavedOnClose();
}

TEST_F(SaveFaults, SettingsThatCannotBeWrittenAtShutDownStayAsTheyWere)
{
    if (faults::RerunWithFaultLibrary()) return;
    const std::string Stored = CrLf({"; kept", "[FormPosition]", "Top=7", "[Startup]", "LoadFile=x"});
    struct Case {
        const char* Name;
        const faults::TFault* Fault;  // none: the settings file is a folder
    };
    std::vector<Case> Cases;
    for (const faults::TFault& Fault : faults::DiskFaults()) Cases.push_back({Fault.Name, &Fault});
    Cases.push_back({"a folder in its place", nullptr});
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        if (C.Fault) {
            WriteFile(Settings(), Stored);
        } else {
            std::remove(Settings().c_str());
            ASSERT_EQ(mkdir(Settings().c_str(), 0755), 0);
        }
        Start();
        Main->move(30, 40);
        const std::vector<std::string> Before = Dir.Files();
        Recorder.Clear();
        {
            std::optional<faults::TInjectedFault> Failing;
            if (C.Fault) Failing.emplace(Dir.Path(), *C.Fault);
            Stop();  // the program ends all the same
        }
        EXPECT_EQ(Main, nullptr);
        EXPECT_EQ(EventsList, nullptr);
        EXPECT_EQ(Boxes(), QStringList{WriteError(Settings())});
        ExpectErrorBoxLast();
        EXPECT_EQ(Dir.Files(), Before);
        if (C.Fault) {
            EXPECT_EQ(ReadFile(Settings()), Stored);
        }
    }
    // The folder is left alone, and the program still starts.
    Start();
    EXPECT_EQ(Main->y(), 125);
    Stop();
    EXPECT_TRUE(std::filesystem::is_directory(Settings()));
}

TEST_F(SaveFaults, AReadOnlyFileSendsSaveAndTheCloseToSaveAs)
{
    StartWithWork(Dir / "ro");
    ASSERT_EQ(chmod(Name.c_str(), 0444), 0);
    const QString Warning = "*Warning: This is a read-only file.  Please save to a different file name.";
    // Save: the warning, then Save As, whose dialog the user cancels.
    Recorder.Clear();
    Files.QueueCancel();
    Trigger(Main.get(), "mnuFSave");
    EXPECT_EQ(Boxes(), QStringList{Warning});
    EXPECT_EQ(Files.Shown().size(), 1u);
    ExpectWorkKept(Dir / "ro");
    // A close asks, warns and offers Save As again; cancelled, the window stays.
    Recorder.Clear();
    Recorder.QueueAnswer(prompts::TButton::Yes);
    Files.QueueCancel();
    EXPECT_FALSE(Main->close());
    EXPECT_EQ(Boxes(), QStringList({Question(Name), Warning}));
    EXPECT_EQ(Files.Shown().size(), 2u);
    ExpectWorkKept(Dir / "ro");
}

TEST_F(SaveFaults, AFolderWhereTheFileWasOrIsToGoIsNeverWrittenInto)
{
    StartWithWork(Dir / "sub");
    // Save As onto a folder: the dialog refuses it and asks again.
    ASSERT_EQ(mkdir((Dir / "FOLDER.EVT").c_str(), 0755), 0);
    Recorder.Clear();
    Files.QueueFileName("FOLDER.EVT");
    Files.QueueCancel();
    Main->mnuFSaveAsClick();
    EXPECT_EQ(Boxes(), QStringList{"Save as...: " + QString::fromStdString(Dir / "FOLDER.EVT")
                                   + "\nThis is a folder.\nTry again with a file name."});
    ExpectWorkKept(Dir / "sub");
    EXPECT_TRUE(std::filesystem::is_empty(Dir / "FOLDER.EVT"));
}

TEST_F(SaveFaults, AFolderWithoutWritePermission)
{
    if (faults::RerunAsNobody()) return;
    const std::string Locked = Dir / "locked";
    WriteFile(Settings(), CrLf({"[FormPosition]", "Top=7"}));
    StartWithWork(Locked);
    ASSERT_EQ(chmod(Locked.c_str(), 0555), 0);
    if (access(Locked.c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write into a folder without write permission, so there is no refusal to show";

    // The file itself may be written, but the save needs room beside it.
    Recorder.Clear();
    Trigger(Main.get(), "mnuFSave");
    EXPECT_EQ(Boxes(), QStringList{WriteError(Name)});
    ExpectWorkKept(Locked);
    ExpectCloseAsksAndStaysOpen(WriteError(Name));

    // Save As refuses the folder and takes the next name.
    Recorder.Clear();
    Files.QueueFileName("locked/NEW.EVT");
    Files.QueueFileName("COPY.EVT");
    Main->mnuFSaveAsClick();
    EXPECT_EQ(Boxes(), QStringList{"Save as...: " + QString::fromStdString(Locked + "/NEW.EVT")
                                   + "\nYou cannot save in this folder.\nChoose another folder."});
    EXPECT_EQ(EventsList->FileName, Dir / "COPY.EVT");
    EXPECT_FALSE(EventsList->Modified);
    EXPECT_EQ(ReadFile(Name), Old);
    EXPECT_EQ(FilesIn(Locked), std::vector<std::string>{"B.EVT"});

    // Settings beside the program, in a folder that takes no writes.
    ASSERT_EQ(chmod(Dir.Path().c_str(), 0555), 0);
    Recorder.Clear();
    Stop();
    EXPECT_EQ(Boxes(), QStringList{WriteError(Settings())});
    EXPECT_EQ(ReadFile(Settings()), CrLf({"[FormPosition]", "Top=7"}));
    chmod(Dir.Path().c_str(), 0755);
}
