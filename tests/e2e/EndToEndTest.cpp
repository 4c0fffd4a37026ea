// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a user meets it: started in a real X window from a copy of
// its folder, driven by key presses and mouse clicks, with the files it leaves
// on disk read back afterwards.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "XSession.h"
#include "data/Evntlist.h"
#include "platform/IniFile.h"

namespace fs = std::filesystem;
using namespace e2e;

namespace {

const std::string BookTitle = "Anniversaries List - Family.EVT";

// The anniversaries of a month of the file, as "day text (year)" lines.
std::vector<std::string> MonthOnDisk(const std::string& FileName, int Month)
{
    TEventsList Book;
    Book.LoadFromFile(FileName);
    std::vector<std::string> Lines;
    for (int I = 0; I < Book.Months[Month]->Count; ++I) {
        const auto* Item = static_cast<const TEventItem*>(Book.Months[Month]->ItemAt(I));
        Lines.push_back(std::to_string(Item->DayNumber) + " " + Item->EventText + " (" + std::to_string(Item->OrigYear) + ")");
    }
    return Lines;
}

class EndToEnd : public testing::Test {
protected:
    static void SetUpTestSuite() { Server = std::make_unique<TXServer>(); }
    static void TearDownTestSuite() { Server.reset(); }

    void SetUp() override
    {
        // The program, its reminder and its help file, as installed side by
        // side; the settings file it writes beside itself is this test's.
        fs::create_directories(ProgramDir);
        fs::create_directories(DataDir);
        fs::create_directory(Temp / "runtime");
        fs::permissions(Temp / "runtime", fs::perms::owner_all);
        for (const char* Name : {"datevane", "duealert", "datevane.HLP"})
            fs::copy_file(fs::path(DATEVANE_BUILD_DIR) / Name, fs::path(ProgramDir) / Name);
        // Start on January whatever today's month is.
        WriteFile(Settings, CrLf({"[Startup]", "UseCurrentMonth=0"}));
        TEventsList Book;
        AddAnniversaries(Book, {{3, 17, "Grandma Rose's birthday", 1931}, {6, 21, "Grandad's birthday", 1929}});
        Book.FileName = Family;
        Book.SaveToFile();
    }

    // Starts the program as Program with Arguments in the test's X server,
    // with a home folder of the test's own.
    std::unique_ptr<TProcess> Start(const std::string& Program, const std::vector<std::string>& Arguments)
    {
        std::vector<std::string> Argv {Program};
        Argv.insert(Argv.end(), Arguments.begin(), Arguments.end());
        // In the sanitizer build, leaks of system libraries are not the program's.
        std::string LeakOptions = getenv("LSAN_OPTIONS") ? getenv("LSAN_OPTIONS") : "";
        if (LeakOptions.find("suppressions=") == std::string::npos)
            LeakOptions += (LeakOptions.empty() ? "" : ":") + std::string("suppressions=" E2E_LSAN_SUPPRESSIONS);
        return std::make_unique<TProcess>(
            Argv, std::vector<std::string> {"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=", "HOME=" + Temp.Path(),
                                            "XDG_CONFIG_HOME=" + Temp / "config", "XDG_RUNTIME_DIR=" + Temp / "runtime",
                                            "XDG_CURRENT_DESKTOP=", "LSAN_OPTIONS=" + LeakOptions});
    }

    // Adds an anniversary on Day of the month shown (January) through Ctrl+E.
    void AddAnniversary(const TWindow& Main, const std::string& Day, const std::string& Text, const std::string& Year)
    {
        PressKeys({"ctrl+e"});
        WaitForActiveWindow(ExactTitle("Add New Anniversary for January"));
        PressKeys({"ctrl+a"});
        TypeText(Day);
        PressKeys({"Tab"});
        TypeText(Text);
        PressKeys({"Tab"});
        TypeText(Year);
        PressKeys({"Return"});
        WaitForNoWindow(ExactTitle("Add New Anniversary for January"));
        Activate(Main);
    }

    // File > Exit, the menu opened with a click on "File", the first entry
    // of the menu bar at the window's top left.
    static void ExitWithMouse(const TWindow& Main)
    {
        Click(Main, 14, 8);
        PressKeys({"x"});
    }

    static void ExitWithKeys() { PressKeys({"alt+f", "x"}); }

    std::vector<std::string> January() const { return MonthOnDisk(Family, 1); }

