// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Autostart.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/FileSystem.h"

namespace platform {

namespace {

// The first folder of XDG_CONFIG_DIRS, or its default.
std::string SystemConfigFolder()
{
    const char* Folders = std::getenv("XDG_CONFIG_DIRS");
    const std::string_view List = Folders ? Folders : "";
    const std::string_view First = List.substr(0, List.find(':'));
    return First.empty() ? std::string("/etc/xdg") : std::string(First);
}

std::string EntryFileName(const std::string& Name)
{
    return SystemConfigFolder() + "/autostart/" + Name + ".desktop";
}

// One argument of an Exec line: quoted when it holds a reserved character,
// with the characters that stay special inside quotes escaped.
std::string ExecArgument(std::string_view Argument)
{
    constexpr std::string_view Reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string Quoted;
    if (Argument.find_first_of(Reserved) == std::string_view::npos) {
        Quoted = Argument;
    } else {
        Quoted = "\"";
        for (const char Ch : Argument) {
            if (Ch == '"' || Ch == '`' || Ch == '$' || Ch == '\\') Quoted += '\\';
            Quoted += Ch;
        }
        Quoted += '"';
    }
    // A literal percent sign is doubled so it is not taken for a field code.
    std::string Out;
    for (const char Ch : Quoted) {
        Out += Ch;
        if (Ch == '%') Out += '%';
    }
    return Out;
}

// A string value of a desktop entry: backslash and the control characters
// a line cannot hold are escaped, after the quoting of the Exec rules.
std::string EntryValue(std::string_view Value)
{
    std::string Out;
    for (const char Ch : Value) {
        switch (Ch) {
        case '\\': Out += "\\\\"; break;
        case '\n': Out += "\\n"; break;
        case '\t': Out += "\\t"; break;
        case '\r': Out += "\\r"; break;
        default: Out += Ch;
        }
    }
    return Out;
}

}  // namespace

EStartupEntryError::EStartupEntryError(const std::string& Name)
    : std::runtime_error("Failed to set data for '" + Name + "'")
{
}

void SetStartupProgram(const std::string& Name, const std::string& Program)
{
    const std::string Entry = "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=" + EntryValue(Name) + "\n"
                              "Exec=" + EntryValue(ExecArgument(Program)) + "\n"
                              "Terminal=false\n";
    if (!ReplaceFileAtomically(EntryFileName(Name), Entry)) throw EStartupEntryError(Name);
}

void DeleteStartupProgram(const std::string& Name)
{
    std::remove(EntryFileName(Name).c_str());
}

}  // namespace platform
