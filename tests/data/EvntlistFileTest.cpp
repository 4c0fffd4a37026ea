// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FaultInjection.h"
#include "TestSupport.h"
#include "data/Dateutil.h"
#include "data/Evntlist.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

namespace {

struct TRecord {
    int Day;
    std::string Text;
    int32_t Year;
    bool operator==(const TRecord&) const = default;
};
using TBookRecords = std::vector<std::vector<TRecord>>;  // [0] unused, [1..12] months

void PrintTo(const TRecord& R, std::ostream* Os) { *Os << R.Day << " '" << R.Text << "' " << R.Year; }

TRecord Record(const TEventItem& Item) { return {Item.DayNumber, Item.EventText, Item.OrigYear}; }

std::vector<TRecord> Month(const TEventsList& Book, int M)
{
    std::vector<TRecord> Result;
    TListNode* Cursor;
    Book.Months[M]->Rewind(Cursor);
    while (Book.Months[M]->GetNext(Cursor)) Result.push_back(Record(*static_cast<TEventItem*>(Cursor)));
    return Result;
}

TBookRecords Records(const TEventsList& Book)
{
    TBookRecords Result(13);
    for (int M = 1; M <= 12; ++M) Result[M] = Month(Book, M);
    return Result;
}

void AddItem(TEventsList& Book, int M, int Day, const std::string& Text, int32_t Year = -1)
{
    auto* Item = new TEventItem;
    Item->DayNumber = static_cast<uint8_t>(Day);
    Item->EventText = Text;
    Item->OrigYear = Year;
    Book.Months[M]->Add(Item);
}

// The item keys of a saved file, month by month.
std::vector<std::string> ItemKeys(const std::string& FileName)
{
    const TIniDocument Doc(ReadFile(FileName));
    std::vector<std::string> Keys;
    for (int M = 1; M <= 12; ++M) {
        const std::string S = MonthName(static_cast<uint8_t>(M));
        for (int I = 1; I <= Doc.ReadInteger(S, "NumberOfItems", 0); ++I) Keys.push_back(Doc.ReadString(S, std::to_string(I), ""));
    }
    return Keys;
}

std::string MaskKeys(std::string Text)
{
    return std::regex_replace(Text, std::regex("[0-9A-F]{5}"), "KKKKK");
}

class EventsFile : public ::testing::Test {
protected:
    TTempDir Dir;
    std::string File = Dir / "FAMILY.EVT";
};

}  // namespace

TEST_F(EventsFile, EmptyBookSavesTwelveEmptyMonthsAndLoadsBackEmpty)
{
    TEventsList Book;
    Book.FileName = File;
    Book.Modified = true;
    Book.SaveToFile();
    EXPECT_FALSE(Book.Modified);
    std::vector<std::string> Lines;
    for (int M = 1; M <= 12; ++M) {
        Lines.push_back("[" + MonthName(static_cast<uint8_t>(M)) + "]");
        Lines.push_back("NumberOfItems=0");
    }
    EXPECT_EQ(ReadFile(File), CrLf(Lines));

    AddItem(Book, 3, 1, "stale");
    Book.LoadFromFile(File);
    EXPECT_EQ(Book.TotalCount(), 0);
}

TEST_F(EventsFile, MissingFileLoadsAsEmptyTitledBook)
{
    TEventsList Book;
    AddItem(Book, 1, 1, "old");
    Book.Modified = true;
    Book.LoadFromFile(Dir / "nothing.evt");
    EXPECT_EQ(Book.TotalCount(), 0);
    EXPECT_EQ(Book.FileName, Dir / "nothing.evt");
    EXPECT_FALSE(Book.Modified);
}

