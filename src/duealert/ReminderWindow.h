// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reminder's window: the anniversaries just past and those coming, with
// the age each one reaches and the days to go, or what keeps it from listing
// them. It closes by itself after a number of seconds unless it is to stay
// until the user closes it.

#include <QWidget>

#include "data/Forthcoming.h"

class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
struct TReminderRun;

// The texts of a list line beside the date and the anniversary's own text.
QString AgeText(const TOccurrence& Occurrence);   // "turns 40", "turned 40", or empty
QString WhenText(const TOccurrence& Occurrence);  // "today", "tomorrow", "in 3 days", "yesterday", "5 days ago"

class TfrmReminder : public QWidget {
    Q_OBJECT
public:
    TfrmReminder(const TReminderRun& Run, const TCalendarDate& Today);

    QLabel* lblToday;
    QLabel* lblFile;
    QLabel* lblProblem;
    QTreeWidget* lstAnniversaries;
    QLabel* lblCountdown;
    QPushButton* btnClose;

    int SecondsLeft() const { return SecondsLeft_; }

private:
    void Fill(const TForthcoming& Anniversaries);
    void Tick();
    void ShowCountdown();

    QTimer* Countdown_;
    int SecondsLeft_ = 0;
};
