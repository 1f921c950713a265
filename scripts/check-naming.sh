#!/usr/bin/env bash
# Checks the names in the project's own code against .clang-tidy (readability-identifier-
# naming) over every translation unit of a build's compile_commands.json; any finding
# fails the run. The build must have run first: clang-tidy parses with its flags and any
# headers it generated.
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

units=$(mktemp)
findings=$(mktemp)
trap 'rm -f "$units" "$findings"' EXIT
# Qt's generated code under build/ is not ours; only the project's folders are checked.
sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$database" | grep -E "$own_files" | sort -u >"$units"
if [[ ! -s $units ]]; then
    echo "check-naming: no translation unit of the project in $database" >&2
    exit 2
fi

# clang reports warnings gcc does not; -Wno-error keeps those from failing a names check.
status=0
tr '\n' '\0' <"$units" |
    xargs -0 -n 4 -P"$(nproc)" clang-tidy -p "$build_dir" --quiet --header-filter="$own_files" \
        --warnings-as-errors='*' --extra-arg=-Wno-error --extra-arg=-Wno-unknown-warning-option \
        >"$findings" 2>&1 || status=$?

# A header's finding is reported by every unit that includes it; each is shown once.
grep -E ': (warning|error): ' "$findings" | sort -u >&2 || true
if ((status != 0)); then
    echo "check-naming: names differ from .clang-tidy, or a unit did not parse (above)" >&2
    exit 1
fi
echo "Every name follows .clang-tidy ($(wc -l <"$units") translation units)."
