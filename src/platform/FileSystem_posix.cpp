// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    std::string Temp = FolderOf(Target) + "/." + Base + ".XXXXXX";
    const int Fd = mkostemp(Temp.data(), O_CLOEXEC);
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
    Ok = close(Fd) == 0 && Ok;
    Ok = Ok && rename(Temp.c_str(), Target.c_str()) == 0;
    if (!Ok) {
        unlink(Temp.c_str());
        return false;
    }
    // Makes the rename itself durable; the data is already safe either way.
    const int Dir = open(FolderOf(Target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Dir >= 0) {
        fsync(Dir);
        close(Dir);
    }
    return true;
}

}  // namespace platform
