// Completed AIS messages per second through DecodeSentence (framing, parser, joining,
// de-armouring, message table, target table) on the marnav capture, each line copied into
// the caller's buffer first as the GPS page does.
#include "MarnavCapture.h"
#include "nmea/SentenceDecoder.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void BM_DecodeAisCapture(benchmark::State& state) {
    std::vector<std::string> lines = MarnavCaptureLines();
    auto decoder = std::make_unique<DecoderState>();
    SentenceBuffer buffer;
    int64_t messages = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            std::memcpy(buffer, line.data(), line.size() + 1);
            messages += DecodeSentence(buffer, *decoder) ? 1 : 0;
        }
        benchmark::DoNotOptimize(decoder->Ais.Targets.Count);
    }
    state.SetItemsProcessed(messages);
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["messages_per_pass"] =
        static_cast<double>(messages) / static_cast<double>(state.iterations());
    state.counters["messages_per_s"] =
        benchmark::Counter(static_cast<double>(messages), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_DecodeAisCapture)->Unit(benchmark::kMillisecond);
