// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that belong to the program.

#include <string>

// The running executable's full path with its extension replaced by ".INI"
// (or ".INI" appended when it has none): the program's settings file.
std::string GetIniFileName();
// Path with its extension replaced by Ext. The extension starts at the last
// full stop after the last folder delimiter; a name without one gets Ext added.
std::string ChangeFileExt(const std::string& Path, const std::string& Ext);
// The parts of a path: its extension with the full stop (empty when it has
// none), its name part without the folder, and its folder part up to and with
// the last delimiter (empty when it has none).
std::string ExtractFileExt(const std::string& Path);
std::string ExtractFileName(const std::string& Path);
std::string ExtractFilePath(const std::string& Path);

// True when a file (not a folder) of that name exists and may not be written.
bool IsFileReadOnly(const std::string& FileName);
