#!/usr/bin/env bash
# Builds the fuzz preset and runs the sentence fuzzer for a bounded time, seeded with the
# lines of the real captures and the kept regression inputs. Exits non-zero on a finding,
# which is left in the build directory's fuzz-findings/ folder.
#
#   scripts/fuzz.sh [SECONDS]      (default 60; build dir: $T360KV_FUZZ_BUILD_DIR or build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build_dir=${T360KV_FUZZ_BUILD_DIR:-build/fuzz}
cmake --preset fuzz -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target sentence_fuzzer

# The fuzzer adds to its corpus; work on a copy so the repository stays as it is. Every
# distinct line of the captures is one seed.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
find tests/data/nmea/captures -type f -exec cat {} + | tr -d '\r' | sort -u |
    split -l 1 -a 5 - "$corpus/line-"
if [[ -d tests/data/nmea/regressions ]]; then
    cp tests/data/nmea/regressions/* "$corpus/"
fi

findings=$build_dir/fuzz-findings
mkdir -p "$findings"
if ! "$build_dir/fuzz/sentence_fuzzer" -max_total_time="$seconds" -max_len=512 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus"; then
    echo "fuzz.sh: the fuzzer found an input that breaks the decoder; see $findings/" >&2
    exit 1
fi
echo "fuzz.sh: no finding in $seconds s"
