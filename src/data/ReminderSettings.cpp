// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ReminderSettings.h"

#include "platform/IniDocument.h"

namespace reminder {

TSettings ReadSettings(const TIniDocument& Settings)
{
    const TSettings Defaults;
    TSettings Read;
    Read.ShowOnStartup = Settings.ReadBool(Section, ShowOnStartupKey, Defaults.ShowOnStartup);
    Read.UseFile = Settings.ReadString(Section, UseFileKey, Defaults.UseFile);
    Read.ShowEveryTime = Settings.ReadBool(Section, ShowEveryTimeKey, Defaults.ShowEveryTime);
    Read.DaysPrior = Settings.ReadInteger(Section, DaysPriorKey, Defaults.DaysPrior);
    Read.ManualClose = Settings.ReadBool(Section, ManualCloseKey, Defaults.ManualClose);
    Read.ShowForSecs = Settings.ReadInteger(Section, ShowForSecsKey, Defaults.ShowForSecs);
    Read.PriorEvents = Settings.ReadInteger(Section, PriorEventsKey, Defaults.PriorEvents);
    Read.NextEvents = Settings.ReadInteger(Section, NextEventsKey, Defaults.NextEvents);
    return Read;
}

}  // namespace reminder
