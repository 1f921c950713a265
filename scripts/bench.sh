#!/usr/bin/env bash
# Builds optimised and prints the benchmark figures.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${BENCH_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release

bench=build/release/bench
"$bench/session/receive_path_bench"
"$bench/session/pty_lines_bench" 5
# A 200 MB capture replayed as fast as possible: the peak memory stays flat.
"$bench/replay/replay_memory_bench" 200
# The window with AIS STATIONS in front while the simulator floods it with a full table.
marnav=$(mktemp)
trap 'rm -f "$marnav"' EXIT
gzip -dc tests/data/ais/marnav/ais-sample.txt.gz >"$marnav"
"$bench/ui/stations_page_bench" 10 100000 "$marnav"
"$bench/nmea/nmea_decode_bench"
"$bench/ais/ais_decode_bench"
"$bench/stations/stations_bench"
# The whole command against gpsdecode -j, on the captures and on the AIS-heavy corpus.
bash scripts/bench-decode.sh
