// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private X server (Xvfb) for the end-to-end tests, programs started in it,
// and the user's hands: xdotool sends real key presses and mouse clicks
// through the XTEST extension, so they reach a program the way a user's do.
// Every wait polls with a deadline and throws when the deadline passes, with
// a screenshot of the screen when `import` is there to take one.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
// Generous: the program holds its splash window for three seconds and runs
// several times slower in the sanitizer build on a loaded machine.
constexpr std::chrono::milliseconds WaitLimit = 40s;

// A started program. The destructor kills it when it is still running.
class TProcess {
public:
    // Environment: this process's, with the NAME=VALUE entries of Extra set
    // and the NAME= entries without a value removed.
    TProcess(const std::vector<std::string>& Argv, const std::vector<std::string>& Extra = {});
    ~TProcess();
    TProcess(const TProcess&) = delete;
    TProcess& operator=(const TProcess&) = delete;

    pid_t Pid() const { return Pid_; }
    bool Running();
    // The exit status once the program has ended; throws at the deadline.
    int WaitForExit(std::chrono::milliseconds Limit = WaitLimit);

private:
    pid_t Pid_ = -1;
    std::optional<int> Status_;  // waitpid status
};

// Runs a command to its end; its standard output, or nullopt when it fails.
std::optional<std::string> Capture(const std::vector<std::string>& Argv);

// The X server, started once for the whole test program.
class TXServer {
public:
    TXServer();
    ~TXServer();
    TXServer(const TXServer&) = delete;
    TXServer& operator=(const TXServer&) = delete;

    const std::string& Display() const { return Display_; }

private:
    std::optional<TProcess> Server_;
    std::string Display_;
};

using TWindow = std::string;  // an X window id as xdotool prints it

// A pattern for xdotool's --name that matches Title exactly.
std::string ExactTitle(const std::string& Title);

// The mapped window whose title matches Pattern; throws at the deadline or
// when Owner ends before the window appears.
TWindow WaitForWindow(const std::string& Pattern, TProcess* Owner = nullptr);
// Waits until no mapped window's title matches Pattern.
void WaitForNoWindow(const std::string& Pattern);
// Waits until Window holds the keyboard focus, so that keys go to it. The
// program gives it to the dialogs and message boxes it opens.
void WaitForFocus(const TWindow& Window);
// Both: the window is up and takes the keys.
TWindow WaitForActiveWindow(const std::string& Pattern, TProcess* Owner = nullptr);
// Gives Window the keyboard focus, standing in for the window manager (the
// server runs without one), which does so for a new main window and when a
// dialog closes.
void Activate(const TWindow& Window);

// Key names as xdotool takes them: "ctrl+e", "Return", "alt+f", "F3".
void PressKeys(const std::vector<std::string>& Keys);
void TypeText(const std::string& Text);
// A left click at X, Y inside Window.
void Click(const TWindow& Window, int X, int Y);

// Polls until Ready() holds; throws with What at the deadline.
template <typename Condition>
void WaitUntil(const std::string& What, Condition Ready);
void Fail(const std::string& What);  // throws, after saving a screenshot
void PauseBriefly();                   // one polling step

template <typename Condition>
void WaitUntil(const std::string& What, Condition Ready)
{
    const auto Deadline = std::chrono::steady_clock::now() + WaitLimit;
    while (!Ready()) {
        if (std::chrono::steady_clock::now() > Deadline) Fail("timed out waiting for " + What);
        PauseBriefly();
    }
}

}  // namespace e2e
