// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the version data, as the About and splash windows do at every
// showing: from the program's own executable, and the worst case, a large file
// that holds none and is read to its end.

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/Verinfo.h"

namespace {

void BM_VersionInfoOwnExecutable(benchmark::State& State)
{
    for (auto _ : State) {
        const TVersionInfo Info(DATEVANE_EXE);
        benchmark::DoNotOptimize(Info.GetKeyValue(vkFileVersion));
    }
}
BENCHMARK(BM_VersionInfoOwnExecutable)->Unit(benchmark::kMicrosecond);

void BM_VersionInfoFileWithout(benchmark::State& State)
{
    char Template[] = "/tmp/verinfo-bench-XXXXXX";
    close(mkstemp(Template));
    const std::string Name = Template;
    {
        std::ofstream Out(Name, std::ios::binary);
        const std::string Block(1 << 20, 'x');
        for (int64_t I = 0; I < State.range(0); ++I) Out << Block;
    }
    for (auto _ : State) {
        const TVersionInfo Info(Name);
        benchmark::DoNotOptimize(Info.GetKeyValue(vkFileVersion));
    }
    State.SetBytesProcessed(State.iterations() * State.range(0) << 20);
    std::remove(Name.c_str());
}
BENCHMARK(BM_VersionInfoFileWithout)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
