#!/usr/bin/env bash
# End to end under wine: t360kv.exe against the receiver simulator, reached through a real
# COM port of wine.
#
#   tests/windows/ToolUnderWine.sh      (scripts/windows.sh runs it after the unit tests)
#
# Needs build/windows/t360kv.exe and its wine prefix (scripts/windows.sh makes both). The
# simulator runs natively; it and the Linux t360kv, whose decode output is the reference,
# come from the dev build, which is brought up to date here.
#
# The port: the simulator behind a COM port of wine (WineEndToEnd.sh), which is removed
# again on every exit.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD

tool=$root/build/windows/t360kv.exe
work=$root/build/windows/e2e
export WINEPREFIX=$root/build/windows/wine
export WINEDEBUG=-all
if [[ ! -f $tool || ! -f $WINEPREFIX/system.reg ]]; then
    echo "ToolUnderWine: $tool and its wine prefix are missing; run scripts/windows.sh" >&2
    exit 1
fi

cmake --preset dev >/dev/null
cmake --build build/dev --target t360kv-sim t360kv
simulator=$root/build/dev/tools/t360kv-sim/t360kv-sim
linux_tool=$root/build/dev/tools/t360kv/t360kv

source tests/windows/WineEndToEnd.sh

# run NAME ARGUMENT...: runs t360kv.exe; its standard output goes to $work/NAME.raw as it is
# and to $work/NAME.out without the CR that text mode writes before each LF, its standard
# error to $work/NAME.err also without, its exit code to $status.
status=0
run() {
    local name=$1
    shift
    status=0
    # stdin given explicitly: a job started with & would read /dev/null instead.
    LD_PRELOAD=$shim timeout 120 wine "$tool" "$@" <&0 >"$work/$name.raw" 2>"$work/$name.err-raw" &
    local pid=$!
    # A run still going long after it should have ended: its threads' stacks are kept.
    wait_or_backtrace "$pid" 110 "$work/$name.backtrace" t360kv.exe || true
    wait "$pid" || status=$?
    tr -d '\r' <"$work/$name.raw" >"$work/$name.out"
    tr -d '\r' <"$work/$name.err-raw" >"$work/$name.err"
}

failures=0
# fail NAME WHAT: reports a failed expectation with the run's output and standard error
# (decode's output runs to megabytes: its head is shown).
fail() {
    local name=$1
    failures=$((failures + 1))
    {
        echo "ToolUnderWine: FAILED: $2"
        echo "--- standard output of t360kv.exe (first lines):"
        head -n 40 "$work/$name.out" 2>/dev/null || true
        echo "--- standard error of t360kv.exe (last lines):"
        tail -n 60 "$work/$name.err" 2>/dev/null || true
        echo "--- the simulator's log (last lines):"
        tail -n 20 "$work/simulator.log" 2>/dev/null || true
        echo "---"
    } >&2
}
expect_status() {
    if ((status != $2)); then
        fail "$1" "t360kv.exe $1 exited with $status, expected $2"
        return 1
    fi
}
expect_line() {
    if ! grep -qxE -- "$2" "$work/$1.out"; then
        fail "$1" "t360kv.exe $1 printed no line matching '$2'"
        return 1
    fi
}
passed() {
    echo "ToolUnderWine: $1"
}

# The program needs no DLL beside it: every DLL it imports is one of the system's.
if only_system_imports "$tool"; then
    passed "t360kv.exe imports only system DLLs"
else
    failures=$((failures + 1))
fi

# (d) decode: the same bytes as the Linux build, from files and from standard input.
captures=()
while IFS= read -r -d '' file; do
    captures+=("$file")
done < <(find tests/data/nmea/captures tests/data/ais -type f ! -path '*/reference/*' \
    ! -name '*.gz' -print0 | sort -z)
