#!/usr/bin/env bash
# What the loader of the oldest Windows a program file is for demands of it:
# the subsystem version in its header (4.0 for the 32-bit file, at most 5.2
# for the 64-bit one), and every imported function, each held against the
# list of functions and the oldest Windows that has them. Given crtdll.dll's
# list of exports, every CRTDLL line of the functions list must be among
# those of Windows 95's crtdll.dll.
# Usage: loader_check.sh FUNCTIONS_LIST EXE [CRTDLL_DEF]
set -euo pipefail
list=$1
exe=$2
crtdll_def=${3:-}
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
failures=0
fail() { echo "FAIL $exe: $1"; failures=$((failures + 1)); }

subsystem=$(awk '/^MajorSubsystemVersion/ {major = $2} /^MinorSubsystemVersion/ {minor = $2} END {print major "." minor}' <<<"$dump")
if [[ $(x86_64-w64-mingw32-objdump -f "$exe") == *pei-i386* ]]; then
  width=32
  oldest="Windows 95 and NT 4.0"
  [[ $subsystem == 4.0 ]] || fail "subsystem version $subsystem, not 4.0"
else
  width=64
  oldest="Windows NT 5.2"
  awk -v v="$subsystem" 'BEGIN {split(v, p, "."); exit !(p[1] * 100 + p[2] <= 502)}' ||
    fail "subsystem version $subsystem, above 5.2"
fi

# "DLL function" for every import by name; the DLL's name without ".dll", in
# capitals. From binutils 2.44 on, an ordinal column, "<none>" for these, and
# a hexadecimal hint come before the name.
imports=$(awk '/DLL Name:/ {dll = toupper($3); sub(/\.DLL$/, "", dll)}
               /^\t[0-9a-f]+(\t +[0-9]+|  <none>  [0-9a-f]+) +[A-Za-z_]/ {print dll, $NF}' <<<"$dump")
[[ -n $imports ]] || fail "no imports read"
verdicts=$(awk -v width=$width '
  NR == FNR { if ($0 !~ /^#/ && NF >= 5) { nine[$1 " " $2] = $3; nt[$1 " " $2] = $4 } next }
  {
    key = $1 " " $2
    if (!(key in nt)) { print "unlisted import " key; next }
    split(nt[key], v, ".")
    if (width == 32) {
      if (nine[key] != "95") print key " is missing on Windows 95 as it came (" nine[key] ")"
      else if (v[1] * 100 + v[2] > 400) print key " is missing on Windows NT 4.0 (from NT " nt[key] ")"
    } else if (v[1] * 100 + v[2] > 502) print key " is missing on Windows NT 5.2 (from NT " nt[key] ")"
  }' "$list" - <<<"$imports")
if [[ -n $crtdll_def ]]; then
  # Windows 95's exports run from EXPORTS to the note on those it lacks.
  verdicts+=$'\n'$(awk '
    NR == FNR { if (/^EXPORTS/) on = 1; else if (/not available in the Windows 95/) on = 0
                else if (on && $0 !~ /^;/ && NF) exported[$1] = 1; next }
    $1 == "CRTDLL" && !($2 in exported) { print "CRTDLL " $2 " is listed but not exported by Windows 95" }
  ' "$crtdll_def" "$list")
fi
while IFS= read -r verdict; do
  [[ -n $verdict ]] && fail "$verdict"
done <<<"$verdicts"
echo "$exe: $(wc -l <<<"$imports") imports checked against $oldest, subsystem $subsystem, $failures failed"
((failures == 0))