TEST_F(EventsFile, LoadFollowsTheReaderRules)
{
    const std::string LongText(3000, 'x');
    WriteFile(File, CrLf({
        "; written by hand",
        "[January]", "NumberOfItems=3", "1=AAAAA", "3=CCCCC",     // entry 2 missing
        "[AAAAA]", "DayNumber=9", "EventText=Zo\xEB's birthday", "OrigYear=1990",
        "[CCCCC]", "DayNumber=2", "EventText=Moved house", "OrigYear=1998",
        "[February]", "NumberOfItems=1", "1=NOSUCH",               // names no section
        "[March]", "NumberOfItems=4", "1=M1", "2=M2", "3=M3", "4=M4",
        "[M1]", "DayNumber=40", "[M2]", "DayNumber=256", "[M3]", "DayNumber=0x1F", "[M4]", "DayNumber=-1",
        "[April]", "NumberOfItems=1", "1=A1", "[A1]", "DayNumber=3", "OrigYear=abc",
        "[May]", "NumberOfItems=3", "1=Y1", "2=Y2", "3=Y3",
        "[Y1]", "DayNumber=5", "EventText=first", "[Y2]", "DayNumber=5", "EventText=second",
        "[Y3]", "DayNumber=2", "EventText=earlier",
        "[June]", "NumberOfItems=2", "1=J1", "2=J2",
        "[J1]", "DayNumber=1", "EventText=" + LongText, "[J2]", "DayNumber=2", "EventText=  spaced  ",
        "[July]", "NumberOfItems=2147483647", "2=L2", "1=L1",  // a huge count costs nothing
        "[L1]", "DayNumber=1", "EventText=one", "[L2]", "DayNumber=1", "EventText=two",
        "[august]", "numberofitems=3", "01=G0", "-1=G0", "0=G0", "1=G1", "1=G0", "2=", "3=g2",
        "[G0]", "DayNumber=7", "[G1]", "DayNumber=8", "EventText=first of two", "[g2]", "DAYNUMBER=9",
    }));
    TEventsList Book;
    Book.LoadFromFile(File);
    EXPECT_FALSE(Book.Modified);
    TBookRecords Expected(13);
    Expected[1] = {{2, "Moved house", 1998}, {9, "Zo\xEB's birthday", 1990}};
    Expected[2] = {{1, "", -1}};
    Expected[3] = {{0, "", -1}, {31, "", -1}, {40, "", -1}, {255, "", -1}};
    Expected[4] = {{3, "", -1}};
    Expected[5] = {{2, "earlier", -1}, {5, "first", -1}, {5, "second", -1}};
    Expected[6] = {{1, std::string(2047, 'x'), -1}, {2, "spaced", -1}};
    Expected[7] = {{1, "one", -1}, {1, "two", -1}};
    Expected[8] = {{8, "first of two", -1}, {9, "", -1}};
    EXPECT_EQ(Records(Book), Expected);
}

TEST_F(EventsFile, ReadsLfOnlyFilesAndALastLineWithoutLineEnd)
{
    WriteFile(File, "[October]\nNumberOfItems=1\n1=K\n[K]\nDayNumber=12\nEventText=Harvest");
    TEventsList Book;
    Book.LoadFromFile(File);
    EXPECT_EQ(Month(Book, 10), (std::vector<TRecord>{{12, "Harvest", -1}}));
}

TEST_F(EventsFile, ToleratesJunkNulBytesAndVeryLongLines)
{
    std::string Junk;
    for (int I = 0; I < 65536; ++I) Junk += static_cast<char>(I * 131 % 251);
    WriteFile(File, Junk + "\n" + std::string(10'000'000, '=') + "\r\n" +
                        CrLf({"[November]", "NumberOfItems=1", "1=K", "[K]", "DayNumber=11",
                              std::string("EventText=a\0b", 13)}));
    TEventsList Book;
    Book.LoadFromFile(File);
    EXPECT_EQ(Month(Book, 11), (std::vector<TRecord>{{11, std::string("a\0b", 3), -1}}));
}

TEST_F(EventsFile, SaveAndLoadRoundTrip)
{
    TEventsList Book;
    AddItem(Book, 1, 5, "Parents' wedding", 1962);
    AddItem(Book, 1, 5, "Tree planted");
    AddItem(Book, 2, 29, "Leap-day birthday", 1996);
    AddItem(Book, 3, 1, "a=b; [not a section] \"inner\" quotes", 0);
    AddItem(Book, 7, 14, "Caf\xE9 opened \x80 \xFF", -3000);
    AddItem(Book, 12, 31, "", 2026);
    AddItem(Book, 12, 0, "day zero", -1);
    Book.FileName = File;
    Book.SaveToFile();

    TEventsList Back;
    Back.LoadFromFile(File);
    EXPECT_EQ(Records(Back), Records(Book));
}

