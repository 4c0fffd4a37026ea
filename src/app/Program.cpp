// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"

#include <QPrinter>
#include <QSessionManager>

#include "app/Application.h"
#include "app/Main.h"
#include "dialogs/About.h"
#include "dialogs/Aeevent.h"
#include "dialogs/Find.h"
#include "dialogs/Remopts.h"
#include "dialogs/Splash.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/Termination.h"
#include "printing/Listrpt.h"
#include "printing/Print.h"

int RunProgram(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);  // takes Qt's own options off the command line
    QApplication::setWindowIcon(ProgramIcon());
    help::SetHelpFile("DATEVANE.HLP");
    TfrmMain frmMain({platform::ExecutablePath(), std::vector<std::string>(Argv + 1, Argv + Argc)});
    TfrmFind frmFind(&frmMain);
    frmMain.SetFindDialog(&frmFind);
    TfrmPrintEvents frmPrintEvents(&frmMain);
    TfrmReminderOptions frmReminderOptions(&frmMain);
    frmMain.SetReminderOptionsDialog(&frmReminderOptions);
    TfrmAEEvent frmAEEvent(&frmMain);
    frmMain.SetDetailsDialog(&frmAEEvent);
    TfrmAbout frmAbout(&frmMain);
    frmMain.SetAboutDialog(&frmAbout);
    // The one printer: the printer set-up command chooses it, the report and
    // its preview print on it.
    QPrinter Printer(QPrinter::HighResolution);
    TListReport ListReport;
    frmPrintEvents.SetReport(&ListReport, &Printer);
    frmMain.SetPrinting(&frmPrintEvents, &Printer);
    // A session that ends or a terminal that closes closes the window the
    // usual way, so the settings are kept.
    bool Stopped = false;
    platform::OnTerminationRequest(&frmMain, [&frmMain, &Stopped] { Stopped = frmMain.close(); });
    // The desktop session ending asks the close query first, and is held up
    // when the user stops it there.
    QObject::connect(&Application, &QGuiApplication::commitDataRequest, &frmMain, [&frmMain](QSessionManager& Session) {
        if (!Session.allowsInteraction()) return;
        bool CanClose = true;
        frmMain.FormCloseQuery(CanClose);
        Session.release();
        if (!CanClose) Session.cancel();
    });
    {
        TfrmSplash frmSplash;
        ShowSplashFor(frmSplash, 3000, platform::TickCount);
    }
    if (Stopped) return 0;  // asked to stop while the splash was up
    frmMain.show();
    const int Result = Application.exec();
    help::CloseHelp();
    return Result;
}
