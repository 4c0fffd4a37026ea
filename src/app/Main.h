// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: one month of the anniversary book at a time, the commands
// that change it, the menus, and the settings that keep the window's place,
// the month to start on and the last file between runs.

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QGroupBox;
class QListWidget;
class QMenu;
class QPushButton;
class TEventItem;
class TEventsList;
class TIniDocument;
class TRadioGroup;
class TfrmAEEvent;
class TfrmFind;
class TfrmPrintEvents;
class TfrmReminderOptions;
class TfrmAbout;
class QPrinter;
namespace filedialogs { class TFileDialog; }

// A list line: the day, " - ", the text, two blanks and, when the first year
// is known, the years since it in parentheses.
std::string EventLineText(const TEventItem& Item);

// What the program was started with.
struct TProgramContext {
    std::string ExePath;                 // the settings file and the first-run marker lie beside it
    std::vector<std::string> Arguments;  // the command line after the program's name
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(TProgramContext Context);
    ~TfrmMain() override;

    // The details dialog, created after this window.
    void SetDetailsDialog(TfrmAEEvent* Dialog) { frmAEEvent_ = Dialog; }
    // The find dialog, created after this window.
    void SetFindDialog(TfrmFind* Dialog) { frmFind_ = Dialog; }
    // The print dialog and the program's one printer, which the printer
    // set-up command sets up and the report prints on.
    void SetPrinting(TfrmPrintEvents* Dialog, QPrinter* Printer)
    {
        frmPrintEvents_ = Dialog;
        Printer_ = Printer;
    }
    // The reminder options dialog, created after this window.
    void SetReminderOptionsDialog(TfrmReminderOptions* Dialog) { frmReminderOptions_ = Dialog; }

    // The shown month, 1 to 12.
    int ShownMonth() const;
    void BuildEventsListForMonth(int Month);
    void EnableControls();

    void FormActivate();
    void FormResize();
    void mnuFExitClick();
    void rgpMonthClick();
    void mnuMonthClick(QAction* Entry);
    void lstEventsClick();
    void lstEventsDblClick();
    void btnAddClick();
    void btnEditClick();
    void btnDeleteClick();
    void mnuFPrinterSetupClick();
    void mnuFPrintClick();

    void mnuFNewClick();
    void mnuFOpenClick();
    void mnuFSaveClick();
    void mnuFSaveAsClick();
    // Saves the book under a name the user chooses; false when the user cancelled.
    bool SaveAs();
    // Lets the window close unless there are changes the user wants to keep
    // and saving them was cancelled or failed.
    void FormCloseQuery(bool& CanClose);
    // Opens the first of the files dropped on the window.
    void WMDropFiles(const std::vector<std::string>& Files);
    void mnuSFindClick();
    void mnuSFindNextClick();

    // True when the settings ask for reminders at log-on from a named file.
    bool ReminderEnabled() const;
    void mnuOReminderClick();
    void mnuVForthcomingEventsClick();

    // The About window, created after the details dialog.
    void SetAboutDialog(TfrmAbout* Dialog) { frmAbout_ = Dialog; }
    void mnuHHelpTopicsClick();
    void mnuHAboutClick();

protected:
    bool event(QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    void FormCreate();
    void FormDestroy();
    void CreateControls();
    void CreateMenus();
    std::string SettingsFileName() const;
    std::string ChooseFileToOpen(const TIniDocument& Settings) const;
    void SetCaption();
    // The position of the selected line; -1 when none is.
    int SelectedIndex() const;
    // Shows the details dialog; on OK copies its boxes into Item.
    bool ShowDetails(TEventItem& Item, const QString& Caption, int HelpContext);
    // Lists Month again with Item's line selected.
    void ShowItem(int Month, const TEventItem* Item);
    // The unsaved-changes step: false when the user stopped the command.
    bool AskToSaveChanges();
    // Save's own rules: Save As for an untitled book or a read-only file.
    // False when the user cancelled Save As.
    bool SaveBook();
    // Loads Name when it is an anniversary file; tells the user otherwise.
    void OpenBook(const std::string& Name, const QString& Refusal);
    // Shows the book after it was replaced or renamed as a whole.
    void ShowBook();
    // Selects the month and line of the search position.
    void ShowSearchMatch();

    const TProgramContext Context_;
    std::unique_ptr<TEventsList> Book_;
    TfrmAEEvent* frmAEEvent_ = nullptr;
    TfrmFind* frmFind_ = nullptr;
    std::unique_ptr<filedialogs::TFileDialog> OpenDialog1;
    std::unique_ptr<filedialogs::TFileDialog> SaveDialog1;
    TfrmPrintEvents* frmPrintEvents_ = nullptr;
    QPrinter* Printer_ = nullptr;
    TfrmReminderOptions* frmReminderOptions_ = nullptr;
    TfrmAbout* frmAbout_ = nullptr;
    // True when the window that had the focus before this one was the help
    // window, which stands for a program of its own: coming back from it is
    // no activation, so the first-run topic does not replace what is read.
    bool BackFromHelp_ = false;

    bool FirstRun = false;
    bool Searching = false;

    QGroupBox* GroupBox1;
    TRadioGroup* rgpMonth;
    QListWidget* lstEvents;
    QPushButton* btnAdd;
    QPushButton* btnEdit;
    QPushButton* btnDelete;

    QAction* mnuFPrint;
    QAction* mnuSFindNext;
    QAction* mnuVForthcomingEvents;
    QAction* mnuHHelpTopics;
    QAction* mnuEEdit;
    QAction* mnuEDelete;
    QAction* mnuOStartonCurrentMonth;
    std::array<QAction*, 12> MonthEntries_;
};