// The reader takes the blanks around a value and a pair of quotes enclosing
// it away; such texts are stored inside one more pair so they come back whole,
// while every other text is stored as it is.
TEST_F(EventsFile, TextsInQuotesOrWithBlanksAtTheEndsReadBackAsTyped)
{
    const struct {
        std::string Text, Stored;
    } Cases[] = {
        {"\"Quoted\"", "\"\"Quoted\"\""},
        {"'single'", "\"'single'\""},
        {"\"\"", "\"\"\"\""},
        {" leading", "\" leading\""},
        {"trailing\t", "\"trailing\t\""},
        {"\"half", "\"half"},
        {"'mixed\"", "'mixed\""},
        {"\"", "\""},
        {"say \"hi\"", "say \"hi\""},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        TEventsList Book;
        AddItem(Book, 4, 1, C.Text);
        Book.FileName = File;
        Book.SaveToFile();
        EXPECT_NE(ReadFile(File).find("EventText=" + C.Stored + "\r\n"), std::string::npos);
        TEventsList Back;
        Back.LoadFromFile(File);
        EXPECT_EQ(Records(Back), Records(Book));
    }
}

TEST_F(EventsFile, SaveWritesTheDocumentedLayout)
{
    TEventsList Book;
    AddItem(Book, 1, 5, "Parents' wedding", 1962);
    AddItem(Book, 1, 5, "Tree planted");
    AddItem(Book, 3, 1, "Moved house", 1998);
    Book.FileName = File;
    Book.SaveToFile();
    std::vector<std::string> Lines = {
        "[January]", "NumberOfItems=2", "1=KKKKK", "2=KKKKK",
        "[KKKKK]", "DayNumber=5", "EventText=Parents' wedding", "OrigYear=1962",
        "[KKKKK]", "DayNumber=5", "EventText=Tree planted", "OrigYear=-1",
        "[February]", "NumberOfItems=0",
        "[March]", "NumberOfItems=1", "1=KKKKK",
        "[KKKKK]", "DayNumber=1", "EventText=Moved house", "OrigYear=1998"};
    for (int M = 4; M <= 12; ++M) {
        Lines.push_back("[" + MonthName(static_cast<uint8_t>(M)) + "]");
        Lines.push_back("NumberOfItems=0");
    }
    const std::string First = ReadFile(File);
    EXPECT_EQ(MaskKeys(First), CrLf(Lines));

    Book.SaveToFile();
    EXPECT_EQ(MaskKeys(ReadFile(File)), MaskKeys(First)) << "saving again changes only the keys";
}

TEST_F(EventsFile, KeysAreFiveHexDigitsAndUniqueWithinTheFile)
{
    TEventsList Book;
    for (int I = 0; I < 600; ++I) AddItem(Book, 1 + I % 12, 1 + I % 28, "event " + std::to_string(I));
    Book.FileName = File;
    Book.SaveToFile();
    const std::vector<std::string> Keys = ItemKeys(File);
    ASSERT_EQ(Keys.size(), 600u);
    const std::regex Format("[0-9A-F]{5}");
    for (const auto& Key : Keys) EXPECT_TRUE(std::regex_match(Key, Format)) << Key;
    EXPECT_EQ(std::set<std::string>(Keys.begin(), Keys.end()).size(), Keys.size());

    std::set<char> Seen;
    for (int I = 0; I < 200; ++I)
        for (char C : TEventsList::NewItemKey()) Seen.insert(C);
    EXPECT_EQ(Seen.size(), 16u) << "every hexadecimal digit is drawn";

    const std::string Fresh = Book.UniqueItemKey();
    EXPECT_TRUE(std::regex_match(Fresh, Format));
    EXPECT_EQ(std::count(Keys.begin(), Keys.end(), Fresh), 0);
}

