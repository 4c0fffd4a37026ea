// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that are killed part of the way through: the file on disk must always
// hold one whole book, and the temporary files they leave must not pile up.
//
// The kill test runs 300 kills; DATEVANE_KILLS=N runs N instead, and
// DATEVANE_KILL_RANDOM=V replays the kill moments of a run that printed V.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <iostream>
#include <random>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "data/Evntlist.h"
#include "platform/FileSystem.h"

namespace {

// Count anniversaries spread over the year; Tag makes every text of one book
// differ from the other book's.
void FillBook(TEventsList& Book, int Count, const std::string& Tag)
{
    std::vector<TAnniversary> Items;
    for (int I = 0; I < Count; ++I)
        Items.push_back({1 + I % 12, static_cast<uint8_t>(1 + I * 7 % 28),
                         Tag + " anniversary " + std::to_string(I) + " of the family book, with words enough " +
                             "to make the written file long, so that kills often fall while it is written",
                         I % 3 ? 1900 + I % 120 : -1});
    AddAnniversaries(Book, Items);
}

unsigned long EnvironmentNumber(const char* Name, unsigned long Default)
{
    const char* Value = std::getenv(Name);
    return Value && *Value ? std::strtoul(Value, nullptr, 10) : Default;
}

// Memory-backed storage where there is some: a kill tests the rename, not the
// flush to disk, and a busy disk would otherwise set the pace of every save.
std::string FastFolder()
{
    return access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path().string();
}

}  // namespace

TEST(InterruptedSave, AKilledSaveLeavesTheOldOrTheNewBookAndTheNextSaveTidiesUp)
{
    TTempDir Dir(FastFolder());
    const std::string File = Dir / "FAMILY.EVT";
    // Neighbours that no save of FAMILY.EVT may touch.
    WriteFile(Dir / "OTHER.EVT", "other book");
    WriteFile(Dir / ".OTHER.EVT.abc123", "another book's temporary file");
    WriteFile(Dir / ".FAMILY.EVT.tmp", "not a name a save makes");
    std::vector<std::string> Tidy = Dir.Files();
    Tidy.push_back("FAMILY.EVT");
    std::sort(Tidy.begin(), Tidy.end());

    TEventsList Old, New;
    FillBook(Old, 1000, "old");
    FillBook(New, 950, "new");
    Old.FileName = New.FileName = File;
    const std::string OldText = DescribeBook(Old), NewText = DescribeBook(New);
    Old.SaveToFile();
    ASSERT_EQ(chmod(File.c_str(), 0640), 0);

    // Kill moments range over about two saves, so that every step of a save is met.
    const auto Start = std::chrono::steady_clock::now();
    New.SaveToFile();
    Old.SaveToFile();
    const auto SaveMicroseconds =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - Start).count() / 2;
    const unsigned long Kills = EnvironmentNumber("DATEVANE_KILLS", 300);
    const auto Clock = static_cast<unsigned long>(std::chrono::system_clock::now().time_since_epoch().count());
    const unsigned long Init = EnvironmentNumber("DATEVANE_KILL_RANDOM", Clock % 1000000007);
    std::cout << "Kill moments from random value " << Init << " (DATEVANE_KILL_RANDOM), " << Kills
              << " kills, a save takes " << SaveMicroseconds << " us" << std::endl;
    std::mt19937 Random(static_cast<std::mt19937::result_type>(Init));
    std::uniform_int_distribution<long> Delay(0, 2 * SaveMicroseconds + 1000);

    unsigned long Interrupted = 0, WithNew = 0;
    for (unsigned long Kill = 0; Kill < Kills; ++Kill) {
        const pid_t Child = fork();
        ASSERT_GE(Child, 0);
        if (Child == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            for (unsigned long Save = Kill; Save < Kill + 10000; ++Save) {
                try {
                    (Save % 2 ? New : Old).SaveToFile();
                } catch (...) {
                    _exit(2);
                }
            }
            _exit(1);
        }
        const long Wait = Delay(Random);
        usleep(static_cast<useconds_t>(Wait));
        kill(Child, SIGKILL);
        int Status = 0;
        ASSERT_EQ(waitpid(Child, &Status, 0), Child);
        ASSERT_TRUE(WIFSIGNALED(Status)) << "the saving child ended by itself with " << WEXITSTATUS(Status);

        TEventsList Back;
        Back.LoadFromFile(File);
        const std::string BackText = DescribeBook(Back);
        ASSERT_TRUE(BackText == OldText || BackText == NewText)
            << "kill " << Kill << " after " << Wait << " us left a file that is neither book";
        WithNew += BackText == NewText;
        Interrupted += Dir.Files().size() > Tidy.size();  // the killed save's temporary file

        (Kill % 2 ? Old : New).SaveToFile();
        ASSERT_EQ(Dir.Files(), Tidy) << "after kill " << Kill;
        struct stat St {};
        ASSERT_EQ(stat(File.c_str(), &St), 0);
        ASSERT_EQ(St.st_mode & 07777, 0640u);
    }
    std::cout << Interrupted << " kills fell between a save's temporary file and its rename, " << WithNew
              << " left the new book" << std::endl;
    RecordProperty("KillRandomValue", std::to_string(Init));
}

