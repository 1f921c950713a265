#!/usr/bin/env bash
# The window left running: t360kv-gui (release build) under Xvfb, connected to the
# simulator at the fastest line rate of the receiver's USB link, with the DATA LOG on and
# the GPS STATUS page showing, for MINUTES minutes.
#
#   bash scripts/soak.sh MINUTES
#
# Every 10 s it samples the window's resident memory (VmRSS), open descriptors and
# threads, and prints them. It fails when, from the first sample after the warm-up to the
# last one,
#   - resident memory grows by more than the bounds below, or
#   - a descriptor or a thread is added,
# or when the DATA LOG the window saves at the end (--save-log, the page's own Save)
# lacks or changes a single line the simulator sent (its --transcript), in order. The log
# records received lines only: what the window sends (its request for the device report,
# $PTST,,,,,17) is not in it, and the simulator's answers are in the transcript, so the
# saved log is the transcript exactly, line for line, up to the save.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-}
if ! [[ $minutes =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bash scripts/soak.sh MINUTES" >&2
    exit 2
fi

# 128000 baud (the receiver's USB link) is about 12800 characters a second. The
# simulator's GNSS sentences take about 600 of them a second; its AIS sentences average
# about 51 characters with CR LF, so 240 of them a second fill the rest of the line.
readonly kAisPerSecond=240
readonly kSampleSeconds=10
# The view of the DATA LOG (5000 lines) and the station table are full after half a
# minute; the swings of the view's document (below) reach their highest point after about
# four minutes, and stay there. A run that judges the trend leaves those out.
readonly kTrendMinutes=30
warmup=30
((minutes >= 10)) && warmup=60
((minutes >= kTrendMinutes)) && warmup=300
# Resident memory is judged two ways after the warm-up. The hidden view of the DATA LOG
# swings by up to about 2 MB as its document drops old lines and now and then compacts
# its text, so the last sample may lie up to kRssSwingKb above the first: a window that
# kept every received line (about 250 a second, 50 characters each, over 100 bytes with
# their bookkeeping) would go past it within a few minutes. Over a run of 30 minutes or
# more the swings average out, and the trend (least squares over every sample) may be at
# most kRssTrendKbPerHour: a line leaked every second would add 3600 of them an hour,
# over 300 kB.
readonly kRssSwingKb=3072
readonly kRssTrendKbPerHour=256

cmake --preset release >/dev/null
cmake --build --preset release --target t360kv-gui t360kv-sim
gui=$PWD/build/release/ui/t360kv-gui
sim=$PWD/build/release/tools/t360kv-sim/t360kv-sim

work=$(mktemp -d "${TMPDIR:-/tmp}/t360kv-soak.XXXXXX")
mkdir -p "$work/home" "$work/tmp"
sim_pid='' xvfb_pid=''
stop_all() {
    local pid
    for pid in $sim_pid $xvfb_pid; do
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap 'stop_all; rm -rf "$work"' EXIT
fail() {
    echo "SOAK FAILED: $*" >&2
    echo "--- simulator log (last lines)" >&2
    tail -n 20 "$work/sim.log" >&2 || true
    echo "--- window log (last lines)" >&2
    tail -n 20 "$work/gui.log" >&2 || true
    exit 1
}

transcript=$work/transcript.txt
saved=$work/saved.TXT
name=ttySOAK$$
sim_started=$(date +%s%N)
"$sim" --name "$name" --rate "$kAisPerSecond" --transcript "$transcript" \
    >"$work/sim.out" 2>"$work/sim.log" &
sim_pid=$!
for _ in $(seq 100); do
    [ -s "$work/sim.out" ] && break
    sleep 0.1
done
port=$(head -n 1 "$work/sim.out")
[ -n "$port" ] || fail "the simulator did not print its port"

# The window's settings and the DATA LOG's spill file stay in the scratch folder.
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config TMPDIR=$work/tmp QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c 'echo $$ >"$0"; exec "$@"' "$work/gui.pid" \
    "$gui" --port "$port" --connect --data-log --page gps-status --save-log "$saved" \
    >"$work/gui.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/gui.pid" ] && break
    sleep 0.1
done
gui_pid=$(cat "$work/gui.pid" 2>/dev/null || true)
[ -n "$gui_pid" ] || fail "the window did not start"

sample() { # prints: rss_kB descriptors threads
    local status rss threads fds
    status=$(cat "/proc/$gui_pid/status" 2>/dev/null) || return 1
    rss=$(awk '/^VmRSS:/ {print $2}' <<<"$status")
    threads=$(awk '/^Threads:/ {print $2}' <<<"$status")
    fds=$(find "/proc/$gui_pid/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l)
    echo "$rss $fds $threads"
}
sent_lines() { wc -l <"$transcript"; }

echo "Soak of $minutes min: window $gui_pid on $port, $kAisPerSecond AIS sentences a second"
printf '%8s %10s %5s %8s %12s\n' seconds rss_kB fds threads lines_sent
start=$(date +%s)
end=$((start + minutes * 60))
first='' last=''
: >"$work/rss-after-warmup.txt"
while :; do
    now=$(date +%s)
    ((now <= end)) || break
    kill -0 "$sim_pid" 2>/dev/null || fail "the simulator ended"
    values=$(sample) || fail "the window ended"
    read -r rss fds threads <<<"$values"
    elapsed=$((now - start))
    printf '%8d %10d %5d %8d %12d\n' "$elapsed" "$rss" "$fds" "$threads" "$(sent_lines)"
    if [ -z "$first" ] && ((elapsed >= warmup)); then
        first="$elapsed $rss $fds $threads"
    fi
    last="$elapsed $rss $fds $threads"
    [ -z "$first" ] || echo "$elapsed $rss" >>"$work/rss-after-warmup.txt"
    pause=$((kSampleSeconds - ($(date +%s) - now)))
    ((pause <= 0)) || sleep "$pause"
done
[ -n "$first" ] || fail "no sample after the warm-up"

# The simulator is held still, so that it writes no line that its ending could cut off
# (a pseudo-terminal's unread input is dropped when its other side closes); the window
# takes what is on the line, then saves the log and quits. Every line in the transcript
# by then had been written to the port before the window saved.
kill -STOP "$sim_pid"
sim_stopped=$(date +%s%N)
sleep 3
before_save=$(sent_lines)
before_save_bytes=$(wc -c <"$transcript")
kill -TERM "$gui_pid"
gui_status=0
wait "$xvfb_pid" || gui_status=$?
xvfb_pid=''
kill -TERM "$sim_pid"
kill -CONT "$sim_pid"
wait "$sim_pid" || true
sim_pid=''

read -r t0 rss0 fds0 threads0 <<<"$first"
read -r t1 rss1 fds1 threads1 <<<"$last"
sent=$(sent_lines)
echo
echo "From ${t0} s to ${t1} s: resident memory ${rss0} kB -> ${rss1} kB ($((rss1 - rss0)) kB)," \
    "descriptors ${fds0} -> ${fds1}, threads ${threads0} -> ${threads1}"
awk -v lines="$before_save" -v bytes="$before_save_bytes" \
    -v ns="$((sim_stopped - sim_started))" 'BEGIN {
    printf "Sent %d lines in %.0f s: %.0f lines, %.0f characters (CR LF included) a second\n",
           lines, ns / 1e9, lines * 1e9 / ns, (bytes + lines) * 1e9 / ns }'

((gui_status == 0)) || fail "the window's save at the end failed (exit status $gui_status)"
[ -f "$saved" ] || fail "the window saved no DATA LOG"
tr -d '\r' <"$saved" >"$work/saved.lf"
saved_lines=$(wc -l <"$work/saved.lf")
echo "Saved $saved_lines lines"
((saved_lines <= sent)) ||
    fail "the saved log holds $((saved_lines - sent)) lines more than were sent;" \
        "line $((sent + 1)) is \"$(sed -n "$((sent + 1))p" "$work/saved.lf")\""
head -n "$saved_lines" "$transcript" >"$work/sent-head.txt"
if ! cmp -s "$work/saved.lf" "$work/sent-head.txt"; then
    line=$(cmp "$work/saved.lf" "$work/sent-head.txt" | sed -n 's/.*line \([0-9]*\).*/\1/p')
    fail "line $line of the saved log is not the line the simulator sent there:" \
        "saved \"$(sed -n "${line}p" "$work/saved.lf")\"," \
        "sent \"$(sed -n "${line}p" "$transcript")\""
fi
((saved_lines >= before_save)) ||
    fail "the saved log ends after $saved_lines lines, but $before_save had been sent;" \
        "line $((saved_lines + 1)) was \"$(sed -n "$((saved_lines + 1))p" "$transcript")\""
# Woken to end, the simulator may finish writing a line or two; the window had saved.
echo "$((sent - saved_lines)) lines were sent as the simulator ended, after the save"

((rss1 - rss0 <= kRssSwingKb)) ||
    fail "resident memory grew by $((rss1 - rss0)) kB, more than $kRssSwingKb kB"
trend_ok=0
awk -v most="$kRssTrendKbPerHour" '{ n++; st += $1; sr += $2; stt += $1 * $1; str += $1 * $2 }
    END { trend = (n * str - st * sr) / (n * stt - st * st) * 3600
          printf "Resident memory trend: %+.0f kB an hour over %d samples\n", trend, n
          exit trend > most }' "$work/rss-after-warmup.txt" || trend_ok=$?
((minutes < kTrendMinutes || trend_ok == 0)) ||
    fail "resident memory grows by more than $kRssTrendKbPerHour kB an hour"
((fds1 <= fds0)) || fail "descriptors grew from $fds0 to $fds1"
((threads1 <= threads0)) || fail "threads grew from $threads0 to $threads1"
echo "Soak passed: every line sent is in the saved log, and nothing grew beyond its bound"
