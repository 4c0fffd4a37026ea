// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Globals.h"

#include "platform/FileSystem.h"

std::string GetIniFileName()
{
    return ChangeFileExt(platform::ExecutablePath(), ".INI");
}

std::string ChangeFileExt(const std::string& Path, const std::string& Ext)
{
    const size_t Dot = Path.rfind('.');
    const size_t Delimiter = Path.find_last_of(platform::PathDelimiters);
    const bool HasExt = Dot != std::string::npos && (Delimiter == std::string::npos || Dot > Delimiter);
    return (HasExt ? Path.substr(0, Dot) : Path) + Ext;
}

bool IsFileReadOnly(const std::string& FileName)
{
    return platform::IsReadOnlyFile(FileName);
}
