// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Main.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QEvent>
#include <QMimeData>
#include <QTimer>
#include <QWindow>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "app/Application.h"
#include "data/Dateutil.h"
#include "data/Evntlist.h"
#include "data/Globals.h"
#include "data/Pstrutil.h"
#include "data/ReminderSettings.h"
#include "dialogs/About.h"
#include "dialogs/Aeevent.h"
#include "dialogs/Dofind.h"
#include "dialogs/Find.h"
#include "dialogs/Remopts.h"
#include "platform/Ansi.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/IniFile.h"
#include "platform/MaskEdit.h"
#include "platform/Process.h"
#include "platform/Prompts.h"
#include "platform/PrintDialogs.h"
#include "platform/RadioGroup.h"
#include "platform/SpinEdit.h"
#include "printing/Print.h"

namespace {

constexpr int MinWidth = 400;
constexpr int MinHeight = 339;
constexpr int LeapYear = 1996;    // day boxes allow 29 February whatever the year
constexpr int ColumnGap = 7;      // between the month group, the list and the buttons
constexpr int ButtonMargin = 14;  // right of the buttons

const char* const PositionSection = "FormPosition";
const char* const StartupSection = "Startup";

const QString MoreThanOneFile = QStringLiteral("You have specified more than one file to load.  "
                                               "Only the first file name received will be loaded.");

QStringList MonthNames()
{
    QStringList Names;
    for (uint8_t Month = 1; Month <= 12; ++Month) Names << QString::fromStdString(MonthName(Month));
    return Names;
}

void ShowError(const QString& Text)
{
    prompts::Show(prompts::TBeep::Asterisk, prompts::ErrorMessage(Text));
}

TEventItem* ItemOf(const TMyLinkList& List, int Index)
{
    return static_cast<TEventItem*>(List.ItemAt(Index));
}

}  // namespace

std::string EventLineText(const TEventItem& Item)
{
    std::string Line = std::to_string(Item.DayNumber) + " - " + Item.EventText + "  ";
    if (Item.OrigYear != -1) Line += "(" + std::to_string(int64_t{ThisYear} - Item.OrigYear) + ")";
    return Line;
}

TfrmMain::TfrmMain(TProgramContext Context)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      Context_(std::move(Context))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Anniversary Reminder"));
    help::SetHelpContext(this, help::MainWindow);
    CreateControls();
    CreateMenus();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* Now) {
        if (Now && Now != windowHandle()) BackFromHelp_ = help::IsHelpWindow(Now);
    });
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    FormDestroy();
}

void TfrmMain::CreateControls()
{
    auto* Client = new QWidget(this);
    setCentralWidget(Client);
    GroupBox1 = new QGroupBox(Client);
    rgpMonth = new TRadioGroup(QStringLiteral(" Month "), MonthNames(), GroupBox1);
    lstEvents = new QListWidget(GroupBox1);
    btnAdd = new QPushButton(QStringLiteral("&Add..."), GroupBox1);
    btnEdit = new QPushButton(QStringLiteral("Edi&t..."), GroupBox1);
    btnDelete = new QPushButton(QStringLiteral("&Delete..."), GroupBox1);
    const std::pair<QObject*, const char*> Names[] = {
        {GroupBox1, "GroupBox1"}, {rgpMonth, "rgpMonth"}, {lstEvents, "lstEvents"},
        {btnAdd, "btnAdd"}, {btnEdit, "btnEdit"}, {btnDelete, "btnDelete"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    // Design positions inside the group box, widened where the font needs
    // more room than the design's; FormResize stretches the list between
    // the month group and the buttons and moves the buttons with the window.
    rgpMonth->SetItemIndex(0);
    const QSize Months = rgpMonth->sizeHint();
    rgpMonth->setGeometry(8, 10, std::max(89, Months.width()), Months.height());
    lstEvents->move(rgpMonth->geometry().right() + 1 + ColumnGap, 16);
    lstEvents->setSelectionMode(QAbstractItemView::SingleSelection);
    lstEvents->setTextElideMode(Qt::ElideNone);  // the age at the end of a long line stays readable
    QSize ButtonSize(75, 25);
    for (const QPushButton* Button : {btnAdd, btnEdit, btnDelete}) ButtonSize = ButtonSize.expandedTo(Button->sizeHint());
    int Top = 16;
    for (QPushButton* Button : {btnAdd, btnEdit, btnDelete}) {
        Button->setGeometry(QRect(QPoint(0, Top), ButtonSize));
        Button->setAutoDefault(false);
        Top += ButtonSize.height() + 7;
    }
    setTabOrder(rgpMonth, lstEvents);
    setTabOrder(lstEvents, btnAdd);
    setTabOrder(btnAdd, btnEdit);
    setTabOrder(btnEdit, btnDelete);

    connect(rgpMonth, &TRadioGroup::Click, this, &TfrmMain::rgpMonthClick);
    connect(lstEvents, &QListWidget::itemSelectionChanged, this, &TfrmMain::lstEventsClick);
    connect(lstEvents, &QListWidget::doubleClicked, this, &TfrmMain::lstEventsDblClick);
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMain::btnAddClick);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmMain::btnEditClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmMain::btnDeleteClick);
}

