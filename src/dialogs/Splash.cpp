// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/Splash.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs/About.h"
#include "platform/FileSystem.h"
#include "platform/Forms.h"

TfrmSplash::TfrmSplash(std::string ExeName)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ExeName_(ExeName.empty() ? platform::ExecutablePath() : std::move(ExeName))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QLatin1String(SystemName));
    setWindowIcon(ProgramIcon());

    Panel1 = new QFrame(this);
    Panel2 = new QFrame(Panel1);
    Label1 = new QLabel(Panel2);
    Label2 = new QLabel(Panel2);
    Label3 = new QLabel(Panel2);
    const std::pair<QObject*, const char*> Names[] = {
        {Panel1, "Panel1"}, {Panel2, "Panel2"}, {Label1, "Label1"}, {Label2, "Label2"}, {Label3, "Label3"}};
    for (const auto& [Object, Name] : Names) Object->setObjectName(QLatin1String(Name));

    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(5);
    QFont Title = Label1->font();
    Title.setBold(true);
    Title.setPointSize(12);
    Label1->setFont(Title);
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance(QLatin1String(SystemName)) + 48);
    for (QLabel* Label : {Label1, Label2, Label3}) Label->setAlignment(Qt::AlignCenter);

    auto* Lines = new QVBoxLayout(Panel2);
    Lines->setContentsMargins(16, 16, 16, 16);
    Lines->setSpacing(8);
    Lines->addWidget(Label1);
    Lines->addWidget(Label2);
    Lines->addWidget(Label3);
    auto* Inside = new QVBoxLayout(Panel1);
    Inside->setContentsMargins(6, 6, 6, 6);
    Inside->addWidget(Panel2);
    auto* Whole = new QVBoxLayout(this);
    Whole->setContentsMargins(0, 0, 0, 0);
    Whole->addWidget(Panel1);
}

void TfrmSplash::FormShow()
{
    Label1->setText(QLatin1String(SystemName));
    const TAboutTexts Texts = ReadAboutTexts(ExeName_);
    Label2->setText(Texts.Version);
    Label3->setText(Texts.Copyright);
}

void TfrmSplash::showEvent(QShowEvent* Event)
{
    FormShow();
    adjustSize();
    CentreOnScreen(this);
    QWidget::showEvent(Event);
}

void ShowSplashFor(TfrmSplash& Splash, uint32_t Hold, uint32_t (*Tick)())
{
    Splash.show();
    Splash.repaint();
    const uint32_t Start = Tick();
    // The timer only wakes the wait below now and then, so the hold ends on
    // time even when no other message comes.
    QTimer Wake;
    Wake.start(10);
    while (!HoldIsOver(Start, Tick(), Hold)) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Splash.hide();
}