gzip -dc tests/data/ais/marnav/ais-sample.txt.gz >"$work/ais-sample.txt"
captures+=("$work/ais-sample.txt")
"$linux_tool" decode "${captures[@]}" >"$work/decode.linux" 2>"$work/decode.linux-summary"
run decode decode "${captures[@]}"
if expect_status decode 0; then
    if ! cmp "$work/decode.linux" "$work/decode.raw"; then
        fail decode "decode of ${#captures[@]} captures: its output differs from the Linux build's ($work/decode.linux, $work/decode.raw)"
    elif ! cmp -s "$work/decode.err" "$work/decode.linux-summary"; then
        fail decode "decode's summary differs from the Linux build's ($work/decode.linux-summary)"
    else
        passed "decode of ${#captures[@]} captures: the same $(wc -c <"$work/decode.raw") bytes as the Linux build"
    fi
fi
stdin_capture=tests/data/nmea/captures/gpsd/nmea-fuzzy-cases.log
"$linux_tool" decode <"$stdin_capture" >"$work/decode-stdin.linux" 2>/dev/null
run decode-stdin decode <"$stdin_capture"
if expect_status decode-stdin 0; then
    if cmp "$work/decode-stdin.linux" "$work/decode-stdin.raw"; then
        passed "decode of standard input: the same bytes as the Linux build"
    else
        fail decode-stdin "decode of $stdin_capture from standard input differs from the Linux build's"
    fi
fi

# (e) ports: the simulator's COM port is listed.
run ports ports
if expect_status ports 0; then
    if grep -qxF "Communications Port ($port)	\\\\.\\$port" "$work/ports.out"; then
        passed "ports lists $port"
    else
        fail ports "ports did not list 'Communications Port ($port)<tab>\\\\.\\$port'"
    fi
fi

# (a) check: firmware, serial number and both channels' counts.
start_simulator --rate 20
run check check --port "$port" --seconds 3
if expect_status check 0 &&
    expect_line check 'Firmware Version     PASS  T360KV V1\.0\.8 2024-11-05' &&
    expect_line check 'Product Serial No\.   PASS  TL360K2409001' &&
    expect_line check 'RX position reports  PASS  Channel A: [0-9]+  Channel B: [0-9]+'; then
    passed "check --port $port: $(grep 'RX position' "$work/check.out")"
fi
stop_simulator

# (b) program, then read shows the new baud rates, and report writes them.
start_simulator --restart-quiet 1
run program program --port "$port" --rs232 19200 --nmea 9600
if expect_status program 0 && expect_line program 'rs232_baud=19200' &&
    expect_line program 'nmea_baud=9600'; then
    passed "program --rs232 19200 --nmea 9600: the receiver came back with them"
fi
run read-back read --port "$port"
if expect_status read-back 0 && expect_line read-back 'firmware=T360KV V1\.0\.8 2024-11-05' &&
    expect_line read-back 'serial=TL360K2409001' && expect_line read-back 'rs232_baud=19200' &&
    expect_line read-back 'nmea_baud=9600'; then
    passed "then read: $(grep baud= "$work/read-back.out" | tr '\n' ' ')"
fi
report=$work/programmed
run report report --port "$port" --out "Z:${report//\//\\}"
if expect_status report 0; then
    if ! grep -q $'RS-232 Baud Rate = 19200\r$' "$report.TXT" 2>/dev/null; then
        fail report "report did not write 'RS-232 Baud Rate = 19200' with CR LF to $report.TXT"
    else
        passed "report wrote $report.TXT"
    fi
fi
stop_simulator

# (c) a silent receiver: the session gives up after its handshake and the tool exits 2.
start_simulator --silent
started=$SECONDS
run silent check --port "$port" --seconds 1
if expect_status silent 2; then
    if [[ -s $work/silent.out ]]; then
        fail silent "check of a silent receiver printed results"
    elif ! grep -qxF "t360kv check: no receiver answered on $port" "$work/silent.err"; then
        fail silent "check of a silent receiver did not say 'no receiver answered on $port'"
    else
        passed "a silent receiver: exit 2 after $((SECONDS - started)) s, 'no receiver answered on $port'"
    fi
fi
stop_simulator

if ((failures != 0)); then
    echo "ToolUnderWine: $failures expectations failed; the runs' files are in $work" >&2
    exit 1
fi
echo "t360kv.exe passed end to end under wine, through $port."
