// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Aeevent.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <charconv>

#include "data/Dateutil.h"
#include "data/Pstrutil.h"
#include "platform/Ansi.h"
#include "platform/Forms.h"
#include "platform/MaskEdit.h"
#include "platform/Prompts.h"
#include "platform/SpinEdit.h"

namespace {

// The number a text of digits spells; nullopt when it does not fit.
std::optional<int64_t> Number(const std::string& Digits)
{
    int64_t Value = 0;
    const auto [End, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), Value);
    if (Error != std::errc() || End != Digits.data() + Digits.size()) return std::nullopt;
    return Value;
}

}  // namespace

int32_t BoundYear(const std::string& YearText)
{
    if (StripSpaces(YearText).empty()) return 1996;
    if (!IsAllDigits(YearText)) return -1;
    return static_cast<int32_t>(Number(YearText).value_or(-1));
}

std::string YearFault(const std::string& YearText, uint16_t Current)
{
    if (StripSpaces(YearText).empty()) return {};
    if (!IsAllDigits(YearText)) return "Invalid, non-numeric year entered.";
    const std::optional<int64_t> Year = Number(YearText);
    if (!Year || *Year > Current) return "Year cannot be greater than this year.";
    return {};
}

int32_t OrigYearFromText(const std::string& YearText)
{
    const std::string Digits = StripChar(YearText, ' ');
    if (Digits.empty()) return -1;
    return static_cast<int32_t>(Number(Digits).value_or(-1));
}

TfrmAEEvent::TfrmAEEvent(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAEEvent"));
    setModal(true);

    GroupBox1 = new QGroupBox(QStringLiteral(" Anniversary Details "), this);
    Label1 = new QLabel(QStringLiteral("Day Number :"), GroupBox1);
    Label2 = new QLabel(QStringLiteral("Anniversary :"), GroupBox1);
    Label3 = new QLabel(QStringLiteral("First Year :"), GroupBox1);
    spedDayNumber = new TSpinEdit(GroupBox1);
    edtEventText = new QLineEdit(GroupBox1);
    mskEdYear = new TMaskEdit(4, GroupBox1);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    const std::pair<QObject*, const char*> Names[] = {
        {GroupBox1, "GroupBox1"}, {Label1, "Label1"}, {Label2, "Label2"}, {Label3, "Label3"},
        {spedDayNumber, "spedDayNumber"}, {edtEventText, "edtEventText"}, {mskEdYear, "mskEdYear"},
        {btnOK, "btnOK"}, {btnCancel, "btnCancel"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    edtEventText->setMaxLength(MaxTextLength);
    edtEventText->setValidator(new TAnsiValidator(edtEventText));
    edtEventText->setMinimumWidth(edtEventText->fontMetrics().horizontalAdvance(QString(40, u'n')));
    spedDayNumber->setFixedWidth(spedDayNumber->sizeHint().width());
    mskEdYear->setFixedWidth(mskEdYear->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    btnOK->setDefault(true);

    auto* Boxes = new QGridLayout(GroupBox1);
    const std::pair<QLabel*, QWidget*> Rows[] = {{Label1, spedDayNumber}, {Label2, edtEventText}, {Label3, mskEdYear}};
    int Row = 0;
    for (const auto& [Label, Box] : Rows) {
        Label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label->setBuddy(Box);
        Boxes->addWidget(Label, Row, 0);
        Boxes->addWidget(Box, Row++, 1, Qt::AlignLeft);
    }
    auto* Buttons = new QHBoxLayout;
    Buttons->addStretch();
    Buttons->addWidget(btnOK);
    Buttons->addWidget(btnCancel);
    auto* Form = new QVBoxLayout(this);
    Form->addWidget(GroupBox1);
    Form->addLayout(Buttons);
    Form->setSizeConstraint(QLayout::SetFixedSize);

    connect(edtEventText, &QLineEdit::textChanged, this, &TfrmAEEvent::edtEventTextChange);
    connect(spedDayNumber, &TSpinEdit::KeyDown, this, &TfrmAEEvent::spedDayNumberKeyDown);
    connect(mskEdYear, &TMaskEdit::Enter, this, &TfrmAEEvent::mskEdYearEnter);
    connect(mskEdYear, &TMaskEdit::Exit, this, &TfrmAEEvent::mskEdYearExit);
    connect(mskEdYear, &TMaskEdit::MouseDown, this, &TfrmAEEvent::mskEdYearMouseDown);
    connect(btnOK, &QPushButton::clicked, this, &TfrmAEEvent::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmAEEvent::btnCancelClick);
}

void TfrmAEEvent::SetEventText(const QString& Text)
{
    edtEventText->setMaxLength(std::max<int>(MaxTextLength, static_cast<int>(Text.size())));
    edtEventText->setText(Text);
}

void TfrmAEEvent::EnableControls()
{
    btnOK->setEnabled(!StripSpaces(QStringToAnsi(edtEventText->text())).empty());
}

void TfrmAEEvent::FormShow()
{
    ApplyYearRule();
}

void TfrmAEEvent::FormActivate()
{
    EnableControls();
    spedDayNumber->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmAEEvent::FormClose()
{
    edtEventText->setText(AnsiToQString(StripSpaces(QStringToAnsi(edtEventText->text()))));
}

void TfrmAEEvent::edtEventTextChange()
{
    // A long stored text may only shrink back towards the box's own limit.
    const int Length = static_cast<int>(edtEventText->text().size());
    if (edtEventText->maxLength() > Length) edtEventText->setMaxLength(std::max(MaxTextLength, Length));
    EnableControls();
}

void TfrmAEEvent::spedDayNumberKeyDown(QKeyEvent* Event)
{
    if (Event->key() != Qt::Key_Escape) return;
    Event->accept();
    btnCancelClick();
}

void TfrmAEEvent::mskEdYearEnter()
{
    mskEdYear->setSelection(0, mskEdYear->maxLength());
}

void TfrmAEEvent::mskEdYearMouseDown(Qt::MouseButton Button)
{
    if (Button == Qt::LeftButton) mskEdYear->setSelection(0, mskEdYear->maxLength());
}

void TfrmAEEvent::mskEdYearExit()
{
    ApplyYearRule();
}

void TfrmAEEvent::btnOKClick()
{
    const std::string Fault = YearFault(mskEdYear->Text().toStdString(), CurrentYear());
    if (!Fault.empty()) {
        prompts::Show(prompts::TBeep::Asterisk, prompts::ErrorMessage(QString::fromStdString(Fault)));
        FormActivate();  // the dialog is active again now that the box has gone
        return;
    }
    // A day typed past the month's length and confirmed with Enter never
    // left the box, so it is brought into range here.
    spedDayNumber->CheckValue();
    done(mrOk);
}

void TfrmAEEvent::btnCancelClick()
{
    done(mrCancel);
}

void TfrmAEEvent::done(int Result)
{
    FormClose();
    QDialog::done(Result);
}

void TfrmAEEvent::reject()
{
    btnCancelClick();
}

void TfrmAEEvent::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    CentreOnScreen(this);
    FormShow();
}

bool TfrmAEEvent::event(QEvent* Event)
{
    const bool Handled = QDialog::event(Event);
    if (Event->type() == QEvent::WindowActivate) FormActivate();
    return Handled;
}

void TfrmAEEvent::ApplyYearRule()
{
    const int32_t Year = BoundYear(mskEdYear->Text().toStdString());
    spedDayNumber->SetMaxValue(DaysInMonth(static_cast<uint16_t>(SelectedMonth), static_cast<uint16_t>(Year)));
}
