// SPDX-License-Identifier: GPL-3.0-or-later
#include "XSession.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

std::vector<char*> Pointers(std::vector<std::string>& Strings)
{
    std::vector<char*> Result;
    for (std::string& String : Strings) Result.push_back(String.data());
    Result.push_back(nullptr);
    return Result;
}

std::vector<std::string> Environment(const std::vector<std::string>& Extra)
{
    std::map<std::string, std::string> Variables;
    for (char** Entry = environ; *Entry; ++Entry) {
        const std::string Text = *Entry;
        const size_t Equals = Text.find('=');
        if (Equals != std::string::npos) Variables[Text.substr(0, Equals)] = Text.substr(Equals + 1);
    }
    for (const std::string& Text : Extra) {
        const size_t Equals = Text.find('=');
        if (Equals + 1 == Text.size())
            Variables.erase(Text.substr(0, Equals));
        else
            Variables[Text.substr(0, Equals)] = Text.substr(Equals + 1);
    }
    std::vector<std::string> Result;
    for (const auto& [Name, Value] : Variables) Result.push_back(Name + "=" + Value);
    return Result;
}

// Starts Argv with the given standard output (-1: inherited) and environment.
pid_t Spawn(std::vector<std::string> Argv, int Output, std::vector<std::string> Env, bool Quiet = false)
{
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    if (Output >= 0) posix_spawn_file_actions_adddup2(&Actions, Output, STDOUT_FILENO);
    if (Quiet) {
        posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&Actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t Pid = -1;
    const std::vector<char*> Args = Pointers(Argv);
    const std::vector<char*> Vars = Pointers(Env);
    const int Error = posix_spawnp(&Pid, Args[0], &Actions, nullptr, Args.data(), Vars.data());
    posix_spawn_file_actions_destroy(&Actions);
    if (Error != 0) throw std::runtime_error("cannot start " + Argv[0] + ": " + std::strerror(Error));
    return Pid;
}

std::vector<std::string> Ids(const std::string& Output)
{
    std::vector<std::string> Result;
    std::istringstream Lines(Output);
    for (std::string Line; std::getline(Lines, Line);)
        if (!Line.empty()) Result.push_back(Line);
    return Result;
}

std::vector<TWindow> MappedWindows(const std::string& Pattern)
{
    // xdotool search fails when nothing matches.
    return Ids(Capture({"xdotool", "search", "--onlyvisible", "--name", Pattern}).value_or(""));
}

TWindow FocusedWindow()
{
    const std::vector<TWindow> Focused = Ids(Capture({"xdotool", "getwindowfocus", "-f"}).value_or(""));
    return Focused.empty() ? TWindow() : Focused.front();
}

void Xdotool(std::vector<std::string> Arguments)
{
    Arguments.insert(Arguments.begin(), "xdotool");
    if (!Capture(Arguments)) throw std::runtime_error("xdotool " + Arguments[1] + " failed");
}

}  // namespace

TProcess::TProcess(const std::vector<std::string>& Argv, const std::vector<std::string>& Extra)
    : Pid_(Spawn(Argv, -1, Environment(Extra)))
{
}

TProcess::~TProcess()
{
    if (!Running()) return;
    kill(Pid_, SIGKILL);
    waitpid(Pid_, nullptr, 0);
}

bool TProcess::Running()
{
    if (Status_) return false;
    int Status = 0;
    if (waitpid(Pid_, &Status, WNOHANG) != Pid_) return true;
    Status_ = Status;
    return false;
}

int TProcess::WaitForExit(std::chrono::milliseconds Limit)
{
    const auto Deadline = std::chrono::steady_clock::now() + Limit;
    while (Running()) {
        if (std::chrono::steady_clock::now() > Deadline) Fail("timed out waiting for the program to end");
        PauseBriefly();
    }
    return WIFEXITED(*Status_) ? WEXITSTATUS(*Status_) : 128 + WTERMSIG(*Status_);
}

