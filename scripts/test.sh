#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the layers between the core's
# folders, builds with the sanitizers and runs every test, checks the names, builds the
# Windows programs and runs their tests under wine, checks the release packages, runs the
# threaded tests under ThreadSanitizer, and fuzzes every reader of outside input.
#
# The builds and the name checks run behind the tests (scripts/steps.sh), so that the CPU
# time the tests spend waiting is not lost; each is awaited before the first step that
# needs it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/steps.sh

step "Packages, formatting and layers"
# Every step's packages at once: two installs cannot run at the same time.
bash scripts/deps.sh "${TEST_PACKAGES[@]}" "${PACKAGE_CHECK_PACKAGES[@]}"
bash scripts/check-format.sh
bash scripts/check-layers.sh

# The Windows build takes what CPU time the Linux build leaves (its links, its last units).
behind windows-build 10 bash -c 'cmake --preset windows && cmake --build --preset windows'
step "Linux build with the sanitizers"
cmake --preset dev
cmake --build --preset dev

# The names (clang-tidy parses each unit with the build's flags) can wait until the end.
behind linux-names 19 bash scripts/check-naming.sh build/dev
step "Linux tests"
ctest --preset dev -j "$(nproc)"

await windows-build
# The release programs, then the ThreadSanitizer and fuzzer builds.
behind release-build 10 bash scripts/package.sh --release-build-only
behind tsan-build 19 bash -c 'cmake --preset tsan && cmake --build --preset tsan'
behind fuzz-build 19 bash -c 'cmake --preset fuzz -B build/fuzz && cmake --build build/fuzz'
# 100 cycles of unplugging and replugging the receiver under the window and under
# t360kv monitor, beside the Windows tests: both spend their time waiting, the loop for
# its simulators and the hot-plug debounce, the tests for wine.
behind unplug-loop 0 bash scripts/unplug.sh 100
step "Windows tests under wine"
bash scripts/windows.sh
await unplug-loop

await linux-names
behind windows-names 19 bash scripts/check-naming.sh build/windows
await release-build
step "Packages"
# The Debian package unpacked and run, lintian, and the Windows installer's silent
# install and uninstall under wine.
bash tests/packages/check.sh

# A bounded run of every fuzzer (clang, sanitizers), 60 s in all; a finding fails the run.
# A fuzzer takes one processor, the soak's window little of the other.
await fuzz-build
behind fuzzers 5 bash scripts/fuzz.sh 60
step "Soak"
# The window left running for two minutes at the full line rate, its saved DATA LOG checked
# against every line sent.
bash scripts/soak.sh 2

await tsan-build
step "ThreadSanitizer"
bash scripts/tsan.sh

await fuzzers
await windows-names
step "Done"
echo "All tests passed, on Linux, under wine and ThreadSanitizer; the fuzzers found nothing."
