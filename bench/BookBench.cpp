// SPDX-License-Identifier: GPL-3.0-or-later
// Load and save of anniversary books of 100 to 10,000 anniversaries.
//   build/bench/datevane_bench

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>
#include <string>

#include "data/Evntlist.h"

// Heap accounting for the memory figures: every allocation of the process
// passes through these.
namespace {
size_t HeapNow = 0, HeapPeak = 0;
}

void* operator new(size_t Size)
{
    void* P = std::malloc(Size ? Size : 1);
    if (!P) throw std::bad_alloc();
    HeapNow += malloc_usable_size(P);
    HeapPeak = std::max(HeapPeak, HeapNow);
    return P;
}
void* operator new[](size_t Size) { return operator new(Size); }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"  // this operator new allocates with malloc
void operator delete(void* P) noexcept
{
    if (!P) return;
    HeapNow -= malloc_usable_size(P);
    std::free(P);
}
#pragma GCC diagnostic pop
void operator delete[](void* P) noexcept { operator delete(P); }
void operator delete(void* P, size_t) noexcept { operator delete(P); }
void operator delete[](void* P, size_t) noexcept { operator delete(P); }

namespace {

void FillBook(TEventsList& Book, int Count)
{
    for (int I = 0; I < Count; ++I) {
        auto* Item = new TEventItem;
        Item->DayNumber = static_cast<uint8_t>(1 + I * 7 % 28);
        Item->EventText = "Anniversary number " + std::to_string(I) + " of the family book";
        Item->OrigYear = I % 3 ? 1900 + I % 120 : -1;
        Book.Months[1 + I % 12]->Add(Item);
    }
}

// A saved book of Count anniversaries in the temporary folder, removed at the end.
class TBenchFile {
public:
    explicit TBenchFile(int Count)
        : Name((std::filesystem::temp_directory_path() / ("datevane-bench-" + std::to_string(Count) + ".EVT")).string())
    {
        TEventsList Book;
        FillBook(Book, Count);
        Book.FileName = Name;
        Book.SaveToFile();
    }
    ~TBenchFile() { std::filesystem::remove(Name); }

    const std::string Name;
};

void BM_Load(benchmark::State& State)
{
    const TBenchFile File(static_cast<int>(State.range(0)));
    TEventsList Book;
    for (auto _ : State) {
        Book.LoadFromFile(File.Name);
        benchmark::DoNotOptimize(Book.TotalCount());
    }
}

// The heap a loaded book holds, and the peak while loading and saving it.
void BM_Memory(benchmark::State& State)
{
    const TBenchFile File(static_cast<int>(State.range(0)));
    for (auto _ : State) {
        const size_t Base = HeapNow;
        HeapPeak = HeapNow;
        TEventsList Book;
        Book.LoadFromFile(File.Name);
        State.counters["BookMB"] = static_cast<double>(HeapNow - Base) / 1e6;
        Book.SaveToFile();
        State.counters["PeakMB"] = static_cast<double>(HeapPeak - Base) / 1e6;
    }
}

void BM_Save(benchmark::State& State)
{
    // The usual case: the file holds the previous save.
    const TBenchFile File(static_cast<int>(State.range(0)));
    TEventsList Book;
    Book.LoadFromFile(File.Name);
    for (auto _ : State) Book.SaveToFile();
}

}  // namespace

BENCHMARK(BM_Load)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memory)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
