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
"$bench/ais/ais_decode_bench"
