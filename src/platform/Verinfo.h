// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads text values, such as the file version, out of the version data of an
// executable file: a structure in the layout of a Windows version resource
// (VS_VERSIONINFO), found in the file by its signature wherever it lies, in a
// Windows executable's resources as in the data of our own program. A
// TVersionInfo is made for one file, asked, and dropped; it never changes the
// file and never fails: whatever cannot be found reads as empty text.

#include <cstdint>
#include <memory>
#include <string>

enum TVersionKey {
    vkCompanyName,
    vkComments,
    vkFileDescription,
    vkFileVersion,
    vkInternalName,
    vkLegalCopyright,
    vkLegalTrademarks,
    vkOriginalFilename,
    vkProductVersion,
    vkProductName,
};

// "\StringFileInfo\" + language + code page, each as at least four upper-case
// hexadecimal digits, + the key's text: \StringFileInfo\040904E4\FileVersion.
std::string VersionQueryPath(uint32_t Translation, TVersionKey Key);

class TVersionInfo {
public:
    // Create: reads the version data of FileName. A file without any, or a
    // file that is not there, gives an object that answers empty text.
    explicit TVersionInfo(const std::string& FileName);
    ~TVersionInfo();
    TVersionInfo(const TVersionInfo&) = delete;
    TVersionInfo& operator=(const TVersionInfo&) = delete;

    // The key's value for the first translation of the data, as Windows-1252
    // text up to its first NUL; empty when the data or the key is missing.
    std::string GetKeyValue(TVersionKey Key) const;

private:
    // The value found at Path ("\VarFileInfo\Translation"), and its length in
    // bytes, or nullptr.
    const uint8_t* QueryValue(const std::string& Path, size_t& Length) const;

    int32_t FInfoSize = 0;
    std::unique_ptr<uint8_t[]> FInfoData;
    uint32_t FTranslation = 0;  // language in the low 16 bits, code page in the high
    bool FValid = false;
};
