// Inputs kept for the AIS fuzzer, and the bad input the AIS path must survive, run
// through the fuzzer's path: it aborts when a promise is broken, and the sanitizers of the
// dev build catch a write past a record.
#include "AisSequences.h"
#include "KeptInputs.h"

#include <gtest/gtest.h>

namespace {

TEST(AisFuzzRegressions, EveryKeptInputDecodesWithinItsPromises) {
    std::filesystem::path folder = std::filesystem::path(T360KV_TEST_DATA_DIR) / "ais/regressions";
    EXPECT_GT(RunKeptInputs(folder, DecodeAisSequence), 0) << "no inputs in " << folder;
}

} // namespace