void TfrmMain::CreateMenus()
{
    const auto Menu = [this](const char* Name, const QString& Caption, int Context) {
        QMenu* Created = menuBar()->addMenu(Caption);
        Created->setObjectName(QLatin1String(Name));
        if (Context != help::NoContext) help::SetHelpContext(Created, Context);
        return Created;
    };
    const auto Entry = [](QMenu* Owner, const char* Name, const QString& Caption, QKeySequence Shortcut = {}) {
        QAction* Created = Owner->addAction(Caption);
        Created->setObjectName(QLatin1String(Name));
        Created->setShortcut(Shortcut);
        return Created;
    };

    QMenu* mnuFile = Menu("mnuFile", QStringLiteral("&File"), help::FileMenu);
    QAction* mnuFNew = Entry(mnuFile, "mnuFNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* mnuFOpen = Entry(mnuFile, "mnuFOpen", QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* mnuFSave = Entry(mnuFile, "mnuFSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* mnuFSaveAs = Entry(mnuFile, "mnuFSaveAs", QStringLiteral("Save &As..."));
    connect(mnuFNew, &QAction::triggered, this, &TfrmMain::mnuFNewClick);
    connect(mnuFOpen, &QAction::triggered, this, &TfrmMain::mnuFOpenClick);
    connect(mnuFSave, &QAction::triggered, this, &TfrmMain::mnuFSaveClick);
    connect(mnuFSaveAs, &QAction::triggered, this, &TfrmMain::mnuFSaveAsClick);
    mnuFile->addSeparator();
    QAction* mnuFPrinterSetup = Entry(mnuFile, "mnuFPrinterSetup", QStringLiteral("Printer Set&up..."));
    mnuFPrint = Entry(mnuFile, "mnuFPrint", QStringLiteral("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(mnuFPrinterSetup, &QAction::triggered, this, &TfrmMain::mnuFPrinterSetupClick);
    connect(mnuFPrint, &QAction::triggered, this, &TfrmMain::mnuFPrintClick);
    mnuFile->addSeparator();
    QAction* mnuFExit = Entry(mnuFile, "mnuFExit", QStringLiteral("E&xit"));
    connect(mnuFExit, &QAction::triggered, this, &TfrmMain::mnuFExitClick);

    QMenu* mnuSearch = Menu("mnuSearch", QStringLiteral("&Search"), help::SearchMenu);
    QAction* mnuSFind = Entry(mnuSearch, "mnuSFind", QStringLiteral("Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuSFindNext = Entry(mnuSearch, "mnuSFindNext", QStringLiteral("Find &Next"), QKeySequence(Qt::Key_F3));
    connect(mnuSFind, &QAction::triggered, this, &TfrmMain::mnuSFindClick);
    connect(mnuSFindNext, &QAction::triggered, this, &TfrmMain::mnuSFindNextClick);

    QMenu* mnuView = Menu("mnuView", QStringLiteral("&View"), help::NoContext);
    mnuVForthcomingEvents = Entry(mnuView, "mnuVForthcomingEvents", QStringLiteral("Forthcoming Anniversaries..."));
    help::SetHelpContext(mnuVForthcomingEvents, help::ForthcomingAnniversaries);
    connect(mnuVForthcomingEvents, &QAction::triggered, this, &TfrmMain::mnuVForthcomingEventsClick);

    QMenu* mnuEvent = Menu("mnuEvent", QStringLiteral("&Anniversary"), help::AnniversaryMenu);
    QMenu* mnuEMonth = mnuEvent->addMenu(QStringLiteral("&Month"));
    mnuEMonth->setObjectName(QStringLiteral("mnuEMonth"));
    auto* Months = new QActionGroup(mnuEMonth);
    const QStringList Names = MonthNames();
    for (int Tag = 1; Tag <= 12; ++Tag) {
        const QByteArray Name = (Names[Tag - 1] + u'1').toLatin1();
        QAction* Month = Entry(mnuEMonth, Name.constData(), Names[Tag - 1]);
        Month->setData(Tag);
        Month->setCheckable(true);
        Months->addAction(Month);
        MonthEntries_[static_cast<size_t>(Tag - 1)] = Month;
    }
    MonthEntries_[0]->setChecked(true);
    connect(Months, &QActionGroup::triggered, this, &TfrmMain::mnuMonthClick);
    mnuEvent->addSeparator();
    QAction* mnuEAdd = Entry(mnuEvent, "mnuEAdd", QStringLiteral("&Add..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuEEdit = Entry(mnuEvent, "mnuEEdit", QStringLiteral("&Edit..."), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuEDelete = Entry(mnuEvent, "mnuEDelete", QStringLiteral("&Delete..."), QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(mnuEAdd, &QAction::triggered, this, &TfrmMain::btnAddClick);
    connect(mnuEEdit, &QAction::triggered, this, &TfrmMain::btnEditClick);
    connect(mnuEDelete, &QAction::triggered, this, &TfrmMain::btnDeleteClick);

    QMenu* mnuOptions = Menu("mnuOptions", QStringLiteral("&Options"), help::OptionsMenu);
    mnuOStartonCurrentMonth = Entry(mnuOptions, "mnuOStartonCurrentMonth", QStringLiteral("&Start on Current Month"));
    mnuOStartonCurrentMonth->setCheckable(true);
    mnuOStartonCurrentMonth->setChecked(true);
    mnuOptions->addSeparator();
    QAction* mnuOReminder = Entry(mnuOptions, "mnuOReminder", QStringLiteral("&Reminder..."));
    connect(mnuOReminder, &QAction::triggered, this, &TfrmMain::mnuOReminderClick);

    QMenu* mnuHelp = Menu("mnuHelp", QStringLiteral("&Help"), help::HelpMenu);
    mnuHHelpTopics = Entry(mnuHelp, "mnuHHelpTopics", QStringLiteral("Help Topics"), QKeySequence(Qt::CTRL | Qt::Key_F1));
    mnuHelp->addSeparator();
    QAction* mnuHAbout = Entry(mnuHelp, "mnuHAbout", QStringLiteral("About Datevane..."));
    connect(mnuHHelpTopics, &QAction::triggered, this, &TfrmMain::mnuHHelpTopicsClick);
    connect(mnuHAbout, &QAction::triggered, this, &TfrmMain::mnuHAboutClick);
}

void TfrmMain::FormCreate()
{
    setMinimumSize(MinWidth, MinHeight);
    setAcceptDrops(true);
    using namespace filedialogs;
    OpenDialog1 = std::make_unique<TFileDialog>(
        this, TOptions{TKind::Open, {}, {QStringLiteral("Datevane Data File (*.EVT)")}, QStringLiteral("EVT")});
    SaveDialog1 = std::make_unique<TFileDialog>(
        this, TOptions{TKind::Save, QStringLiteral("Save as..."),
                       {QStringLiteral("Datevane Data Files (*.EVT)"), QStringLiteral("All Files (*)")},
                       QStringLiteral("EVT")});
    OpenDialog1->InitialDir = SaveDialog1->InitialDir = ExtractFilePath(Context_.ExePath);
    Book_ = std::make_unique<TEventsList>();
    EventsList = Book_.get();
    SetCaption();

    // Read once: the settings file does not change while the window is made.
    const TIniDocument Settings = TIniFile(SettingsFileName()).Load();
    const int Top = Settings.ReadInteger(PositionSection, "Top", 125);
    const int Left = Settings.ReadInteger(PositionSection, "Left", 186);
    move(Left, Top);
    resize(Settings.ReadInteger(PositionSection, "Width", 450), Settings.ReadInteger(PositionSection, "Height", 339));
    mnuOStartonCurrentMonth->setChecked(Settings.ReadBool(StartupSection, "UseCurrentMonth", true));

    const std::string Marker = ExtractFilePath(Context_.ExePath) + "DATEVANE.NEW";
    FirstRun = platform::FileExists(Marker);
    if (FirstRun) std::remove(Marker.c_str());

    const std::string FileToOpen = ChooseFileToOpen(Settings);
    if (FileToOpen.empty())
        EventsList->Clear();
    else
        EventsList->LoadFromFile(FileToOpen);
    SetCaption();

    BuildEventsListForMonth(ShownMonth());
    rgpMonth->SetItemIndex(mnuOStartonCurrentMonth->isChecked() ? platform::Today().Month - 1 : 0);
    mnuSFindNext->setEnabled(false);
    Searching = false;
}

std::string TfrmMain::ChooseFileToOpen(const TIniDocument& Settings) const
{
    std::string Name;
    const std::vector<std::string>& Arguments = Context_.Arguments;
    if (Arguments.size() > 1)
        ShowError(MoreThanOneFile);
    if (!Arguments.empty()) {
        // The name is judged in upper case but looked up as typed: names
        // differ by case here, and the user's own spelling is the best match.
        std::string Typed = Arguments.front();
        if (ExtractFilePath(Typed).empty()) Typed = std::string(".") + platform::PathDelimiters.front() + Typed;
        if (ExtractFileExt(Typed).empty()) Typed += ".EVT";
        const std::string Upper = UpperCase(Typed);
        if (ExtractFileExt(Upper) == ".EVT")
            Name = platform::FindFileIgnoringCase(Typed);
        else
            ShowError(PathToQString(ExtractFileName(Upper))
                      + QStringLiteral("\n\nThis is not a valid Datevane anniversaries list file so the "
                                       "last used anniversaries list will be opened instead."));
    }
    if (Name.empty()) Name = Settings.ReadString(StartupSection, "LoadFile", "");
    if (!Name.empty() && !platform::FileExists(Name)) Name.clear();
    return Name;
}

void TfrmMain::FormDestroy()
{
    // All keys in one atomic replacement: either every one is written or, when
    // the file cannot be written, the file stays exactly as it was.
    RunGuarded([this] {
        const TIniFile File(SettingsFileName());
        TIniDocument Settings = File.LoadForUpdate();
        Settings.WriteInteger(PositionSection, "Top", y());
        Settings.WriteInteger(PositionSection, "Left", x());
        Settings.WriteInteger(PositionSection, "Width", width());
        Settings.WriteInteger(PositionSection, "Height", height());
        Settings.WriteBool(StartupSection, "UseCurrentMonth", mnuOStartonCurrentMonth->isChecked());
        Settings.WriteString(StartupSection, "LoadFile", EventsList->FileName);
        File.Store(Settings.Text());
    });
    EventsList = nullptr;
    Book_.reset();
}

std::string TfrmMain::SettingsFileName() const
{
    return ChangeFileExt(Context_.ExePath, ".INI");
}

void TfrmMain::SetCaption()
{
    setWindowTitle(QStringLiteral("Anniversaries List - ") + PathToQString(ExtractFileName(EventsList->GetFileName())));
}

void TfrmMain::FormActivate()
{
    help::SetHelpFile(ChangeFileExt(Context_.ExePath, ".HLP"));
    if (!platform::FileExists(help::HelpFile())) {
        help::SetHelpFile("");
        mnuHHelpTopics->setEnabled(false);
    }
    if (FirstRun && !help::HelpFile().empty()) help::ShowTopic(help::FirstRun);
    EnableControls();
}

void TfrmMain::FormResize()
{
    const QSize Client = centralWidget()->size();
    GroupBox1->setGeometry(8, 4, Client.width() - 16, Client.height() - 12);
    const int Width = GroupBox1->width(), Height = GroupBox1->height();
    const int ButtonsLeft = Width - btnAdd->width() - ButtonMargin;
    for (QPushButton* Button : {btnAdd, btnEdit, btnDelete}) Button->move(ButtonsLeft, Button->y());
    lstEvents->resize(ButtonsLeft - ColumnGap - lstEvents->x(), Height - 39);
}

void TfrmMain::mnuFExitClick()
{
    close();
}

int TfrmMain::ShownMonth() const
{
    return rgpMonth->ItemIndex() + 1;
}

int TfrmMain::SelectedIndex() const
{
    const QList<QListWidgetItem*> Selected = lstEvents->selectedItems();
    return Selected.isEmpty() ? -1 : lstEvents->row(Selected.front());
}

void TfrmMain::BuildEventsListForMonth(int Month)
{
    lstEvents->clear();
    const TMyLinkList& List = *EventsList->Months[Month];
    if (List.IsEmpty()) return;
    QStringList Lines;
    Lines.reserve(List.Count);
    TListNode* Cursor;
    List.Rewind(Cursor);
    while (List.GetNext(Cursor)) Lines << AnsiToQString(EventLineText(*static_cast<TEventItem*>(Cursor)));
    lstEvents->addItems(Lines);
}

void TfrmMain::EnableControls()
{
    const bool Selected = SelectedIndex() >= 0;
    for (QPushButton* Button : {btnEdit, btnDelete}) Button->setEnabled(Selected);
    for (QAction* Entry : {mnuEEdit, mnuEDelete}) Entry->setEnabled(Selected);
    mnuFPrint->setEnabled(EventsList->TotalCount() > 0);
}

void TfrmMain::rgpMonthClick()
{
    const int Month = ShownMonth();
    MonthEntries_[static_cast<size_t>(Month - 1)]->setChecked(true);
    BuildEventsListForMonth(Month);
    if (!Searching) ResetSearchPosition(Month);
    if (isVisible()) rgpMonth->setFocus();
    EnableControls();
}

void TfrmMain::mnuMonthClick(QAction* Entry)
{
    const int Tag = Entry->data().toInt();
    MonthEntries_[static_cast<size_t>(Tag - 1)]->setChecked(true);
    rgpMonth->SetItemIndex(Tag - 1);
    rgpMonth->setFocus();
}

void TfrmMain::lstEventsClick()
{
    EnableControls();
}

void TfrmMain::lstEventsDblClick()
{
    if (SelectedIndex() >= 0) btnEditClick();
}

bool TfrmMain::ShowDetails(TEventItem& Item, const QString& Caption, int HelpContext)
{
    const int Month = ShownMonth();
    TfrmAEEvent& Dialog = *frmAEEvent_;
    Dialog.setWindowTitle(Caption + rgpMonth->ItemText(Month - 1));
    help::SetHelpContext(&Dialog, HelpContext);
    Dialog.SelectedMonth = Month;
    Dialog.spedDayNumber->SetMaxValue(DaysInMonth(static_cast<uint16_t>(Month), LeapYear));
    Dialog.spedDayNumber->SetValue(Item.DayNumber);
    Dialog.SetEventText(AnsiToQString(Item.EventText));
    Dialog.mskEdYear->SetText(Item.OrigYear >= 0 ? QString::number(Item.OrigYear) : QString());
    if (Dialog.ShowModal() != TfrmAEEvent::mrOk) return false;

    Item.DayNumber = static_cast<uint8_t>(Dialog.spedDayNumber->Value());
    Item.EventText = QStringToAnsi(Dialog.edtEventText->text());
    Item.OrigYear = OrigYearFromText(Dialog.mskEdYear->Text().toStdString());
    return true;
}

void TfrmMain::ShowItem(int Month, const TEventItem* Item)
{
    BuildEventsListForMonth(Month);
    lstEvents->setCurrentRow(EventsList->Months[Month]->IndexOf(Item));
    EnableControls();
}

void TfrmMain::btnAddClick()
{
    auto Item = std::make_unique<TEventItem>();
    Item->DayNumber = 1;
    Item->OrigYear = -1;
    if (!ShowDetails(*Item, QStringLiteral("Add New Anniversary for "), help::AddAnniversary)) return;

    const int Month = ShownMonth();
    TEventItem* Added = Item.release();
    EventsList->Months[Month]->Add(Added);
    EventsList->Modified = true;
    ShowItem(Month, Added);
}

void TfrmMain::btnEditClick()
{
    const int Month = ShownMonth();
    TMyLinkList& List = *EventsList->Months[Month];
    TEventItem* Item = ItemOf(List, SelectedIndex());
    if (!Item) return;
    const uint8_t OldDay = Item->DayNumber;
    if (!ShowDetails(*Item, QStringLiteral("Edit Anniversary for "), help::EditAnniversary)) return;

    if (Item->DayNumber != OldDay) {
        List.Unlink(Item);
        List.Add(Item);
    }
    EventsList->Modified = true;
    ShowItem(Month, Item);
}

void TfrmMain::btnDeleteClick()
{
    const int Month = ShownMonth();
    TMyLinkList& List = *EventsList->Months[Month];
    const int Position = SelectedIndex();
    TEventItem* Item = ItemOf(List, Position);
    if (!Item) return;
    const QString Question = QStringLiteral("Are you sure that you want to delete the anniversary '")
                             + AnsiToQString(Item->EventText) + QStringLiteral("'?");
    if (prompts::Show(prompts::TBeep::Question, prompts::ConfirmMessage(Question)) != prompts::TButton::Yes) return;

    // The search must never go on from an anniversary that is gone.
    if (SearchItem == Item) ResetSearchPosition(Month);
    List.Delete(Item);
    EventsList->Modified = true;
    BuildEventsListForMonth(Month);
    lstEvents->setCurrentRow(std::min(Position, lstEvents->count() - 1));
    EnableControls();
}

bool TfrmMain::event(QEvent* Event)
{
    const bool Handled = QMainWindow::event(Event);
    if (Event->type() == QEvent::WindowActivate && !BackFromHelp_) FormActivate();
    return Handled;
}

void TfrmMain::resizeEvent(QResizeEvent* Event)
{
    QMainWindow::resizeEvent(Event);
    FormResize();
}

void TfrmMain::closeEvent(QCloseEvent* Event)
{
    bool CanClose = true;
    FormCloseQuery(CanClose);
    Event->setAccepted(CanClose);
}

namespace {

// The local files among the dragged items.
std::vector<std::string> DraggedFiles(const QMimeData* Data)
{
    std::vector<std::string> Files;
    for (const QUrl& Url : Data->urls())
        if (Url.isLocalFile()) Files.push_back(QStringToPath(Url.toLocalFile()));
    return Files;
}

}  // namespace

void TfrmMain::dragEnterEvent(QDragEnterEvent* Event)
{
    if (!DraggedFiles(Event->mimeData()).empty()) Event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* Event)
{
    std::vector<std::string> Files = DraggedFiles(Event->mimeData());
    if (Files.empty()) return;
    Event->acceptProposedAction();
    // Handled once the drag has ended, so the questions that follow do not
    // keep the program the files came from waiting.
    QTimer::singleShot(0, this, [this, Files = std::move(Files)] { WMDropFiles(Files); });
}

// The file commands. A failed save ends the command with the error box and
// leaves the book modified; the close query then keeps the window open.

bool TfrmMain::AskToSaveChanges()
{
    if (!EventsList->Modified) return true;
    const QString Question = QStringLiteral("Save changes to\n\n") + PathToQString(EventsList->GetFileName());
    switch (prompts::Show(prompts::TBeep::Asterisk, prompts::ConfirmMessage(Question))) {
    case prompts::TButton::Yes: return SaveBook();
    case prompts::TButton::No: return true;
    default: return false;
    }
}

bool TfrmMain::SaveBook()
{
    if (EventsList->FileName.empty()) return SaveAs();
    if (IsFileReadOnly(EventsList->FileName)) {
        prompts::Show(prompts::TBeep::Asterisk,
                      prompts::WarningMessage(QStringLiteral("This is a read-only file.  Please save to a different file name.")));
        return SaveAs();
    }
    EventsList->SaveToFile();
    return true;
}

bool TfrmMain::SaveAs()
{
    if (!SaveDialog1->Execute()) return false;
    // The book takes the new name only once it is written there, so that a
    // failed attempt leaves the next Save going to the file the user knows.
    const std::string Previous = EventsList->FileName;
    EventsList->FileName = SaveDialog1->FileName;
    try {
        EventsList->SaveToFile();
    } catch (...) {
        EventsList->FileName = Previous;
        throw;
    }
    SetCaption();
    BuildEventsListForMonth(ShownMonth());
    EnableControls();
    return true;
}

void TfrmMain::OpenBook(const std::string& Name, const QString& Refusal)
{
    if (UpperCase(ExtractFileExt(Name)) != ".EVT") {
        ShowError(PathToQString(ExtractFileName(Name)) + QStringLiteral("\n\n") + Refusal);
        return;
    }
    EventsList->LoadFromFile(Name);
    ShowBook();
}

void TfrmMain::ShowBook()
{
    // The anniversaries the search stood on are gone.
    ResetSearchPosition(ShownMonth());
    SetCaption();
    BuildEventsListForMonth(ShownMonth());
    EnableControls();
}

void TfrmMain::mnuFNewClick()
{
    RunGuarded([this] {
        if (!AskToSaveChanges()) return;
        EventsList->Clear();
        ShowBook();
    });
}

void TfrmMain::mnuFOpenClick()
{
    RunGuarded([this] {
        if (!AskToSaveChanges() || !OpenDialog1->Execute()) return;
        OpenBook(OpenDialog1->FileName, QStringLiteral("This is not a valid DateVane anniversaries list file."));
    });
}

void TfrmMain::mnuFSaveClick()
{
    RunGuarded([this] { SaveBook(); });
}

void TfrmMain::mnuFSaveAsClick()
{
    RunGuarded([this] { SaveAs(); });
}

void TfrmMain::FormCloseQuery(bool& CanClose)
{
    bool GoOn = false;
    RunGuarded([&] { GoOn = AskToSaveChanges(); });
    CanClose = GoOn;
}

void TfrmMain::WMDropFiles(const std::vector<std::string>& Files)
{
    if (Files.empty()) return;
    RunGuarded([&] {
        if (Files.size() > 1) ShowError(MoreThanOneFile);
        if (!AskToSaveChanges()) return;
        OpenBook(Files.front(), QStringLiteral("This is not a valid Datevane anniversaries list file."));
    });
}

// Find and Find Next.

void TfrmMain::mnuSFindClick()
{
    if (frmFind_->ShowModal() != TfrmFind::mrOk) return;
    mnuSFindNext->setEnabled(true);
    if (FindFirstEvent(frmFind_->Criteria()))
        ShowSearchMatch();
    else
        ShowError(QStringLiteral("There are no anniversaries that match your search."));
}

void TfrmMain::mnuSFindNextClick()
{
    if (FindNextEvent(frmFind_->Criteria()))
        ShowSearchMatch();
    else
        ShowError(QStringLiteral("There are no more anniversaries that match your search."));
}

void TfrmMain::ShowSearchMatch()
{
    // Searching keeps the month handler from moving the search position back
    // to the start of the month it shows.
    Searching = true;
    rgpMonth->SetItemIndex(SearchMonth - 1);
    lstEvents->setCurrentRow(EventsList->Months[SearchMonth]->IndexOf(SearchItem));
    EnableControls();
    Searching = false;
}

// Printing.

void TfrmMain::mnuFPrinterSetupClick()
{
    if (Printer_) printdialogs::SetUpPrinter(*Printer_, this);
}

void TfrmMain::mnuFPrintClick()
{
    if (frmPrintEvents_) frmPrintEvents_->ShowModal();
}

// Reminder set-up and the reminder program on demand.

bool TfrmMain::ReminderEnabled() const
{
    // One read of the file for both keys, through the reminder's own reader.
    const reminder::TSettings Settings = reminder::ReadSettings(TIniFile(SettingsFileName()).Load());
    return Settings.ShowOnStartup && !Settings.UseFile.empty();
}

void TfrmMain::mnuOReminderClick()
{
    frmReminderOptions_->SettingsFile = SettingsFileName();
    frmReminderOptions_->ProgramFolder = ExtractFilePath(Context_.ExePath);
    frmReminderOptions_->ShowModal();
    mnuVForthcomingEvents->setEnabled(ReminderEnabled());
}

void TfrmMain::mnuVForthcomingEventsClick()
{
    const std::string Program = ExtractFilePath(Context_.ExePath) + reminder::ProgramFileName;
    const std::unique_ptr<platform::TStartedProgram> Started = platform::StartProgram(Program, {"-F"});
    if (!Started) return;
    // The window stays usable meanwhile; the command may even run again, with
    // a wait of its own inside this one. Closing the window ends the wait and
    // leaves the reminder running.
    const QPointer<TfrmMain> Window(this);
    while (Started->WaitForEnd(100) == platform::TStartedProgram::TWait::TimedOut)
        if (!Window || !Window->isVisible()) break;
}

// Help and About.

void TfrmMain::mnuHHelpTopicsClick()
{
    help::ShowTopicFinder();
}

void TfrmMain::mnuHAboutClick()
{
    frmAbout_->ShowModal();
}
