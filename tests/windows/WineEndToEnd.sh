# What the end-to-end tests under wine (ToolUnderWine.sh, WindowUnderWine.sh) share: the
# receiver simulator behind a COM port of wine, and the check that a program needs no DLL
# beside it. Sourced, with these set:
#   root       the source tree
#   work       the run's folder (emptied here); what the runs print stays there
#   simulator  the t360kv-sim to start
# and WINEPREFIX naming the build's wine prefix. It sets `port` (COMn) and `shim` (the
# preload library that wine runs with) and defines start_simulator, stop_simulator and
# only_system_imports;
# the simulator, the port's registry value and its link are removed however the script
# ends.
#
# The port: the simulator registers its pseudo-terminal as a link of a fixed name, and
# wine's HKLM\Software\Wine\Ports maps a free COM number to that link, so wine's mount
# manager makes the COM port (the prefix's dosdevices link and the serial device map)
# when its session starts. Wine's serial layer needs modem-line ioctls that a
# pseudo-terminal refuses; the programs run with ModemLinesShim.cpp preloaded, which
# answers them in the device's place.

rm -rf "$work"
mkdir -p "$work/runtime"
shim=$work/modem-lines.so
"${CXX:-g++}" -std=c++20 -shared -fPIC -O2 -Wall -Wextra -Werror -o "$shim" \
    "$root/tests/windows/ModemLinesShim.cpp" -ldl

# The simulator's link has the same path at every start.
export XDG_RUNTIME_DIR=$work/runtime
sim_link=$XDG_RUNTIME_DIR/t360kv-sim/ttySIMWINE

# A wine session left by an earlier run ends first; the mount manager reads the ports
# when a session starts.
wineserver -w
com=5
while [[ -e $WINEPREFIX/dosdevices/com$com || -L $WINEPREFIX/dosdevices/com$com ]]; do
    com=$((com + 1))
done
port=COM$com

sim_pid=
stop_simulator() {
    if [[ -n $sim_pid ]]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        sim_pid=
    fi
}
cleanup_wine_com_port() {
    stop_simulator
    wine reg delete 'HKLM\Software\Wine\Ports' /v "$port" /f >/dev/null 2>&1 || true
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    rm -f "$WINEPREFIX/dosdevices/com$com"
}
trap cleanup_wine_com_port EXIT
trap 'exit 130' INT TERM

wine reg add 'HKLM\Software\Wine\Ports' /v "$port" /t REG_SZ /d "$sim_link" /f >/dev/null
wineserver -w
# One session for all the runs. Its standard error is a log of its own: wine's server
# holds the pseudo-terminal as its controlling terminal, and when the simulator stops it
# answers the hang-up with a dump of its objects.
wineserver -p 2>"$work/wineserver.log"

# start_simulator OPTION...: starts t360kv-sim and waits for its link.
start_simulator() {
    "$simulator" --name ttySIMWINE "$@" >"$work/simulator.out" 2>"$work/simulator.log" &
    sim_pid=$!
    for _ in $(seq 50); do
        [[ -L $sim_link ]] && return 0
        sleep 0.1
    done
    echo "${0##*/}: t360kv-sim $* did not register $sim_link" >&2
    cat "$work/simulator.log" >&2
    exit 1
}

# only_system_imports PROGRAM: whether every DLL the program imports is one of the
# system's, so that it runs without a DLL beside it; names any other on standard error.
only_system_imports() {
    local system32=$WINEPREFIX/drive_c/windows/system32 dll foreign=0
    for dll in $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
        if ! find "$system32" -maxdepth 1 -iname "$dll" | grep -q .; then
            echo "${0##*/}: FAILED: ${1##*/} imports $dll, which is no system DLL" >&2
            foreign=1
        fi
    done
    return $foreign
}

# wait_or_backtrace PID SECONDS FILE PROGRAM: waits up to SECONDS for PID to end; if it has
# not, every thread's stack of the wine session goes to FILE and PROGRAM's part is shown
# on standard error. Returns 0 when PID ended in time.
wait_or_backtrace() {
    local pid=$1 seconds=$2 file=$3 program=$4 waited=0
    while kill -0 "$pid" 2>/dev/null && ((waited < seconds)); do
        sleep 1
        waited=$((waited + 1))
    done
    kill -0 "$pid" 2>/dev/null || return 0
    timeout 25 winedbg --command "bt all" >"$file" 2>&1 || true
    echo "--- the threads of $program, still running after $seconds s ($file):" >&2
    grep -A 20 "$program)" "$file" >&2 || true
    return 1
}
