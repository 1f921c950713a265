// What the fuzzers of files and answers check: a broken promise stops the run, and
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdlib>

inline void Require(bool promise) {
    if (!promise)
        std::abort();
}