std::optional<std::string> Capture(const std::vector<std::string>& Argv)
{
    int Pipe[2];
    if (pipe2(Pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    pid_t Pid;
    try {
        Pid = Spawn(Argv, Pipe[1], Environment({}));
    } catch (...) {
        close(Pipe[0]);
        close(Pipe[1]);
        throw;
    }
    close(Pipe[1]);
    std::string Output;
    char Buffer[4096];
    for (ssize_t Read; (Read = read(Pipe[0], Buffer, sizeof Buffer)) != 0;) {
        if (Read < 0 && errno == EINTR) continue;
        if (Read < 0) break;
        Output.append(Buffer, static_cast<size_t>(Read));
    }
    close(Pipe[0]);
    int Status = 0;
    waitpid(Pid, &Status, 0);
    if (!WIFEXITED(Status) || WEXITSTATUS(Status) != 0) return std::nullopt;
    return Output;
}

TXServer::TXServer()
{
    // Xvfb picks a free display itself and writes its number, once it takes
    // connections, to the descriptor given by -displayfd.
    int Pipe[2];
    if (pipe(Pipe) != 0) throw std::runtime_error("pipe failed");
    fcntl(Pipe[0], F_SETFD, FD_CLOEXEC);
    Server_.emplace(std::vector<std::string> {"Xvfb", "-displayfd", std::to_string(Pipe[1]), "-screen", "0",
                                              "1024x768x24", "-nolisten", "tcp", "-noreset"});
    close(Pipe[1]);
    std::string Number;
    char Char;
    while (read(Pipe[0], &Char, 1) == 1 && Char != '\n') Number += Char;
    close(Pipe[0]);
    if (Number.empty()) throw std::runtime_error("Xvfb did not start");
    Display_ = ":" + Number;
    setenv("DISPLAY", Display_.c_str(), 1);
}

TXServer::~TXServer()
{
    if (Server_ && Server_->Running()) {
        kill(Server_->Pid(), SIGTERM);
        Server_->WaitForExit();
    }
}

std::string ExactTitle(const std::string& Title)
{
    std::string Pattern = "^";
    for (const char Char : Title) {
        if (std::strchr("\\^$.|?*+()[]{}", Char)) Pattern += '\\';
        Pattern += Char;
    }
    return Pattern + "$";
}

TWindow WaitForWindow(const std::string& Pattern, TProcess* Owner)
{
    std::vector<TWindow> Found;
    WaitUntil("a window titled " + Pattern, [&] {
        if (Owner && !Owner->Running()) Fail("the program ended before a window titled " + Pattern + " came up");
        Found = MappedWindows(Pattern);
        return !Found.empty();
    });
    return Found.front();
}

void WaitForNoWindow(const std::string& Pattern)
{
    WaitUntil("the window titled " + Pattern + " to close", [&] { return MappedWindows(Pattern).empty(); });
}

void WaitForFocus(const TWindow& Window)
{
    WaitUntil("window " + Window + " to take the keyboard focus", [&] { return FocusedWindow() == Window; });
}

TWindow WaitForActiveWindow(const std::string& Pattern, TProcess* Owner)
{
    const TWindow Window = WaitForWindow(Pattern, Owner);
    WaitForFocus(Window);
    return Window;
}

void Activate(const TWindow& Window)
{
    // Asked again at every poll: windowfocus --sync would wait without end
    // for a window that never takes the focus.
    WaitUntil("window " + Window + " to take the keyboard focus", [&] {
        if (FocusedWindow() == Window) return true;
        Xdotool({"windowfocus", Window});
        return FocusedWindow() == Window;
    });
}

void PressKeys(const std::vector<std::string>& Keys)
{
    std::vector<std::string> Arguments {"key"};
    Arguments.insert(Arguments.end(), Keys.begin(), Keys.end());
    Xdotool(Arguments);
}

void TypeText(const std::string& Text)
{
    Xdotool({"type", "--delay", "10", Text});
}

void Click(const TWindow& Window, int X, int Y)
{
    // One command: the press follows the move. (mousemove --sync would wait
    // for ever when the pointer is there already.)
    Xdotool({"mousemove", "--window", Window, std::to_string(X), std::to_string(Y), "click", "1"});
}

void Fail(const std::string& What)
{
    static int Shots = 0;
    std::string Message = What;
    const std::string Shot = "e2e-failure-" + std::to_string(getpid()) + "-" + std::to_string(++Shots) + ".png";
    if (Capture({"import", "-window", "root", Shot})) Message += " (screen saved in " + Shot + ")";
    throw std::runtime_error(Message);
}

void PauseBriefly()
{
    std::this_thread::sleep_for(25ms);
}

}  // namespace e2e
