// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads and writes one initialisation file with the rules of the Windows
// private profile functions. Every call goes to the file itself, so a value
// written through one TIniFile is seen at once through any other; every write
// replaces the file atomically, so a failed write never damages it.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/IniDocument.h"

class EIniFileException : public std::runtime_error {
public:
    explicit EIniFileException(const std::string& FileName);
};

class TIniFile {
public:
    explicit TIniFile(std::string FileName);

    const std::string& FileName() const { return FileName_; }

    std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) const;
    int32_t ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) const;
    bool ReadBool(const std::string& Section, const std::string& Ident, bool Default) const;

    // Each throws EIniFileException when the file cannot be written.
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
    void WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value);
    void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
    void EraseSection(const std::string& Section);

    // The file as a reader sees it: empty when it is missing or unreadable.
    TIniDocument Load() const;
    // The file for changing: throws when it exists but cannot be read, since
    // writing it back would lose what could not be read.
    TIniDocument LoadForUpdate() const;
    // Replaces the file by Text, atomically; throws on failure.
    void Store(std::string_view Text) const;

private:
    template <typename Change>
    void Update(Change&& Apply);

    std::string FileName_;
};
