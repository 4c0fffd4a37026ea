// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Globals.h"

#include "platform/FileSystem.h"

std::string GetIniFileName()
{
    return ChangeFileExt(platform::ExecutablePath(), ".INI");
}

namespace {

// Where the name part of Path starts.
size_t NameStart(const std::string& Path)
{
    const size_t Delimiter = Path.find_last_of(platform::PathDelimiters);
    return Delimiter == std::string::npos ? 0 : Delimiter + 1;
}

// Where the extension of Path starts; npos when it has none.
size_t ExtStart(const std::string& Path)
{
    const size_t Dot = Path.rfind('.');
    return Dot != std::string::npos && Dot >= NameStart(Path) ? Dot : std::string::npos;
}

}  // namespace

std::string ChangeFileExt(const std::string& Path, const std::string& Ext)
{
    return Path.substr(0, ExtStart(Path)) + Ext;
}

std::string ExtractFileExt(const std::string& Path)
{
    const size_t Dot = ExtStart(Path);
    return Dot == std::string::npos ? std::string() : Path.substr(Dot);
}

std::string ExtractFileName(const std::string& Path)
{
    return Path.substr(NameStart(Path));
}

std::string ExtractFilePath(const std::string& Path)
{
    return Path.substr(0, NameStart(Path));
}

bool IsFileReadOnly(const std::string& FileName)
{
    return platform::IsReadOnlyFile(FileName);
}
