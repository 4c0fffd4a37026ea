// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Process.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

namespace platform {

namespace {

// Programs let go while still running; kept reachable so that they are never
// destroyed, which would kill them, nor taken for leaked memory.
void KeepRunning(std::unique_ptr<QProcess> Process)
{
    static auto* Running = new std::vector<std::unique_ptr<QProcess>>;
    Running->push_back(std::move(Process));
}

}  // namespace

TStartedProgram::TStartedProgram(std::unique_ptr<QProcess> Process) : Process_(std::move(Process)) {}

TStartedProgram::~TStartedProgram()
{
    // Destroying a QProcess kills its program, and the program must outlive
    // the wait: the object is let go instead. This only happens while the
    // application is quitting.
    if (Process_->state() != QProcess::NotRunning) {
        Process_->disconnect();
        KeepRunning(std::move(Process_));
    }
}

TStartedProgram::TWait TStartedProgram::WaitForEnd(int Milliseconds)
{
    if (Process_->state() == QProcess::NotRunning) return TWait::Ended;
    QEventLoop Loop;
    bool TimedOut = false;
    QObject::connect(Process_.get(), &QProcess::finished, &Loop, &QEventLoop::quit);
    QTimer::singleShot(Milliseconds, &Loop, [&] {
        TimedOut = true;
        Loop.quit();
    });
    Loop.exec();
    if (Process_->state() == QProcess::NotRunning) return TWait::Ended;
    return TimedOut ? TWait::TimedOut : TWait::Interrupted;
}

std::unique_ptr<TStartedProgram> StartProgram(const std::string& Program, const std::vector<std::string>& Arguments)
{
    auto Process = std::make_unique<QProcess>();
    QStringList List;
    for (const std::string& Argument : Arguments) List << QFile::decodeName(Argument.c_str());
    // Nothing of this program's is handed down but the error output, so the
    // started program may outlive it without writing into a closed pipe.
    Process->setStandardInputFile(QProcess::nullDevice());
    Process->setStandardOutputFile(QProcess::nullDevice());
    Process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Process->start(QFile::decodeName(Program.c_str()), List);
    if (!Process->waitForStarted()) return nullptr;
    return std::make_unique<TStartedProgram>(std::move(Process));
}

}  // namespace platform
