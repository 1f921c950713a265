// The AIS STATIONS page under the marnav capture: feeding the station list every decoded
// message, and one refresh of the rows (sorted, texts compared) over all the stations.
#include "MarnavCapture.h"
#include "nmea/SentenceDecoder.h"
#include "stations/StationList.h"
#include "stations/StationTable.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr TGeoPosition kOwn{57.7, 11.9};

// Decoding and feeding the whole capture, as the page sees it at the link's top rate.
void BM_FeedCapture(benchmark::State& state) {
    std::vector<std::string> lines = MarnavCaptureLines();
    int64_t lineCount = 0;
    for (auto _ : state) {
        auto decoder = std::make_unique<DecoderState>();
        TStationList list(decoder->Ais.Targets);
        SentenceBuffer buffer;
        int64_t now = 0;
        for (const std::string& line : lines) {
            std::memcpy(buffer, line.data(), line.size() + 1);
            if (DecodeSentence(buffer, *decoder) && CarriesAisMessage(decoder->Sentence))
                list.Feed(decoder->Ais, decoder->Sentence.Encapsulation.Channel, ++now, kOwn);
        }
        benchmark::DoNotOptimize(list.Revision());
        lineCount += static_cast<int64_t>(lines.size());
    }
    state.SetItemsProcessed(lineCount);
}
BENCHMARK(BM_FeedCapture)->Unit(benchmark::kMillisecond);

// One tick of the page with every station of the capture in the table.
void BM_RefreshRows(benchmark::State& state) {
    std::vector<std::string> lines = MarnavCaptureLines();
    auto decoder = std::make_unique<DecoderState>();
    TStationList list(decoder->Ais.Targets);
    SentenceBuffer buffer;
    int64_t now = 0;
    for (const std::string& line : lines) {
        std::memcpy(buffer, line.data(), line.size() + 1);
        if (DecodeSentence(buffer, *decoder) && CarriesAisMessage(decoder->Sentence))
            list.Feed(decoder->Ais, decoder->Sentence.Encapsulation.Channel, ++now, kOwn);
    }
    TStationTable table(list);
    for (auto _ : state) {
        TStationRowChanges changes = table.Refresh(++now, kOwn);
        benchmark::DoNotOptimize(changes.Changed.data());
    }
    state.counters["stations"] = static_cast<double>(table.RowCount());
}
BENCHMARK(BM_RefreshRows)->Unit(benchmark::kMillisecond);

} // namespace
