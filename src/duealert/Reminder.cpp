// SPDX-License-Identifier: GPL-3.0-or-later
#include "duealert/Reminder.h"

#include "data/Evntlist.h"
#include "data/Pstrutil.h"
#include "platform/FileSystem.h"
#include "platform/IniDocument.h"

namespace {

const char* const NoFileChosen =
    "No anniversary file is chosen for the reminder. Choose one in Datevane under Options > Reminder...";

// Empty for a file that was read; otherwise the sentence that says why not.
std::string ReadFault(platform::ReadResult Result, const std::string& FileName, const std::string& What)
{
    switch (Result) {
    case platform::ReadResult::Ok: return {};
    case platform::ReadResult::Missing: return "The " + What + " \"" + FileName + "\" does not exist.";
    case platform::ReadResult::Failed: break;
    }
    return "The " + What + " \"" + FileName + "\" cannot be read.";
}

}  // namespace

TReminderRun PrepareReminder(const std::string& SettingsFile, bool OnDemand, const TCalendarDate& Today)
{
    TReminderRun Run;
    Run.Show = OnDemand;

    std::string Text;
    const platform::ReadResult Read = platform::ReadWholeFile(SettingsFile, Text);
    Run.Problem = ReadFault(Read, SettingsFile, "settings file");
    if (!Run.Problem.empty()) {
        // Without a settings file the options were never set.
        if (Read == platform::ReadResult::Missing)
            Run.Problem.append(" ").append(NoFileChosen);
        return Run;
    }
    Run.Settings = reminder::ReadSettings(TIniDocument(std::move(Text)));
    const reminder::TSettings& Settings = Run.Settings;
    if (!OnDemand && !Settings.ShowOnStartup) return Run;

    // The options dialog checks the name without the blanks around it.
    Run.BookFile = StripSpaces(Settings.UseFile);
    if (Run.BookFile.empty()) {
        Run.Problem = NoFileChosen;
        return Run;
    }
    Run.Problem = ReadFault(platform::ReadWholeFile(Run.BookFile, Text), Run.BookFile, "anniversary file");
    if (!Run.Problem.empty()) return Run;

    TEventsList Book;
    Book.LoadFromFile(Run.BookFile);
    if (Book.TotalCount() == 0) {
        Run.Problem = "The anniversary file \"" + Run.BookFile + "\" holds no anniversaries.";
        return Run;
    }
    Run.Anniversaries = FindForthcoming(Book, Today, Settings.PriorEvents, Settings.NextEvents);
    if (Run.Anniversaries.Previous.empty() && Run.Anniversaries.Next.empty()) {
        Run.Problem = "The reminder is set to list no anniversaries. "
                      "Set how many in Datevane under Options > Reminder...";
        return Run;
    }
    if (!OnDemand) Run.Show = Settings.ShowEveryTime || AnniversaryWithin(Book, Today, Settings.DaysPrior);
    return Run;
}
