#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzzer for a bounded time, the seconds given split
# evenly between them:
#   sentence_fuzzer         received bytes through the line rules and the sentence decoder,
#                           seeded with the lines of the real captures and its kept inputs
#   ais_sequence_fuzzer     sequences of encapsulation sentences through the AIS path,
#                           seeded with runs of lines of the AIS captures and its kept inputs
#   settings_fuzzer         the settings file, seeded with the INI files of the repository
#   language_file_fuzzer    the language files in their three code pages
#   report_line_fuzzer      the lines of the receiver's device report
#   network_console_fuzzer  the network module's console, seeded with a visit of its page
#   replay_fuzzer           a capture file replayed, seeded with pieces of the captures
# Exits non-zero on a finding, which is left in the build directory's fuzz-findings/
# folder; at the end prints each fuzzer's inputs per second.
#
#   scripts/fuzz.sh [SECONDS]      (default 60; build dir: $T360KV_FUZZ_BUILD_DIR or build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

fuzzers=(sentence_fuzzer ais_sequence_fuzzer settings_fuzzer language_file_fuzzer
    report_line_fuzzer network_console_fuzzer replay_fuzzer)
seconds=${1:-60}
if ((seconds < ${#fuzzers[@]})); then
    echo "fuzz.sh: give at least ${#fuzzers[@]} seconds, one for each fuzzer" >&2
    exit 2
fi
build_dir=${T360KV_FUZZ_BUILD_DIR:-build/fuzz}
cmake --preset fuzz -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target "${fuzzers[@]}"

# The fuzzers add to their corpora; they work on copies so the repository stays as it is.
# A fuzzer writes every input that finds something new as a file there: in memory
# (/dev/shm) where there is one, as creating files on a busy disk took a tenth of the
# fuzzers' time.
parent=${TMPDIR:-/tmp}
if [[ -d /dev/shm && -w /dev/shm ]]; then
    parent=/dev/shm
fi
work=$(mktemp -d -p "$parent")
trap 'rm -rf "$work"' EXIT
findings=$build_dir/fuzz-findings
mkdir -p "$findings"
for fuzzer in "${fuzzers[@]}"; do
    mkdir "$work/$fuzzer"
done

# Every distinct line of the captures is one seed of the sentence fuzzer.
find tests/data/nmea/captures -type f -exec cat {} + | tr -d '\r' | sort -u |
    split -l 1 -a 5 - "$work/sentence_fuzzer/line-"
cp tests/data/nmea/regressions/* "$work/sentence_fuzzer/"

# Runs of eight lines of the AIS captures keep multi-sentence messages together.
{ zcat tests/data/ais/marnav/ais-sample.txt.gz | sed -n '1,4000p'; grep '^!' tests/data/ais/gpsd/sample.aivdm; } |
    tr -d '\r' | split -l 8 -a 4 - "$work/ais_sequence_fuzzer/run-"
# A flood beyond the 2250 stations takes thousands of sentences per run; the regression
# test (ais_fuzz_regression_tests) runs it, the fuzzer spends its time on the others.
find tests/data/ais/regressions -type f ! -name 'mmsi-flood*' -exec cp {} "$work/ais_sequence_fuzzer/" \;

# The settings file as the program writes it, and the other INI files there are.
printf '[VIEW]\r\nLanguage=1\r\n' >"$work/settings_fuzzer/written"
cp lang/*.ini "$work/settings_fuzzer/"

# Each language file read in each code page (the first byte picks it).
for file in lang/Lang-*.ini; do
    for page in 0 1 2; do
        { printf "\\x0$page"; cat "$file"; } >"$work/language_file_fuzzer/$page-$(basename "$file")"
    done
done

# A whole report, and each of its lines.
cp tests/data/session/device-report.txt "$work/report_line_fuzzer/"
split -l 1 -a 2 tests/data/session/device-report.txt "$work/report_line_fuzzer/line-"

# Steps of the console (NetworkConsoleFuzzer.cpp): the port open, the BAUD RATE page and
# then the NETWORK page, sixteen ticks of the timer, the PC's address 192.168.1.20 and
# Compare IP; then Config On, a typed line, Config Off and a tick.
printf '\x0a\x03\x06\x00\x06\x04%s\x09\x01\xc0\xa8\x01\x14\x08' "$(printf '\x0c%.0s' {1..16})" \
    >"$work/network_console_fuzzer/network-page"
printf '\x0a\x03\x01\x07\x06AT+VER\x02\x0c' >"$work/network_console_fuzzer/console"

# Pieces of five lines of the first hundred of each capture.
for capture in tests/data/nmea/captures/*/*; do
    head -n 100 "$capture" | split -l 5 -a 2 - "$work/replay_fuzzer/$(basename "$capture")-"
done

# The longest input of each: enough for a few of what it reads (lines, sections, steps;
# the AIS fuzzer's longest message takes five sentences), short enough that the fuzzers
# whose readers allocate for every line (settings, language files, replay) still try many:
# under the sanitizers an allocation costs more than reading the line.
declare -A max_length=([sentence_fuzzer]=512 [ais_sequence_fuzzer]=1024 [settings_fuzzer]=256
    [language_file_fuzzer]=256 [report_line_fuzzer]=1024 [network_console_fuzzer]=512
    [replay_fuzzer]=512)

# AddressSanitizer holds freed memory back (256 MB by default) to catch a use after free;
# cycling through that much cost a fuzzer over a second of page faults in ten seconds. A
# use after free within an input, the kind that reproduces alone, frees far less than
# 32 MB before it. Options given in ASAN_OPTIONS come after, and win.
export ASAN_OPTIONS=quarantine_size_mb=32${ASAN_OPTIONS:+:$ASAN_OPTIONS}

# Sets cpu to the processor seconds of the finished children so far (user and system);
# `times` runs in this shell, as in a subshell it would count that subshell's children.
read_cpu() {
    times >"$work/times"
    cpu=$(awk 'END { split($1, u, /[ms]/); split($2, s, /[ms]/); print u[1] * 60 + u[2] + s[1] * 60 + s[2] }' "$work/times")
}
rates=()
fuzzing_started=${EPOCHREALTIME%.*}
for i in "${!fuzzers[@]}"; do
    fuzzer=${fuzzers[$i]}
    # An even share of the seconds left, so that the time each fuzzer takes to start and
    # to stop comes out of the whole, not on top of it; at least one second each.
    left=$((seconds - (${EPOCHREALTIME%.*} - fuzzing_started)))
    time=$((left / (${#fuzzers[@]} - i)))
    time=$((time < 1 ? 1 : time))
    log=$work/$fuzzer.log
    started=$EPOCHREALTIME
    read_cpu
    cpu_before=$cpu
    # One process per corpus: nothing else adds to it, so it is not read again every
    # second (-reload=0). A fuzzer's temporary files (the replay's capture) go to the
    # work folder too, removed with it even after a finding.
    if ! TMPDIR=$work "$build_dir/fuzz/$fuzzer" -max_total_time="$time" \
        -max_len="${max_length[$fuzzer]}" -reload=0 -print_final_stats=1 \
        -artifact_prefix="$findings/$fuzzer-" "$work/$fuzzer" 2>&1 |
        tee "$log"; then
        echo "fuzz.sh: $fuzzer found an input that breaks its promises; see $findings/" >&2
        exit 1
    fi
    read_cpu
    inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rates+=("$(awk -v name="$fuzzer" -v inputs="$inputs" -v from="$started" -v to="$EPOCHREALTIME" \
        -v cpu="$cpu" -v cpu_before="$cpu_before" \
        'BEGIN { printf "%-24s %9d inputs in %5.1f s: %7.0f inputs/s, %7.0f per processor second",
                 name, inputs, to - from, inputs / (to - from), inputs / (cpu - cpu_before) }')")
done
echo "fuzz.sh: no finding in $seconds s"
# Per second of the clock, and per second the fuzzer had the processor, which on a shared
# machine tells its own speed.
printf '  %s\n' "${rates[@]}"
