// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder program: at log-on it shows the anniversaries around today when
// the reminder options ask for it; with "-F" it always shows them.

#include <QApplication>
#include <cstring>

#include "data/Globals.h"
#include "data/ReminderSettings.h"
#include "duealert/Reminder.h"
#include "duealert/ReminderWindow.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

int main(int argc, char* argv[])
{
    bool OnDemand = false;
    for (int I = 1; I < argc; ++I)
        if (std::strcmp(argv[I], "-F") == 0 || std::strcmp(argv[I], "-f") == 0) OnDemand = true;

    const platform::TLocalDate Now = platform::Today();
    const TCalendarDate Today {Now.Year, Now.Month, Now.Day};
    const std::string Settings = ExtractFilePath(platform::ExecutablePath()) + reminder::SettingsFileName;
    const TReminderRun Run = PrepareReminder(Settings, OnDemand, Today);
    if (!Run.Show) return 0;

    QApplication Application(argc, argv);
    Application.setApplicationName(QStringLiteral("duealert"));
    TfrmReminder Window(Run, Today);
    Window.show();
    return Application.exec();
}
