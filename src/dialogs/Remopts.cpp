// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Remopts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include "app/Application.h"
#include "data/Evntlist.h"
#include "data/Pstrutil.h"
#include "data/ReminderSettings.h"
#include "platform/Ansi.h"
#include "platform/Autostart.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Forms.h"
#include "platform/Help.h"
#include "platform/IniFile.h"
#include "platform/Prompts.h"
#include "platform/SpinEdit.h"

namespace {

bool BookHasFile()
{
    return EventsList && EventsList->GetFileName() != "(Untitled)";
}

void ShowFileError(const char* Text)
{
    prompts::Show(prompts::TBeep::Asterisk, prompts::ErrorMessage(QString::fromLatin1(Text)));
}

}  // namespace

TfrmReminderOptions::TfrmReminderOptions(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmReminderOptions"));
    setWindowTitle(QStringLiteral("Reminder Options"));
    setModal(true);
    help::SetHelpContext(this, help::ReminderOptions);
    OpenDialog1 = std::make_unique<filedialogs::TFileDialog>(
        this, filedialogs::TOptions{filedialogs::TKind::Open, {}, {QStringLiteral("Datevane Data File (*.EVT)")},
                                    QStringLiteral("EVT")});

    GroupBox1 = new QGroupBox(QStringLiteral("   "), this);
    chkShowOnStartup = new QCheckBox(QStringLiteral("Show Anniversaries on Startup"), this);
    Label4 = new QLabel(QStringLiteral("From File :"), GroupBox1);
    edtUseFile = new QLineEdit(GroupBox1);
    btnUseCurrent = new QPushButton(QStringLiteral("Use Current"), GroupBox1);
    btnBrowse = new QPushButton(QStringLiteral("Browse..."), GroupBox1);
    GroupBox2 = new QGroupBox(QStringLiteral(" Remind of Anniversaries When? "), GroupBox1);
    rdoShowEveryTime = new QRadioButton(QStringLiteral("Every time"), GroupBox2);
    rdoShowOnlyWhenNear = new QRadioButton(QStringLiteral("When Near the Anniversary "), GroupBox2);
    Label1 = new QLabel(QStringLiteral("Days To Go :"), GroupBox2);
    spedDaysToGo = new TSpinEdit(GroupBox2);
    GroupBox3 = new QGroupBox(QStringLiteral(" Show for How Long? "), GroupBox1);
    rdoCloseManually = new QRadioButton(QStringLiteral("Until Closed Manually"), GroupBox3);
    rdoTimedClose = new QRadioButton(QStringLiteral("Timed Period"), GroupBox3);
    Label5 = new QLabel(QStringLiteral("Duration (secs) :"), GroupBox3);
    spedShowTime = new TSpinEdit(GroupBox3);
    GroupBox4 = new QGroupBox(QStringLiteral(" Show How Many Anniversaries? "), GroupBox1);
    Label2 = new QLabel(QStringLiteral("Previous :"), GroupBox4);
    spedEventsPrevious = new TSpinEdit(GroupBox4);
    Label3 = new QLabel(QStringLiteral("Next :"), GroupBox4);
    spedEventsNext = new TSpinEdit(GroupBox4);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    const std::pair<QObject*, const char*> Names[] = {
        {chkShowOnStartup, "chkShowOnStartup"}, {GroupBox1, "GroupBox1"}, {Label4, "Label4"},
        {edtUseFile, "edtUseFile"}, {btnUseCurrent, "btnUseCurrent"}, {btnBrowse, "btnBrowse"},
        {GroupBox2, "GroupBox2"}, {rdoShowEveryTime, "rdoShowEveryTime"}, {rdoShowOnlyWhenNear, "rdoShowOnlyWhenNear"},
        {Label1, "Label1"}, {spedDaysToGo, "spedDaysToGo"}, {GroupBox3, "GroupBox3"},
        {rdoCloseManually, "rdoCloseManually"}, {rdoTimedClose, "rdoTimedClose"}, {Label5, "Label5"},
        {spedShowTime, "spedShowTime"}, {GroupBox4, "GroupBox4"}, {Label2, "Label2"},
        {spedEventsPrevious, "spedEventsPrevious"}, {Label3, "Label3"}, {spedEventsNext, "spedEventsNext"},
        {btnOK, "btnOK"}, {btnCancel, "btnCancel"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    const std::pair<TSpinEdit*, int> Ranges[] = {
        {spedDaysToGo, 99}, {spedShowTime, 99}, {spedEventsPrevious, 10}, {spedEventsNext, 10}};
    for (const auto& [Spin, Max] : Ranges) {
        const int Min = Max == 99 ? 1 : 0;
        Spin->SetMinValue(Min);
        Spin->SetMaxValue(Max);
        Spin->SetValue(Min);
        Spin->setFixedWidth(Spin->sizeHint().width());
    }
    for (QLabel* Label : {Label1, Label2, Label3, Label4, Label5}) Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setBuddy(spedDaysToGo);
    Label2->setBuddy(spedEventsPrevious);
    Label3->setBuddy(spedEventsNext);
    Label4->setBuddy(edtUseFile);
    Label5->setBuddy(spedShowTime);
    edtUseFile->setMinimumWidth(edtUseFile->fontMetrics().horizontalAdvance(QString(44, u'n')));
    // Enter presses no button: OK has to be clicked.
    for (QPushButton* Button : {btnUseCurrent, btnBrowse, btnOK, btnCancel}) Button->setAutoDefault(false);

    // Inside GroupBox1: the file, then the two choices side by side, then the counts.
    auto* When = new QGridLayout(GroupBox2);
    When->addWidget(rdoShowEveryTime, 0, 0, 1, 2);
    When->addWidget(rdoShowOnlyWhenNear, 1, 0, 1, 2);
    When->addWidget(Label1, 2, 0);
    When->addWidget(spedDaysToGo, 2, 1, Qt::AlignLeft);
    auto* HowLong = new QGridLayout(GroupBox3);
    HowLong->addWidget(rdoCloseManually, 0, 0, 1, 2);
    HowLong->addWidget(rdoTimedClose, 1, 0, 1, 2);
    HowLong->addWidget(Label5, 2, 0);
    HowLong->addWidget(spedShowTime, 2, 1, Qt::AlignLeft);
    auto* HowMany = new QHBoxLayout(GroupBox4);
    HowMany->addWidget(Label2);
    HowMany->addWidget(spedEventsPrevious);
    HowMany->addSpacing(24);
    HowMany->addWidget(Label3);
    HowMany->addWidget(spedEventsNext);
    HowMany->addStretch();

    auto* Inside = new QGridLayout(GroupBox1);
    Inside->setContentsMargins(10, chkShowOnStartup->sizeHint().height() / 2 + 6, 10, 10);
    Inside->addWidget(Label4, 0, 0);
    Inside->addWidget(edtUseFile, 0, 1, 1, 2);
    auto* FileButtons = new QHBoxLayout;
    FileButtons->addStretch();
    FileButtons->addWidget(btnUseCurrent);
    FileButtons->addWidget(btnBrowse);
    Inside->addLayout(FileButtons, 1, 1, 1, 2);
    Inside->addWidget(GroupBox2, 2, 0, 1, 2);
    Inside->addWidget(GroupBox3, 2, 2);
    Inside->addWidget(GroupBox4, 3, 0, 1, 3);

    auto* Buttons = new QHBoxLayout;
    Buttons->addStretch();
    Buttons->addWidget(btnOK);
    Buttons->addWidget(btnCancel);
    auto* Form = new QVBoxLayout(this);
    Form->addSpacing(chkShowOnStartup->sizeHint().height() / 2 - 4);
    Form->addWidget(GroupBox1);
    Form->addLayout(Buttons);
    Form->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* const TabOrder[] = {chkShowOnStartup, edtUseFile, btnUseCurrent, btnBrowse, rdoShowEveryTime,
                                 rdoShowOnlyWhenNear, spedDaysToGo, rdoCloseManually, rdoTimedClose, spedShowTime,
                                 spedEventsPrevious, spedEventsNext, btnOK, btnCancel};
    for (size_t I = 1; I < std::size(TabOrder); ++I) setTabOrder(TabOrder[I - 1], TabOrder[I]);

    // Handlers run for changes made by the program too, so the enabling
    // rules hold after every change.
    connect(chkShowOnStartup, &QCheckBox::toggled, this, &TfrmReminderOptions::chkShowOnStartupClick);
    connect(rdoShowEveryTime, &QRadioButton::toggled, this, &TfrmReminderOptions::rdoShowEveryTimeClick);
    connect(rdoShowOnlyWhenNear, &QRadioButton::toggled, this, &TfrmReminderOptions::rdoShowOnlyWhenNearClick);
    connect(rdoCloseManually, &QRadioButton::toggled, this, &TfrmReminderOptions::rdoCloseManuallyClick);
    connect(rdoTimedClose, &QRadioButton::toggled, this, &TfrmReminderOptions::rdoTimedCloseClick);
    connect(btnUseCurrent, &QPushButton::clicked, this, &TfrmReminderOptions::btnUseCurrentClick);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmReminderOptions::btnBrowseClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmReminderOptions::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    EnableControls();
}

TfrmReminderOptions::~TfrmReminderOptions() = default;

void TfrmReminderOptions::FormShow()
{
    using namespace reminder;
    const TIniFile Settings(SettingsFile);
    chkShowOnStartup->setChecked(Settings.ReadBool(Section, ShowOnStartupKey, false));
    EnableControls();
    if (chkShowOnStartup->isChecked()) {
        edtUseFile->setText(PathToQString(Settings.ReadString(Section, UseFileKey, "")));
        (Settings.ReadBool(Section, ShowEveryTimeKey, true) ? rdoShowEveryTime : rdoShowOnlyWhenNear)->setChecked(true);
        spedDaysToGo->SetValue(rdoShowOnlyWhenNear->isChecked() ? Settings.ReadInteger(Section, DaysPriorKey, 7) : 1);
        (Settings.ReadBool(Section, ManualCloseKey, true) ? rdoCloseManually : rdoTimedClose)->setChecked(true);
        spedShowTime->SetValue(rdoTimedClose->isChecked() ? Settings.ReadInteger(Section, ShowForSecsKey, 5) : 1);
        spedEventsPrevious->SetValue(Settings.ReadInteger(Section, PriorEventsKey, 3));
        spedEventsNext->SetValue(Settings.ReadInteger(Section, NextEventsKey, 3));
    } else {
        edtUseFile->clear();
        rdoShowEveryTime->setChecked(true);
        rdoCloseManually->setChecked(true);
        spedDaysToGo->SetValue(0);
        spedEventsPrevious->SetValue(0);
        spedEventsNext->SetValue(0);
    }
}

void TfrmReminderOptions::EnableControls()
{
    const bool On = chkShowOnStartup->isChecked();
    for (QWidget* Control : std::initializer_list<QWidget*>{
             Label4, edtUseFile, btnBrowse, rdoShowEveryTime, rdoShowOnlyWhenNear, rdoCloseManually, rdoTimedClose,
             Label2, Label3, spedEventsPrevious, spedEventsNext})
        Control->setEnabled(On);
    for (QWidget* Control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(spedDaysToGo)})
        Control->setEnabled(On && rdoShowOnlyWhenNear->isChecked());
    for (QWidget* Control : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(spedShowTime)})
        Control->setEnabled(On && rdoTimedClose->isChecked());
    btnUseCurrent->setEnabled(On && BookHasFile());
}

