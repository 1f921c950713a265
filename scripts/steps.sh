# Steps of the test command, sourced by scripts/test.sh. Each step's start is printed with
# the time since the command began. A step that only builds or checks can run behind the
# tests: in the background, at a lower priority, so that the tests keep the CPU time they
# ask for and the builds take the rest (many tests spend their time waiting for a
# simulator, a timer or wine). Its output is kept in build/steps/NAME.log and shown when
# the step is awaited; a failure there fails the run then.
# shellcheck shell=bash

steps_started=$SECONDS
steps_log_dir=build/steps
declare -A behind_pids=()

step() {
    local elapsed=$((SECONDS - steps_started))
    printf '\n== %s (at %dm%02ds)\n' "$*" $((elapsed / 60)) $((elapsed % 60))
}

# behind NAME NICENESS COMMAND...: runs COMMAND in the background, in a process group of
# its own (so that a failed run can stop it), at NICENESS (1-19; the higher, the later it
# gets the CPU among background steps).
behind() {
    local name=$1 niceness=$2
    shift 2
    mkdir -p "$steps_log_dir"
    step "$name: started in the background"
    setsid nice -n "$niceness" "$@" >"$steps_log_dir/$name.log" 2>&1 &
    behind_pids[$name]=$!
}

# await NAME: waits for the background step NAME, shows its output, and ends the run with
# its status when it failed.
await() {
    local name=$1 status=0
    wait "${behind_pids[$name]}" || status=$?
    unset "behind_pids[$name]"
    step "$name: finished in the background"
    cat "$steps_log_dir/$name.log"
    if ((status != 0)); then
        echo "test.sh: $name failed (status $status)" >&2
        exit "$status"
    fi
}

# A run that fails, or is interrupted, stops what still runs behind it.
stop_background_steps() {
    local pid
    for pid in "${behind_pids[@]}"; do
        kill -- "-$pid" 2>/dev/null || true
    done
}
trap stop_background_steps EXIT
