// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private temporary folder per test, and whole-file helpers.

#include <cstdint>
#include <string>
#include <vector>

class TEventsList;

class TTempDir {
public:
    TTempDir();
    // Inside Parent instead of the system's temporary folder.
    explicit TTempDir(const std::string& Parent);
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& Path() const { return Path_; }
    std::string operator/(const std::string& Name) const { return Path_ + "/" + Name; }
    // Names of the files in the folder, sorted.
    std::vector<std::string> Files() const;

private:
    std::string Path_;
};

void WriteFile(const std::string& FileName, const std::string& Contents);
std::string ReadFile(const std::string& FileName);
// Joins lines with CR LF, the line end of every file the program writes.
std::string CrLf(const std::vector<std::string>& Lines);

// One anniversary of a test book.
struct TAnniversary {
    int Month;
    uint8_t Day;
    std::string Text;
    int32_t Year = -1;
};
// Adds them to Book in the order given.
void AddAnniversaries(TEventsList& Book, const std::vector<TAnniversary>& Anniversaries);
// The book as text, one line "month/day year text" per anniversary in month
// and list order, for comparing two books.
std::string DescribeBook(const TEventsList& Book);
