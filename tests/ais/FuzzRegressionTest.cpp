// Inputs kept for the AIS fuzzer, and the bad input the AIS path must survive, run
// through the fuzzer's path: it aborts when a promise is broken, and the sanitizers of the
// dev build catch a write past a record.
#include "AisSequences.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(AisFuzzRegressions, EveryKeptInputDecodesWithinItsPromises) {
    std::filesystem::path folder = std::filesystem::path(T360KV_TEST_DATA_DIR) / "ais/regressions";
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        DecodeAisSequence(bytes.data(), bytes.size());
        ++inputs;
    }
    EXPECT_GT(inputs, 0) << "no inputs in " << folder;
}

} // namespace
