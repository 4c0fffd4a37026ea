// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Globals.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"

TEST(Globals, ChangeFileExtReplacesOnlyTheNamesExtension)
{
    struct Case { std::string In, Out; } Cases[] = {
        {"/opt/datevane/datevane", "/opt/datevane/datevane.INI"},
        {"/opt/dv.1/datevane", "/opt/dv.1/datevane.INI"},  // a dot in a folder is no extension
        {"/opt/Calendar.exe", "/opt/Calendar.INI"},
        {"/opt/a.b.c", "/opt/a.b.INI"},
        {"plain", "plain.INI"},
        {"/opt/trailing.", "/opt/trailing.INI"},
    };
    for (const auto& C : Cases) EXPECT_EQ(ChangeFileExt(C.In, ".INI"), C.Out);
}

TEST(Globals, PathSplitsIntoFolderNameAndExtension)
{
    struct Case { std::string Path, Folder, Name, Ext; } Cases[] = {
        {"/home/ann/family.evt", "/home/ann/", "family.evt", ".evt"},
        {"./FAMILY.EVT", "./", "FAMILY.EVT", ".EVT"},
        {"notes", "", "notes", ""},
        {"/opt/dv.1/readme", "/opt/dv.1/", "readme", ""},
        {"/home/ann/", "/home/ann/", "", ""},
        {"a.b.txt", "", "a.b.txt", ".txt"},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(ExtractFilePath(C.Path), C.Folder) << C.Path;
        EXPECT_EQ(ExtractFileName(C.Path), C.Name) << C.Path;
        EXPECT_EQ(ExtractFileExt(C.Path), C.Ext) << C.Path;
    }
}

TEST(Globals, SettingsFileLiesBesideTheExecutable)
{
    char Buf[4096];
    const ssize_t Len = readlink("/proc/self/exe", Buf, sizeof Buf);
    ASSERT_GT(Len, 0);
    EXPECT_EQ(GetIniFileName(), std::string(Buf, static_cast<size_t>(Len)) + ".INI");
}

TEST(Globals, IsFileReadOnly)
{
    TTempDir Dir;
    const std::string File = Dir / "book.evt";
    EXPECT_FALSE(IsFileReadOnly(File)) << "missing file";
    EXPECT_FALSE(IsFileReadOnly(Dir.Path())) << "folder";
    WriteFile(File, "x");
    EXPECT_FALSE(IsFileReadOnly(File));
    chmod(File.c_str(), 0444);
    EXPECT_TRUE(IsFileReadOnly(File));
    chmod(Dir.Path().c_str(), 0555);
    EXPECT_FALSE(IsFileReadOnly(Dir.Path())) << "a write-protected folder is still no file";
}
