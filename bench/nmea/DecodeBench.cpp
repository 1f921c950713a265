// Sentences per second through DecodeSentence (framing, parser, merge) on the lines of
// the real captures, each copied into the caller's buffer first as the GPS page does.
#include "nmea/GpsLineFilter.h"
#include "nmea/SentenceDecoder.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

bool IsGnssFormatter(const std::string& line) {
    static const char* const kGnss[] = {"GGA", "GLL", "GBS", "GSA", "GSV", "RMC", "VTG", "ZDA"};
    if (line.size() < 6 || line[0] != '$')
        return false;
    for (const char* formatter : kGnss)
        if (line.compare(3, 3, formatter) == 0)
            return true;
    return false;
}

// The dispatch texts (line, CR, LF) of every capture line that the GPS line filter passes,
// in file order; with `gnssOnly`, just the lines of the eight GNSS formatters.
std::vector<std::string> CaptureLines(bool gnssOnly) {
    std::vector<std::string> lines;
    std::filesystem::path root = std::filesystem::path(T360KV_TEST_DATA_DIR) / "nmea/captures";
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            std::erase(line, '\r');
            std::erase(line, '\0');
            line += "\r\n";
            if (PassesGpsLineFilter(line.data(), line.size()) &&
                (!gnssOnly || IsGnssFormatter(line)))
                lines.push_back(line);
        }
    }
    return lines;
}

void DecodeLines(benchmark::State& state, bool gnssOnly) {
    std::vector<std::string> lines = CaptureLines(gnssOnly);
    auto decoder = std::make_unique<DecoderState>();
    SentenceBuffer buffer;
    int64_t decoded = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            std::memcpy(buffer, line.data(), line.size() + 1);
            decoded += DecodeSentence(buffer, *decoder) ? 1 : 0;
        }
        benchmark::DoNotOptimize(decoder->Navigation);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["decoded_share"] =
        static_cast<double>(decoded) / static_cast<double>(state.iterations() * lines.size());
}

void BM_DecodeGnssLines(benchmark::State& state) {
    DecodeLines(state, true);
}
void BM_DecodeAllSentenceLines(benchmark::State& state) {
    DecodeLines(state, false);
}

} // namespace

BENCHMARK(BM_DecodeGnssLines);
BENCHMARK(BM_DecodeAllSentenceLines);
