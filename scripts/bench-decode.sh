#!/usr/bin/env bash
# Times `t360kv decode` (release build) against `gpsdecode -j` (Debian's gpsd-clients)
# on the same input, twice: the real captures under tests/data/nmea/captures repeated to a
# few hundred thousand lines, then an AIS-heavy corpus, the AIS captures under
# tests/data/ais repeated to about 100 MB in a temporary folder. The two commands take
# turns, one run each per round, so a change of machine load falls on both; the medians
# give lines per second and the ratio.
#
#   scripts/bench-decode.sh [ROUNDS] [AIS_ROUNDS]
#       (defaults 7 and 3; build dir: $T360KV_BUILD_DIR or build/release)
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-7}
ais_rounds=${2:-3}
build_dir=${T360KV_BUILD_DIR:-build/release}
for tool in hyperfine gpsdecode python3; do
    command -v "$tool" >/dev/null || { echo "bench-decode.sh: $tool is not installed" >&2; exit 2; }
done
cmake --preset release -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target t360kv >/dev/null
t360kv=$build_dir/tools/t360kv/t360kv

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/captures.nmea
: >"$input"
find tests/data/nmea/captures -type f | sort | xargs cat >"$work/once.nmea"
while [[ $(wc -l <"$input") -lt 300000 ]]; do
    cat "$work/once.nmea" >>"$input"
done

# Times both commands on $1 for $2 rounds and prints the medians and the ratio.
compare() {
    local input=$1 count=$2 lines
    lines=$(wc -l <"$input")
    rm -f "$work"/round-*.json
    for ((round = 1; round <= count; round++)); do
        hyperfine --style none --runs 1 --export-json "$work/round-$round.json" \
            -n t360kv "$t360kv decode $input" \
            -n gpsdecode "gpsdecode -j < $input" >/dev/null
    done
    python3 - "$lines" "$(stat -c %s "$input")" "$work"/round-*.json <<'PY'
import json, statistics, sys
lines, size = int(sys.argv[1]), int(sys.argv[2])
times = {}
for path in sys.argv[3:]:
    for result in json.load(open(path))["results"]:
        times.setdefault(result["command"], []).extend(result["times"])
rate = {}
for name, runs in times.items():
    median = statistics.median(runs)
    rate[name] = lines / median
    print(f"{name:10s} {median * 1000:9.1f} ms median of {len(runs)} runs  {rate[name]:12,.0f} lines/s")
print(f"input: {lines:,} lines, {size / 1e6:.0f} MB; t360kv decode is "
      f"{rate['t360kv'] / rate['gpsdecode']:.1f} times as fast as gpsdecode -j")
PY
}

echo "Captures of many receivers:"
compare "$input" "$rounds"

# The AIS captures, the marnav one decompressed, repeated to about 100 MB.
ais_once=$work/ais-once.nmea
{ zcat tests/data/ais/marnav/ais-sample.txt.gz; cat tests/data/ais/gpsd/sample.aivdm; } >"$ais_once"
ais_input=$work/ais.nmea
: >"$ais_input"
while [[ $(stat -c %s "$ais_input") -lt 100000000 ]]; do
    cat "$ais_once" >>"$ais_input"
done
rm -f "$input"
echo "AIS-heavy corpus:"
compare "$ais_input" "$ais_rounds"
