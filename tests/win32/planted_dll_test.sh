#!/usr/bin/env bash
# A comctl32.dll beside the program, where a web page may have left it in
# the Downloads folder, is never loaded, though Wine is told to look in the
# program's folder first, as Windows does for a DLL it does not know; and
# the window opens all the same. The 32-bit file as Windows 95 (OLDEST, the
# program that finds no later function), XP and 10; the 64-bit one as XP and 10.
# Usage: planted_dll_test.sh PROGRAM OLDEST DRIVER PLANTED_DLL (on a display)
set -euo pipefail
program=$1 oldest=$2 driver=$3
source "$(dirname "$0")/wine_prefix.sh"
prefix=$(mktemp -d)
trap 'wine_end; rm -rf "$prefix"' EXIT
wine_begin "$prefix" "$program"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;comctl32=n,b"
downloads=$WINEPREFIX/drive_c/Downloads
mkdir -p "$downloads"
cp "$4" "$downloads/comctl32.dll"
if is_32bit "$program"; then versions="win95 winxp win10"; else versions="winxp64 win10"; fi
failures=0
for version in $versions; do
  $wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$version" /f >/dev/null 2>&1
  if [[ $version == win95 ]]; then run=$oldest; else run=$program; fi
  cp "$run" "$downloads/Systemtest-Velorin-4.exe"
  rm -f "$downloads/loaded"
  (cd "$downloads" && exec timeout 60 "$wine" Systemtest-Velorin-4.exe) >/dev/null 2>&1 &
  window=$("$wine" "$driver" close | tr -d '\r')  # "no window" when none opened
  wait $! || true
  loaded=$([[ -e $downloads/loaded ]] && echo loaded || echo "not loaded")
  [[ -z $window && $loaded == "not loaded" ]] && echo -n "ok   " || { echo -n "FAIL "; failures=$((failures + 1)); }
  echo "$version: window ${window:-opened}, the planted DLL $loaded"
done
echo "$failures failed"
((failures == 0))
