// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/Application.h"
#include "app/Main.h"
#include "dialogs/Aeevent.h"
#include "dialogs/Remopts.h"
#include "platform/FileSystem.h"
#include "platform/Termination.h"

int RunProgram(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);  // takes Qt's own options off the command line
    TfrmMain frmMain({platform::ExecutablePath(), std::vector<std::string>(Argv + 1, Argv + Argc)});
    TfrmReminderOptions frmReminderOptions(&frmMain);
    frmMain.SetReminderOptionsDialog(&frmReminderOptions);
    TfrmAEEvent frmAEEvent(&frmMain);
    frmMain.SetDetailsDialog(&frmAEEvent);
    // A session that ends or a terminal that closes closes the window the
    // usual way, so the settings are kept.
    platform::OnTerminationRequest(&frmMain, [&frmMain] { frmMain.close(); });
    frmMain.show();
    return Application.exec();
}
