#!/usr/bin/env bash
# A program file carries the checker's identity, icon and manifest, imports
# no DLL that one beside it could stand in for, and ships without debug
# information, which lies beside it; neither names a build folder. Where
# Wine cannot run VERSION_INFO, the checks that only read the files still
# run, and the test ends as skipped if they pass.
# Usage: program_files_test.sh VERSION_INFO EXE...
set -euo pipefail
version_info=$1
shift
source "$(dirname "$0")/wine_prefix.sh"
top=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$(mktemp -d)
trap 'wine_end; rm -rf "$prefix"' EXIT
runs=yes
if is_32bit "$version_info" && ! runs_32bit; then runs=; else wine_begin "$prefix" "$version_info"; fi

expected="FILEVERSION=1.0.0.0
PRODUCTVERSION=1.0.0.0
Comments=System-Test
FileDescription=System-Test online
FileVersion=1.00
InternalName=Systemtest-Velorin-4
OriginalFilename=Systemtest-Velorin-4.exe
ProductName=System-Test Velorin-4
ProductVersion=1.00"
# Windows' KnownDLLs, which no file beside the program can stand in for, and
# CRTDLL, which the file's load configuration keeps to the system folder.
system_dlls='^(CRTDLL|GDI32|KERNEL32|msvcrt|ole32|SHELL32|USER32)\.dll$'
failures=0
shopt -s nocasematch  # DLL names are case-blind on Windows
fail() { echo "FAIL $1: $2"; failures=$((failures + 1)); }
for exe in "$@"; do
  [[ -f $exe ]] || { fail "$exe" "missing"; continue; }
  if [[ -n $runs ]]; then
    info=$("$wine" "$version_info" "$("$wine" winepath -w "$exe" 2>/dev/null | tr -d '\r')" | tr -d '\r')
    [[ $info == "$expected" ]] || fail "$exe" "version resource is"$'\n'"$info"
  fi
  dump=$(x86_64-w64-mingw32-objdump -p "$exe")
  while read -r dll; do
    [[ $dll =~ $system_dlls ]] || fail "$exe" "imports $dll"
  done < <(awk '/DLL Name:/ {print $3}' <<<"$dump")
  # The resource types at the top of the resource directory, by number.
  types=$(awk '/Resource Directory section/ {on = 1} on && /^0[0-9a-f]+   Entry: ID:/ {sub(",", "", $4); print $4}' <<<"$dump")
  for type in "0x000002 bitmap" "0x00000e icon" "0x000010 version" "0x000018 manifest"; do
    grep -qx "${type% *}" <<<"$types" || fail "$exe" "no ${type#* } resource"
  done
  sections=$(x86_64-w64-mingw32-objdump -h "$exe")
  [[ $sections != *.debug_* ]] || fail "$exe" "carries debug information"
  [[ $sections == *.gnu_debuglink* && -f ${exe%.exe}.debug ]] || fail "$exe" "no symbols beside it"
  # The same bytes from any folder: neither names a folder of this machine's.
  for file in "$exe" "${exe%.exe}.debug"; do
    ! grep -aqF -e "$top" -e velorin-runtime- -e .cache/velorin-4 "$file" || fail "$file" "names a build folder"
  done
  echo "checked $exe ($(x86_64-w64-mingw32-objdump -f "$exe" | awk '/file format/ {print $4}'))"
done
echo "$failures failed"
((failures == 0)) || exit 1
[[ -n $runs ]] || exit $wine_skipped
