// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Verinfo.h"

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/FileSystem.h"
#include "platform/VersionResource.h"

namespace {

std::string Bytes(const std::vector<uint8_t>& Data)
{
    return {Data.begin(), Data.end()};
}

TVersionResource Sample(uint16_t Language, uint16_t CodePage)
{
    TVersionResource R;
    R.FileVersion = {3, 4, 5, 6};
    R.ProductVersion = {3, 4, 0, 0};
    R.StringTables = {{Language, CodePage, {{u"FileVersion", u"3.4.5.6"}, {u"CompanyName", u"Maker"}}}};
    R.Translations = {uint32_t{Language} | uint32_t{CodePage} << 16};
    return R;
}

}  // namespace

// The program's own data, in the program and in the test program that links
// the same data.
TEST(VersionInfo, BuiltExecutablesAnswerTheProgramsOwnData)
{
    const struct { TVersionKey Key; const char* Value; } Cases[] = {
        {vkCompanyName, "Quillwort Software"},
        {vkComments, ""},
        {vkFileDescription, "Datevane Event Configuration Program"},
        {vkFileVersion, "1.2.0.0"},
        {vkInternalName, "Datevane"},
        {vkLegalCopyright, "Copyright \xA9 2026 Quillwort Software"},
        {vkLegalTrademarks, ""},
        {vkOriginalFilename, "Datevane.exe"},
        {vkProductVersion, "1.02"},
        {vkProductName, "Datevane Anniversary Reminder"},
    };
    for (const std::string& Exe : {std::string(DATEVANE_EXE), platform::ExecutablePath()}) {
        const TVersionInfo Info(Exe);
        for (const auto& C : Cases) EXPECT_EQ(Info.GetKeyValue(C.Key), C.Value) << Exe << " key " << C.Key;
    }
}

TEST(VersionInfo, QueryPathPadsLanguageAndCodePageInCapitals)
{
    EXPECT_EQ(VersionQueryPath(0x04E40409, vkFileVersion), "\\StringFileInfo\\040904E4\\FileVersion");
    EXPECT_EQ(VersionQueryPath(0x04B00007, vkProductName), "\\StringFileInfo\\000704B0\\ProductName");
    EXPECT_EQ(VersionQueryPath(0xFFFFABCD, vkComments), "\\StringFileInfo\\ABCDFFFF\\Comments");
}

TEST(VersionInfo, ReadsTheFirstTranslationsTableWhereverTheDataLies)
{
    TTempDir Dir;
    const std::string Data = Bytes(BuildVersionResource(Sample(0x0007, 0x04B0)));
    // A key with a broken header before the real structure, at odd offsets, and
    // the real one straddling a boundary between two reads of the file.
    const std::string Decoy = std::string("\x01\x00\x34\x00\x00\x00", 6) + Data.substr(6, 32);
    const struct { const char* Name; std::string Contents; } Files[] = {
        {"plain", Data},
        {"windows.exe", "MZ\x90" + std::string(509, '\0') + Data + std::string(100, '\0')},
        {"decoy", "x" + Decoy + "yyy" + Data},
        {"straddling", std::string((1 << 20) - 17, 'z') + Data},
    };
    for (const auto& F : Files) {
        WriteFile(Dir / F.Name, F.Contents);
        const TVersionInfo Info(Dir / F.Name);
        EXPECT_EQ(Info.GetKeyValue(vkFileVersion), "3.4.5.6") << F.Name;
        EXPECT_EQ(Info.GetKeyValue(vkCompanyName), "Maker") << F.Name;
        EXPECT_EQ(Info.GetKeyValue(vkProductName), "") << F.Name;
    }
}

TEST(VersionInfo, AnythingMissingReadsAsEmptyText)
{
    TTempDir Dir;
    // The first translation has no table although another language's has.
    TVersionResource OtherLanguage = Sample(0x0407, 0x04E4);
    OtherLanguage.Translations = {0x04E40409, 0x04E40407};
    TVersionResource NoTranslations = Sample(0x0409, 0x04E4);
    NoTranslations.Translations.clear();
    const std::string Whole = Bytes(BuildVersionResource(Sample(0x0409, 0x04E4)));
    // A translation table too short to hold one entry.
    std::string ShortTable = Whole;
    const std::u16string Key = u"Translation";
    const size_t KeyAt = ShortTable.find(std::string(reinterpret_cast<const char*>(Key.data()), 2 * Key.size()));
    ShortTable[KeyAt - 4] = 2;
    const struct { const char* Name; std::string Contents; } Files[] = {
        {"text.txt", "Just some text\r\nand more.\r\n"},
        {"empty", ""},
        {"other-language", Bytes(BuildVersionResource(OtherLanguage))},
        {"no-translations", Bytes(BuildVersionResource(NoTranslations))},
        {"cut-short", Whole.substr(0, Whole.size() - 8)},
        {"short-table", ShortTable},
    };
    for (const auto& F : Files) WriteFile(Dir / F.Name, F.Contents);
    std::vector<std::string> Names = {Dir / "missing"};
    for (const auto& F : Files) Names.push_back(Dir / F.Name);
    for (const std::string& Name : Names) {
        const TVersionInfo Info(Name);
        for (int Key = vkCompanyName; Key <= vkProductName; ++Key)
            EXPECT_EQ(Info.GetKeyValue(static_cast<TVersionKey>(Key)), "") << Name << " key " << Key;
    }
}

TEST(VersionInfo, ValuesAreWindows1252TextUpToTheirFirstNul)
{
    TTempDir Dir;
    TVersionResource R = Sample(0x0409, 0x04E4);
    R.StringTables[0].Strings = {{u"legalcopyright", u"\u00A9 \u20AC \u4E2D"},
                                 {u"Comments", std::u16string(u"before\0after", 12)},
                                 {u"LegalTrademarks", u""}};
    WriteFile(Dir / "f", Bytes(BuildVersionResource(R)));
    const TVersionInfo Info(Dir / "f");
    EXPECT_EQ(Info.GetKeyValue(vkLegalCopyright), "\xA9 \x80 ?");  // keys match without regard to case
    EXPECT_EQ(Info.GetKeyValue(vkComments), "before");
    EXPECT_EQ(Info.GetKeyValue(vkLegalTrademarks), "");
}
