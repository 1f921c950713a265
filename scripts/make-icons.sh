#!/usr/bin/env bash
# Draws the PNG sizes of the desktop icon from packaging/icons/t360kv.svg, for the
# Debian package's icon theme folders; run it after changing the SVG and commit both.
#
#   scripts/make-icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh librsvg2-bin

for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" packaging/icons/t360kv.svg \
        --output "packaging/icons/t360kv-$size.png"
done
