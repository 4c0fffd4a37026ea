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
