// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reminder's settings: section DueAlert of the program's settings file,
// written by the reminder options dialog and read by the reminder program.

#include <cstdint>
#include <string>

class TIniDocument;

namespace reminder {

inline constexpr const char* Section = "DueAlert";
inline constexpr const char* ShowOnStartupKey = "ShowOnStartup";
inline constexpr const char* UseFileKey = "UseFile";
inline constexpr const char* ShowEveryTimeKey = "ShowEveryTime";
inline constexpr const char* DaysPriorKey = "DaysPrior";
inline constexpr const char* ManualCloseKey = "ManualClose";
inline constexpr const char* ShowForSecsKey = "ShowForSecs";
inline constexpr const char* PriorEventsKey = "PriorEvents";
inline constexpr const char* NextEventsKey = "NextEvents";

// The name under which the reminder program is started at log-on.
inline constexpr const char* StartupEntryName = "Datevane Event Reminder";
// The reminder program's file name, beside the main program.
inline constexpr const char* ProgramFileName = "duealert";
// The main program's settings file name, which the reminder program reads.
inline constexpr const char* SettingsFileName = "datevane.INI";

struct TSettings {
    bool ShowOnStartup = false;
    std::string UseFile;      // the path as stored, blanks and all
    bool ShowEveryTime = true;
    int32_t DaysPrior = 7;
    bool ManualClose = true;
    int32_t ShowForSecs = 5;
    int32_t PriorEvents = 3;
    int32_t NextEvents = 3;
};

// The eight keys with their defaults for the missing or unreadable ones.
TSettings ReadSettings(const TIniDocument& Settings);

}  // namespace reminder
