// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Version data in the layout of a Windows version resource (VS_VERSIONINFO):
// the fixed file information, a StringFileInfo block with one string table per
// translation, and VarFileInfo with the translation table. The build writes
// the program's own data with it; tests craft files with it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TVersionStringTable {
    uint16_t Language;  // 0x0409 for U.S. English
    uint16_t CodePage;  // 0x04E4 for Windows-1252
    std::vector<std::pair<std::u16string, std::u16string>> Strings;  // key, value
};

struct TVersionResource {
    std::array<uint16_t, 4> FileVersion {};     // 1.2.0.0 is {1, 2, 0, 0}
    std::array<uint16_t, 4> ProductVersion {};
    std::vector<TVersionStringTable> StringTables;
    // Entries of the translation table: the language in the low 16 bits, the
    // code page in the high 16 bits. Written only when not empty.
    std::vector<uint32_t> Translations;
};

// The bytes of the VS_VERSIONINFO structure, 32-bit aligned from its start.
std::vector<uint8_t> BuildVersionResource(const TVersionResource& Resource);
