#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the layers between the core's
# folders, builds with the sanitizers, checks the names and runs every test, checks that
# the core library still cross-compiles for Windows, and fuzzes the sentence decoder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${TEST_PACKAGES[@]}"
bash scripts/check-format.sh
bash scripts/check-layers.sh

cmake --preset dev
cmake --build --preset dev
# Names are checked on the built tree: clang-tidy parses each unit with the build's flags.
bash scripts/check-naming.sh build/dev
ctest --preset dev -j "$(nproc)"

cmake --preset mingw
cmake --build --preset mingw

# A bounded run of the decoder's fuzzer (clang, sanitizers); a finding fails the run.
bash scripts/fuzz.sh 60
echo "All tests passed, the Windows build of the core compiles, the fuzzer found nothing."
