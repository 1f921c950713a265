#!/usr/bin/env bash
# Regenerates the expected output of `t360kv decode` for every capture under
# tests/data/nmea/captures, for review with `git diff tests/data/nmea/expected`.
#
#   scripts/decode-golden.sh [T360KV]
#
# Without an argument it builds t360kv with the release preset (in $T360KV_BUILD_DIR,
# default build/release) and uses that.
set -euo pipefail
cd "$(dirname "$0")/.."

tool=${1:-}
if [[ -z $tool ]]; then
    build_dir=${T360KV_BUILD_DIR:-build/release}
    cmake --preset release -B "$build_dir" >/dev/null
    cmake --build "$build_dir" --target t360kv
    tool=$build_dir/tools/t360kv/t360kv
fi

captures=tests/data/nmea/captures
expected=tests/data/nmea/expected
find "$captures" -type f | sort | while read -r capture; do
    name=${capture#"$captures"/}
    mkdir -p "$expected/$(dirname "$name")"
    "$tool" decode "$capture" >"$expected/$name.jsonl" 2>/dev/null
done
echo "Regenerated $expected; review with: git diff --stat $expected"
