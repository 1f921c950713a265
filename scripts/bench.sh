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
"$bench/nmea/nmea_decode_bench"
"$bench/ais/ais_decode_bench"
"$bench/stations/stations_bench"
# The whole command against gpsdecode -j, on the captures and on the AIS-heavy corpus.
bash scripts/bench-decode.sh
