// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultInjection.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace faults {

namespace {

namespace fs = std::filesystem;

const char* const ChildMarker = "DATEVANE_TEST_CHILD";
constexpr uid_t Nobody = 65534;
constexpr int NotStarted = 127;
constexpr int NotNobody = 126;  // the system refused the change of user

using TInject = void (*)(const char*, const char*, int, long long);

TInject InjectFunction()
{
    return reinterpret_cast<TInject>(dlsym(RTLD_DEFAULT, "InjectFileFault"));
}

std::string CurrentTestName()
{
    const testing::TestInfo* Info = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(Info->test_suite_name()) + "." + Info->name();
}

std::string OwnExecutable()
{
    char Buf[4096];
    const ssize_t Len = readlink("/proc/self/exe", Buf, sizeof Buf - 1);
    return Len > 0 ? std::string(Buf, static_cast<size_t>(Len)) : std::string();
}

// This process's environment with Changes ("NAME=value") in place of the
// variables of those names; the child writes no test report of its own.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& Changes)
{
    std::vector<std::string> Result;
    const auto Replaced = [&](const std::string& Entry) {
        if (Entry.rfind("GTEST_OUTPUT=", 0) == 0) return true;
        for (const auto& Change : Changes)
            if (Entry.compare(0, Change.find('=') + 1, Change, 0, Change.find('=') + 1) == 0) return true;
        return false;
    };
    for (char** Entry = environ; *Entry; ++Entry)
        if (!Replaced(*Entry)) Result.emplace_back(*Entry);
    Result.insert(Result.end(), Changes.begin(), Changes.end());
    Result.push_back(std::string(ChildMarker) + "=1");
    return Result;
}

// Runs Exe with a filter for the current test; the exit status, or NotStarted
// when it could not be started (as nobody: the executable out of reach).
int RunCurrentTest(const std::string& Exe, const std::vector<std::string>& Environment, bool AsNobody)
{
    const std::string Filter = "--gtest_filter=" + CurrentTestName();
    std::vector<char*> Argv = {const_cast<char*>(Exe.c_str()), const_cast<char*>(Filter.c_str()), nullptr};
    std::vector<char*> Envp;
    for (const auto& Entry : Environment) Envp.push_back(const_cast<char*>(Entry.c_str()));
    Envp.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t Child = fork();
    if (Child < 0) return NotStarted;
    if (Child == 0) {
        if (AsNobody) {
            if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0) _exit(NotNobody);
            if (chdir("/") != 0) _exit(NotStarted);
        }
        execve(Exe.c_str(), Argv.data(), Envp.data());
        _exit(NotStarted);
    }
    int Status = 0;
    while (waitpid(Child, &Status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(Status)) return WEXITSTATUS(Status);
    return 128 + (WIFSIGNALED(Status) ? WTERMSIG(Status) : 0);
}

void ExpectChildPassed(int Status, const char* How)
{
    EXPECT_EQ(Status, 0) << "the test failed when run again " << How << " (its output is above)";
}

}  // namespace

const std::vector<TFault>& DiskFaults()
{
    static const std::vector<TFault> Faults = {
        {"no room for a new file", TCall::Create, ENOSPC},
        {"disk full", TCall::Write, ENOSPC},
        {"disk full after 100 bytes", TCall::Write, ENOSPC, 100},
        {"write error", TCall::Write, EIO},
        {"a write that takes nothing", TCall::Write, 0},
        {"flush error", TCall::Fsync, EIO},
        {"disk full at the flush", TCall::Fsync, ENOSPC},
        {"close error", TCall::Close, EIO},
        {"no room to rename", TCall::Rename, ENOSPC},
        {"rename error", TCall::Rename, EIO},
    };
    return Faults;
}

bool RerunWithFaultLibrary()
{
    if (std::getenv(ChildMarker)) {
        if (InjectFunction()) return false;
        ADD_FAILURE() << "the fault library was not loaded";
        return true;
    }
    // The library goes after anything already preloaded; the address
    // sanitizer would otherwise refuse to run behind it.
    const char* Preloaded = std::getenv("LD_PRELOAD");
    const char* AsanOptions = std::getenv("ASAN_OPTIONS");
    const std::string Preload = std::string("LD_PRELOAD=") + (Preloaded && *Preloaded ? std::string(Preloaded) + ":" : "")
                                + DATEVANE_FAULT_LIBRARY;
    const std::string Asan = std::string("ASAN_OPTIONS=") + (AsanOptions && *AsanOptions ? std::string(AsanOptions) + ":" : "")
                             + "verify_asan_link_order=0";
    ExpectChildPassed(RunCurrentTest(OwnExecutable(), ChildEnvironment({Preload, Asan}), false),
                      "with the fault library");
    return true;
}

bool RerunAsNobody()
{
    if (geteuid() != 0) return false;
    if (std::getenv(ChildMarker)) {
        ADD_FAILURE() << "still root in the child";
        return true;
    }
    const std::vector<std::string> Environment = ChildEnvironment({"HOME=/tmp"});
    const std::string Exe = OwnExecutable();
    int Status = RunCurrentTest(Exe, Environment, true);
    if (Status == NotStarted) {
        // The build folder is out of nobody's reach: run a copy from a
        // folder everybody may read.
        std::string Folder = (fs::temp_directory_path() / "datevane-nobody-XXXXXX").string();
        if (!mkdtemp(Folder.data())) throw std::runtime_error("mkdtemp failed");
        chmod(Folder.c_str(), 0755);
        const std::string Copy = Folder + "/" + fs::path(Exe).filename().string();
        fs::copy_file(Exe, Copy);
        chmod(Copy.c_str(), 0755);
        Status = RunCurrentTest(Copy, Environment, true);
        std::error_code Ignored;
        fs::remove_all(Folder, Ignored);
    }
    if (Status == NotNobody)
        [] { GTEST_SKIP() << "this root may not become user nobody, so permissions cannot be shown to bind"; }();
    else
        ExpectChildPassed(Status, "as user nobody");
    return true;
}

TInjectedFault::TInjectedFault(const std::string& Folder, const TFault& Fault)
{
    static const char* const Names[] = {"create", "write", "fsync", "close", "rename"};
    const TInject Inject = InjectFunction();
    if (!Inject) throw std::logic_error("the fault library is not loaded");
    Inject(Folder.c_str(), Names[static_cast<int>(Fault.Call)], Fault.Error, Fault.SpaceLeft);
}

TInjectedFault::~TInjectedFault()
{
    InjectFunction()(nullptr, "", 0, 0);
}

}  // namespace faults
