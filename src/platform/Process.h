// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting another program and waiting for it while this program's windows
// keep working.

#include <memory>
#include <string>
#include <vector>

class QProcess;

namespace platform {

class TStartedProgram {
public:
    enum class TWait { Ended, TimedOut, Interrupted };

    explicit TStartedProgram(std::unique_ptr<QProcess> Process);
    // Leaves a program that still runs running.
    ~TStartedProgram();
    TStartedProgram(const TStartedProgram&) = delete;
    TStartedProgram& operator=(const TStartedProgram&) = delete;

    // Handles this program's events until the started program ends or
    // Milliseconds have passed. Interrupted when the application leaves its
    // event loops (it is quitting) before either happens.
    TWait WaitForEnd(int Milliseconds);

private:
    std::unique_ptr<QProcess> Process_;
};

// Starts Program with Arguments, with this program's environment and current
// folder and its window shown normally; nothing when it cannot be started.
std::unique_ptr<TStartedProgram> StartProgram(const std::string& Program, const std::vector<std::string>& Arguments);

}  // namespace platform
