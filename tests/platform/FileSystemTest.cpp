// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"

using namespace platform;

TEST(FileSystem, ReadWholeFileTellsMissingFromUnreadable)
{
    TTempDir Dir;
    std::string Text = "stale";
    EXPECT_EQ(ReadWholeFile(Dir / "missing", Text), ReadResult::Missing);
    EXPECT_EQ(ReadWholeFile(Dir / "missing/below", Text), ReadResult::Missing);
    EXPECT_EQ(ReadWholeFile(Dir.Path(), Text), ReadResult::Failed) << "a folder";
    ASSERT_EQ(mkfifo((Dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(Dir / "pipe", Text), ReadResult::Failed) << "a pipe, without waiting for a writer";
    WriteFile(Dir / "f", std::string("a\0b", 3));
    EXPECT_EQ(ReadWholeFile(Dir / "f", Text), ReadResult::Ok);
    EXPECT_EQ(Text, std::string("a\0b", 3));
}

TEST(FileSystem, ReplaceKeepsPermissionsAndFollowsLinks)
{
    TTempDir Dir;
    const std::string Real = Dir / "real.evt", Link = Dir / "link.evt";
    WriteFile(Real, "old");
    chmod(Real.c_str(), 0640);
    ASSERT_EQ(symlink("real.evt", Link.c_str()), 0);

    ASSERT_TRUE(ReplaceFileAtomically(Link, "new"));
    struct stat St {};
    ASSERT_EQ(lstat(Link.c_str(), &St), 0);
    EXPECT_TRUE(S_ISLNK(St.st_mode)) << "the link stays a link";
    EXPECT_EQ(ReadFile(Real), "new");
    ASSERT_EQ(stat(Real.c_str(), &St), 0);
    EXPECT_EQ(St.st_mode & 07777, 0640u);
    EXPECT_EQ(Dir.Files(), (std::vector<std::string>{"link.evt", "real.evt"}));

    const mode_t Mask = umask(027);
    ASSERT_TRUE(ReplaceFileAtomically(Dir / "fresh.evt", "x"));
    umask(Mask);
    ASSERT_EQ(stat((Dir / "fresh.evt").c_str(), &St), 0);
    EXPECT_EQ(St.st_mode & 07777, 0640u) << "a new file follows the umask";
}

TEST(FileSystem, ReplaceThroughADanglingLinkCreatesItsTarget)
{
    TTempDir Dir;
    ASSERT_EQ(symlink("target.evt", (Dir / "link.evt").c_str()), 0);
    ASSERT_TRUE(ReplaceFileAtomically(Dir / "link.evt", "data"));
    EXPECT_EQ(ReadFile(Dir / "target.evt"), "data");
}

TEST(FileSystem, FindFileIgnoringCaseResolvesEachPartPreferringExactNames)
{
    TTempDir Dir;
    ASSERT_EQ(mkdir((Dir / "Books").c_str(), 0755), 0);
    WriteFile(Dir / "Books/family.evt", "a");
    WriteFile(Dir / "Books/Twins.evt", "b");
    WriteFile(Dir / "Books/TWINS.EVT", "c");
    ASSERT_EQ(mkdir((Dir / "Books/Folder.EVT").c_str(), 0755), 0);

    struct Case { std::string Asked, Found; } Cases[] = {
        {"BOOKS/FAMILY.EVT", "Books/family.evt"},
        {"Books/family.evt", "Books/family.evt"},
        {"BOOKS/./FAMILY.EVT", "Books/family.evt"},
        {"BOOKS/TWINS.EVT", "Books/TWINS.EVT"},  // the exact name wins
        {"BOOKS/twins.EVT", "Books/TWINS.EVT"},  // else the first in byte order
        {"BOOKS/FOLDER.EVT", ""},                // a folder is no file
        {"BOOKS/MISSING.EVT", ""},
        {"NOBOOKS/FAMILY.EVT", ""},
    };
    for (const auto& C : Cases) {
        const std::string Expected = C.Found.empty() ? "" : Dir / C.Found;
        EXPECT_EQ(platform::FindFileIgnoringCase(Dir / C.Asked), Expected) << C.Asked;
    }

    // A relative name starts at the current folder and comes back full.
    char Previous[4096];
    ASSERT_NE(getcwd(Previous, sizeof Previous), nullptr);
    ASSERT_EQ(chdir(Dir.Path().c_str()), 0);
    const std::string Relative = platform::FindFileIgnoringCase("./BOOKS/FAMILY.EVT");
    ASSERT_EQ(chdir(Previous), 0);
    char Real[4096];
    ASSERT_NE(realpath(Dir.Path().c_str(), Real), nullptr);
    EXPECT_EQ(Relative, std::string(Real) + "/Books/family.evt");
}