void TfrmReminderOptions::chkShowOnStartupClick()
{
    EnableControls();
}

void TfrmReminderOptions::rdoShowEveryTimeClick()
{
    EnableControls();
}

void TfrmReminderOptions::rdoShowOnlyWhenNearClick()
{
    EnableControls();
}

void TfrmReminderOptions::rdoCloseManuallyClick()
{
    EnableControls();
}

void TfrmReminderOptions::rdoTimedCloseClick()
{
    EnableControls();
}

void TfrmReminderOptions::btnUseCurrentClick()
{
    if (EventsList) edtUseFile->setText(PathToQString(EventsList->GetFileName()));
}

void TfrmReminderOptions::btnBrowseClick()
{
    if (OpenDialog1->Execute()) edtUseFile->setText(PathToQString(OpenDialog1->FileName));
}

void TfrmReminderOptions::btnOKClick()
{
    if (chkShowOnStartup->isChecked()) {
        const std::string Name = StripSpaces(QStringToPath(edtUseFile->text()));
        const char* Fault = nullptr;
        if (Name.empty())
            Fault = "You must specify which file you wish to be reminded of anniversaries from.";
        else if (!platform::FileExists(Name))
            Fault = "You must specify a valid file from which you wish to be reminded of anniversaries.";
        if (Fault) {
            ShowFileError(Fault);
            edtUseFile->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // A value typed past a bound and confirmed with the keyboard never left
    // its box, so it is brought into range as leaving would.
    for (TSpinEdit* Spin : {spedDaysToGo, spedShowTime, spedEventsPrevious, spedEventsNext}) Spin->CheckValue();

    bool Written = false;
    RunGuarded([&] {
        WriteSettings();
        Written = true;
    });
    if (!Written) return;  // the keys before the refused one stay written; the dialog stays open
    setResult(mrOk);
    RunGuarded([this] { UpdateStartupEntry(); });
    done(mrOk);
}

void TfrmReminderOptions::WriteSettings()
{
    using namespace reminder;
    TIniFile Settings(SettingsFile);
    Settings.WriteBool(Section, ShowOnStartupKey, chkShowOnStartup->isChecked());
    Settings.WriteString(Section, UseFileKey, QStringToPath(edtUseFile->text()));
    Settings.WriteBool(Section, ShowEveryTimeKey, rdoShowEveryTime->isChecked());
    Settings.WriteInteger(Section, DaysPriorKey, rdoShowOnlyWhenNear->isChecked() ? spedDaysToGo->Value() : 0);
    Settings.WriteBool(Section, ManualCloseKey, rdoCloseManually->isChecked());
    Settings.WriteInteger(Section, ShowForSecsKey, rdoTimedClose->isChecked() ? spedShowTime->Value() : 0);
    Settings.WriteInteger(Section, PriorEventsKey, spedEventsPrevious->Value());
    Settings.WriteInteger(Section, NextEventsKey, spedEventsNext->Value());
}

std::string TfrmReminderOptions::ReminderProgram() const
{
    return ProgramFolder + reminder::ProgramFileName;
}

void TfrmReminderOptions::UpdateStartupEntry()
{
    if (chkShowOnStartup->isChecked())
        platform::SetStartupProgram(reminder::StartupEntryName, ReminderProgram());
    else
        platform::DeleteStartupProgram(reminder::StartupEntryName);
}

void TfrmReminderOptions::reject()
{
    done(mrCancel);
}

void TfrmReminderOptions::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    FormShow();
    PlaceCheckBox();
    CentreOnScreen(this);
}

void TfrmReminderOptions::resizeEvent(QResizeEvent* Event)
{
    QDialog::resizeEvent(Event);
    PlaceCheckBox();
}

void TfrmReminderOptions::PlaceCheckBox()
{
    // Centred on the frame's top line, over the group's blank title.
    QStyleOptionGroupBox Option;
    Option.initFrom(GroupBox1);
    Option.text = GroupBox1->title();
    Option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect Frame = GroupBox1->style()->subControlRect(QStyle::CC_GroupBox, &Option, QStyle::SC_GroupBoxFrame,
                                                           GroupBox1);
    const QSize Size = chkShowOnStartup->sizeHint();
    const QPoint Line = GroupBox1->mapTo(this, Frame.topLeft());
    chkShowOnStartup->setGeometry(Line.x() + 8, Line.y() - Size.height() / 2, Size.width(), Size.height());
    chkShowOnStartup->setAutoFillBackground(true);
    chkShowOnStartup->raise();
}
