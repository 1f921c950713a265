#!/usr/bin/env bash
# Installs what is missing, builds, and runs the configurator. Without --port it starts
# the receiver simulator and talks to that.
#   scripts/run.sh [--port DEVICE] [--baud N]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${BUILD_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release --target t360kv t360kv-sim

bin=build/release/tools
if [[ " $* " == *" --port "* ]]; then
    exec "$bin/t360kv/t360kv" monitor "$@"
fi

sim_out=$(mktemp)
"$bin/t360kv-sim/t360kv-sim" >"$sim_out" 2>/dev/null &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -f "$sim_out"' EXIT
for _ in $(seq 50); do
    [ -s "$sim_out" ] && break
    sleep 0.1
done
port=$(head -n 1 "$sim_out")
echo "No receiver given: talking to the simulator on $port"
"$bin/t360kv/t360kv" monitor --port "$port" "$@"
