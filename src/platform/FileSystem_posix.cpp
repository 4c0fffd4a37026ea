// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

const std::string_view PathDelimiters = "/";

namespace {

std::string FolderOf(const std::string& Path)
{
    const auto Slash = Path.rfind('/');
    if (Slash == std::string::npos) return ".";
    if (Slash == 0) return "/";
    return Path.substr(0, Slash);
}

// Follows symbolic links to the file that really holds the data, so that
// replacing it keeps the link. A dangling link resolves to where it points.
bool ResolveLinks(std::string& Path)
{
    for (int Hops = 0; Hops < 40; ++Hops) {
        struct stat St {};
        if (lstat(Path.c_str(), &St) != 0) return errno == ENOENT;
        if (!S_ISLNK(St.st_mode)) return true;
        char Buf[PATH_MAX];
        const ssize_t Len = readlink(Path.c_str(), Buf, sizeof Buf);
        if (Len <= 0 || Len == static_cast<ssize_t>(sizeof Buf)) return false;
        std::string Target(Buf, static_cast<size_t>(Len));
        Path = Target.front() == '/' ? Target : FolderOf(Path) + "/" + Target;
    }
    return false;  // a loop of links
}

mode_t CurrentUmask()
{
    const mode_t Mask = umask(0);
    umask(Mask);
    return Mask;
}

bool WriteAll(int Fd, std::string_view Data)
{
    while (!Data.empty()) {
        const ssize_t N = write(Fd, Data.data(), Data.size());
        if (N < 0 && errno == EINTR) continue;
        // A write that takes nothing would be tried for ever: a failure too.
        if (N <= 0) return false;
        Data.remove_prefix(static_cast<size_t>(N));
    }
    return true;
}

bool SameIgnoringCase(std::string_view A, std::string_view B)
{
    const auto Fold = [](char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; };
    if (A.size() != B.size()) return false;
    for (size_t I = 0; I < A.size(); ++I)
        if (Fold(A[I]) != Fold(B[I])) return false;
    return true;
}

std::string JoinPath(const std::string& Folder, std::string_view Name)
{
    return Folder == "/" ? "/" + std::string(Name) : Folder + "/" + std::string(Name);
}

// The entry of Folder that Name names without regard to case; of several, the
// first in byte order, so the choice does not depend on the folder's order.
std::string FindEntryIgnoringCase(const std::string& Folder, std::string_view Name)
{
    DIR* Entries = opendir(Folder.c_str());
    if (!Entries) return {};
    std::string Found;
    while (const dirent* Entry = readdir(Entries)) {
        const std::string_view Candidate = Entry->d_name;
        if (SameIgnoringCase(Candidate, Name) && (Found.empty() || Candidate < Found)) Found = Candidate;
    }
    closedir(Entries);
    return Found;
}

// The temporary file of a save of Base is "." + Base + "." + six characters
// drawn by mkostemp, which fills its X's from letters and digits only.
bool IsTempNameOf(std::string_view Name, std::string_view Base)
{
    constexpr size_t Suffix = 6;
    if (Name.size() != Base.size() + 2 + Suffix || Name[0] != '.' || Name.substr(1, Base.size()) != Base ||
        Name[1 + Base.size()] != '.')
        return false;
    return std::all_of(Name.end() - Suffix, Name.end(), [](char C) {
        return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9');
    });
}

// Removes the temporary files that saves of Base in the open folder DirFd left
// behind when they were killed before their rename. Each save holds a lock on
// its temporary file until the rename, so the file of a save still running
// elsewhere is left alone; so is anything that is not a plain file.
void RemoveStaleTemps(int DirFd, std::string_view Base)
{
    std::vector<std::string> Stale;
    if (DIR* Entries = fdopendir(dup(DirFd))) {
        while (const dirent* Entry = readdir(Entries))
            if (IsTempNameOf(Entry->d_name, Base)) Stale.emplace_back(Entry->d_name);
        closedir(Entries);
    }
    for (const std::string& Name : Stale) {
        const int Fd = openat(DirFd, Name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (Fd < 0) continue;
        struct stat Opened {}, Named {};
        // The name must still be the file locked here when it goes.
        if (fstat(Fd, &Opened) == 0 && S_ISREG(Opened.st_mode) && flock(Fd, LOCK_EX | LOCK_NB) == 0 &&
            fstatat(DirFd, Name.c_str(), &Named, AT_SYMLINK_NOFOLLOW) == 0 && Named.st_dev == Opened.st_dev &&
            Named.st_ino == Opened.st_ino)
            unlinkat(DirFd, Name.c_str(), 0);
        close(Fd);
    }
}

// Creates and locks a fresh temporary file for a save of Base in Folder; -1 on
// failure. The lock keeps RemoveStaleTemps of another save away from it.
int CreateLockedTemp(const std::string& Folder, std::string_view Base, std::string& Temp)
{
    for (int Attempt = 0; Attempt < 3; ++Attempt) {
        Temp = Folder + "/." + std::string(Base) + ".XXXXXX";
        const int Fd = mkostemp(Temp.data(), O_CLOEXEC);
        if (Fd < 0) return -1;
        // Where the file system has no locks, the save goes on without one (and
        // no save there removes stale files, for it cannot take their locks).
        flock(Fd, LOCK_EX);
        struct stat Opened {}, Named {};
        if (fstat(Fd, &Opened) == 0 && stat(Temp.c_str(), &Named) == 0 && Named.st_dev == Opened.st_dev &&
            Named.st_ino == Opened.st_ino)
            return Fd;
        // Another save took it for a stale one before the lock held: it is gone.
        close(Fd);
    }
    return -1;
}

}  // namespace

std::string ExecutablePath()
{
    char Buf[PATH_MAX];
    const ssize_t Len = readlink("/proc/self/exe", Buf, sizeof Buf - 1);
    return Len > 0 ? std::string(Buf, static_cast<size_t>(Len)) : std::string();
}

std::string FindFileIgnoringCase(const std::string& Name)
{
    if (Name.empty()) return {};
    std::string Found = "/";
    if (Name[0] != '/') {
        char Current[PATH_MAX];
        if (!getcwd(Current, sizeof Current)) return {};
        Found = Current;
    }
    size_t Start = 0;
    while (Start <= Name.size()) {
        const size_t End = std::min(Name.find('/', Start), Name.size());
        const std::string_view Part = std::string_view(Name).substr(Start, End - Start);
        Start = End + 1;
        if (Part.empty() || Part == ".") continue;
        std::string Exact = JoinPath(Found, Part);
        struct stat Status;
        if (Part == ".." || lstat(Exact.c_str(), &Status) == 0) {
            Found = std::move(Exact);
            continue;
        }
        const std::string Entry = FindEntryIgnoringCase(Found, Part);
        if (Entry.empty()) return {};
        Found = JoinPath(Found, Entry);
    }
    return FileExists(Found) ? Found : std::string();
}

bool FileExists(const std::string& FileName)
{
    struct stat St {};
    return stat(FileName.c_str(), &St) == 0 && !S_ISDIR(St.st_mode);
}

bool IsReadOnlyFile(const std::string& FileName)
{
    struct stat St {};
    if (stat(FileName.c_str(), &St) != 0 || S_ISDIR(St.st_mode)) return false;
    // No write bit is the counterpart of the read-only attribute; access() adds
    // what the current user may not do (another owner, a read-only mount).
    return (St.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(FileName.c_str(), W_OK) != 0;
}

ReadResult ReadWholeFile(const std::string& FileName, std::string& Contents)
{
    Contents.clear();
    // Non-blocking, so that a named pipe given as a file cannot hang the open.
    const int Fd = open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (Fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    struct stat St {};
    // Only plain files: a folder, pipe or device is no settings or anniversary file.
    if (fstat(Fd, &St) != 0 || !S_ISREG(St.st_mode)) {
        close(Fd);
        return ReadResult::Failed;
    }
    Contents.reserve(static_cast<size_t>(St.st_size));
    char Buf[65536];
    for (;;) {
        const ssize_t N = read(Fd, Buf, sizeof Buf);
        if (N == 0) break;
        if (N < 0) {
            if (errno == EINTR) continue;
            close(Fd);
            Contents.clear();
            return ReadResult::Failed;
        }
        Contents.append(Buf, static_cast<size_t>(N));
    }
    close(Fd);
    return ReadResult::Ok;
}

bool ReplaceFileAtomically(const std::string& FileName, std::string_view Contents)
{
    std::string Target = FileName;
    if (Target.empty() || !ResolveLinks(Target)) return false;

    struct stat Old {};
    const bool Exists = stat(Target.c_str(), &Old) == 0;
    if (Exists && (!S_ISREG(Old.st_mode) || IsReadOnlyFile(Target))) return false;

    const auto Slash = Target.rfind('/');
    const std::string Base = Slash == std::string::npos ? Target : Target.substr(Slash + 1);
    const std::string Folder = FolderOf(Target);
    std::string Temp;
    const int Fd = CreateLockedTemp(Folder, Base, Temp);
    if (Fd < 0) return false;

    bool Ok;
    if (Exists) {
        Ok = fchmod(Fd, Old.st_mode & 07777) == 0;
        // Keeps the owner when an administrator saves somebody else's file;
        // refused for ordinary users, for whom it is not needed.
        if (Ok && fchown(Fd, Old.st_uid, Old.st_gid) != 0) errno = 0;
    } else {
        Ok = fchmod(Fd, 0666 & ~CurrentUmask()) == 0;
    }
    Ok = Ok && WriteAll(Fd, Contents) && fsync(Fd) == 0;
    // A second descriptor keeps the file locked until it has its final name,
    // while closing the first still reports a write the file system lost.
    const int Lock = Ok ? fcntl(Fd, F_DUPFD_CLOEXEC, 0) : -1;
    Ok = close(Fd) == 0 && Ok && Lock >= 0;
    Ok = Ok && rename(Temp.c_str(), Target.c_str()) == 0;
    if (!Ok) unlink(Temp.c_str());
    if (Lock >= 0) close(Lock);
    if (!Ok) return false;
    // Makes the rename itself durable; the data is already safe either way.
    const int Dir = open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Dir >= 0) {
        fsync(Dir);
        RemoveStaleTemps(Dir, Base);
        close(Dir);
    }
    return true;
}

}  // namespace platform