TEST_F(EventsFile, SaveIntoAnExistingFileReplacesOnlyTheBook)
{
    WriteFile(File, CrLf({
        "; kept comment", "[Owner]", "Name=Ann",
        "[January]", "NumberOfItems=2", "1=OLD01", "2=OLD02", "5=OLD05",
        "[OLD01]", "DayNumber=1", "EventText=old one",
        "[Stray]", "Keep=yes",
        "[OLD02]", "DayNumber=2",
        "[OLD05]", "DayNumber=5",   // beyond NumberOfItems: not the book's, kept
        "[March]", "NumberOfItems=3", "1=OLD03",  // declares more entries than it holds
        "[OLD03]", "DayNumber=3",
    }));
    TEventsList Book;
    Book.LoadFromFile(File);
    AddItem(Book, 1, 20, "new");
    Book.SaveToFile();

    const std::string Text = ReadFile(File);
    EXPECT_EQ(Text.substr(0, CrLf({"; kept comment", "[Owner]", "Name=Ann"}).size()),
              CrLf({"; kept comment", "[Owner]", "Name=Ann"}));
    const TIniDocument Doc(Text);
    EXPECT_EQ(Doc.ReadString("Stray", "Keep", ""), "yes");
    EXPECT_TRUE(Doc.SectionExists("OLD05"));
    for (const char* Gone : {"OLD01", "OLD02", "OLD03"}) EXPECT_FALSE(Doc.SectionExists(Gone)) << Gone;

    TEventsList Back;
    Back.LoadFromFile(File);
    EXPECT_EQ(Records(Back), Records(Book));
    EXPECT_EQ(Month(Back, 1), (std::vector<TRecord>{{1, "old one", -1}, {2, "", -1}, {20, "new", -1}}));
}

TEST_F(EventsFile, ABookWithMoreAnniversariesThanKeysFailsInsteadOfHanging)
{
    TEventsList Book;
    for (int I = 0; I <= (1 << 20); ++I) AddItem(Book, 1, 1, "");
    Book.FileName = File;
    EXPECT_THROW(Book.SaveToFile(), EIniFileException);
    EXPECT_TRUE(Dir.Files().empty());
}

TEST_F(EventsFile, OddFilesEraseWhatAStepByStepEraseWould)
{
    // January's first entry names January itself: once it is gone, its later
    // entries read as empty, so AAAAA survives as a stray section.
    WriteFile(File, CrLf({"[January]", "NumberOfItems=2", "1=January", "2=AAAAA", "[AAAAA]", "DayNumber=4",
                          "[February]", "NumberOfItems=1", "1=March", "[March]", "NumberOfItems=0"}));
    TEventsList Book;
    Book.FileName = File;
    Book.SaveToFile();
    const TIniDocument Doc(ReadFile(File));
    EXPECT_TRUE(Doc.SectionExists("AAAAA"));
    EXPECT_EQ(ItemKeys(File).size(), 0u);
    EXPECT_EQ(Doc.ReadInteger("March", "NumberOfItems", -1), 0);
}

// Each failed save must throw the exact message, leave the file on disk byte
// for byte, leave no temporary file, and keep the book modified.
class FailedSave : public EventsFile {
protected:
    void SetUp() override
    {
        AddItem(Book, 6, 1, "old");
        Book.FileName = File;
        Book.SaveToFile();
        Before = ReadFile(File);
        AddItem(Book, 6, 2, std::string(4000, 'n'));
        Book.Modified = true;
    }

    void ExpectFailedSave(const std::string& Target)
    {
        Book.FileName = Target;
        const std::vector<std::string> FilesBefore = Dir.Files();
        try {
            Book.SaveToFile();
            ADD_FAILURE() << "the save did not fail";
        } catch (const std::exception& E) {
            EXPECT_STREQ(E.what(), ("Unable to write to " + Target).c_str());
        }
        EXPECT_TRUE(Book.Modified);
        EXPECT_EQ(Book.TotalCount(), 2);
        EXPECT_EQ(Dir.Files(), FilesBefore);
        EXPECT_EQ(ReadFile(File), Before);
    }

    // The file holds the book of SetUp, its long text as far as a reader takes it.
    static bool SavedWhole(const std::string& FileName)
    {
        TEventsList Loaded;
        Loaded.LoadFromFile(FileName);
        return Month(Loaded, 6) == std::vector<TRecord>{{1, "old", -1}, {2, std::string(MaxIniValueLength, 'n'), -1}}
               && Loaded.TotalCount() == 2;
    }

    TEventsList Book;
    std::string Before;
};

TEST_F(FailedSave, ToAReadOnlyFile)
{
    chmod(File.c_str(), 0444);
    ExpectFailedSave(File);
}

TEST_F(FailedSave, ToAPathThatIsAFolder)
{
    mkdir((Dir / "folder.evt").c_str(), 0755);
    ExpectFailedSave(Dir / "folder.evt");
}

TEST_F(FailedSave, IntoAMissingFolder)
{
    ExpectFailedSave(Dir / "missing/book.evt");
}

