// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include "app/Application.h"
#include "app/Main.h"
#include "dialogs/About.h"
#include "dialogs/Aeevent.h"
#include "dialogs/Splash.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/Termination.h"

int RunProgram(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);  // takes Qt's own options off the command line
    QApplication::setWindowIcon(ProgramIcon());
    help::SetHelpFile("DATEVANE.HLP");
    TfrmMain frmMain({platform::ExecutablePath(), std::vector<std::string>(Argv + 1, Argv + Argc)});
    TfrmAEEvent frmAEEvent(&frmMain);
    frmMain.SetDetailsDialog(&frmAEEvent);
    TfrmAbout frmAbout(&frmMain);
    frmMain.SetAboutDialog(&frmAbout);
    // A session that ends or a terminal that closes closes the window the
    // usual way, so the settings are kept.
    platform::OnTerminationRequest(&frmMain, [&frmMain] { frmMain.close(); });
    {
        TfrmSplash frmSplash;
        ShowSplashFor(frmSplash, 3000, platform::TickCount);
    }
    frmMain.show();
    const int Result = Application.exec();
    help::CloseHelp();
    return Result;
}
