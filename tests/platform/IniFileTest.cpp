// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestSupport.h"

namespace {
class IniFile : public ::testing::Test {
protected:
    TTempDir Dir;
    std::string Name = Dir / "datevane.INI";
};
}  // namespace

TEST_F(IniFile, MissingFileGivesDefaultsAndIsCreatedByTheFirstWrite)
{
    TIniFile Ini(Name);
    EXPECT_EQ(Ini.ReadInteger("FormPosition", "Top", 125), 125);
    EXPECT_EQ(Ini.ReadString("Startup", "LoadFile", ""), "");
    EXPECT_TRUE(Ini.ReadBool("Startup", "UseCurrentMonth", true));
    Ini.EraseSection("Startup");
    EXPECT_TRUE(Dir.Files().empty()) << "erasing nothing creates nothing";

    Ini.WriteInteger("FormPosition", "Top", 125);
    Ini.WriteBool("Startup", "UseCurrentMonth", false);
    Ini.WriteString("Startup", "LoadFile", "/home/ann/FAMILY.EVT");
    EXPECT_EQ(ReadFile(Name), CrLf({"[FormPosition]", "Top=125", "[Startup]", "UseCurrentMonth=0",
                                    "LoadFile=/home/ann/FAMILY.EVT"}));
}

TEST_F(IniFile, EveryCallGoesToTheFileItself)
{
    TIniFile Writer(Name), Reader(Name);
    Writer.WriteString("DueAlert", "UseFile", "a.evt");
    EXPECT_EQ(Reader.ReadString("DueAlert", "UseFile", ""), "a.evt");
    WriteFile(Name, "[DueAlert]\r\nUseFile=changed behind our back\r\n");
    EXPECT_EQ(Writer.ReadString("dueALERT", "usefile", ""), "changed behind our back");
    Reader.EraseSection("DueAlert");
    EXPECT_EQ(Writer.ReadString("DueAlert", "UseFile", "gone"), "gone");
}

TEST_F(IniFile, RefusedWritesThrowTheWriteError)
{
    mkdir((Dir / "folder.ini").c_str(), 0755);
    WriteFile(Dir / "locked.ini", "[S]\r\nK=1\r\n");
    chmod((Dir / "locked.ini").c_str(), 0444);
    for (const std::string& Target : {Dir / "folder.ini", Dir / "no/such/folder.ini", Dir / "locked.ini"}) {
        TIniFile Ini(Target);
        try {
            Ini.WriteInteger("S", "K", 2);
            ADD_FAILURE() << Target;
        } catch (const EIniFileException& E) {
            EXPECT_STREQ(E.what(), ("Unable to write to " + Target).c_str());
        }
    }
    EXPECT_THROW(TIniFile(Dir / "locked.ini").EraseSection("S"), EIniFileException);
    EXPECT_THROW(TIniFile(Dir / "folder.ini").EraseSection("S"), EIniFileException);
    EXPECT_EQ(ReadFile(Dir / "locked.ini"), "[S]\r\nK=1\r\n");
}
