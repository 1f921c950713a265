// The fuzzers keep one decoder state for all their inputs and put back what an input
// changed. An input must then start from exactly the state a newly built one has, or a
// finding would not reproduce alone: after each input, the put-back state must equal a
// newly built one byte for byte, the target table's untouched entries included.
#include "FreshDecoderState.h"
#include "AisSequences.h"
#include "DecodeBytes.h"

#include "nmea/SentenceDecoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Decode = void (*)(const uint8_t*, size_t, DecoderState&);

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The offset of the first byte that differs; `size` when none does.
size_t FirstDifference(const DecoderState& a, const DecoderState& b) {
    const auto* left = reinterpret_cast<const uint8_t*>(&a);
    const auto* right = reinterpret_cast<const uint8_t*>(&b);
    size_t at = 0;
    while (at < sizeof a && left[at] == right[at])
        ++at;
    return at;
}

// The kept inputs of both fuzzers (the AIS one's flood fills the table beyond its size)
// and real captures, each through both fuzzers' paths.
std::vector<fs::path> Inputs() {
    fs::path data(T360KV_TEST_DATA_DIR);
    std::vector<fs::path> inputs;
    for (const char* folder : {"nmea/regressions", "ais/regressions", "nmea/captures/gpsd"})
        for (const auto& entry : fs::directory_iterator(data / folder))
            inputs.push_back(entry.path());
    inputs.push_back(data / "ais/gpsd/sample.aivdm");
    return inputs;
}

TEST(FreshDecoderState, PutsBackEveryByteAnInputChanged) {
    struct Path {
        const char* name;
        Decode decode;
    };
    const Path paths[] = {{"sentence", DecodeArbitraryBytesWithState},
                          {"AIS sequence", DecodeAisSequenceWithState}};
    for (const Path& path : paths) {
        FreshDecoderState kept;
        for (const fs::path& input : Inputs()) {
            SCOPED_TRACE(std::string(path.name) + " path, " + input.filename().string());
            std::vector<uint8_t> bytes = ReadFile(input);
            ASSERT_FALSE(bytes.empty());
            path.decode(bytes.data(), bytes.size(), kept.Take());
            const DecoderState& state = kept.Take();
            EXPECT_EQ(FirstDifference(state, kept.Pristine()), sizeof state)
                << "the offset of the first byte that differs";
        }
    }
}

} // namespace
