// SPDX-License-Identifier: GPL-3.0-or-later
#include "duealert/ReminderWindow.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "duealert/Reminder.h"
#include "platform/Ansi.h"

namespace {

enum TColumn { DateColumn, TextColumn, AgeColumn, WhenColumn, ColumnCount };

QString DateText(const TCalendarDate& Date, const char* Format)
{
    return QLocale::c().toString(QDate(Date.Year, Date.Month, Date.Day), QLatin1String(Format));
}

}  // namespace

QString AgeText(const TOccurrence& Occurrence)
{
    if (Occurrence.Age < 0) return {};
    return (Occurrence.DaysToGo < 0 ? QStringLiteral("turned ") : QStringLiteral("turns "))
           + QString::number(Occurrence.Age);
}

QString WhenText(const TOccurrence& Occurrence)
{
    const int Days = Occurrence.DaysToGo;
    if (Days == 0) return QStringLiteral("today");
    if (Days == 1) return QStringLiteral("tomorrow");
    if (Days == -1) return QStringLiteral("yesterday");
    if (Days > 0) return QStringLiteral("in %1 days").arg(Days);
    return QStringLiteral("%1 days ago").arg(-Days);
}

TfrmReminder::TfrmReminder(const TReminderRun& Run, const TCalendarDate& Today)
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(QStringLiteral("Datevane Event Reminder"));
    setAttribute(Qt::WA_QuitOnClose);

    lblToday = new QLabel(QStringLiteral("Today is ") + DateText(Today, "dddd d MMMM yyyy"), this);
    lblFile = new QLabel(this);
    if (!Run.BookFile.empty()) lblFile->setText(QStringLiteral("From ") + PathToQString(Run.BookFile));
    lblFile->setVisible(!lblFile->text().isEmpty());
    lblProblem = new QLabel(PathToQString(Run.Problem), this);  // the paths in it are the system's bytes
    lstAnniversaries = new QTreeWidget(this);
    lblCountdown = new QLabel(this);
    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    lblToday->setObjectName(QStringLiteral("lblToday"));
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lstAnniversaries->setObjectName(QStringLiteral("lstAnniversaries"));
    lblCountdown->setObjectName(QStringLiteral("lblCountdown"));
    btnClose->setObjectName(QStringLiteral("btnClose"));

    QFont Heading = lblToday->font();
    Heading.setBold(true);
    Heading.setPointSizeF(Heading.pointSizeF() * 1.2);
    lblToday->setFont(Heading);
    lblProblem->setWordWrap(true);
    lblProblem->setMinimumWidth(360);
    lblProblem->setVisible(!Run.Problem.empty());
    lstAnniversaries->setVisible(Run.Problem.empty());
    btnClose->setDefault(true);

    lstAnniversaries->setColumnCount(ColumnCount);
    lstAnniversaries->setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Anniversary"), QStringLiteral("Age"),
                                       QStringLiteral("When")});
    for (const int Column : {AgeColumn, WhenColumn})
        lstAnniversaries->headerItem()->setTextAlignment(Column, Qt::AlignRight | Qt::AlignVCenter);
    lstAnniversaries->setRootIsDecorated(false);
    lstAnniversaries->setSelectionMode(QAbstractItemView::NoSelection);
    lstAnniversaries->setFocusPolicy(Qt::NoFocus);
    lstAnniversaries->header()->setStretchLastSection(false);
    lstAnniversaries->header()->setSectionsMovable(false);
    if (Run.Problem.empty()) Fill(Run.Anniversaries);

    auto* Bottom = new QHBoxLayout;
    Bottom->addWidget(lblCountdown, 1);
    Bottom->addWidget(btnClose);
    auto* Form = new QVBoxLayout(this);
    Form->addWidget(lblToday);
    Form->addWidget(lblFile);
    Form->addWidget(lblProblem);
    Form->addWidget(lstAnniversaries, 1);
    Form->addLayout(Bottom);

    Countdown_ = new QTimer(this);
    Countdown_->setInterval(1000);
    connect(Countdown_, &QTimer::timeout, this, &TfrmReminder::Tick);
    connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
    if (!Run.Settings.ManualClose) {
        SecondsLeft_ = std::max(1, Run.Settings.ShowForSecs);
        Countdown_->start();
    }
    ShowCountdown();
}

void TfrmReminder::Fill(const TForthcoming& Anniversaries)
{
    QFont Bold = lstAnniversaries->font();
    Bold.setBold(true);
    const QColor Past = palette().color(QPalette::Disabled, QPalette::Text);
    const auto Heading = [&](const QString& Caption) {
        auto* Item = new QTreeWidgetItem(lstAnniversaries, {Caption});
        Item->setFirstColumnSpanned(true);
        Item->setFont(DateColumn, Bold);
    };
    const auto Line = [&](const TOccurrence& One) {
        auto* Item = new QTreeWidgetItem(lstAnniversaries, {DateText(One.Date, "ddd d MMM yyyy"),
                                                           AnsiToQString(One.Text), AgeText(One), WhenText(One)});
        Item->setTextAlignment(AgeColumn, Qt::AlignRight | Qt::AlignVCenter);
        Item->setTextAlignment(WhenColumn, Qt::AlignRight | Qt::AlignVCenter);
        for (int Column = 0; Column < ColumnCount; ++Column) {
            if (One.DaysToGo < 0) Item->setForeground(Column, Past);
            if (One.DaysToGo == 0) Item->setFont(Column, Bold);
        }
    };
    if (!Anniversaries.Previous.empty()) {
        Heading(QStringLiteral("Recent"));
        for (const TOccurrence& One : Anniversaries.Previous) Line(One);
    }
    if (!Anniversaries.Next.empty()) {
        Heading(QStringLiteral("Coming"));
        for (const TOccurrence& One : Anniversaries.Next) Line(One);
    }
    int Width = 0;
    for (int Column = 0; Column < ColumnCount; ++Column) {
        lstAnniversaries->resizeColumnToContents(Column);
        lstAnniversaries->setColumnWidth(Column, lstAnniversaries->columnWidth(Column) + 12);
        Width += lstAnniversaries->columnWidth(Column);
    }
    const int Rows = lstAnniversaries->topLevelItemCount();
    const int RowHeight = lstAnniversaries->sizeHintForRow(0);
    lstAnniversaries->setMinimumSize(Width + 4, lstAnniversaries->header()->sizeHint().height()
                                                    + std::min(Rows, 24) * RowHeight + 6);
}

void TfrmReminder::Tick()
{
    if (--SecondsLeft_ <= 0) {
        Countdown_->stop();
        close();
        return;
    }
    ShowCountdown();
}

void TfrmReminder::ShowCountdown()
{
    if (!Countdown_->isActive()) {
        lblCountdown->clear();
        return;
    }
    lblCountdown->setText(SecondsLeft_ == 1 ? QStringLiteral("Closes in 1 second")
                                            : QStringLiteral("Closes in %1 seconds").arg(SecondsLeft_));
}
