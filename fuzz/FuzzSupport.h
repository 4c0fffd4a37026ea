// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: the one file each process reads and writes,
// the book as plain records, and the stop on a broken expectation.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TEventsList;

// One anniversary as the book holds it.
struct TFuzzRecord {
    uint8_t Day;
    std::string Text;
    int32_t Year;
    bool operator==(const TFuzzRecord&) const = default;
};
// [0] unused, [1..12] the months in list order.
using TFuzzBook = std::vector<std::vector<TFuzzRecord>>;

TFuzzBook BookRecords(const TEventsList& Book);

// The file this process works on: on a memory file system when there is one,
// in the temporary folder otherwise.
const std::string& FuzzFileName();
// Replaces the file's contents by the bytes given.
void WriteFuzzFile(const uint8_t* Data, size_t Size);
// Removes the file at the end of a run of the target (libFuzzer ends the
// process without running exit handlers); a run that fails leaves it.
struct TFuzzFileRemover {
    ~TFuzzFileRemover();
};

// Prints what went wrong and aborts, so that libFuzzer keeps the input.
[[noreturn]] void FuzzFailure(std::string_view What);
inline void Expect(bool Condition, std::string_view What)
{
    if (!Condition) FuzzFailure(What);
}

// Prints a book to standard error, escaping bytes outside printable ASCII.
void PrintBook(std::string_view Title, const TFuzzBook& Book);
