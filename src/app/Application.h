// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object. A failure that no command handles ends that command
// and is shown in an error box titled with the application title; the program
// carries on.

#include <QApplication>
#include <exception>

inline constexpr const char* ApplicationTitle = "Datevane Anniversary Reminder";

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& Argc, char** Argv);

    bool notify(QObject* Receiver, QEvent* Event) override;
};

// Shows a failure that nobody handled: its text with a full stop at the end.
void ReportUncaughtError(const std::exception& Error);
// Runs Command, reporting any failure instead of letting it escape.
template <typename Command>
void RunGuarded(Command&& Run)
{
    try {
        Run();
    } catch (const std::exception& Error) {
        ReportUncaughtError(Error);
    }
}
