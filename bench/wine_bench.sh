#!/usr/bin/env bash
# The Wine rows: makes the native benchmark's tree, runs each Windows build's
# benchmark over it in a Wine prefix of its own, and removes the tree. A row
# this machine cannot run (32-bit, where no 32-bit program runs) is skipped
# with a line that says so.
# Usage: wine_bench.sh SEARCH_BENCH WINE_SEARCH_BENCH_EXE...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tree=$(mktemp -d /tmp/velorin-bench-XXXXXX)
trap 'rm -rf "$tree"' EXIT
"$1" --tree "$tree"
shift
for exe in "$@"; do
  bash "$here/../tests/win32/wine_run.sh" "$exe" "Z:${tree//\//\\}" || (($? == 77))
done
