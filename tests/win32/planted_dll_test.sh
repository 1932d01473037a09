#!/usr/bin/env bash
# A comctl32.dll beside the program, where a web page may have left it in
# the Downloads folder, is never loaded, though Wine is told to look in the
# program's folder first, as Windows does for a DLL it does not know; and
# the window opens all the same. The 32-bit file as Windows 95 (OLDEST, the
# program that finds no later function), XP and 10; the 64-bit one as XP and 10.
# Usage: planted_dll_test.sh PROGRAM OLDEST DRIVER PLANTED_DLL
set -euo pipefail
program=$1
oldest=$2
driver=$3
planted=$4
source "$(dirname "$0")/wine_prefix.sh"
source "$(dirname "$0")/../../scripts/virtual_display.sh"
work=$(mktemp -d)
pid=
cleanup() {
  [[ -n $pid ]] && kill "$pid" 2>/dev/null
  wine_end
  [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
virtual_display "$work/display"
wine_begin "$work/prefix" "$program"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;comctl32=n,b"
downloads=$WINEPREFIX/drive_c/Downloads
mkdir -p "$downloads"
cp "$planted" "$downloads/comctl32.dll"

if is_32bit "$program"; then versions="win95 winxp win10"; else versions="winxp64 win10"; fi
failures=0
for version in $versions; do
  $wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$version" /f >/dev/null 2>&1
  if [[ $version == win95 ]]; then run=$oldest; else run=$program; fi
  cp "$run" "$downloads/Systemtest-Velorin-4.exe"
  rm -f "$downloads/loaded"
  (cd "$downloads" && exec "$wine" Systemtest-Velorin-4.exe) >/dev/null 2>&1 &
  pid=$!
  window=$("$wine" "$driver" close | tr -d '\r')  # "no window" when none opened
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
  verdict="ok  "
  [[ -z $window && ! -e $downloads/loaded ]] || { verdict=FAIL; failures=$((failures + 1)); }
  echo "$verdict $version: window ${window:-opened}, the planted DLL $([[ -e $downloads/loaded ]] || echo "not ")loaded"
done
echo "$failures failed"
((failures == 0))
