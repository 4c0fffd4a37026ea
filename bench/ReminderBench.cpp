// SPDX-License-Identifier: GPL-3.0-or-later
// The reminder's work before its window shows: the anniversaries around a
// day in books of 100 to 10,000, and the whole preparation (settings file,
// anniversary file, lists) for the largest.
//   build/bench/reminder_bench

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/Evntlist.h"
#include "data/Forthcoming.h"
#include "duealert/Reminder.h"

namespace {

void Fill(TEventsList& Book, int Count)
{
    for (int I = 0; I < Count; ++I) {
        auto* Item = new TEventItem;
        Item->DayNumber = static_cast<uint8_t>(I % 31 + 1);
        Item->EventText = "Anniversary number " + std::to_string(I);
        Item->OrigYear = I % 3 ? 1900 + I % 120 : -1;
        Book.Months[I % 12 + 1]->Add(Item);
    }
}

void BM_FindForthcoming(benchmark::State& State)
{
    TEventsList Book;
    Fill(Book, static_cast<int>(State.range(0)));
    for (auto _ : State) benchmark::DoNotOptimize(FindForthcoming(Book, {2026, 12, 30}, 10, 10));
}
BENCHMARK(BM_FindForthcoming)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_PrepareReminder(benchmark::State& State)
{
    const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "datevane-reminder-bench";
    std::filesystem::create_directories(Dir);
    TEventsList Book;
    Fill(Book, static_cast<int>(State.range(0)));
    Book.FileName = (Dir / "BOOK.EVT").string();
    Book.SaveToFile();
    const std::string Settings = (Dir / "datevane.INI").string();
    std::ofstream(Settings, std::ios::binary) << "[DueAlert]\r\nShowOnStartup=1\r\nUseFile=" << Book.FileName
                                              << "\r\nPriorEvents=10\r\nNextEvents=10\r\n";
    for (auto _ : State) benchmark::DoNotOptimize(PrepareReminder(Settings, true, {2026, 12, 30}));
    std::filesystem::remove_all(Dir);
}
BENCHMARK(BM_PrepareReminder)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
