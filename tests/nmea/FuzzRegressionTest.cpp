// Inputs kept from fuzzing and from the faults found in reading the decoder's rules,
// run through the same path as the fuzzer: it aborts when a promise is broken, and the
// sanitizers of the dev build catch what the decoder must never do.
#include "DecodeBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(FuzzRegressions, EveryKeptInputDecodesWithinItsPromises) {
    std::filesystem::path folder = std::filesystem::path(T360KV_TEST_DATA_DIR) / "nmea/regressions";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        DecodeArbitraryBytes(bytes.data(), bytes.size());
        ++inputs;
    }
    EXPECT_GT(inputs, 0) << "no inputs in " << folder;
}

} // namespace
