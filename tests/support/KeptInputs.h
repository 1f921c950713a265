// Runs every file of a folder of kept fuzzer inputs through `decode`, as the fuzzer
// would; returns how many files there were.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

inline int RunKeptInputs(const std::filesystem::path& folder,
                         const std::function<void(const uint8_t*, size_t)>& decode) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        SCOPED_TRACE(entry.path().filename().string());
        decode(bytes.data(), bytes.size());
        ++inputs;
    }
    return inputs;
}
