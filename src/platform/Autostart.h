// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Programs started when any user logs on. On Linux an entry is a desktop
// entry in the autostart folder of the first system-wide configuration folder
// (XDG_CONFIG_DIRS, /etc/xdg when it is not set); on Windows it is a value of
// the machine-wide Run key. The folder or key must exist: it is never created.

#include <stdexcept>
#include <string>

namespace platform {

class EStartupEntryError : public std::runtime_error {
public:
    // "Failed to set data for 'Name'"
    explicit EStartupEntryError(const std::string& Name);
};

// Makes Program start at log-on under Name, replacing an earlier entry of that
// name. Throws EStartupEntryError when the entry cannot be written.
void SetStartupProgram(const std::string& Name, const std::string& Program);
// Removes the entry Name. An entry that is not there, or cannot be removed,
// is left alone without a word.
void DeleteStartupProgram(const std::string& Name);

}  // namespace platform
