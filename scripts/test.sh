#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the layers between the core's
# folders, builds with the sanitizers, checks the names and runs every test, builds
# the Windows programs and runs their tests under wine, and fuzzes the sentence decoder.
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

# The Windows programs and their tests, under wine; then the names of the code that only
# Windows builds.
bash scripts/windows.sh
bash scripts/check-naming.sh build/windows

# The releases (scripts/package.sh): the Debian package unpacked and run, lintian, and
# the Windows installer's silent install and uninstall under wine.
bash tests/packages/check.sh
# The window left running for two minutes at the full line rate, its saved DATA LOG checked
# against every line sent; then 100 cycles of unplugging and replugging the receiver under
# the window and under t360kv monitor.
bash scripts/soak.sh 2
bash scripts/unplug.sh 100

# A bounded run of every fuzzer (clang, sanitizers), 60 s in all; a finding fails the run.
bash scripts/fuzz.sh 60
echo "All tests passed, on Linux and under wine; the fuzzers found nothing."
