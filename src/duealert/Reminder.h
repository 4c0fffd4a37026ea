// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the reminder program does when it starts: whether it shows its window,
// and what the window lists or what keeps it from listing anything.

#include <string>

#include "data/Forthcoming.h"
#include "data/ReminderSettings.h"

struct TReminderRun {
    bool Show = false;
    // What is wrong, in a sentence for the window; empty when the list stands.
    std::string Problem;
    reminder::TSettings Settings;
    std::string BookFile;  // the anniversary file read, blanks around it removed
    TForthcoming Anniversaries;
};

// Reads the settings file and the anniversary file it names. At log-on
// (OnDemand false) the window shows only when the settings ask for reminders,
// the file can be read, and either every log-on is to show it or an
// anniversary lies no more than DaysPrior days ahead; on demand it always
// shows, with the reason when there is nothing to list.
TReminderRun PrepareReminder(const std::string& SettingsFile, bool OnDemand, const TCalendarDate& Today);