TEST_F(FailedSave, WhenTheWriteBreaksOffHalfWay)
{
    // A file-size limit makes write() fail part of the way through, as a full disk would.
    struct rlimit Old {};
    getrlimit(RLIMIT_FSIZE, &Old);
    struct rlimit Small = Old;
    Small.rlim_cur = 1024;
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &Small);
    ExpectFailedSave(File);
    setrlimit(RLIMIT_FSIZE, &Old);
    signal(SIGXFSZ, SIG_DFL);
}

TEST_F(FailedSave, IntoAFolderWithoutWritePermission)
{
    // Permissions bind only ordinary users: as root, try it as nobody.
    chmod(Dir.Path().c_str(), 0755);
    chmod(File.c_str(), 0666);
    const std::string Folder = Dir / "locked";
    mkdir(Folder.c_str(), 0755);
    const std::string Target = Folder + "/book.evt";
    WriteFile(Target, Before);
    chmod(Target.c_str(), 0666);
    chmod(Folder.c_str(), 0555);

    const pid_t Child = fork();
    if (Child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
        Book.FileName = Target;
        try {
            Book.SaveToFile();
            _exit(1);
        } catch (const std::exception& E) {
            _exit(E.what() == "Unable to write to " + Target && Book.Modified ? 0 : 2);
        }
    }
    int Status = 0;
    waitpid(Child, &Status, 0);
    ASSERT_TRUE(WIFEXITED(Status));
    EXPECT_EQ(WEXITSTATUS(Status), 0) << "1: saved anyway, 2: wrong message, 3: could not become nobody";
    EXPECT_EQ(ReadFile(Target), Before);
    size_t Count = 0;
    for ([[maybe_unused]] const auto& E : std::filesystem::directory_iterator(Folder)) ++Count;
    EXPECT_EQ(Count, 1u) << "no temporary file left";
}

TEST_F(FailedSave, WhenTheDiskIsFullOrFailing)
{
    if (faults::RerunWithFaultLibrary()) return;
    const TBookRecords Wanted = Records(Book);
    for (const faults::TFault& Fault : faults::DiskFaults()) {
        SCOPED_TRACE(Fault.Name);
        {
            const faults::TInjectedFault Failing(Dir.Path(), Fault);
            ExpectFailedSave(File);
            ExpectFailedSave(Dir / "NEW.EVT");  // not even created
        }
        EXPECT_EQ(Records(Book), Wanted);
    }
    // Once the disk takes writes again, the same book is saved whole.
    Book.FileName = File;
    Book.SaveToFile();
    EXPECT_TRUE(SavedWhole(File));
    EXPECT_FALSE(Book.Modified);
}

TEST_F(FailedSave, OnAFileSystemThatIsFull)
{
    // A real file system of 64 KiB, mounted in a child process's own mount
    // namespace, so that nothing outside it ever sees the mount.
    const std::string Small = Dir / "small";
    mkdir(Small.c_str(), 0755);
    const std::string Target = Small + "/B.EVT", Filler = Small + "/filler";
    const pid_t Child = fork();
    if (Child == 0) {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("datevane-test", Small.c_str(), "tmpfs", 0, "size=64k") != 0)
            _exit(77);
        WriteFile(Target, Before);
        const int Fd = open(Filler.c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string Block(4096, 'x');
        while (write(Fd, Block.data(), Block.size()) > 0) {
        }
        close(Fd);
        Book.FileName = Target;
        try {
            Book.SaveToFile();
            _exit(1);
        } catch (const std::exception& E) {
            if (E.what() != "Unable to write to " + Target) _exit(2);
        }
        if (!Book.Modified || ReadFile(Target) != Before) _exit(3);
        if (std::distance(std::filesystem::directory_iterator(Small), {}) != 2) _exit(4);
        // Room again: the book is saved whole.
        unlink(Filler.c_str());
        Book.SaveToFile();
        _exit(SavedWhole(Target) ? 0 : 5);
    }
    int Status = 0;
    waitpid(Child, &Status, 0);
    ASSERT_TRUE(WIFEXITED(Status));
    if (WEXITSTATUS(Status) == 77)
        GTEST_SKIP() << "no small file system can be mounted here; the fault library stands in for a full disk";
    EXPECT_EQ(WEXITSTATUS(Status), 0) << "1: saved anyway, 2: wrong message, 3: file or book changed, "
                                         "4: a temporary file left, 5: not saved once there was room";
}
