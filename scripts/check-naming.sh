#!/usr/bin/env bash
# Checks the names in the project's own code against .clang-tidy (readability-identifier-
# naming) over every translation unit of a build's compile_commands.json; any finding
# fails the run. The build must have run first: clang-tidy parses with its flags and any
# headers it generated. Given the Windows build (mingw-w64), it checks the units that only
# Windows builds (win32/ folders, ui/windows, tests/windows, *Win32*), the rest being
# checked on the Linux build.
#
#   scripts/check-naming.sh [BUILD_DIR]      (default build/dev)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/dev}
database=$build_dir/compile_commands.json
if [[ ! -f $database ]]; then
    echo "check-naming: $database is missing; configure and build the dev preset first" >&2
    exit 2
fi

# CMake writes physical paths; the root is escaped for use in a regular expression.
root=$(pwd -P | sed 's/[][\.*^$+?(){}|]/\\&/g')
own_files="^$root/(src|tools|ui|tests|bench|fuzz)/"

extra_args=()
only_windows='.'
compiler=$(sed -n 's/^ *"command": "\([^ ]*\) .*/\1/p;T;q' "$database")
if [[ $compiler == *w64-mingw32* ]]; then
    # clang parses as the cross compiler does: its target and its C++ library.
    cxx_include=$("$compiler" -print-file-name=include/c++)
    extra_args=(--extra-arg=--target=x86_64-w64-mingw32 "--extra-arg=-isystem$cxx_include"
        "--extra-arg=-isystem$cxx_include/x86_64-w64-mingw32")
    only_windows='win32|/windows/|Win32'
fi

units=$(mktemp)
findings=$(mktemp)
trap 'rm -f "$units" "$findings"' EXIT
# Qt's generated code under build/ is not ours; only the project's folders are checked.
sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$database" | grep -E "$own_files" |
    grep -E "$only_windows" | grep -E '\.cpp$' | sort -u >"$units"
if [[ ! -s $units ]]; then
    echo "check-naming: no translation unit of the project in $database" >&2
    exit 2
fi

# clang reports warnings gcc does not; -Wno-error keeps those from failing a names check.
status=0
tr '\n' '\0' <"$units" |
    xargs -0 -n 4 -P"$(nproc)" clang-tidy -p "$build_dir" --quiet --header-filter="$own_files" \
        --warnings-as-errors='*' --extra-arg=-Wno-error --extra-arg=-Wno-unknown-warning-option \
        "${extra_args[@]}" \
        >"$findings" 2>&1 || status=$?

# A header's finding is reported by every unit that includes it; each is shown once.
grep -E ': (warning|error): ' "$findings" | sort -u >&2 || true
if ((status != 0)); then
    echo "check-naming: names differ from .clang-tidy, or a unit did not parse (above)" >&2
    exit 1
fi
echo "Every name follows .clang-tidy ($(wc -l <"$units") translation units)."
