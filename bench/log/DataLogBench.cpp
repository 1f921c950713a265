// The data log against the receiver's fastest line rate: at 128000 baud about 156 lines of
// 82 characters (CR LF included) arrive each second, so Append has to stay far below 6 ms
// a line.
#include "log/DataLog.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

const std::string kLine =
    "$GPGSV,4,1,14,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45,15,11,111,2*7A";

void BM_DataLogAppend(benchmark::State& state) {
    TDataLog log;
    for (auto _ : state)
        log.Append(kLine);
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kLine.size() + 2));
}
BENCHMARK(BM_DataLogAppend);

// Saving ten minutes at the fastest line rate (7.7 MB); an hour takes six times as long.
void BM_DataLogSaveTenMinutes(benchmark::State& state) {
    TDataLog log;
    const int64_t lines = 156 * 600;
    for (int64_t i = 0; i < lines; ++i)
        log.Append(kLine);
    std::string path = TDataLog::TemporaryFolder() + "/t360kv-bench-datalog.txt";
    for (auto _ : state)
        benchmark::DoNotOptimize(log.Save(path));
    std::remove(path.c_str());
    state.SetBytesProcessed(state.iterations() * lines * static_cast<int64_t>(kLine.size() + 2));
}
BENCHMARK(BM_DataLogSaveTenMinutes)->Unit(benchmark::kMillisecond);

} // namespace
