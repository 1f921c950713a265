#!/usr/bin/env bash
# Builds the Windows programs with mingw-w64 into build/windows/ (t360kv.exe with the Lang
# folder beside it) and runs their tests under wine, in a wine prefix of the build's own
# (build/windows/wine) so that a user's ~/.wine is left alone; then runs t360kv.exe and the
# window t360kv-win.exe end to end against the receiver simulator
# (tests/windows/ToolUnderWine.sh, tests/windows/WindowUnderWine.sh).
#
#   scripts/windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/deps.sh "${WINDOWS_PACKAGES[@]}"
cmake --preset windows
cmake --build --preset windows

export WINEPREFIX=$PWD/build/windows/wine
export WINEDEBUG=-all
# wine's first start builds the prefix (tens of seconds); the tests then share it.
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "Creating the wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    # The window's Chinese texts in menus and message boxes: wine's menu font has no
    # Chinese characters, Windows links it to its Chinese fonts, here to WenQuanYi.
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    done
    # A documents folder of the prefix's own, not the user's, for the settings file.
    documents=$WINEPREFIX/drive_c/users/$(id -un)/Documents
    [[ -L $documents ]] && rm "$documents" && mkdir "$documents"
    wineserver -w
fi

results=build/windows/test-results
rm -rf "$results"
# The test programs under one wine server and one set of wine's services, on one display
# (the window's tests need it): a test program starting while the server of the one
# before shuts down fails ("recvmsg: Connection reset by peer"), services a test program
# starts keep its output open, and services started without a display give every window
# of the session a size of nothing. The server ends with the run: the end-to-end test
# below starts a session of its own.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineserver --persistent
    trap "wineserver --kill; wineserver --wait" EXIT
    wineboot >/dev/null 2>&1
    ctest --preset windows -j "$(nproc)"'

# Each test program wrote its cases' results; the sum says how many ran under wine.
cases=0
failed=0
for file in "$results"/*.xml; do
    read -r tests failures errors < <(sed -n 's/^<testsuites tests="\([0-9]*\)" failures="\([0-9]*\)" disabled="[0-9]*" errors="\([0-9]*\)".*/\1 \2 \3/p' "$file")
    cases=$((cases + tests))
    failed=$((failed + failures + errors))
done
if ((failed != 0)); then
    echo "windows.sh: $failed of $cases test cases failed under wine" >&2
    exit 1
fi
echo "$cases test cases of $(ls "$results" | wc -l) Windows test programs passed under wine."

# t360kv.exe and the window end to end, against the native simulator through a COM port
# of wine.
bash tests/windows/ToolUnderWine.sh
xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/windows/WindowUnderWine.sh
