#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it
# (.clang-format); `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
find src ui tools tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
echo "Every C++ file is formatted."
