// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "data/Evntlist.h"

TFuzzBook BookRecords(const TEventsList& Book)
{
    TFuzzBook Result(13);
    for (int M = 1; M <= 12; ++M) {
        TListNode* Cursor;
        Book.Months[M]->Rewind(Cursor);
        while (Book.Months[M]->GetNext(Cursor)) {
            const auto* Item = static_cast<const TEventItem*>(Cursor);
            Result[static_cast<size_t>(M)].push_back({Item->DayNumber, Item->EventText, Item->OrigYear});
        }
    }
    return Result;
}

namespace {

std::string MakeFuzzFileName()
{
    namespace fs = std::filesystem;
    std::error_code Error;
    const fs::path Folder = fs::is_directory("/dev/shm", Error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    return (Folder / ("datevane-fuzz-" + std::to_string(getpid()) + ".evt")).string();
}

}  // namespace

const std::string& FuzzFileName()
{
    static const std::string Name = MakeFuzzFileName();
    return Name;
}

TFuzzFileRemover::~TFuzzFileRemover()
{
    std::remove(FuzzFileName().c_str());
}

void WriteFuzzFile(const uint8_t* Data, size_t Size)
{
    std::ofstream Out(FuzzFileName(), std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
    Out.close();
    if (!Out.good()) FuzzFailure("the fuzz input could not be written to " + FuzzFileName());
}

void FuzzFailure(std::string_view What)
{
    std::fprintf(stderr, "\n*** %.*s\n", static_cast<int>(What.size()), What.data());
    std::abort();
}

void PrintBook(std::string_view Title, const TFuzzBook& Book)
{
    std::fprintf(stderr, "%.*s:\n", static_cast<int>(Title.size()), Title.data());
    for (size_t M = 1; M < Book.size(); ++M)
        for (const TFuzzRecord& R : Book[M]) {
            std::string Text;
            for (unsigned char C : R.Text) {
                char Escaped[8];
                std::snprintf(Escaped, sizeof Escaped, C >= 0x20 && C < 0x7F && C != '\\' ? "%c" : "\\x%02X", C);
                Text += Escaped;
            }
            std::fprintf(stderr, "  month %zu day %u year %d text \"%s\"\n", M, static_cast<unsigned>(R.Day), R.Year, Text.c_str());
        }
}
