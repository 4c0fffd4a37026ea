// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/Print.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>

#include "app/Application.h"
#include "data/Evntlist.h"
#include "data/Globals.h"
#include "data/Pstrutil.h"
#include "platform/Ansi.h"
#include "platform/Forms.h"
#include "platform/Help.h"
#include "platform/PrintDialogs.h"
#include "platform/Prompts.h"
#include "platform/RadioGroup.h"
#include "printing/Listrpt.h"

namespace {

QStringList JustifyItems()
{
    return {QStringLiteral("Left Justify"), QStringLiteral("Centre"), QStringLiteral("Right Justify")};
}

Qt::Alignment Justification(const TRadioGroup& Group)
{
    switch (Group.ItemIndex()) {
    case 1:
        return Qt::AlignHCenter;
    case 2:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

QFont InitialFont(int PointSize)
{
    QFont Font(QStringLiteral("Arial"), PointSize, QFont::Bold);
    Font.setStyleHint(QFont::SansSerif);
    return Font;
}

bool Blank(const QLineEdit* Box)
{
    return StripSpaces(QStringToAnsi(Box->text())).empty();
}

}  // namespace

QString TimeStampText(const QDateTime& Now, const QLocale& Locale)
{
    // The long time format may name the time zone; the stamp gives the
    // clock's time only.
    QString TimeFormat = Locale.timeFormat(QLocale::LongFormat);
    TimeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return QStringLiteral("As of: ") + Locale.toString(Now.date(), QLocale::ShortFormat) + QStringLiteral(" at ")
           + Locale.toString(Now.time(), TimeFormat.trimmed());
}

uint16_t LastMonthWithAnniversaries(const TEventsList& Book)
{
    uint16_t Month = 12;
    while (Month > 0 && Book.Months[Month]->IsEmpty()) --Month;
    return Month;
}

bool PrinterAvailable(const QPrinter& Printer)
{
    // Without any printer the printer object falls back to writing a PDF
    // file, which prints nowhere until a file has been named.
    if (Printer.outputFormat() == QPrinter::PdfFormat) return !Printer.outputFileName().isEmpty();
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool TFontDialog::Execute(QWidget* Parent)
{
    const std::optional<QFont> Chosen = printdialogs::ChooseFont(Font, Parent);
    if (Chosen) Font = *Chosen;
    return Chosen.has_value();
}

TfrmPrintEvents::TfrmPrintEvents(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmPrintEvents"));
    setWindowTitle(QStringLiteral("Print Anniversaries"));
    help::SetHelpContext(this, help::PrintAnniversaries);
    setModal(true);

    GroupBox3 = new QGroupBox(QStringLiteral(" Page Header "), this);
    Label4 = new QLabel(QStringLiteral("Text :"), GroupBox3);
    edtHeader = new QLineEdit(GroupBox3);
    btnHeaderFont = new QPushButton(QStringLiteral("Font..."), GroupBox3);
    HeaderJustify = new TRadioGroup(QString(), JustifyItems(), GroupBox3);
    GroupBox2 = new QGroupBox(QStringLiteral(" Page Footer "), this);
    Label5 = new QLabel(QStringLiteral("Text :"), GroupBox2);
    edtFooter = new QLineEdit(GroupBox2);
    btnFooterFont = new QPushButton(QStringLiteral("Font..."), GroupBox2);
    FooterJustify = new TRadioGroup(QString(), JustifyItems(), GroupBox2);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnPreview = new QPushButton(QStringLiteral("Preview..."), this);
    const std::pair<QObject*, const char*> Names[] = {
        {GroupBox3, "GroupBox3"}, {Label4, "Label4"}, {edtHeader, "edtHeader"}, {btnHeaderFont, "btnHeaderFont"},
        {HeaderJustify, "HeaderJustify"}, {GroupBox2, "GroupBox2"}, {Label5, "Label5"}, {edtFooter, "edtFooter"},
        {btnFooterFont, "btnFooterFont"}, {FooterJustify, "FooterJustify"}, {btnOK, "btnOK"},
        {btnCancel, "btnCancel"}, {btnPreview, "btnPreview"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    fdlgHeaderFont.Font = InitialFont(16);
    fdlgFooterFont.Font = InitialFont(10);

    const std::tuple<QGroupBox*, QLabel*, QLineEdit*, QPushButton*, TRadioGroup*> Groups[] = {
        {GroupBox3, Label4, edtHeader, btnHeaderFont, HeaderJustify},
        {GroupBox2, Label5, edtFooter, btnFooterFont, FooterJustify}};
    for (const auto& [Group, Label, Box, Button, Justify] : Groups) {
        Box->setValidator(new TAnsiValidator(Box));
        Box->setMinimumWidth(Box->fontMetrics().horizontalAdvance(QString(44, u'n')));
        Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label->setBuddy(Box);
        Justify->SetColumns(3);
        Justify->SetItemIndex(0);
        auto* Grid = new QGridLayout(Group);
        Grid->addWidget(Label, 0, 0);
        Grid->addWidget(Box, 0, 1);
        Grid->addWidget(Button, 0, 2);
        Grid->addWidget(Justify, 1, 1, 1, 2);
    }
    for (QPushButton* Button : {btnHeaderFont, btnFooterFont, btnOK, btnCancel}) Button->setAutoDefault(false);
    btnPreview->setDefault(true);

    auto* Buttons = new QHBoxLayout;
    Buttons->addStretch();
    Buttons->addWidget(btnOK);
    Buttons->addWidget(btnCancel);
    Buttons->addWidget(btnPreview);
    auto* Form = new QVBoxLayout(this);
    Form->addWidget(GroupBox3);
    Form->addWidget(GroupBox2);
    Form->addLayout(Buttons);
    Form->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(edtHeader, btnHeaderFont);
    setTabOrder(btnHeaderFont, HeaderJustify);
    setTabOrder(HeaderJustify, edtFooter);
    setTabOrder(edtFooter, btnFooterFont);
    setTabOrder(btnFooterFont, FooterJustify);
    setTabOrder(FooterJustify, btnOK);
    setTabOrder(btnOK, btnCancel);
    setTabOrder(btnCancel, btnPreview);

    connect(edtHeader, &QLineEdit::textChanged, this, &TfrmPrintEvents::edtHeaderChange);
    connect(edtFooter, &QLineEdit::textChanged, this, &TfrmPrintEvents::edtHeaderChange);
    connect(btnHeaderFont, &QPushButton::clicked, this, &TfrmPrintEvents::btnHeaderFontClick);
    connect(btnFooterFont, &QPushButton::clicked, this, &TfrmPrintEvents::btnFooterFontClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmPrintEvents::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmPrintEvents::reject);
    connect(btnPreview, &QPushButton::clicked, this, &TfrmPrintEvents::btnPreviewClick);
    FormCreate();
}

void TfrmPrintEvents::SetReport(TListReport* Report, QPrinter* Printer)
{
    ListReport_ = Report;
    Printer_ = Printer;
}

void TfrmPrintEvents::FormCreate()
{
    edtHeader->setText(DefaultMarker);
    edtFooter->setText(DefaultMarker);
}

void TfrmPrintEvents::FormShow()
{
    if (edtHeader->text() == DefaultMarker) edtHeader->clear();
    if (edtFooter->text() == DefaultMarker) edtFooter->clear();
    EnableControls();
}

void TfrmPrintEvents::EnableControls()
{
    const bool Header = !Blank(edtHeader);
    btnHeaderFont->setEnabled(Header);
    HeaderJustify->setEnabled(Header);
    const bool Footer = !Blank(edtFooter);
    btnFooterFont->setEnabled(Footer);
    FooterJustify->setEnabled(Footer);
}

void TfrmPrintEvents::edtHeaderChange()
{
    EnableControls();
}

void TfrmPrintEvents::btnHeaderFontClick()
{
    fdlgHeaderFont.Execute(this);
}

void TfrmPrintEvents::btnFooterFontClick()
{
    fdlgFooterFont.Execute(this);
}

void TfrmPrintEvents::SetReportParameters()
{
    TListReport& Report = *ListReport_;
    Report.QuickReport.PaperSize = QSizeF(210, 297);  // A4 portrait
    Report.QRLSystemName.Text = QString::fromLatin1(ApplicationTitle);
    Report.QRLEventsList.Text = PathToQString(ExtractFileName(EventsList->GetFileName()));
    // An empty book gives 0: no month is walked, and none is read past January.
    Report.LastMonth = LastMonthWithAnniversaries(*EventsList);
    Report.QRLHeader.Font = fdlgHeaderFont.Font;
    Report.QRLHeader.Text = edtHeader->text();
    Report.QRLHeader.Alignment = Justification(*HeaderJustify);
    Report.QRLFooter.Font = fdlgFooterFont.Font;
    Report.QRLFooter.Text = edtFooter->text();
    Report.QRLFooter.Alignment = Justification(*FooterJustify);
    Report.QRLTimeStamp.Text = TimeStampText(QDateTime::currentDateTime(), QLocale::system());
    Report.CurrentMonth = 0;
}

void TfrmPrintEvents::btnOKClick()
{
    SetReportParameters();
    if (!PrinterAvailable(*Printer_)) {
        prompts::Show(prompts::TBeep::Asterisk,
                      prompts::ErrorMessage(QStringLiteral("There is no printer installed. Use Preview... to see "
                                                           "the report or to save it as a PDF file.")));
        return;
    }
    if (!ListReport_->QuickReport.Print(*Printer_, this)) {
        prompts::Show(prompts::TBeep::Asterisk,
                      prompts::ErrorMessage(QStringLiteral("Unable to print on ") + Printer_->printerName()));
        return;
    }
    done(mrOk);
}

void TfrmPrintEvents::btnPreviewClick()
{
    SetReportParameters();
    ListReport_->QuickReport.Preview(*Printer_, this);
}

void TfrmPrintEvents::reject()
{
    done(mrCancel);
}

void TfrmPrintEvents::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    CentreOnScreen(this);
    FormShow();
}
