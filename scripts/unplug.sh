#!/usr/bin/env bash
# Unplug and replug while connected, CYCLES times (100 by default), for the window and for
# `t360kv monitor` side by side (dev build: sanitizers on).
#
#   bash scripts/unplug.sh [CYCLES]
#
# The window (tests/ui/UnplugReplugWindowLoop.cpp): the simulator is stopped and started
# again under the same port name; each cycle the status returns to "Click to Connect"
# within the hot-plug debounce, the port's entry comes back and Connect connects again,
# and descriptors and threads after the last cycle are no more than after the first.
#
# `t360kv monitor` ends when its port goes away ("# port closed", exit status 1: the
# receiver was lost); reconnecting is starting it again on the port that came back. Each
# cycle a monitor is started on the simulator and must print the receiver's report (the
# connection works), then the simulator is stopped and the monitor must say so and end
# within the same deadline. Its descriptors and threads, taken once the report is in,
# and what is left in the port folder, must be the same in the last cycle as in the first.
set -euo pipefail
cd "$(dirname "$0")/.."

cycles=${1:-100}
if ! [[ $cycles =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bash scripts/unplug.sh [CYCLES]" >&2
    exit 2
fi
# The hot-plug debounce (four ticks of the half-second timer) and 2 s more for a slow
# machine: a bound on correctness, not a measure of speed.
readonly kUnplugDeadlineSeconds=4
readonly kReportDeadlineSeconds=15

cmake --preset dev >/dev/null
cmake --build --preset dev --target t360kv t360kv-sim window_unplug_loop
tool=$PWD/build/dev/tools/t360kv/t360kv
sim=$PWD/build/dev/tools/t360kv-sim/t360kv-sim
window_loop=$PWD/build/dev/tests/ui/window_unplug_loop

work=$(mktemp -d "${TMPDIR:-/tmp}/t360kv-unplug.XXXXXX")
window_pid='' sim_pid='' monitor_pid=''
stop_all() {
    local pid
    for pid in $window_pid $sim_pid $monitor_pid; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap 'stop_all; rm -rf "$work"' EXIT
started=$(date +%s)

UNPLUG_CYCLES=$cycles QT_QPA_PLATFORM=offscreen "$window_loop" >"$work/window.log" 2>&1 &
window_pid=$!

# The monitor's port folder, settings and COM numbers are the loop's own.
mkdir -p "$work/run" "$work/home"
export XDG_RUNTIME_DIR=$work/run HOME=$work/home XDG_CONFIG_HOME=$work/home/.config

monitor_fail() {
    echo "UNPLUG FAILED (t360kv monitor, cycle $cycle): $*" >&2
    echo "--- monitor output (last lines)" >&2
    tail -n 20 "$work/monitor.out" >&2 || true
    echo "--- simulator log (last lines)" >&2
    tail -n 20 "$work/sim.log" >&2 || true
    exit 1
}
# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
    local deadline=$(($(date +%s%N) + $1 * 1000000000))
    shift
    until "$@"; do
        (($(date +%s%N) < deadline)) || return 1
        sleep 0.05
    done
}
counts() { # descriptors threads of process $1
    echo "$(find "/proc/$1/fd" -mindepth 1 -maxdepth 1 | wc -l)" \
        "$(awk '/^Threads:/ {print $2}' "/proc/$1/status")"
}
report_in() { grep -q '^< \[DEVICE DATA END\]' "$work/monitor.out"; }
monitor_ended() { ! kill -0 "$monitor_pid" 2>/dev/null; }

first_counts='' first_left=''
for ((cycle = 1; cycle <= cycles; ++cycle)); do
    : >"$work/sim.out"
    "$sim" --name ttyMONITOR >"$work/sim.out" 2>"$work/sim.log" &
    sim_pid=$!
    wait_for 10 test -s "$work/sim.out" || monitor_fail "the simulator printed no port"
    port=$(head -n 1 "$work/sim.out")

    # Emptied here, not by the redirection: that happens in the child, later, and the
    # check below would find the report of the cycle before.
    : >"$work/monitor.out"
    "$tool" monitor --port "$port" --seconds 3600 >>"$work/monitor.out" 2>&1 &
    monitor_pid=$!
    wait_for "$kReportDeadlineSeconds" report_in || monitor_fail "no report: the reconnect failed"
    now_counts=$(counts "$monitor_pid")

    kill "$sim_pid"
    wait "$sim_pid" || true
    sim_pid=''
    wait_for "$kUnplugDeadlineSeconds" monitor_ended ||
        monitor_fail "still running ${kUnplugDeadlineSeconds} s after the unplug"
    status=0
    wait "$monitor_pid" || status=$?
    monitor_pid=''
    ((status == 1)) || monitor_fail "exit status $status after the unplug, not 1 (receiver lost)"
    tail -n 1 "$work/monitor.out" | grep -q '^# port closed$' ||
        monitor_fail "the last line is not \"# port closed\""
    left=$(find "$work/run" "$work/home" -mindepth 1 | sort | tr '\n' ' ')
    if ((cycle == 1)); then
        first_counts=$now_counts first_left=$left
    fi
done
read -r fds0 threads0 <<<"$first_counts"
read -r fds1 threads1 <<<"$now_counts"
echo "monitor: $cycles cycles; descriptors $fds0 -> $fds1, threads $threads0 -> $threads1"
((fds1 <= fds0 && threads1 <= threads0)) ||
    monitor_fail "descriptors or threads grew: $first_counts -> $now_counts"
[ "$left" = "$first_left" ] ||
    monitor_fail "files left behind grew: \"$first_left\" -> \"$left\""
monitor_seconds=$(($(date +%s) - started))
echo "monitor: done in ${monitor_seconds} s"

window_status=0
wait "$window_pid" || window_status=$?
window_pid=''
grep '^window:' "$work/window.log" || true
if ((window_status != 0)); then
    echo "UNPLUG FAILED (window):" >&2
    tail -n 40 "$work/window.log" >&2
    exit 1
fi
echo "Unplug and replug: $cycles cycles of the window and of t360kv monitor passed in" \
    "$(($(date +%s) - started)) s"
