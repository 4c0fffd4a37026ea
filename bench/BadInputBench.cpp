// SPDX-License-Identifier: GPL-3.0-or-later
// Load time of the largest damaged and hostile files of the bad-input table, and
// of an ordinary book of the same 50 MB for comparison.
//   build/bench/bad_input_bench

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "BadInputs.h"
#include "data/Dateutil.h"
#include "data/Evntlist.h"

namespace {

// 50 MB of ordinary anniversaries with texts of about 60 characters, in the
// layout the program writes.
std::string OrdinaryFiftyMegabyteBook()
{
    std::string Text;
    Text.reserve(badinputs::FiftyMegabytes + 4096);
    const std::string Words = " of the family book, with the words of an ordinary line";
    int Key = 0;
    // About 136 bytes per anniversary.
    const int PerMonth = static_cast<int>(badinputs::FiftyMegabytes / 136 / 12);
    char Name[8];
    for (int M = 1; M <= 12; ++M) {
        Text += "[" + MonthName(static_cast<uint8_t>(M)) + "]\r\nNumberOfItems=" + std::to_string(PerMonth) + "\r\n";
        for (int I = 1; I <= PerMonth; ++I) {
            std::snprintf(Name, sizeof Name, "%05X", Key + I);
            Text += std::to_string(I) + "=" + Name + "\r\n";
        }
        for (int I = 1; I <= PerMonth; ++I) {
            std::snprintf(Name, sizeof Name, "%05X", Key + I);
            Text += "[" + std::string(Name) + "]\r\nDayNumber=" + std::to_string(1 + I * 28 / PerMonth) +
                    "\r\nEventText=Anniversary " + std::to_string(Key + I) + Words + "\r\nOrigYear=" +
                    std::to_string(1900 + I % 120) + "\r\n";
        }
        Key += PerMonth;
    }
    return Text;
}

void LoadFile(benchmark::State& State, std::string (*Make)())
{
    const std::string Name = (std::filesystem::temp_directory_path() / "datevane-bad-input-bench.EVT").string();
    const std::string Contents = Make();
    WriteFile(Name, Contents);
    TEventsList Book;
    for (auto _ : State) {
        Book.LoadFromFile(Name);
        benchmark::DoNotOptimize(Book.TotalCount());
    }
    State.counters["MB"] = static_cast<double>(Contents.size()) / (1 << 20);
    State.counters["Anniversaries"] = Book.TotalCount();
    std::filesystem::remove(Name);
}

}  // namespace

BENCHMARK_CAPTURE(LoadFile, Hostile50MB, badinputs::FiftyMegabyteFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadFile, TenMegabyteLine, badinputs::TenMegabyteLine)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadFile, Ordinary50MB, OrdinaryFiftyMegabyteBook)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
