// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "platform/Help.h"
#include "platform/Prompts.h"

TApplication::TApplication(int& Argc, char** Argv) : QApplication(Argc, Argv)
{
    setApplicationName(QStringLiteral("datevane"));
    help::InstallF1Key(*this);
}

bool TApplication::notify(QObject* Receiver, QEvent* Event)
{
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& Error) {
        ReportUncaughtError(Error);
    }
    return false;
}

void ReportUncaughtError(const std::exception& Error)
{
    QString Text = QString::fromLocal8Bit(Error.what());
    if (!Text.endsWith(u'.')) Text += u'.';
    prompts::TMessage Message = prompts::ErrorMessage(Text);
    Message.Title = QString::fromLatin1(ApplicationTitle);
    prompts::Show(Message);
}
