#!/usr/bin/env bash
# End to end under wine: the window t360kv-win.exe against the receiver simulator,
# reached through a real COM port of wine (WineEndToEnd.sh).
#
#   tests/windows/WindowUnderWine.sh    (scripts/windows.sh runs it under Xvfb)
#
# Needs a display, build/windows/t360kv-win.exe, the probe that drives it from outside
# (t360kv-win-probe.exe, found among the window's tests) and the wine prefix; the
# simulator comes from the dev build, brought up to date here.
#
# (a) The window is started on the port; a click on Connect, by the control's id, opens
# the session, which the status text shows ("Connected..."); once the simulator stops,
# the session closes and the status returns to "Click to Connect".
# (b) A picture of the GPS STATUS page after the simulator's satellites have been
# received for a while is saved as gps-status.png in build/windows/e2e-window/.
# (c) So is one of the AIS STATIONS page (ais-stations.png), once it lists the
# simulator's six vessels.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD

window=$root/build/windows/t360kv-win.exe
probe=$root/build/windows/tests/windows/t360kv-win-probe.exe
work=$root/build/windows/e2e-window
export WINEPREFIX=$root/build/windows/wine
export WINEDEBUG=-all
for needed in "$window" "$probe" "$WINEPREFIX/system.reg"; do
    if [[ ! -f $needed ]]; then
        echo "WindowUnderWine: $needed is missing; run scripts/windows.sh" >&2
        exit 1
    fi
done
if [[ -z ${DISPLAY:-} ]]; then
    echo "WindowUnderWine: no display; run it under xvfb-run" >&2
    exit 1
fi

cmake --preset dev >/dev/null
cmake --build build/dev --target t360kv-sim
simulator=$root/build/dev/tools/t360kv-sim/t360kv-sim

source tests/windows/WineEndToEnd.sh

window_pid=
stop_window() {
    if [[ -n $window_pid ]]; then
        kill "$window_pid" 2>/dev/null || true
        wait "$window_pid" 2>/dev/null || true
        window_pid=
    fi
}
trap 'stop_window; cleanup_wine_com_port' EXIT

# start_window NAME ARGUMENT...: starts t360kv-win.exe in the background, on the
# simulator's port, from the top of the build folder (as its Lang folder lies there);
# what wine prints goes to $work/NAME.log.
start_window() {
    local name=$1
    shift
    (cd build/windows && LD_PRELOAD=$shim exec timeout 180 wine "$window" --port "$port" "$@") \
        >"$work/$name.log" 2>&1 &
    window_pid=$!
}

failures=0
# probe NAME ARGUMENT...: runs the probe; what it said goes to $work/NAME.out.
probe() {
    local name=$1
    shift
    if ! timeout 120 wine "$probe" "$@" >"$work/$name.out" 2>&1; then
        failures=$((failures + 1))
        {
            echo "WindowUnderWine: FAILED: t360kv-win-probe $*:"
            tr -d '\r' <"$work/$name.out"
            echo "--- the simulator's log (last lines):"
            tail -n 10 "$work/simulator.log" 2>/dev/null || true
        } >&2
        return 1
    fi
    echo "WindowUnderWine: $(tr -d '\r' <"$work/$name.out")"
}

# The window is one program to copy: every DLL it imports is one of the system's.
if only_system_imports "$window"; then
    echo "WindowUnderWine: t360kv-win.exe imports only system DLLs"
else
    failures=$((failures + 1))
fi

# (a) Connect, then the simulator goes away.
start_simulator
start_window session
if probe before-connect wait LabelConnectionStatus "Click to Connect" 60 &&
    probe click click OpenPort 10 &&
    probe connected wait LabelConnectionStatus "Connected..." 30; then
    stop_simulator
    probe closed wait LabelConnectionStatus "Click to Connect" 30 || true
fi
stop_window
stop_simulator

# picture PAGE NAME [PROBE...]: starts the window connected, with PAGE in front, and
# saves a picture of it after twelve seconds as $work/PAGE.png; meanwhile, if given, the
# probe's wait (CONTROL TEXT SECONDS) must see its text.
picture() {
    local page=$1 name=$2
    shift 2
    local file=$work/$page.png
    start_simulator
    start_window "$page" --connect --page "$page" --after 12000 --screenshot "Z:${file//\//\\}"
    if (($# > 0)); then
        probe "$page-wait" wait "$@" || true
    fi
    # A window still there long after its picture was due: what its threads are doing
    # goes to $work/$page.backtrace before the timeout ends it.
    if ! wait_or_backtrace "$window_pid" 150 "$work/$page.backtrace" t360kv-win.exe; then
        if [[ -s $file ]]; then
            echo "WindowUnderWine: the window saved its picture but did not quit" >&2
        else
            echo "WindowUnderWine: the window has not saved its picture" >&2
        fi
    fi
    local status=0
    wait "$window_pid" || status=$?
    window_pid=
    # A PNG of the window's size: its signature, then the header's width and height.
    if ((status != 0)) || [[ ! -s $file ]] ||
        [[ $(head -c 8 "$file" | od -An -tx1 | tr -d ' \n') != 89504e470d0a1a0a ]]; then
        failures=$((failures + 1))
        echo "WindowUnderWine: FAILED: no picture of the $name page (exit $status, $work/$page.log)" >&2
    else
        local size
        size=$(od -An -tu1 -j16 -N8 "$file" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
        echo "WindowUnderWine: the $name page saved as $file ($size)"
    fi
    stop_simulator
}

# (b) The GPS STATUS page, connected for twelve seconds.
picture gps-status "GPS STATUS"
# (c) The AIS STATIONS page, which lists the simulator's vessels as they are heard.
picture ais-stations "AIS STATIONS" LabelStationCount "6 stations" 30

if ((failures != 0)); then
    echo "WindowUnderWine: $failures expectations failed; the runs' files are in $work" >&2
    exit 1
fi
echo "t360kv-win.exe passed end to end under wine, through $port."