TEST(InterruptedSave, ASaveRemovesOnlyTheStaleTemporaryFilesOfItsOwnFile)
{
    TTempDir Dir;
    const std::string File = Dir / "book.evt";
    WriteFile(File, "old");
    const std::vector<std::string> Stale = {".book.evt.Ab12Cd", ".book.evt.zz9ZZ0"};
    const std::vector<std::string> Kept = {
        "other.evt",          ".other.evt.Ab12Cd",   // another file and its temporary file
        ".book.evt.Ab12C",    ".book.evt.Ab12Cde",   // five and seven characters
        ".book.evt.Ab-2Cd",   ".book.evt.Ab12C.",    // characters a temporary name never has
        "book.evt.Ab12Cd",    ".BOOK.EVT.Ab12Cd",    // no leading dot; another file's name
        "..book.evt.Ab12Cd",  ".book.evt.Ab12Cd.evt",
        ".book.evt.Linked",   // a symbolic link, not a file
        ".book.evt.InUse1",   // locked by a save that is still running
    };
    for (const auto& Name : Stale) WriteFile(Dir / Name, "partial");
    for (const auto& Name : Kept)
        if (Name != ".book.evt.Linked") WriteFile(Dir / Name, "keep");
    ASSERT_EQ(symlink("other.evt", (Dir / ".book.evt.Linked").c_str()), 0);
    ASSERT_EQ(mkdir((Dir / ".book.evt.Folder").c_str(), 0755), 0);
    const int InUse = open((Dir / ".book.evt.InUse1").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(InUse, 0);
    ASSERT_EQ(flock(InUse, LOCK_EX), 0);

    std::vector<std::string> Expected = Kept;
    Expected.insert(Expected.end(), {"book.evt", ".book.evt.Folder"});
    std::sort(Expected.begin(), Expected.end());
    std::vector<std::string> All = Expected;
    All.insert(All.end(), Stale.begin(), Stale.end());
    std::sort(All.begin(), All.end());

    ASSERT_EQ(chmod(File.c_str(), 0444), 0);
    EXPECT_FALSE(platform::ReplaceFileAtomically(File, "refused"));
    EXPECT_EQ(Dir.Files(), All) << "a refused save removes nothing";

    ASSERT_EQ(chmod(File.c_str(), 0644), 0);
    ASSERT_TRUE(platform::ReplaceFileAtomically(File, "new"));
    EXPECT_EQ(Dir.Files(), Expected);
    EXPECT_EQ(ReadFile(File), "new");
    for (const auto& Name : Kept) EXPECT_EQ(ReadFile(Dir / Name), "keep") << Name;

    // Once its save has ended, the lock is gone and the file is stale.
    close(InUse);
    ASSERT_TRUE(platform::ReplaceFileAtomically(File, "newer"));
    std::erase(Expected, ".book.evt.InUse1");
    EXPECT_EQ(Dir.Files(), Expected);
}
