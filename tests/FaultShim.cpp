// SPDX-License-Identifier: GPL-3.0-or-later
// A library preloaded into a test process to make the file system fail on
// request, as a full or failing disk would: InjectFileFault names a folder and
// one call, and from then on that call fails with the given error for files in
// that folder. Everything else goes straight to the C library.

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace {

enum class TCall { None, Create, Write, Fsync, Close, Rename };

struct TFault {
    std::string Folder;  // canonical, with a slash at the end
    TCall Call = TCall::None;
    int Error = 0;
    long long SpaceLeft = 0;  // bytes Write still takes before it fails
};

std::mutex Lock;
TFault Fault;
std::atomic<bool> Armed{false};

template <typename Function>
Function Next(const char* Name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, Name));
}

bool InFolder(const std::string& Folder, const char* Path)
{
    return Path && std::strncmp(Path, Folder.c_str(), Folder.size()) == 0;
}

std::string PathOf(int Fd)
{
    char Link[64], Target[PATH_MAX];
    std::snprintf(Link, sizeof Link, "/proc/self/fd/%d", Fd);
    const ssize_t Len = readlink(Link, Target, sizeof Target - 1);
    return Len > 0 ? std::string(Target, static_cast<size_t>(Len)) : std::string();
}

std::string CanonicalFolderOf(const char* Path)
{
    std::string Folder = Path ? Path : "";
    const auto Slash = Folder.rfind('/');
    Folder = Slash == std::string::npos ? "." : Slash == 0 ? "/" : Folder.substr(0, Slash);
    char Real[PATH_MAX];
    return realpath(Folder.c_str(), Real) ? std::string(Real) + "/" : std::string();
}

// Whether the call must fail now, and with which error.
bool Faulty(TCall Call, const std::string& Path, int& Error)
{
    if (!Armed.load()) return false;
    std::lock_guard<std::mutex> Guard(Lock);
    if (Fault.Call != Call || !InFolder(Fault.Folder, Path.c_str())) return false;
    Error = Fault.Error;
    return true;
}

}  // namespace

extern "C" {

// Makes Call ("create", "write", "fsync", "close" or "rename") fail with Error
// for files in Folder; Write first takes SpaceLeft bytes in all, and with an
// Error of 0 it then returns 0 without an error. A null Folder ends the fault.
__attribute__((visibility("default"))) void InjectFileFault(const char* Folder, const char* Call, int Error,
                                                            long long SpaceLeft)
{
    std::lock_guard<std::mutex> Guard(Lock);
    Fault = TFault{};
    Armed = false;
    if (!Folder) return;
    char Real[PATH_MAX];
    if (!realpath(Folder, Real)) return;
    const std::pair<const char*, TCall> Calls[] = {{"create", TCall::Create}, {"write", TCall::Write},
                                                   {"fsync", TCall::Fsync},   {"close", TCall::Close},
                                                   {"rename", TCall::Rename}};
    for (const auto& [Name, Kind] : Calls)
        if (std::strcmp(Name, Call) == 0) Fault.Call = Kind;
    Fault.Folder = std::string(Real) + "/";
    Fault.Error = Error;
    Fault.SpaceLeft = SpaceLeft;
    Armed = Fault.Call != TCall::None;
}

__attribute__((visibility("default"))) int mkostemp(char* Template, int Flags)
{
    static const auto Real = Next<int (*)(char*, int)>("mkostemp");
    if (int Error; Faulty(TCall::Create, CanonicalFolderOf(Template), Error)) {
        errno = Error;
        return -1;
    }
    return Real(Template, Flags);
}

__attribute__((visibility("default"))) ssize_t write(int Fd, const void* Data, size_t Size)
{
    static const auto Real = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (int Error; Size > 0 && Armed.load() && Faulty(TCall::Write, PathOf(Fd), Error)) {
        std::lock_guard<std::mutex> Guard(Lock);
        if (Fault.SpaceLeft <= 0) {
            if (Error == 0) return 0;  // takes nothing, and says no more
            errno = Error;
            return -1;
        }
        // A disk with a little room left takes part of the data first.
        const size_t Taken = Size < static_cast<size_t>(Fault.SpaceLeft) ? Size : static_cast<size_t>(Fault.SpaceLeft);
        const ssize_t Written = Real(Fd, Data, Taken);
        if (Written > 0) Fault.SpaceLeft -= Written;
        return Written;
    }
    return Real(Fd, Data, Size);
}

__attribute__((visibility("default"))) int fsync(int Fd)
{
    static const auto Real = Next<int (*)(int)>("fsync");
    if (int Error; Armed.load() && Faulty(TCall::Fsync, PathOf(Fd), Error)) {
        errno = Error;
        return -1;
    }
    return Real(Fd);
}

__attribute__((visibility("default"))) int fdatasync(int Fd)
{
    static const auto Real = Next<int (*)(int)>("fdatasync");
    if (int Error; Armed.load() && Faulty(TCall::Fsync, PathOf(Fd), Error)) {
        errno = Error;
        return -1;
    }
    return Real(Fd);
}

// As on Linux, the descriptor is gone even when close reports an error.
__attribute__((visibility("default"))) int close(int Fd)
{
    static const auto Real = Next<int (*)(int)>("close");
    int Error = 0;
    const bool Fails = Armed.load() && Faulty(TCall::Close, PathOf(Fd), Error);
    const int Result = Real(Fd);
    if (!Fails) return Result;
    errno = Error;
    return -1;
}

__attribute__((visibility("default"))) int rename(const char* From, const char* To)
{
    static const auto Real = Next<int (*)(const char*, const char*)>("rename");
    if (int Error; Armed.load() && Faulty(TCall::Rename, CanonicalFolderOf(To), Error)) {
        errno = Error;
        return -1;
    }
    return Real(From, To);
}

}  // extern "C"
