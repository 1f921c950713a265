#!/usr/bin/env bash
# Builds the fuzz preset and runs its two fuzzers for a bounded time, half of it each: the
# sentence fuzzer, seeded with the lines of the real captures and its kept regression
# inputs, and the AIS fuzzer over sequences of encapsulation sentences, seeded with runs of
# lines of the AIS captures and its kept inputs. Exits non-zero on a finding, which is left
# in the build directory's fuzz-findings/ folder.
#
#   scripts/fuzz.sh [SECONDS]      (default 60; build dir: $T360KV_FUZZ_BUILD_DIR or build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build_dir=${T360KV_FUZZ_BUILD_DIR:-build/fuzz}
cmake --preset fuzz -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target sentence_fuzzer ais_sequence_fuzzer

# The fuzzers add to their corpora; they work on copies so the repository stays as it is.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=$build_dir/fuzz-findings
mkdir -p "$findings"

# Every distinct line of the captures is one seed of the sentence fuzzer.
sentences=$work/sentences
mkdir "$sentences"
find tests/data/nmea/captures -type f -exec cat {} + | tr -d '\r' | sort -u |
    split -l 1 -a 5 - "$sentences/line-"
if [[ -d tests/data/nmea/regressions ]]; then
    cp tests/data/nmea/regressions/* "$sentences/"
fi

# Runs of eight lines of the AIS captures keep multi-sentence messages together.
sequences=$work/sequences
mkdir "$sequences"
{ zcat tests/data/ais/marnav/ais-sample.txt.gz | sed -n '1,4000p'; grep '^!' tests/data/ais/gpsd/sample.aivdm; } |
    tr -d '\r' | split -l 8 -a 4 - "$sequences/run-"
# A flood beyond the 2250 stations takes thousands of sentences per run; the regression
# test (ais_fuzz_regression_tests) runs it, the fuzzer spends its time on the others.
find tests/data/ais/regressions -type f ! -name 'mmsi-flood*' -exec cp {} "$sequences/" \;

run() {
    local fuzzer=$1 corpus=$2 time=$3 length=$4
    if ! "$build_dir/fuzz/$fuzzer" -max_total_time="$time" -max_len="$length" \
        -print_final_stats=1 -artifact_prefix="$findings/$fuzzer-" "$corpus"; then
        echo "fuzz.sh: $fuzzer found an input that breaks the decoder; see $findings/" >&2
        exit 1
    fi
}
run sentence_fuzzer "$sentences" $((seconds - seconds / 2)) 512
run ais_sequence_fuzzer "$sequences" $((seconds / 2)) 4096
echo "fuzz.sh: no finding in $seconds s"
