#!/usr/bin/env bash
# Runs one Windows program under Wine's 64-bit loader in a prefix of its own,
# and ends that prefix's wineserver afterwards. Usage: wine_run.sh PROGRAM [ARGS...]
set -euo pipefail
prefix=$(mktemp -d)
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
}
trap cleanup EXIT
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
/usr/lib/wine/wine64 "$@"
