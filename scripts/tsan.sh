#!/usr/bin/env bash
# Builds the tsan preset (Debug, ThreadSanitizer) and runs the tests of the code that
# shares data between threads:
#   serial_tests, serial_sim_tests  the serial component and its event thread
#   session_tests                   the session, told of the port's events from that thread
#   decode_command_tests            the decode command's printing thread
#   gui_hand_over_tests             the event thread's hand-over to the window's thread
# A data race, a lock taken in two orders or any other report ends its test with a failure,
# and so the script. Third-party code that cannot be built with the sanitizer is excused,
# entry by entry, in tests/tsan.supp.
#
#   scripts/tsan.sh      (build dir: build/tsan)
set -euo pipefail
cd "$(dirname "$0")/.."

programs=(serial_tests serial_sim_tests session_tests decode_command_tests gui_hand_over_tests)
cmake --preset tsan >/dev/null
cmake --build --preset tsan

# The test preset stops at the first report; this adds what third-party code is excused.
if [[ -s tests/tsan.supp ]]; then
    export TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp${TSAN_OPTIONS:+ $TSAN_OPTIONS}"
fi

label_regex="^($(IFS='|'; echo "${programs[*]}"))\$"
ctest --preset tsan -j "$(nproc)" -L "$label_regex"
echo "ThreadSanitizer found nothing in the threaded tests."
