// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Find.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Pstrutil.h"
#include "platform/Ansi.h"
#include "platform/Forms.h"
#include "platform/Help.h"
#include "platform/Prompts.h"

TfrmFind::TfrmFind(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find..."));
    setModal(true);
    help::SetHelpContext(this, help::FindDialog);

    GroupBox1 = new QGroupBox(QStringLiteral(" What? "), this);
    cboSearchString = new QLineEdit(GroupBox1);
    GroupBox3 = new QGroupBox(QStringLiteral(" How? "), this);
    chkMatchCase = new QCheckBox(QStringLiteral("Case Sensitive"), GroupBox3);
    chkWholeWords = new QCheckBox(QStringLiteral("Whole Words Only"), GroupBox3);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    const std::pair<QObject*, const char*> Names[] = {
        {GroupBox1, "GroupBox1"}, {cboSearchString, "cboSearchString"}, {GroupBox3, "GroupBox3"},
        {chkMatchCase, "chkMatchCase"}, {chkWholeWords, "chkWholeWords"}, {btnOK, "btnOK"}, {btnCancel, "btnCancel"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    // Anniversary texts are Windows-1252; a character they cannot hold could never match.
    cboSearchString->setValidator(new TAnsiValidator(cboSearchString));
    cboSearchString->setMinimumWidth(cboSearchString->fontMetrics().horizontalAdvance(QString(30, u'n')));
    btnOK->setDefault(true);
    btnCancel->setAutoDefault(false);

    (new QVBoxLayout(GroupBox1))->addWidget(cboSearchString);
    auto* How = new QVBoxLayout(GroupBox3);
    How->addWidget(chkMatchCase);
    How->addWidget(chkWholeWords);
    auto* Buttons = new QVBoxLayout;
    Buttons->addWidget(btnOK);
    Buttons->addWidget(btnCancel);
    Buttons->addStretch();
    auto* Boxes = new QVBoxLayout;
    Boxes->addWidget(GroupBox1);
    Boxes->addWidget(GroupBox3);
    auto* Form = new QHBoxLayout(this);
    Form->addLayout(Boxes);
    Form->addLayout(Buttons);
    Form->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &TfrmFind::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmFind::btnCancelClick);
}

TSearchCriteria TfrmFind::Criteria() const
{
    return {QStringToAnsi(cboSearchString->text()), chkMatchCase->isChecked(), chkWholeWords->isChecked()};
}

bool TfrmFind::ValidSearch()
{
    if (!StripSpaces(QStringToAnsi(cboSearchString->text())).empty()) return true;
    prompts::Show(prompts::TBeep::Asterisk, prompts::ErrorMessage(QStringLiteral("You have not entered a text to search for.")));
    cboSearchString->setFocus(Qt::OtherFocusReason);
    return false;
}

void TfrmFind::FormShow()
{
    cboSearchString->setFocus(Qt::OtherFocusReason);
    cboSearchString->selectAll();
}

void TfrmFind::btnOKClick()
{
    if (ValidSearch()) done(mrOk);
}

void TfrmFind::btnCancelClick()
{
    done(mrCancel);
}

void TfrmFind::reject()
{
    btnCancelClick();
}

void TfrmFind::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    CentreOnScreen(this);
    FormShow();
}