    static std::unique_ptr<TXServer> Server;
    TTempDir Temp;
    const std::string ProgramDir = Temp / "program";
    const std::string DataDir = Temp / "data";
    const std::string Settings = ProgramDir + "/datevane.INI";
    const std::string Family = DataDir + "/Family.EVT";
};

std::unique_ptr<TXServer> EndToEnd::Server;

// Started through a launcher link elsewhere, the program keeps its settings
// beside its real executable. Add, Save, Find and Find Next, then Exit.
TEST_F(EndToEnd, AddSaveFindAndExitThroughALauncherLink)
{
    const std::string LinkDir = Temp / "bin";
    fs::create_directories(LinkDir);
    fs::create_symlink(ProgramDir + "/datevane", LinkDir + "/datevane");
    const auto Program = Start(LinkDir + "/datevane", {Family});
    const TWindow Main = WaitForWindow(ExactTitle(BookTitle), Program.get());
    Activate(Main);

    AddAnniversary(Main, "17", "Kite flying day", "1999");
    PressKeys({"ctrl+s"});
    WaitUntil("the added anniversary on disk",
              [&] { return January() == std::vector<std::string> {"17 Kite flying day (1999)"}; });

    // Find goes to June's match; Find Next finds no other.
    PressKeys({"ctrl+f"});
    WaitForActiveWindow(ExactTitle("Find..."));
    TypeText("grandad");
    PressKeys({"Return"});
    WaitForNoWindow(ExactTitle("Find..."));
    Activate(Main);
    PressKeys({"F3"});
    WaitForActiveWindow(ExactTitle("Error"));
    PressKeys({"Return"});
    WaitForNoWindow(ExactTitle("Error"));
    Activate(Main);
    // The match is the selected line: Edit opens on it, in June.
    PressKeys({"ctrl+r"});
    WaitForActiveWindow(ExactTitle("Edit Anniversary for June"));
    PressKeys({"Tab", "End"});
    TypeText(" (found)");
    PressKeys({"Return"});
    WaitForNoWindow(ExactTitle("Edit Anniversary for June"));
    Activate(Main);
    PressKeys({"ctrl+s"});
    WaitUntil("the edited anniversary on disk", [&] {
        return MonthOnDisk(Family, 6) == std::vector<std::string> {"21 Grandad's birthday (found) (1929)"};
    });

    ExitWithMouse(Main);
    EXPECT_EQ(Program->WaitForExit(), 0);
    EXPECT_EQ(MonthOnDisk(Family, 3), std::vector<std::string> {"17 Grandma Rose's birthday (1931)"});
    EXPECT_EQ(TIniFile(Settings).ReadString("Startup", "LoadFile", ""), Family);
    EXPECT_EQ(TIniFile(Settings).ReadString("FormPosition", "Width", ""), "450");
    EXPECT_FALSE(fs::exists(LinkDir + "/datevane.INI"));
}

// The unsaved-changes question on Exit: Cancel keeps the program running
// with its changes, No then ends it without saving them.
TEST_F(EndToEnd, ExitQuestionCancelKeepsRunningAndNoDiscards)
{
    const std::string Before = ReadFile(Family);
    const auto Program = Start(ProgramDir + "/datevane", {Family});
    const TWindow Main = WaitForWindow(ExactTitle(BookTitle), Program.get());
    Activate(Main);
    AddAnniversary(Main, "2", "Not to be kept", "");

    ExitWithKeys();
    WaitForActiveWindow(ExactTitle("Confirm"), Program.get());
    PressKeys({"Escape"});
    WaitForNoWindow(ExactTitle("Confirm"));
    Activate(Main);
    EXPECT_TRUE(Program->Running());

    // Still running, still holding the change: the question comes again.
    ExitWithMouse(Main);
    WaitForActiveWindow(ExactTitle("Confirm"), Program.get());
    PressKeys({"alt+n"});
    EXPECT_EQ(Program->WaitForExit(), 0);
    EXPECT_EQ(ReadFile(Family), Before);
    EXPECT_EQ(TIniFile(Settings).ReadString("Startup", "LoadFile", ""), Family);
}

// A file that is not an ".EVT" file is refused, and the list used last opens
// instead; Yes to the question on Exit saves the change.
TEST_F(EndToEnd, RefusesOtherFilesAndExitQuestionYesSaves)
{
    const std::string Notes = DataDir + "/notes.txt";
    WriteFile(Notes, "Not an anniversaries list\n");
    TIniFile(Settings).WriteString("Startup", "LoadFile", Family);
    const auto Program = Start(ProgramDir + "/datevane", {Notes});
    WaitForActiveWindow(ExactTitle("Error"), Program.get());
    PressKeys({"Return"});
    const TWindow Main = WaitForWindow(ExactTitle(BookTitle), Program.get());
    Activate(Main);

    AddAnniversary(Main, "31", "Saved on the way out", "2001");
    ExitWithKeys();
    WaitForActiveWindow(ExactTitle("Confirm"), Program.get());
    PressKeys({"alt+y"});
    EXPECT_EQ(Program->WaitForExit(), 0);
    EXPECT_EQ(January(), std::vector<std::string> {"31 Saved on the way out (2001)"});
    EXPECT_EQ(ReadFile(Notes), "Not an anniversaries list\n");
}

}  // namespace
