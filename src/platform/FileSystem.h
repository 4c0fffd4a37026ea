// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File services the data layer needs from the operating system. Each platform
// supplies its own implementation (FileSystem_posix.cpp on Linux).

#include <string>
#include <string_view>

namespace platform {

// Characters that end a folder part of a path on this platform.
extern const std::string_view PathDelimiters;

// The full, symbolic-link-free path of the running executable.
std::string ExecutablePath();

// True when a non-folder file of that name exists.
bool FileExists(const std::string& FileName);

// The full path of the existing non-folder file that Name names when each of
// its parts is compared without regard to the case of A to Z, an exact match
// preferred; empty when there is none. A relative Name starts at the current
// folder. Where file names ignore case this is the full path of Name itself.
std::string FindFileIgnoringCase(const std::string& Name);

// True when a file (not a folder) exists and may not be written: it carries no
// write permission at all, or the current user lacks it.
bool IsReadOnlyFile(const std::string& FileName);

enum class ReadResult { Ok, Missing, Failed };

// Reads a whole file into Contents. Missing means no such file; Failed means
// it exists but could not be read (no permission, a folder, an I/O error).
ReadResult ReadWholeFile(const std::string& FileName, std::string& Contents);

// Replaces FileName by Contents so that, whatever happens, the file on disk
// holds either its old or its new contents: the new bytes go to a temporary file
// in the same folder, are flushed to disk and renamed over the target. A symbolic
// link is followed to its target and the target's permissions are kept. A
// read-only target or a target that is a folder is refused. Returns false, with
// the target untouched and no temporary file left, on any failure. A save that
// succeeds also removes the temporary files of earlier saves of the same target
// that were killed before they finished; those of a save still running are kept.
bool ReplaceFileAtomically(const std::string& FileName, std::string_view Contents);

}  // namespace platform
