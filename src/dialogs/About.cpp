// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/About.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Ansi.h"
#include "platform/FileSystem.h"
#include "platform/Forms.h"
#include "platform/Verinfo.h"

QIcon ProgramIcon()
{
    QIcon Icon;
    for (const int Size : {16, 32, 48, 64, 128, 256})
        Icon.addFile(QStringLiteral(":/datevane/icons/datevane-%1.png").arg(Size), QSize(Size, Size));
    return Icon;
}

TAboutTexts ReadAboutTexts(const std::string& ExeName)
{
    const TVersionInfo Info(ExeName);
    return {QStringLiteral("Version - ") + AnsiToQString(Info.GetKeyValue(vkFileVersion)),
            AnsiToQString(Info.GetKeyValue(vkLegalCopyright))};
}

TfrmAbout::TfrmAbout(QWidget* Parent, std::string ExeName)
    : QDialog(Parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ExeName_(ExeName.empty() ? platform::ExecutablePath() : std::move(ExeName))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(ProgramIcon());
    setModal(true);

    Icon = new QLabel(this);
    lblSystemName = new QLabel(this);
    lblVersion = new QLabel(this);
    lblCopyright = new QLabel(this);
    Bevel1 = new QFrame(this);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    const std::pair<QObject*, const char*> Names[] = {
        {Icon, "Icon"}, {lblSystemName, "lblSystemName"}, {lblVersion, "lblVersion"},
        {lblCopyright, "lblCopyright"}, {Bevel1, "Bevel1"}, {btnOK, "btnOK"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    Icon->setPixmap(ProgramIcon().pixmap(32, 32));
    Icon->setFixedSize(32, 32);
    // The title line keeps one width so the window does not change with the texts.
    lblSystemName->setMinimumWidth(lblSystemName->fontMetrics().horizontalAdvance(QLatin1String(SystemName)) + 24);
    for (QLabel* Label : {lblSystemName, lblVersion, lblCopyright}) Label->setAlignment(Qt::AlignCenter);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    btnOK->setDefault(true);
    btnOK->setMinimumWidth(75);

    auto* Texts = new QVBoxLayout;
    Texts->addWidget(lblSystemName);
    Texts->addWidget(lblVersion);
    Texts->addWidget(lblCopyright);
    auto* Top = new QHBoxLayout;
    Top->addWidget(Icon, 0, Qt::AlignTop | Qt::AlignLeft);
    Top->addLayout(Texts, 1);
    Top->addSpacing(32);  // as wide as the icon, so the texts sit in the middle
    auto* Buttons = new QHBoxLayout;
    Buttons->addStretch();
    Buttons->addWidget(btnOK);
    Buttons->addStretch();
    auto* Form = new QVBoxLayout(this);
    Form->addLayout(Top);
    Form->addStretch();
    Form->addWidget(Bevel1);
    Form->addLayout(Buttons);

    connect(btnOK, &QPushButton::clicked, this, [this] { done(mrOk); });
}

void TfrmAbout::FormShow()
{
    lblSystemName->setText(QLatin1String(SystemName));
    const TAboutTexts Texts = ReadAboutTexts(ExeName_);
    lblVersion->setText(Texts.Version);
    lblCopyright->setText(Texts.Copyright);
}

void TfrmAbout::showEvent(QShowEvent* Event)
{
    FormShow();
    adjustSize();
    CentreOnScreen(this);
    QDialog::showEvent(Event);
}

void TfrmAbout::keyPressEvent(QKeyEvent* Event)
{
    // Escape does not close this window; Enter presses OK.
    if (Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier) {
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}
