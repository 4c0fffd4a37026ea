// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IniFile.h"

#include "platform/FileSystem.h"

EIniFileException::EIniFileException(const std::string& FileName)
    : std::runtime_error("Unable to write to " + FileName)
{
}

TIniFile::TIniFile(std::string FileName) : FileName_(std::move(FileName)) {}

TIniDocument TIniFile::Load() const
{
    std::string Text;
    if (platform::ReadWholeFile(FileName_, Text) != platform::ReadResult::Ok) Text.clear();
    return TIniDocument(std::move(Text));
}

TIniDocument TIniFile::LoadForUpdate() const
{
    std::string Text;
    if (platform::ReadWholeFile(FileName_, Text) == platform::ReadResult::Failed) throw EIniFileException(FileName_);
    return TIniDocument(std::move(Text));
}

void TIniFile::Store(std::string_view Text) const
{
    if (!platform::ReplaceFileAtomically(FileName_, Text)) throw EIniFileException(FileName_);
}

// Apply returns whether it changed the document; an unchanged file is not rewritten.
template <typename Change>
void TIniFile::Update(Change&& Apply)
{
    TIniDocument Document = LoadForUpdate();
    if (Apply(Document)) Store(Document.Text());
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) const
{
    return Load().ReadString(Section, Ident, Default);
}

int32_t TIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) const
{
    return Load().ReadInteger(Section, Ident, Default);
}

bool TIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) const
{
    return Load().ReadBool(Section, Ident, Default);
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value)
{
    Update([&](TIniDocument& D) {
        D.WriteString(Section, Ident, Value);
        return true;
    });
}

void TIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value)
{
    Update([&](TIniDocument& D) {
        D.WriteInteger(Section, Ident, Value);
        return true;
    });
}

void TIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value)
{
    Update([&](TIniDocument& D) {
        D.WriteBool(Section, Ident, Value);
        return true;
    });
}

void TIniFile::EraseSection(const std::string& Section)
{
    Update([&](TIniDocument& D) { return D.EraseSection(Section); });
}
