#!/usr/bin/env bash
# Installs what is missing, builds, and runs the configurator's window. When no receiver
# is plugged in (no USB serial device), the receiver simulator is started and selected.
# Without a display the window runs under Xvfb and a picture of it is saved instead.
#   scripts/run.sh [--port TEXT] [--screenshot FILE.png]
#     --port TEXT        select the port entry containing TEXT (e.g. COM12, ttyUSB0)
#     --screenshot FILE  save a picture of the window after a few seconds and quit
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

port="" screenshot=""
while [ $# -gt 0 ]; do
    case "$1" in
        --port) port="$2"; shift 2 ;;
        --screenshot) screenshot="$2"; shift 2 ;;
        *) echo "usage: scripts/run.sh [--port TEXT] [--screenshot FILE.png]" >&2; exit 2 ;;
    esac
done

bash scripts/deps.sh "${RUN_PACKAGES[@]}"
cmake --preset release >/dev/null
cmake --build --preset release --target t360kv-gui t360kv-sim t360kv

bin=build/release
gui_args=()
if [ -z "$port" ] && ! ls /dev/ttyUSB* /dev/ttyACM* >/dev/null 2>&1; then
    sim_out=$(mktemp)
    "$bin/tools/t360kv-sim/t360kv-sim" >"$sim_out" 2>/dev/null &
    sim=$!
    trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -f "$sim_out"' EXIT
    for _ in $(seq 50); do
        [ -s "$sim_out" ] && break
        sleep 0.1
    done
    port=$(basename "$(head -n 1 "$sim_out")")
    echo "No receiver plugged in: the simulator runs on port $port"
    gui_args+=(--connect)
fi
[ -n "$port" ] && gui_args+=(--port "$port")

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    screenshot=${screenshot:-window.png}
    echo "No display: running the window under Xvfb and saving a picture to $screenshot"
    xvfb-run -a "$bin/ui/t360kv-gui" "${gui_args[@]}" --screenshot "$screenshot" --after 5000
    exit 0
fi
if [ -n "$screenshot" ]; then
    gui_args+=(--screenshot "$screenshot" --after 5000)
fi
"$bin/ui/t360kv-gui" "${gui_args[@]}"
