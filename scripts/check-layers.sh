#!/usr/bin/env bash
# Checks the includes between the core's folders against its layers (see DEVELOPING.md):
# a folder includes only folders of its own layer or below, and no two folders include
# each other, directly or round a circle. The build's libraries catch a call upwards;
# this catches an include upwards, inline code included.
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A layer=(
    [platform]=0
    [nmea]=1 [ais]=1
    [serial]=2 [session]=2 [replay]=2
    [view]=3 [skyview]=3 [connection]=3 [configuration]=3 [diagnostics]=3 [log]=3
    [network]=3 [dialogs]=3 [stations]=3
    [app]=4
)

failed=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for folder in */; do
    folder=${folder%/}
    if [[ -z ${layer[$folder]+set} ]]; then
        echo "check-layers: src/$folder belongs to no layer" >&2
        failed=1
        continue
    fi
    while IFS=: read -r file target; do
        [[ $target == "$folder" ]] && continue
        if [[ -z ${layer[$target]+set} ]]; then
            echo "check-layers: $file includes $target/, which belongs to no layer" >&2
            failed=1
        elif ((layer[$target] > layer[$folder])); then
            echo "check-layers: $file includes $target/, a layer above $folder/" >&2
            failed=1
        fi
        echo "$folder $target" >>"$edges"
    done < <(grep -rHoE '^#include "[a-z]+/' "$folder" | sed -E 's/:#include "([a-z]+)\//:\1/')
done
# tsort reports a loop when the include graph between folders has a circle.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loop"; then
    echo "check-layers: folders include each other:" >&2
    cat "$edges.loop" >&2
    failed=1
fi
rm -f "$edges.loop"
exit $failed
