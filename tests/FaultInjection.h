// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Faults of the file system for tests of the save paths: a full or failing
// disk, through a small library preloaded into a child process that runs the
// test again (FaultShim.cpp), and a user without root's powers, through a
// child process that runs the test again as user nobody.
//
//     TEST_F(Suite, Name)
//     {
//         if (faults::RerunWithFaultLibrary()) return;  // the child has run the test
//         ...
//         const faults::TInjectedFault Full(Folder, Fault);
//         ...
//     }

#include <string>
#include <vector>

namespace faults {

enum class TCall { Create, Write, Fsync, Close, Rename };

struct TFault {
    const char* Name;  // for messages
    TCall Call;
    int Error;                // 0 with Write: it takes nothing and reports no error
    long long SpaceLeft = 0;  // Write: bytes taken before it fails
};

// The ways a full or failing disk meets a save: no room for a new file, no room
// at all, room for part of the data, a write error, a write that takes nothing
// without saying why, a flush or close that fails, and a rename that fails.
const std::vector<TFault>& DiskFaults();

// In the test process: runs the current test again in a child process with the
// fault library preloaded, checks that it passed and returns true. In that
// child: returns false, and the test goes on.
bool RerunWithFaultLibrary();

// As root, where permissions do not bind: runs the current test again in a
// child process as user nobody, checks that it passed and returns true.
// Otherwise (the child, or a test process that is not root) returns false.
bool RerunAsNobody();

// From construction to destruction, Fault happens to files in Folder.
class TInjectedFault {
public:
    TInjectedFault(const std::string& Folder, const TFault& Fault);
    ~TInjectedFault();
    TInjectedFault(const TInjectedFault&) = delete;
    TInjectedFault& operator=(const TInjectedFault&) = delete;
};

}  // namespace faults
