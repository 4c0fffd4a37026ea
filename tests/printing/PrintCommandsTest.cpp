// SPDX-License-Identifier: GPL-3.0-or-later
// File > Printer Setup... and File > Print... in the main window.

#include <QPrinter>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "app/Main.h"
#include "data/Evntlist.h"
#include "platform/PrintDialogs.h"
#include "platform/Prompts.h"
#include "printing/Listrpt.h"
#include "printing/Print.h"

TEST(PrintCommands, PrintShowsThePrintDialogAndSetupUsesTheOnePrinter)
{
    const TTempDir Dir;
    prompts::TPromptRecorder Prompts;
    printdialogs::TPrintDialogRecorder Dialogs;
    TfrmMain Main(TProgramContext{Dir / "datevane", {}});
    TfrmPrintEvents frmPrintEvents(&Main);
    QPrinter Printer;
    TListReport ListReport;
    frmPrintEvents.SetReport(&ListReport, &Printer);
    Main.SetPrinting(&frmPrintEvents, &Printer);

    Trigger(&Main, "mnuFPrinterSetup");
    EXPECT_EQ(Dialogs.PrinterSetupsShown(), 1);

    auto* Item = new TEventItem;
    Item->DayNumber = 3;
    Item->EventText = "Tom";
    EventsList->Months[2]->Add(Item);
    Main.EnableControls();
    bool Shown = false;
    WhenModal([&](QWidget* Modal) {
        Shown = Modal == &frmPrintEvents;
        frmPrintEvents.reject();
    });
    Trigger(&Main, "mnuFPrint");
    EXPECT_TRUE(Shown);
    EXPECT_TRUE(Prompts.Shown().empty());
}
