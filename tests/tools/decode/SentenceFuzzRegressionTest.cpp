// Inputs kept from fuzzing and from the faults found in reading the decoder's rules,
// run through the same path as the fuzzer: it aborts when a promise is broken, and the
// sanitizers of the dev build catch what the decoder must never do.
#include "DecodeBytes.h"
#include "KeptInputs.h"

#include <gtest/gtest.h>

namespace {

TEST(FuzzRegressions, EveryKeptInputDecodesWithinItsPromises) {
    std::filesystem::path folder = std::filesystem::path(T360KV_TEST_DATA_DIR) / "nmea/regressions";
    EXPECT_GT(RunKeptInputs(folder, DecodeArbitraryBytes), 0) << "no inputs in " << folder;
}

} // namespace
